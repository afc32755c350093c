#!/usr/bin/env bash
# Start-up under stress: the game launched over and over, each run killed
# with SIGKILL at a random moment, must show the main menu every time.
#
# The X server here resets itself whenever its last client leaves, as one
# started by xvfb-run does: every launch then starts on a server whose only
# client was just killed. N launches (default 20; N=200 by hand).
E2E_XVFB_ARGS=
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

LAUNCHES=${N:-20}

# A killed game's window may outlive it for a moment, and must not pass for
# the next one's.
no_window() { ! e2e_window_found; }

kill_at_random_within()
{
    sleep "$(e2e_seconds $((RANDOM % $1)))"
    e2e_stop_game
    e2e_poll 5 no_window || e2e_fail "a killed game's window stayed on the display"
}

launches_all_reach_the_main_menu()
{
    local i
    for ((i = 1; i <= LAUNCHES; i++)); do
        # Every other launch is first killed somewhere in its start-up.
        if ((i % 2 == 0)); then
            e2e_start_game
            kill_at_random_within 400
        fi
        e2e_start_at_menu
        kill_at_random_within 500
    done
    e2e_note "$LAUNCHES launches reached the main menu"
}

e2e_case "$LAUNCHES launches, each killed at a random moment, all reach the main menu" \
    launches_all_reach_the_main_menu
e2e_finish
