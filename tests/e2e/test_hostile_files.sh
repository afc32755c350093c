#!/usr/bin/env bash
# Files that are not what the game expects: FIFOs where its level, settings,
# high score or a replay belong. Nothing may wait on one: every case
# answers within 5 s, and the game itself still ends cleanly (status 0) on
# SIGTERM.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

REPLAY_TOOL=$(dirname "$E2E_BIN")/tools/replay/sumprun-replay
ANSWER=5 # seconds

# Starts the game with a FIFO made at each name given, and waits for its
# pacing; a FIFO at "settings" would hang it before any window.
start_with_fifos()
{
    local name
    for name in "$@"; do mkfifo "$E2E_GAME_DIR/$name" || e2e_fail "cannot make a FIFO $name"; done
    e2e_start_game
    e2e_wait_paced "$ANSWER"
    e2e_screenshot "$E2E_GAME_DIR/menu.png"
}

# SIGTERM ends the game within 5 s with status 0, the FIFOs left as they were.
terminate_cleanly()
{
    kill -TERM "$E2E_GAME_PID"
    e2e_expect_status 0 "$ANSWER"
    local name
    for name in "$@"; do [[ -p "$E2E_GAME_DIR/$name" ]] || e2e_fail "$name is no longer a FIFO"; done
}

# One line on stderr names the file: $1 the log's expected words.
expect_said()
{
    grep -q -- "$1" "$E2E_GAME_LOG" || e2e_fail "the game did not say '$1'"
}

new_game_on_a_fifo_level()
{
    e2e_copy_levels
    start_with_fifos levelmap0
    e2e_main_menu "Options"
    sleep 0.3
    e2e_choose 2 # "Play User Designed Level"
    e2e_wait_screen_equals "$E2E_GAME_DIR/menu.png" "$E2E_GAME_DIR/menu-again.png" "$ANSWER"
    e2e_main_menu "New Game"
    e2e_wait_screen_changes "$E2E_GAME_DIR/menu.png" "$E2E_GAME_DIR/play.png" 0 "$ANSWER"
    terminate_cleanly levelmap0
}

editor_on_a_fifo_level()
{
    start_with_fifos levelmap0
    e2e_main_menu "Level Editor"
    # "Level File Could Not Be Read", over the editor.
    e2e_wait_screen_changes "$E2E_GAME_DIR/menu.png" "$E2E_GAME_DIR/warning.png" 0 "$ANSWER"
    terminate_cleanly levelmap0
}

fifo_settings_and_high_score()
{
    start_with_fifos settings hiscore
    expect_said "settings is a FIFO"
    expect_said "hiscore is a FIFO"
    terminate_cleanly settings hiscore
    [[ $(grep -c . "$E2E_GAME_LOG") -eq 2 ]] || e2e_fail "more than a line for each FIFO"
}

# A program run to its end within 5 s: run_tool status command [arguments...]
run_tool()
{
    local wanted=$1
    shift
    (cd "$E2E_GAME_DIR" && exec timeout -s KILL "$ANSWER" "$@") >"$E2E_GAME_LOG" 2>&1
    local status=$?
    [[ $status -eq $wanted ]] || e2e_fail "$(basename "$1") ended with status $status, expected $wanted"
    [[ $(wc -l <"$E2E_GAME_LOG") -eq 1 ]] || e2e_fail "$(basename "$1") did not answer in one line"
}

fifo_replays_are_refused()
{
    e2e_copy_levels
    mkfifo "$E2E_GAME_DIR/fifo.replay"
    run_tool 2 "$REPLAY_TOOL" fifo.replay
    expect_said "fifo.replay: is a FIFO, not a regular file"
    run_tool 1 "$E2E_BIN" --watch fifo.replay
    expect_said "fifo.replay: is a FIFO, not a regular file"
    # The level a replay plays.
    mkfifo "$E2E_GAME_DIR/levelmap0"
    printf 'level 0\nhold 50 R\n' >"$E2E_GAME_DIR/user.replay"
    run_tool 2 "$REPLAY_TOOL" user.replay
    expect_said "levelmap0 is a FIFO, not a regular file"
    run_tool 1 "$E2E_BIN" --watch user.replay
    expect_said "levelmap0 is a FIFO, not a regular file"
}

# A recorded pause, watched, still ends on SIGTERM.
watched_pause_ends_on_sigterm()
{
    e2e_copy_levels
    printf 'level 1\npause 100000000\nhold 50 R\n' >"$E2E_GAME_DIR/paused.replay"
    e2e_start_game "$E2E_BIN" --watch paused.replay
    e2e_find_window "$ANSWER"
    sleep 1
    kill -TERM "$E2E_GAME_PID"
    e2e_expect_status 0 "$ANSWER"
    expect_said "outcome: running 0 "
}

# Neither does a replay run for ever, nor --record write over the level.
runaway_replay_and_record_over_the_level()
{
    printf 'Rat\n100 100\nTerrain\n3 25 2 4\nTerrain\n4 25 2 4\n' >"$E2E_GAME_DIR/levelmap0"
    printf 'level 0\nclock -20*100000000\nhold 100000000 -\n' >"$E2E_GAME_DIR/frozen.replay"
    run_tool 2 "$REPLAY_TOOL" frozen.replay
    expect_said "stopped after 1000000 frames"
    cp "$E2E_GAME_DIR/levelmap0" "$E2E_GAME_DIR/level.before"
    run_tool 2 "$E2E_BIN" --record levelmap0
    expect_said "one of the game's own files"
    cmp -s "$E2E_GAME_DIR/levelmap0" "$E2E_GAME_DIR/level.before" || e2e_fail "levelmap0 was changed"
}

e2e_case "New Game on a FIFO levelmap0 plays an empty level" new_game_on_a_fifo_level
e2e_case "the editor on a FIFO levelmap0 says it cannot be read" editor_on_a_fifo_level
e2e_case "FIFOs at settings and hiscore: one line each, the game starts" fifo_settings_and_high_score
e2e_case "a FIFO replay, and a replay of a FIFO level, are refused" fifo_replays_are_refused
e2e_case "a watched recorded pause ends on SIGTERM" watched_pause_ends_on_sigterm
e2e_case "a runaway replay stops at the cap; --record spares the level" runaway_replay_and_record_over_the_level
e2e_finish
