#!/usr/bin/env bash
# Takes the README's screenshots from the real game in a virtual display:
# the main menu, Rat Adventure in play and the editor on a copy of that
# level with its map of the level (Tab) open, into
# docs/screenshot-{menu,play,editor,map}.png. Needs a built game
# (./scripts/play.sh or the test build) and the test packages
# (./scripts/install-deps.sh --tests).
set -uo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${SUMPRUN_BUILD_DIR:-$repo/build}
# The end-to-end helpers start the X server and press the keys.
source "$repo/tests/e2e/lib.sh"
e2e_setup "$build/sumprun" "$build/assets" "$build/levels"

shot() { e2e_screenshot "$E2E_GAME_DIR/$1.png" && cp "$E2E_GAME_DIR/$1.png" "$repo/docs/screenshot-$1.png"; }

e2e_new_game_dir
e2e_copy_levels
cp "$E2E_GAME_DIR/levelmap1" "$E2E_GAME_DIR/levelmap0"
e2e_start_game
e2e_wait_paced
shot menu

# A few steps into the level, mid-jump over the first stretch.
e2e_main_menu "New Game"
e2e_wait_screen_changes "$E2E_GAME_DIR/menu.png" "$E2E_GAME_DIR/start.png"
e2e_hold Right 1500
e2e_key keydown Right
e2e_hold Up 300
e2e_key keyup Right
shot play
e2e_quit_play_to_menu start

# The editor, with the cursor moved down to the ground of the level.
e2e_main_menu "Level Editor"
e2e_wait_screen_changes "$E2E_GAME_DIR/menu.png" "$E2E_GAME_DIR/editor-start.png"
e2e_hold Down 2500
e2e_hold Right 800
sleep 0.5
shot editor

# The map of the whole level, the cursor moved on it to the arena's floor.
e2e_tap Tab
e2e_wait_screen_changes "$E2E_GAME_DIR/editor.png" "$E2E_GAME_DIR/map-open.png"
e2e_key keydown Shift_L
e2e_hold Right 1500
e2e_key keyup Shift_L
sleep 0.5
shot map
e2e_stop_game
echo "Screenshots written: docs/screenshot-{menu,play,editor,map}.png"
