#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# Starts a team of eleven rovan players in the background.

usage() {
    cat <<'TEXT'
Usage: scripts/start-team.sh [--host H] [--port P] [--logs DIR] [--build DIR]
Starts rovan --unum N for N = 1 to 11 against the server at H:P
(default 127.0.0.1:3100). Output of player N goes to DIR/rovan-N.log, the pids
to DIR/team.pids (default DIR: logs/); the programs are taken from the build
folder (default build/). Stop the team with scripts/kill-team.sh --logs DIR.
TEXT
}

source "$(dirname "${BASH_SOURCE[0]}")/common.sh" || exit 1

while [ $# -gt 0 ]; do
    [ "$1" = --help ] && { usage; exit 0; }
    parse_start_option "$@"
    [ "$SHIFT" -gt 0 ] || usage_error "unknown option '$1'"
    shift "$SHIFT"
done

PIDFILE=$LOGS/team.pids
prepare_start rovan
for unum in $(seq 1 11); do
    start_player rovan "$unum"
    sleep 0.2
done
check_started || exit 1
echo "started 11 players against $HOST:$PORT; pids in $PIDFILE"
