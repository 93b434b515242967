#!/usr/bin/env bash
# Runs the real calculator window under a private X server and a private
# session bus with the accessibility bus, and listens to it as a screen
# reader does (atspi_listener.py). Usage: atspi_test.sh QUILLET_BINARY
# A bus or server that cannot start fails the test.
set -euo pipefail
app=$1
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ "${QUILLET_ATSPI_INNER:-}" != 1 ]; then
    exec env QUILLET_ATSPI_INNER=1 dbus-run-session -- bash "$0" "$@"
fi
work=$(mktemp -d)
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

# The server picks a display number nobody uses (other tests may run at the
# same time) and writes it once it is ready. A loaded machine may take its
# time: each wait here is generous.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 300); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "the X server did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
pids+=($!)
for _ in $(seq 300); do
    dbus-send --session --dest=org.freedesktop.DBus --print-reply /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true && break
    sleep 0.1
done

export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
"$app" >"$work/app.log" 2>&1 &
pids+=($!)
window=
# Shown (mapped), and then given the keyboard.
for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name 'Timecode Calculator' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && timeout 10 xdotool windowfocus --sync "$window" 2>/dev/null && break
    window=
    sleep 0.1
done
[ -n "$window" ] || { echo "the calculator window did not appear" >&2; cat "$work/app.log" >&2; exit 1; }

QUILLET_WINDOW=$window /usr/bin/python3 "$here/atspi_listener.py"
