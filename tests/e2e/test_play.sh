#!/usr/bin/env bash
# Playing: level 1 scrolls under the arrow keys and can be left through the
# pause menu; a user level is won, another lost; the high score is kept.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

OPTIONS_USER_LEVEL=2
WON_COLOUR=(20 20 200)
LOST_COLOUR=(200 20 20)
# A user level won at once: the rat stands on its cheese, and the scientist
# stands below the bottom of the world, which kills him.
WON_LEVEL='Rat
0 900
Cheese
0 928
Terrain
0 0 1 0
Scientist
3000 900
'

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

level_scrolls_then_user_levels_won_and_lost()
{
    e2e_copy_levels
    printf '%s' "$WON_LEVEL" >"$E2E_GAME_DIR/levelmap0"
    e2e_start_game
    e2e_wait_paced
    e2e_screenshot "$(shot menu)"

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

    e2e_main_menu "Options"
    sleep 0.3
    e2e_choose "$OPTIONS_USER_LEVEL"
    e2e_wait_screen_equals "$(shot menu)" "$(shot options-left)"
    play_user_level_to won "${WON_COLOUR[@]}"
    # Without a levelmap0 the user level is empty: the rat falls five times.
    rm "$E2E_GAME_DIR/levelmap0"
    play_user_level_to lost "${LOST_COLOUR[@]}"

    e2e_quit_via_menu
    cmp -s <(printf 1) "$E2E_GAME_DIR/hiscore" || e2e_fail "hiscore holds '$(cat -A "$E2E_GAME_DIR/hiscore")', not 1"
}

e2e_case "level 1 scrolls, a user level is won with one cheese and another lost; the high score is 1" \
    level_scrolls_then_user_levels_won_and_lost
e2e_finish
