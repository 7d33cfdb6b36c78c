#!/usr/bin/env bash
# One installer round trip under Wine in a private prefix: silent install,
# checks of files, registry and the .apk association, silent uninstall,
# checks that nothing is left.
#
#   roundtrip.sh SETUP.exe CHECKS.exe WORK_DIR plain|default|takeover
#
# "plain" installs without /DEFAULT on a prefix with no .apk key; "default"
# installs with /DEFAULT over another program's .apk default; "takeover"
# installs with /DEFAULT, then another program takes .apk over before the
# uninstall. The checks program (InstalledWinTest.cpp) runs one phase per
# call. WORK_DIR is
# removed when the round trip passes and kept for a look when it fails.
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib.sh"

[ $# = 4 ] || { echo "usage: $0 SETUP.exe CHECKS.exe WORK_DIR plain|default|takeover" >&2; exit 2; }
setup="$1" checks="$2" work="$3" variant="$4"
case "$variant" in
    plain) switches=(/S) ;;
    default|takeover) switches=(/S /DEFAULT) ;;
    *) echo "unknown variant: $variant" >&2; exit 2 ;;
esac
[ -f "$setup" ] || { echo "no installer: $setup" >&2; exit 1; }

# The shared test prefix is the template; other tests keep using it meanwhile.
"$ROOT/scripts/wine-prefix"
template="$TARVO_WINEPREFIX"
prefix="$work/prefix"
rm -rf "$work"
mkdir -p "$prefix/drive_c/windows"

# The system folders (most of the prefix's size) are hard links where the
# file system allows: nothing in the round trip writes them. Everything else,
# the registry files first, is a real copy. The template's lock keeps
# scripts/wine-prefix from changing it meanwhile.
exec 9>"$template.lock"
flock -w 300 9
(cd "$template" && for e in * .update-timestamp; do [ "$e" = drive_c ] || [ ! -e "$e" ] || cp -a "$e" "$prefix/"; done)
(cd "$template/drive_c" && for e in *; do [ "$e" = windows ] || cp -a "$e" "$prefix/drive_c/"; done)
(cd "$template/drive_c/windows" && for e in *; do
    case "$e" in
        system32|syswow64|winsxs)
            cp -al "$e" "$prefix/drive_c/windows/" 2>/dev/null ||
                { rm -rf "$prefix/drive_c/windows/$e" && cp -a "$e" "$prefix/drive_c/windows/"; } ;;
        *) cp -a "$e" "$prefix/drive_c/windows/" ;;
    esac
done)
exec 9>&-

export WINEPREFIX="$prefix" WINEDEBUG=-all TARVO_INSTALL_VARIANT="$variant"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Ends every program of the prefix and waits until its server has saved the
# registry and gone, so the next step starts on a settled prefix.
stop_prefix() {
    timeout -k 5 20 wineserver -k >/dev/null 2>&1 || true
    timeout -k 5 20 wineserver -w >/dev/null 2>&1 || true
}
trap stop_prefix EXIT

# Every step is bounded, so a hung program fails the test instead of CI.
wine_step() { timeout -k 5 "$1" wine "${@:2}"; }
# Waits until the programs of the prefix have ended by themselves.
settle() { timeout -k 5 60 wineserver -w || { echo "== programs still running; stopping them"; stop_prefix; return 1; }; }
# A failed phase fails the round trip but the later phases still run, so
# one run reports every fault.
failed=0
phase() {
    echo "== $1"
    wine_step 120 "$checks" --gtest_filter="$1.*" --gtest_brief=1 || failed=1
}

phase Before
settle
echo "== install ${switches[*]}"
wine_step 120 "$setup" "${switches[@]}"
settle
phase Installed
phase Association
[ "$variant" != takeover ] || phase Later
# The checks ended the programs the shell started; anything left is a fault.
settle || failed=1
echo "== uninstall /S"
# The uninstaller copies itself to the temporary folder and runs from there;
# settle waits for that copy too.
wine_step 120 'C:\Program Files\KorvelTarvo\uninstall.exe' /S
settle
phase Removed

stop_prefix
trap - EXIT
if [ $failed != 0 ]; then
    echo "== round trip $variant FAILED (prefix kept in $prefix)"
    exit 1
fi
rm -rf "$work"
echo "== round trip $variant passed"
