#!/usr/bin/env bash
# The journey of a new player: the Debian package is built and checked, its
# contents are installed into a scratch root, and the installed program,
# started from an unrelated folder with a scratch HOME, plays to the menu
# and makes the player's data folder. Also the program's own words when it
# is asked for help or cannot start.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

BUILD=$(dirname "$E2E_BIN")
VERSION=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
ROOT=$E2E_WORK/root
OUT=$E2E_WORK/out

# Runs the program without any display and expects the status; stdout goes
# to $OUT, stderr to the game log.
expect_without_display()
{
    local status=$1 code=0
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY "$E2E_BIN" "$@" >"$OUT" 2>"$E2E_GAME_LOG" || code=$?
    [[ $code -eq $status ]] || e2e_fail "sumprun $* exited $code, not $status"
}

one_line_saying() { [[ $(wc -l <"$1") -eq 1 ]] && grep -q -- "$2" "$1" || e2e_fail "not one line '$2': $(cat "$1")"; }

explains_itself_without_x()
{
    expect_without_display 0 --help
    local section
    for section in --version --record Keys: levelmap0 hiscore .local/share/sumprun; do
        grep -q -- "$section" "$OUT" || e2e_fail "--help does not mention $section"
    done
    [[ ! -s "$E2E_GAME_LOG" ]] || e2e_fail "--help wrote to stderr"
    expect_without_display 0 --version
    [[ "$(cat "$OUT")" == "sumprun (Sump Run Level) $VERSION" ]] || e2e_fail "--version printed '$(cat "$OUT")'"
    expect_without_display 2 --no-such-option
    [[ ! -s "$OUT" ]] && grep -q -- '--no-such-option' "$E2E_GAME_LOG" && grep -q '^Usage: sumprun' "$E2E_GAME_LOG" \
        || e2e_fail "an unknown option is not named with the usage on stderr"
    expect_without_display 1
    one_line_saying "$E2E_GAME_LOG" 'no display'
    # A display named but not there: one line and status 1 within 5 s.
    local absent=65000 code=0
    while [[ -e /tmp/.X11-unix/X$absent ]]; do absent=$((absent + 1)); done
    DISPLAY=:$absent timeout 5 "$E2E_BIN" >"$OUT" 2>"$E2E_GAME_LOG" || code=$?
    [[ $code -eq 1 ]] || e2e_fail "with DISPLAY=:$absent, not running, the game exited $code (124: still running at 5 s)"
    one_line_saying "$E2E_GAME_LOG" 'cannot open the display'
}

# The desktop entry's Exec line, the program's full path.
desktop_exec() { sed -n 's/^Exec=//p' "$1"/share/applications/*.desktop; }

# The window is the game's to the desktop: its class is the one the menu
# entry names and it has the game's icon (classic SDL gives it as a bitmap,
# SDL2 as a 32 x 32 picture).
window_known_to_the_desktop()
{
    local props
    props=$(xprop -id "$E2E_WIN" WM_CLASS WM_HINTS _NET_WM_ICON 2>&1)
    grep -qF 'WM_CLASS(STRING) = "sumprun", "sumprun"' <<<"$props" || e2e_fail "the window's class is not sumprun: $props"
    grep -Eq 'bitmap id # to use for icon|Icon \(32 x 32\)' <<<"$props" || e2e_fail "the window has no icon: $props"
}

# Started as a desktop starts a menu entry: its Exec, from /, with HOME set.
start_from_menu_entry()
{
    local program=$1 home=$2
    HOME=$home e2e_start_at_menu env -C / -u XDG_DATA_HOME "$program"
    window_known_to_the_desktop
}

# A needed asset missing, or there but not readable as what it should be:
# status 1 after one line naming the file.
fails_naming_the_file()
{
    local file=$1 reason=$2
    rm "$E2E_GAME_DIR/$file"
    [[ $reason == *damaged* ]] && printf 'not a picture' >"$E2E_GAME_DIR/$file"
    e2e_start_game
    e2e_expect_status 1 "$E2E_START_TIMEOUT"
    grep -v '^sumprun: no sound device' "$E2E_GAME_LOG" >"$OUT"
    one_line_saying "$OUT" "cannot load $file in $E2E_GAME_DIR: $reason"
}

package_builds_and_passes_its_checks()
{
    (cd "$BUILD" && cpack -G DEB -B "$E2E_WORK/package") >"$E2E_WORK/cpack.log" 2>&1 || e2e_fail "cpack failed"
    local package=$E2E_WORK/package/sumprun_${VERSION}_$(dpkg --print-architecture).deb needed size
    for needed in fonts-liberation fonts-dejavu-core libsdl1.2debian libsdl-mixer1.2 libsdl-ttf2.0-0 libsdl-image1.2; do
        [[ "$(dpkg-deb -f "$package" Depends)" == *"$needed"* ]] || e2e_fail "the package does not depend on $needed"
    done
    dpkg-deb -c "$package" | grep '\.ttf' >"$OUT"
    [[ $(grep -c ' -> ' "$OUT") == 2 && $(wc -l <"$OUT") == 2 ]] \
        || e2e_fail "the package holds font files, not two links to the font packages"
    # Its tags only: as root it also warns that it runs as root.
    lintian --pedantic --tag-display-limit 0 "$package" 2>&1 | grep -E '^[A-Z]: ' >"$E2E_WORK/lintian.log"
    [[ ! -s "$E2E_WORK/lintian.log" ]] || e2e_fail "lintian --pedantic says: $(cat "$E2E_WORK/lintian.log")"
    rm -rf "$ROOT"
    dpkg-deb -x "$package" "$ROOT" || e2e_fail "dpkg-deb -x failed"
    appstreamcli validate --no-net "$ROOT"/usr/share/metainfo/*.metainfo.xml >"$OUT" 2>&1 \
        || e2e_fail "appstreamcli says no: $(cat "$OUT")"
    desktop-file-validate "$ROOT"/usr/share/applications/*.desktop || e2e_fail "the desktop entry is not valid"
    grep -q '^StartupWMClass=sumprun$' "$ROOT"/usr/share/applications/*.desktop || e2e_fail "no StartupWMClass"
    [[ $(desktop_exec "$ROOT/usr") == /usr/games/sumprun ]] || e2e_fail "the entry runs '$(desktop_exec "$ROOT/usr")'"
    [[ -z "$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$ROOT/usr/share/man/man6/sumprun.6.gz" 2>&1 >/dev/null)" ]] \
        || e2e_fail "the manual page has faults"
    for size in 16 32 48 64 128 256; do
        size=${size}x$size
        [[ "$(identify -format '%wx%h' "$ROOT/usr/share/icons/hicolor/$size/apps/sumprun.png")" == "$size" ]] \
            || e2e_fail "no $size icon"
    done
}

installed_game_runs_from_anywhere()
{
    [[ -x "$ROOT/usr/games/sumprun" ]] || e2e_fail "the package's contents were not installed"
    # The font links lead into the root's /usr, which has no fonts: the
    # game takes the ones it was built with.
    # A new player: the game makes the data folder. (How it treats a
    # player's own files and copies left by an older version there is the
    # data folder's unit test.)
    local link name home=$E2E_WORK/home data=$E2E_WORK/home/.local/share/sumprun
    E2E_GAME_DIR=$(mktemp -d "$E2E_WORK/elsewhere.XXXXXX")
    start_from_menu_entry "$ROOT$(desktop_exec "$ROOT/usr")" "$home"
    e2e_main_menu "New Game"
    e2e_wait_screen_changes "$(e2e_shot menu)" "$(e2e_shot play)"
    e2e_quit_play_to_menu play
    e2e_quit_via_menu

    for link in "$ROOT"/usr/share/sumprun/*; do
        name=$(basename "$link")
        [[ "$(readlink "$data/$name")" == "$link" ]] || e2e_fail "$name in the data folder is not a link to $link"
    done
    [[ -f "$data/lastgame.replay" ]] || e2e_fail "the game played was not recorded in the data folder"
    name=$(ls -A "$data" | grep -vxF -f <(ls -A "$ROOT/usr/share/sumprun") | grep -vxE 'hiscore|lastgame\.replay')
    [[ -z "$name" ]] || e2e_fail "the data folder holds more than links and the player's files: $name"
}

# cmake --install under a player's own prefix: the menu entry's Exec starts
# the game from /, with that prefix not on the PATH.
installed_under_home_starts_from_its_menu_entry()
{
    local home=$E2E_WORK/home-local
    cmake --install "$BUILD" --prefix "$home/.local" >"$E2E_WORK/install.log" 2>&1 || e2e_fail "cmake --install failed"
    [[ $(desktop_exec "$home/.local") == "$home/.local/games/sumprun" ]] \
        || e2e_fail "the entry runs '$(desktop_exec "$home/.local")'"
    start_from_menu_entry "$(desktop_exec "$home/.local")" "$home"
    e2e_quit_via_menu
}

e2e_case "--help, --version, a bad option and no display, without X" explains_itself_without_x
e2e_case "a missing asset is named" fails_naming_the_file menubox.bmp "No such file or directory"
e2e_case "an unreadable asset is named" fails_naming_the_file SRSong1.ogg "it is damaged"
if command -v dpkg-deb >/dev/null 2>&1; then
    e2e_case "the package builds and passes lintian, appstream, desktop and manual checks" \
        package_builds_and_passes_its_checks
    e2e_case "the installed game starts from its menu entry into the player's data folder" \
        installed_game_runs_from_anywhere
else
    echo "--- skipped: the package cases need dpkg-deb (a Debian system)"
fi
e2e_case "installed under ~/.local, the game starts from its menu entry" installed_under_home_starts_from_its_menu_entry
e2e_finish
