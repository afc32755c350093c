#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages that building and playing the
# game need; with --tests also those that the test suite needs, with --bench
# those and valgrind for the benchmark's instruction counts. Only the
# packages that are missing are installed, and the package lists are only
# refreshed when something is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libsdl1.2-dev libsdl-image1.2-dev libsdl-mixer1.2-dev libsdl-ttf2.0-dev
  libpng-dev libvorbis-dev libogg-dev
  fonts-liberation fonts-dejavu-core
  googletest libgtest-dev
)
test_packages=(
  # the end-to-end tests: a virtual X server, key presses, window reads
  xvfb xauth xdotool x11-apps x11-utils imagemagick libx11-dev
  # the fuzzer
  clang libclang-rt-14-dev
)

bench_packages=(
  # instruction counts per frame in scripts/bench.sh
  valgrind
)

case "${1:-}" in
  --tests) packages+=("${test_packages[@]}") ;;
  --bench) packages+=("${test_packages[@]}" "${bench_packages[@]}") ;;
  "") ;;
  *) echo "usage: $0 [--tests|--bench]" >&2; exit 2 ;;
esac

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
