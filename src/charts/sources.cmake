set(WATTORA_CHART_SOURCES
  charts/chart_components.cpp
  charts/chart_model.cpp
  charts/placeholders.cpp
)
