#!/usr/bin/env bash
# The level editor: an author's journey through undo, redo, the rat's start,
# test plays from it and from the cursor, and the map saves exactly the
# level built to "levelmap0", while the test plays leave "hiscore" and
# "lastgame.replay" as they were. (That a saved level plays is the play
# journey's, with a "levelmap0" of its own, and the level format's unit
# tests'.)
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

PANEL_YELLOW=(255 255 5)
# The panel marks the mode (terrain, water, cheese, enemy) by the cursor
# picture over its row's right part: 24x32 at x 616, y 32 + 64 * mode.
MODE_MARK_LEFT=616
# The level the editor finds: the rat in the bottom-left cell, standing.
LEVEL_BEFORE='Rat\n0 900\n'

# The journey: every cursor move ends at an edge of the level (Shift: eight
# cells at a time), so the cells are the same however the frames fall. The
# level: terrain at the bottom-left cell, water at the bottom-right, cheese
# over the terrain, the rat starting in the top-left cell and falling onto
# the terrain.
JOURNEY_SAVED='Rat\n0 -28\nCheese\n0 960\nTerrain\n0 0 1 0\nWater\n191 0 0 0\n'

# Taps Home, which steps the mode round, until the panel marks the mode.
choose_mode()
{
    local tries part=24x32+$MODE_MARK_LEFT+$((32 + 64 * $1))
    for ((tries = 0; tries < 10; tries++)); do
        e2e_screenshot "$(e2e_shot editor)"
        [[ $(e2e_count_colour "$(e2e_shot editor)" "${PANEL_YELLOW[@]}" "$part") -lt $((24 * 32)) ]] && return 0
        e2e_tap Home
        sleep 0.15
    done
    e2e_fail "Home did not mark mode $1 in the panel"
}

# Each frame with Insert held replaces what the last one placed.
place() { e2e_hold Insert 300; }

# Shift and an arrow held until the cursor stands at that edge.
shift_to_edge()
{
    e2e_key keydown Shift_L
    e2e_hold "$1" 3000
    e2e_key keyup Shift_L
}

# Return, which play ignores, acknowledges "You Are Dead" once it shows;
# true once the editor's picture is back.
acknowledge_loss() { e2e_press Return; sleep 1; e2e_screen_equals "$1" "$(e2e_shot back)"; }

level_is_built_undone_tried_and_saved()
{
    printf '%b' "$LEVEL_BEFORE" >"$E2E_GAME_DIR/levelmap0"
    printf 3 >"$E2E_GAME_DIR/hiscore"
    echo "# not touched by a test play" >"$E2E_GAME_DIR/lastgame.replay"
    cp "$E2E_GAME_DIR/hiscore" "$E2E_GAME_DIR/lastgame.replay" "$E2E_WORK/"
    e2e_start_at_menu
    e2e_main_menu "Level Editor"
    e2e_wait_screen_differs "$(e2e_shot menu)" "$(e2e_shot editor)"

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
    e2e_screenshot "$(e2e_shot before-t)"
    e2e_press t
    e2e_wait_screen_changes "$(e2e_shot before-t)" "$(e2e_shot playing)"
    sleep 1
    e2e_quit_play_to_menu playing before-t

    # From the top-right cell the rat falls through the water: every life
    # is lost, and Return after "You Are Dead" is back in the editor.
    shift_to_edge Right
    e2e_screenshot "$(e2e_shot before-shift-t)"
    e2e_press shift+t
    e2e_wait_screen_changes "$(e2e_shot before-shift-t)" "$(e2e_shot falling)"
    e2e_poll 90 acknowledge_loss "$(e2e_shot before-shift-t)" || e2e_fail "no editor after the loss"

    # Across the level on the map, to the bottom-left cell: cheese there.
    e2e_press Tab
    e2e_wait_screen_differs "$(e2e_shot before-shift-t)" "$(e2e_shot map)"
    shift_to_edge Left
    shift_to_edge Down
    e2e_press Return
    choose_mode 2
    place

    e2e_leave_editor 1 # "Save and Quit"
    cmp -s <(printf '%b' "$JOURNEY_SAVED") "$E2E_GAME_DIR/levelmap0" ||
        e2e_fail "levelmap0 holds $(cat -A "$E2E_GAME_DIR/levelmap0" | paste -sd' '), not $JOURNEY_SAVED"
    e2e_quit_via_menu
    for file in hiscore lastgame.replay; do
        cmp -s "$E2E_WORK/$file" "$E2E_GAME_DIR/$file" || e2e_fail "$file changed"
    done
}

e2e_case "a level built, undone, redone, tried from the start and the cursor, crossed on the map and saved" \
    level_is_built_undone_tried_and_saved
e2e_finish
