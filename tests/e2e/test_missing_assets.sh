#!/usr/bin/env bash
# Without any one of the assets it cannot run without, the game ends at
# start-up with status 1, before showing anything and without writing files.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

start_without()
{
    local asset=$1
    [[ -f "$E2E_GAME_DIR/$asset" ]] || e2e_fail "the build has no $asset to remove"
    rm "$E2E_GAME_DIR/$asset"
    e2e_start_game
    local end
    end=$(e2e_deadline "$E2E_EXIT_TIMEOUT")
    while e2e_game_running && e2e_before "$end"; do
        if xdotool search --name '^Now running at ' >/dev/null 2>&1; then
            e2e_fail "the game reached its main loop without $asset"
        fi
        sleep 0.05
    done
    e2e_expect_status 1
    [[ ! -e "$E2E_GAME_DIR/hiscore" ]] || e2e_fail "a failed start wrote the hiscore file"
}

for asset in sumprun_ss_pondweed.png menubox.bmp gen_bg_4gobs1.png SRSong1.ogg SRSong2.ogg \
             rat_jump_se.ogg impact.ttf verdana.ttf; do
    e2e_case "without $asset the game exits with status 1" start_without "$asset"
done
e2e_finish
