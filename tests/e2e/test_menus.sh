#!/usr/bin/env bash
# Starting the game, going through its menus and leaving it: the paced
# caption, Help, the full-screen toggle, the quit dialog, the close button
# and the high-score file; and a start that fails for want of an asset.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

OPTIONS_TOGGLE_FULLSCREEN=3

shot() { echo "$E2E_GAME_DIR/$1.png"; }

# The first paced caption measures the whole start-up, so a later one is
# read: well formed, never above 50, and close to it once the menu runs.
rate_near_50()
{
    local caption
    caption=$(e2e_caption)
    [[ "$caption" =~ ^Now\ running\ at\ ([0-9]+)\ frames\ per\ second\.$ ]] \
        || e2e_fail "caption '$caption' is not the frame rate"
    [[ ${BASH_REMATCH[1]} -le 50 ]] || e2e_fail "frame rate ${BASH_REMATCH[1]} is above 50"
    [[ ${BASH_REMATCH[1]} -ge 40 ]]
}

# The game draws into a child window, which in full screen moves out of the
# captioned window into one covering the whole screen.
drawing_in_window() { xwininfo -children -id "$E2E_WIN" | grep -Eq '^ *1 child'; }
full_screen()
{
    ! drawing_in_window && xwininfo -root -tree | grep -Eq " $(xdotool getdisplaygeometry | tr ' ' x)\+0\+0 "
}
window_size() { xdotool getwindowgeometry "$E2E_WIN" | awk '/Geometry:/ { print $2 }'; }

toggle_fullscreen()
{
    e2e_main_menu "Options"
    sleep 0.3
    e2e_choose "$OPTIONS_TOGGLE_FULLSCREEN"
}

menus_then_quit()
{
    printf '  42\n' >"$E2E_GAME_DIR/hiscore"
    e2e_start_game
    e2e_wait_paced
    sleep 1.5
    e2e_wait_for "a frame rate from 40 to 50" rate_near_50
    [[ "$(window_size)" == 640x480 ]] || e2e_fail "the window starts at $(window_size), not 640x480"
    e2e_screenshot "$(shot menu)"

    e2e_main_menu "Help"
    e2e_wait_screen_differs "$(shot menu)" "$(shot help)"
    e2e_press Return
    e2e_wait_screen_equals "$(shot menu)" "$(shot after-help)"

    toggle_fullscreen
    e2e_wait_for "the game to go full screen" full_screen
    toggle_fullscreen
    e2e_wait_for "the game to come back to its window" drawing_in_window
    [[ "$(window_size)" == 640x480 ]] || e2e_fail "the window is $(window_size) after two toggles, not 640x480"
    e2e_wait_screen_equals "$(shot menu)" "$(shot after-toggles)"

    e2e_main_menu "Quit"
    e2e_wait_screen_differs "$(shot menu)" "$(shot dialog)"
    e2e_choose 0
    e2e_wait_screen_equals "$(shot menu)" "$(shot after-no)"

    # The close button in the quit dialog ends the game like "Yes".
    e2e_main_menu "Quit"
    e2e_wait_screen_differs "$(shot menu)" "$(shot dialog)"
    e2e_close_window
    e2e_expect_status 0
    cmp -s <(printf 42) "$E2E_GAME_DIR/hiscore" || e2e_fail "hiscore holds '$(cat -A "$E2E_GAME_DIR/hiscore")', not 42"
}

not_paced_until_ended()
{
    ! xdotool search --name '^Now running at ' >/dev/null 2>&1 || e2e_fail "the game reached its main loop"
    e2e_game_ended
}

without_a_font_start_fails_once()
{
    rm "$E2E_GAME_DIR/verdana.ttf" || e2e_fail "the build has no verdana.ttf to remove"
    e2e_start_game
    e2e_poll "$E2E_EXIT_TIMEOUT" not_paced_until_ended
    e2e_expect_status 1
    [[ ! -e "$E2E_GAME_DIR/hiscore" ]] || e2e_fail "a failed start wrote the hiscore file"
}

e2e_case "Help, full screen twice, Quit and No; the close button ends the game with status 0, the high score kept" \
    menus_then_quit
e2e_case "without verdana.ttf the game ends with status 1 and writes nothing" without_a_font_start_fails_once
e2e_finish
