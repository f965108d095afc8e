#!/bin/bash
# Compares two folders of screenshots pixel by pixel (PNG files of the same name) and lists the
# ones that differ. Exit status 1 when any differs or is missing on one side.
# Usage: scripts/compare-shots.sh <before folder> <after folder>   (needs ImageMagick's convert)
set -u
before="$1"
after="$2"
status=0
for a in "$before"/*.png; do
    name=$(basename "$a")
    b="$after/$name"
    if [ ! -f "$b" ]; then
        echo "missing after: $name"
        status=1
    elif [ "$(convert "$a" ppm:- | md5sum)" != "$(convert "$b" ppm:- | md5sum)" ]; then
        echo "differs: $name"
        status=1
    fi
done
for b in "$after"/*.png; do
    [ -f "$before/$(basename "$b")" ] || { echo "missing before: $(basename "$b")"; status=1; }
done
[ $status -eq 0 ] && echo "all $(ls "$before"/*.png | wc -l) shots identical"
exit $status
