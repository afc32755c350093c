#!/usr/bin/env bash
# The scaled window: --scale 2 shows the unscaled picture doubled, pixel for
# pixel, remembers the choice in "settings", and goes full screen at the
# desktop's own size with the doubled picture centred on black.
# A doubled window needs a virtual screen larger than the usual one.
E2E_SCREEN=1600x1200x24
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

window_size() { xwininfo -id "$E2E_WIN" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }

# Full screen shows in a window of SDL's own over the whole screen: read the
# screen itself.
root_screenshot() { xwd -silent -root | convert xwd:- "png:$1" || e2e_fail "cannot read the screen back"; }

# The screen shows the scaled menu, 160 and 120 pixels in from its edges.
centred_on_the_screen()
{
    root_screenshot "$dir/full.png"
    convert "$dir/full.png" -crop 1280x960+160+120 +repage "png:$dir/full-centre.png"
    [[ $(e2e_diff_count "$dir/scaled.png" "$dir/full-centre.png") -eq 0 ]]
}

expect_window_size()
{
    local size
    size=$(window_size)
    [[ "$size" == "$1" ]] || e2e_fail "the window is $size, expected $1"
}

scaled_menu_is_the_plain_one_doubled()
{
    local dir=$E2E_GAME_DIR
    e2e_start_game
    e2e_wait_paced
    expect_window_size 640x480
    e2e_screenshot "$dir/plain.png"
    e2e_stop_game
    [[ ! -e "$dir/settings" ]] || e2e_fail "a plain start wrote settings"

    convert "$dir/plain.png" -sample 200% "png:$dir/doubled.png" || e2e_fail "cannot double the plain menu"
    e2e_start_game "$E2E_BIN" --scale 2
    e2e_wait_paced
    expect_window_size 1280x960
    e2e_wait_screen_equals "$dir/doubled.png" "$dir/scaled.png"
    grep -qx "scale 2" "$dir/settings" || e2e_fail "settings does not remember scale 2: $(cat "$dir/settings" 2>&1)"

    # Options, "Toggle Fullscreen Mode": the 1600 x 1200 desktop holds the
    # picture twice over.
    e2e_main_menu "Options"
    sleep 0.3
    e2e_choose 3
    e2e_wait_for "the full screen" eval '[[ $(window_size) == 1600x1200 ]]'
    e2e_poll 10 centred_on_the_screen || e2e_fail "full screen does not show the doubled menu in its centre"
    # Everything outside the picture is black.
    [[ $(convert "$dir/full.png" -fill black -draw 'rectangle 160,120 1439,1079' -format '%[max]' info:) == 0 ]] \
        || e2e_fail "full screen is not black around the picture"
    e2e_quit_via_menu
}

e2e_case "--scale 2 doubles the menu pixel for pixel, remembers it and fills the screen centred" \
    scaled_menu_is_the_plain_one_doubled
e2e_finish
