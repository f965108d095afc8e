#!/bin/bash
# Fails when a file of ours includes a header from a layer above its own. Arrows run down only:
# control may use presentation, audio, common, records and engine; presentation and audio may use
# common and engine; records may use engine; common and engine use nothing of ours above them.
set -euo pipefail
root="$1"
declare -A allowed=(
    [engine]="engine"
    [common]="common"
    [records]="records engine"
    [presentation]="presentation common engine"
    [audio]="audio common engine"
    [control]="control presentation audio common records engine"
)
status=0
for layer in "${!allowed[@]}"; do
    while IFS=: read -r file line include; do
        used=$(sed -E 's/.*#include "([a-z]+)\/.*/\1/' <<<"$include")
        if [[ -n "${allowed[$used]+x}" && " ${allowed[$layer]} " != *" $used "* ]]; then
            echo "$file:$line: $layer must not include $used: $include" >&2
            status=1
        fi
    done < <(grep -rnE '^#include "[a-z]+/' "$root/$layer" --include='*.h' --include='*.cpp' || true)
done
exit $status
