#!/usr/bin/env bash
# Every game played is recorded to "lastgame.replay": a game played live
# with the keys, watched in the window with --watch, ends exactly where the
# live game ended. (Run headless, as sumprun-replay runs it, the replay
# unit tests check it against a live game.)
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

RECORDING=lastgame.replay
HUD_COLOUR=(220 190 60)
HUD_LIVES=130x30+240+0    # where the display shows "Lives: 5"

# Pixels of the display's lives count: another number draws another count.
lives_pixels() { e2e_count_colour "$1" "${HUD_COLOUR[@]}" "$HUD_LIVES"; }

# Runs to the wall near the start, jumps it and runs on into the burgers
# beyond until a life is lost; pauses and carries on; then leaves through
# the pause menu.
play_a_live_game()
{
    e2e_start_at_menu
    e2e_main_menu "New Game"
    e2e_wait_screen_changes "$E2E_GAME_DIR/menu.png" "$E2E_GAME_DIR/play.png"
    local round all_lives
    all_lives=$(lives_pixels "$E2E_GAME_DIR/play.png")
    for round in 1 2 3; do
        e2e_key keydown Right || e2e_fail "cannot press Right"
        sleep 3
        e2e_hold Up 1000
        sleep 3
        e2e_key keyup Right || e2e_fail "cannot release Right"
        e2e_screenshot "$E2E_GAME_DIR/lives.png"
        [[ $(lives_pixels "$E2E_GAME_DIR/lives.png") -eq $all_lives ]] || break
    done
    e2e_press p
    sleep 1
    e2e_press Return
    e2e_hold Right 500
    e2e_screenshot "$E2E_GAME_DIR/play.png"
    e2e_quit_play_to_menu play
    e2e_quit_via_menu
}

live_game_replays_to_its_end_when_watched()
{
    e2e_copy_levels
    play_a_live_game
    local file=$E2E_GAME_DIR/$RECORDING live result frame lives watched
    [[ -s "$file" ]] || e2e_fail "no $RECORDING after the game"
    live=$(sed -n 's/^expect //p' "$file") # result, frame, lives, score, x, y
    e2e_note "the live game ended: $live"
    read -r result frame lives _ <<<"$live"
    [[ "$result" == running && "$frame" -gt 300 ]] || e2e_fail "the recording's end '$live' is not a quit game"
    [[ "$lives" -lt 5 ]] || e2e_fail "no life was lost in the live game"

    e2e_start_game "$E2E_BIN" --watch "$RECORDING"
    e2e_find_window
    e2e_expect_status 0 $((frame / 50 + 60))
    watched=$(sed -n 's/^outcome: //p' "$E2E_GAME_LOG")
    e2e_note "watched, it ended: $watched"
    local score x y
    read -r result frame lives score x y <<<"$live"
    live="$result at frame $frame, $lives $( ((lives == 1)) && echo life || echo lives), score $score, rat at $x, $y"
    [[ "$watched" == "$live" ]] || e2e_fail "watched the recording ends '$watched', live it ended '$live'"
}

e2e_case "a live game replays to its end, watched" live_game_replays_to_its_end_when_watched
e2e_finish
