// A small installation of the game in a temporary folder, and a main window that uses it.
#pragma once

#include "control/MainUnit.h"

#include <memory>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QTemporaryDir>

namespace testing_support {

// Language line n of the test file: its text is "L<n>", except the lines whose text the game
// compares or shows by name.
inline QString TestLineText(int n)
{
    switch (n) {
    case 23:
        return QStringLiteral("Très facile");
    case 24:
        return QStringLiteral("Facile");
    case 25:
        return QStringLiteral("Moyen");
    case 26:
        return QStringLiteral("Difficile");
    case 27:
        return QStringLiteral("Très difficile");
    case 36:
        return QStringLiteral("Fenêtre");
    case 37:
        return QStringLiteral("Plein écran");
    case 38:
        return QStringLiteral("Ivoire");
    case 39:
        return QStringLiteral("Minuit");
    case 40:
        return QStringLiteral("Lagon");
    default:
        return QStringLiteral("L%1").arg(n);
    }
}

// Colour of board picture k in theme t: every picture a plain colour of its own, with a white
// key pixel at (1, 1) and a white corner, so the key shows where it applies.
inline QColor PictureColour(int theme, int k)
{
    return QColor(10 + 8 * k, 40 + 60 * theme, 200 - 5 * k);
}

class TestInstall
{
public:
    // lineCount language lines (none: no language file); themes with all their pictures.
    explicit TestInstall(int lineCount = 73, int themes = 3)
    {
        QDir root(m_folder.path());
        root.mkpath(QStringLiteral("Textes"));
        root.mkpath(QStringLiteral("graphisme"));
        if (lineCount > 0) {
            QFile file(root.filePath(QStringLiteral("Textes/Francais.txt")));
            file.open(QIODevice::WriteOnly);
            for (int n = 0; n < lineCount; ++n)
                file.write((QStringLiteral("%1 ").arg(n, 3, 10, QChar(u'0')) + TestLineText(n)
                            + QStringLiteral("\r\n"))
                               .toUtf8());
        }
        for (int t = 0; t < themes; ++t)
            WriteTheme(t);
        // The real font: start-up names a missing one.
        QFile::copy(QStringLiteral(ORVANTE_DATA_DIR "graphisme/CHOWFUN_.TTF"),
                    root.filePath(QStringLiteral("graphisme/CHOWFUN_.TTF")));
        const std::initializer_list<std::pair<const char*, QSize>> windowPictures{
            {"1", {140, 49}},        {"2", {140, 49}},   {"3", {140, 49}}, {"fenetre", {503, 370}},
            {"accueil", {992, 709}}, {"Aide", {91, 83}}, {"R", {20, 20}},  {"L", {20, 20}}};
        for (const auto& [name, size] : windowPictures) {
            QImage picture(size, QImage::Format_RGB32);
            picture.fill(QColor(250, 240, 220));
            picture.save(root.filePath(QStringLiteral("graphisme/%1.bmp").arg(name)));
        }
    }

    [[nodiscard]] QString Folder() const { return m_folder.path() + u'/'; }
    [[nodiscard]] QString SettingsFile() const
    {
        return m_folder.path() + QStringLiteral("/s.ini");
    }

    void WriteTheme(int t) const
    {
        const QString folder
            = m_folder.path() + QStringLiteral("/graphisme/") + TestLineText(38 + t);
        QDir().mkpath(folder);
        for (int k = 0; k < 27; ++k) {
            QImage picture(k == 12 ? QSize(1024, 768) : QSize(52, 52), QImage::Format_RGB32);
            picture.fill(PictureColour(t, k));
            picture.setPixel(1, 1, qRgb(255, 255, 255));
            picture.setPixel(0, 0, qRgb(255, 255, 255));
            picture.save(folder + QStringLiteral("/%1.bmp").arg(k));
        }
    }

    void RemoveThemePicture(int t, int k) const
    {
        QFile::remove(m_folder.path() + QStringLiteral("/graphisme/") + TestLineText(38 + t)
                      + QStringLiteral("/%1.bmp").arg(k));
    }

private:
    QTemporaryDir m_folder;
};

// A main window on a test installation, its error boxes and its end recorded instead of shown.
struct TestWindow
{
    explicit TestWindow(const TestInstall& install)
        : window(std::make_unique<TfrmMain>(nullptr, install.Folder(), install.SettingsFile()))
    {
        window->ShowErrorBox = [this](const QString& text) { errors.append(text); };
        window->EndProgram = [this] { ended = true; };
    }

    // The splash step, as the splash timer runs it.
    void StartUp() { window->Timer2SplashScreenTimer(); }

    std::unique_ptr<TfrmMain> window;
    QStringList errors;
    bool ended = false;
};

} // namespace testing_support
