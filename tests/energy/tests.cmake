set(WATTORA_ENERGY_TESTS
  energy/power_at_flow_test.cpp
  energy/duty_cycle_test.cpp
  energy/costs_test.cpp
)
