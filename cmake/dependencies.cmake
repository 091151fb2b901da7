# The engine needs the standard library only. Every other package is optional: a missing one
# leaves out the parts that use it and says so here. BARCODE_REQUIRE_ALL (scripts/test, CI)
# makes each of them required again, so that a missing package fails the configure instead of
# quietly dropping its tests.
option(BARCODE_REQUIRE_ALL
  "Fail when Qt 6, GoogleTest, ZXing-C++, Google Benchmark or libzint is missing" OFF)
if(BARCODE_REQUIRE_ALL)
  set(barcode_find REQUIRED)
else()
  set(barcode_find QUIET)
endif()

# Fails the configure for a dependency that find_package cannot be made to require.
function(barcode_require found what)
  if(BARCODE_REQUIRE_ALL AND NOT ${found})
    message(FATAL_ERROR "${what} not found, and BARCODE_REQUIRE_ALL is on "
      "(scripts/deps.sh lists the Debian packages)")
  endif()
endfunction()

set(barcode_want_tests ${BUILD_TESTING})
set(barcode_want_bench OFF)
if(BARCODE_BENCH AND NOT BARCODE_SANITIZE)
  set(barcode_want_bench ON)
endif()

# The Qt canvas, barcode-cli and barcode-utility; Test for the window's tests.
find_package(Qt6 ${barcode_find} COMPONENTS Gui Widgets Svg OPTIONAL_COMPONENTS Test)
if(Qt6_FOUND)
  if(barcode_want_tests)
    barcode_require(Qt6Test_FOUND "Qt 6 Test")
    if(NOT Qt6Test_FOUND)
      message(STATUS "Qt 6 Test not found: left out: the window's tests")
    endif()
  endif()
else()
  message(STATUS "Qt 6 (Gui, Widgets, Svg) not found: building the engine alone; left out: "
    "the Qt canvas (qt/), barcode-cli (cli/), barcode-utility (app/), the benchmarks and "
    "every test that draws through Qt")
endif()

# zlib compresses the PNG files of the pictures (picture/), which everything that draws uses.
set(BARCODE_DRAWS OFF)
if(Qt6_FOUND)
  find_package(ZLIB ${barcode_find})
  if(ZLIB_FOUND)
    set(BARCODE_DRAWS ON)
  else()
    message(STATUS "zlib not found: building the engine alone; left out: the pictures "
      "(picture/, qt/), barcode-cli, barcode-utility, the benchmarks and every test that draws")
  endif()
endif()

if(barcode_want_tests)
  find_package(GTest ${barcode_find})
  if(NOT GTest_FOUND)
    message(STATUS "GoogleTest not found: left out: the unit tests (the package tests remain)")
  endif()
endif()

# The independent reader of the tests (and of barcode-cli where it uses one).
find_package(ZXing ${barcode_find})
if(NOT ZXing_FOUND)
  message(STATUS "ZXing-C++ not found: left out: the real-reader tests and the peer tests")
endif()

if(barcode_want_bench)
  find_package(benchmark ${barcode_find})
  if(NOT benchmark_FOUND)
    message(STATUS "Google Benchmark not found: left out: the benchmarks")
  endif()
endif()

# libzint, the peer of the tests and the benchmarks; Debian ships no CMake package for it.
if(barcode_want_tests OR barcode_want_bench)
  find_path(ZINT_INCLUDE_DIR zint.h)
  find_library(ZINT_LIBRARY zint)
  if(ZINT_INCLUDE_DIR AND ZINT_LIBRARY)
    set(ZINT_FOUND ON)
  else()
    set(ZINT_FOUND OFF)
  endif()
  barcode_require(ZINT_FOUND "libzint")
endif()
