# Installs the engine under a fresh prefix in WORK_DIR, then builds the client in CLIENT_DIR
# against it twice: through find_package(barcode) and through pkg-config barcode-engine. Both
# must print 95, the width of an EAN-13 in modules (Modul 1).
#
# With BUILD_DIR: installs that build tree, everything in it (barcode-cli too when EXPECT_CLI).
# With SOURCE_DIR: configures a fresh build of the tree with BUILD_SHARED_LIBS on and Qt out of
# reach, builds the engine library alone and installs the "engine" component alone.
include(${CMAKE_CURRENT_LIST_DIR}/common.cmake)

file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
set(libdir ${prefix}/${LIBDIR})

if(SOURCE_DIR)
  # Also a machine with a compiler and CMake only: Qt 6, ZXing-C++ and Google Benchmark out of
  # reach must leave the engine and its tests, and say what they leave out.
  build_engine_only(${WORK_DIR}/build -DBUILD_SHARED_LIBS=ON -DBARCODE_BENCH=OFF
    -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON -DCMAKE_DISABLE_FIND_PACKAGE_ZXing=ON
    -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON)
  if(NOT configure_out MATCHES "Qt 6 \\(Gui, Widgets, Svg\\) not found: building the engine alone")
    message(FATAL_ERROR "the configure does not say that Qt is missing:\n${configure_out}")
  endif()
  run(${CMAKE_COMMAND} --build ${WORK_DIR}/build --target help)
  set(out "\n${out}")
  foreach(target barcode_engine engine_tests)
    if(NOT out MATCHES "[\n ]${target}[:\n]")
      message(FATAL_ERROR "target ${target} missing without Qt:\n${out}")
    endif()
  endforeach()
  foreach(target barcode_qt barcode_cli barcode_utility qt_tests cli_tests reader_tests)
    if(out MATCHES "[\n ]${target}[:\n]")
      message(FATAL_ERROR "target ${target} defined without Qt")
    endif()
  endforeach()
  run(${CMAKE_COMMAND} --install ${WORK_DIR}/build --prefix ${prefix} --component engine)
  set(SHARED ON)
  set(EXPECT_CLI OFF)
else()
  run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
endif()

string(REGEX MATCH "^[0-9]+\\.[0-9]+" soversion ${VERSION})
if(SHARED)
  # The link-time name, the soname and the file itself.
  set(libraries ${LIBDIR}/libbarcode_engine.so ${LIBDIR}/libbarcode_engine.so.${soversion}
    ${LIBDIR}/libbarcode_engine.so.${VERSION})
  set(absent ${LIBDIR}/libbarcode_engine.a)
else()
  set(libraries ${LIBDIR}/libbarcode_engine.a)
  set(absent ${LIBDIR}/libbarcode_engine.so)
endif()
if(EXPECT_CLI)
  list(APPEND libraries bin/barcode-cli)
else()
  list(APPEND absent bin)
endif()
foreach(file ${libraries} ${LIBDIR}/cmake/barcode/barcodeConfig.cmake
    ${LIBDIR}/cmake/barcode/barcodeConfigVersion.cmake
    ${LIBDIR}/cmake/barcode/barcodeTargets.cmake ${LIBDIR}/pkgconfig/barcode-engine.pc)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
foreach(file ${absent})
  if(EXISTS ${prefix}/${file})
    message(FATAL_ERROR "installed, but should not be: ${file}")
  endif()
endforeach()

# The public headers and nothing else: no encoder, GS1 table or rounding header.
set(public bars.h catalogue.h chksum.h component.h digital_link.h encoding.h exceptions.h
  geometry.h graphics.h gs1.h module_matrix.h)
file(GLOB_RECURSE headers LIST_DIRECTORIES true RELATIVE ${prefix}/include ${prefix}/include/*)
list(TRANSFORM public PREPEND barcode/ OUTPUT_VARIABLE expected)
list(PREPEND expected barcode)
list(SORT headers)
list(SORT expected)
if(NOT headers STREQUAL expected)
  message(FATAL_ERROR "installed include/ holds\n  ${headers}\nnot\n  ${expected}")
endif()
# Each one compiles on its own, as a client may include any of them first, also under either
# compiler's sanitizers (under which g++ takes less for a constant expression).
find_program(gxx g++)
find_program(clangxx clang++)
foreach(header ${public})
  file(WRITE ${WORK_DIR}/alone/${header}.cpp "#include <barcode/${header}>\n")
  run(${CXX} -std=c++20 -fsyntax-only -Wall -Wextra -Werror -I${prefix}/include
      ${WORK_DIR}/alone/${header}.cpp)
  foreach(compiler ${gxx} ${clangxx})
    run(${compiler} -std=c++20 -c -fsanitize=address,undefined -Wall -Wextra -Werror
        -I${prefix}/include ${WORK_DIR}/alone/${header}.cpp -o ${WORK_DIR}/alone/${header}.o)
  endforeach()
endforeach()

if(EXPECT_CLI)
  run(${prefix}/bin/barcode-cli --version)
endif()

# A shared engine must be the one loaded, from the prefix, by its soname.
function(check_linked program)
  if(SHARED)
    run(ldd ${program})
    if(NOT out MATCHES "libbarcode_engine\\.so\\.${soversion} => ${libdir}/")
      message(FATAL_ERROR "${program} does not load the installed engine:\n${out}")
    endif()
  endif()
endfunction()

# find_package(barcode): the client's own include directory comes first on its path.
run(${CMAKE_COMMAND} -S ${CLIENT_DIR} -B ${WORK_DIR}/cmake-client -DCMAKE_PREFIX_PATH=${prefix}
    -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS=${CLIENT_CXX_FLAGS}"
    "-DCMAKE_EXE_LINKER_FLAGS=${CLIENT_LINK_FLAGS}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/cmake-client)
run(${WORK_DIR}/cmake-client/client)
if(NOT out STREQUAL "95\n")
  message(FATAL_ERROR "find_package client printed '${out}', not 95")
endif()
check_linked(${WORK_DIR}/cmake-client/client)

# pkg-config barcode-engine: the engine's include directory comes first, before the client's,
# which holds a "graphics.h" of its own.
run(${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${libdir}/pkgconfig
    pkg-config --cflags --libs barcode-engine)
separate_arguments(flags UNIX_COMMAND "${out}")
if(SHARED)
  list(APPEND flags -Wl,-rpath,${libdir})
endif()
separate_arguments(client_flags UNIX_COMMAND "${CLIENT_CXX_FLAGS} ${CLIENT_LINK_FLAGS}")
run(${CXX} -std=c++20 ${client_flags} ${CLIENT_DIR}/main.cpp ${flags} -I${CLIENT_DIR}/include
    -o ${WORK_DIR}/pkg-client)
run(${WORK_DIR}/pkg-client)
if(NOT out STREQUAL "95\n")
  message(FATAL_ERROR "pkg-config client printed '${out}', not 95")
endif()
check_linked(${WORK_DIR}/pkg-client)

# The same client as a g++ user with the undefined-behaviour sanitizer builds it (against a
# library without sanitizers of its own, whose runtime would have to match).
if(gxx AND NOT client_flags MATCHES "-fsanitize")
  run(${gxx} -std=c++20 -fsanitize=undefined -fno-sanitize-recover=all ${CLIENT_DIR}/main.cpp
      ${flags} -I${CLIENT_DIR}/include -o ${WORK_DIR}/ubsan-client)
  run(${WORK_DIR}/ubsan-client)
  if(NOT out STREQUAL "95\n")
    message(FATAL_ERROR "g++ -fsanitize=undefined client printed '${out}', not 95")
  endif()
endif()
message(STATUS "package OK: find_package and pkg-config clients print 95")
