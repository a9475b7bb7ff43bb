# Tests of one area, listed by that area (targets and add_test lines).

# The keypad: its layout, its keys' actions and its window.
add_executable(tabulex_keypad_tests
  tools/keypad_actions_test.cpp
  tools/keypad_layout_test.cpp
)
target_link_libraries(tabulex_keypad_tests PRIVATE tabulex_test_support tabulex_tools)
add_test(NAME keypad COMMAND tabulex_keypad_tests)

if(TABULEX_BUILD_DESKTOP)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  add_executable(tabulex_keypad_widget_tests tools/qt/keypad_window_test.cpp)
  target_include_directories(tabulex_keypad_widget_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(tabulex_keypad_widget_tests PRIVATE tabulex_qt_test_support
    tabulex_tools_widgets Qt6::Test)
  add_test(NAME keypad_widgets COMMAND tabulex_keypad_widget_tests)
  set_tests_properties(keypad_widgets PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()
