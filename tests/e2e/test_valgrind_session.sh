#!/usr/bin/env bash
# A whole session of the real program under valgrind: the menus, a game,
# the editor with a save, and quitting. Nothing the game allocated may be
# left definitely lost at exit. Skipped when valgrind is not installed, and
# in the second run on another SDL 1.2 library.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

command -v valgrind >/dev/null 2>&1 || { echo "SKIP: no valgrind (./scripts/install-deps.sh --tests)"; exit 77; }
# The game's own memory is judged on the classic library. Under another one
# (sdl12-compat) SDL2, D-Bus and Mesa leak at exit by themselves, on stacks
# that pass through the game's calls into SDL.
[[ -z "$SUMPRUN_E2E_SDL_DIR" ]] || { echo "SKIP: the leak check runs on the classic SDL 1.2 only"; exit 77; }

# Everything runs many times slower under valgrind.
E2E_START_TIMEOUT=180
E2E_EXIT_TIMEOUT=180
E2E_WAIT_SECONDS=60
E2E_DIALOG_SECONDS=1

# Prints the definitely-lost records of a valgrind log whose call stacks
# pass through the game's own code: a frame of a function defined in one of
# our source folders. Leaks inside system libraries that the game cannot
# free are listed, with the reason, in tests/valgrind.supp.
our_lost_records()
{
    local sources
    sources=$(cd "$(dirname "$0")/../.." && ls toolkit app world enemies play editor | grep -E '\.cpp$' | paste -sd'|')
    awk -v ours="\\((${sources}):[0-9]+\\)" '
        /are definitely lost in loss record/ { record = $0 "\n"; inRecord = 1; mine = 0; next }
        inRecord && /^==[0-9]+== *$/ { if (mine) printf "%s", record; inRecord = 0; next }
        inRecord { record = record $0 "\n"; if ($0 ~ ours) mine = 1 }' "$1"
}

whole_session()
{
    e2e_copy_levels
    e2e_start_at_menu valgrind --leak-check=full --show-leak-kinds=definite --num-callers=40 \
        --suppressions="$(realpath "$(dirname "$0")/../valgrind.supp")" --log-file="$E2E_GAME_DIR.valgrind" "$E2E_BIN"

    # A game: a few steps right, then pause, "Quit to Menu", "Yes".
    e2e_main_menu "New Game"
    e2e_wait_screen_changes "$(e2e_shot menu)" "$(e2e_shot play)"
    e2e_hold Right 1500
    e2e_screenshot "$(e2e_shot play)"
    e2e_quit_play_to_menu play

    # The editor: place a tile, "Save and Quit".
    e2e_main_menu "Level Editor"
    e2e_wait_screen_changes "$(e2e_shot menu)" "$(e2e_shot editor)"
    e2e_tap Insert 1000
    sleep 1
    e2e_leave_editor 1
    [[ -s "$E2E_GAME_DIR/levelmap0" ]] || e2e_fail "Save and Quit wrote no levelmap0"
    e2e_quit_via_menu

    local log=$E2E_GAME_DIR.valgrind ours
    grep -q 'definitely lost:' "$log" || e2e_fail "valgrind wrote no leak summary: $(tail -n 5 "$log")"
    e2e_note "valgrind: $(grep -E 'definitely lost:|ERROR SUMMARY' "$log" | sed 's/^==[0-9]*== *//' | paste -sd';')"
    ours=$(our_lost_records "$log")
    [[ -z "$ours" ]] || e2e_fail "memory the game allocated is definitely lost at exit:
$ours"
}

e2e_case "a whole session under valgrind loses no memory of the game's own" whole_session
e2e_finish
