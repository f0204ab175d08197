#!/bin/sh
# run-test.sh HOME_DIR PROGRAM [ARGS...]
# Starts a test program with an empty home folder of its own and the offscreen
# Qt platform.
home=$1
shift
rm -rf "$home"
mkdir -p "$home/.config" "$home/.local/share" "$home/.cache" "$home/runtime"
chmod 700 "$home/runtime"
export HOME="$home"
export XDG_CONFIG_HOME="$home/.config"
export XDG_DATA_HOME="$home/.local/share"
export XDG_CACHE_HOME="$home/.cache"
export XDG_RUNTIME_DIR="$home/runtime"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
exec "$@"
