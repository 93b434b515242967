#!/bin/sh
# Runs a Windows program under wine in a prefix of the build's own.
#   wine-run.sh PREFIX LOADER PROGRAM [ARGUMENT...]   run PROGRAM
#   wine-run.sh PREFIX LOADER                         only bring the prefix and server up
#   wine-run.sh PREFIX LOADER --stop                  shut the server down
#
# The wine server and wine's own service processes, started on demand by
# whichever program needs them first, inherit that program's output and
# outlive it: had it written into a pipe, whoever reads the pipe (ctest,
# test discovery at build time) would wait for its end until a time-out.
# And the first run in a new prefix builds the prefix, which takes longer
# than a test may. So the prefix is built and a persistent server started
# first, detached from every pipe (the server stays up until --stop; ctest
# stops it after the tests), and a program writes into files that are
# copied to this script's output once it has ended.
set -eu
prefix=$(realpath -m "$1")
loader=$2
shift 2
server=$(dirname "$loader")/wineserver

export WINEPREFIX="$prefix"
export WINEDEBUG=-all
# No Mono or Gecko installers: nothing here needs .NET or a browser engine.
export WINEDLLOVERRIDES="mscoree,mshtml="

if [ "${1:-}" = "--stop" ]; then
  [ -d "$prefix" ] && "$server" -k >/dev/null 2>&1 || true
  exit 0
fi

mkdir -p "$prefix"
(
  # One caller at a time: parallel builds run several test discoveries at once.
  flock 9
  # Refused (and harmless) when the prefix's server is already running.
  "$server" -p 9>&- </dev/null >/dev/null 2>&1 || true
  if [ ! -f "$prefix/.initialised" ]; then
    "$loader" wineboot --init 9>&- </dev/null >"$prefix.log" 2>&1
    touch "$prefix/.initialised"
  fi
) 9>"$prefix.lock"

[ $# -eq 0 ] && exit 0
out=$(mktemp)
err=$(mktemp)
status=0
"$loader" "$@" >"$out" 2>"$err" || status=$?
cat "$out"
cat "$err" >&2
rm -f "$out" "$err"
exit $status
