#!/usr/bin/env bash
# The autosave under SIGKILL: the editor, editing with held keys, is killed
# at a random moment, N times (default 20; N=100 by hand). Each time the
# autosave must be a whole level, one the editor held within the last 2 s;
# the next start must offer it, and "Yes" then "Save and Quit" must write
# exactly that level to "levelmap0".
#
# Insert goes down first, placing a terrain tile in the top-left cell; then
# Right is held too, so every frame steps one cell right and places there.
# The levels the editor holds are the top row filled from cell 0 to cell c,
# and since a step waits 50 ms, c is at most 1 + (ms since Right went
# down) / 50: a level held 2 s before the kill has no more cells than that,
# and an autosave with at least as many is one held within the last 2 s.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

LAUNCHES=${N:-20}
LEVEL_BEFORE='Rat\n0 900\n'
STEP_MS=50
KEEP_WITHIN_MS=2000
# Long enough to need several writes, short enough that a busy machine's
# slower frames still step the cursor often enough for the bound above.
MOST_EDITING_MS=4000

file() { echo "$E2E_GAME_DIR/$1"; }
now_ms() { echo $((${EPOCHREALTIME//[!0-9]/} / 1000)); }

# The level with cells 0 to c of the top row filled with terrain type 0.
level_with_cells()
{
    local i
    printf '%b' "$LEVEL_BEFORE"
    for ((i = 0; i <= $1; i++)); do printf 'Terrain\n%d 30 1 0\n' "$i"; done
}

# The last cell of the autosave when it is one of those levels, exactly.
cells_in_autosave()
{
    local saved=$1 last
    last=$(grep -c '^Terrain$' "$saved")
    ((last > 0)) || return 1
    cmp -s <(level_with_cells $((last - 1))) "$saved" && echo $((last - 1))
}

start_into_editor()
{
    e2e_start_game
    e2e_wait_paced
    [[ -f "$(file menu.png)" ]] || e2e_screenshot "$(file menu.png)"
    e2e_wait_screen_equals "$(file menu.png)" "$(file launch.png)"
    e2e_main_menu "Level Editor"
    e2e_wait_screen_differs "$(file menu.png)" "$(file editor.png)"
}

# Edits until a random moment, then SIGKILL; sets KILLED_AFTER (ms since
# Right went down), MOST_CELLS (the cells the editor can have had at the
# kill) and CELLS_2S_BEFORE (the most it can have had 2 s before).
edit_then_kill()
{
    local start killed
    e2e_key keydown Insert || e2e_fail "cannot press Insert"
    sleep 0.2
    start=$(now_ms)
    e2e_key keydown Right || e2e_fail "cannot press Right"
    sleep "$(e2e_seconds $((RANDOM % MOST_EDITING_MS)))"
    kill -KILL "$E2E_GAME_PID"
    killed=$(now_ms)
    wait "$E2E_GAME_PID" 2>/dev/null
    KILLED_AFTER=$((killed - start))
    MOST_CELLS=$((KILLED_AFTER / STEP_MS + 1))
    CELLS_2S_BEFORE=$(((KILLED_AFTER - KEEP_WITHIN_MS) / STEP_MS + 1))
    ((CELLS_2S_BEFORE < 0)) && CELLS_2S_BEFORE=0
}

recover_and_save()
{
    start_into_editor
    e2e_choose 0 # "Recover Unsaved Edits?" "Yes"
    sleep 0.3
    e2e_press Escape
    sleep 0.3
    e2e_choose 1 # "Save and Quit"
    e2e_wait_for "levelmap0 to be saved" cmp -s "$1" "$(file levelmap0)"
    e2e_wait_for "the autosave to be removed after Save and Quit" test ! -e "$(file levelmap0.autosave)"
    e2e_stop_game
}

killed_edits_are_kept_and_recovered()
{
    local i cells kept=0 none=0
    for ((i = 1; i <= LAUNCHES; i++)); do
        printf '%b' "$LEVEL_BEFORE" >"$(file levelmap0)"
        start_into_editor
        edit_then_kill
        if [[ ! -e "$(file levelmap0.autosave)" ]]; then
            ((KILLED_AFTER < KEEP_WITHIN_MS - 200)) ||
                e2e_fail "launch $i: no autosave $KILLED_AFTER ms after the first edit"
            none=$((none + 1))
            continue
        fi
        cp "$(file levelmap0.autosave)" "$(file saved-$i)"
        cells=$(cells_in_autosave "$(file saved-$i)") ||
            e2e_fail "launch $i: the autosave is no level the editor held: $(head -c 300 "$(file saved-$i)" | paste -sd' ')"
        ((cells >= CELLS_2S_BEFORE && cells <= MOST_CELLS)) || e2e_fail "launch $i: the autosave has cells 0 to" \
            "$cells; killed $KILLED_AFTER ms in, it needs at least $CELLS_2S_BEFORE and at most $MOST_CELLS"
        e2e_note "launch $i: killed after $KILLED_AFTER ms, the autosave holds cells 0 to $cells" \
            "(at least $CELLS_2S_BEFORE needed, at most $MOST_CELLS possible)"
        recover_and_save "$(file saved-$i)"
        kept=$((kept + 1))
    done
    e2e_note "$LAUNCHES launches killed: $kept autosaves checked, recovered and saved; $none killed before the first write"
}

e2e_case "$LAUNCHES editors killed while editing: the autosave is recent, whole and recovered" \
    killed_edits_are_kept_and_recovered
e2e_finish
