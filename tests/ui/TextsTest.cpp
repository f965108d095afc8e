// The language file: line texts, decoding, lookups that fail, the missing file.
#include "presentation/Texts.h"

#include "Support.h"

#include <gtest/gtest.h>

using namespace presentation;
using testing_support::TestInstall;
using testing_support::TestWindow;

TEST(LineText, DropsTheFourCharacterPrefixAndNothingElse)
{
    EXPECT_EQ(LineText("0042Bonjour"), "Bonjour");
    EXPECT_EQ(LineText("042 Bonjour tout"), "Bonjour tout");
    EXPECT_EQ(LineText("0042"), "");
    EXPECT_EQ(LineText("00"), "");
    EXPECT_EQ(LineText("0042 "), " ");
}

TEST(ReadTextLines, ReadsWindows1252AndUtf8AndEveryLineEnding)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("t.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // "Thème" in Windows-1252, then "€uro", mixed endings, and a last line without one.
    file.write("000 Th\xE8me\r\n001 \x80uro\n002 a\r003 b");
    file.close();
    const auto lines = ReadTextLines(path);
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, QStringList({"000 Thème", "001 €uro", "002 a", "003 b"}));

    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("000 Th\xC3\xA8me\r\n\r\n");
    file.close();
    EXPECT_EQ(*ReadTextLines(path), QStringList({"000 Thème", ""}));

    EXPECT_FALSE(ReadTextLines(folder.filePath("missing.txt")));
}

TEST(ResolvePath, MatchesEachFolderWithoutRegardToCase)
{
    QTemporaryDir folder;
    QDir(folder.path()).mkpath("Textes");
    QFile(folder.filePath("Textes/regles.txt")).open(QIODevice::WriteOnly);
    const QString base = folder.path() + u'/';
    EXPECT_EQ(ResolvePath(base, "textes/regles.txt"), base + "Textes/regles.txt");
    EXPECT_EQ(ResolvePath(base, "\\Textes\\REGLES.TXT"), base + "Textes/regles.txt");
    EXPECT_EQ(ResolvePath(base, "textes/absent.txt"), base + "Textes/absent.txt");
}

TEST(FText, AnswersErreurAndNamesTheLineBeforeLoadingAndBeyondTheFile)
{
    TestInstall install(73);
    TestWindow test(install);
    EXPECT_EQ(test.window->FText(5), "erreur");
    ASSERT_EQ(test.errors.size(), 1);
    EXPECT_EQ(test.errors[0], "Erreur - Appel à du texte avant son chargement : ligne 5");

    test.StartUp();
    test.errors.clear();
    EXPECT_EQ(test.window->FText(72), "L72");
    EXPECT_EQ(test.window->FText(73), "erreur");
    EXPECT_EQ(test.window->FText(-1), "erreur");
    ASSERT_EQ(test.errors.size(), 2);
    EXPECT_TRUE(test.errors[0].endsWith("ligne 73"));
    EXPECT_TRUE(test.errors[1].endsWith("ligne -1"));
}

TEST(StartUp, AMissingLanguageFileIsNamedAndTheProgramEndsWithoutShowingTheWindow)
{
    TestInstall install(0);
    TestWindow test(install);
    test.StartUp();
    EXPECT_TRUE(test.ended);
    ASSERT_EQ(test.errors.size(), 1);
    EXPECT_TRUE(test.errors[0].contains("Textes/Francais.txt")) << test.errors[0].toStdString();
    EXPECT_FALSE(test.window->isVisible());
    EXPECT_FALSE(test.window->Timer2.isActive());
}

TEST(StartUp, EndsOnTheMainMenuWithTheRedrawRunning)
{
    TestInstall install;
    TestWindow test(install);
    EXPECT_FALSE(test.window->isVisible());
    test.StartUp();
    TfrmMain& w = *test.window;
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.Panel_MenuPrincipal->isVisible());
    EXPECT_FALSE(w.Panel_MenuJeu->isVisible());
    EXPECT_FALSE(w.Panel_Options->isVisible());
    EXPECT_TRUE(w.BtHint->isHidden());
    EXPECT_TRUE(w.Timer2.isActive());
    EXPECT_EQ(w.Timer2.interval(), 100);
    EXPECT_EQ(w.GameState, GameStatus::Idle);
    EXPECT_EQ(w.CellWidth, 60);
    EXPECT_EQ(w.StatusBar1->PanelText(0), "Pieces: n/a");
    EXPECT_EQ(w.ComboBox2->Items(),
              QStringList({"Très facile", "Facile", "Moyen", "Difficile", "Très difficile"}));
    EXPECT_EQ(w.ComboBox4->Items(), QStringList({"Fenêtre", "Plein écran"}));
    EXPECT_TRUE(test.errors.isEmpty()) << test.errors.join(u'\n').toStdString();
}
