#!/bin/sh
# Writes contact sheets of every picture and a play-screen mock-up per theme into a folder
# (default /tmp/orvante-preview), for looking at the art; nothing is written into the repository.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
exec /usr/bin/python3 "$here/preview.py" "$here/../../data" "${1:-/tmp/orvante-preview}"
