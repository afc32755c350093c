#!/usr/bin/env bash
# Installs what is missing, builds the game (Release) into ./build and starts it.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo"

"$repo/scripts/install-deps.sh"
cmake -S "$repo" -B "$repo/build" -DCMAKE_BUILD_TYPE=Release -DSUMPRUN_TESTS=OFF
cmake --build "$repo/build" -j2
exec "$repo/scripts/launch.sh" "$@"
