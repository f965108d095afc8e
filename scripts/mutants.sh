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

if ! git diff --quiet -- control records presentation audio; then
    echo "control/, records/, presentation/ or audio/ has uncommitted changes: stop" >&2
    exit 2
fi

# Which test programs may notice a fault in each folder.
programs_for() {
    case $1 in
    control/*) echo "game ui records" ;;
    records/*) echo "records game" ;;
    presentation/Printing*) echo "print" ;;
    presentation/*) echo "ui game" ;;
    audio/*) echo "audio" ;;
    esac
}

# file | text of the line | which line holding that text | sed expression on it | the fault
faults=(
"control/GameFlow.cpp|return Changes(Keep, GameStatus::Paused, {{Solve, Off},|1|s/{Solve, Off}/{Solve, On}/|pause leaves solve enabled"
"control/GameFlow.cpp|{Check, OnShown}, {Save, On},|1|s/ {Save, On},//|generate does not enable save"
"control/GameFlow.cpp|{Check, Off}, {Save, Off}});|1|s/, {Save, Off}//|solve leaves save enabled"
"control/GameFlow.cpp|{Check, Off}, {Print, Off}});|1|s/, {Print, Off}//|a refused design leaves print enabled"
"control/GameFlow.cpp|{Charger, Shown}, {Print, On}});|1|s/, {Print, On}//|load does not enable print"
"control/GameFlow.cpp|{Charger, Hidden}, {Valider, Shown}});|1|s/, {Valider, Shown}//|design does not show the play button"
"control/GameFlow.cpp|return Changes(Keep, Playing, {{Solve, On}, {Check, On}, {Paused, Hidden}});|1|s/, {Paused, Hidden}//|resume leaves the pause panel shown"
"control/GameFlow.cpp|{Charger, On}, {Options, On}});|1|s/, {Options, On}//|options stays off after the end message"
"control/MainUnit.cpp|Timer2.setInterval(100);|1|s/100/200/|board redraw every 200 ms"
"control/MainUnit.cpp|TimerMessage.setInterval(5000);|1|s/5000/3000/|status message emptied after 3 s"
"control/MainUnit.cpp|ComboBox2->SetChoices(control::LinesBetween(line::FirstLevel, line::LastLevel, Lines()));|1|s/LastLevel,/LastLevel - 1,/|the level box lacks its last level"
"control/MainUnit.cpp|ComboBox1->SetChoices(control::LinesBetween(line::FirstTheme, line::LastTheme, Lines()));|1|s/LastTheme,/LastTheme - 1,/|the theme box lacks its last theme"
"control/MainUnit.cpp|CheckFlash = 15;|1|s/.*//|a check marks nothing"
"control/MainUnit.cpp|CheckFlash = 15;|1|s/15/5/|a check marks for too few redraws"
"control/MainUnit.cpp|m_hint = {hint.cell, hint.value, 15};|1|s/15/10/|the hint digit shows for too few redraws"
"presentation/BoardPainter.cpp|font.setPointSize(16);|1|s/16/12/|the hint digit in a smaller font"
"control/MainUnit.cpp|control::SaveGame(GameFolder(), m_board, GameState == GameStatus::Paused, ElapsedSeconds,|1|s/GameStatus::Paused/GameStatus::Playing/|save while paused writes the scrambled grid"
"control/MainUnit.cpp|BtValider->hide();|1|s/.*//|load from the main menu keeps the play button"
"control/MainUnit.cpp|JoueSon(control::sound::RingOpens.toString());|1|s/.*//|the ring opens silently"
"control/BoardInput.cpp|board.CandidateMarks[picker.pickedX][picker.pickedY][click.value] ^= 1;|1|s/\^= 1/= 1/|a mark cannot be taken off"
"control/Clock.h|constexpr int ClockInterval = 100; // milliseconds between two clock ticks|1|s/100/200/|clock tick of 200 ms"
"control/Clock.h|constexpr double CheckCost = 20; // seconds added by a check|1|s/20/30/|a check costs 30 s"
"control/Clock.cpp|if (state != GameStatus::Paused)|1|s/!= GameStatus::Paused/!= GameStatus::Finished/|the paused board counts pieces"
"control/Placement.cpp|else if (target != engine::EmptyCell && stored == engine::EmptyCell)|1|s/target != engine::EmptyCell \&\& //|erasing an empty cell sounds"
"control/BoardInput.cpp|return {cell.x * area.cellWidth - ring::Offset + area.left + area.cellWidth / 2,|1|s/- ring::Offset/- ring::Offset + 2/|the ring two pixels off"
"records/Records.cpp|return std::string(label) + \": \" + std::string(Characters(line, starts, 0, 20));|1|s/20/19/|the load list cuts the date short"
"presentation/BoardPainter.cpp|for (int i = 1; i <= 2; ++i)|1|s/i <= 2/i <= 1/|one vertical box separator missing"
"presentation/BoardPainter.cpp|for (int i = 1; i <= 2; ++i)|2|s/i <= 2/i <= 1/|one horizontal box separator missing"
"presentation/BoardPainter.cpp|const std::array<int, 3> offsetY{2, geometry.cellHeight / 2 - 9, geometry.cellHeight - 20};|1|s/- 9/- 8/|marks of the middle row a pixel low"
"presentation/BoardPainter.cpp|const int x = static_cast<int>(std::nearbyint(60 * std::sin(angle) + 60 + pickerLeft));|1|s/60 + pickerLeft/62 + pickerLeft/|ring choices two pixels right"
"presentation/BoardPainter.cpp|DrawPicture(painter, picker.left - 5, picker.top - 5, scene.pictures.Piece(25));|1|s/- 5/- 4/|ring background a pixel off"
"presentation/BoardPainter.cpp|DrawPicture(painter, cx + 4, cy + 4, scene.pictures.Piece(26));|1|s/.*//|wrong pieces not overlaid"
"presentation/Themes.cpp|return (k >= 0 && k <= 9)|1|s/k == 25/k == 24/|the ring background keeps its key colour"
"presentation/Themes.cpp|return 150;|1|s/150/205/|the empty cell at the theme's opacity"
"presentation/Themes.cpp|return 120;|1|s/120/150/|the ring background too opaque"
"presentation/Themes.cpp|look.opacity = 230;|1|s/230/205/|the third theme at the others' opacity"
"presentation/FenetreMess.cpp|if (!ToolButton2->isHidden())|1|s/if (!ToolButton2->isHidden())/if (true)/|Escape answers a one-button window"
"presentation/MainScreens.cpp|PanelBtHint->hide();|2|s/.*//|back to the main menu leaves the hint panel shown"
"presentation/Printing.cpp|return {pageHeight / 36, pageHeight / 16};|1|s/36/32/|printed cells too large"
"presentation/Printing.cpp|const auto [c, m] = PrintedPageGeometry(painter.device()->height());|1|s/height()/width()/|printed grid sized from the page width"
"audio/mp3.cpp|TimerMP3.setInterval(1000);|1|s/1000/500/|end-of-title test every 500 ms"
"audio/mp3.cpp|TimerDefilement.setInterval(200);|1|s/200/100/|title scrolls every 100 ms"
"audio/mp3.cpp|if (!m_paused)|1|s/if (!m_paused)/if (true)/|an import restarts paused music"
"audio/SoundEffects.cpp|m_device->SetVolume(EffectVolume);|1|s/EffectVolume/500/|effects at another volume"
)

caught=0
missed=0
n=0
for fault in "${faults[@]}"; do
    n=$((n + 1))
    [ "$n" -lt "$first" ] && continue
    IFS='|' read -r file text nth expr what <<<"$fault"
    line=$(grep -nF -- "$text" "$file" | sed -n "${nth}p" | cut -d: -f1)
    if [ -z "$line" ]; then
        echo "$n NOT-FOUND $file: $text"
        continue
    fi
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
git diff --quiet -- control records presentation audio || echo "tree not clean!" >&2
