#!/bin/sh
# Draws the pictures of the installation folder with ImageMagick, each once at
# one device pixel per pixel and once at two ("@2x", for high-density screens):
#   ka.cart.gif    the side panel's card: a stack of coins growing (animated)
#   wheelanim.gif  the splash window's turning wheel with its ball (animated)
#   app.title.gif  the splash window's title
# Every drawing is given in pixels and scaled as it is drawn, so the @2x
# pictures have twice the detail rather than twice the blur.
# usage: sh make_images.sh <folder>
set -eu

out=${1:?usage: make_images.sh <folder>}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

felt='#0a6234'
gold='#d4af37'

# --- the wheel: 38 pockets, 0 and 00 green, the others red and black --------
awk -v n=38 -v c=60 -v r=56 -v ri=34 'BEGIN {
    pi = atan2(0, -1)
    printf "stroke #2a1a08 stroke-width 0.6\n"
    for (i = 0; i < n; i++) {
        a1 = 2 * pi * i / n; a2 = 2 * pi * (i + 1) / n
        if (i == 0 || i == 19) col = "#0b8a3a"; else if (i % 2) col = "#c81e1e"; else col = "#141414"
        printf "fill %s path \"M %.2f,%.2f L %.2f,%.2f A %d,%d 0 0,1 %.2f,%.2f L %.2f,%.2f A %d,%d 0 0,0 %.2f,%.2f Z\"\n",
            col, c + ri * cos(a1), c + ri * sin(a1), c + r * cos(a1), c + r * sin(a1), r, r,
            c + r * cos(a2), c + r * sin(a2), c + ri * cos(a2), c + ri * sin(a2), ri, ri,
            c + ri * cos(a1), c + ri * sin(a1)
    }
}' > "$work/pockets.mvg"

# draw <scale> <suffix>: all three pictures at <scale> device pixels per pixel.
draw() {
    s=$1
    at=$2
    sc="scale $s,$s"

    convert -size $((120 * s))x$((120 * s)) xc:none \
        -fill '#6b3f12' -stroke '#3b2208' -strokewidth 2 -draw "$sc circle 60,60 60,2" \
        -draw "$sc $(cat "$work/pockets.mvg")" \
        -fill '#8a5a22' -stroke '#3b2208' -strokewidth 1 -draw "$sc circle 60,60 60,27" \
        -fill "$gold" -stroke '#7a5a10' -draw "$sc circle 60,60 60,48" \
        -stroke "$gold" -strokewidth 3 -draw "$sc line 42,60 78,60" -draw "$sc line 60,42 60,78" \
        "$work/wheel.png"

    frames=""
    i=0
    while [ $i -lt 12 ]; do
        angle=$((i * 30))
        # The ball runs against the wheel on the pocket ring.
        ball=$(awk -v i=$i 'BEGIN { x = 60 + 45 * cos(-i * 0.9); y = 60 + 45 * sin(-i * 0.9)
                                    printf "circle %.1f,%.1f %.1f,%.1f", x, y, x + 4, y }')
        convert "$work/wheel.png" -background none -virtual-pixel background -distort SRT "$angle" \
            -fill white -stroke '#999999' -strokewidth 1 -draw "$sc $ball" \
            -background "$felt" -flatten "$work/w$i.gif"
        frames="$frames $work/w$i.gif"
        i=$((i + 1))
    done
    # shellcheck disable=SC2086
    convert -delay 8 -loop 0 $frames "$out/wheelanim$at.gif"

    # --- the card: coins stacking up on the felt, then a pause --------------
    frames=""
    n=0
    while [ $n -le 6 ]; do
        set -- -size $((200 * s))x$((100 * s)) "xc:$felt" \
            -fill none -stroke "$gold" -strokewidth 2 -draw "$sc roundrectangle 3,3 196,96 10,10" \
            -fill white -stroke none -font DejaVu-Sans-Bold -pointsize $((18 * s)) \
            -annotate +$((14 * s))+$((36 * s)) Spinledger \
            -fill '#cfe8d8' -font DejaVu-Sans -pointsize $((11 * s)) \
            -annotate +$((14 * s))+$((56 * s)) 'Roulette ledger' \
            -annotate +$((14 * s))+$((72 * s)) 'Spins. Advice. Stakes.' \
            -fill "$gold" -stroke '#7a5a10' -strokewidth 1
        k=0
        while [ $k -lt $n ]; do
            set -- "$@" -draw "$sc ellipse 168,$((80 - k * 9)) 22,8 0,360"
            k=$((k + 1))
        done
        convert "$@" "$work/c$n.gif"
        frames="$frames $work/c$n.gif"
        n=$((n + 1))
    done
    # shellcheck disable=SC2086
    convert -delay 35 -loop 0 $frames -delay 150 "$work/c6.gif" "$out/ka.cart$at.gif"

    # --- the title -----------------------------------------------------------
    convert "$work/wheel.png" -resize $((44 * s))x$((44 * s)) "$work/small.png"
    convert -size $((320 * s))x$((56 * s)) "xc:$felt" \
        -fill none -stroke "$gold" -strokewidth 2 -draw "$sc roundrectangle 2,2 317,53 8,8" \
        "$work/small.png" -geometry +$((8 * s))+$((6 * s)) -composite \
        -fill "$gold" -stroke none -font DejaVu-Serif-Bold -pointsize $((30 * s)) \
        -annotate +$((62 * s))+$((39 * s)) Spinledger \
        "$out/app.title$at.gif"
}

draw 1 ""
draw 2 "@2x"
