#!/usr/bin/env bash
# The installer's round trip under Wine, in a private copy of the test
# prefix where another program owns .apk: a silent install with /DEFAULT,
# the files, the associations, a double-click on a package with a Chinese,
# blank-holding path, the uninstall entry; a silent uninstall, and nothing of
# ours left, the other program's .apk default given back.
#
#   roundtrip.sh SETUP.exe BUILT_DIR VERSION WORK_DIR
set -uo pipefail
source "$(dirname "$0")/../../scripts/lib.sh"
setup="$1" built="$2" version="$3" work="$4"

# Other tests keep using the template meanwhile; its lock keeps
# scripts/wine-prefix from changing it while it is copied.
"$ROOT/scripts/wine-prefix" || exit 1
rm -rf "$work" && mkdir -p "$work"
(flock -w 300 9 && cp -a "$TARVO_WINEPREFIX" "$work/prefix") 9>"$TARVO_WINEPREFIX.lock" || exit 1
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
trap 'timeout 20 wineserver -k 2>/dev/null' EXIT
drive="$WINEPREFIX/drive_c" dir='C:\Program Files\KorvelTarvo' classes='HKLM\Software\Classes'
uninst='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\KorvelTarvo'

failed=0
fail() { echo "FAILED: $*"; failed=1; }
# Every step is bounded, so a hung program fails the test instead of CI.
step() { timeout -k 5 120 wine "$@" && timeout -k 5 60 wineserver -w; }
# Prints a registry value (the key's default without a name), or nothing.
value() {
    timeout 60 wine reg query "$1" $([ -n "${2:-}" ] && echo /v "$2" || echo /ve) 2>/dev/null | tr -d '\r' |
        sed -n 's/^ *[^ ].*    REG_[A-Z_]*    //p'
}
has_key() { timeout 60 wine reg query "$1" >/dev/null 2>&1; }
expect() { [ "$(value "$1" "${3:-}")" = "$2" ] || fail "$1 ${3:-(default)} is '$(value "$1" "${3:-}")', not '$2'"; }
absent() { ! has_key "$1" || fail "$1 is left"; }

step reg add "$classes\\.apk" /ve /d Other.apk /f >/dev/null
step "$setup" /S /DEFAULT || fail "the installer failed"

for exe in KorvelTarvo korvel_helper aapt tarvo-cli; do
    cmp -s "$built/$exe.exe" "$drive/Program Files/KorvelTarvo/$exe.exe" || fail "$exe.exe is not the built one"
done
[ -f "$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/KorvelTarvo.lnk" ] || fail "no Start menu link"
open="\"$dir\\KorvelTarvo.exe\" \"%1\""
expect "$classes\\.apk" KorvelTarvo.apk
expect "$classes\\KorvelTarvo.apk" Other.apk PreviousApkHandler
expect "$classes\\KorvelTarvo.apk\\shell\\open\\command" "$open"
expect "$classes\\KorvelTarvo.apk\\DefaultIcon" "$dir\\KorvelTarvo.exe,0"
expect "$classes\\Applications\\KorvelTarvo.exe\\shell\\open\\command" "$open"
for ext in .apk .apks .xapk .apkm; do
    has_key "$classes\\$ext\\OpenWithProgids" || fail "$ext is not in the Open with list"
done
# Nothing else opens bundles here, so they are ours.
for ext in .apks .xapk .apkm; do expect "$classes\\$ext" KorvelTarvo.apk; done
expect "$uninst" "$version" DisplayVersion
expect "$uninst" "\"$dir\\uninstall.exe\" /S" QuietUninstallString
expect "$uninst" "$dir" InstallLocation
# Kilobytes of the folder: at least the program, not absurdly more.
kb=$(($(value "$uninst" EstimatedSize))) exe_kb=$(($(stat -c %s "$built/KorvelTarvo.exe") / 1024))
[ "$kb" -ge "$exe_kb" ] && [ "$kb" -le $((exe_kb * 4)) ] || fail "EstimatedSize $kb KB for a $exe_kb KB program"

# A double click: the shell starts the program on the package, which hands
# the path to the inspection tool. Wine's process trace shows that command
# line as the program gave it, non-ASCII as \XXXX.
mkdir -p "$drive/安卓 安装测试" && echo "not a package" >"$drive/安卓 安装测试/示例 应用 (1).apk"
WINEDEBUG=+process timeout 60 wine start 'C:\安卓 安装测试\示例 应用 (1).apk' 2>"$work/trace" &
want='aapt.exe\" d badging \"C:\\\5b89\5353 \5b89\88c5\6d4b\8bd5\\\793a\4f8b \5e94\7528 (1).apk\"'
for _ in $(seq 300); do grep -qF "$want" "$work/trace" && break; sleep 0.2; done
grep -qF "$want" "$work/trace" ||
    fail "a double click did not inspect the package: $(grep -a 'KorvelTarvo.exe\|aapt.exe' "$work/trace" | head -3)"
timeout 20 wineserver -k; wait

step "$dir\\uninstall.exe" /S || fail "the uninstaller failed"
[ ! -e "$drive/Program Files/KorvelTarvo" ] || fail "the program's folder is left"
[ ! -e "$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/KorvelTarvo.lnk" ] || fail "the link is left"
for key in KorvelTarvo.apk Applications\\KorvelTarvo.exe .apk\\OpenWithProgids .apks .xapk .apkm; do
    absent "$classes\\$key"
done
absent "$uninst"
expect "$classes\\.apk" Other.apk

[ $failed = 0 ] || { echo "== round trip FAILED (prefix kept in $work)"; exit 1; }
rm -rf "$work"
echo "== round trip passed"
