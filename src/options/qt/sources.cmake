set(WATTORA_OPTIONS_QT_SOURCES
  options/qt/qt_settings_store.cpp
)
