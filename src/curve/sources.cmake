set(WATTORA_CURVE_SOURCES
  curve/curve_components.cpp
  curve/build_curve_model.cpp
  curve/validate_curve_inputs.cpp
)
