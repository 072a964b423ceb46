#!/bin/sh
# Makes tesserin.ico (16, 24, 32, 48 and 256 px) with ImageMagick: the character 八 in white
# on a dark red rounded square. Run from this folder; the result is checked in.
set -eu
font=$(fc-match -f '%{file}' 'WenQuanYi Zen Hei')
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for s in 16 24 32 48 256; do
  r=$((s / 6))
  convert -size ${s}x${s} xc:none -fill '#b3261e' \
    -draw "roundrectangle 0,0 $((s - 1)),$((s - 1)) $r,$r" \
    -font "$font" -fill white -gravity center -pointsize $((s * 3 / 4)) -annotate +0+0 '八' \
    "$tmp/$s.png"
done
convert "$tmp/16.png" "$tmp/24.png" "$tmp/32.png" "$tmp/48.png" "$tmp/256.png" tesserin.ico
