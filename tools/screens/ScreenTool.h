// What the screen tools share: an offscreen run with its own settings folder, and saving shots.
#pragma once

#include <cstdio>

#include <QString>
#include <QTemporaryDir>
#include <QWidget>

namespace screens {

// Call before the QApplication is made: draws offscreen unless QT_QPA_PLATFORM says otherwise,
// and keeps the game's settings, scores and saved games in the given folder instead of the
// user's, so that a run neither changes the player's files nor shows them.
inline void PrepareRun(const QTemporaryDir& home)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qputenv("HOME", home.path().toLocal8Bit());
    qunsetenv("XDG_DOCUMENTS_DIR");
}

inline void Save(QWidget* widget, const QString& path)
{
    widget->grab().save(path);
    std::printf("  %s\n", qPrintable(path));
}

} // namespace screens
