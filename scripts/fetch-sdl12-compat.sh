#!/usr/bin/env bash
# Fetches sdl12-compat (SDL 1.2's interface on SDL2, the SDL 1.2 most
# distributions now ship) without installing it: Debian's libsdl1.2-compat
# package is downloaded and unpacked into a folder, beside and never in place
# of the classic library the game is built with. Prints the folder that
# holds its libSDL-1.2.so.0, for LD_LIBRARY_PATH:
#   scripts/fetch-sdl12-compat.sh build/sdl12-compat
# SDL2 itself (libsdl2-2.0-0) must be installed; scripts/install-deps.sh
# --tests installs it.
set -euo pipefail

dest=$(realpath -m "${1:?usage: $0 FOLDER}")
package=libsdl1.2-compat
lib_dir() { find "$dest/root" -name libSDL-1.2.so.0 -printf '%h\n' 2>/dev/null | head -n 1; }

if [[ -z "$(lib_dir)" ]]; then
  mkdir -p "$dest"
  # apt-get download writes into the current folder; the package lists are
  # refreshed only when the package is not found in them.
  (cd "$dest" && { apt-get download -q "$package" >/dev/null 2>&1 ||
    { apt-get update -q >/dev/null && apt-get download -q "$package" >/dev/null; }; }) ||
    { echo "cannot download $package" >&2; exit 1; }
  rm -rf "$dest/root"
  dpkg-deb -x "$(ls -t "$dest"/"$package"_*.deb | head -n 1)" "$dest/root"
fi
dir=$(lib_dir)
[[ -n "$dir" ]] || { echo "$package holds no libSDL-1.2.so.0" >&2; exit 1; }
echo "$dir"
