set(WATTORA_ENERGY_SOURCES
  energy/energy_components.cpp
  energy/placeholders.cpp
)
