#!/bin/bash
# Draws the program's pictures into src/app/res/ with ImageMagick: the
# program, running, recording and popup-menu icons, the 16 speed button
# glyphs (one strip, 16 x 16 each, in toolbar order) and the 27 Quick
# Wizard pictures (one strip, 16 x 16 each). The results are checked in;
# run this only to change a picture.
set -eu
OUT=$(dirname "$(realpath "$0")")/../src/app/res
mkdir -p "$OUT"
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT

# icon <name> <background> <letter>: a 32 x 32 and a 16 x 16 picture.
icon() {
    for s in 32 16; do
        convert -size ${s}x${s} xc:none -fill "$2" -stroke black -strokewidth 1 \
            -draw "roundrectangle 1,1 $((s - 2)),$((s - 2)) $((s / 5)),$((s / 5))" \
            -fill white -stroke none -font DejaVu-Sans-Bold -pointsize $((s * 2 / 3)) \
            -gravity center -annotate +0+0 "$3" "$T/$1-$s.png"
    done
    convert "$T/$1-32.png" "$T/$1-16.png" "$OUT/$1.ico"
}
icon qorvil '#1f5fa8' T
icon running '#2e8b3a' '>'
icon recording '#c02020' R
icon menu '#8a5a00' M

# glyph <file> <draw commands>: one 16 x 16 picture on the button face grey.
n=0
glyph() {
    local draw=${2//#/\\#}
    eval "convert -size 16x16 xc:gray75 -stroke black -strokewidth 1 $draw $T/$1-$(printf %02d $n).png"
    n=$((n + 1))
}
speed() { glyph speed "$1"; }
speed '-fill #20a020 -stroke #106010 -draw "rectangle 6,2 9,13" -draw "rectangle 2,6 13,9"'
speed '-fill white -draw "rectangle 2,2 11,13" -fill #d08000 -draw "polygon 8,12 14,4 15,5 9,13"'
speed '-fill white -draw "rectangle 1,1 9,10" -draw "rectangle 6,5 14,14"'
speed '-stroke #c00000 -strokewidth 2 -draw "line 3,3 12,12" -draw "line 12,3 3,12"'
speed '-fill white -draw "rectangle 4,1 11,6" -fill #808080 -draw "rectangle 1,6 14,11" -fill white -draw "rectangle 4,10 11,14"'
speed '-fill white -draw "rectangle 7,2 14,13" -fill #2040c0 -stroke #2040c0 -draw "polygon 1,7 6,3 6,11"'
speed '-fill white -draw "rectangle 1,2 8,13" -fill #2040c0 -stroke #2040c0 -draw "polygon 14,7 9,3 9,11"'
speed '-fill #ffff80 -draw "circle 7,7 7,1" -fill black -stroke none -font DejaVu-Sans-Bold -pointsize 11 -gravity center -annotate +0+0 ?'
speed '-fill #e0c040 -draw "polygon 1,4 6,4 7,6 14,6 14,13 1,13"'
speed '-fill white -draw "polygon 3,1 10,1 13,4 13,14 3,14"'
speed '-fill #f0a0a0 -draw "circle 5,6 5,2" -fill #a0f0a0 -draw "circle 10,6 10,2" -fill #a0a0f0 -draw "circle 8,10 8,6"'
speed '-fill white -draw "rectangle 2,2 13,13" -draw "line 4,5 11,5" -draw "line 4,8 11,8" -draw "line 4,11 9,11"'
speed '-fill #e02020 -stroke #800000 -draw "circle 7,7 7,2"'
speed '-fill none -stroke #108010 -strokewidth 2 -draw "polyline 2,8 6,12 13,3"'
speed '-fill black -stroke none -font DejaVu-Sans-Bold -pointsize 7 -draw "text 1,7 AZ" -stroke black -draw "line 11,9 11,15" -draw "line 9,13 11,15" -draw "line 13,13 11,15"'
speed '-fill white -draw "rectangle 1,4 14,11" -fill black -stroke none -font DejaVu-Sans -pointsize 8 -draw "text 2,10 ab"'
convert "$T"/speed-*.png +append -type TrueColor BMP3:"$OUT/speed_buttons.bmp"

# The Quick Wizard pictures: a wand over a coloured square, one colour each.
colours=(ff8080 80c0ff ffd080 80ff80 c080ff ffff80 ff80ff 80ffff c0c0ff ffc0c0
         c0ffc0 ffe0a0 a0e0ff e0a0ff a0ffe0 ffa0e0 e0ffa0 a0a0e0 e0a0a0 a0e0a0
         d0d0a0 a0d0d0 d0a0d0 f0c080 80f0c0 c080f0 8080c0)
n=0
for c in "${colours[@]}"; do
    glyph wizard "-fill #$c -draw \"rectangle 1,5 10,14\" -stroke #404040 -strokewidth 2 -draw \"line 6,10 14,2\" -stroke #ffff00 -strokewidth 1 -draw \"point 14,1\""
done
convert "$T"/wizard-*.png +append -type TrueColor BMP3:"$OUT/wizards.bmp"
