#!/usr/bin/env bash
# Draws the program's icon (DEFAULT_ICON): a blue rounded tile with a white number plate and a
# magnifying glass over it. Writes default_icon_<size>.png for 128, 64, 48, 32 and 16 pixels and
# default_icon.ico holding all five in 32-bit colour. Run from anywhere; needs ImageMagick.
set -euo pipefail
cd "$(dirname "$0")"

master=$(mktemp --suffix=.png)
trap 'rm -f "$master"' EXIT

# Drawn once at 512 pixels and scaled down, so every size comes from one picture.
convert -size 512x512 xc:none \
  -fill '#1f5fbf' -draw 'roundrectangle 16,16 495,495 96,96' \
  -fill '#ffffff' -stroke '#0b2f66' -strokewidth 14 \
  -draw 'roundrectangle 72,136 440,312 28,28' \
  -stroke none -fill '#0b2f66' \
  -draw 'rectangle 112,196 152,252' -draw 'rectangle 176,196 216,252' \
  -draw 'rectangle 240,196 280,252' -draw 'rectangle 304,196 344,252' \
  -fill none -stroke '#ffd23f' -strokewidth 34 -draw 'circle 330,330 330,418' \
  -stroke '#ffd23f' -strokewidth 46 -draw 'line 398,398 462,462' \
  "PNG32:$master"

for size in 128 64 48 32 16; do
  convert "$master" -filter Lanczos -resize "${size}x${size}" -strip "PNG32:default_icon_${size}.png"
done

# Small images first; each stored as a 32-bit (BGRA) bitmap.
convert default_icon_16.png default_icon_32.png default_icon_48.png default_icon_64.png \
  default_icon_128.png -define icon:format=bmp -depth 8 -alpha on default_icon.ico
