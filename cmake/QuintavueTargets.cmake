# Warnings stop the build only where asked (CI does): a compiler newer or older than
# ours may warn where ours does not, and that must not break a user's build.
option(QV_WERROR "Treat compiler warnings as errors" OFF)

# Common settings for every target of our own: strict warnings, optional sanitizers.
function(qv_strict target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                           -Wold-style-cast -Wcast-align -Wnull-dereference
                                           -Wimplicit-fallthrough)
  if(QV_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
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

# A test that drives the real program under a throw-away X server (Xvfb), and under a
# session bus of its own with SESSION_BUS. The program's path comes in QV_PROGRAM.
function(qv_x11_test target)
  cmake_parse_arguments(T "SESSION_BUS" "TIMEOUT" "SOURCES;LIBS;ENVIRONMENT" ${ARGN})
  add_executable(${target} ${T_SOURCES})
  qv_strict(${target})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${target} PRIVATE ${T_LIBS} PkgConfig::X11 GTest::gtest)
  set(command ${XVFB_RUN} -a -s "-screen 0 640x480x24" ${PROJECT_SOURCE_DIR}/tests/run_test.sh $<TARGET_FILE:${target}>)
  if(T_SESSION_BUS)
    list(PREPEND command dbus-run-session --)
  endif()
  add_test(NAME ${target} COMMAND ${command})
  set_tests_properties(${target} PROPERTIES
                       ENVIRONMENT "QV_PROGRAM=$<TARGET_FILE:quintavue>;${T_ENVIRONMENT}" TIMEOUT ${T_TIMEOUT})
endfunction()
