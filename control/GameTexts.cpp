// The language lines the screens show, gathered by name.
#include "control/GameTexts.h"

#include "presentation/MainScreens.h"

namespace control {

QStringList LinesBetween(int first, int last, const LineLookup& text)
{
    QStringList lines;
    for (int n = first; n <= last; ++n)
        lines.append(text(n));
    return lines;
}

std::array<QString, 3> ThemeNames(const LineLookup& text)
{
    return {text(line::FirstTheme), text(line::FirstTheme + 1), text(line::LastTheme)};
}

presentation::ScreenTexts ScreenTextsFrom(const LineLookup& text)
{
    presentation::ScreenTexts texts;
    for (int k = 0; k < presentation::FaceCount; ++k)
        texts.faces[static_cast<std::size_t>(k)] = text(line::FirstFace + k);
    texts.playerLabel = text(line::PlayerLabel);
    texts.themeLabel = text(line::ThemeLabel);
    texts.levelLabel = text(line::LevelLabel);
    texts.displayLabel = text(line::DisplayLabel);
    texts.musicLabel = text(line::MusicLabel);
    texts.paused = text(line::Paused);
    texts.importMusic = text(line::ImportMusic);
    texts.board = text(line::GameName);
    return texts;
}

} // namespace control
