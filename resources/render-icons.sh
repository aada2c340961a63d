#!/bin/sh
# Renders the hand-drawn SVG sources to the PNGs that are compiled into the program
# and installed into the icon theme. The PNGs are kept in the tree, so a build never
# needs this script; run it after changing an SVG. Needs rsvg-convert (librsvg2-bin).
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
src="$here/icons-src"
images="$here/images"
theme="$root/packaging/icons/hicolor"

command -v rsvg-convert >/dev/null 2>&1 || {
    echo "render-icons.sh: rsvg-convert not found (Debian package librsvg2-bin)" >&2
    exit 1
}

render() # svg png size
{
    mkdir -p "$(dirname "$2")"
    rsvg-convert --width "$3" --height "$3" --format png --output "$2" "$1"
    echo "  $2 (${3}x$3)"
}

for svg in "$src"/menu_*.svg "$src"/gui_*.svg; do
    name=$(basename "$svg" .svg)
    render "$svg" "$images/$name.png" 24
done

render "$src/vantrel.svg" "$images/vantrel.png" 64

for size in 16 22 24 32 48 64 128 256; do
    render "$src/vantrel.svg" "$theme/${size}x$size/apps/vantrel.png" "$size"
done
