# Tests of one area, listed by that area (targets and add_test lines).

# The settings dialogs: their rules and writes as logic, then the dialogs offscreen.
add_executable(tabulex_settings_dialog_tests
  settings/reset_settings_test.cpp
  settings/settings_window_values_test.cpp
  settings/undo_limit_settings_test.cpp
  settings/window_position_test.cpp
)
target_link_libraries(tabulex_settings_dialog_tests PRIVATE tabulex_test_support tabulex_session)
add_test(NAME settings_dialogs COMMAND tabulex_settings_dialog_tests)

if(TABULEX_BUILD_DESKTOP)
  add_executable(tabulex_settings_dialog_widget_tests
    settings/qt/settings_dialogs_test.cpp
  )
  target_include_directories(tabulex_settings_dialog_widget_tests PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(tabulex_settings_dialog_widget_tests PRIVATE tabulex_qt_test_support
    tabulex_settings_widgets)
  add_test(NAME settings_dialog_widgets COMMAND tabulex_settings_dialog_widget_tests)
  set_tests_properties(settings_dialog_widgets PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()
