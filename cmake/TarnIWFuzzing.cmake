# libFuzzer targets (fuzz/), built when TARNIW_BUILD_FUZZ is on and the
# compiler is clang with its fuzzer runtime. Every library is then compiled
# with the fuzzer's coverage instrumentation, so that the targets find their
# way into the code below them.

set(TARNIW_FUZZ OFF)
if(TARNIW_BUILD_FUZZ)
  include(CheckCXXSourceCompiles)
  set(CMAKE_REQUIRED_FLAGS -fsanitize=fuzzer)
  set(CMAKE_REQUIRED_LINK_OPTIONS -fsanitize=fuzzer)
  check_cxx_source_compiles([[
    #include <cstddef>
    #include <cstdint>
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t *, size_t) { return 0; }
  ]] TARNIW_HAVE_LIBFUZZER)
  unset(CMAKE_REQUIRED_FLAGS)
  unset(CMAKE_REQUIRED_LINK_OPTIONS)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang" AND TARNIW_HAVE_LIBFUZZER)
    set(TARNIW_FUZZ ON)
    add_compile_options(-fsanitize=fuzzer-no-link)
  else()
    message(WARNING "TARNIW_BUILD_FUZZ needs clang with its fuzzer runtime (Debian: clang, libclang-rt-14-dev); "
                    "the fuzz targets are not built")
  endif()
endif()

# Seconds of each fuzz target's smoke run under ctest.
set(TARNIW_FUZZ_SMOKE_SECONDS 3 CACHE STRING "Seconds of each fuzz target's smoke run under ctest")

# tarniw_add_fuzzer(<name> SOURCES ... LIBS ...): a fuzz target and its ctest
# smoke run, which starts from fuzz/corpus/<name> with a fixed seed. What the
# run finds goes to the build tree, never into the sources.
function(tarniw_add_fuzzer name)
  cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${F_SOURCES})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set_target_properties(${name} PROPERTIES AUTOMOC OFF)
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND}
      -DFUZZER=$<TARGET_FILE:${name}>
      -DSEED_CORPUS=${PROJECT_SOURCE_DIR}/fuzz/corpus/${name}
      -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/runs/${name}
      -DSECONDS=${TARNIW_FUZZ_SMOKE_SECONDS}
      -P ${PROJECT_SOURCE_DIR}/fuzz/SmokeRun.cmake)
  set_tests_properties(${name} PROPERTIES TIMEOUT 120 LABELS fuzz)
endfunction()
