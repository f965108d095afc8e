#!/bin/bash
# Starts the game from a build folder; until the window exists, shows the engine at work.
set -euo pipefail
build="${1:-build}"
if [ -x "$build/orvante" ]; then
    exec "$build/orvante"
fi
echo "The window is not built yet; here is the puzzle engine generating a medium puzzle:"
"$build/tools/orvante-engine" generate 2 "$(date +%s)"
