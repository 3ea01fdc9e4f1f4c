# Sourced by the two entry scripts: installs with apt-get whatever Debian
# packages the build and its tests need and the machine lacks.

KIT_PACKAGES=(
  build-essential cmake pkg-config doxygen
  freeglut3-dev libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri libopenal-dev libpng-dev libsdl2-dev
  libgif-dev libegl-dev libegl1
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xauth xdotool x11-utils imagemagick python3 valgrind
)

kit_install_missing() {
  local missing=()
  local pkg
  for pkg in "${KIT_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# Configures (if needed) and builds one build folder: kit_build DIR [cmake options...]
kit_build() {
  local dir="$1"
  shift
  cmake -S "$KIT_ROOT" -B "$KIT_ROOT/$dir" -DKIT_WERROR=ON "$@" >/dev/null
  cmake --build "$KIT_ROOT/$dir" -j "$(nproc)"
}
