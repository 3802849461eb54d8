#!/bin/bash
# Draws the two pictures of docs/skins.md from a skin's own bitmaps and
# description file, with the geometry worked out the way Quorvel works it out:
#   skin-geometry.png        the start button, its three zones and their numbers
#   skin-geometry-panel.png  the panel with all eight buttons, its height,
#                            slot width, gap and button top
#   tools/docpictures.sh [skin folder, default skins/xpdefault] [output folder, default docs]
# Needs ImageMagick (convert, identify) and the DejaVu fonts. Runs at low
# priority. With the same ImageMagick, the same skin gives the same PNG files,
# byte for byte.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
skin=${1:-$root/skins/xpdefault}
out=${2:-$root/docs}
skin=${skin%/}
name=$(basename "$skin")
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

im() { nice -n 15 "$@"; }
size() { im identify -format '%w %h\n' "$1"; }
die() { echo "docpictures: $*" >&2; exit 1; }

qvs=$(find "$skin" -maxdepth 1 -name '*.qvs' | LC_ALL=C sort | head -n 1)
[ -n "$qvs" ] || die "no .qvs file in $skin"

# The sixteen numbers as the program reads them: blank lines are skipped, the
# first word of each line counts, a file that ends early gives zeros. Only
# plain decimal numbers from 0 to 65535 are taken here; anything else is a
# skin for tools/skincheck, not for a picture.
mapfile -t num < <(tr -d '\r' < "$qvs" | awk 'NF { print $1 }' | head -n 16)
while [ ${#num[@]} -lt 16 ]; do num+=(0); done
for v in "${num[@]}"; do
    if ! [[ $v =~ ^[0-9]+$ ]] || [ "$v" -gt 65535 ]; then
        die "$qvs: '$v' is not a number from 0 to 65535"
    fi
done
ph=${num[0]} bw=${num[13]} gap=${num[14]} btop=${num[15]}
# Zone k (1 to 3): left, top, right, bottom at num[4k-3 .. 4k].
zl() { echo "${num[4 * $1 - 3]}"; }
zt() { echo "${num[4 * $1 - 2]}"; }
zr() { echo "${num[4 * $1 - 1]}"; }
zb() { echo "${num[4 * $1]}"; }
# The pixels that react in zone $1, strictly inside its edges and within the
# picture: sets x0 y0 x1 y1, fails when there is none.
reacts() {
    x0=$(($(zl "$1") + 1)) y0=$(($(zt "$1") + 1)) x1=$(($(zr "$1") - 1)) y1=$(($(zb "$1") - 1))
    if [ "$x1" -ge "$sw" ]; then x1=$((sw - 1)); fi
    if [ "$y1" -ge "$sh" ]; then y1=$((sh - 1)); fi
    [ "$x0" -le "$x1" ] && [ "$y0" -le "$y1" ]
}
# The zone numbers ordered by one of their edges (zl or zr).
zones_by() { for j in 1 2 3; do echo "$("$1" "$j") $j"; done | sort -n | cut -d' ' -f2; }

read -r sw sh < <(size "$skin/normal.bmp")
read -r fw fh < <(size "$skin/back.bmp")

font=DejaVu-Sans
black='#202020' grey='#707070'
zcol=('' '#e07000' '#0070d0' '#c0108c')   # zones 1, 2, 3
act=('' 'opens the Windows Start menu' "opens Quorvel's menu" 'shows or hides the panel')

# ---- drawing helpers: each appends ImageMagick options to A ----------------
A=()
CW=0  # canvas width, for right-aligned and centred text
# txt x y align colour text: align l (starts at x), r (ends at x), c (centred
# on x); y is the top of the text.
txt() {
    local g off
    case $3 in
    l) g=NorthWest off=$(printf '%+d%+d' "$1" "$2") ;;
    r) g=NorthEast off=$(printf '%+d%+d' $((CW - $1)) "$2") ;;
    c) g=North off=$(printf '%+d%+d' $(($1 - CW / 2)) "$2") ;;
    esac
    A+=(-stroke none -fill "$4" -gravity "$g" -annotate "$off" "$5")
}
line() { A+=(-stroke "$5" -strokewidth "${6:-1}" -fill none -draw "line $1,$2 $3,$4"); }
dashed() { A+=(-stroke "$5" -strokewidth 1 -fill none -draw "stroke-dasharray 4 3 line $1,$2 $3,$4"); }
frame() { A+=(-stroke "$5" -strokewidth "${6:-1}" -fill none -draw "rectangle $1,$2 $3,$4"); }
fill() { A+=(-stroke none -fill "$5" -draw "rectangle $1,$2 $3,$4"); }
# Arrowheads at (x,y) pointing l, r, u or d.
head() {
    local x=$1 y=$2 p
    case $3 in
    l) p="$x,$y $((x + 7)),$((y - 4)) $((x + 7)),$((y + 4))" ;;
    r) p="$x,$y $((x - 7)),$((y - 4)) $((x - 7)),$((y + 4))" ;;
    u) p="$x,$y $((x - 4)),$((y + 7)) $((x + 4)),$((y + 7))" ;;
    d) p="$x,$y $((x - 4)),$((y - 7)) $((x + 4)),$((y - 7))" ;;
    esac
    A+=(-stroke none -fill "$4" -draw "polygon $p")
}
# Dimension lines with arrowheads at both ends.
hdim() { line "$1" "$3" "$2" "$3" "$4"; head "$1" "$3" l "$4"; head "$2" "$3" r "$4"; }
vdim() { line "$1" "$2" "$1" "$3" "$4"; head "$1" "$2" u "$4"; head "$1" "$3" d "$4"; }
save() { # canvas-height picture x y output
    im convert -size "${CW}x$1" xc:white "$2" -geometry "+$3+$4" -composite \
        -font "$font" -pointsize 15 "${A[@]}" -depth 8 -strip -define png:exclude-chunks=date,time "$5"
}

# A checkerboard of 4-pixel squares for what is see-through.
im convert -size 2x2 xc:white -fill '#c8c8c8' -draw 'point 0,0 point 1,1' -scale 400% "$tmp/chk.png"

# ---- 1. the start button ----------------------------------------------------
S=8                          # enlargement
ox=300 oy=150                # where the enlarged picture goes
pw=$((sw * S)) pht=$((sh * S))
CW=$((ox + pw + 260))
im convert "$skin/normal.bmp" -alpha set -transparent 'rgb(128,0,0)' -filter point -resize "$((S * 100))%" "$tmp/big.png"
im convert -size "${pw}x$pht" "tile:$tmp/chk.png" "$tmp/big.png" -composite "$tmp/start.png"

A=()
txt $((CW / 2)) 14 c "$black" "normal.bmp of the $name skin, $sw × $sh pixels, shown $S times enlarged ($(basename "$qvs"))"

# Column c of the picture is centred at cx c, row r at ry r.
cx() { echo $((ox + $1 * S + S / 2)); }
ry() { echo $((oy + $1 * S + S / 2)); }

# Each zone outlined around the pixels that react; where zones overlap, the
# higher one wins, as the legend says.
for k in 1 2 3; do
    reacts $k || continue
    frame $((ox + x0 * S + 2)) $((oy + y0 * S + 2)) $((ox + (x1 + 1) * S - 3)) $((oy + (y1 + 1) * S - 3)) "${zcol[$k]}" 3
done

# Left edges above the picture, the leftmost highest, labels running right;
# right edges below, the rightmost lowest, labels running left. So no tick
# crosses a label whatever the zones.
row=0
for k in $(zones_by zl); do
    l=$(zl "$k") x=$(cx "$(zl "$k")") y=$((oy - 90 + row * 26))
    line "$x" $((y + 4)) "$x" $((oy - 2)) "${zcol[$k]}" 2
    head "$x" $((oy - 1)) d "${zcol[$k]}"
    txt $((x + 6)) $((y - 4)) l "${zcol[$k]}" "Zone $k Left = $l   (line $((4 * k - 2)))"
    row=$((row + 1))
done
row=0
for k in $(zones_by zr); do
    r=$(zr "$k") x=$(cx "$(zr "$k")") y=$((oy + pht + 30 + row * 26))
    line "$x" $((oy + pht + 2)) "$x" $((y + 14)) "${zcol[$k]}" 2
    head "$x" $((oy + pht + 1)) u "${zcol[$k]}"
    txt $((x - 6)) "$y" r "${zcol[$k]}" "(line $((4 * k))) Zone $k Right = $r"
    row=$((row + 1))
done

# Tops and bottoms at the left, zones with the same value on one label.
edge_labels() { # t|b
    local which=$1 prev=-100 v y ty zs lines k mine
    for v in $(for k in 1 2 3; do if [ "$which" = t ]; then zt $k; else zb $k; fi; done | sort -nu); do
        zs='' lines=''
        for k in 1 2 3; do
            if [ "$which" = t ]; then mine=$(zt $k); else mine=$(zb $k); fi
            [ "$mine" = "$v" ] || continue
            zs+="${zs:+, }$k"
            if [ "$which" = t ]; then lines+="${lines:+, }$((4 * k - 1))"; else lines+="${lines:+, }$((4 * k + 1))"; fi
        done
        ty=$(ry "$v") y=$((ty - 18))
        [ $y -ge $((prev + 44)) ] || y=$((prev + 44))
        prev=$y
        line $((ox - 44)) $((y + 18)) $((ox - 14)) "$ty" "$black" 1
        line $((ox - 14)) "$ty" $((ox - 2)) "$ty" "$black" 2
        head $((ox - 1)) "$ty" r "$black"
        local what=Bottom zw=zone lw=line
        if [ "$which" = t ]; then what=Top; fi
        case $zs in *,*) zw=zones lw=lines ;; esac
        txt $((ox - 48)) "$y" r "$black" "$what = $v\n$zw $zs: $lw $lines"
    done
}
edge_labels t
edge_labels b

# The height of the picture, which the panel and the menu are placed by.
vdim $((ox + pw + 28)) "$oy" $((oy + pht)) "$black"
line $((ox + pw + 4)) "$oy" $((ox + pw + 36)) "$oy" "$grey" 1
line $((ox + pw + 4)) $((oy + pht)) $((ox + pw + 36)) $((oy + pht)) "$grey" 1
txt $((ox + pw + 40)) $((oy + pht / 2 - 20)) l "$black" "StartHeight = $sh\n(height of normal.bmp)"

# Legend.
y=$((oy + pht + 30 + 3 * 26 + 24))
for k in 1 2 3; do
    l=$(zl $k) t=$(zt $k) r=$(zr $k) b=$(zb $k)
    if reacts $k; then
        where="pixels x $x0 to $x1, y $y0 to $y1"
    else
        where='no pixel'
    fi
    frame 40 $((y + 2)) 58 $((y + 16)) "${zcol[$k]}" 3
    txt 70 "$y" l "$black" "Zone $k (lines $((4 * k - 2)) to $((4 * k + 1)): $l, $t, $r, $b) reacts on $where: ${act[$k]}"
    y=$((y + 26))
done
for i in 0 1 2 3; do
    for j in 0 1 2 3; do
        if [ $(((i + j) % 2)) = 0 ]; then
            fill $((40 + 4 * i)) $((y + 2 + 4 * j)) $((43 + 4 * i)) $((y + 5 + 4 * j)) '#c8c8c8'
        fi
    done
done
frame 40 $((y + 2)) 55 $((y + 17)) '#909090' 1
txt 70 "$y" l "$black" "Maroon, RGB (128, 0, 0), is see-through: the taskbar shows there, and a press there is the taskbar's"
y=$((y + 26))
txt 70 "$y" l "$black" "The column or row that a number names lies outside its zone; where zones overlap, the higher zone number wins"
save $((y + 40)) "$tmp/start.png" "$ox" "$oy" "$out/skin-geometry.png"

# ---- 2. the panel -----------------------------------------------------------
# With the default settings: eight slots, button k in slot k.
n=8
files=('' cdrom exitbut closeall minall dir app monik timer)
W=$((n * bw + 2 * fw + gap * (n + 1)))
slot_left() { echo $((gap + fw + (bw + gap) * ($1 - 1))); }

# Painted as the panel paints: green background, the centre stretched between
# the end pieces, the right end piece, the left one, then the buttons; 1 to 4
# cut to 24 x 24, 5 to 8 at their own size, 7 and 8 see-through where they
# have the colour of their lower-left pixel.
set -- -size "${W}x$ph" 'xc:rgb(0,128,0)'
cwid=$((W - 2 * fw))
if [ $cwid -gt 0 ]; then
    set -- "$@" \( "$skin/center.bmp" -filter point -resize "${cwid}x$ph!" \) -geometry "+$fw+0" -composite
fi
set -- "$@" "$skin/back.bmp" -geometry "+$((W - fw))+0" -composite "$skin/back.bmp" -geometry +0+0 -composite
for k in 1 2 3 4 5 6 7 8; do
    f=$skin/${files[$k]}.bmp
    geo=+$(slot_left $k)+$btop
    if [ $k -le 4 ]; then
        set -- "$@" \( "$f" -crop 24x24+0+0 +repage \) -geometry "$geo" -composite
    elif [ $k -le 6 ]; then
        set -- "$@" "$f" -geometry "$geo" -composite
    else
        read -r _ bhgt < <(size "$f")
        key=$(im convert "$f" -format "%[pixel:p{0,$((bhgt - 1))}]" info:)
        set -- "$@" \( "$f" -alpha set -transparent "$key" \) -geometry "$geo" -composite
    fi
done
im convert "$@" "$tmp/panel1.png"

P=4
ox=170 oy=170
pw=$((W * P)) pht=$((ph * P))
CW=$((ox + pw + 200))
im convert "$tmp/panel1.png" -filter point -resize "$((P * 100))%" "$tmp/panel.png"

A=()
txt $((CW / 2)) 14 c "$black" "The panel of the $name skin with all eight buttons, $W × $ph pixels, shown $P times enlarged"

# Overall width.
y=$((oy - 92))
line "$ox" $((y - 8)) "$ox" $((y + 10)) "$grey" 1
line $((ox + pw)) $((y - 8)) $((ox + pw)) $((y + 10)) "$grey" 1
hdim "$ox" $((ox + pw)) "$y" "$black"
txt $((ox + pw / 2)) $((y - 26)) c "$black" \
    "width = $n × ButtonWidth + 2 × width of back.bmp + $((n + 1)) × ButtonGap = $n × $bw + 2 × $fw + $((n + 1)) × $gap = $W"

# What covers which part.
y=$((oy - 54))
for x in "$ox" $((ox + fw * P)) $((ox + pw - fw * P)) $((ox + pw)); do
    line "$x" $((oy - 12)) "$x" $((oy - 2)) "$grey" 1
done
txt $((ox + fw * P / 2)) "$y" c "$black" "back.bmp\n$fw × $fh"
txt $((ox + pw - fw * P / 2)) "$y" c "$black" "back.bmp\n$fw × $fh"
read -r cw ch < <(size "$skin/center.bmp")
txt $((ox + pw / 2)) $((y + 18)) c "$black" "center.bmp ($cw × $ch), stretched to $cwid × $ph"

# Panel height on the right.
x=$((ox + pw + 26))
line $((ox + pw + 2)) "$oy" $((x + 8)) "$oy" "$grey" 1
line $((ox + pw + 2)) $((oy + pht)) $((x + 8)) $((oy + pht)) "$grey" 1
vdim "$x" "$oy" $((oy + pht)) "$black"
txt $((x + 12)) $((oy + pht / 2 - 20)) l "$black" "PanelHeight = $ph\n(line 1)"

# Button top on the left, measured to the top of slot 1's picture.
x=$((ox - 30))
by=$((oy + btop * P))
line $((x - 8)) "$oy" "$ox" "$oy" "$grey" 1
dashed $((x - 8)) "$by" $((ox + $(slot_left 1) * P)) "$by" "$black"
if [ "$btop" -gt 0 ]; then
    vdim "$x" "$oy" "$by" "$black"
fi
txt $((x - 12)) $((oy + btop * P / 2 - 20)) r "$black" "ButtonTop = $btop\n(line 16)"

# A strip under the panel: end pieces grey, gaps orange, slots blue.
sy=$((oy + pht + 10))
slotc='#3070d0' gapc='#f09000'
fill "$ox" "$sy" $((ox + fw * P - 1)) $((sy + 9)) '#a0a0a0'
fill $((ox + pw - fw * P)) "$sy" $((ox + pw - 1)) $((sy + 9)) '#a0a0a0'
for s in $(seq 1 $n); do
    x=$((ox + $(slot_left "$s") * P))
    fill $((x - gap * P)) "$sy" $((x - 1)) $((sy + 9)) "$gapc"
    fill "$x" "$sy" $((x + bw * P - 1)) $((sy + 9)) "$slotc"
done
x=$((ox + ($(slot_left $n) + bw) * P))
fill "$x" "$sy" $((x + gap * P - 1)) $((sy + 9)) "$gapc"

# Slot 1's width, and the gap after slot 2.
x1=$((ox + $(slot_left 1) * P)) x2=$((ox + ($(slot_left 1) + bw) * P))
hdim "$x1" "$x2" $((sy + 22)) "$slotc"
txt $(((x1 + x2) / 2)) $((sy + 30)) c "$slotc" "ButtonWidth = $bw\n(line 14)"
gx=$((ox + ($(slot_left 2) + bw) * P + gap * P / 2))
line "$gx" $((sy + 11)) "$gx" $((sy + 78)) "$gapc" 2
head "$gx" $((sy + 11)) u "$gapc"
txt $((gx + 6)) $((sy + 62)) l "$gapc" "ButtonGap = $gap (line 15): before slot 1, between slots, after slot $n"

# Each slot: where it starts and which picture it shows by default.
y=$((sy + 100))
for s in $(seq 1 $n); do
    x=$((ox + ($(slot_left "$s") + bw / 2) * P))
    extra=''
    if [ "$s" -ge 7 ]; then extra='\nsee-through'; fi
    txt "$x" "$y" c "$black" "slot $s\nx = $(slot_left "$s")\n${files[$s]}.bmp$extra"
done
y=$((y + 96))
txt 40 "$y" l "$black" "Slot s starts at x = ButtonGap + width of back.bmp + (ButtonWidth + ButtonGap) × (s − 1) = $gap + $fw + $((bw + gap)) × (s − 1); every button's top is at y = ButtonTop = $btop."
y=$((y + 24))
txt 40 "$y" l "$black" "Buttons 1 to 4 are cut to 24 × 24; buttons 5 to 8 take the size of their bitmap. Only 7 and 8 are see-through, in the colour of their lower-left pixel."
y=$((y + 24))
txt 40 "$y" l "$black" "On the screen the panel's left edge is at x = 0 and its bottom edge StartHeight ($sh) pixels above the bottom of the screen."
save $((y + 40)) "$tmp/panel.png" "$ox" "$oy" "$out/skin-geometry-panel.png"

echo "$out/skin-geometry.png"
echo "$out/skin-geometry-panel.png"
