# Installs the build tree BUILD_DIR under a fresh prefix, then builds the client in CLIENT_DIR
# against it twice: through find_package(barcode) and through pkg-config barcode-engine. Both
# must print 95, the width of an EAN-13 in modules (Modul 1).
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

foreach(file bin/barcode-cli ${LIBDIR}/libbarcode_engine.a include/barcode/bars.h
    include/barcode/catalogue.h include/barcode/encoding.h include/barcode/gs1.h
    include/barcode/component.h include/barcode/exceptions.h
    include/barcode/geometry.h include/barcode/graphics.h include/barcode/chksum.h
    ${LIBDIR}/cmake/barcode/barcodeConfig.cmake
    ${LIBDIR}/cmake/barcode/barcodeConfigVersion.cmake
    ${LIBDIR}/cmake/barcode/barcodeTargets.cmake ${LIBDIR}/pkgconfig/barcode-engine.pc)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
foreach(file include/barcode/rounding.h include/barcode/encoders)
  if(EXISTS ${prefix}/${file})
    message(FATAL_ERROR "private header installed: ${file}")
  endif()
endforeach()

run(${prefix}/bin/barcode-cli --version)

# find_package(barcode)
run(${CMAKE_COMMAND} -S ${CLIENT_DIR} -B ${WORK_DIR}/cmake-client -DCMAKE_PREFIX_PATH=${prefix}
    -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_BUILD_TYPE=Release)
run(${CMAKE_COMMAND} --build ${WORK_DIR}/cmake-client)
run(${WORK_DIR}/cmake-client/client)
if(NOT out STREQUAL "95\n")
  message(FATAL_ERROR "find_package client printed '${out}', not 95")
endif()

# pkg-config barcode-engine
run(${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${prefix}/${LIBDIR}/pkgconfig
    pkg-config --cflags --libs barcode-engine)
separate_arguments(flags UNIX_COMMAND "${out}")
run(${CXX} -std=c++20 ${CLIENT_DIR}/main.cpp ${flags} -o ${WORK_DIR}/pkg-client)
run(${WORK_DIR}/pkg-client)
if(NOT out STREQUAL "95\n")
  message(FATAL_ERROR "pkg-config client printed '${out}', not 95")
endif()
message(STATUS "package OK: find_package and pkg-config clients print 95")
