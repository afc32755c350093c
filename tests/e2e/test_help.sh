#!/usr/bin/env bash
# The help screen shows its lines over the main menu until Enter.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

HELP_TEXT_COLOUR=(100 250 100)
HELP_LINES=5

help_shows_its_lines()
{
    e2e_start_game
    e2e_wait_paced
    local menu=$E2E_GAME_DIR/menu.png help=$E2E_GAME_DIR/help.png
    e2e_screenshot "$menu"
    local before
    before=$(e2e_count_colour "$menu" "${HELP_TEXT_COLOUR[@]}")

    e2e_main_menu "Help"
    e2e_wait_screen_differs "$menu" "$help"
    local text lines
    text=$(e2e_count_colour "$help" "${HELP_TEXT_COLOUR[@]}")
    lines=$(e2e_colour_bands "$help" "${HELP_TEXT_COLOUR[@]}")
    e2e_note "help text pixels: $text (main menu: $before), lines: $lines"
    [[ $text -ge $((before + 1000)) ]] || e2e_fail "the help screen shows too little text in its colour"
    [[ $lines -eq $HELP_LINES ]] || e2e_fail "the help screen shows $lines lines of help, expected $HELP_LINES"

    e2e_press Return
    e2e_wait_screen_equals "$menu" "$E2E_GAME_DIR/after.png"
    e2e_quit_via_menu
}

e2e_case "Help shows five lines of help and Enter returns to the menu" help_shows_its_lines
e2e_finish
