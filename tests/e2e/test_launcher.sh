#!/usr/bin/env bash
# scripts/launch.sh: runs the built game in the per-user data folder,
# refreshing assets and shipped levels but never the user's own files.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

LAUNCHER=$(realpath "$(dirname "$0")/../../scripts/launch.sh")
export SUMPRUN_BUILD_DIR
SUMPRUN_BUILD_DIR=$(dirname "$E2E_BIN")

without_display_says_how()
{
    local status=0
    env -u DISPLAY XDG_DATA_HOME="$E2E_GAME_DIR/xdg" "$LAUNCHER" >"$E2E_GAME_LOG" 2>&1 || status=$?
    [[ $status -ne 0 ]] || e2e_fail "the launcher succeeded without a display"
    grep -q 'xvfb-run' "$E2E_GAME_LOG" || e2e_fail "the launcher did not say how to run without a display"
    [[ $(wc -l <"$E2E_GAME_LOG") -eq 1 ]] || e2e_fail "the launcher said more than one sentence: $(cat "$E2E_GAME_LOG")"
}

launch_refreshes_game_files_and_keeps_user_files()
{
    local data=$E2E_GAME_DIR/xdg/sumprun
    mkdir -p "$data"
    printf 'mine' >"$data/levelmap0"
    printf '7' >"$data/hiscore"
    printf 'stale' >"$data/menubox.bmp"
    printf 'stale' >"$data/levelmap1"

    XDG_DATA_HOME=$E2E_GAME_DIR/xdg e2e_start_game "$LAUNCHER"
    e2e_wait_paced
    e2e_quit_via_menu

    local asset
    for asset in "$E2E_ASSETS"/*; do
        cmp -s "$asset" "$data/$(basename "$asset")" || e2e_fail "$(basename "$asset") was not refreshed"
    done
    if [[ -f "$E2E_LEVELS/levelmap1" ]]; then
        cmp -s "$E2E_LEVELS/levelmap1" "$data/levelmap1" || e2e_fail "levelmap1 was not refreshed"
    fi
    [[ "$(cat "$data/levelmap0")" == mine ]] || e2e_fail "the user's levelmap0 was overwritten"
    [[ "$(cat "$data/hiscore")" == 7 ]] || e2e_fail "the high score was lost"
}

failed_start_says_what_is_needed()
{
    # An audio driver that does not exist makes start-up fail.
    SDL_AUDIODRIVER=none-such XDG_DATA_HOME=$E2E_GAME_DIR/xdg e2e_start_game "$LAUNCHER"
    e2e_expect_status 1 "$E2E_START_TIMEOUT"
    grep -q 'audio device' "$E2E_GAME_LOG" || e2e_fail "the launcher did not say what start-up needs"
}

e2e_case "without a display the launcher says how to run it" without_display_says_how
e2e_case "the launcher refreshes assets and levels but keeps levelmap0 and hiscore" \
    launch_refreshes_game_files_and_keeps_user_files
e2e_case "after a failed start the launcher says what the game needs" failed_start_says_what_is_needed
e2e_finish
