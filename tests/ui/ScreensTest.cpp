// The program's names and Qt's French texts, the option arrows, the status bar's messages.
#include "presentation/Screens.h"

#include "Support.h"
#include "presentation/Texts.h"
#include "presentation/Widgets.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

TEST(PrepareApplication, NamesTheProgramWithoutADisplayNameGivingQtsDialogsFrenchButtons)
{
    QTranslator* french = presentation::PrepareApplication(*qApp);
    ASSERT_NE(french, nullptr) << "Qt's French translations (qt6-translations-l10n) are missing";
    EXPECT_EQ(QCoreApplication::applicationName(), "Orvante");
    // X11 shows a window's title with " — " and the display name appended once a display name is
    // set; while none is, the display name follows the program's name.
    QCoreApplication::setApplicationName("probe");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "probe") << "a display name is set";
    QCoreApplication::setApplicationName("Orvante");
    testing_support::TestInstall install;
    EXPECT_EQ(testing_support::TestWindow(install).window->windowTitle(), "Sudoku");
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(
        QStringList({box.button(QMessageBox::Yes)->text(), box.button(QMessageBox::No)->text(),
                     box.button(QMessageBox::Cancel)->text()}),
        QStringList({"&Oui", "&Non", "Annuler"}));
    QCoreApplication::removeTranslator(french);
}

TEST(ChangeCombocontent, StepsThroughTheItemsWrappingRoundBothWays)
{
    // "zz" stands for a text from another language file.
    const std::tuple<const char*, int, const char*> steps[]{
        {"a", 1, "b"}, {"c", 1, "a"}, {"b", 0, "a"}, {"a", 0, "c"}, {"zz", 1, "a"}, {"zz", 0, "c"}};
    for (const auto& [text, direction, expected] : steps)
        EXPECT_EQ(presentation::ChangedChoice({"a", "b", "c"}, text, direction), expected) << text;
    EXPECT_EQ(presentation::ChangedChoice({}, "zz", 1), "zz");
}

TEST(StatusPanels, ShowTheLongestMessageWholeShorteningAPathInItsMiddle)
{
    presentation::StatusPanels bar;
    bar.setGeometry(0, 0, 1024, 20), bar.show(); // as in the window
    const auto lines = presentation::ReadTextLines(ORVANTE_DATA_DIR "Textes/Francais.txt");
    ASSERT_TRUE(lines);
    QString longest;
    for (const int n : {20, 29, 30, 50, 51, 62}) { // the status messages
        const QString text = presentation::LineText(lines->value(n));
        if (text.size() > longest.size())
            longest = text;
    }
    const QString folder = "/home/joueuse/" + QString("Musique/").repeated(30);
    // Name, text, and what the shown text starts and ends with.
    const std::tuple<const char*, QString, QString, QString> messages[]{
        {"longest language line", longest, longest, longest},
        {"missing sound", "Son introuvable : " + folder + "Loud.wav", "Son introuvable : /home/",
         "/Musique/Loud.wav"},
        {"missing music folder", "Dossier de musique introuvable : " + folder,
         "Dossier de musique introuvable : /home/", "/Musique/"},
    };
    for (const auto& [name, text, head, tail] : messages) {
        SCOPED_TRACE(name);
        bar.SetPanelText(4, text);
        const QString shown = bar.ShownText(4);
        EXPECT_LE(bar.fontMetrics().horizontalAdvance(shown), bar.TextWidth(4));
        EXPECT_LT(bar.TextWidth(4), 1024 - 100 - 250 - 100) << "beside the other panels";
        EXPECT_TRUE(shown.startsWith(head) && shown.endsWith(tail)) << shown.toStdString();
        EXPECT_EQ(bar.PanelText(4), text);
    }
}
