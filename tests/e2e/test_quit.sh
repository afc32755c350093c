#!/usr/bin/env bash
# Leaving the program from the main menu: the quit dialog and window closing.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

open_quit_dialog()
{
    e2e_start_game
    e2e_wait_paced
    e2e_screenshot "$E2E_GAME_DIR/menu.png"
    e2e_main_menu "Quit"
    e2e_wait_screen_differs "$E2E_GAME_DIR/menu.png" "$E2E_GAME_DIR/dialog.png"
}

no_returns_to_menu()
{
    open_quit_dialog
    e2e_choose 0
    e2e_wait_screen_equals "$E2E_GAME_DIR/menu.png" "$E2E_GAME_DIR/after.png"
    sleep 0.5
    e2e_game_running || e2e_fail "the game ended after No"
    [[ "$(e2e_caption)" == "Now running at "* ]] || e2e_fail "the menu no longer runs paced frames"
    # The menu still answers: it can be left the ordinary way.
    e2e_quit_via_menu
}

yes_ends_program()
{
    open_quit_dialog
    e2e_choose 1
    e2e_expect_status 0
}

close_in_dialog_ends_program()
{
    open_quit_dialog
    e2e_close_window
    e2e_expect_status 0
}

close_in_menu_is_ignored()
{
    e2e_start_game
    e2e_wait_paced
    e2e_screenshot "$E2E_GAME_DIR/menu.png"
    e2e_close_window
    sleep 1
    e2e_game_running || e2e_fail "closing the window in the main menu ended the game"
    e2e_screenshot "$E2E_GAME_DIR/after.png"
    [[ $(e2e_diff_count "$E2E_GAME_DIR/menu.png" "$E2E_GAME_DIR/after.png") -eq 0 ]] \
        || e2e_fail "the main menu changed after the close request"
    e2e_quit_via_menu
}

e2e_case "Quit then No keeps the main menu" no_returns_to_menu
e2e_case "Quit then Yes ends the program with status 0" yes_ends_program
e2e_case "closing the window while the quit dialog is up ends the program" close_in_dialog_ends_program
e2e_case "closing the window in the main menu is ignored" close_in_menu_is_ignored
e2e_finish
