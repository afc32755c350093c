#!/usr/bin/env bash
# The high-score file is read at start and written back at a normal exit.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

# before: the file's contents, with \n for a newline, or "missing"; after: what
# a normal run must leave in it, exactly.
hiscore_after_run()
{
    local before=$1 after=$2
    if [[ "$before" != missing ]]; then
        printf '%b' "$before" >"$E2E_GAME_DIR/hiscore"
    fi
    e2e_start_game
    e2e_wait_paced
    e2e_quit_via_menu
    [[ -f "$E2E_GAME_DIR/hiscore" ]] || e2e_fail "no hiscore file after a normal exit"
    local left
    left=$(od -An -c "$E2E_GAME_DIR/hiscore" | tr -s ' ')
    cmp -s <(printf '%s' "$after") "$E2E_GAME_DIR/hiscore" \
        || e2e_fail "hiscore holds '$left', expected exactly '$after'"
}

e2e_case "without a hiscore file the game leaves one holding 0" hiscore_after_run missing 0
e2e_case "a hiscore of '  42\\n' is written back as 42" hiscore_after_run '  42\n' 42
e2e_case "a hiscore of '-7' is written back as -7" hiscore_after_run '-7' -7
e2e_case "a hiscore of 'abc' is written back as 0" hiscore_after_run 'abc' 0
e2e_case "an empty hiscore file is written back as 0" hiscore_after_run '' 0
e2e_finish
