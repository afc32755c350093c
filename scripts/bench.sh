#!/usr/bin/env bash
# Builds the game and its frame benchmark (./build unless SUMPRUN_BUILD_DIR
# says otherwise), then runs the benchmark headless on the densest legal
# level and on both shipped levels with their replays: median and 99th
# percentile per frame, in microseconds and as a share of the 20 ms budget.
# When valgrind is installed, callgrind also counts instructions per frame,
# a figure that does not depend on how busy the machine is.
# Everything printed also goes to bench/results/frames.txt; then the cost
# of enlarging a shown frame for --scale goes to bench/results/scale.txt,
# the editor's undo, redo and test play on the densest level, with the
# memory a thousand steps hold, to bench/results/editor.txt, and what
# autosaving the densest level costs the editor's frames to
# bench/results/autosave.txt.
#   --runs N     timed runs of each level (5)
#   --no-count   skip the callgrind counts
#   --pictures DIR  instead, draw the game's screens headless into DIR: a
#                hash of every drawn play frame of the three levels
#                (hashes.txt) and pictures of menus, dialogs, play and
#                editor; two builds draw the same when hashes.txt matches.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${SUMPRUN_BUILD_DIR:-$repo/build}
runs=5
count=1
pictures=
while [[ $# -gt 0 ]]; do
    case "$1" in
        --runs) runs=$2; shift 2 ;;
        --no-count) count=0; shift ;;
        --pictures) pictures=$(mkdir -p "$2" && cd "$2" && pwd); shift 2 ;;
        *) echo "usage: $0 [--runs N] [--no-count] [--pictures DIR]" >&2; exit 2 ;;
    esac
done

cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target sumprun-bench --target scale_bench --target autosave_bench >/dev/null

# The benchmark plays in a folder of its own holding what the game reads.
work=$(mktemp -d "${TMPDIR:-/tmp}/sumprun-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
cp -r "$build/assets/." "$work/"
cp "$build/levels/levelmap1" "$build/levels/levelmap2" "$work/"
cp -r "$repo/levels/replays" "$work/replays"
bench="$build/bench/sumprun-bench"

if [[ -n "$pictures" ]]; then
    (cd "$work" && "$bench" --pictures "$pictures" --dense-frames 600)
    exit
fi

results="$repo/bench/results"
mkdir -p "$results"
out="$results/frames.txt"
{
    echo "# sumprun-bench, $(date -u '+%Y-%m-%d %H:%M UTC'), $(git -C "$repo" rev-parse --short HEAD 2>/dev/null || echo unknown)"
    echo "# $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg) at the start"
    echo "# Times per frame in microseconds (wall clock, then CPU time of the thread); drawn_frame is"
    echo "# logic plus drawing of a frame that is drawn. Shares are of the 20 ms frame budget."
    (cd "$work" && "$bench" --runs "$runs")
} | tee "$out"

if [[ $count -eq 1 ]] && command -v valgrind >/dev/null 2>&1; then
    {
        echo
        echo "# Instructions per frame (callgrind)"
        printf '%-14s %-8s %14s\n' level part instructions
        for case in "densest 200" "rat_adventure 1000" "eel_challenge 1000"; do
            read -r level frames <<<"$case"
            for part in logic draw; do
                cg="$work/callgrind.$level.$part"
                counted=$(cd "$work" && valgrind --tool=callgrind --collect-atstart=no \
                    --callgrind-out-file="$cg" "$bench" --count "$level" "$part" "$frames" 2>/dev/null |
                    sed -n 's/^counted //p')
                total=$(sed -n 's/^totals: *\([0-9]*\).*/\1/p' "$cg")
                [[ -n "$total" ]] || total=$(sed -n 's/^summary: *\([0-9]*\).*/\1/p' "$cg")
                printf '%-14s %-8s %14d\n' "$level" "$part" $((total / (counted > 0 ? counted : 1)))
            done
        done
    } | tee -a "$out"
fi

{
    echo "# autosave_bench, $(date -u '+%Y-%m-%d %H:%M UTC'), load average $(cut -d' ' -f1-3 /proc/loadavg) at the start"
    echo "# Editor frames on the densest level, a change in every frame, the writer busy: what the autosave"
    echo "# costs the game thread. CPU time leaves out the waits for a core of a busy machine."
    (cd "$work" && "$build/bench/autosave_bench" 3000)
} | tee "$results/autosave.txt"

{
    echo "# scale_bench, $(date -u '+%Y-%m-%d %H:%M UTC'), load average $(cut -d' ' -f1-3 /proc/loadavg) at the start"
    echo "# The 640x480 picture enlarged by nearest-neighbour, then the whole presentation at scale 3."
    SDL_VIDEODRIVER=${SDL_VIDEODRIVER:-dummy} "$build/bench/scale_bench" 1000
} | tee "$results/scale.txt"

{
    echo "# sumprun-bench --editor, $(date -u '+%Y-%m-%d %H:%M UTC'), load average $(cut -d' ' -f1-3 /proc/loadavg) at the start"
    echo "# Each undo and redo of 1000 one-cell steps and 50 test-play starts and returns, each with the"
    echo "# tile grid rebuilt after it; budget 10 ms each (thread CPU time), 32 MB for the steps held."
    (cd "$work" && "$bench" --editor)
} | tee "$results/editor.txt"
