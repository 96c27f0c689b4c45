#!/bin/sh
# Runs a test program as on a blind pupil's desktop: its own X display
# (Xvfb), its own session bus, and on that the desktop's accessibility bus
# and registry, started on demand as a screen reader finds them. Nothing is
# shared with the user's own desktop or with other tests running at once.
set -eu

for tool in Xvfb dbus-run-session; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "$tool is missing: run scripts/install-deps.sh." >&2
        exit 1
    fi
done
if [ ! -e /usr/share/dbus-1/services/org.a11y.Bus.service ]; then
    echo "The accessibility bus (at-spi2-core) is missing: run scripts/install-deps.sh." >&2
    exit 1
fi

runtime=$(mktemp -d)
xvfb=""
finish() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$runtime"
}
trap finish EXIT

# Xvfb picks a free display and writes its number to descriptor 3.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$runtime/display" \
    >"$runtime/xvfb.log" 2>&1 &
xvfb=$!
tries=0
while [ ! -s "$runtime/display" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 200 ] || ! kill -0 "$xvfb" 2>/dev/null; then
        echo "Xvfb did not start:" >&2
        cat "$runtime/xvfb.log" >&2
        exit 1
    fi
    sleep 0.05
done

DISPLAY=":$(cat "$runtime/display")"
XDG_RUNTIME_DIR="$runtime"
QT_QPA_PLATFORM=xcb
# As when a screen reader runs: Qt's bridge joins the bus.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export DISPLAY XDG_RUNTIME_DIR QT_QPA_PLATFORM QT_LINUX_ACCESSIBILITY_ALWAYS_ON
unset AT_SPI_BUS_ADDRESS DBUS_SESSION_BUS_ADDRESS

# The buses' own chatter goes to a file, shown only when the test fails.
status=0
dbus-run-session -- "$@" 2>"$runtime/buses.log" || status=$?
if [ "$status" -ne 0 ]; then
    cat "$runtime/buses.log" >&2
fi
exit "$status"
