# The help and about windows.
if(TABULEX_BUILD_DESKTOP)
  add_executable(tabulex_help_widget_tests help/qt/help_windows_test.cpp)
  set_target_properties(tabulex_help_widget_tests PROPERTIES AUTOMOC ON)
  target_include_directories(tabulex_help_widget_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(tabulex_help_widget_tests PRIVATE tabulex_qt_test_support
    tabulex_help_widgets)
  add_test(NAME help_windows COMMAND tabulex_help_widget_tests)
  set_tests_properties(help_windows PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()
