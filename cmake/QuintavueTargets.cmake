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
  set_property(GLOBAL APPEND PROPERTY QV_STRICT_TARGETS ${target})
  string(FIND "${CMAKE_CURRENT_SOURCE_DIR}/" "${PROJECT_SOURCE_DIR}/tests/" at)
  if(at EQUAL 0)
    qv_test_code(${target})
  endif()
  if(QV_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                             -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# Test code is compiled unoptimised whatever the build type, while the code under test
# keeps the build type's optimisation. The tests run for seconds; optimising them took
# 40 % of their compile time, and they are most of what a build compiles.
function(qv_test_code target)
  target_compile_options(${target} PRIVATE -O0)
  set_property(GLOBAL APPEND PROPERTY QV_TEST_CODE_TARGETS ${target})
endfunction()

# A library of one subsystem: sources listed by the caller.
function(qv_library target)
  add_library(${target} STATIC ${ARGN})
  qv_strict(${target})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
endfunction()

# A test executable registered with ctest; every test runs headless with its own
# throw-away settings and data folders (tests/run_test.sh). QT_APP: the test needs a
# QApplication (windows, timers, event loops). SHARDS n: registered as n ctest tests,
# each running every n-th case, so that a long test does not hold up a parallel run
# by itself.
function(qv_test target)
  cmake_parse_arguments(T "QT_APP" "SHARDS" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${T_SOURCES})
  qv_strict(${target})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  if(T_QT_APP)
    target_link_libraries(${target} PRIVATE ${T_LIBS} qv_qt_test_main GTest::gtest GTest::gmock)
  else()
    target_link_libraries(${target} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  endif()
  if(NOT T_SHARDS)
    add_test(NAME ${target} COMMAND ${PROJECT_SOURCE_DIR}/tests/run_test.sh $<TARGET_FILE:${target}>)
    set_tests_properties(${target} PROPERTIES TIMEOUT 300)
    return()
  endif()
  math(EXPR last "${T_SHARDS} - 1")
  foreach(shard RANGE ${last})
    add_test(NAME ${target}_${shard} COMMAND ${PROJECT_SOURCE_DIR}/tests/run_test.sh $<TARGET_FILE:${target}>)
    set_tests_properties(${target}_${shard} PROPERTIES TIMEOUT 300
                         ENVIRONMENT "GTEST_TOTAL_SHARDS=${T_SHARDS};GTEST_SHARD_INDEX=${shard}")
  endforeach()
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

# Precompiled headers. Most files include the Qt Widgets and standard headers below,
# and parsing them was 40 to 50 % of a window file's compile time. One header is
# compiled for the program's libraries and one for the tests, each reused by every
# target of its kind. GCC takes a header only for a file compiled with the same flags
# and at least the same definitions, so a target reuses one only when it links Qt
# Widgets (and GoogleTest and GoogleMock for the tests' header); the others compile
# as before. Build with -DQV_PCH=OFF to check that every file includes what it uses.
option(QV_PCH "Precompile the Qt and standard library headers most files include" ON)

set(QV_PCH_HEADERS
  <algorithm> <array> <cmath> <cstdint> <functional> <memory> <optional> <string> <vector>
  <QApplication> <QCheckBox> <QComboBox> <QDialog> <QDir> <QFile> <QFileInfo> <QGridLayout>
  <QHBoxLayout> <QImage> <QLabel> <QLineEdit> <QListView> <QPainter> <QPushButton>
  <QScrollBar> <QString> <QTimer> <QVBoxLayout> <QWidget>)

# Every library and imported target that <target> links to, for compiling (not
# link-only), collected into <out>.
function(qv_compile_closure target out)
  set(seen)
  set(queue ${target})
  while(queue)
    list(POP_FRONT queue item)
    if(item IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${item})
    # Imported targets found in another folder are not known here: only their name counts.
    if(NOT TARGET ${item})
      continue()
    endif()
    set(links)
    if(item STREQUAL target)
      get_target_property(links ${item} LINK_LIBRARIES)
    endif()
    get_target_property(interface ${item} INTERFACE_LINK_LIBRARIES)
    foreach(entry IN LISTS links interface)
      # Directory markers of target_link_libraries from another folder, and
      # $<LINK_ONLY:...> of static libraries, carry no compile flags.
      if(entry AND NOT entry MATCHES "^::@" AND NOT entry MATCHES "^\\$<" AND NOT entry MATCHES "-NOTFOUND$")
        list(APPEND queue ${entry})
      endif()
    endforeach()
  endwhile()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

# Called once, after every target is defined.
function(qv_precompile_headers)
  # The rules above are GCC's; other compilers build without.
  if(NOT QV_PCH OR QV_BUILD_FUZZ OR NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    return()
  endif()
  set(anchor ${PROJECT_BINARY_DIR}/qv_pch_anchor.cpp)
  file(CONFIGURE OUTPUT ${anchor} CONTENT "// Carries the precompiled header that other targets reuse.\n")
  add_library(qv_pch_widgets OBJECT ${anchor})
  qv_strict(qv_pch_widgets)
  target_link_libraries(qv_pch_widgets PRIVATE Qt6::Widgets)
  target_precompile_headers(qv_pch_widgets PRIVATE ${QV_PCH_HEADERS})
  if(QV_BUILD_TESTS)
    find_package(GTest REQUIRED)
    add_library(qv_pch_tests OBJECT ${anchor})
    qv_strict(qv_pch_tests)
    qv_test_code(qv_pch_tests)
    target_link_libraries(qv_pch_tests PRIVATE Qt6::Widgets GTest::gtest GTest::gmock)
    target_precompile_headers(qv_pch_tests PRIVATE ${QV_PCH_HEADERS} <gtest/gtest.h> <gmock/gmock.h>)
  endif()
  get_property(targets GLOBAL PROPERTY QV_STRICT_TARGETS)
  get_property(test_code GLOBAL PROPERTY QV_TEST_CODE_TARGETS)
  foreach(target IN LISTS targets)
    if(target MATCHES "^qv_pch_")
      continue()
    endif()
    qv_compile_closure(${target} closure)
    if(NOT "Qt6::Widgets" IN_LIST closure)
      continue()
    endif()
    # A header is only taken by code compiled at the same optimisation level.
    if(target IN_LIST test_code)
      if(TARGET qv_pch_tests AND "GTest::gmock" IN_LIST closure)
        target_precompile_headers(${target} REUSE_FROM qv_pch_tests)
      endif()
    elseif(NOT "GTest::gtest" IN_LIST closure)
      target_precompile_headers(${target} REUSE_FROM qv_pch_widgets)
    endif()
  endforeach()
endfunction()
