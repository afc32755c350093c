#!/usr/bin/env bash
# Playing a level: the display along the top, scrolling, the pause menu and
# its clock, leaving a game, and losing one.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

HUD_COLOUR=(220 190 60)
HUD_ROWS=640x30+0+0           # the display's text line, along the top
HUD_STARTS=(20 240 440)       # cheese, lives, time
WORLD=640x440+0+40            # the screen below the display
MENU_HEADER_COLOUR=(0 0 255)
MENU_SELECTED_COLOUR=(255 0 0)
MENU_OTHER_COLOUR=(115 115 115)
LOST_COLOUR=(200 20 20)
OPTIONS_USER_LEVEL=2
PAUSE_SECONDS=6

# The display's texts this test can read off the screen.
times=()
for ((t = 400; t >= 300; t--)); do times+=("Time: $t"); done
e2e_learn_texts "Cheese: 0/37" "Cheese: 0/0" "Lives: 5" "Lives: 4" "Lives: 3" "Lives: 2" "Lives: 1" "${times[@]}"

shot() { echo "$E2E_GAME_DIR/$1.png"; }

start_at_main_menu()
{
    e2e_start_game
    e2e_wait_paced
    e2e_screenshot "$(shot menu)"
}

# From the main menu: "New Game", then waits for the level to be drawn.
new_game()
{
    e2e_main_menu "New Game"
    e2e_wait_screen_changes "$(shot menu)" "$(shot "$1")"
}

choose_user_level()
{
    e2e_main_menu "Options"
    sleep 0.3
    e2e_choose "$OPTIONS_USER_LEVEL"
    e2e_wait_screen_equals "$(shot menu)" "$(shot options-left)"
}

# What the display shows in its item at x: "Cheese: 0/37", "Time: 399"...
hud_text() { e2e_read_text "$1" "$2" 0 "${HUD_COLOUR[@]}" "$3"; }

seconds_left() { local text; text=$(hud_text "$1" "${HUD_STARTS[2]}" Time); echo "${text#Time: }"; }

near() { local d=$(($1 - $2)); [[ ${d#-} -le $3 ]]; }

new_game_shows_level_with_hud_and_scrolls()
{
    e2e_copy_levels
    start_at_main_menu
    new_game play

    local groups=() starts=() group
    mapfile -t groups < <(e2e_colour_columns "$(shot play)" "${HUD_COLOUR[@]}" "$HUD_ROWS")
    e2e_note "display text spans columns: ${groups[*]}"
    [[ ${#groups[@]} -eq 3 ]] || e2e_fail "the display shows ${#groups[@]} items along the top, expected 3"
    local i
    for i in 0 1 2; do
        group=${groups[$i]}
        starts+=("${group%-*}")
        near "${starts[$i]}" "${HUD_STARTS[$i]}" 4 \
            || e2e_fail "display item $((i + 1)) starts at x ${starts[$i]}, expected about ${HUD_STARTS[$i]}"
    done
    local cheese lives time
    cheese=$(hud_text "$(shot play)" "${HUD_STARTS[0]}" Cheese)
    lives=$(hud_text "$(shot play)" "${HUD_STARTS[1]}" Lives)
    time=$(hud_text "$(shot play)" "${HUD_STARTS[2]}" Time)
    e2e_note "the display reads '$cheese', '$lives', '$time'"
    [[ "$cheese" == "Cheese: 0/37" ]] || e2e_fail "the cheese counter does not read 'Cheese: 0/37' (37 cheese in level 1)"
    [[ "$lives" == "Lives: 5" ]] || e2e_fail "the lives counter does not read 'Lives: 5'"
    [[ -n "$time" ]] || e2e_fail "the time does not read 'Time: ' and a number from 300 to 400"

    # What changes by itself (water, animations) sets the scale for what
    # scrolling changes.
    sleep 0.5
    e2e_screenshot "$(shot still)"
    local idle moved
    idle=$(e2e_region_diff_count "$(shot play)" "$(shot still)" "$WORLD")
    e2e_hold Right 2000
    e2e_screenshot "$(shot scrolled)"
    moved=$(e2e_region_diff_count "$(shot still)" "$(shot scrolled)" "$WORLD")
    e2e_note "world pixels changed: $idle standing, $moved after holding Right for 2 s"
    [[ $moved -gt $((640 * 440 / 4)) && $moved -gt $((idle * 10)) ]] \
        || e2e_fail "holding Right did not scroll the view"

    e2e_quit_play_to_menu scrolled
    e2e_quit_via_menu
}

# Screenshots into $1 until the pause menu's header is up (or, with
# "gone", until it is not); SEEN_AT is when the screenshot that showed it was
# done.
wait_pause_menu()
{
    local out=$1 want=${2:-up} end header
    end=$(e2e_deadline 10)
    while e2e_before "$end"; do
        e2e_screenshot "$out"
        header=$(e2e_count_colour "$out" "${MENU_HEADER_COLOUR[@]}")
        if [[ $want == up && $header -gt 1000 ]] || [[ $want == gone && $header -eq 0 ]]; then
            SEEN_AT=$(e2e_now)
            return 0
        fi
    done
    e2e_fail "the pause menu was not $want within 10 s"
}

# Reads the time, pauses for a few seconds and reads it again after
# Continue Game. Of the wall time between the two screenshots, only what
# was not spent looking at the pause menu may have run off the clock; a
# clock that ran on would have lost the whole pause as well.
pause_holds_clock()
{
    local start paused_seen resumed ended before after
    start=$(e2e_now)
    e2e_screenshot "$(shot before-pause)"
    e2e_key keydown p || e2e_fail "cannot press p"
    wait_pause_menu "$(shot pausing)"
    paused_seen=$SEEN_AT
    e2e_release p
    while e2e_before "$(awk -v t="$paused_seen" -v s="$PAUSE_SECONDS" 'BEGIN { printf "%.3f", t + s }')"; do
        sleep 0.05
    done
    resumed=$(e2e_now)
    e2e_key keydown Return || e2e_fail "cannot press Return"
    wait_pause_menu "$(shot after-pause)" gone
    ended=$SEEN_AT
    e2e_release Return

    before=$(seconds_left "$(shot before-pause)")
    after=$(seconds_left "$(shot after-pause)")
    [[ -n "$before" && -n "$after" ]] || e2e_fail "cannot read the time before ('$before') and after ('$after') the pause"
    local running allowed
    running=$(awk -v a="$start" -v p="$paused_seen" -v r="$resumed" -v e="$ended" \
        'BEGIN { printf "%.2f", (e - a) - (r - p) }')
    allowed=$(awk -v u="$running" 'BEGIN { print (u == int(u)) ? u : int(u) + 1 }')
    e2e_note "time left $before before the pause, $after after $PAUSE_SECONDS s of it;" \
        "at most $running s of play between the two screenshots"
    [[ $after -le $before ]] || e2e_fail "the time left went up across the pause"
    [[ $((before - after)) -le $allowed ]] \
        || e2e_fail "the clock lost $((before - after)) s across the pause, more than the $running s played"
}

pause_stops_clock_and_quits_to_menu()
{
    e2e_copy_levels
    start_at_main_menu
    new_game play

    pause_holds_clock

    # The pause menu: a box in the middle of the screen with the header and
    # two options, "Continue Game" selected.
    local paused=$(shot pausing)
    [[ $(e2e_diff_count "$(shot menu)" "$paused") -gt 1000 ]] \
        || e2e_fail "the pause menu looks like the main menu"
    local colour lines centre group
    for colour in MENU_HEADER_COLOUR MENU_SELECTED_COLOUR MENU_OTHER_COLOUR; do
        local -n rgb=$colour
        lines=$(e2e_colour_bands "$paused" "${rgb[@]}")
        [[ $lines -eq 1 ]] || e2e_fail "the pause menu shows $lines lines in $colour, expected 1"
        group=$(e2e_colour_columns "$paused" "${rgb[@]}" 640x480+0+0 | head -n 1)
        centre=$(((${group%-*} + ${group#*-}) / 2))
        near "$centre" 320 12 || e2e_fail "the pause menu's $colour line is centred at x $centre, not 320"
    done

    local then now
    then=$(seconds_left "$(shot after-pause)")
    sleep 2
    e2e_screenshot "$(shot running)"
    now=$(seconds_left "$(shot running)")
    [[ -n "$now" && $now -lt $then ]] \
        || e2e_fail "the time shown did not go down in 2 s of play after Continue Game ($then, then '$now')"

    e2e_quit_play_to_menu running
    e2e_quit_via_menu
}

# Adds the lives count a screenshot shows to LIVES_SEEN, unless it is the
# last one read.
note_lives()
{
    local lives
    lives=$(hud_text "$1" "${HUD_STARTS[1]}" Lives)
    lives=${lives#Lives: }
    [[ -n "$lives" && "$lives" != "${LIVES_SEEN##* }" ]] && LIVES_SEEN="${LIVES_SEEN:+$LIVES_SEEN }$lives"
    return 0
}

# Reads the lives counter until the "You Are Dead" text appears; LIVES_SEEN
# gathers the counts read, in order, each once.
watch_lives_until_dead()
{
    local end
    end=$(e2e_deadline 60)
    while e2e_before "$end"; do
        e2e_screenshot "$(shot watch)"
        if [[ $(e2e_count_colour "$(shot watch)" "${LOST_COLOUR[@]}") -gt 0 ]]; then
            cp "$(shot watch)" "$(shot dead)"
            return 0
        fi
        note_lives "$(shot watch)"
        e2e_game_running || e2e_fail "the game ended while the rat was falling"
        sleep 0.1
    done
    e2e_fail "the game was not lost within 60 s (lives read: $LIVES_SEEN)"
}

empty_level_is_lost_after_five_falls()
{
    [[ ! -e "$E2E_GAME_DIR/levelmap0" ]] || e2e_fail "the game folder already holds a levelmap0"
    start_at_main_menu
    choose_user_level
    e2e_main_menu "New Game"
    local started
    started=$(e2e_now)
    e2e_wait_screen_changes "$(shot menu)" "$(shot play)"
    [[ "$(hud_text "$(shot play)" "${HUD_STARTS[0]}" Cheese)" == "Cheese: 0/0" ]] \
        || e2e_fail "the empty level's cheese counter does not read 'Cheese: 0/0'"
    LIVES_SEEN=
    note_lives "$(shot play)"
    watch_lives_until_dead
    e2e_note "lost after $(awk -v a="$started" -v b="$(e2e_now)" 'BEGIN { printf "%.1f", b - a }') s;" \
        "lives read: $LIVES_SEEN"
    # A slow machine may miss a count between two screenshots, but the
    # counts must go down from 5 and the game end after the rat's last life.
    [[ "$LIVES_SEEN" =~ ^5( 4)?( 3)?( 2)?( 1)$ ]] \
        || e2e_fail "the lives counter read '$LIVES_SEEN' before the end, expected 5 down to 1"
    e2e_wait_screen_settles "$(shot dead)"
    [[ $(e2e_colour_bands "$(shot dead)" "${LOST_COLOUR[@]}") -eq 1 ]] \
        || e2e_fail "the lost dialog's header is not one line"

    e2e_press Return
    e2e_wait_screen_equals "$(shot menu)" "$(shot menu-again)"
    e2e_quit_via_menu
    [[ "$(cat "$E2E_GAME_DIR/hiscore" 2>/dev/null)" == 0 ]] \
        || e2e_fail "hiscore holds '$(cat "$E2E_GAME_DIR/hiscore" 2>/dev/null)', expected 0"
}

e2e_case "New Game shows level 1 with cheese, lives and time along the top; holding Right scrolls" \
    new_game_shows_level_with_hud_and_scrolls
e2e_case "the pause menu stops the clock, Continue Game restarts it, Quit to Menu returns to the menu" \
    pause_stops_clock_and_quits_to_menu
e2e_case "an empty user level is lost after five falls, then the menu and a clean exit" \
    empty_level_is_lost_after_five_falls
e2e_finish
