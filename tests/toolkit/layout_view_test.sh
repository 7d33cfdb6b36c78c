#!/usr/bin/env bash
# layout-view paints a layer (header, body, footer) into a PNG; the pixels
# show each part where the host would put it.
# usage: layout_view_test.sh RUNNER LAYOUT_VIEW_EXE RES_DIR WORK_DIR
set -euo pipefail
runner=$1 exe=$2 res=$3 work=$4
mkdir -p "$work"
out="$work/view.png"
rm -f "$out"
"$runner" "$exe" "$res/view_layer.xml" "$out" --styles "$res/view_styles.xml"

pixel() { convert "$out" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:; }
expect() {
    local got; got=$(pixel "$1" "$2")
    if [ "$got" != "$3" ]; then echo "pixel $1,$2: got $got, want $3 ($4)" >&2; exit 1; fi
}
[ "$(identify -format %wx%h "$out")" = 120x80 ] || { echo "wrong size" >&2; exit 1; }
expect 5 5 255,0,0 "header"
expect 5 19 255,0,0 "header's last row"
expect 5 20 255,255,255 "body below the header"
expect 15 35 0,0,255 "dlg in the body at 10,10"
expect 35 35 255,255,255 "body beside the dlg"
expect 5 69 255,255,255 "body's last row"
expect 5 70 0,255,0 "footer"

# Wide paths: a layout under a Chinese file name reads the same.
cp "$res/view_layer.xml" "$work/布局.xml"
rm -f "$work/中文.png"
"$runner" "$exe" "$work/布局.xml" "$work/中文.png" --styles "$res/view_styles.xml"
cmp -s <(convert "$out" rgba:-) <(convert "$work/中文.png" rgba:-) || { echo "Chinese path gave another picture" >&2; exit 1; }

# A broken layout is refused without a picture.
printf '<layer><body' > "$work/broken.xml"
rm -f "$work/broken.png"
if "$runner" "$exe" "$work/broken.xml" "$work/broken.png" 2>/dev/null; then echo "broken layout accepted" >&2; exit 1; fi
[ ! -e "$work/broken.png" ]
echo "layout-view ok"
