#!/usr/bin/env bash
# Screenshots of the real calculator window at several Qt scale factors, for
# looking at high-DPI drawing by eye. Runs build/default/app/quillet on a
# private Xvfb display; optional keys (xdotool key names) are typed first.
#   scripts/screenshots.sh OUTDIR [SCALE...] [-- KEY...]
# Needs: xvfb, x11-apps (xwd), netpbm, and xdotool when keys are given.
set -euo pipefail
out=${1:?usage: $0 OUTDIR [SCALE...] [-- KEY...]}
shift
scales=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do scales+=("$1"); shift; done
[ $# -gt 0 ] && shift
keys=("$@")
[ ${#scales[@]} -gt 0 ] || scales=(1 1.5 2)

app="$(cd "$(dirname "$0")/.." && pwd)/build/default/app/quillet"
mkdir -p "$out"
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1600x1200x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
sleep 1

for scale in "${scales[@]}"; do
  DISPLAY=$display QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale "$app" 2>/dev/null &
  app_pid=$!
  sleep 2
  # With no window manager nothing takes the focus: give it, as a desktop would.
  if command -v xdotool >/dev/null; then
    DISPLAY=$display xdotool search --name 'Timecode Calculator' windowfocus --sync 2>/dev/null || true
  fi
  for key in "${keys[@]}"; do
    DISPLAY=$display xdotool key "$key"
    sleep 0.2
  done
  sleep 0.5
  # The window sits on a black root: cropping the black leaves the window.
  DISPLAY=$display xwd -root -silent | xwdtopnm 2>/dev/null | pnmcrop -black 2>/dev/null |
    pnmtopng >"$out/quillet-scale-$scale.png"
  kill "$app_pid"
  wait "$app_pid" 2>/dev/null || true
  echo "$out/quillet-scale-$scale.png"
done
