// A small installation of the game in a temporary folder, and a main window that uses it.
#pragma once

#include "control/MainUnit.h"

#include <map>
#include <memory>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>

namespace testing_support {

// Language line n of the test file: "L<n>", except the lines the game compares or shows by name.
inline QString TestLineText(int n)
{
    static const std::map<int, QString> named{
        {23, "Très facile"},    {24, "Facile"},  {25, "Moyen"},       {26, "Difficile"},
        {27, "Très difficile"}, {36, "Fenêtre"}, {37, "Plein écran"}, {38, "Ivoire"},
        {39, "Minuit"},         {40, "Lagon"}};
    const auto found = named.find(n);
    return found != named.end() ? found->second : QStringLiteral("L%1").arg(n);
}

// Colour of board picture k in theme t, with a white key pixel at (1, 1).
inline QColor PictureColour(int theme, int k)
{
    return QColor(10 + 8 * k, 40 + 60 * theme, 200 - 5 * k);
}

class TestInstall
{
public:
    // lineCount language lines (none: no language file) and three plain themes.
    explicit TestInstall(int lineCount = 73)
    {
        const QDir root(m_folder.path());
        root.mkpath("Textes");
        QFile language(root.filePath("Textes/Francais.txt"));
        if (lineCount > 0)
            language.open(QIODevice::WriteOnly);
        for (int n = 0; n < lineCount; ++n)
            language.write(
                QString("%1 %2\r\n").arg(n, 3, 10, QChar(u'0')).arg(TestLineText(n)).toUtf8());
        for (int t = 0; t < 3; ++t) {
            const QString folder = "graphisme/" + TestLineText(38 + t);
            root.mkpath(folder);
            for (int k = 0; k < 27; ++k) {
                QImage picture(k == 12 ? QSize(1024, 768) : QSize(52, 52), QImage::Format_RGB32);
                picture.fill(PictureColour(t, k));
                picture.setPixel(1, 1, qRgb(255, 255, 255));
                picture.save(root.filePath(folder + QString("/%1.bmp").arg(k)));
            }
        }
        // The game's own font and window pictures.
        for (const QString name : {"CHOWFUN_.TTF", "1.bmp", "2.bmp", "3.bmp", "fenetre.bmp",
                                   "accueil.bmp", "Aide.bmp", "R.bmp", "L.bmp"})
            QFile::copy(ORVANTE_DATA_DIR "graphisme/" + name, root.filePath("graphisme/" + name));
    }
    [[nodiscard]] QString Folder() const { return m_folder.path() + u'/'; }
    [[nodiscard]] QString SettingsFile() const { return m_folder.path() + "/s.ini"; }

private:
    QTemporaryDir m_folder;
};

// A main window on a test installation, its error boxes recorded instead of shown.
struct TestWindow
{
    explicit TestWindow(const TestInstall& install)
        : window(std::make_unique<TfrmMain>(nullptr, install.Folder(), install.SettingsFile()))
    {
        window->ShowErrorBox = [this](const QString& text) { errors.append(text); };
    }
    void StartUp() { window->Timer2SplashScreenTimer(); } // the splash timer's step
    std::unique_ptr<TfrmMain> window;
    QStringList errors;
};

} // namespace testing_support
