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
PACKAGE=
ROOT=$E2E_WORK/root

# Runs the program without any display; its output goes to the game log.
run_without_display()
{
    local status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$E2E_BIN" "$@" \
        >"$E2E_GAME_LOG.out" 2>"$E2E_GAME_LOG" || status=$?
    echo "$status"
}

expect_one_line()
{
    local file=$1 pattern=$2
    [[ $(wc -l <"$file") -eq 1 ]] || e2e_fail "expected one line, got: $(cat "$file")"
    grep -q -- "$pattern" "$file" || e2e_fail "the line does not say '$pattern': $(cat "$file")"
}

explains_itself_without_x()
{
    [[ $(run_without_display --help) -eq 0 ]] || e2e_fail "--help did not exit 0"
    local section
    for section in --version --record Keys: levelmap0 hiscore .local/share/sumprun; do
        grep -q -- "$section" "$E2E_GAME_LOG.out" || e2e_fail "--help does not mention $section"
    done
    [[ ! -s "$E2E_GAME_LOG" ]] || e2e_fail "--help wrote to stderr: $(cat "$E2E_GAME_LOG")"

    [[ $(run_without_display --version) -eq 0 ]] || e2e_fail "--version did not exit 0"
    [[ "$(cat "$E2E_GAME_LOG.out")" == "sumprun (Sump Run Level) $VERSION" ]] \
        || e2e_fail "--version printed '$(cat "$E2E_GAME_LOG.out")', expected version $VERSION"

    [[ $(run_without_display --no-such-option) -eq 2 ]] || e2e_fail "an unknown option did not exit 2"
    [[ ! -s "$E2E_GAME_LOG.out" ]] || e2e_fail "the usage after an unknown option went to stdout"
    grep -q -- '--no-such-option' "$E2E_GAME_LOG" && grep -q '^Usage: sumprun' "$E2E_GAME_LOG" \
        || e2e_fail "an unknown option is not named with the usage: $(cat "$E2E_GAME_LOG")"

    [[ $(run_without_display) -eq 1 ]] || e2e_fail "without a display the game did not exit 1"
    expect_one_line "$E2E_GAME_LOG" 'no display'
}

# A needed asset missing, or there but not readable as what it should be:
# status 1 after one line naming the file.
fails_naming_the_file()
{
    local file=$1 how=$2 reason=$3
    case $how in
        missing) rm "$E2E_GAME_DIR/$file" ;;
        unreadable) printf 'not a picture' >"$E2E_GAME_DIR/$file" ;;
    esac
    e2e_start_game
    e2e_expect_status 1 "$E2E_START_TIMEOUT"
    grep -v '^sumprun: no sound device' "$E2E_GAME_LOG" >"$E2E_GAME_LOG.lines" || true
    expect_one_line "$E2E_GAME_LOG.lines" "cannot load $file in $E2E_GAME_DIR: $reason"
}

package_builds_and_passes_its_checks()
{
    (cd "$BUILD" && cpack -G DEB -B "$E2E_WORK/package") >"$E2E_WORK/cpack.log" 2>&1 \
        || e2e_fail "cpack failed: $(tail -n 5 "$E2E_WORK/cpack.log")"
    local arch
    arch=$(dpkg --print-architecture)
    PACKAGE=$E2E_WORK/package/sumprun_${VERSION}_$arch.deb
    [[ -f "$PACKAGE" ]] || e2e_fail "no $(basename "$PACKAGE"): $(ls "$E2E_WORK/package")"
    local depends
    depends=$(dpkg-deb -f "$PACKAGE" Depends)
    e2e_note "Depends: $depends"
    local needed
    for needed in fonts-liberation fonts-dejavu-core libsdl1.2debian libsdl-mixer1.2 libsdl-ttf2.0-0 libsdl-image1.2; do
        [[ "$depends" == *"$needed"* ]] || e2e_fail "the package does not depend on $needed"
    done
    local fonts
    fonts=$(dpkg-deb -c "$PACKAGE" | grep '\.ttf')
    [[ $(grep -c ' -> ' <<<"$fonts") -eq 2 && $(wc -l <<<"$fonts") -eq 2 ]] \
        || e2e_fail "the package holds font files instead of two links to the font packages: $fonts"

    lintian --no-tag-display-limit "$PACKAGE" >"$E2E_WORK/lintian.log" 2>&1
    grep '^[EW]:' "$E2E_WORK/lintian.log" | sed 's/^/  lintian /'
    ! grep -q '^E:' "$E2E_WORK/lintian.log" || e2e_fail "lintian reports errors"

    rm -rf "$ROOT"
    dpkg-deb -x "$PACKAGE" "$ROOT" || e2e_fail "dpkg-deb -x failed"
    appstreamcli validate --no-net "$ROOT"/usr/share/metainfo/*.metainfo.xml >"$E2E_WORK/appstream.log" 2>&1 \
        || e2e_fail "appstreamcli rejects the metainfo: $(cat "$E2E_WORK/appstream.log")"
    desktop-file-validate "$ROOT"/usr/share/applications/*.desktop || e2e_fail "the desktop entry is not valid"
    grep -q '^Categories=Game;ArcadeGame;$' "$ROOT"/usr/share/applications/*.desktop \
        || e2e_fail "the desktop entry is not in the arcade games"
    local warnings
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$ROOT/usr/share/man/man6/sumprun.6.gz" 2>&1 >/dev/null)
    [[ -z "$warnings" ]] || e2e_fail "the manual page has faults: $warnings"
    local size
    for size in 16 32 48 64 128 256; do
        [[ "$(identify -format '%wx%h' "$ROOT/usr/share/icons/hicolor/${size}x$size/apps/sumprun.png")" == "${size}x$size" ]] \
            || e2e_fail "no ${size}x$size icon"
    done
}

installed_game_runs_from_anywhere()
{
    [[ -x "$ROOT/usr/games/sumprun" ]] || e2e_fail "the package's contents were not installed"
    # The package's dependencies, the font packages, at their place in the root.
    local link
    for link in "$ROOT"/usr/share/sumprun/*.ttf; do
        local font
        font=$(realpath -m "$link")
        mkdir -p "$(dirname "$font")"
        ln -sf "/${font#"$ROOT"/}" "$font"
    done
    # A player who played an earlier version: own level, high score and a
    # copied asset that the upgrade must replace with a link.
    local home=$E2E_WORK/home data=$E2E_WORK/home/.local/share/sumprun
    mkdir -p "$data"
    printf 'mine' >"$data/levelmap0"
    printf '7\n' >"$data/hiscore"
    printf 'stale' >"$data/menubox.bmp"

    E2E_GAME_DIR=$(mktemp -d "$E2E_WORK/elsewhere.XXXXXX")
    HOME=$home e2e_start_game env -u XDG_DATA_HOME "$ROOT/usr/games/sumprun"
    e2e_wait_paced
    e2e_screenshot "$E2E_GAME_DIR/menu.png"
    e2e_main_menu "New Game"
    e2e_wait_screen_changes "$E2E_GAME_DIR/menu.png" "$E2E_GAME_DIR/play.png"
    e2e_quit_play_to_menu play
    e2e_quit_via_menu

    [[ ! -e "$E2E_GAME_DIR/hiscore" && ! -e "$E2E_GAME_DIR/menubox.bmp" ]] \
        || e2e_fail "the game used the folder it was started in"
    local installed
    for installed in "$ROOT"/usr/share/sumprun/*; do
        local name
        name=$(basename "$installed")
        [[ -L "$data/$name" && "$(readlink "$data/$name")" == "$installed" ]] \
            || e2e_fail "$name in the data folder is not a link to $installed"
    done
    [[ "$(cat "$data/levelmap0")" == mine ]] || e2e_fail "the player's level was touched"
    [[ "$(cat "$data/hiscore")" == 7 ]] || e2e_fail "the high score was lost: '$(cat "$data/hiscore")'"
    local extra
    [[ -f "$data/lastgame.replay" ]] || e2e_fail "the game played was not recorded in the data folder"
    extra=$(cd "$data" && ls -A | grep -vxF -f <(ls -A "$ROOT/usr/share/sumprun") |
        grep -vx -e levelmap0 -e hiscore -e lastgame.replay)
    [[ -z "$extra" ]] || e2e_fail "the data folder holds more than links and the player's files: $extra"
}

e2e_case "--help, --version, a bad option and no display, without X" explains_itself_without_x
e2e_case "a missing asset is named" fails_naming_the_file menubox.bmp missing "No such file or directory"
e2e_case "an unreadable asset is named" fails_naming_the_file SRSong1.ogg unreadable "it is damaged"
if command -v dpkg-deb >/dev/null 2>&1; then
    e2e_case "the package builds and passes lintian, appstream, desktop and manual checks" \
        package_builds_and_passes_its_checks
    e2e_case "the installed game starts from any folder into the player's data folder" installed_game_runs_from_anywhere
else
    echo "--- skipped: the package cases need dpkg-deb (a Debian system)"
fi
e2e_finish
