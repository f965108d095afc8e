#!/bin/sh
# Rebuilds every file of data/ from the sources in this folder. Needs Debian's python3-pil,
# python3-numpy, python3-fonttools, fonts-cherrybomb, fonts-comfortaa, fonts-dejavu-core and lame.
# Optional arguments pick parts: texts pictures font sounds music icons.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
exec /usr/bin/python3 "$here/generate.py" "$here/../../data" "$@"
