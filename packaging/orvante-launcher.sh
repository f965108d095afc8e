#!/bin/sh
# Starts the installed game, which finds its data folders beside the program. The launcher sits
# in games/ and the program in lib/games/orvante/ of the same prefix, wherever that prefix is.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/games/orvante/orvante" "$@"
