// The language file: decoding, the path whatever its case, lookups that fail.
#include "presentation/Texts.h"

#include "Support.h"
#include "control/GameTexts.h"
#include "presentation/MainScreens.h"

#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

using namespace presentation;

TEST(ReadTextLines, FindsTheFileWhateverItsCaseReadingUtf8ElseWindows1252)
{
    const testing_support::TestInstall install;
    // "Thème" in UTF-8, "€uro" in Windows-1252, an empty line, mixed endings, no last one.
    const QByteArray bytes = "000 Th\xC3\xA8me\r\n001 \x80uro\n\r\n002 a\r003 b";
    QFile file(install.Folder() + "Textes/regles.txt");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    EXPECT_EQ(ReadTextLines(ResolvePath(install.Folder(), "\\textes\\REGLES.TXT")),
              QStringList({"000 Thème", "001 €uro", "", "002 a", "003 b"}));
}

TEST(FText, AnswersErreurNamingTheLineBeforeLoadingOrBeyondTheFile)
{
    testing_support::TestInstall install;
    testing_support::TestWindow test(install);
    TfrmMain& w = *test.window;
    EXPECT_EQ(w.FText(5), "erreur"); // before loading
    test.StartUp();
    EXPECT_EQ(QStringList({w.FText(72), w.FText(73), w.FText(-1)}),
              QStringList({"L72", "erreur", "erreur"}));
    const QString named = "Erreur - Appel à du texte avant son chargement : ligne %1";
    EXPECT_EQ(test.errors, QStringList({named.arg(5), named.arg(73), named.arg(-1)}));
}

TEST(StartUp, ALanguageFileShortOfLinesEndsTheGameWithOneMessageWritingNothing)
{
    for (const int count : {72, 30, 0}) {
        SCOPED_TRACE(count);
        testing_support::TestInstall install(count);
        const QString path = install.Folder() + "Textes/Francais.txt";
        ASSERT_TRUE(QFile(path).open(QIODevice::Append)); // an empty file when there are no lines
        testing_support::TestWindow test(install);
        TfrmMain& w = *test.window;
        bool ended = false;
        w.EndProgram = [&ended] { ended = true; };
        // An error box is modal: the window's timers go on running while it is shown.
        w.ShowErrorBox = [&test](const QString& text) {
            test.errors.append(text);
            QEventLoop box;
            QTimer::singleShot(150, &box, &QEventLoop::quit);
            box.exec();
        };
        w.Timer1.start(), w.Timer2.start();
        test.StartUp();
        EXPECT_TRUE(ended);
        EXPECT_EQ(test.errors,
                  QStringList{QString("Fichier de langue incomplet :\n%1\nIl a %2 lignes, le jeu "
                                      "en utilise 73.")
                                  .arg(path)
                                  .arg(count)});
        w.close();
        EXPECT_FALSE(QFile::exists(install.SettingsFile()));
        EXPECT_EQ(test.errors.size(), 1);
    }
}

TEST(ScreenTexts, EachWordComesFromItsOwnLanguageLine)
{
    const ScreenTexts texts = control::ScreenTextsFrom([](int n) { return QString::number(n); });
    const struct
    {
        const char* name;
        QString text;
        int line;
    } rows[]{
        {"first face", texts.faces.front(), 2},
        {"last face", texts.faces.back(), 19},
        {"player label", texts.playerLabel, 66},
        {"music label", texts.musicLabel, 70},
        {"paused", texts.paused, 55},
        {"music import", texts.importMusic, 61},
        {"board", texts.board, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.text, QString::number(row.line));
    }
}
