set(WATTORA_OPTIONS_SOURCES
  options/settings_store.cpp
  options/memory_settings_store.cpp
  options/main_window_settings.cpp
)
