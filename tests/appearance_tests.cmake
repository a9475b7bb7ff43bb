# Tests of one area, listed by that area (targets and add_test lines).

# Skins and appearance: the appearance window's rules, the skin colours and the transparency.
add_executable(tabulex_appearance_tests
  window/appearance_session_test.cpp
  window/skin_colours_test.cpp
  window/skin_transparency_test.cpp
)
target_link_libraries(tabulex_appearance_tests PRIVATE tabulex_test_support tabulex_window)
add_test(NAME appearance COMMAND tabulex_appearance_tests)

if(TABULEX_BUILD_DESKTOP)
  # The skin engine, the appearance window, the font dialog and the editor look, offscreen.
  add_executable(tabulex_appearance_widget_tests
    window/qt/appearance_window_test.cpp
    window/qt/editor_look_test.cpp
  )
  target_include_directories(tabulex_appearance_widget_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(tabulex_appearance_widget_tests PRIVATE tabulex_qt_test_support
    tabulex_window_widgets tabulex_session)
  add_test(NAME appearance_widgets COMMAND tabulex_appearance_widget_tests)
  set_tests_properties(appearance_widgets PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()
