# Pictures of the arranging dialogs for a person to look at, with the controls that lack
# an accessible name: run under Xvfb with QV_SHOT_DIR set (QT_SCALE_FACTOR=2 for a
# high-density screen): arranging_screens --gtest_also_run_disabled_tests
# It borrows the window tests' fixture, so it is built only with the tests.
if(QV_BUILD_TESTS)
  add_executable(arranging_screens ${CMAKE_CURRENT_LIST_DIR}/arranging_screens/main.cpp)
  qv_strict(arranging_screens)
  # Test code in all but its place: compiled as the tests are, with their header.
  qv_test_code(arranging_screens)
  target_include_directories(arranging_screens PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(arranging_screens PRIVATE qv_config_arranging qv_config_test_support qv_qt_test_main)
endif()
