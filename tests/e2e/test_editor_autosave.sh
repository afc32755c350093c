#!/usr/bin/env bash
# The editor never loses an edit. The close button and the termination
# signals keep the edits in "levelmap0.autosave"; the next start offers them
# ("Yes" restores them, unsaved; "No" moves them to "levelmap0.discarded"),
# as does "Quit Without Saving". Then a probe: the editor killed with SIGKILL
# at a random moment of held-key editing, N times (default 20; N=100 by
# hand), must leave a whole level it held within the last 2 s, which the
# next start offers and "Yes", "Save and Quit" write to "levelmap0" exactly.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

LAUNCHES=${N:-20}
LEVEL_BEFORE='Rat\n0 900\n'
# Insert held in the top-left cell: one terrain tile of type 0.
LEVEL_EDITED='Rat\n0 900\nTerrain\n0 30 1 0\n'
STEP_MS=50
KEEP_WITHIN_MS=2000
MOST_EDITING_MS=4000

file() { echo "$E2E_GAME_DIR/$1"; }
now_ms() { echo $((${EPOCHREALTIME//[!0-9]/} / 1000)); }
holds() { cmp -s <(printf '%b' "$2") "$(file "$1")" || e2e_fail "$1 holds '$(cat -A "$(file "$1")" 2>&1 | paste -sd' ')'"; }
gone() { e2e_wait_for "$1 to go" test ! -e "$(file "$1")"; }

# Into the editor (its picture in $1.png), then, given, the answer to
# "Recover Unsaved Edits?" (0 "Yes", 1 "No").
enter_editor()
{
    e2e_start_at_menu
    e2e_main_menu "Level Editor"
    e2e_wait_screen_differs "$(e2e_shot menu)" "$(e2e_shot "$1")"
    [[ -z "${2:-}" ]] || { e2e_choose "$2"; sleep 0.5; }
}

edit_level()
{
    printf '%b' "$LEVEL_BEFORE" >"$(file levelmap0)"
    enter_editor before
    e2e_hold Insert 300
    e2e_screenshot "$(e2e_shot edited)"
}

close_then_answer()
{
    edit_level
    e2e_close_window
    e2e_expect_status 0
    holds levelmap0.autosave "$LEVEL_EDITED"
    if [[ $1 == yes ]]; then
        enter_editor recovery 0
        e2e_wait_screen_equals "$(e2e_shot edited)" "$(e2e_shot recovered)"
        holds levelmap0 "$LEVEL_BEFORE"
        e2e_leave_editor 1
        holds levelmap0 "$LEVEL_EDITED"
        gone levelmap0.autosave
    else
        enter_editor recovery 1
        e2e_wait_screen_equals "$(e2e_shot before)" "$(e2e_shot refused)"
        holds levelmap0.discarded "$LEVEL_EDITED"
        gone levelmap0.autosave
    fi
}

signals_and_quit_without_saving_keep_the_edits()
{
    local signal
    for signal in TERM INT HUP TERM-in-test-play; do
        edit_level
        [[ $signal != *play ]] || { e2e_press t; e2e_wait_screen_changes "$(e2e_shot edited)" "$(e2e_shot playing)" 10000; }
        kill -"${signal%%-*}" "$E2E_GAME_PID"
        e2e_expect_status 0
        holds levelmap0.autosave "$LEVEL_EDITED"
        rm "$(file levelmap0.autosave)"
    done
    edit_level
    e2e_leave_editor 2
    holds levelmap0.discarded "$LEVEL_EDITED"
    holds levelmap0 "$LEVEL_BEFORE"
    gone levelmap0.autosave
}

# Insert goes down, then Right too: every frame steps a cell right and
# places a tile there. The levels held are the top row filled from cell 0
# to some cell c; a step waits 50 ms, so 2 s before the kill c was at most
# 1 + (ms from Right going down to then) / 50. An autosave with at least
# that many cells, and no more than could be made at all, is a level the
# editor held within the last 2 s.
killed_while_editing()
{
    local i start killed least most last saved checked=0
    for ((i = 1; i <= LAUNCHES; i++)); do
        printf '%b' "$LEVEL_BEFORE" >"$(file levelmap0)"
        enter_editor editor
        e2e_key keydown Insert && sleep 0.2 && start=$(now_ms) && e2e_key keydown Right || e2e_fail "cannot hold keys"
        sleep "$(e2e_seconds $((RANDOM % MOST_EDITING_MS)))"
        kill -KILL "$E2E_GAME_PID"
        killed=$(($(now_ms) - start))
        wait "$E2E_GAME_PID" 2>/dev/null
        # The keys stay down in the X server after the kill; SDL2 reads them
        # as held when the next game's window gets the focus.
        xdotool keyup Right keyup Insert 2>/dev/null || e2e_fail "cannot release keys"
        least=$(((killed - KEEP_WITHIN_MS) / STEP_MS + 1)) most=$((killed / STEP_MS + 1))
        ((least > 0)) || least=0
        saved=$(file saved-$i)
        if ! cp "$(file levelmap0.autosave)" "$saved" 2>/dev/null; then
            ((killed < KEEP_WITHIN_MS - 200)) || e2e_fail "launch $i: no autosave $killed ms after the first edit"
            continue
        fi
        last=$(($(grep -c '^Terrain$' "$saved") - 1))
        cmp -s <(printf '%b' "$LEVEL_BEFORE"; for ((c = 0; c <= last; c++)); do printf 'Terrain\n%d 30 1 0\n' $c; done) \
            "$saved" || e2e_fail "launch $i: the autosave is no level the editor held: $(head -c 200 "$saved")"
        ((last >= least && last <= most)) ||
            e2e_fail "launch $i: killed $killed ms in, the autosave has cells 0 to $last, not $least to $most"
        e2e_note "launch $i: killed $killed ms in, the autosave has cells 0 to $last (of $least to $most)"
        enter_editor recovery 0
        e2e_leave_editor 1
        cmp -s "$saved" "$(file levelmap0)" || e2e_fail "launch $i: Save and Quit wrote another level"
        gone levelmap0.autosave
        e2e_stop_game
        checked=$((checked + 1))
    done
    e2e_note "$LAUNCHES launches killed; $checked autosaves checked, recovered and saved, the rest killed before one"
}

e2e_case "the close button keeps the edits; Yes restores them, Save and Quit writes them" close_then_answer yes
e2e_case "the close button keeps the edits; No moves them to levelmap0.discarded" close_then_answer no
e2e_case "SIGTERM (in the editor and in a test play), SIGINT, SIGHUP and Quit Without Saving keep the edits" signals_and_quit_without_saving_keep_the_edits
e2e_case "$LAUNCHES editors killed while editing leave a recent, whole autosave that recovery saves" killed_while_editing
e2e_finish
