#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# Starts one side of a penalty shoot-out: our keeper or our taker.

TAKER_UNUM=9

usage() {
    cat <<TEXT
Usage: scripts/start-penalty.sh keeper|taker [--unum N] [--host H] [--port P] [--logs DIR] [--build DIR]
keeper starts rovan-keeper --unum 1; taker starts rovan-penalty --unum N,
N from 3 to 11 (default $TAKER_UNUM; 1 and 2 would play as goalie). Both announce
the team name Kestro3D, so they cannot face each other: start one side and
let another team's player take the other. Server H:P (default 127.0.0.1:3100),
output to DIR/<program>-N.log, pid to DIR/penalty.pids (default DIR: logs/),
programs from the build folder (default build/). Stop it with
scripts/kill-team.sh --logs DIR.
TEXT
}

source "$(dirname "${BASH_SOURCE[0]}")/common.sh" || exit 1

[ "${1-}" = --help ] && { usage; exit 0; }
case "${1-}" in
    keeper) PROGRAM=rovan-keeper UNUM=1 ;;
    taker) PROGRAM=rovan-penalty UNUM=$TAKER_UNUM ;;
    '') usage_error "keeper or taker?" ;;
    *) usage_error "keeper or taker, not '$1'" ;;
esac
ROLE=$1
shift

while [ $# -gt 0 ]; do
    [ "$1" = --help ] && { usage; exit 0; }
    if [ "$1" = --unum ]; then
        [ "$ROLE" = taker ] || usage_error "--unum is for the taker only; the keeper is number 1"
        [[ ${2-} =~ ^([3-9]|1[01])$ ]] || usage_error "--unum needs a number from 3 to 11, not '${2-}'"
        UNUM=$2
        shift 2
        continue
    fi
    parse_start_option "$@"
    [ "$SHIFT" -gt 0 ] || usage_error "unknown option '$1'"
    shift "$SHIFT"
done

PIDFILE=$LOGS/penalty.pids
prepare_start "$PROGRAM"
start_player "$PROGRAM" "$UNUM"
check_started || exit 1
echo "started the $ROLE against $HOST:$PORT; pid in $PIDFILE"
