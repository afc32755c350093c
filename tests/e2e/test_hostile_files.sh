#!/usr/bin/env bash
# Files that are not what the game expects: FIFOs where its level, settings,
# high score or a replay belong. Nothing may wait on one: every case
# answers within 5 s, and the game itself still ends cleanly (status 0) on
# SIGTERM.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

REPLAY_TOOL=$(dirname "$E2E_BIN")/tools/replay/sumprun-replay
ANSWER=5 # seconds
# The window, each picture waited for and the game's end: all within that.
E2E_START_TIMEOUT=$ANSWER E2E_WAIT_SECONDS=$ANSWER E2E_EXIT_TIMEOUT=$ANSWER

# Starts the game (with arguments, those) with a FIFO at each name in
# FIFOS, and waits for its main loop and its first picture ("menu.png"): a
# FIFO "settings" would hang it before.
start_with_fifos()
{
    local name
    for name in ${FIFOS:-}; do mkfifo "$E2E_GAME_DIR/$name" || e2e_fail "cannot make a FIFO $name"; done
    e2e_start_at_menu "$E2E_BIN" "$@"
}

# SIGTERM ends the game within 5 s with status 0, the FIFOs left as they
# were and each line of the log holding one of the words given.
terminate_cleanly()
{
    kill -TERM "$E2E_GAME_PID"
    e2e_expect_status 0
    local name
    for name in ${FIFOS:-}; do [[ -p "$E2E_GAME_DIR/$name" ]] || e2e_fail "$name is no longer a FIFO"; done
    said "$@"
}

# The log is one line for each of the words given, holding them.
said()
{
    [[ $(wc -l <"$E2E_GAME_LOG") -eq $# ]] || e2e_fail "not $# lines from the game"
    local words
    for words in "$@"; do grep -qF -- "$words" "$E2E_GAME_LOG" || e2e_fail "the game did not say '$words'"; done
}

new_game_on_a_fifo_level()
{
    e2e_copy_levels
    FIFOS=levelmap0 start_with_fifos
    e2e_option 2 # "Play User Designed Level"
    e2e_wait_screen_equals "$(e2e_shot menu)" "$(e2e_shot options-left)"
    e2e_main_menu "New Game"
    e2e_wait_screen_changes "$(e2e_shot menu)" "$(e2e_shot play)"
    FIFOS=levelmap0 terminate_cleanly
}

editor_on_fifo_level_settings_and_high_score()
{
    FIFOS="levelmap0 settings hiscore" start_with_fifos
    e2e_main_menu "Level Editor" # "Level File Could Not Be Read", over the editor
    e2e_wait_screen_changes "$(e2e_shot menu)" "$(e2e_shot warning)"
    FIFOS="levelmap0 settings hiscore" terminate_cleanly "settings is a FIFO" "hiscore is a FIFO"
}

# A recorded pause, watched, still ends on SIGTERM.
watched_pause_ends_on_sigterm()
{
    e2e_copy_levels
    printf 'level 1\npause 100000000\nhold 50 R\n' >"$E2E_GAME_DIR/paused.replay"
    start_with_fifos --watch paused.replay
    sleep 1
    terminate_cleanly "outcome: running at frame 0,"
}

# A program that must end within 5 s with a status and one line:
# run_tool status words command [arguments...]
run_tool()
{
    local wanted=$1 words=$2
    shift 2
    (cd "$E2E_GAME_DIR" && exec timeout -s KILL "$ANSWER" "$@") >"$E2E_GAME_LOG" 2>&1
    local status=$?
    ((status == wanted)) || e2e_fail "$* ended with status $status, expected $wanted"
    said "$words"
}

tools_refuse_fifos_and_runaways()
{
    e2e_copy_levels
    mkfifo "$E2E_GAME_DIR/fifo.replay"
    run_tool 2 "fifo.replay: is a FIFO, not a regular file" "$REPLAY_TOOL" fifo.replay
    run_tool 1 "fifo.replay: is a FIFO, not a regular file" "$E2E_BIN" --watch fifo.replay
    mkfifo "$E2E_GAME_DIR/levelmap0" # the level a replay plays
    printf 'level 0\nhold 50 R\n' >"$E2E_GAME_DIR/user.replay"
    run_tool 2 "levelmap0 is a FIFO, not a regular file" "$REPLAY_TOOL" user.replay
    run_tool 1 "levelmap0 is a FIFO, not a regular file" "$E2E_BIN" --watch user.replay
    run_tool 2 "levelmap0: that is one of the game's own files" "$E2E_BIN" --record levelmap0
    [[ -p "$E2E_GAME_DIR/levelmap0" ]] || e2e_fail "levelmap0 was replaced"
    # A rat on two tiles, its clock frozen: only the frame cap ends it.
    rm "$E2E_GAME_DIR/levelmap0"
    printf 'Rat\n100 100\nTerrain\n3 25 2 4\nTerrain\n4 25 2 4\n' >"$E2E_GAME_DIR/levelmap0"
    printf 'level 0\nclock -20*100000000\nhold 100000000 -\n' >"$E2E_GAME_DIR/frozen.replay"
    run_tool 2 "stopped after 1000000 frames" "$REPLAY_TOOL" frozen.replay
}

e2e_case "New Game on a FIFO levelmap0 plays an empty level" new_game_on_a_fifo_level
e2e_case "FIFOs at settings and hiscore: one line each; the editor says levelmap0 cannot be read" \
    editor_on_fifo_level_settings_and_high_score
e2e_case "a watched recorded pause ends on SIGTERM" watched_pause_ends_on_sigterm
e2e_case "the tools refuse FIFO replays and levels, runaways and --record over a level" \
    tools_refuse_fifos_and_runaways
e2e_finish
