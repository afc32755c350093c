#!/usr/bin/env bash
# The options menu's full-screen toggle.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

OPTIONS_TOGGLE_FULLSCREEN=3

window_size() { xdotool getwindowgeometry "$E2E_WIN" | awk '/Geometry:/ { print $2 }'; }

# The game draws into a child window, which in full screen moves out of the
# captioned window into one covering the whole screen.
drawing_in_window()
{
    xwininfo -children -id "$E2E_WIN" | grep -Eq '^ *1 child'
}

screen_sized_window_shown()
{
    local size
    size=$(xdotool getdisplaygeometry | tr ' ' x)
    xwininfo -root -tree | grep -Eq " ${size}\+0\+0 "
}

full_screen() { ! drawing_in_window && screen_sized_window_shown; }

toggle_fullscreen()
{
    e2e_main_menu "Options"
    sleep 0.3
    e2e_choose "$OPTIONS_TOGGLE_FULLSCREEN"
}

fullscreen_twice_returns_to_window()
{
    e2e_start_game
    e2e_wait_paced
    [[ "$(window_size)" == 640x480 ]] || e2e_fail "the window starts at $(window_size), not 640x480"
    drawing_in_window || e2e_fail "the game does not start in its window"
    e2e_screenshot "$E2E_GAME_DIR/menu.png"

    toggle_fullscreen
    e2e_wait_for "the game to go full screen" full_screen
    toggle_fullscreen
    e2e_wait_for "the game to come back to its window" drawing_in_window

    [[ "$(window_size)" == 640x480 ]] || e2e_fail "the window is $(window_size) after two toggles, not 640x480"
    xwininfo -id "$E2E_WIN" | grep -q 'Map State: IsViewable' || e2e_fail "the window is not shown after two toggles"
    e2e_wait_screen_equals "$E2E_GAME_DIR/menu.png" "$E2E_GAME_DIR/after.png"
    e2e_quit_via_menu
}

e2e_case "toggling full screen twice comes back to a 640x480 window" fullscreen_twice_returns_to_window
e2e_finish
