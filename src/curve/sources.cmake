set(WATTORA_CURVE_SOURCES
  curve/curve_components.cpp
)
