// The language file: decoding, the path whatever its case, lookups that fail.
#include "presentation/Texts.h"

#include "Support.h"

#include <gtest/gtest.h>

using namespace presentation;

TEST(ReadTextLines, FindsTheFileWhateverItsCaseAndReadsUtf8ElseWindows1252WithAnyLineEnding)
{
    const testing_support::TestInstall install;
    const QString base = install.Folder();
    const auto linesOf = [&base](const QByteArray& bytes) {
        QFile file(base + "Textes/regles.txt");
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        return ReadTextLines(ResolvePath(base, "\\textes\\REGLES.TXT")).value_or(QStringList{"?"});
    };
    // "Thème" and "€uro" in Windows-1252, mixed endings, and a last line without one.
    EXPECT_EQ(linesOf("000 Th\xE8me\r\n001 \x80uro\n002 a\r003 b"),
              QStringList({"000 Thème", "001 €uro", "002 a", "003 b"}));
    EXPECT_EQ(linesOf("000 Th\xC3\xA8me\r\n\r\n"), QStringList({"000 Thème", ""}));
}

TEST(FText, AnswersErreurAndNamesTheLineBeforeLoadingAndBeyondAShortFile)
{
    testing_support::TestInstall install(30);
    testing_support::TestWindow test(install);
    TfrmMain& w = *test.window;
    EXPECT_EQ(w.FText(5), "erreur"); // before loading
    // The start-up asks for lines the file lacks: each is named, and the game still starts.
    test.StartUp();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(QStringList({w.FText(29), w.FText(30), w.FText(-1)}),
              QStringList({"L29", "erreur", "erreur"}));
    const QString named = "Erreur - Appel à du texte avant son chargement : ligne %1";
    for (const int n : {5, 38, 30, -1})
        EXPECT_TRUE(test.errors.contains(named.arg(n))) << n;
}
