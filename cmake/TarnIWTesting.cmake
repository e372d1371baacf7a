# Test helpers: GoogleTest for the Qt-free cores, QtTest (offscreen) for widgets.
# Every test gets its own temporary base folder through the platform layer.

if(TARNIW_BUILD_TESTS)
  find_package(GTest QUIET)
  set(TARNIW_GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH
    "GoogleTest's sources, built with the project where no GoogleTest is installed for its target")
  if(NOT GTest_FOUND AND EXISTS ${TARNIW_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
    # No GoogleTest for the target system (a cross build): build it from its
    # sources (Debian: googletest).
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    # It names its targets GTest::gtest, GTest::gtest_main, GTest::gmock.
    add_subdirectory(${TARNIW_GOOGLETEST_SOURCE_DIR} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  elseif(NOT GTest_FOUND)
    find_package(GTest REQUIRED)
  endif()
endif()

# Under wine the tests share one wine prefix in the build tree, made once
# before them (wineboot) rather than by the first tests at once. Programs
# that wineboot starts may still be finishing the prefix when it returns, so
# the fixture also waits for the wine server to end (wineserver -w).
set(TARNIW_TEST_WINE OFF)
if(CMAKE_CROSSCOMPILING_EMULATOR MATCHES "wine")
  set(TARNIW_TEST_WINE ON)
  set(TARNIW_WINE_ENVIRONMENT "WINEPREFIX=${PROJECT_BINARY_DIR}/wineprefix;WINEDEBUG=-all")
  find_program(TARNIW_WINESERVER NAMES wineserver64 wineserver PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH
    REQUIRED)
  if(TARNIW_BUILD_TESTS)
    add_test(NAME wine_prefix COMMAND sh -c "\"$1\" wineboot --init && \"$2\" -w" wine_prefix
      ${CMAKE_CROSSCOMPILING_EMULATOR} ${TARNIW_WINESERVER})
    set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine ENVIRONMENT "${TARNIW_WINE_ENVIRONMENT}"
      TIMEOUT 300)
  endif()
endif()

# tarniw_add_test(<dir>/<Unit>Test.cpp [QT] [LIBS ...]): one test file, one
# executable and one ctest entry, both named after the file (<Unit>Test).
# GoogleTest by default; QT for a QtTest file, run on the offscreen platform
# and left out of a build without Qt.
function(tarniw_add_test file)
  cmake_parse_arguments(T "QT" "" "LIBS" ${ARGN})
  if(NOT TARNIW_BUILD_TESTS OR (T_QT AND NOT TARNIW_WITH_QT))
    return()
  endif()
  get_filename_component(name ${file} NAME_WE)
  add_executable(${name} ${file})
  target_link_libraries(${name} PRIVATE ${T_LIBS} tarniw_test_support)
  add_test(NAME ${name} COMMAND ${name})
  if(T_QT)
    target_link_libraries(${name} PRIVATE Qt6::Test Qt6::Widgets)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main GTest::gmock)
  endif()
  if(TARNIW_TEST_WINE)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine ENVIRONMENT "${TARNIW_WINE_ENVIRONMENT}")
  endif()
endfunction()
