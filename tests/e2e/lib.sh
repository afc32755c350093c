# shellcheck shell=bash
# Shared helpers for the end-to-end tests: each test script runs the real
# game under its own virtual X server, drives it with key presses and checks
# what a player would see: the window, its caption, its pixels, the files
# left behind and the exit status.
#
# A test script:
#   source "$(dirname "$0")/lib.sh"
#   e2e_setup "$@"                # game binary, asset dir, level dir, x_window helper
#   journey() { e2e_start_at_menu; e2e_main_menu "New Game"; ...; e2e_quit_via_menu; }
#   e2e_case "what it shows" journey
#   e2e_finish
#
# Every case runs in a subshell in its own fresh game folder; any e2e_fail
# (or a failed wait) ends that case, kills its game and marks it failed, and
# the next case still runs.

set -uo pipefail

E2E_KEY_HOLD=90         # milliseconds a key stays down: held keys are sampled per frame
E2E_KEY_GAP=0.15        # seconds between key presses: one menu frame reads one event
E2E_START_TIMEOUT=30    # seconds for the window to appear and pacing to start
E2E_EXIT_TIMEOUT=15     # seconds for the game to end once asked to
E2E_WAIT_SECONDS=10     # seconds for the window to show what a step waits for
E2E_DIALOG_SECONDS=0.3  # seconds for a dialog to come up after the key that opens it
# Extra Xvfb arguments; -noreset keeps the server up when its last client
# leaves (the launch stress script clears it to get the resetting kind).
E2E_XVFB_ARGS=${E2E_XVFB_ARGS--noreset}
E2E_SCREEN=${E2E_SCREEN:-800x600x24}   # the virtual screen, as Xvfb's -screen takes it
# A folder holding another libSDL-1.2.so.0 for the game to load instead of
# the one it was built with, such as sdl12-compat (SDL 1.2 on SDL2, from
# scripts/fetch-sdl12-compat.sh); scripts/test.sh runs every journey again so.
SUMPRUN_E2E_SDL_DIR=${SUMPRUN_E2E_SDL_DIR:-}

# Arguments: the game, its assets, the built levels, the x_window helper.
e2e_setup()
{
    E2E_BIN=$(realpath -m "${1:?game binary}")
    E2E_ASSETS=$(realpath -m "${2:?asset folder}")
    E2E_LEVELS=$(realpath -m "${3:-levels}")
    E2E_XWINDOW=$(realpath -m "${4:-x_window}")
    E2E_SCRIPT=$(basename "$0" .sh)
    E2E_FAILED=()
    E2E_PASSED=0
    local tool
    for tool in Xvfb xdotool; do
        command -v "$tool" >/dev/null || { echo "SKIP: no $tool (./scripts/install-deps.sh --tests)"; exit 77; }
    done
    for tool in xwd convert compare xwininfo; do
        command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
    done
    [[ -x "$E2E_BIN" && -d "$E2E_ASSETS" ]] || { echo "FAIL: no game at $E2E_BIN or assets at $E2E_ASSETS"; exit 1; }
    e2e_use_sdl_dir
    E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/sumprun-e2e-$E2E_SCRIPT.XXXXXX")
    trap e2e_teardown EXIT
    # -displayfd lets the server pick a free display itself, so that scripts
    # run side by side cannot race for one; -s 0 keeps the screen saver away.
    # shellcheck disable=SC2086
    Xvfb -displayfd 3 -screen 0 "$E2E_SCREEN" -nolisten tcp $E2E_XVFB_ARGS -s 0 \
        3>"$E2E_WORK/display" >"$E2E_WORK/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    e2e_poll 10 grep -qs '^[0-9]' "$E2E_WORK/display" || { echo "FAIL: Xvfb did not start"; exit 1; }
    export DISPLAY=:$(head -n 1 "$E2E_WORK/display")
    unset SDL_VIDEODRIVER
    export SDL_AUDIODRIVER=dummy
}

# With SUMPRUN_E2E_SDL_DIR, every program started from here on (the game,
# the installed one, the tools) loads SDL 1.2 from there: checked, so that a
# run meant for the other library cannot pass on the usual one.
e2e_use_sdl_dir()
{
    [[ -n "$SUMPRUN_E2E_SDL_DIR" ]] || return 0
    local dir
    dir=$(realpath -m "$SUMPRUN_E2E_SDL_DIR")
    export LD_LIBRARY_PATH=$dir${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
    # Read whole first: grep -q leaving early would fail the pipe.
    [[ $(ldd "$E2E_BIN") == *"libSDL-1.2.so.0 => $dir/"* ]] ||
        { echo "FAIL: the game does not load libSDL-1.2.so.0 from $dir"; exit 1; }
    echo "SDL 1.2 from $dir"
}

# Starts a window manager (openbox) on the virtual display, as a desktop
# has one, and waits until it has taken the screen. It lives until
# e2e_stop_window_manager or the end of the case.
e2e_start_window_manager()
{
    command -v openbox >/dev/null || e2e_fail "openbox is not installed (./scripts/install-deps.sh --tests)"
    openbox --sm-disable >"$E2E_WORK/openbox.log" 2>&1 &
    E2E_WM_PID=$!
    e2e_poll 10 e2e_window_manager_running || e2e_fail "the window manager did not start"
}

e2e_window_manager_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

e2e_stop_window_manager()
{
    [[ -n "${E2E_WM_PID:-}" ]] || return 0
    kill "$E2E_WM_PID" 2>/dev/null && wait "$E2E_WM_PID" 2>/dev/null
    E2E_WM_PID=
    # The property outlives openbox; what is gone is the window it names.
    xprop -root -remove _NET_SUPPORTING_WM_CHECK 2>/dev/null
    return 0
}

# Stops the X server; the scratch folder, with every case's screenshots and
# game output, is kept when a case failed or E2E_KEEP is set.
e2e_teardown()
{
    kill "$E2E_XVFB_PID" 2>/dev/null && wait "$E2E_XVFB_PID" 2>/dev/null
    [[ -z "${E2E_KEEP:-}" && ${#E2E_FAILED[@]} -eq 0 ]] && rm -rf "$E2E_WORK" || echo "output kept in $E2E_WORK"
}

# Runs one case: e2e_case "description" function [arguments...]
e2e_case()
{
    local description=$1 started=$SECONDS
    shift
    echo "--- $description"
    if (e2e_new_game_dir; trap "e2e_stop_game; e2e_stop_window_manager" EXIT; "$@"); then
        E2E_PASSED=$((E2E_PASSED + 1))
        echo "ok: $description ($((SECONDS - started)) s)"
    else
        E2E_FAILED+=("$description")
        echo "FAILED: $description"
    fi
}

e2e_finish()
{
    echo "$E2E_SCRIPT: $E2E_PASSED passed, ${#E2E_FAILED[@]} failed"
    printf '  failed: %s\n' "${E2E_FAILED[@]}" | grep -v ': $'
    exit ${#E2E_FAILED[@]}
}

# Ends the current case as failed, keeping the window and the game's output.
e2e_fail()
{
    echo "  FAIL: $*"
    [[ -n "${E2E_WIN:-}" ]] && e2e_read_window "$E2E_GAME_DIR/at-failure.png" \
        && echo "  the window at the failure: $E2E_GAME_DIR/at-failure.png"
    [[ -s "${E2E_GAME_LOG:-}" ]] && tail -n 20 "$E2E_GAME_LOG" | sed 's/^/    game: /'
    exit 1
}

e2e_note() { echo "  $*"; }

# A fresh working folder holding a copy of the assets; the game runs there.
e2e_new_game_dir()
{
    E2E_GAME_DIR=$(mktemp -d "$E2E_WORK/game.XXXXXX")
    E2E_GAME_LOG=$E2E_GAME_DIR.log
    cp "$E2E_ASSETS"/* "$E2E_GAME_DIR"/ || e2e_fail "cannot copy the assets"
}

# Adds the built levels ("levelmap1", "levelmap2") to the game folder.
e2e_copy_levels() { cp "$E2E_LEVELS"/levelmap* "$E2E_GAME_DIR"/ || e2e_fail "cannot copy the levels"; }

# Starts the game in its folder, in the background; with arguments, starts
# that command instead (such as a script that runs the game).
e2e_start_game()
{
    [[ $# -gt 0 ]] || set -- "$E2E_BIN"
    (cd "$E2E_GAME_DIR" && exec "$@") >"$E2E_GAME_LOG" 2>&1 &
    E2E_GAME_PID=$!
    E2E_WIN=
}

# Where the screenshot of that name goes: "$(e2e_shot menu)".
e2e_shot() { echo "$E2E_GAME_DIR/$1.png"; }

# Starts the game (or the command given) and waits for its main menu. The
# first start of a case keeps the menu in "menu.png"; every later one must
# show exactly that menu again.
e2e_start_at_menu()
{
    e2e_start_game "$@"
    e2e_wait_paced
    [[ -f "$(e2e_shot menu)" ]] || { e2e_screenshot "$(e2e_shot menu)"; return 0; }
    e2e_wait_screen_equals "$(e2e_shot menu)" "$(e2e_shot menu-again)"
}

e2e_game_running() { [[ -n "${E2E_GAME_PID:-}" ]] && kill -0 "$E2E_GAME_PID" 2>/dev/null; }
e2e_game_ended() { ! e2e_game_running; }

e2e_stop_game()
{
    e2e_game_running && kill -KILL "$E2E_GAME_PID" 2>/dev/null && wait "$E2E_GAME_PID" 2>/dev/null
    return 0
}

# Runs a command every tenth of a second until it succeeds (true) or the
# whole seconds run out (false): e2e_poll seconds command [arguments...]
e2e_poll()
{
    local end=$((${EPOCHREALTIME//[!0-9]/} + $1 * 1000000))
    shift
    while ((${EPOCHREALTIME//[!0-9]/} < end)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# The command's answer, unless the game has ended meanwhile.
e2e_while_running() { "$@" || { e2e_game_running || e2e_fail "the game ended while waiting for: $*"; false; }; }

# Waits (E2E_WAIT_SECONDS) until a command succeeds:
# e2e_wait_for "what" command [arguments...]
e2e_wait_for()
{
    local what=$1
    shift
    e2e_poll "$E2E_WAIT_SECONDS" e2e_while_running "$@" || e2e_fail "gave up waiting for $what"
}

# Sets E2E_WIN once the window (captioned "Sump Run Level", or already the
# frame rate) is there.
e2e_window_found() { E2E_WIN=$(xdotool search --name '^(Sump Run Level|Now running at )' | head -n 1); [[ $E2E_WIN ]]; }

e2e_find_window() { E2E_WAIT_SECONDS=$E2E_START_TIMEOUT e2e_wait_for "the game window" e2e_window_found; }

e2e_paced() { [[ "$(xdotool getwindowname "$E2E_WIN" 2>/dev/null)" == "Now running at "* ]]; }

# Waits (E2E_START_TIMEOUT) until the frame pacing writes its caption: the
# main loop is running.
e2e_wait_paced()
{
    [[ -n "${E2E_WIN:-}" ]] || e2e_find_window
    E2E_WAIT_SECONDS=$E2E_START_TIMEOUT e2e_wait_for "the frame rate in the caption" e2e_paced
}

# xdotool complains on stderr that there is no focused window (there is no
# window manager); its exit status is what counts.
e2e_key() { xdotool "$1" --window "$E2E_WIN" "$2" 2>/dev/null; }

# Presses and releases keys (xdotool key names: Down, Return, Escape, p...)
# as a person would: each key stays down long enough for the game to see it
# held, and the next key comes after the game has read this one. A key that
# ends the game may leave no window to release it on.
e2e_press()
{
    local key
    for key in "$@"; do
        e2e_hold "$key" "$E2E_KEY_HOLD" || return 0
        sleep "$E2E_KEY_GAP"
    done
}

e2e_seconds() { printf '%d.%03d' $(($1 / 1000)) $(($1 % 1000)); }

# Holds a key down for a number of milliseconds; false when the game ended
# meanwhile and took its window along. The key is then released all the
# same: with a window manager the press went through the X server, which
# would otherwise keep it held, repeating, into the next game, where a press
# of that key is then lost.
e2e_hold()
{
    e2e_key keydown "$1" || e2e_fail "cannot press $1"
    sleep "$(e2e_seconds "$2")"
    e2e_key keyup "$1" && return 0
    xdotool keyup "$1" 2>/dev/null
    xwininfo -id "$E2E_WIN" >/dev/null 2>&1 && e2e_fail "cannot release $1"
    return 1
}

# Holds a key down for a number of milliseconds (30 by default), timed by
# xdotool itself: a keyup from a second xdotool run could come late enough
# for a frame that reads held keys to see the key twice.
e2e_tap()
{
    xdotool keydown --window "$E2E_WIN" "$1" sleep "$(e2e_seconds "${2:-30}")" \
        keyup --window "$E2E_WIN" "$1" 2>/dev/null || { xdotool keyup "$1" 2>/dev/null; e2e_fail "cannot tap $1"; }
}

# Asks the window to close, as a window manager's close button does.
e2e_close_window() { "$E2E_XWINDOW" close "$E2E_WIN" || e2e_fail "cannot send the close request"; }

e2e_read_window() { xwd -silent -id "$E2E_WIN" 2>/dev/null | convert xwd:- "png:$1" 2>/dev/null; }

# Reads the window's pixels back into a PNG file.
e2e_screenshot() { e2e_read_window "$1" || e2e_fail "cannot read the window back"; }

# Reads the whole screen back into a PNG file.
e2e_root_screenshot() { xwd -silent -root | convert xwd:- "png:$1" || e2e_fail "cannot read the screen back"; }

# Full screen as the player sees it, whichever library or window manager:
# true when the whole screen (read into $2) shows the picture in $1 enlarged
# by a whole factor, centred, with nothing but black around it.
e2e_screen_shows_centred()
{
    local sw sh pw ph k w h x y
    e2e_root_screenshot "$2"
    read -r sw sh < <(identify -format '%w %h\n' "$2")
    read -r pw ph < <(identify -format '%w %h\n' "$1")
    for ((k = sw / pw < sh / ph ? sw / pw : sh / ph; k >= 1; k--)); do
        w=$((pw * k)) h=$((ph * k)) x=$(((sw - pw * k) / 2)) y=$(((sh - ph * k) / 2))
        convert "$1" -sample "$((k * 100))%" "png:$2.expected"
        convert "$2" -crop "${w}x$h+$x+$y" +repage "png:$2.centre"
        [[ $(e2e_diff_count "$2.expected" "$2.centre") -eq 0 ]] || continue
        [[ $(convert "$2" -fill black -draw "rectangle $x,$y $((x + w - 1)),$((y + h - 1))" \
            -format '%[max]' info:) == 0 ]]
        return
    done
    return 1
}

# Number of pixels in which two screenshots differ.
e2e_diff_count()
{
    local count
    count=$(compare -metric AE "$1" "$2" null: 2>&1)
    [[ "$count" =~ ^[0-9]+$ ]] && echo "$count" || echo 999999999
}

# Screenshots into $2; true when it differs from the picture in $1 (in more
# than a number of pixels, 0 by default), or equals it.
e2e_screen_differs() { e2e_screenshot "$2"; [[ $(e2e_diff_count "$1" "$2") -gt ${3:-0} ]]; }
e2e_screen_equals() { e2e_screenshot "$2"; [[ $(e2e_diff_count "$1" "$2") -eq 0 ]]; }
e2e_screen_still() { cp "$1" "$1.previous"; sleep 0.1; e2e_screen_equals "$1.previous" "$1"; }

# Waits until the window differs from the reference picture in more than a
# number of pixels (default 0) and leaves that picture in $2. It does not
# wait for the picture to settle: the play screen never does.
e2e_wait_screen_changes() { e2e_wait_for "the window to change" e2e_screen_differs "$1" "$2" "${3:-0}"; }

# Waits until the window shows something other than the reference picture
# and leaves the new picture, once it has stopped changing, in $2.
e2e_wait_screen_differs()
{
    e2e_wait_screen_changes "$1" "$2"
    e2e_poll 5 e2e_screen_still "$2" || e2e_fail "the window never stopped changing"
}

# Waits until the window shows exactly the reference picture again.
e2e_wait_screen_equals()
{
    e2e_poll "$E2E_WAIT_SECONDS" e2e_screen_equals "$1" "$2" || e2e_fail "the window did not come back to" \
        "$(basename "$1") within $E2E_WAIT_SECONDS s ($(e2e_diff_count "$1" "$2") pixels differ)"
}

# Number of pixels of exactly the colour r g b in a screenshot, or in its
# part WxH+X+Y: e2e_count_colour file r g b [part]
e2e_count_colour()
{
    convert "$1" -alpha off ${5:+-crop "$5" +repage} -fill black +opaque "rgb($2,$3,$4)" \
        -fill white -opaque "rgb($2,$3,$4)" -format '%[fx:round(mean*w*h)]' info:
}

# Waits for the game to end (within E2E_EXIT_TIMEOUT, or the seconds given)
# with the exit status given: e2e_expect_status status [seconds]
e2e_expect_status()
{
    local seconds=${2:-$E2E_EXIT_TIMEOUT} status
    e2e_poll "$seconds" e2e_game_ended || e2e_fail "the game was still running after $seconds s"
    wait "$E2E_GAME_PID"
    status=$?
    [[ $status -eq $1 ]] || e2e_fail "exit status $status, expected $1"
}

# Chooses an option of a freshly shown menu (whose selection starts on the
# first option) by its place, counted from 0.
e2e_choose()
{
    local i
    for ((i = 0; i < $1; i++)); do e2e_press Down; done
    e2e_press Return
}

# Chooses an option of the main menu by its text.
e2e_main_menu()
{
    local options=("New Game" "Level Editor" "Options" "Help" "Quit") i
    for i in "${!options[@]}"; do
        [[ "${options[$i]}" == "$1" ]] && { e2e_choose "$i"; return 0; }
    done
    e2e_fail "the main menu has no option '$1'"
}

# Chooses an option of the "Options" menu by its place, counted from 0.
e2e_option() { e2e_main_menu "Options"; sleep "$E2E_DIALOG_SECONDS"; e2e_choose "$1"; }

# From the main menu: "Quit", then "Yes"; the game must end with status 0.
e2e_quit_via_menu()
{
    e2e_main_menu "Quit"
    sleep "$E2E_DIALOG_SECONDS"
    e2e_choose 1
    e2e_expect_status 0
}

# From play: pause, "Quit to Menu", "Yes"; what play was started from comes
# back exactly: the main menu with "New Game" selected as the game first
# showed it ("menu.png"), or the picture named second. NAME names the
# screenshots; "$NAME.png" must hold the play screen.
e2e_quit_play_to_menu()
{
    e2e_press p
    e2e_wait_screen_differs "$(e2e_shot "$1")" "$(e2e_shot "$1-paused")"
    e2e_choose 1
    sleep "$E2E_DIALOG_SECONDS"
    e2e_choose 1
    e2e_wait_screen_equals "$(e2e_shot "${2:-menu}")" "$(e2e_shot "$1-left")"
}

# From the editor: Escape, then the answer to "Quit Editor?" by its place
# (1 "Save and Quit", 2 "Quit Without Saving"); the main menu comes back
# exactly as "menu.png" shows it.
e2e_leave_editor()
{
    e2e_screenshot "$(e2e_shot editor-left)"
    e2e_press Escape
    e2e_wait_screen_differs "$(e2e_shot editor-left)" "$(e2e_shot quit-editor)"
    e2e_choose "$1"
    e2e_wait_screen_equals "$(e2e_shot menu)" "$(e2e_shot menu-after-editor)"
}
