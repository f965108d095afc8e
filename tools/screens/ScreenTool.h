// What the screen tools share: an offscreen run with its own settings folder, and saving shots.
#pragma once

#include <cstdio>

#include <QString>
#include <QTemporaryDir>
#include <QWidget>

namespace screens {

// Call before the QApplication is made: draws offscreen unless QT_QPA_PLATFORM says otherwise,
// and keeps the game's settings in the given folder instead of the user's.
inline void PrepareRun(const QTemporaryDir& home)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
}

inline void Save(QWidget* widget, const QString& path)
{
    widget->grab().save(path);
    std::printf("  %s\n", qPrintable(path));
}

} // namespace screens
