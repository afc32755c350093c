#!/usr/bin/env bash
# The scaled window and full screen: --scale 2 shows the unscaled picture
# doubled, pixel for pixel, and remembers the choice in "settings"; full
# screen shows the picture whole, enlarged by a whole factor and centred on
# black, at every scale, with a window manager and without one, and the
# window comes back at its size.
# A doubled window needs a virtual screen larger than the usual one.
E2E_SCREEN=1600x1200x24
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

window_size() { xwininfo -id "$E2E_WIN" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }

expect_window_size()
{
    local size
    size=$(window_size)
    [[ "$size" == "$1" ]] || e2e_fail "the window is $size, expected $1"
}

toggle_full_screen() { e2e_main_menu "Options"; sleep 0.3; e2e_choose 3; }

# The plain menu, as a 640 x 480 window shows it, into $1.
plain_menu()
{
    e2e_start_game
    e2e_wait_paced
    expect_window_size 640x480
    e2e_screenshot "$1"
    e2e_stop_game
    [[ ! -e "$E2E_GAME_DIR/settings" ]] || e2e_fail "a plain start wrote settings"
}

# Full screen at a scale (1, 2 or auto), with a window manager or without
# one (wm or none): the whole menu centred on black, then the window again.
full_screen_centred()
{
    local scale=$1 manager=$2 dir=$E2E_GAME_DIR size
    [[ $manager == wm ]] && e2e_start_window_manager
    plain_menu "$dir/plain.png"
    e2e_start_game "$E2E_BIN" --scale "$scale"
    e2e_wait_paced
    if [[ $scale == 2 ]]; then
        # The plain menu doubled pixel for pixel, and the choice remembered.
        convert "$dir/plain.png" -sample 200% "png:$dir/doubled.png" || e2e_fail "cannot double the plain menu"
        expect_window_size 1280x960
        e2e_wait_screen_equals "$dir/doubled.png" "$dir/scaled.png"
        grep -qx "scale 2" "$dir/settings" || e2e_fail "settings does not remember scale 2: $(cat "$dir/settings" 2>&1)"
    fi
    size=$(window_size)
    e2e_screenshot "$dir/window.png"
    toggle_full_screen
    e2e_poll 10 e2e_screen_shows_centred "$dir/plain.png" "$dir/full.png" ||
        e2e_fail "full screen does not show the whole menu centred on black (see $dir/full.png)"
    toggle_full_screen
    e2e_wait_for "the window at its size again" eval '[[ $(window_size) == "$size" ]]'
    e2e_wait_screen_equals "$dir/window.png" "$dir/window-again.png"
    e2e_quit_via_menu
}

for scale_and_manager in "1 none" "2 none" "1 wm" "2 wm" "auto none"; do
    read -r scale manager <<<"$scale_and_manager"
    e2e_case "full screen at scale $scale, window manager: $manager: whole, centred on black, and back" \
        full_screen_centred "$scale" "$manager"
done
e2e_finish
