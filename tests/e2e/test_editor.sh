#!/usr/bin/env bash
# The level editor: a level built with the keys is saved to "levelmap0",
# exactly, and can then be played.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

HUD_COLOUR=(220 190 60)
HUD_ROWS=640x30+0+0
OPTIONS_USER_LEVEL=2
EDITOR_SAVE_AND_QUIT=1
# The panel's mode marker rows: terrain, water, cheese, enemy.
MARKER_X=608
MARKER_ROWS=(32 96 160 224)
ENEMY_ICON_AT=(576 224)
# With the cursor in the bottom row the view rests on the bottom of the
# level: 992 - 480 = 512 pixels down, so that row shows at screen y 448.
BOTTOM_ROW_ON_SCREEN=448
# The rat (40 x 60, pink ears, nose and tail) standing on that row at
# x 64, where it starts.
RAT_PINK=(222 112 134)
RAT_ON_FLOOR=40x60+64+388

# What the editing below leaves in "levelmap0": the rat where it starts
# when no level gave it a place, a burger at the top-left cell, an eel at
# the bottom-left cell, cheese at column 4 of the top row, two floor tiles
# of type 0 (a platform) at columns 2 and 3 and water at column 4 of the
# bottom row.
EXPECTED_LEVEL='Rat
64 64
Burger
0 0
Eel
0 960
Cheese
128 0
Terrain
2 0 1 0
Terrain
3 0 1 0
Water
4 0 0 0
'

e2e_learn_texts "Cheese: 0/1" "Cheese: 0/0" "Lives: 5" "Lives: 4"

shot() { echo "$E2E_GAME_DIR/$1.png"; }

hud_text() { e2e_read_text "$1" "$2" 0 "${HUD_COLOUR[@]}" "$3"; }

clip() { convert "$E2E_GAME_DIR/$1" -crop "$2" +repage "png:$E2E_GAME_DIR/$3" || e2e_fail "cannot cut $3"; }

cursor_at() { e2e_image_at "$(shot editor)" "$E2E_GAME_DIR/sumprun_cursor.png" "$1" "$2"; }

# Where the cursor is shown: CURSOR_X and CURSOR_Y, screen pixels.
CURSOR_X=0
CURSOR_Y=0

# Holds an arrow until the cursor shows at (x, y), the edge it runs into,
# and a little longer, which the edge makes harmless.
hold_to_edge()
{
    local key=$1 x=$2 y=$3 end
    e2e_key keydown "$key" || e2e_fail "cannot press $key"
    end=$(e2e_deadline 8)
    while e2e_before "$end"; do
        e2e_screenshot "$(shot editor)"
        if cursor_at "$x" "$y"; then
            sleep 0.2
            e2e_release "$key"
            CURSOR_X=$x CURSOR_Y=$y
            return 0
        fi
    done
    e2e_release "$key"
    e2e_fail "holding $key did not bring the cursor to ($x, $y)"
}

# Moves the cursor along its row to screen x with short taps of the
# arrows, looking where it is after each: a tap the game missed is tapped
# again, one it took twice is undone.
step_to_column()
{
    local target=$1 tries offset found
    for ((tries = 0; tries < 12; tries++)); do
        [[ $CURSOR_X -eq $target ]] && return 0
        if [[ $CURSOR_X -lt $target ]]; then e2e_tap Right; else e2e_tap Left; fi
        sleep 0.1
        e2e_screenshot "$(shot editor)"
        found=
        for offset in 0 -32 32 -64 64; do
            if cursor_at $((target + offset)) "$CURSOR_Y" 2>/dev/null; then
                found=$((target + offset))
                break
            fi
        done
        [[ -n "$found" ]] || e2e_fail "lost the cursor on its way to x $target (row $CURSOR_Y)"
        CURSOR_X=$found
    done
    e2e_fail "the cursor did not reach x $target"
}

marker_row()
{
    local row
    for row in "${MARKER_ROWS[@]}"; do
        e2e_image_at "$(shot editor)" "$E2E_GAME_DIR/sumprun_cursor.png" "$MARKER_X" "$row" && echo "$row"
    done
}

# Taps Home, which steps the mode round, until the marker shows the mode.
choose_mode()
{
    local want=${MARKER_ROWS[$1]} tries shown
    for ((tries = 0; tries < 10; tries++)); do
        e2e_screenshot "$(shot editor)"
        shown=$(marker_row)
        [[ "$shown" == "$want" ]] && return 0
        [[ $(wc -w <<<"$shown") -eq 1 ]] || e2e_fail "the panel shows the mode marker at rows '$shown'"
        e2e_tap Home
        sleep 0.15
    done
    e2e_fail "Home did not bring the mode marker to row $want"
}

# Holds Insert long enough for a few frames: each frame replaces what the
# last one placed, so the cell ends up with one element.
place()
{
    e2e_tap Insert 300
    sleep 0.1
}

enemy_icon_is() { e2e_image_at "$(shot editor)" "$E2E_GAME_DIR/$1" "${ENEMY_ICON_AT[@]}"; }

choose_eel()
{
    local tries
    for ((tries = 0; tries < 6; tries++)); do
        e2e_screenshot "$(shot editor)"
        enemy_icon_is eel-icon.png && return 0
        e2e_tap Prior
        sleep 0.15
    done
    e2e_fail "Page Up did not show the eel in the panel"
}

build_level_in_editor()
{
    e2e_main_menu "Level Editor"
    e2e_wait_screen_changes "$(shot menu)" "$(shot editor)"
    cursor_at 0 0 || e2e_fail "the editor's cursor does not start at the top-left cell"
    [[ "$(marker_row)" == "${MARKER_ROWS[0]}" ]] || e2e_fail "the editor does not start in terrain mode"
    [[ $(e2e_count_colour "$(shot editor)" 255 255 5) -ge $((96 * 480 / 2)) ]] \
        || e2e_fail "the editor shows no yellow panel"

    hold_to_edge Down 0 "$BOTTOM_ROW_ON_SCREEN"
    step_to_column 64
    place
    step_to_column 96
    place
    choose_mode 1
    step_to_column 128
    place
    choose_mode 2
    hold_to_edge Up 128 0
    place
    choose_mode 3
    hold_to_edge Left 0 0
    enemy_icon_is burger-icon.png || e2e_fail "the panel does not show a burger in enemy mode"
    place
    choose_eel
    hold_to_edge Down 0 "$BOTTOM_ROW_ON_SCREEN"
    place
    e2e_screenshot "$(shot edited)"
}

save_and_quit_editor()
{
    e2e_press Escape
    e2e_wait_screen_changes "$(shot edited)" "$(shot quit-editor)" 1000
    e2e_choose "$EDITOR_SAVE_AND_QUIT"
    e2e_wait_screen_equals "$(shot menu)" "$(shot menu-after-editor)"
}

# Plays the user level: the display shows, and the rat lands on the floor
# built in the editor and keeps its five lives.
play_user_level()
{
    e2e_main_menu "New Game"
    e2e_wait_screen_changes "$(shot menu)" "$(shot play)"
    local groups
    groups=$(e2e_colour_columns "$(shot play)" "${HUD_COLOUR[@]}" "$HUD_ROWS" | wc -l)
    [[ $groups -eq 3 ]] || e2e_fail "the display shows $groups items along the top, expected 3"
    [[ "$(hud_text "$(shot play)" 20 Cheese)" == "Cheese: 0/1" ]] \
        || e2e_fail "the cheese counter does not read 'Cheese: 0/1'"

    # The rat falls from its start onto the floor, where it shows, whole,
    # at the same place on two screenshots in a row, with all its lives.
    local end standing=
    end=$(e2e_deadline 15)
    e2e_screenshot "$(shot landed)"
    while e2e_before "$end"; do
        cp "$(shot landed)" "$(shot before-landed)"
        sleep 0.2
        e2e_screenshot "$(shot landed)"
        if [[ $(e2e_count_colour "$(shot landed)" "${RAT_PINK[@]}") -gt 0 &&
              $(e2e_region_diff_count "$(shot before-landed)" "$(shot landed)" "$RAT_ON_FLOOR") -eq 0 ]]; then
            local part=$E2E_GAME_DIR/rat-part.png
            e2e_crop "$(shot landed)" "$part" "$RAT_ON_FLOOR"
            [[ $(e2e_count_colour "$part" "${RAT_PINK[@]}") -eq $(e2e_count_colour "$(shot landed)" "${RAT_PINK[@]}") ]] \
                && { standing=yes; break; }
        fi
    done
    [[ -n "$standing" ]] || e2e_fail "the rat did not come to stand on the floor built in the editor"
    [[ "$(hud_text "$(shot landed)" 240 Lives)" == "Lives: 5" ]] \
        || e2e_fail "the lives counter no longer reads 'Lives: 5'"
    local column
    for column in 64 96; do
        e2e_image_at "$(shot landed)" "$E2E_GAME_DIR/floor-tile.png" "$column" "$BOTTOM_ROW_ON_SCREEN" \
            || e2e_fail "no floor tile shows at ($column, $BOTTOM_ROW_ON_SCREEN) in play"
    done
}

edited_level_is_saved_and_played()
{
    [[ ! -e "$E2E_GAME_DIR/levelmap0" ]] || e2e_fail "the game folder already holds a levelmap0"
    # The mode marker at x 608 covers the right edge of a burger.
    clip sumprun_ss_burger.png 32x50+0+0 burger-icon.png
    clip sumprun_ss_eel.png 30x70+0+0 eel-icon.png
    clip sumprun_ts_1.png 32x32+0+0 floor-tile.png
    e2e_start_game
    e2e_wait_paced
    e2e_screenshot "$(shot menu)"

    build_level_in_editor
    save_and_quit_editor
    [[ -f "$E2E_GAME_DIR/levelmap0" ]] || e2e_fail "Save and Quit wrote no levelmap0"
    cmp -s <(printf '%s' "$EXPECTED_LEVEL") "$E2E_GAME_DIR/levelmap0" \
        || e2e_fail "levelmap0 holds:
$(cat -A "$E2E_GAME_DIR/levelmap0")
expected:
$(printf '%s' "$EXPECTED_LEVEL" | cat -A)"

    e2e_main_menu "Options"
    sleep 0.3
    e2e_choose "$OPTIONS_USER_LEVEL"
    e2e_wait_screen_equals "$(shot menu)" "$(shot options-left)"
    play_user_level
    e2e_quit_play_to_menu landed
    e2e_quit_via_menu
}

e2e_case "a level built in the editor is saved to levelmap0 exactly and plays" edited_level_is_saved_and_played
e2e_finish
