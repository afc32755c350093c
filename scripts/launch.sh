#!/usr/bin/env bash
# Starts the built game as an installed one starts: away from any folder of
# assets, it runs in the player's data folder
# (${XDG_DATA_HOME:-~/.local/share}/sumprun), which it makes and links to
# the build's assets and levels itself. Arguments go to the game.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${SUMPRUN_BUILD_DIR:-$repo/build}

if [[ ! -x "$build/sumprun" ]]; then
  echo "The game is not built yet in $build: run ./scripts/play.sh first." >&2
  exit 1
fi
# The root folder never holds the game's assets.
cd /
exec "$build/sumprun" "$@"
