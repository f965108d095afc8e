#!/bin/bash
# Puts hand-made faults into the game's window, file, painting and sound code one at a time,
# rebuilds the test programs that could notice, runs them and undoes the fault.
# Usage: scripts/mutants.sh [build-dir] [first-fault-number]   (from the source tree's root)
# Prints one line per fault: CAUGHT or MISSED, then the totals.
set -u
build=${1:-build}
first=${2:-1}
export CCACHE_BASEDIR=/work CCACHE_NOHASHDIR=1 CCACHE_DIR=/work/.ccache
export QT_QPA_PLATFORM=offscreen

if ! git diff --quiet -- control presentation audio; then
    echo "control/, presentation/ or audio/ has uncommitted changes: stop" >&2
    exit 2
fi

# Which test programs may notice a fault in each folder.
programs_for() {
    case $1 in
    control/*) echo "game ui records" ;;
    presentation/Printing*) echo "print" ;;
    presentation/*) echo "ui game" ;;
    audio/*) echo "audio" ;;
    esac
}

# file | line | sed expression on that line | what the fault is
faults=(
"control/GameFlow.cpp|146|s/Off/On/|pause leaves solve enabled"
"control/GameFlow.cpp|110|s/.*//|generate does not enable save"
"control/GameFlow.cpp|159|s/.*//|solve leaves save enabled"
"control/GameFlow.cpp|137|s/.*//|a refused design leaves print enabled"
"control/GameFlow.cpp|183|s/.*//|load does not enable print"
"control/GameFlow.cpp|124|s/.*//|design does not show the play button"
"control/GameFlow.cpp|153|s/.*//|resume leaves the pause panel shown"
"control/GameFlow.cpp|170|s/changes\[c\] = On/changes[c] = c == Control::Options ? Off : On/|options stays off after the end message"
"control/MainUnit.cpp|128|s/100/200/|board redraw every 200 ms"
"control/MainUnit.cpp|130|s/5000/3000/|status message emptied after 3 s"
"control/MainUnit.cpp|238|s/27/26/|the level box lacks its last level"
"control/MainUnit.cpp|242|s/40/39/|the theme box lacks its last theme"
"control/MainUnit.cpp|727|s/.*//|a check marks nothing"
"control/MainUnit.cpp|727|s/15/5/|a check marks for too few redraws"
"control/MainUnit.cpp|755|s/15/10/|the hint digit shows for too few redraws"
"control/MainUnit.cpp|570|s/16/12/|the hint digit in a smaller font"
"control/MainUnit.cpp|806|s/GameStatus::Paused/GameStatus::Playing/|save while paused writes the scrambled grid"
"control/MainUnit.cpp|831|s/.*//|load from the main menu keeps the play button"
"control/MainUnit.cpp|952|s/.*//|the ring opens silently"
"control/MainUnit.cpp|971|s/\^= 1/= 1/|a mark cannot be taken off"
"control/Clock.h|14|s/100/200/|clock tick of 200 ms"
"control/Clock.h|15|s/20/30/|a check costs 30 s"
"control/Clock.cpp|60|s/!= GameStatus::Paused/!= GameStatus::Finished/|the paused board counts pieces"
"control/Placement.cpp|25|s/target != engine::EmptyCell \&\& //|erasing an empty cell sounds"
"control/BoardInput.cpp|26|s/- 90/- 88/|the ring two pixels off"
"control/Records.cpp|287|s/20/19/|the load list cuts the date short"
"presentation/BoardPainter.cpp|134|s/i <= 2/i <= 1/|one vertical box separator missing"
"presentation/BoardPainter.cpp|137|s/i <= 2/i <= 1/|one horizontal box separator missing"
"presentation/BoardPainter.cpp|64|s/- 9/- 8/|marks of the middle row a pixel low"
"presentation/BoardPainter.cpp|48|s/60 + pickerLeft/62 + pickerLeft/|ring choices two pixels right"
"presentation/BoardPainter.cpp|144|s/- 5/- 4/|ring background a pixel off"
"presentation/BoardPainter.cpp|124|s/.*//|wrong pieces not overlaid"
"presentation/Themes.cpp|29|s/k == 25/k == 24/|the ring background keeps its key colour"
"presentation/Themes.cpp|37|s/150/205/|the empty cell at the theme's opacity"
"presentation/Themes.cpp|39|s/120/150/|the ring background too opaque"
"presentation/Themes.cpp|22|s/230/205/|the third theme at the others' opacity"
"presentation/FenetreMess.cpp|150|s/if (!ToolButton2->isHidden())/if (true)/|Escape answers a one-button window"
"presentation/Printing.cpp|12|s/36/32/|printed cells too large"
"presentation/Printing.cpp|57|s/printer.height()/printer.width()/|printed grid sized from the page width"
"audio/mp3.cpp|48|s/1000/500/|end-of-title test every 500 ms"
"audio/mp3.cpp|50|s/200/100/|title scrolls every 100 ms"
"audio/mp3.cpp|82|s/if (!m_paused)/if (true)/|an import restarts paused music"
"audio/SoundEffects.cpp|22|s/1000/500/|effects at half volume"
)

caught=0
missed=0
n=0
for fault in "${faults[@]}"; do
    n=$((n + 1))
    [ "$n" -lt "$first" ] && continue
    IFS='|' read -r file line expr what <<<"$fault"
    sed -i "${line}${expr}" "$file"
    if git diff --quiet -- "$file"; then
        echo "$n NOT-APPLIED $file:$line $what"
        continue
    fi
    targets=()
    for p in $(programs_for "$file"); do targets+=("orvante-$p-tests"); done
    result=MISSED
    if ! cmake --build "$build" -j2 --target "${targets[@]}" >/tmp/mutant-build.log 2>&1; then
        result=CAUGHT # does not even build
    else
        for t in "${targets[@]}"; do
            exe=$(find "$build/tests" -name "$t" -type f | head -1)
            if ! timeout 300 "$exe" >/tmp/mutant-test.log 2>&1; then
                result=CAUGHT
                break
            fi
        done
    fi
    git checkout -- "$file"
    [ $result = CAUGHT ] && caught=$((caught + 1)) || missed=$((missed + 1))
    echo "$n $result $file:$line $what"
done
echo "caught $caught of $((caught + missed))"
git diff --quiet -- control presentation audio || echo "tree not clean!" >&2
