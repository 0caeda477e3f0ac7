#!/usr/bin/env bash
# Renders the application icon from terne.svg: the PNG sizes the window and the hicolor theme
# use, the web page's (192, 512, and one for masks), and the Windows .ico. Needs librsvg2-bin and imagemagick. The results are committed.
set -euo pipefail
cd "$(dirname "$0")"
sizes=(16 24 32 48 64 128 192 256 512)
for size in "${sizes[@]}"; do
    rsvg-convert -w "$size" -h "$size" terne.svg -o "terne-$size.png"
done
convert-im6.q16 terne-16.png terne-24.png terne-32.png terne-48.png terne-64.png terne-256.png terne.ico
# The web page's maskable icon: opaque, the drawing inside the circle of 40 % of the width that
# every mask keeps, on white.
convert-im6.q16 terne-512.png -resize 62% -gravity center -background white -extent 512x512 -flatten \
    -alpha off -strip -define png:exclude-chunks=date,time terne-maskable-512.png
# Raw pixels for the window icon: the program builds images from them without an image reader,
# whose plugin loading would slow down start-up.
for size in 16 32 48 64; do
    convert-im6.q16 "terne-$size.png" "BGRA:terne-$size.bgra"
done
