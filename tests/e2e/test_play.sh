#!/usr/bin/env bash
# A player's session: Help, the full-screen toggle and the quit dialog's
# "No"; level 1 scrolls under the arrow keys and is left through the pause
# menu; a user level is won, another lost; and the close button in the quit
# dialog ends the game with status 0, the new high score written.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

OPTIONS_USER_LEVEL=2
OPTIONS_TOGGLE_FULLSCREEN=3
WON_COLOUR=(20 20 200)
LOST_COLOUR=(200 20 20)
# A user level won at once: the rat stands on its cheese, and the scientist
# stands below the bottom of the world, which kills him.
WON_LEVEL='Rat\n0 900\nCheese\n0 928\nTerrain\n0 0 1 0\nScientist\n3000 900\n'

shot() { echo "$E2E_GAME_DIR/$1.png"; }

shows_colour() { e2e_screenshot "$(shot "$1")"; [[ $(e2e_count_colour "$(shot "$1")" "${@:2}") -gt 0 ]]; }

# From the main menu: "New Game", until the level is drawn.
new_game()
{
    e2e_main_menu "New Game"
    e2e_wait_screen_changes "$(shot menu)" "$(shot "$1")"
}

# Plays the user level until the end message in the colour shows, then
# Enter brings back the main menu.
play_user_level_to()
{
    local name=$1
    shift
    new_game "$name"
    E2E_WAIT_SECONDS=60 e2e_wait_for "the $name message" shows_colour "$name" "$@"
    e2e_press Return
    e2e_wait_screen_equals "$(shot menu)" "$(shot "$name-menu")"
}

window_size() { xdotool getwindowgeometry "$E2E_WIN" | awk '/Geometry:/ { print $2 }'; }
full_screen() { e2e_screen_shows_centred "$(shot menu)" "$(shot full-screen)"; }
windowed() { [[ "$(window_size)" == 640x480 ]] && e2e_screen_equals "$(shot menu)" "$(shot after-toggles)"; }

option() { e2e_main_menu "Options"; sleep 0.3; e2e_choose "$1"; }

menus_play_and_quit()
{
    e2e_copy_levels
    printf '%b' "$WON_LEVEL" >"$E2E_GAME_DIR/levelmap0"
    printf '  0\n' >"$E2E_GAME_DIR/hiscore"
    e2e_start_game
    e2e_wait_paced
    [[ "$(window_size)" == 640x480 ]] || e2e_fail "the window starts at $(window_size), not 640x480"
    e2e_screenshot "$(shot menu)"

    e2e_main_menu "Help"
    e2e_wait_screen_differs "$(shot menu)" "$(shot help)"
    e2e_press Return
    e2e_wait_screen_equals "$(shot menu)" "$(shot after-help)"
    option "$OPTIONS_TOGGLE_FULLSCREEN"
    e2e_wait_for "the whole menu centred on a black screen" full_screen
    option "$OPTIONS_TOGGLE_FULLSCREEN"
    e2e_wait_for "the menu in a 640x480 window again (it is $(window_size))" windowed
    e2e_main_menu "Quit"
    e2e_wait_screen_differs "$(shot menu)" "$(shot dialog)"
    e2e_choose 0
    e2e_wait_screen_equals "$(shot menu)" "$(shot after-no)"

    # What changes by itself (water, animations, the clock) sets the scale
    # for what holding Right changes.
    new_game play
    sleep 0.5
    e2e_screenshot "$(shot still)"
    e2e_hold Right 2000
    e2e_screenshot "$(shot scrolled)"
    local idle moved
    idle=$(e2e_diff_count "$(shot play)" "$(shot still)")
    moved=$(e2e_diff_count "$(shot still)" "$(shot scrolled)")
    e2e_note "pixels changed: $idle standing, $moved after holding Right for 2 s"
    [[ $moved -gt $((640 * 480 / 4)) && $moved -gt $((idle * 10)) ]] || e2e_fail "holding Right did not scroll the view"
    e2e_quit_play_to_menu scrolled

    option "$OPTIONS_USER_LEVEL"
    e2e_wait_screen_equals "$(shot menu)" "$(shot options-left)"
    play_user_level_to won "${WON_COLOUR[@]}"
    # Without a levelmap0 the user level is empty: the rat falls five times.
    rm "$E2E_GAME_DIR/levelmap0"
    play_user_level_to lost "${LOST_COLOUR[@]}"

    # The close button in the quit dialog ends the game like "Yes".
    e2e_main_menu "Quit"
    e2e_wait_screen_differs "$(shot menu)" "$(shot dialog)"
    e2e_close_window
    e2e_expect_status 0
    cmp -s <(printf 1) "$E2E_GAME_DIR/hiscore" || e2e_fail "hiscore holds '$(cat -A "$E2E_GAME_DIR/hiscore")', not 1"
}

e2e_case "menus; level 1 scrolls; a user level won, another lost; closed in the quit dialog, the high score 1" \
    menus_play_and_quit
e2e_finish
