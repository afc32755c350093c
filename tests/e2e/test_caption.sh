#!/usr/bin/env bash
# The window caption: "Sump Run Level" at start, then the paced frame rate.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

caption_reports_paced_frame_rate()
{
    e2e_start_game
    e2e_wait_paced
    # The first paced caption measures the whole start-up, so judge the
    # ones that follow: every one well formed and never above 50, and the
    # rate settling near 50 once the menu runs.
    local end near=0 readings=() caption rate
    sleep 1.5
    end=$(e2e_deadline 12)
    while e2e_before "$end" && [[ $near -lt 3 ]]; do
        caption=$(e2e_caption)
        [[ "$caption" =~ ^Now\ running\ at\ ([0-9]+)\ frames\ per\ second\.$ ]] \
            || e2e_fail "caption '$caption' is not the frame rate"
        rate=${BASH_REMATCH[1]}
        readings+=("$rate")
        [[ $rate -le 50 ]] || e2e_fail "frame rate $rate is above 50"
        [[ $rate -ge 40 ]] && near=$((near + 1))
        sleep 0.3
    done
    e2e_note "rates read: ${readings[*]}"
    [[ $near -ge 3 ]] || e2e_fail "the frame rate did not stay between 40 and 50"
}

e2e_case "the caption shows a frame rate near 50 and never above" caption_reports_paced_frame_rate
e2e_finish
