#!/bin/sh
# run-x11-test.sh HOME_DIR PROGRAM [ARGS...]
# Starts a test program as run-test.sh does, but on the xcb platform of a
# private Xvfb display that lives as long as the program. Without Xvfb the
# test is skipped (exit code 77).
if ! command -v Xvfb >/dev/null 2>&1; then
    echo "SKIP: Xvfb is not installed (scripts/install-deps.sh test installs it)"
    exit 77
fi

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and tells its number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
tries=0
while [ ! -s "$work/display" ] && [ $tries -lt 100 ] && kill -0 "$xvfb_pid" 2>/dev/null; do
    sleep 0.1
    tries=$((tries + 1))
done
if [ ! -s "$work/display" ]; then
    cat "$work/xvfb.log"
    echo "FAIL: Xvfb did not start"
    exit 1
fi

DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
export DISPLAY
export QT_QPA_PLATFORM=xcb
# No OpenGL on Xvfb: the software GL driver would only be loaded and unloaded.
export QT_XCB_GL_INTEGRATION=none
unset DBUS_SESSION_BUS_ADDRESS

sh "$(dirname "$0")/run-test.sh" "$@"
status=$?
exit $status
