#!/usr/bin/env bash
# Opens the gallery layer (every element kind) with layout-view --window in a
# real host window under X and saves a screenshot of it as gallery.png.
# usage: gallery_screenshot.sh RUNNER LAYOUT_VIEW_EXE RES_DIR WORK_DIR
set -euo pipefail
runner=$1 exe=$2 res=$3 work=$4
mkdir -p "$work"
out="$work/gallery.png"
rm -f "$out"

xvfb_pid=
if [ -z "${DISPLAY:-}" ]; then
    display=99
    while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$display"
    sleep 1
fi
viewer_pid=
cleanup() {
    [ -n "$viewer_pid" ] && kill "$viewer_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

"$runner" "$exe" "$res/gallery_layer.xml" --window --seconds 60 --app >"$work/gallery-clicks.txt" &
viewer_pid=$!

wid=
for _ in $(seq 1 60); do
    wid=$(xdotool search --name '^Gallery$' 2>/dev/null | head -1 || true)
    [ -n "$wid" ] && break
    sleep 0.5
done
[ -n "$wid" ] || { echo "the gallery window did not appear" >&2; exit 1; }
pixel() { convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:; }
# The first paint can take a while on a loaded machine with a cold Wine.
for _ in $(seq 1 40); do
    sleep 0.5
    import -window "$wid" "$out"
    [ "$(pixel "$out" 3 200)" = 255,255,255 ] && break
done
sleep 0.5
import -window "$wid" "$out"

# The window's client area is the layer's size: no frame around it.
size=$(identify -format %wx%h "$out")
[ "$size" = 520x440 ] || { echo "gallery window is $size, want 520x440" >&2; exit 1; }
expect() {
    local got; got=$(pixel "$out" "$1" "$2")
    [ "$got" = "$3" ] || { echo "pixel $1,$2: got $got, want $3 ($4)" >&2; exit 1; }
}
expect 3 20 242,244,245 "header background"
expect 3 200 255,255,255 "body background"
expect 3 430 242,244,245 "footer background"
expect 3 35 198,212,216 "header's rule on its last line"
# Real input from the display goes through the host's routing: the install
# button under the mouse shows its hover frame, a click on it reaches the
# owner, and a click on the close button (id 2) ends the window.
eval "$(xdotool getwindowgeometry --shell "$wid")"
crop() { convert "$1" -crop 100x31+60+228 +repage rgb:-; }
# A busy machine can take a while to route the move and repaint.
hovered=
for _ in $(seq 1 20); do
    xdotool mousemove $((X + 110)) $((Y + 243))
    sleep 0.5
    import -window "$wid" "$work/gallery-hover.png"
    if ! cmp -s <(crop "$out") <(crop "$work/gallery-hover.png"); then hovered=1; break; fi
done
[ -n "$hovered" ] || { echo "the install button looks the same under the mouse" >&2; exit 1; }
xdotool click 1
sleep 1
xdotool mousemove $((X + 500)) $((Y + 18)) click 1
for _ in $(seq 1 20); do
    kill -0 "$viewer_pid" 2>/dev/null || break
    sleep 0.5
done
if kill -0 "$viewer_pid" 2>/dev/null; then echo "the close button did not end the window" >&2; exit 1; fi
viewer_pid=
tr -d "\r" <"$work/gallery-clicks.txt" | grep -qx "click 20003 imgbtn" || { echo "no click from the install button" >&2; cat "$work/gallery-clicks.txt" >&2; exit 1; }
tr -d "\r" <"$work/gallery-clicks.txt" | grep -qx "click 2 imgbtn" || { echo "no click from the close button" >&2; exit 1; }
echo "gallery: $out"
