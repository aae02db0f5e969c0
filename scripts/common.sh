# shellcheck shell=bash
# Shared by start-team.sh, start-penalty.sh and kill-team.sh (sourced, not run).
# Paths given on the command line are taken from where the script was run;
# the defaults (build/, logs/) lie in the repository root.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd -P)
PROGRAMS="rovan rovan-penalty rovan-keeper"
HOST=127.0.0.1
PORT=3100
LOGS=$ROOT/logs
BUILD=$ROOT/build

# Each script defines usage().
usage_error() {
    echo "$(basename "$0"): $1" >&2
    usage >&2
    exit 2
}

absolute() {
    case "$1" in
        /*) printf '%s\n' "$1" ;;
        *) printf '%s\n' "$PWD/$1" ;;
    esac
}

# Reads one option of the start scripts at "$1" "$2"; sets SHIFT to the
# number of words it used (0: not one of them).
# shellcheck disable=SC2034
parse_start_option() {
    SHIFT=2
    case "$1" in
        --host | --port | --logs | --build)
            if [ $# -lt 2 ] || [ -z "$2" ]; then usage_error "$1 needs a value"; fi
            ;;
    esac
    case "$1" in
        --host) HOST=$2 ;;
        --port)
            if ! [[ $2 =~ ^[0-9]{1,5}$ ]] || ((10#$2 < 1 || 10#$2 > 65535)); then
                usage_error "--port needs a number from 1 to 65535, not '$2'"
            fi
            PORT=$((10#$2))
            ;;
        --logs) LOGS=$(absolute "$2") ;;
        --build) BUILD=$(absolute "$2") ;;
        *) SHIFT=0 ;;
    esac
}

# True when PID is a live process of one of our programs started from this
# repository (a process that has ended but is not yet reaped is not live).
is_our_player() {
    local pid=$1 argv0 exe
    [[ $pid =~ ^[1-9][0-9]*$ ]] || return 1
    IFS= read -r -d '' argv0 < "/proc/$pid/cmdline" 2>/dev/null || return 1
    [[ " $PROGRAMS " == *" ${argv0##*/} "* ]] && [ "/proc/$pid/cwd" -ef "$ROOT" ] || return 1
    exe=$(readlink "/proc/$pid/exe" 2>/dev/null) || return 1
    exe=${exe% (deleted)}
    [ "${exe##*/}" = "${argv0##*/}" ]
}

# The pids listed in a pid file that are still our players, one per line.
live_players() {
    local pid
    [ -f "$1" ] || return 0
    while read -r pid; do
        if is_our_player "$pid"; then echo "$pid"; fi
    done < "$1"
}

# Checks what a start needs and that nothing listed in PIDFILE still runs.
prepare_start() {
    local program running
    for program in "$@"; do
        [ -x "$BUILD/$program" ] || { echo "no program $BUILD/$program; build first" >&2; exit 1; }
    done
    [ -d "$ROOT/Acts" ] || { echo "no Acts/ folder in $ROOT" >&2; exit 1; }
    mkdir -p "$LOGS" || exit 1
    running=$(live_players "$PIDFILE" | tr '\n' ' ')
    if [ -n "$running" ]; then
        echo "players of $PIDFILE still run (pids ${running% }); stop them first: scripts/kill-team.sh --logs $LOGS" >&2
        exit 1
    fi
    : > "$PIDFILE" || exit 1
    cd "$ROOT" || exit 1
}

# start_player PROGRAM UNUM: one player in the background, its output in the
# log folder, its pid appended to PIDFILE.
STARTED=()
start_player() {
    local log="$LOGS/$1-$2.log"
    "$BUILD/$1" --unum "$2" --host "$HOST" --port "$PORT" > "$log" 2>&1 < /dev/null &
    echo $! >> "$PIDFILE"
    STARTED+=("$! $1 --unum $2, log $log")
    echo "started $1 --unum $2 (pid $!), log $log"
}

# After the starts: names the players that have already ended.
check_started() {
    local player ended=0
    sleep 0.2
    for player in "${STARTED[@]}"; do
        if ! is_our_player "${player%% *}"; then
            echo "ended at once: ${player#* }" >&2
            ended=1
        fi
    done
    return $ended
}
