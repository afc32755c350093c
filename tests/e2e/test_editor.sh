#!/usr/bin/env bash
# The level editor: a level edited with the keys is saved to "levelmap0",
# exactly, and then plays; and an author's journey through undo, redo, the
# rat's start, test plays and the map saves exactly the level built, while
# the test plays leave "hiscore" and "lastgame.replay" as they were.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

OPTIONS_USER_LEVEL=2
EDITOR_SAVE_AND_QUIT=1
PANEL_YELLOW=(255 255 5)
# The panel marks the mode (terrain, water, cheese, enemy) by the cursor
# picture over its row's right part: 24x32 at x 616, y 32 + 64 * mode.
MODE_MARK_LEFT=616
# The level the editor finds: the rat in the bottom-left cell, standing.
LEVEL_BEFORE='Rat\n0 900\n'
# What the editing below leaves: a platform (terrain type 0) under the rat,
# and water and cheese in the top-left cell.
LEVEL_AFTER='Rat\n0 900\nCheese\n0 0\nTerrain\n0 0 1 0\nWater\n0 30 0 0\n'
# The view rests on the bottom of the level, 992 - 480 pixels down: the
# rat (40 x 60, pink ears, nose and tail) stands at screen y 388.
RAT_PINK=(222 112 134)
RAT_ON_FLOOR=40x60+0+388

# The journey: every cursor move ends at an edge of the level (Shift: eight
# cells at a time), so the cells are the same however the frames fall. The
# level: terrain at the bottom-left cell, water at the bottom-right, cheese
# over the terrain, the rat starting in the top-left cell and falling onto
# the terrain.
JOURNEY_SAVED='Rat\n0 -28\nCheese\n0 960\nTerrain\n0 0 1 0\nWater\n191 0 0 0\n'

shot() { echo "$E2E_GAME_DIR/$1.png"; }

# Taps Home, which steps the mode round, until the panel marks the mode.
choose_mode()
{
    local tries part=24x32+$MODE_MARK_LEFT+$((32 + 64 * $1))
    for ((tries = 0; tries < 10; tries++)); do
        e2e_screenshot "$(shot editor)"
        [[ $(e2e_count_colour "$(shot editor)" "${PANEL_YELLOW[@]}" "$part") -lt $((24 * 32)) ]] && return 0
        e2e_tap Home
        sleep 0.15
    done
    e2e_fail "Home did not mark mode $1 in the panel"
}

# Holding an arrow past the level's edge is harmless: the cursor stops
# there. Each step takes a frame and a 50 ms wait: 31 rows, well within 5 s.
to_edge() { e2e_hold "$1" 5000; }

# Each frame with Insert held replaces what the last one placed.
place() { e2e_hold Insert 300; }

# The rat shows whole at its place on two screenshots half a second apart:
# it stands on the floor from the file rather than falls or glides.
rat_standing()
{
    local n there
    for n in 1 2; do
        e2e_screenshot "$(shot landed)"
        there=$(e2e_count_colour "$(shot landed)" "${RAT_PINK[@]}" "$RAT_ON_FLOOR")
        [[ $there -gt 0 && $there -eq $(e2e_count_colour "$(shot landed)" "${RAT_PINK[@]}") ]] || return 1
        [[ $n -eq 2 ]] || sleep 0.5
    done
}

# From the editor, "Save and Quit"; levelmap0 must then hold exactly $1.
save_and_expect()
{
    e2e_screenshot "$(shot edited)"
    e2e_press Escape
    e2e_wait_screen_differs "$(shot edited)" "$(shot quit-editor)"
    e2e_choose "$EDITOR_SAVE_AND_QUIT"
    e2e_wait_screen_equals "$(shot menu)" "$(shot menu-after-editor)"
    cmp -s <(printf '%b' "$1") "$E2E_GAME_DIR/levelmap0" \
        || e2e_fail "levelmap0 holds $(cat -A "$E2E_GAME_DIR/levelmap0" | paste -sd' '), not $1"
}

edited_level_is_saved_exactly_and_played()
{
    printf '%b' "$LEVEL_BEFORE" >"$E2E_GAME_DIR/levelmap0"
    e2e_start_game
    e2e_wait_paced
    e2e_screenshot "$(shot menu)"
    e2e_main_menu "Level Editor"
    e2e_wait_screen_differs "$(shot menu)" "$(shot editor)"
    to_edge Down
    place
    to_edge Up
    choose_mode 1
    place
    choose_mode 2
    place
    save_and_expect "$LEVEL_AFTER"

    e2e_main_menu "Options"
    sleep 0.3
    e2e_choose "$OPTIONS_USER_LEVEL"
    e2e_wait_screen_equals "$(shot menu)" "$(shot options-left)"
    e2e_main_menu "New Game"
    e2e_wait_for "the rat standing on the floor built in the editor" rat_standing
    e2e_quit_play_to_menu landed
    e2e_quit_via_menu
}

# Shift and an arrow held until the cursor stands at that edge.
shift_to_edge()
{
    e2e_key keydown Shift_L
    e2e_hold "$1" 3000
    e2e_key keyup Shift_L
}

# Return, which play ignores, acknowledges "You Are Dead" once it shows;
# true once the editor's picture is back.
acknowledge_loss() { e2e_press Return; sleep 1; e2e_screen_equals "$1" "$(shot back)"; }

level_is_built_undone_tried_and_saved()
{
    printf '%b' "$LEVEL_BEFORE" >"$E2E_GAME_DIR/levelmap0"
    printf 3 >"$E2E_GAME_DIR/hiscore"
    echo "# not touched by a test play" >"$E2E_GAME_DIR/lastgame.replay"
    cp "$E2E_GAME_DIR/hiscore" "$E2E_GAME_DIR/lastgame.replay" "$E2E_WORK/"
    e2e_start_game
    e2e_wait_paced
    e2e_screenshot "$(shot menu)"
    e2e_main_menu "Level Editor"
    e2e_wait_screen_differs "$(shot menu)" "$(shot editor)"

    # Terrain bottom-left, water bottom-right; then the mistake, a Delete
    # of the terrain, undone, redone and undone again: the terrain comes
    # back first in its list, where it was.
    shift_to_edge Down
    place
    choose_mode 1
    shift_to_edge Right
    place
    shift_to_edge Left
    e2e_hold Delete 300
    e2e_press ctrl+z # the terrain back
    e2e_press ctrl+y # gone again
    e2e_press ctrl+z # the terrain back
    e2e_press ctrl+z # the water gone
    e2e_press ctrl+shift+z # the water back; the cursor on its cell

    # The rat's start in the top-left cell; a test play from it, left
    # through the pause menu.
    shift_to_edge Up
    shift_to_edge Left
    e2e_press r
    e2e_screenshot "$(shot before-t)"
    e2e_press t
    e2e_wait_screen_changes "$(shot before-t)" "$(shot playing)"
    sleep 1
    e2e_press Escape
    sleep 0.3
    e2e_choose 1 # "Quit to Menu"
    sleep 0.3
    e2e_choose 1 # "Yes"
    e2e_wait_screen_equals "$(shot before-t)" "$(shot after-t)"

    # From the top-right cell the rat falls through the water: every life
    # is lost, and Return after "You Are Dead" is back in the editor.
    shift_to_edge Right
    e2e_screenshot "$(shot before-shift-t)"
    e2e_press shift+t
    e2e_wait_screen_changes "$(shot before-shift-t)" "$(shot falling)"
    e2e_poll 90 acknowledge_loss "$(shot before-shift-t)" || e2e_fail "no editor after the loss"

    # Across the level on the map, to the bottom-left cell: cheese there.
    e2e_press Tab
    e2e_wait_screen_differs "$(shot before-shift-t)" "$(shot map)"
    shift_to_edge Left
    shift_to_edge Down
    e2e_press Return
    choose_mode 2
    place

    save_and_expect "$JOURNEY_SAVED"
    e2e_quit_via_menu
    for file in hiscore lastgame.replay; do
        cmp -s "$E2E_WORK/$file" "$E2E_GAME_DIR/$file" || e2e_fail "$file changed"
    done
}

e2e_case "a level edited with the keys is saved to levelmap0 exactly and plays" edited_level_is_saved_exactly_and_played
e2e_case "a level built, undone, redone, tried from the start and the cursor, crossed on the map and saved" \
    level_is_built_undone_tried_and_saved
e2e_finish
