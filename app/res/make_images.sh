#!/usr/bin/env bash
# Regenerates the images of app/res/images: run after changing draw_images.py
# and commit the results (the build uses the committed files).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
out="$here/images"

python3 "$here/draw_images.py" "$out"
# The window frame is a bitmap resource: 24-bit, no alpha, classic header.
convert "$out/window_frame.png" -alpha off -type TrueColor BMP3:"$out/window_frame.bmp"
rm "$out/window_frame.png"
