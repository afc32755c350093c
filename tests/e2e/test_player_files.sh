#!/usr/bin/env bash
# The player's own files in the game folder: a FIFO where "hiscore" or
# "levelmap0" should be blocks nothing and is left as it is (play loads the
# level as the editor does); a "hiscore" that is a link is written through
# to its target.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

fifos_block_nothing()
{
    mkfifo "$E2E_GAME_DIR/hiscore" "$E2E_GAME_DIR/levelmap0" || e2e_fail "cannot make the FIFOs"
    e2e_start_game
    e2e_wait_paced
    local shots=$E2E_GAME_DIR
    e2e_screenshot "$shots/menu.png"
    # The editor says the level was only partly read before editing starts.
    e2e_main_menu "Level Editor"
    e2e_wait_screen_differs "$shots/menu.png" "$shots/partly-read.png"
    e2e_press Return
    e2e_wait_screen_differs "$shots/partly-read.png" "$shots/editor.png"
    e2e_press p
    e2e_wait_screen_differs "$shots/editor.png" "$shots/quit-editor.png"
    e2e_choose 2
    e2e_wait_screen_equals "$shots/menu.png" "$shots/menu-last.png"
    e2e_quit_via_menu
    [[ -p "$E2E_GAME_DIR/hiscore" && -p "$E2E_GAME_DIR/levelmap0" ]] || e2e_fail "a FIFO was replaced"
}

linked_hiscore_is_written_through()
{
    mkdir "$E2E_GAME_DIR/scores"
    printf '42' >"$E2E_GAME_DIR/scores/best"
    ln -s scores/best "$E2E_GAME_DIR/hiscore"
    e2e_start_game
    e2e_wait_paced
    e2e_quit_via_menu
    [[ -L "$E2E_GAME_DIR/hiscore" ]] || e2e_fail "the hiscore link was replaced by a file"
    cmp -s <(printf '42') "$E2E_GAME_DIR/scores/best" || e2e_fail "the link's target holds '$(cat "$E2E_GAME_DIR/scores/best")'"
}

e2e_case "FIFOs named hiscore and levelmap0 block neither start-up nor the editor" fifos_block_nothing
e2e_case "a hiscore that is a link is written through to its target" linked_hiscore_is_written_through
e2e_finish
