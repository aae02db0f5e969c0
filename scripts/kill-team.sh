#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# Stops the players that start-team.sh and start-penalty.sh started.

usage() {
    cat <<'TEXT'
Usage: scripts/kill-team.sh [--logs DIR]
Stops the players listed in DIR/team.pids and DIR/penalty.pids (default DIR:
logs/): each listed process that is still one of our programs started from
this repository gets SIGTERM, and SIGKILL if it still runs a few seconds
later. Other processes are left alone. The pid files are removed.
TEXT
}

source "$(dirname "${BASH_SOURCE[0]}")/common.sh" || exit 1

while [ $# -gt 0 ]; do
    case "$1" in
        --help) usage; exit 0 ;;
        --logs)
            [ -n "${2-}" ] || usage_error "--logs needs a value"
            LOGS=$(absolute "$2")
            shift 2
            ;;
        *) usage_error "unknown option '$1'" ;;
    esac
done

# Prints, one a line, those of the given pids that are still our players
# after up to five seconds.
survivors_after_wait() {
    local pid left end=$((${EPOCHREALTIME/[.,]/} + 5000000))
    while :; do
        left=()
        for pid in "$@"; do
            if is_our_player "$pid"; then left+=("$pid"); fi
        done
        [ ${#left[@]} -eq 0 ] && return 0
        ((${EPOCHREALTIME/[.,]/} < end)) || break
        sleep 0.1
    done
    printf '%s\n' "${left[@]}"
}

# Stops the players of one pid file; keeps the file when one survives.
stop_players() {
    local listed players left killed=""
    listed=$(grep -c . "$PIDFILE")
    mapfile -t players < <(live_players "$PIDFILE")
    if [ ${#players[@]} -eq 0 ]; then
        echo "$PIDFILE: none of its $listed pids is a running player"
        rm -f "$PIDFILE"
        return 0
    fi
    kill -TERM "${players[@]}" 2>/dev/null
    mapfile -t left < <(survivors_after_wait "${players[@]}")
    if [ ${#left[@]} -gt 0 ]; then
        killed=" (${left[*]} after SIGKILL)"
        kill -KILL "${left[@]}" 2>/dev/null
        mapfile -t left < <(survivors_after_wait "${left[@]}")
    fi
    if [ ${#left[@]} -gt 0 ]; then
        echo "$PIDFILE: still running after SIGKILL: ${left[*]}; the file stays" >&2
        return 1
    fi
    echo "$PIDFILE: stopped pids ${players[*]}$killed; $listed listed"
    rm -f "$PIDFILE"
}

status=0
found=0
for PIDFILE in "$LOGS/team.pids" "$LOGS/penalty.pids"; do
    [ -f "$PIDFILE" ] || continue
    found=1
    stop_players || status=1
done
[ "$found" = 1 ] || echo "no team.pids or penalty.pids in $LOGS; nothing to stop"
exit $status
