# Installs the built project into a temporary prefix and builds two hosts
# against that copy only, as a host developer would:
#  - the README's host example through pkg-config (no Qt): it writes a
#    template and loads a CSV file by name;
#  - qt-host/ through find_package(TarnIW): it opens and closes the Template
#    dialog offscreen.
# cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -DLIBDIR=...
#       -DCXX=... -DGENERATOR=... -P InstallTest.cmake

include(${CMAKE_CURRENT_LIST_DIR}/Run.cmake)

function(expect_file_text path expected)
  if(NOT EXISTS ${path})
    message(FATAL_ERROR "missing ${path}")
  endif()
  file(READ ${path} text)
  if(NOT text STREQUAL expected)
    message(FATAL_ERROR "${path} holds\n${text}\ninstead of\n${expected}")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
run("install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

# The layout a host developer relies on.
foreach(path
    ${LIBDIR}/libtarniw.so.1.0.0 ${LIBDIR}/libtarniw.so.1 ${LIBDIR}/libtarniw.so
    include/tarniw/TarnIW.h include/tarniw/ImportHost.h include/tarniw/TarnTypes.h include/tarniw/TarnConfig.h
    include/tarniw/PreTranslateFilter.h
    ${LIBDIR}/cmake/TarnIW/TarnIWConfig.cmake ${LIBDIR}/cmake/TarnIW/TarnIWConfigVersion.cmake
    ${LIBDIR}/pkgconfig/tarniw.pc share/doc/tarniw/LICENSE)
  if(NOT EXISTS ${prefix}/${path})
    message(FATAL_ERROR "the install lacks ${path}")
  endif()
endforeach()

# The README's example, exactly as it stands there.
file(READ ${SOURCE_DIR}/README.md readme)
string(FIND "${readme}" "<!-- The install test compiles and runs this example. -->" marker)
if(marker LESS 0)
  message(FATAL_ERROR "README.md has no host example marked for the install test")
endif()
string(SUBSTRING "${readme}" ${marker} -1 readme)
string(REGEX MATCH "```cpp\n(.*)" block "${readme}")
string(FIND "${CMAKE_MATCH_1}" "```" end)
string(SUBSTRING "${CMAKE_MATCH_1}" 0 ${end} example)
set(pc_host ${WORK_DIR}/pkg-config-host)
file(WRITE ${pc_host}/orders.cpp "${example}")
file(WRITE ${pc_host}/orders.csv "OrderNo,Customer,Amount\n1001,Smith,12.50\n")

set(ENV{PKG_CONFIG_PATH} ${prefix}/${LIBDIR}/pkgconfig)
run("pkg-config" pkg-config --cflags --libs tarniw)
separate_arguments(flags UNIX_COMMAND "${out}")
run("building the pkg-config host" ${CXX} -std=c++17 ${pc_host}/orders.cpp ${flags}
    -Wl,-rpath,${prefix}/${LIBDIR} -o ${pc_host}/orders)
run("the pkg-config host" ${pc_host}/orders ${pc_host}/orders.csv)
if(NOT out STREQUAL "[OrderNo][Customer][Amount]\n[1001][Smith][12.50]\n")
  message(FATAL_ERROR "the pkg-config host printed\n${out}")
endif()
expect_file_text(${pc_host}/Templates/Orders_Template/Daily.csv "OrderNo,Customer,Amount,")

set(qt_host ${WORK_DIR}/qt-host)
run("configuring the Qt host" ${CMAKE_COMMAND} -S ${SOURCE_DIR}/host/tests/boundary/qt-host -B ${qt_host}
    -G ${GENERATOR} -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_PREFIX_PATH=${prefix})
run("building the Qt host" ${CMAKE_COMMAND} --build ${qt_host})
set(ENV{QT_QPA_PLATFORM} offscreen)
run("the Qt host" ${qt_host}/qt-host)
expect_file_text(${qt_host}/Templates/Orders_Template/Template.csv "OrderNo,Customer,Amount,")
message(STATUS "installed copy: pkg-config host and Qt host work")
