# Shared by the scripts: repository root, build root, privilege helper,
# private display.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_ROOT="${TARVO_BUILD_ROOT:-$ROOT/build}"
export TARVO_WINEPREFIX="${TARVO_WINEPREFIX:-$BUILD_ROOT/wine-prefix}"

as_root() {
    if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

log() { printf '== %s\n' "$*" >&2; }

# Starts Xvfb on the first free display with the given screen (default
# 1280x1024x24) and makes it this script's DISPLAY; on exit Wine is stopped
# first, then the display, so no Wine program reports a lost X connection.
private_display() {
    local display=99
    while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
    Xvfb ":$display" -screen 0 "${1:-1280x1024x24}" -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    trap 'WINEPREFIX="$TARVO_WINEPREFIX" wineserver -k 2>/dev/null || true; kill $XVFB_PID 2>/dev/null || true' EXIT
    export DISPLAY=":$display"
    sleep 1
}
