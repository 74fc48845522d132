set(WATTORA_CHARTS_TESTS
  charts/advanced_mode_test.cpp
  charts/curve_drawing_test.cpp
  charts/curve_points_test.cpp
  charts/result_charts_test.cpp
)
