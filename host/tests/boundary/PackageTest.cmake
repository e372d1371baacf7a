# Builds the Debian packages from the built project and checks what each one
# holds and depends on.
# cmake -DBUILD_DIR=... -DWORK_DIR=... -DLIBDIR=... -P PackageTest.cmake

include(${CMAKE_CURRENT_LIST_DIR}/Run.cmake)

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
run("cpack" cpack -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR})

set(lib usr/${LIBDIR})
# package | a piece its Depends must hold | files it must hold
set(rows
  "libtarniw1_1.0.0_amd64.deb|libqt6widgets6 (>= 6|${lib}/libtarniw.so.1.0.0 ${lib}/libtarniw.so.1 usr/share/doc/tarniw/LICENSE"
  "libtarniw1_1.0.0_amd64.deb|libqt6gui6 (>= 6|"
  "libtarniw1_1.0.0_amd64.deb|libqt6core6 (>= 6|"
  "libtarniw-dev_1.0.0_amd64.deb|libtarniw1 (= 1.0.0)|${lib}/libtarniw.so usr/include/tarniw/TarnIW.h ${lib}/cmake/TarnIW/TarnIWConfig.cmake ${lib}/pkgconfig/tarniw.pc"
  "libtarniw1-dbgsym_1.0.0_amd64.ddeb|libtarniw1 (= 1.0.0)|usr/lib/debug/.build-id/"
  "tarniw-import_1.0.0_amd64.deb|libstdc++6|usr/bin/tarniw-import")
foreach(row IN LISTS rows)
  string(REPLACE "|" ";" row "${row}")
  list(POP_FRONT row package depends files)
  separate_arguments(files UNIX_COMMAND "${files}")
  set(deb ${WORK_DIR}/${package})
  run("dpkg-deb -f ${package}" dpkg-deb -f ${deb} Depends)
  string(FIND "${out}" "${depends}" at)
  if(at LESS 0)
    message(FATAL_ERROR "${package} depends on\n${out}without ${depends}")
  endif()
  run("dpkg-deb -c ${package}" dpkg-deb -c ${deb})
  foreach(path IN LISTS files)
    string(FIND "${out}" "./${path}" at)
    if(at LESS 0)
      message(FATAL_ERROR "${package} lacks ${path}:\n${out}")
    endif()
  endforeach()
endforeach()

# The module ships stripped; its debug info is in the -dbgsym package.
run("dpkg-deb -x" dpkg-deb -x ${WORK_DIR}/libtarniw1_1.0.0_amd64.deb ${WORK_DIR}/runtime)
run("readelf" readelf -S ${WORK_DIR}/runtime/${lib}/libtarniw.so.1.0.0)
if(out MATCHES "\\.debug_info")
  message(FATAL_ERROR "libtarniw1 ships the module with its debug info")
endif()
