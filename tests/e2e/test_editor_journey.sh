#!/usr/bin/env bash
# A level author's journey through the editor's undo, redo, rat start, test
# plays and map: the saved "levelmap0" must be exactly the level built, and
# the test plays must leave "hiscore" and "lastgame.replay" as they were.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

EDITOR_SAVE_AND_QUIT=1
PAUSE_QUIT=1
QUIT_YES=1
PANEL_YELLOW=(255 255 5)
MODE_MARK_LEFT=616
# Every cursor move below ends at an edge of the level (Shift: eight cells
# at a time), so the cells are the same however the frames fall. The
# level: terrain (type 0, solid on top) at the bottom-left cell, water at
# the bottom-right, cheese over the terrain, the rat starting in the
# top-left cell and falling onto the terrain.
LEVEL_SAVED='Rat\n0 -28\nCheese\n0 960\nTerrain\n0 0 1 0\nWater\n191 0 0 0\n'
HISCORE=3
REPLAY='# not touched by a test play\n'

shot() { echo "$E2E_GAME_DIR/$1.png"; }

# Taps Home, which steps the mode round, until the panel marks the mode.
choose_mode()
{
    local tries part=24x32+$MODE_MARK_LEFT+$((32 + 64 * $1))
    for ((tries = 0; tries < 10; tries++)); do
        e2e_screenshot "$(shot mode)"
        [[ $(e2e_count_colour "$(shot mode)" "${PANEL_YELLOW[@]}" "$part") -lt $((24 * 32)) ]] && return 0
        e2e_tap Home
        sleep 0.15
    done
    e2e_fail "Home did not mark mode $1 in the panel"
}

# Shift and an arrow held until the cursor stands at that edge.
to_edge()
{
    e2e_key keydown Shift_L
    e2e_hold "$1" 3000
    e2e_key keyup Shift_L
}

hold() { e2e_hold "$1" 300; }

# Presses a key (xdotool's name, modifiers included) once, as one event.
once()
{
    e2e_tap "$1"
    sleep 0.2
}

# Returns to the editor's picture from a test play that ends in a loss:
# Return, which play ignores, acknowledges "You Are Dead" once it shows.
back_after_loss()
{
    local tries
    for ((tries = 0; tries < 90; tries++)); do
        e2e_screen_equals "$1" "$(shot back)" && return 0
        e2e_press Return
        sleep 1
    done
    e2e_fail "the editor did not come back after the loss ($(e2e_diff_count "$1" "$(shot back)") pixels differ)"
}

level_is_built_undone_tried_and_saved()
{
    printf 'Rat\n0 900\n' >"$E2E_GAME_DIR/levelmap0"
    printf '%s' "$HISCORE" >"$E2E_GAME_DIR/hiscore"
    printf '%b' "$REPLAY" >"$E2E_GAME_DIR/lastgame.replay"
    e2e_start_game
    e2e_wait_paced
    e2e_screenshot "$(shot menu)"
    e2e_main_menu "Level Editor"
    e2e_wait_screen_differs "$(shot menu)" "$(shot editor)"

    # Terrain bottom-left, water bottom-right; then the mistake, a Delete
    # of the terrain, undone, redone and undone again: the terrain comes
    # back first in its list, where it was.
    to_edge Down
    hold Insert
    choose_mode 1
    to_edge Right
    hold Insert
    to_edge Left
    hold Delete
    once ctrl+z       # the terrain back
    once ctrl+y       # gone again
    once ctrl+shift+z # nothing left to redo
    once ctrl+z       # the terrain back
    once ctrl+z       # the water gone
    once ctrl+shift+z # the water back; the cursor on its cell

    # The rat's start in the top-left cell; a test play from it, left
    # through the pause menu.
    to_edge Up
    to_edge Left
    once r
    e2e_screenshot "$(shot before-t)"
    once t
    e2e_wait_screen_changes "$(shot before-t)" "$(shot playing)"
    sleep 1
    e2e_press Escape
    sleep 0.3
    e2e_choose "$PAUSE_QUIT"
    sleep 0.3
    e2e_choose "$QUIT_YES"
    e2e_wait_screen_equals "$(shot before-t)" "$(shot after-t)"

    # From the top-right cell the rat falls through the water: every life
    # is lost, and Return after "You Are Dead" is back in the editor.
    to_edge Right
    e2e_screenshot "$(shot before-shift-t)"
    once shift+t
    e2e_wait_screen_changes "$(shot before-shift-t)" "$(shot falling)"
    back_after_loss "$(shot before-shift-t)"

    # Across the level on the map, to the bottom-left cell: cheese there.
    once Tab
    e2e_wait_screen_differs "$(shot before-shift-t)" "$(shot map)"
    to_edge Left
    to_edge Down
    once Return
    choose_mode 2
    hold Insert

    e2e_screenshot "$(shot edited)"
    e2e_press Escape
    e2e_wait_screen_differs "$(shot edited)" "$(shot quit-editor)"
    e2e_choose "$EDITOR_SAVE_AND_QUIT"
    e2e_wait_screen_equals "$(shot menu)" "$(shot menu-after-editor)"
    cmp -s <(printf '%b' "$LEVEL_SAVED") "$E2E_GAME_DIR/levelmap0" \
        || e2e_fail "levelmap0 holds $(cat -A "$E2E_GAME_DIR/levelmap0" | paste -sd' '), not $LEVEL_SAVED"
    e2e_quit_via_menu
    [[ "$(cat "$E2E_GAME_DIR/hiscore")" == "$HISCORE" ]] || e2e_fail "hiscore changed"
    cmp -s <(printf '%b' "$REPLAY") "$E2E_GAME_DIR/lastgame.replay" || e2e_fail "lastgame.replay changed"
}

e2e_case "a level built, undone, redone, tried from the start and the cursor, crossed on the map and saved" \
    level_is_built_undone_tried_and_saved
e2e_finish
