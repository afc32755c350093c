#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages that building and playing the
# game need; with --tests also those that the test suite and the package
# checks need; with --bench those and valgrind for the benchmark's
# instruction counts. Only the packages that are missing are installed, and
# the package lists are only refreshed when something is missing. Without
# apt-get it names what to install and succeeds when the libraries and
# fonts that building and playing need are already there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libsdl1.2-dev libsdl-image1.2-dev libsdl-mixer1.2-dev libsdl-ttf2.0-dev
  libpng-dev libvorbis-dev libogg-dev libx11-dev
  fonts-liberation fonts-dejavu-core fontconfig
)
test_packages=(
  # the unit tests
  googletest libgtest-dev
  # the end-to-end tests: a virtual X server, key presses, window reads
  xvfb xauth xdotool x11-apps x11-utils imagemagick
  # a small window manager for the full-screen journeys, and SDL2 for the
  # journeys' second run on sdl12-compat (scripts/fetch-sdl12-compat.sh)
  openbox libsdl2-2.0-0
  # the package and its checks: shlibdeps, lintian, metainfo, menu entry, manual
  dpkg-dev file lintian appstream desktop-file-utils man-db
  # the fuzzer, and the code style check
  clang libclang-rt-14-dev clang-format
  # the leak check of a whole session
  valgrind
)

bench_packages=(
  # instruction counts per frame in scripts/bench.sh
  valgrind
)

tests=false
case "${1:-}" in
  --tests) packages+=("${test_packages[@]}"); tests=true ;;
  --bench) packages+=("${test_packages[@]}" "${bench_packages[@]}"); tests=true ;;
  "") ;;
  *) echo "usage: $0 [--tests|--bench]" >&2; exit 2 ;;
esac

# The font files the game is built with, by fontconfig or in Debian's folders.
has_font()
{
  local file=$1 pattern=$2
  [[ "$(fc-match -f '%{file}' "$pattern" 2>/dev/null)" == */"$file" ]] ||
    compgen -G "/usr/share/fonts/truetype/*/$file" >/dev/null
}

if ! command -v apt-get >/dev/null 2>&1 || ! command -v dpkg-query >/dev/null 2>&1; then
  echo "This system has no apt-get: install these with its package manager (usual names):"
  echo "  a C++17 compiler, cmake, pkg-config, SDL 1.2 (or sdl12-compat), SDL_image 1.2, SDL_mixer 1.2,"
  echo "  SDL_ttf 2.0 (with their development files), libpng, libvorbis, libogg, libX11, fontconfig,"
  echo "  the Liberation fonts (Liberation Sans Narrow) and the DejaVu fonts (DejaVu Sans)"
  if $tests; then
    echo "  and for the tests: GoogleTest, Xvfb, xdotool, ImageMagick, openbox, SDL2, appstream (appstreamcli),"
    echo "  desktop-file-utils, man-db, and clang for the fuzzer"
  fi
  if pkg-config --exists sdl SDL_image SDL_mixer SDL_ttf x11 libpng vorbisenc vorbis ogg 2>/dev/null &&
     has_font LiberationSansNarrow-Bold.ttf "Liberation Sans Narrow:style=Bold" &&
     has_font DejaVuSans.ttf "DejaVu Sans:style=Book"; then
    echo "The libraries and fonts that building and playing need are already there."
    exit 0
  fi
  echo "Some of the libraries or fonts that building the game needs are missing." >&2
  exit 1
fi

missing=()
for pkg in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done

if [[ ${#missing[@]} -eq 0 ]]; then
  echo "All needed packages are installed."
  exit 0
fi

sudo=()
if [[ $(id -u) -ne 0 ]]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "These packages are missing and installing them needs root (or sudo): ${missing[*]}" >&2
    exit 1
  fi
  sudo=(sudo)
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -q --no-install-recommends "${missing[@]}"
