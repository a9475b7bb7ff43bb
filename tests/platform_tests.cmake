# Tests of one area, listed by that area (targets and add_test lines).

# Single instance, tray, show/hide hotkey, always-on-top, edge docking: the rules and the lock.
add_executable(tabulex_platform_tests
  window/edge_docking_test.cpp
  window/hotkey_codes_test.cpp
  window/instance_lock_test.cpp
  window/local_socket_test.cpp
  window/platform_abilities_test.cpp
  window/show_hide_action_test.cpp
  window/x11_keymap_test.cpp
)
target_link_libraries(tabulex_platform_tests PRIVATE tabulex_test_support tabulex_window)
add_test(NAME platform COMMAND tabulex_platform_tests)

if(TABULEX_BUILD_DESKTOP)
  # Their Qt parts, offscreen: the tray icon and its menu, the local-socket hand-off,
  # the topmost state, the edge hider.
  add_executable(tabulex_platform_widget_tests
    window/qt/edge_hider_test.cpp
    window/qt/global_hotkey_offscreen_test.cpp
    window/qt/single_instance_test.cpp
    window/qt/tray_icon_test.cpp
    window/qt/window_front_test.cpp
  )
  target_include_directories(tabulex_platform_widget_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(tabulex_platform_widget_tests PRIVATE tabulex_qt_test_support
    tabulex_window_widgets)
  add_test(NAME platform_widgets COMMAND tabulex_platform_widget_tests)
  set_tests_properties(platform_widgets PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

  # The X11 key grab in an X server of its own (skipped without Xvfb); it has its own main.
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(XCB REQUIRED IMPORTED_TARGET xcb)
  add_executable(tabulex_hotkey_x11_tests window/qt/global_hotkey_test.cpp)
  target_include_directories(tabulex_hotkey_x11_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(tabulex_hotkey_x11_tests PRIVATE tabulex_window_widgets GTest::gtest
    PkgConfig::XCB)
  add_test(NAME hotkey_x11 COMMAND tabulex_hotkey_x11_tests)
  set_tests_properties(hotkey_x11 PROPERTIES TIMEOUT 120)
endif()
