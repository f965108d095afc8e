#!/bin/sh
# Starts the installed game, which finds its data folders beside the program.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/orvante/orvante" "$@"
