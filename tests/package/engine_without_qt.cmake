# A machine with a compiler and CMake only: configures a fresh build of SOURCE_DIR in WORK_DIR
# with Qt 6, ZXing-C++ and Google Benchmark out of reach, checks that it says what it leaves out
# and that the engine and its tests remain, and builds the engine library.
include(${CMAKE_CURRENT_LIST_DIR}/common.cmake)

build_engine_only(${WORK_DIR}/build -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON
  -DCMAKE_DISABLE_FIND_PACKAGE_ZXing=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON)
if(NOT configure_out MATCHES "Qt 6 \\(Gui, Widgets, Svg\\) not found: building the engine alone")
  message(FATAL_ERROR "the configure does not say that Qt is missing:\n${configure_out}")
endif()

# The targets left: the engine and (GoogleTest being there) its tests, nothing that needs Qt.
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
if(NOT EXISTS ${WORK_DIR}/build/engine/libbarcode_engine.a)
  message(FATAL_ERROR "no engine library in ${WORK_DIR}/build/engine")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
message(STATUS "engine without Qt OK")
