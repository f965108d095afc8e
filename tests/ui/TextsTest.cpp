// The language file: decoding, lookups that fail, the missing file.
#include "presentation/Texts.h"

#include "Support.h"

#include <gtest/gtest.h>

using namespace presentation;
using namespace testing_support;

TEST(ReadTextLines, FindsTheFileWhateverItsCaseAndReadsUtf8ElseWindows1252WithAnyLineEnding)
{
    QTemporaryDir folder;
    const QString base = folder.path() + u'/';
    QDir(base).mkpath("Textes");
    const auto linesOf = [&base](const QByteArray& bytes) {
        QFile file(base + "Textes/regles.txt");
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
        file.close();
        const auto lines = ReadTextLines(ResolvePath(base, "\\textes\\REGLES.TXT"));
        return lines.value_or(QStringList{"unreadable"});
    };
    // "Thème" and "€uro" in Windows-1252, mixed endings, and a last line without one.
    EXPECT_EQ(linesOf("000 Th\xE8me\r\n001 \x80uro\n002 a\r003 b"),
              QStringList({"000 Thème", "001 €uro", "002 a", "003 b"}));
    EXPECT_EQ(linesOf("000 Th\xC3\xA8me\r\n\r\n"), QStringList({"000 Thème", ""}));
    EXPECT_EQ(ResolvePath(base, "textes/absent.txt"), base + "Textes/absent.txt");
    EXPECT_FALSE(ReadTextLines(base + "Textes/absent.txt"));
}

TEST(FText, AnswersErreurAndNamesTheLineBeforeLoadingAndBeyondAShortFile)
{
    const QString missing = "Erreur - Appel à du texte avant son chargement : ligne ";
    TestInstall install(30);
    TestWindow test(install);
    TfrmMain& w = *test.window;
    EXPECT_EQ(w.FText(5), "erreur");
    EXPECT_EQ(test.errors, QStringList{missing + "5"});
    // The start-up asks for lines the file lacks: each is named, and the game still starts.
    test.StartUp();
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(test.errors.contains(missing + "38"));
    test.errors.clear();
    EXPECT_EQ(QStringList({w.FText(29), w.FText(30), w.FText(-1)}),
              QStringList({"L29", "erreur", "erreur"}));
    EXPECT_EQ(test.errors, QStringList({missing + "30", missing + "-1"}));
}

TEST(StartUp, AMissingLanguageFileIsNamedAndTheProgramEndsWithoutWritingSettings)
{
    TestInstall install(0);
    {
        TestWindow test(install);
        test.StartUp();
        EXPECT_TRUE(test.ended);
        ASSERT_EQ(test.errors.size(), 1);
        EXPECT_TRUE(test.errors[0].contains(install.Folder() + "Textes/Francais.txt"));
        EXPECT_FALSE(test.window->isVisible());
        test.window->close();
    }
    EXPECT_FALSE(QFile::exists(install.SettingsFile()));
}
