set(WATTORA_CURVE_TESTS
  curve/matrix20_ops_test.cpp
  curve/curve_fit_test.cpp
  curve/build_curve_model_test.cpp
  curve/curve_defaults_test.cpp
  curve/validate_curve_inputs_test.cpp
  curve/check_note_test.cpp
)
