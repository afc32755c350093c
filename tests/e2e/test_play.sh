#!/usr/bin/env bash
# A player's session: Help and the quit dialog's "No"; level 1 scrolls under
# the arrow keys and is left through the pause menu; a user level is won,
# another lost; and the close button in the quit dialog ends the game with
# status 0, the new high score written. (The window's size and full screen
# are the scale journey's.)
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

OPTIONS_USER_LEVEL=2
WON_COLOUR=(20 20 200)
LOST_COLOUR=(200 20 20)
# A user level won at once: the rat stands on its cheese, and the scientist
# stands below the bottom of the world, which kills him.
WON_LEVEL='Rat\n0 900\nCheese\n0 928\nTerrain\n0 0 1 0\nScientist\n3000 900\n'

shows_colour() { e2e_screenshot "$(e2e_shot "$1")"; [[ $(e2e_count_colour "$(e2e_shot "$1")" "${@:2}") -gt 0 ]]; }

# From the main menu: "New Game", until the level is drawn.
new_game()
{
    e2e_main_menu "New Game"
    e2e_wait_screen_changes "$(e2e_shot menu)" "$(e2e_shot "$1")"
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
    e2e_wait_screen_equals "$(e2e_shot menu)" "$(e2e_shot "$name-menu")"
}

menus_play_and_quit()
{
    e2e_copy_levels
    printf '%b' "$WON_LEVEL" >"$E2E_GAME_DIR/levelmap0"
    printf '  0\n' >"$E2E_GAME_DIR/hiscore"
    e2e_start_at_menu

    e2e_main_menu "Help"
    e2e_wait_screen_differs "$(e2e_shot menu)" "$(e2e_shot help)"
    e2e_press Return
    e2e_wait_screen_equals "$(e2e_shot menu)" "$(e2e_shot after-help)"
    e2e_main_menu "Quit"
    e2e_wait_screen_differs "$(e2e_shot menu)" "$(e2e_shot dialog)"
    e2e_choose 0
    e2e_wait_screen_equals "$(e2e_shot menu)" "$(e2e_shot after-no)"

    # What changes by itself (water, animations, the clock) sets the scale
    # for what holding Right changes.
    new_game play
    sleep 0.5
    e2e_screenshot "$(e2e_shot still)"
    e2e_hold Right 2000
    e2e_screenshot "$(e2e_shot scrolled)"
    local idle moved
    idle=$(e2e_diff_count "$(e2e_shot play)" "$(e2e_shot still)")
    moved=$(e2e_diff_count "$(e2e_shot still)" "$(e2e_shot scrolled)")
    e2e_note "pixels changed: $idle standing, $moved after holding Right for 2 s"
    [[ $moved -gt $((640 * 480 / 4)) && $moved -gt $((idle * 10)) ]] || e2e_fail "holding Right did not scroll the view"
    e2e_quit_play_to_menu scrolled

    e2e_option "$OPTIONS_USER_LEVEL"
    e2e_wait_screen_equals "$(e2e_shot menu)" "$(e2e_shot options-left)"
    play_user_level_to won "${WON_COLOUR[@]}"
    # Without a levelmap0 the user level is empty: the rat falls five times.
    rm "$E2E_GAME_DIR/levelmap0"
    play_user_level_to lost "${LOST_COLOUR[@]}"

    # The close button in the quit dialog ends the game like "Yes".
    e2e_main_menu "Quit"
    e2e_wait_screen_differs "$(e2e_shot menu)" "$(e2e_shot dialog)"
    e2e_close_window
    e2e_expect_status 0
    cmp -s <(printf 1) "$E2E_GAME_DIR/hiscore" || e2e_fail "hiscore holds '$(cat -A "$E2E_GAME_DIR/hiscore")', not 1"
}

e2e_case "menus; level 1 scrolls; a user level won, another lost; closed in the quit dialog, the high score 1" \
    menus_play_and_quit
e2e_finish
