# Installs the Debian packages given as arguments that are not installed yet.
# Sourced by the run and test commands.
install_missing() {
  local missing=()
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Qt 6 for the canvas and the window (Svg for vector pictures), zlib for PNG files, a font for
# the printed code and one of Arial's widths for the window's captions (whose layout was measured
# in such a face), and a virtual display for running the window without a screen; xdotool,
# xclip and ImageMagick to drive the window on that display and look at its screen in the tests;
# Google Benchmark and libzint for the benchmarks; ZXing-C++ as the independent reader in the
# tests; pkg-config for the installed-package test. The engine alone needs only cmake and g++;
# the build leaves out what the others serve when they are missing, unless BARCODE_REQUIRE_ALL is
# on (as in the run and test commands).
BUILD_PACKAGES=(cmake g++ make libgtest-dev qt6-base-dev qt6-svg-dev zlib1g-dev fonts-dejavu-core
  fonts-liberation2 xvfb xauth xdotool xclip imagemagick libbenchmark-dev libzint-dev
  libzxing-dev pkg-config)
SANITIZER_PACKAGES=(clang libclang-rt-14-dev)
