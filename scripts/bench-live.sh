#!/usr/bin/env bash
# Measures the real program under a virtual X server: the share of a core
# the game and the X server use over 20 s in the main menu and 20 s in play
# (read from /proc), the frame interval (median and 99th percentile, from a
# preloaded clock on the frame cap's wait), the start-up time to the first
# picture and the peak memory. Appends to
# bench/results/live.txt. Needs Xvfb and xdotool.
#   --seconds N      length of each phase (20)
#   --sdl12-compat   the game on sdl12-compat (SDL 1.2 on SDL2), fetched by
#                    scripts/fetch-sdl12-compat.sh, instead of the classic SDL
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${SUMPRUN_BUILD_DIR:-$repo/build}
seconds=20
library="classic SDL 1.2"
while [[ $# -gt 0 ]]; do
    case $1 in
    --seconds) seconds=$2; shift 2 ;;
    --sdl12-compat)
        compat=$("$repo/scripts/fetch-sdl12-compat.sh" "$build/sdl12-compat")
        export LD_LIBRARY_PATH=$compat${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
        library="sdl12-compat"
        shift ;;
    *) echo "usage: $0 [--seconds N] [--sdl12-compat]" >&2; exit 2 ;;
    esac
done
# The library's own settings in the environment are part of the figures.
settings=$(env | grep -E '^(SDL_|SDL12COMPAT_)' | grep -v '^SDL_AUDIODRIVER=' | sort | paste -sd' ' || true)

for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/install-deps.sh --tests)" >&2; exit 1; }
done
cmake --build "$build" -j2 --target sumprun sumprun_frame_clock >/dev/null

work=$(mktemp -d "${TMPDIR:-/tmp}/sumprun-live.XXXXXX")
xvfb_pid=
game_pid=
finish()
{
    [[ -n "$game_pid" ]] && kill "$game_pid" 2>/dev/null
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT
cp -r "$build/assets/." "$work/"
cp "$build/levels/levelmap1" "$build/levels/levelmap2" "$work/"

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset -s 0 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
export SDL_AUDIODRIVER=dummy
unset SDL_VIDEODRIVER

: >"$work/startup"
log="$work/frames.log"
(cd "$work" && SUMPRUN_FRAME_LOG="$log" LD_PRELOAD="$build/bench/libsumprun_frame_clock.so" exec "$build/sumprun") \
    >"$work/game.log" 2>&1 &
game_pid=$!
window=
for _ in $(seq 100); do
    window=$(xdotool search --pid "$game_pid" 2>/dev/null | head -n 1) && [[ -n "$window" ]] && break
    sleep 0.1
done
[[ -n "$window" ]] || { echo "the game showed no window" >&2; exit 1; }
sleep 2

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)

# One phase: CPU ticks of game and server over the phase, then the frame
# times the preloaded clock gathered during it.
phase()
{
    local name=$1 g0 x0 g1 x1
    kill -USR1 "$game_pid"; sleep 0.2          # drop what came before
    grep '^start-up' "$log" >>"$work/startup" || true
    : >"$log"
    g0=$(ticks "$game_pid"); x0=$(ticks "$xvfb_pid")
    sleep "$seconds"
    g1=$(ticks "$game_pid"); x1=$(ticks "$xvfb_pid")
    kill -USR1 "$game_pid"; sleep 0.2
    # Intervals between frame ends, sorted, then their median and 99th percentile.
    awk '/^--$/ { exit } /^start-up/ { next } { if (prev) print ($1 - prev) / 1000; prev = $1 }' "$log" |
        sort -n >"$log.sorted"
    awk -v name="$name" -v g=$((g1 - g0)) -v x=$((x1 - x0)) -v hz="$hz" -v s="$seconds" '
        { d[NR] = $1 }
        END {
            n = NR
            p50 = n ? d[int(0.5 * n + 0.999)] : 0
            p99 = n ? d[int(0.99 * n + 0.999)] : 0
            printf "%-10s game %5.2f%%  X server %5.2f%%  together %5.2f%% of a core   frame interval p50 %.1f ms  p99 %.1f ms (%d frames)\n",
                name, 100 * g / hz / s, 100 * x / hz / s, 100 * (g + x) / hz / s, p50, p99, n + 1
        }' "$log.sorted"
    : >"$log"
}

{
    echo "# bench-live, $(date -u '+%Y-%m-%d %H:%M UTC'), $(git -C "$repo" rev-parse --short HEAD 2>/dev/null || echo unknown), ${seconds} s a phase, load average $(cut -d' ' -f1-3 /proc/loadavg), $library${settings:+, $settings}"
    phase main_menu
    # New Game: held for a few frames, as the game samples keys per frame.
    xdotool keydown --window "$window" Return 2>/dev/null; sleep 0.09
    xdotool keyup --window "$window" Return 2>/dev/null
    sleep 2
    phase play
    awk '/^start-up/ { printf "start-up to the first picture %.1f ms\n", $2 / 1000 }' "$work/startup"
    awk '/^VmHWM/ { printf "peak memory %.1f MB\n", $2 / 1024 }' "/proc/$game_pid/status"
} | tee -a "$repo/bench/results/live.txt"
