#!/bin/sh
# Regenerate every PNG in this directory from the SVG drawings in src/.
# Needs rsvg-convert (Debian/Ubuntu package librsvg2-bin).
# The PNGs are committed, so this is only needed after changing a drawing.
set -eu

cd "$(dirname "$0")"

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "render.sh: rsvg-convert not found (install librsvg2-bin)" >&2
    exit 1
fi

# render SOURCE OUTPUT WIDTH HEIGHT
render() {
    rsvg-convert --format=png --width="$3" --height="$4" \
        --output="$2" "src/$1.svg"
    echo "  $2 (${3}x${4})"
}

# Toolbar images: 32x32 drawings, normal and double resolution.
for name in stop exit random current fixed settings \
            about about2 about3 about4 spare help bullets next; do
    render "$name" "$name.png" 32 32
    render "$name" "$name@2x.png" 64 64
done

# Save button: 24x23 drawing.
render save save.png 24 23
render save save@2x.png 48 46

# Tab marks: 16x15 drawings.
for name in clean dirty dirty2; do
    render "$name" "$name.png" 16 15
    render "$name" "$name@2x.png" 32 30
done

# Browse button: 32x32 drawing, with its own simplified drawing for 16 px.
render browse-16 browse-16.png 16 16
render browse browse.png 32 32
render browse browse@2x.png 64 64

# Program icon.
# The 16 px icon has its own simplified drawing; larger sizes scale the main one.
render tagrota-16 tagrota-16.png 16 16
for size in 32 48 64 256; do
    render tagrota "tagrota-$size.png" "$size" "$size"
done
