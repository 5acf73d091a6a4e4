#!/bin/sh
# soak.sh BUILD [SEEDS] [EVENTS]: the restless pupil for a long while (`make soak`).
#
# Plays SEEDS seeds of EVENTS events each (default 20 x 50000, a million events), new seeds
# every run unless SOAK_FIRST_SEED says where to start, or only seed SOAK_SEED, through a
# private print service of its own so that pages reach paper now and then. Prints the
# events, the seeds and the invariant checks made; a seed that breaks a promise is printed
# with the command that plays it again.
set -eu
build=$1
seeds=${2:-20}
events=${3:-50000}
here=$(cd "$(dirname "$0")" && pwd)
script=$here/../print/cups-sandbox.sh
cups=$(cd "$build" && pwd)/cups-soak
first=${SOAK_FIRST_SEED:-$(( $(date +%s) % 100000 * 100 + 1000 ))}

"$script" start "$cups" Tarvello_A Tarvello_B >/dev/null
trap '"$script" stop "$cups"' EXIT INT TERM
if [ -n "${SOAK_SEED:-}" ]; then
    export TARVELLO_SOAK_SEED=$SOAK_SEED
    echo "soak: seed $SOAK_SEED, $events events"
else
    echo "soak: $seeds seeds from $first, $events events each"
fi
TARVELLO_CUPS_DIR=$cups TARVELLO_CUPS_SCRIPT=$script QT_QPA_PLATFORM=offscreen \
TARVELLO_SOAK_FIRST_SEED=$first TARVELLO_SOAK_SEEDS=$seeds TARVELLO_SOAK_EVENTS=$events \
TARVELLO_SOAK_PAPER_EVERY=${SOAK_PAPER_EVERY:-100} \
    "$build/tests/soak/tst_soak" -silent
