#!/usr/bin/env bash
# Start-up under stress: the game launched over and over, each run killed
# with SIGKILL at a random moment, must show the main menu every time; and a
# termination request (SIGTERM, SIGINT) ends it cleanly from any menu.
#
# The X server here resets itself whenever its last client leaves, as one
# started by xvfb-run does: every launch then starts on a server whose only
# client was just killed. N launches (default 20; N=200 by hand).
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

LAUNCHES=${N:-20}

# A second X server, started without -noreset, replaces the one e2e_setup
# started for the cases below.
start_resetting_xvfb()
{
    local numberFile=$E2E_WORK/resetting-display i
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -s 0 \
        3>"$numberFile" >"$E2E_WORK/resetting-xvfb.log" 2>&1 &
    STRESS_XVFB_PID=$!
    for ((i = 0; i < 200; i++)); do
        if grep -q '^[0-9]' "$numberFile" 2>/dev/null; then
            DISPLAY=:$(head -n 1 "$numberFile")
            export DISPLAY
            return 0
        fi
        sleep 0.05
    done
    echo "FAIL: the resetting Xvfb did not start"
    exit 1
}

stop_resetting_xvfb()
{
    [[ -n "${STRESS_XVFB_PID:-}" ]] && kill "$STRESS_XVFB_PID" 2>/dev/null && wait "$STRESS_XVFB_PID" 2>/dev/null
    e2e_teardown
}

# A random pause of 0 to max milliseconds.
random_pause() { sleep "$(awk -v ms=$((RANDOM % $1)) 'BEGIN { printf "%.3f", ms / 1000 }')"; }

# Waits until no game window is left on the display: a killed game's window
# may outlive it for a moment, and must not pass for the next one's.
wait_windows_gone()
{
    local i
    for ((i = 0; i < 100; i++)); do
        [[ -z "$(xdotool search --name '^(Sump Run Level|Now running at )' 2>/dev/null)" ]] && return 0
        sleep 0.05
    done
    e2e_fail "a killed game's window stayed on the display"
}

kill_game()
{
    kill -KILL "$E2E_GAME_PID" 2>/dev/null
    wait "$E2E_GAME_PID" 2>/dev/null
    E2E_GAME_PID=
}

launches_all_reach_the_main_menu()
{
    local i
    for ((i = 1; i <= LAUNCHES; i++)); do
        # Every other launch is first killed somewhere in its start-up.
        if ((i % 2 == 0)); then
            e2e_start_game
            random_pause 400
            kill_game
            wait_windows_gone
        fi
        : >"$E2E_GAME_LOG"
        e2e_start_game
        E2E_WIN=
        e2e_wait_paced 20 || return 1
        if [[ $i -eq 1 ]]; then
            e2e_screenshot "$E2E_GAME_DIR/menu.png"
        else
            e2e_wait_screen_equals "$E2E_GAME_DIR/menu.png" "$E2E_GAME_DIR/launch.png" 10
        fi
        random_pause 500
        kill_game
        wait_windows_gone
    done
    e2e_note "$LAUNCHES launches reached the main menu"
}

# A signal at the main menu, or with a dialog up: status 0, and the high
# score written on the way out.
signal_ends_cleanly()
{
    local signal=$1 dialog=$2
    e2e_start_game
    e2e_wait_paced
    if [[ -n "$dialog" ]]; then
        e2e_screenshot "$E2E_GAME_DIR/menu.png"
        e2e_main_menu "$dialog"
        e2e_wait_screen_differs "$E2E_GAME_DIR/menu.png" "$E2E_GAME_DIR/dialog.png"
    fi
    kill "-$signal" "$E2E_GAME_PID"
    e2e_expect_status 0
    [[ "$(cat "$E2E_GAME_DIR/hiscore" 2>/dev/null)" == 0 ]] || e2e_fail "no high score written"
}

start_resetting_xvfb
trap stop_resetting_xvfb EXIT
e2e_case "$LAUNCHES launches, each killed at a random moment, all reach the main menu" \
    launches_all_reach_the_main_menu
e2e_case "SIGTERM at the main menu ends the program with status 0" signal_ends_cleanly TERM ""
e2e_case "SIGINT with the help dialog up ends the program with status 0" signal_ends_cleanly INT Help
e2e_finish
