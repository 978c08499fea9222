# Common settings for every target of our own: strict warnings, optional sanitizers.
function(qv_strict target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                           -Wold-style-cast -Wcast-align -Wnull-dereference
                                           -Wimplicit-fallthrough -Werror)
  target_compile_definitions(${target} PRIVATE QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
  if(QV_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                             -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# A library of one subsystem: sources listed by the caller.
function(qv_library target)
  add_library(${target} STATIC ${ARGN})
  qv_strict(${target})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
endfunction()

# A test executable registered with ctest; every test runs headless with its own
# throw-away settings and data folders (tests/run_test.sh). QT_APP: the test needs a
# QApplication (windows, timers, event loops).
function(qv_test target)
  cmake_parse_arguments(T "QT_APP" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${T_SOURCES})
  qv_strict(${target})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  if(T_QT_APP)
    target_link_libraries(${target} PRIVATE ${T_LIBS} qv_qt_test_main GTest::gtest GTest::gmock)
  else()
    target_link_libraries(${target} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  endif()
  add_test(NAME ${target} COMMAND ${PROJECT_SOURCE_DIR}/tests/run_test.sh $<TARGET_FILE:${target}>)
  set_tests_properties(${target} PROPERTIES TIMEOUT 300)
endfunction()
