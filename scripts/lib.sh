# Shared by the scripts: repository root, build root, privilege helper.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_ROOT="${TARVO_BUILD_ROOT:-$ROOT/build}"
export TARVO_WINEPREFIX="${TARVO_WINEPREFIX:-$BUILD_ROOT/wine-prefix}"

as_root() {
    if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

log() { printf '== %s\n' "$*" >&2; }
