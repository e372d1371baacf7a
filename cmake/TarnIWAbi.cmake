# Records in tarniw/TarnConfig.h (build tree: include/, installed beside the
# public headers) which C++ standard library the module is built with and
# the settings that change how its strings and containers lie in memory, so
# that TarnTypes.h can stop a host built otherwise with a message saying why.
# The checks compile with the flags of the configured build type; with a
# multi-configuration generator Microsoft's iterator debug level, which
# differs between them, is not recorded.
include(CheckCXXSourceCompiles)

# The checks' results are kept per set of flags, so that changed flags are
# checked anew.
string(TOUPPER "${CMAKE_BUILD_TYPE}" build_type)
string(MD5 TARNIW_ABI_FLAGS_HASH "${CMAKE_CXX_COMPILER} ${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${build_type}}")
string(SUBSTRING ${TARNIW_ABI_FLAGS_HASH} 0 8 TARNIW_ABI_FLAGS_HASH)

# tarniw_abi_holds(<var> <condition>): whether the preprocessor condition
# holds after <string> is included.
function(tarniw_abi_holds var condition)
  set(CMAKE_TRY_COMPILE_CONFIGURATION ${CMAKE_BUILD_TYPE})
  set(CMAKE_REQUIRED_QUIET ON)
  set(cached TARNIW_ABI_${TARNIW_ABI_FLAGS_HASH}_${var})
  check_cxx_source_compiles("#include <string>\n#if !(${condition})\n#error no\n#endif\nint main() { return 0; }" ${cached})
  set(${var} ${${cached}} PARENT_SCOPE)
endfunction()

# tarniw_abi_value(<var> <macro> <candidates>...): the candidate the macro
# equals, or -1.
function(tarniw_abi_value var macro)
  set(found -1)
  foreach(value ${ARGN})
    tarniw_abi_holds(is_${macro}_${value} "${macro} == ${value}")
    if(is_${macro}_${value})
      set(found ${value})
    endif()
  endforeach()
  set(${var} ${found} PARENT_SCOPE)
endfunction()

tarniw_abi_holds(TARNIW_ABI_LIBSTDCXX "defined(__GLIBCXX__)")
tarniw_abi_holds(TARNIW_ABI_LIBCXX "defined(_LIBCPP_VERSION)")
tarniw_abi_holds(TARNIW_ABI_MSVC_STL "defined(_MSVC_STL_VERSION)")
set(TARNIW_BUILT_CXX11_ABI -1)
set(TARNIW_BUILT_GLIBCXX_DEBUG 0)
set(TARNIW_BUILT_LIBCPP_ABI_VERSION -1)
set(TARNIW_BUILT_ITERATOR_DEBUG_LEVEL -1)
if(TARNIW_ABI_LIBCXX)
  set(TARNIW_BUILT_STDLIB 2)
  tarniw_abi_value(TARNIW_BUILT_LIBCPP_ABI_VERSION _LIBCPP_ABI_VERSION 1 2)
elseif(TARNIW_ABI_LIBSTDCXX)
  set(TARNIW_BUILT_STDLIB 1)
  tarniw_abi_value(TARNIW_BUILT_CXX11_ABI _GLIBCXX_USE_CXX11_ABI 0 1)
  tarniw_abi_holds(TARNIW_ABI_GLIBCXX_DEBUG "defined(_GLIBCXX_DEBUG)")
  if(TARNIW_ABI_GLIBCXX_DEBUG)
    set(TARNIW_BUILT_GLIBCXX_DEBUG 1)
  endif()
elseif(TARNIW_ABI_MSVC_STL)
  set(TARNIW_BUILT_STDLIB 3)
  get_property(multi_config GLOBAL PROPERTY GENERATOR_IS_MULTI_CONFIG)
  if(NOT multi_config)
    tarniw_abi_value(TARNIW_BUILT_ITERATOR_DEBUG_LEVEL _ITERATOR_DEBUG_LEVEL 0 1 2)
  endif()
else()
  message(FATAL_ERROR "TarnIW: the C++ standard library of ${CMAKE_CXX_COMPILER} is none of GNU libstdc++, "
                      "LLVM libc++ and Microsoft's STL, whose layouts TarnTypes.h knows")
endif()
configure_file(${PROJECT_SOURCE_DIR}/cmake/TarnConfig.h.in ${PROJECT_BINARY_DIR}/include/tarniw/TarnConfig.h @ONLY)
