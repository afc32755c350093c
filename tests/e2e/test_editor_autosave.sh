#!/usr/bin/env bash
# The editor never loses an edit: the window's close button and the
# termination signals keep the edits in "levelmap0.autosave", the next
# start offers them back ("Yes" restores them, "No" keeps them as
# "levelmap0.discarded"), and "Quit Without Saving" keeps them there too.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

EDITOR_SAVE_AND_QUIT=1
EDITOR_QUIT_WITHOUT_SAVING=2
RECOVER_YES=0
RECOVER_NO=1
LEVEL_BEFORE='Rat\n0 900\n'
# Insert held in the top-left cell: one terrain tile of type 0.
LEVEL_EDITED='Rat\n0 900\nTerrain\n0 30 1 0\n'

shot() { echo "$E2E_GAME_DIR/$1.png"; }
file() { echo "$E2E_GAME_DIR/$1"; }

holds() { cmp -s <(printf '%b' "$2") "$(file "$1")" || e2e_fail "$1 holds '$(cat -A "$(file "$1")" 2>&1 | paste -sd' ')'"; }
absent() { [[ ! -e "$(file "$1")" ]] || e2e_fail "$1 is still there"; }

# A start into the editor; the first start of a case keeps pictures of the
# main menu and of the editor on the level as it was.
start_into_editor()
{
    e2e_start_game
    e2e_wait_paced
    e2e_screenshot "$(shot menu)"
    e2e_main_menu "Level Editor"
    e2e_wait_screen_differs "$(shot menu)" "$(shot "${1:-entered}")"
}

edit_level()
{
    printf '%b' "$LEVEL_BEFORE" >"$(file levelmap0)"
    start_into_editor editor-before
    e2e_hold Insert 300
    e2e_screenshot "$(shot edited)"
}

# Back in the editor with the recovery dialog's answer given.
restart_and_answer()
{
    start_into_editor recovery
    e2e_choose "$1"
    sleep 0.5
}

close_then_recover_yes()
{
    edit_level
    e2e_close_window
    e2e_expect_status 0
    holds levelmap0.autosave "$LEVEL_EDITED"
    holds levelmap0 "$LEVEL_BEFORE"
    restart_and_answer "$RECOVER_YES"
    e2e_wait_screen_equals "$(shot edited)" "$(shot recovered)"
    holds levelmap0 "$LEVEL_BEFORE"
    e2e_press Escape
    sleep 0.5
    e2e_choose "$EDITOR_SAVE_AND_QUIT"
    e2e_wait_screen_equals "$(shot menu)" "$(shot menu-after)"
    holds levelmap0 "$LEVEL_EDITED"
    absent levelmap0.autosave
    e2e_quit_via_menu
}

close_then_recover_no()
{
    edit_level
    e2e_close_window
    e2e_expect_status 0
    restart_and_answer "$RECOVER_NO"
    e2e_wait_screen_equals "$(shot editor-before)" "$(shot refused)"
    holds levelmap0.discarded "$LEVEL_EDITED"
    absent levelmap0.autosave
    e2e_press Escape
    sleep 0.5
    e2e_choose "$EDITOR_QUIT_WITHOUT_SAVING"
    e2e_wait_screen_equals "$(shot menu)" "$(shot menu-after)"
    holds levelmap0.discarded "$LEVEL_EDITED"
    holds levelmap0 "$LEVEL_BEFORE"
    e2e_quit_via_menu
}

signals_keep_the_edits()
{
    local signal
    for signal in TERM INT HUP; do
        rm -f "$(file levelmap0.autosave)"
        edit_level
        kill -"$signal" "$E2E_GAME_PID"
        e2e_expect_status 0
        holds levelmap0.autosave "$LEVEL_EDITED"
        holds levelmap0 "$LEVEL_BEFORE"
    done
}

quit_without_saving_keeps_them_aside()
{
    edit_level
    e2e_press Escape
    sleep 0.5
    e2e_choose "$EDITOR_QUIT_WITHOUT_SAVING"
    e2e_wait_screen_equals "$(shot menu)" "$(shot menu-after)"
    holds levelmap0.discarded "$LEVEL_EDITED"
    absent levelmap0.autosave
    holds levelmap0 "$LEVEL_BEFORE"
    e2e_quit_via_menu
}

e2e_case "the close button keeps the edits; Yes restores them and Save and Quit writes them" close_then_recover_yes
e2e_case "the close button keeps the edits; No keeps them as levelmap0.discarded" close_then_recover_no
e2e_case "SIGTERM, SIGINT and SIGHUP in the editor keep the edits" signals_keep_the_edits
e2e_case "Quit Without Saving keeps the edits as levelmap0.discarded" quit_without_saving_keeps_them_aside
e2e_finish
