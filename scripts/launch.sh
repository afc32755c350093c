#!/usr/bin/env bash
# Runs the built game in its per-user data folder, where it reads its assets
# and levels and keeps the user's level ("levelmap0") and the high score
# ("hiscore"). Assets and the shipped levels are refreshed from the build on
# every launch; the user's own files are never touched.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${SUMPRUN_BUILD_DIR:-$repo/build}
data=${XDG_DATA_HOME:-$HOME/.local/share}/sumprun
binary=$build/sumprun

if [[ ! -x "$binary" || ! -d "$build/assets" ]]; then
  echo "The game is not built yet in $build: run ./scripts/play.sh first." >&2
  exit 1
fi

if [[ -z "${DISPLAY:-}" ]]; then
  echo "There is no display to open the game window on (DISPLAY is not set); to run it without one, use: xvfb-run -s \"-screen 0 800x600x24\" $0" >&2
  exit 1
fi

mkdir -p "$data"
cp -f "$build"/assets/* "$data"/
for shipped in levelmap1 levelmap2; do
  if [[ -f "$build/levels/$shipped" ]]; then
    cp -f "$build/levels/$shipped" "$data/$shipped"
  fi
done

# The game refuses to start when it cannot open an audio device. With no
# sound card and no sound server it could never start, so play silently.
if [[ -z "${SDL_AUDIODRIVER:-}" && ! -e /dev/snd && -z "${PULSE_SERVER:-}" \
      && ! -S "${XDG_RUNTIME_DIR:-/nonexistent}/pulse/native" ]]; then
  echo "No sound device found: playing without sound."
  export SDL_AUDIODRIVER=dummy
fi

cd "$data"
"$binary" "$@" &
game=$!
trap 'kill -TERM "$game" 2>/dev/null || true' TERM INT HUP
status=0
wait "$game" || status=$?
# A signal forwarded above interrupts the first wait; the second gets the
# game's own exit status.
if kill -0 "$game" 2>/dev/null; then
  status=0
  wait "$game" || status=$?
fi

# Status 1 is the game's start-up failure (or Xlib's when the display goes away).
if [[ $status -eq 1 ]]; then
  echo "The game ended with status 1, which means it could not start (or lost its display): it needs its asset files in $data (./scripts/play.sh puts them there), a display and an audio device (SDL_AUDIODRIVER=dummy plays silently without one)." >&2
fi
exit "$status"
