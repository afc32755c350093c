# shellcheck shell=bash
# Shared helpers for the end-to-end tests: each test script runs the real
# game under its own virtual X server, drives it with key presses and checks
# what a player would see: the window, its caption, its pixels, the files
# left behind and the exit status.
#
# A test script:
#   source "$(dirname "$0")/lib.sh"
#   e2e_setup "$@"                # game binary, asset dir, level dir, x_window and text_masks helpers
#   check_something() { e2e_start_game; e2e_wait_paced; ...; e2e_quit_via_menu; }
#   e2e_case "what it shows" check_something
#   e2e_finish
#
# Every case runs in a subshell in its own fresh game folder; any e2e_fail
# (or a failed wait) ends that case, kills its game and marks it failed, and
# the next case still runs.

set -uo pipefail

E2E_KEY_HOLD=0.09       # seconds a key stays down: held keys are sampled per frame
E2E_KEY_GAP=0.15        # seconds between key presses: one menu frame reads one event
E2E_START_TIMEOUT=30    # seconds for the window to appear and pacing to start
E2E_EXIT_TIMEOUT=15     # seconds for the game to end once asked to

e2e_setup()
{
    E2E_BIN=$(realpath -m "${1:?game binary}")
    E2E_ASSETS=$(realpath -m "${2:?asset folder}")
    E2E_LEVELS=$(realpath -m "${3:-levels}")
    E2E_XWINDOW=$(realpath -m "${4:-x_window}")
    E2E_TEXT_MASKS=$(realpath -m "${5:-text_masks}")
    E2E_SCRIPT=$(basename "$0" .sh)
    E2E_FAILED=()
    E2E_PASSED=0

    local tool
    for tool in Xvfb xdotool; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "SKIP: $tool is not installed (./scripts/install-deps.sh --tests installs it)"
            exit 77
        fi
    done
    for tool in xwd convert compare xwininfo; do
        command -v "$tool" >/dev/null 2>&1 || { echo "FAIL: $tool is not installed"; exit 1; }
    done
    [[ -x "$E2E_BIN" ]] || { echo "FAIL: no game binary at $E2E_BIN"; exit 1; }
    [[ -d "$E2E_ASSETS" ]] || { echo "FAIL: no asset folder at $E2E_ASSETS"; exit 1; }

    E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/sumprun-e2e-$E2E_SCRIPT.XXXXXX")
    trap e2e_teardown EXIT
    e2e_start_xvfb
    unset SDL_VIDEODRIVER
    export SDL_AUDIODRIVER=dummy
}

e2e_start_xvfb()
{
    # -displayfd lets the server pick a free display number itself, so that
    # test scripts run side by side cannot race for one; -s 0 keeps the
    # screen saver from blanking what the screenshots read.
    local numberFile=$E2E_WORK/display
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset -s 0 \
        3>"$numberFile" >"$E2E_WORK/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    local i
    for ((i = 0; i < 200; i++)); do
        if [[ -s "$numberFile" ]] && grep -q '^[0-9]' "$numberFile"; then
            DISPLAY=:$(head -n 1 "$numberFile")
            export DISPLAY
            return 0
        fi
        kill -0 "$E2E_XVFB_PID" 2>/dev/null || break
        sleep 0.05
    done
    echo "FAIL: Xvfb did not start"
    cat "$E2E_WORK/xvfb.log"
    exit 1
}

# Stops the X server and removes the scratch folder, which is kept (with
# the screenshots and game output of every case) when a case failed or
# E2E_KEEP is set.
e2e_teardown()
{
    [[ -n "${E2E_XVFB_PID:-}" ]] && kill "$E2E_XVFB_PID" 2>/dev/null && wait "$E2E_XVFB_PID" 2>/dev/null
    [[ -n "${E2E_WORK:-}" && -d "$E2E_WORK" ]] || return 0
    if [[ -n "${E2E_KEEP:-}" || ${#E2E_FAILED[@]} -gt 0 ]]; then
        echo "screenshots and game output kept in $E2E_WORK"
    else
        rm -rf "$E2E_WORK"
    fi
    return 0
}

# Runs one case: e2e_case "description" function [arguments...]
e2e_case()
{
    local description=$1
    shift
    echo "--- $description"
    local started took
    started=$(e2e_now)
    if (e2e_new_game_dir; trap e2e_stop_game EXIT; "$@"); then
        E2E_PASSED=$((E2E_PASSED + 1))
        took=$(awk -v a="$started" -v b="$(e2e_now)" 'BEGIN { printf "%.1f", b - a }')
        echo "ok: $description ($took s)"
    else
        E2E_FAILED+=("$description")
        echo "FAILED: $description"
    fi
}

e2e_finish()
{
    echo "$E2E_SCRIPT: $E2E_PASSED passed, ${#E2E_FAILED[@]} failed"
    local failure
    for failure in "${E2E_FAILED[@]}"; do
        echo "  failed: $failure"
    done
    [[ ${#E2E_FAILED[@]} -eq 0 ]]
    exit $?
}

# Ends the current case as failed, showing what the game printed.
e2e_fail()
{
    echo "  FAIL: $*"
    # What the window showed when the case failed, for whoever looks into it.
    if [[ -n "${E2E_WIN:-}" && -n "${E2E_GAME_DIR:-}" ]] && e2e_window_exists; then
        xwd -silent -id "$E2E_WIN" 2>/dev/null | convert xwd:- "png:$E2E_GAME_DIR/at-failure.png" 2>/dev/null \
            && echo "  the window at the failure: $E2E_GAME_DIR/at-failure.png"
    fi
    if [[ -n "${E2E_GAME_LOG:-}" && -s "$E2E_GAME_LOG" ]]; then
        echo "  game output:"
        sed 's/^/    /' "$E2E_GAME_LOG" | tail -n 20
    fi
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
e2e_copy_levels()
{
    cp "$E2E_LEVELS"/levelmap* "$E2E_GAME_DIR"/ || e2e_fail "cannot copy the levels from $E2E_LEVELS"
}

# Starts the game in its folder, in the background; with arguments, starts
# that command instead (such as a script that runs the game).
e2e_start_game()
{
    [[ $# -gt 0 ]] || set -- "$E2E_BIN"
    (cd "$E2E_GAME_DIR" && exec "$@") >"$E2E_GAME_LOG" 2>&1 &
    E2E_GAME_PID=$!
    E2E_WIN=
}

e2e_game_running() { [[ -n "${E2E_GAME_PID:-}" ]] && kill -0 "$E2E_GAME_PID" 2>/dev/null; }

e2e_stop_game()
{
    if e2e_game_running; then
        kill -KILL "$E2E_GAME_PID" 2>/dev/null
        wait "$E2E_GAME_PID" 2>/dev/null
    fi
    return 0
}

# Seconds since the epoch with fractions, for deadlines.
e2e_now() { date +%s.%N; }
e2e_before() { awk -v now="$(e2e_now)" -v end="$1" 'BEGIN { exit !(now < end) }'; }
e2e_deadline() { awk -v now="$(e2e_now)" -v s="$1" 'BEGIN { printf "%.3f", now + s }'; }

# Waits for the game window (caption "Sump Run Level" or the paced one) and
# sets E2E_WIN.
e2e_find_window()
{
    local end
    end=$(e2e_deadline "${1:-$E2E_START_TIMEOUT}")
    while e2e_before "$end"; do
        E2E_WIN=$(xdotool search --name '^(Sump Run Level|Now running at )' 2>/dev/null | head -n 1)
        [[ -n "$E2E_WIN" ]] && return 0
        e2e_game_running || e2e_fail "the game ended before its window appeared"
        sleep 0.1
    done
    e2e_fail "no game window after ${1:-$E2E_START_TIMEOUT} s"
}

e2e_caption() { xdotool getwindowname "$E2E_WIN" 2>/dev/null; }

# Waits until the frame pacing writes its caption: the main loop is running.
e2e_wait_paced()
{
    [[ -n "${E2E_WIN:-}" ]] || e2e_find_window "$E2E_START_TIMEOUT"
    local end caption
    end=$(e2e_deadline "${1:-$E2E_START_TIMEOUT}")
    while e2e_before "$end"; do
        caption=$(e2e_caption)
        [[ "$caption" == "Now running at "* ]] && return 0
        e2e_game_running || e2e_fail "the game ended before its main loop ran"
        sleep 0.1
    done
    e2e_fail "the caption never became the frame rate (last: '$caption')"
}

# xdotool complains on stderr that there is no focused window (there is no
# window manager); its exit status is what counts.
e2e_key()
{
    xdotool "$1" --window "$E2E_WIN" "$2" 2>/dev/null
}

e2e_window_exists() { xwininfo -id "$E2E_WIN" >/dev/null 2>&1; }

# Releases a key; false when the game is ending and took its window along.
e2e_release()
{
    e2e_key keyup "$1" && return 0
    e2e_window_exists && e2e_fail "cannot release $1"
    return 1
}

# Presses and releases keys (xdotool key names: Down, Return, Escape, p...)
# as a person would: each key stays down long enough for the game to see it
# held, and the next key comes after the game has read this one. A key that
# ends the game may leave no window to release it on.
e2e_press()
{
    local key
    for key in "$@"; do
        e2e_key keydown "$key" || e2e_fail "cannot press $key"
        sleep "$E2E_KEY_HOLD"
        e2e_release "$key" || return 0
        sleep "$E2E_KEY_GAP"
    done
}

# Holds a key down for a number of milliseconds.
e2e_hold()
{
    local key=$1 ms=$2
    e2e_key keydown "$key" || e2e_fail "cannot press $key"
    sleep "$(awk -v ms="$ms" 'BEGIN { printf "%.3f", ms / 1000 }')"
    e2e_release "$key"
    return 0
}

# Asks the window to close, as a window manager's close button does.
e2e_close_window()
{
    [[ -x "$E2E_XWINDOW" ]] || e2e_fail "no x_window helper to close the window with"
    "$E2E_XWINDOW" close "$E2E_WIN" || e2e_fail "cannot send the close request"
}

# Reads the window's pixels back into a PNG file.
e2e_screenshot()
{
    local file=$1
    xwd -silent -id "$E2E_WIN" 2>/dev/null | convert xwd:- "png:$file" 2>/dev/null \
        || e2e_fail "cannot read the window back"
}

# "r,g,b" of one pixel of a screenshot.
e2e_pixel()
{
    local at="p{$2,$3}"
    convert "$1" -format "%[fx:round(255*$at.r)],%[fx:round(255*$at.g)],%[fx:round(255*$at.b)]" info:
}

# Number of pixels of exactly the colour r g b in a screenshot.
e2e_count_colour()
{
    convert "$1" -alpha off -fill black +opaque "rgb($2,$3,$4)" -fill white -opaque "rgb($2,$3,$4)" \
        -format '%[fx:round(mean*w*h)]' info:
}

# Number of separate horizontal bands (text lines) holding pixels of
# exactly the colour r g b.
e2e_colour_bands()
{
    convert "$1" -alpha off -fill black +opaque "rgb($2,$3,$4)" -fill white -opaque "rgb($2,$3,$4)" \
        -colorspace gray -scale "1x$(identify -format %h "$1")!" -depth 8 txt:- |
        awk -F'[ ,:()]+' 'NR > 1 { lit = ($4 > 0); if (lit && !was) bands++; was = lit } END { print bands + 0 }'
}

# Number of pixels in which two screenshots differ.
e2e_diff_count()
{
    local count
    count=$(compare -metric AE "$1" "$2" null: 2>&1)
    [[ "$count" =~ ^[0-9]+$ ]] || count=999999999
    echo "$count"
}

# Waits until the window shows something other than the reference picture
# and leaves the new picture, once it has stopped changing, in $2.
e2e_wait_screen_differs()
{
    local reference=$1 out=$2 end
    end=$(e2e_deadline "${3:-10}")
    while e2e_before "$end"; do
        e2e_screenshot "$out"
        if [[ $(e2e_diff_count "$reference" "$out") -gt 0 ]]; then
            e2e_wait_screen_settles "$out"
            return 0
        fi
        sleep 0.1
    done
    e2e_fail "the window did not change within ${3:-10} s"
}

# Waits until the window shows exactly the reference picture again.
e2e_wait_screen_equals()
{
    local reference=$1 out=$2 end
    end=$(e2e_deadline "${3:-10}")
    while e2e_before "$end"; do
        e2e_screenshot "$out"
        [[ $(e2e_diff_count "$reference" "$out") -eq 0 ]] && return 0
        sleep 0.1
    done
    e2e_fail "the window did not come back to $(basename "$reference") within ${3:-10} s ($(e2e_diff_count "$reference" "$out") pixels differ)"
}

# Takes screenshots into $1 until two in a row are the same.
e2e_wait_screen_settles()
{
    local file=$1 previous=$1.previous i
    for ((i = 0; i < 50; i++)); do
        cp "$file" "$previous"
        sleep 0.1
        e2e_screenshot "$file"
        [[ $(e2e_diff_count "$previous" "$file") -eq 0 ]] && return 0
    done
    e2e_fail "the window never stopped changing"
}

# Waits until a command succeeds: e2e_wait_for "what" command [arguments...]
e2e_wait_for()
{
    local what=$1 end
    shift
    end=$(e2e_deadline 10)
    while e2e_before "$end"; do
        "$@" && return 0
        e2e_game_running || e2e_fail "the game ended while waiting for $what"
        sleep 0.1
    done
    e2e_fail "gave up waiting for $what"
}

# Waits for the game to end and sets E2E_STATUS to its exit status.
e2e_wait_exit()
{
    local end
    end=$(e2e_deadline "${1:-$E2E_EXIT_TIMEOUT}")
    while e2e_before "$end"; do
        if ! e2e_game_running; then
            wait "$E2E_GAME_PID"
            E2E_STATUS=$?
            return 0
        fi
        sleep 0.05
    done
    e2e_fail "the game was still running after ${1:-$E2E_EXIT_TIMEOUT} s"
}

e2e_expect_status()
{
    e2e_wait_exit "${2:-}"
    [[ "$E2E_STATUS" -eq "$1" ]] || e2e_fail "exit status $E2E_STATUS, expected $1"
}

# From play: pause, "Quit to Menu", "Yes"; the main menu comes back with
# "New Game" selected, exactly as the game first showed it. NAME names the
# screenshots; "menu.png" must hold the first main menu.
e2e_quit_play_to_menu()
{
    local name=$1
    e2e_press p
    e2e_wait_screen_differs "$E2E_GAME_DIR/$name.png" "$E2E_GAME_DIR/$name-paused.png"
    e2e_choose 1
    sleep 0.3
    e2e_choose 1
    e2e_wait_screen_equals "$E2E_GAME_DIR/menu.png" "$E2E_GAME_DIR/$name-menu.png"
}

# Chooses an option of a freshly shown menu (whose selection starts on the
# first option) by its place, counted from 0.
e2e_choose()
{
    local index=$1 i
    for ((i = 0; i < index; i++)); do
        e2e_press Down
    done
    e2e_press Return
}

# The main menu's options, top to bottom.
E2E_MAIN_MENU=("New Game" "Level Editor" "Options" "Help" "Quit")

# Chooses an option of the main menu by its text.
e2e_main_menu()
{
    local i
    for i in "${!E2E_MAIN_MENU[@]}"; do
        if [[ "${E2E_MAIN_MENU[$i]}" == "$1" ]]; then
            e2e_choose "$i"
            return 0
        fi
    done
    e2e_fail "the main menu has no option '$1'"
}

# From the main menu: "Quit", then "Yes"; the game must end with status 0.
e2e_quit_via_menu()
{
    e2e_main_menu "Quit"
    sleep 0.3
    e2e_choose 1
    e2e_expect_status 0
}

# Copies the part WxH+X+Y of a screenshot into a file of its own.
e2e_crop()
{
    convert "$1" -crop "$3" +repage "png:$2" 2>/dev/null || e2e_fail "cannot crop $(basename "$1")"
}

# Number of pixels in which two screenshots differ inside the part WxH+X+Y.
e2e_region_diff_count()
{
    local a=$E2E_GAME_DIR/.region_a.png b=$E2E_GAME_DIR/.region_b.png
    e2e_crop "$1" "$a" "$3"
    e2e_crop "$2" "$b" "$3"
    e2e_diff_count "$a" "$b"
}

# The horizontal extents, one "first-last" line each, of the groups of
# columns holding pixels of exactly the colour r g b inside the part
# WxH+X+Y of a screenshot (x counted from the screenshot's left edge); lit
# columns less than a gap apart (default 30) belong to one group, so the
# words of one text line make one group.
e2e_colour_columns()
{
    local file=$1 r=$2 g=$3 b=$4 part=$5 gap=${6:-30}
    local width=${part%%x*} left
    left=$(awk -F+ '{ print $2 }' <<<"$part")
    convert "$file" -alpha off -crop "$part" +repage \
        -fill black +opaque "rgb($r,$g,$b)" -fill white -opaque "rgb($r,$g,$b)" \
        -colorspace gray -scale "${width}x1!" -depth 8 txt:- |
        awk -F'[ ,:()]+' -v gap="$gap" -v left="$left" '
            NR > 1 && $4 > 0 {
                x = $1 + left
                if (seen && x - last > gap) { printf "%d-%d\n", first, last; seen = 0 }
                if (!seen) { first = x; seen = 1 }
                last = x
            }
            END { if (seen) printf "%d-%d\n", first, last }'
}

# Waits until the window differs from the reference picture in more than a
# number of pixels (default 0) inside the part WxH+X+Y (default the whole
# window) and leaves that picture in $2. Unlike e2e_wait_screen_differs it
# does not wait for the picture to settle: the play screen never does.
e2e_wait_screen_changes()
{
    local reference=$1 out=$2 pixels=${3:-0} timeout=${4:-10} part=${5:-640x480+0+0} end
    end=$(e2e_deadline "$timeout")
    while e2e_before "$end"; do
        e2e_screenshot "$out"
        [[ $(e2e_region_diff_count "$reference" "$out" "$part") -gt $pixels ]] && return 0
        e2e_game_running || e2e_fail "the game ended while waiting for the window to change"
        sleep 0.05
    done
    e2e_fail "the window did not change by more than $pixels pixels in $part within $timeout s"
}

# Waits until a screenshot holds at least a number of pixels of exactly the
# colour r g b and leaves it in $1: e2e_wait_colour file r g b [pixels] [timeout]
e2e_wait_colour()
{
    local out=$1 r=$2 g=$3 b=$4 pixels=${5:-1} timeout=${6:-10} end
    end=$(e2e_deadline "$timeout")
    while e2e_before "$end"; do
        e2e_screenshot "$out"
        [[ $(e2e_count_colour "$out" "$r" "$g" "$b") -ge $pixels ]] && return 0
        e2e_game_running || e2e_fail "the game ended while waiting for colour ($r,$g,$b)"
        sleep 0.1
    done
    e2e_fail "no $pixels pixels of colour ($r,$g,$b) appeared within $timeout s"
}

# Writes a black and white picture of where the part WxH+X+Y of a
# screenshot holds exactly the colour r g b: text drawn in one solid colour
# compares equal whatever lies behind it.
e2e_colour_mask()
{
    local file=$1 r=$2 g=$3 b=$4 part=$5 out=$6
    convert "$file" -alpha off -crop "$part" +repage \
        -fill black +opaque "rgb($r,$g,$b)" -fill white -opaque "rgb($r,$g,$b)" "png:$out" 2>/dev/null \
        || e2e_fail "cannot read colour ($r,$g,$b) from $(basename "$file")"
}

# True when the picture in an image file (cyan, the game's transparent
# colour, left out) is drawn at (x, y) in a screenshot, whatever shows
# through its transparent parts.
e2e_image_at()
{
    local screenshot=$1 image=$2 x=$3 y=$4 size part differ
    size=$(identify -format '%wx%h' "$image") || e2e_fail "cannot read $image"
    part=$size+$x+$y
    differ=$(convert "$screenshot" -alpha off -crop "$part" +repage \
        \( +clone \( "$image" -alpha off -transparent cyan \) -composite \) \
        -metric AE -compare -format '%[distortion]' info: 2>/dev/null)
    [[ "$differ" == 0 ]]
}

# Holds a key down for a number of milliseconds, timed by xdotool itself:
# a key the game reads as held each frame then stays down for that long and
# no longer, which a keyup from a second xdotool run cannot promise.
e2e_tap()
{
    local key=$1 ms=${2:-30}
    xdotool keydown --window "$E2E_WIN" "$key" \
        sleep "$(awk -v ms="$ms" 'BEGIN { printf "%.3f", ms / 1000 }')" \
        keyup --window "$E2E_WIN" "$key" 2>/dev/null || e2e_fail "cannot tap $key"
}

# Renders lines of text as the game renders its display ("verdana.ttf" at
# 25 points, solid) so that e2e_read_text can recognise them on screen:
# e2e_learn_texts "Lives: 5" "Lives: 4" ...
e2e_learn_texts()
{
    [[ -x "$E2E_TEXT_MASKS" ]] || e2e_fail "no text_masks helper at $E2E_TEXT_MASKS"
    local dir=$E2E_WORK/texts
    mkdir -p "$dir"
    local batch
    batch=$(mktemp -d "$dir/batch.XXXXXX")
    printf '%s\n' "$@" >"$batch/lines"
    "$E2E_TEXT_MASKS" "$E2E_ASSETS/verdana.ttf" 25 "$batch" <"$batch/lines" >"$batch/sizes" \
        || e2e_fail "cannot render the display texts"
    (cd "$batch" && md5sum -- *.mask) >"$batch/sums"
    awk 'FILENAME == ARGV[1] { sub(/\.mask$/, "", $2); sum[$2] = $1; next }
         FILENAME == ARGV[2] { size[$1] = $2 " " $3; next }
         { n = FNR - 1; if (n in size) printf "%s %s\t%s\n", size[n], sum[n], $0 }' \
        "$batch/sums" "$batch/sizes" "$batch/lines" >>"$dir/index"
}

# Prints which of the learnt texts starting with a prefix a screenshot shows
# in the colour r g b with its top-left corner at (x, y), or nothing:
# e2e_read_text file x y r g b [prefix]
e2e_read_text()
{
    local file=$1 x=$2 y=$3 r=$4 g=$5 b=$6 prefix=${7:-} index=$E2E_WORK/texts/index size sum
    [[ -s "$index" ]] || e2e_fail "no texts learnt to read with"
    while read -r size; do
        sum=$(convert "$file" -alpha off -crop "${size% *}x${size#* }+$x+$y" +repage \
            -fill black +opaque "rgb($r,$g,$b)" -fill white -opaque "rgb($r,$g,$b)" \
            -colorspace gray -depth 8 gray:- 2>/dev/null | md5sum | cut -d' ' -f1)
        awk -F'\t' -v key="$size $sum" '$1 == key { print $2; found = 1; exit } END { exit !found }' "$index" \
            && return 0
    done < <(awk -F'\t' -v prefix="$prefix" 'index($2, prefix) == 1 { split($1, f, " "); print f[1], f[2] }' "$index" | sort -u)
    return 0
}
