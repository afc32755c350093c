#!/usr/bin/env bash
# Installs what is missing, checks the code style, then builds and runs
# every test:
#   1. unit and end-to-end tests (RelWithDebInfo build in ./build), then
#      the end-to-end tests again on sdl12-compat (SDL 1.2 on SDL2, what
#      most distributions ship as SDL 1.2), fetched into ./build/sdl12-compat
#      and loaded in place of the classic library the game is built with,
#   2. the unit tests again under AddressSanitizer and UBSan (./build-asan),
#   3. the fuzzers for a minute in all, when clang is there (./build-fuzz):
#      the level loader, and the replay and high-score round trips.
# SUMPRUN_BUILD_PREFIX moves the three build folders, SUMPRUN_JOBS sets the
# parallel jobs (2) and SUMPRUN_FUZZ_SECONDS the fuzzing time in all (60).
# Ends non-zero when any step fails, after a summary of all of them.
set -uo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo" || exit 1
# Build folders are <prefix>, <prefix>-asan and <prefix>-fuzz.
prefix=${SUMPRUN_BUILD_PREFIX:-$repo/build}
jobs=${SUMPRUN_JOBS:-2}
fuzz_seconds=${SUMPRUN_FUZZ_SECONDS:-60}
logs=$(mktemp -d "${TMPDIR:-/tmp}/sumprun-test.XXXXXX")
fuzz_targets=(fuzz_level_loader fuzz_replay_roundtrip fuzz_hiscore_roundtrip)

# Read only by the sanitized programs: stop at the first error, and accept
# leaks only inside the system libraries named in tests/lsan.supp.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$repo/tests/lsan.supp:print_suppressions=0

summary=()
failures=0
tests_passed=0
tests_failed=0

step()
{
    local name=$1
    shift
    echo
    echo "==== $name"
    local start=$SECONDS
    if "$@"; then
        summary+=("PASS  $name ($((SECONDS - start)) s)")
    else
        summary+=("FAIL  $name ($((SECONDS - start)) s)")
        failures=$((failures + 1))
    fi
}

skip() { summary+=("SKIP  $1: $2"); }

# Runs ctest, keeping its counts for the closing line.
run_ctest()
{
    local log=$1
    shift
    ctest "$@" 2>&1 | tee "$log"
    local status=${PIPESTATUS[0]}
    local line
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    if [[ "$line" =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
        tests_failed=$((tests_failed + BASH_REMATCH[1]))
        tests_passed=$((tests_passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
    elif [[ $status -ne 0 ]]; then
        tests_failed=$((tests_failed + 1))
    fi
    [[ $status -eq 0 ]] && ! grep -q 'No tests were found' "$log"
}

install_deps() { "$repo/scripts/install-deps.sh" --tests; }

# Every C++ file in the one style of .clang-format; prints what differs.
check_style()
{
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
}

build_main()
{
    cmake -S "$repo" -B "$prefix" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DSUMPRUN_TESTS=ON -DSUMPRUN_SANITIZE=OFF -DSUMPRUN_FUZZ=OFF &&
        cmake --build "$prefix" -j"$jobs"
}

test_main()
{
    run_ctest "$logs/ctest.log" --test-dir "$prefix" --output-on-failure -j"$jobs" --timeout 900
}

# Every test labelled e2e, on sdl12-compat: lib.sh loads the library from
# SUMPRUN_E2E_SDL_DIR and checks that the game really uses it.
test_compat()
{
    local dir
    dir=$("$repo/scripts/fetch-sdl12-compat.sh" "$prefix/sdl12-compat") || return 1
    SUMPRUN_E2E_SDL_DIR=$dir run_ctest "$logs/ctest-compat.log" --test-dir "$prefix" --output-on-failure \
        -j"$jobs" -L e2e --timeout 900
}

build_asan()
{
    cmake -S "$repo" -B "$prefix-asan" -DCMAKE_BUILD_TYPE=Debug \
        -DSUMPRUN_TESTS=ON -DSUMPRUN_SANITIZE=ON -DSUMPRUN_FUZZ=OFF &&
        cmake --build "$prefix-asan" -j"$jobs"
}

test_asan()
{
    run_ctest "$logs/ctest-asan.log" --test-dir "$prefix-asan" --output-on-failure -j"$jobs" -L unit --timeout 1800
}

build_fuzz()
{
    CC=clang CXX=clang++ cmake -S "$repo" -B "$prefix-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DSUMPRUN_FUZZ=ON -DSUMPRUN_TESTS=OFF -DSUMPRUN_SANITIZE=OFF &&
        cmake --build "$prefix-fuzz" -j"$jobs" --target "${fuzz_targets[@]}"
}

# Fuzzes one target for its share of the time, seeded with the files given;
# the corpus grows in a scratch folder so that the repository stays clean.
fuzz_one()
{
    local target=$1 seconds=$2
    shift 2
    local corpus=$logs/corpus-$target artifacts=$logs/crashes-$target/ log=$logs/$target.log
    mkdir -p "$corpus" "$artifacts"
    cp "$@" "$corpus"/ 2>/dev/null || true
    local fuzzer
    fuzzer=$(find "$prefix-fuzz" -type f -name "$target" -perm -u+x | head -n 1)
    [[ -n "$fuzzer" ]] || { echo "$target was not built"; return 1; }
    local status=0
    "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$artifacts" "$corpus" >"$log" 2>&1 || status=$?
    if [[ $status -ne 0 ]]; then
        tail -n 60 "$log"
        echo "$target found a crash; inputs kept in $artifacts:"
        ls -l "$artifacts"
        tests_failed=$((tests_failed + 1))
        return 1
    fi
    local runs rate
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    echo "$target: ${runs:-?} runs in $seconds s, ${rate:-?} runs/s"
    tests_passed=$((tests_passed + 1))
}

# The minute is shared: most of it goes to the level loader, whose input
# space is by far the largest.
run_fuzz()
{
    local loader=$((fuzz_seconds * 2 / 3)) replay=$((fuzz_seconds / 5))
    local hiscore=$((fuzz_seconds - loader - replay)) failed=0
    # libFuzzer takes 0 seconds as no limit at all.
    ((loader > 0)) || loader=1
    ((replay > 0)) || replay=1
    ((hiscore > 0)) || hiscore=1
    # Seeded with the first and last records of the shipped levels (every
    # kind of record): whole levels as seeds would slow every run down to
    # their length. The loader target lets inputs grow to a whole level.
    local seeds=$logs/level-seeds level
    mkdir -p "$seeds"
    for level in "$prefix"/levels/levelmap*; do
        head -n 40 "$level" >"$seeds/$(basename "$level").first"
        tail -n 40 "$level" >"$seeds/$(basename "$level").last"
    done
    fuzz_one fuzz_level_loader "$loader" "$seeds"/* || failed=1
    fuzz_one fuzz_replay_roundtrip "$replay" "$repo"/levels/replays/*.replay || failed=1
    fuzz_one fuzz_hiscore_roundtrip "$hiscore" || failed=1
    return $failed
}

# Runs a test step only when the build step before it succeeded.
after_build()
{
    local build_name=$1 build=$2 test_name=$3 test=$4 before=$failures
    step "$build_name" "$build"
    if [[ $failures -eq $before ]]; then
        step "$test_name" "$test"
    else
        skip "$test_name" "the build failed"
    fi
}

step "install packages" install_deps
step "code style (clang-format)" check_style
after_build "build (RelWithDebInfo)" build_main "unit and end-to-end tests" test_main
if [[ -x "$prefix/sumprun" ]]; then
    step "end-to-end tests on sdl12-compat" test_compat
else
    skip "end-to-end tests on sdl12-compat" "the build failed"
fi
after_build "build with sanitizers" build_asan "unit tests under sanitizers" test_asan
if ! command -v clang++ >/dev/null 2>&1; then
    skip "fuzzer" "clang++ is not installed"
elif [[ ! -f "$repo/tests/fuzz/CMakeLists.txt" ]]; then
    skip "fuzzer" "there are no fuzz targets in tests/fuzz"
else
    after_build "build the fuzzers (clang)" build_fuzz "fuzz for $fuzz_seconds s" run_fuzz
fi

# Lines of tests against lines of code, both without blank and comment
# lines: tests/ (C++, shell, Python) against the C++ outside tests/ and bench/.
test_ratio()
{
    local code tests
    code=$(git ls-files '*.cpp' '*.h' '*.hpp' | grep -vE '^(tests|bench)/' | xargs -r cat | grep -cvE '^\s*(//.*)?$')
    tests=$(git ls-files 'tests/*' | grep -E '\.(cpp|h|hpp|sh|py)$' | xargs -r cat | grep -cvE '^\s*(//.*|#.*)?$')
    awk -v t="$tests" -v c="$code" 'BEGIN { printf "%d lines of tests, %d of code: ratio %.2f\n", t, c, c ? t / c : 0 }'
}

echo
echo "==== summary"
printf '  %s\n' "${summary[@]}"
echo "logs: $logs"
echo "tests: $tests_passed passed, $tests_failed failed"
echo "size: $(test_ratio)"
if [[ $failures -ne 0 ]]; then
    echo "$failures step(s) failed."
    exit 1
fi
echo "All steps passed."
