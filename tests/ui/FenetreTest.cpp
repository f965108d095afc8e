// The message window: answers, the list and its "Effacer".
#include "Support.h"
#include "control/GameFiles.h"
#include "game/Grids.h"
#include "presentation/FenetreMess.h"

#include <QListWidget>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

TEST(ShowFenetre, EscapeDeclinesOnlyWithASecondButton)
{
    TFormFenetre window;
    // Asks, and acts once the window runs.
    const auto answer = [&window](const QString& first, const QString& second, auto act) {
        QTimer::singleShot(0, &window, act);
        return window.ShowFenetre("Titre ?", first, second);
    };
    const auto click = [](QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); };
    const auto escape = [&window] { QTest::keyClick(&window, Qt::Key_Escape); };
    // The disabled first button cannot answer.
    EXPECT_EQ(answer("", "Non", [&] { click(window.ToolButton1), click(window.ToolButton2); }), 2);
    EXPECT_EQ(answer("Charger", "Annuler", escape), 2);
    // Without a second button Escape leaves the window open.
    const auto escapeThenFirst = [&] {
        escape();
        EXPECT_TRUE(window.isVisible());
        click(window.ToolButton1);
    };
    EXPECT_EQ(answer("OUI", "", escapeThenFirst), 1);
}

// A started window with an empty game folder, whose lists another copy of the game may change.
struct ListWindow : testing::Test
{
    void SetUp() override { test.StartUp(), QDir(folder = w.GameFolder()).removeRecursively(); }
    testing_support::TestInstall install;
    testing_support::TestWindow test{install};
    TfrmMain& w = *test.window;
    TFormFenetre& window = *w.FormFenetre;
    QString folder;
};

TEST_F(ListWindow, EffacerDeletesFromTheFileThenTheList)
{
    QFile rules(install.Folder() + "Textes/regles.txt");
    ASSERT_TRUE(rules.open(QIODevice::WriteOnly) && rules.write("Une ligne\r\nDeux lignes\r\n"));
    rules.close();
    QTimer::singleShot(0, &window, &TFormFenetre::SpeedButton1Click);
    w.BtRegleClick();
    EXPECT_TRUE(!window.ListBox1->isHidden() && window.Label2->text() == "L65");
    ASSERT_EQ(window.ListBox1->count(), 2);
    EXPECT_EQ(window.ListBox1->item(1)->text(), "Deux lignes");
    QStringList asked; // only the scores file gives its line up here
    window.EnleveLigne = [&asked](const QString& kind, const QString& line) {
        return asked.append(kind + ": " + line), kind == "scores";
    };
    // An entry shows a shortened line and gives the whole line to the delete.
    window.AddListEntry("c…", "c as in the file");
    window.ListBox1->addItems({"d"});
    // List, row selected (-1: a current row but no selection), entries left; the rules first, as
    // shown. When the file's line cannot go, the entry stays, so that the list matches the file.
    const std::tuple<QString, int, int> cases[]{
        {window.windowTitle(), 0, 4}, {"scores", 2, 3}, {"charge", -1, 3}, {"charge", 0, 3}};
    for (const auto& [kind, row, left] : cases) {
        window.setWindowTitle(kind);
        window.ListBox1->setCurrentRow(std::max(row, 0));
        if (row < 0)
            window.ListBox1->clearSelection();
        window.EffacerClick();
        EXPECT_EQ(window.ListBox1->count(), left) << kind.toStdString() << row;
    }
    EXPECT_EQ(window.ListBox1->item(2)->text(), "d");
    EXPECT_EQ(asked, QStringList({"scores: c as in the file", "charge: Une ligne"}));
}

TEST_F(ListWindow, DeletingFromAListAnotherCopyChangedShowsTheFileAsItIsNow)
{
    const QString scores = control::ScoresFilePath(folder);
    control::WriteRecordLines(scores, {"a", "b", "c"});
    QString title;
    QStringList shown;
    // Another copy deletes "a" while this one shows the list; this one then deletes "a" and "c".
    QTimer::singleShot(0, &window, [&] {
        ASSERT_TRUE(control::DeleteListLine(folder, "scores", "a"));
        for (const int row : {0, 1}) {
            window.ListBox1->setCurrentRow(row);
            window.EffacerClick();
            for (int i = 0; row == 0 && i < window.ListBox1->count(); ++i)
                shown.append(window.ListBox1->item(i)->text());
            title = row == 0 ? window.Label2->text() : title;
        }
        QTest::mouseClick(window.ToolButton1, Qt::LeftButton);
    });
    w.ScoresClick();
    EXPECT_EQ(title, control::LineGoneMessage);
    EXPECT_EQ(shown, QStringList({"b", "c"}));
    EXPECT_EQ(control::ReadRecordLines(scores), QStringList{"b"});
    EXPECT_TRUE(test.errors.isEmpty()) << test.errors.join('\n').toStdString();
}

TEST_F(ListWindow, LoadingAGameAnotherCopyDeletedIsToldThenTheNextChoiceLoads)
{
    engine::Board board;
    board.SolutionGrid = game_testing::GridOf(game_testing::Solved);
    board.CurrentGrid = game_testing::SolvedWithout({{0, 0}});
    for (const double seconds : {1.0, 2.0})
        control::SaveGame(folder, board, false, seconds, QDateTime::currentDateTime());
    QString title;
    int entries = 0;
    // The first game goes while the list is shown; it is chosen, then the one left.
    QTimer::singleShot(0, &window, [&] {
        control::DeleteListLine(folder, "charge", window.LineOf(0));
        window.ListBox1->setCurrentRow(0);
        QTimer::singleShot(0, &window, [&] {
            title = window.Label2->text(), entries = window.ListBox1->count();
            window.ListBox1->setCurrentRow(0);
            QTest::mouseClick(window.ToolButton1, Qt::LeftButton);
        });
        QTest::mouseClick(window.ToolButton1, Qt::LeftButton);
    });
    w.mnuLoadClick();
    EXPECT_EQ(std::pair(title, entries), std::pair(control::LineGoneMessage, 1));
    EXPECT_EQ(std::pair(w.ElapsedSeconds, w.GameBoard().CurrentGrid),
              std::pair(2.0, board.CurrentGrid));
}
