# What `cmake --install` lays down, in three components, and the Debian
# packages `cpack -G DEB` makes of them:
#   runtime     -> libtarniw1      the module (versioned name and SONAME), licence
#   development -> libtarniw-dev   libtarniw.so, headers, CMake package, tarniw.pc
#   tools       -> tarniw-import   the command-line host
# Built with debug info (RelWithDebInfo, the default), the packages ship
# stripped and the debug info goes into -dbgsym packages beside them.
include(CMakePackageConfigHelpers)

set(TARNIW_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/TarnIW)

install(TARGETS tarniw EXPORT TarnIWTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT development
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development)
if(TARGET tarniw-import)
  install(TARGETS tarniw-import RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT tools)
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/tarniw DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
  COMPONENT development FILES_MATCHING PATTERN "*.h")
install(FILES ${PROJECT_BINARY_DIR}/include/tarniw/TarnConfig.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tarniw
  COMPONENT development)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/tarniw COMPONENT runtime)

install(EXPORT TarnIWTargets NAMESPACE tarniw:: DESTINATION ${TARNIW_CMAKE_DIR} COMPONENT development)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/TarnIWConfig.cmake.in
  ${PROJECT_BINARY_DIR}/TarnIWConfig.cmake
  INSTALL_DESTINATION ${TARNIW_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/TarnIWConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/TarnIWConfig.cmake ${PROJECT_BINARY_DIR}/TarnIWConfigVersion.cmake
  DESTINATION ${TARNIW_CMAKE_DIR} COMPONENT development)

# tarniw.pc finds the prefix from its own place, like the CMake package.
set(TARNIW_PC_DIR ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH TARNIW_PC_TO_PREFIX ${TARNIW_PC_DIR} ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" TARNIW_PC_TO_PREFIX "${TARNIW_PC_TO_PREFIX}")
file(RELATIVE_PATH TARNIW_PC_LIBDIR ${CMAKE_INSTALL_PREFIX} ${CMAKE_INSTALL_FULL_LIBDIR})
file(RELATIVE_PATH TARNIW_PC_INCLUDEDIR ${CMAKE_INSTALL_PREFIX} ${CMAKE_INSTALL_FULL_INCLUDEDIR})
configure_file(${PROJECT_SOURCE_DIR}/cmake/tarniw.pc.in ${PROJECT_BINARY_DIR}/tarniw.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/tarniw.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT development)

set(CPACK_PACKAGE_NAME tarniw)
set(CPACK_PACKAGE_VENDOR "The TarnIW developers")
set(CPACK_PACKAGE_CONTACT "The TarnIW developers" CACHE STRING "Maintainer named in the packages")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Import wizard that turns the rows of CSV files into a host application's records")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_COMPONENTS_ALL runtime development tools)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)

# The module links Qt 6 Widgets, Gui and Core of at least the version it was
# built with, and the C++ runtime.
set(TARNIW_QT_MIN ${Qt6Widgets_VERSION_MAJOR}.${Qt6Widgets_VERSION_MINOR})
string(REGEX MATCH "^[0-9]+" TARNIW_GCC_MAJOR ${CMAKE_CXX_COMPILER_VERSION})
set(TARNIW_CXX_DEPENDS "libstdc++6 (>= ${TARNIW_GCC_MAJOR}), libgcc-s1, libc6 (>= 2.34)")

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libtarniw1)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS
  "libqt6widgets6 (>= ${TARNIW_QT_MIN}), libqt6gui6 (>= ${TARNIW_QT_MIN}), libqt6core6 (>= ${TARNIW_QT_MIN}), ${TARNIW_CXX_DEPENDS}")
set(CPACK_DEBIAN_RUNTIME_DEBUGINFO_PACKAGE ON)
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION "TarnIW import wizard module
 The shared library a host application loads to let its users map the
 columns of CSV files to its record fields and import them.")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libtarniw-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_DEVELOPMENT_DEPENDS runtime)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SUGGESTS "qt6-base-dev")
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION "TarnIW import wizard module - development files
 Headers, CMake package (find_package(TarnIW), target tarniw::tarniw) and
 pkg-config file (tarniw) for building hosts of the TarnIW module.")

set(CPACK_DEBIAN_TOOLS_PACKAGE_NAME tarniw-import)
set(CPACK_DEBIAN_TOOLS_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_TOOLS_PACKAGE_DEPENDS ${TARNIW_CXX_DEPENDS})
set(CPACK_DEBIAN_TOOLS_DEBUGINFO_PACKAGE ON)
set(CPACK_COMPONENT_TOOLS_DESCRIPTION "TarnIW command-line import host
 tarniw-import writes templates and converts CSV files through them
 without windows, with the same rules as the TarnIW module.")

include(CPack)
