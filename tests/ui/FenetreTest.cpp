// The message window: answers, the list and its "Effacer".
#include "Support.h"
#include "presentation/FenetreMess.h"

#include <QListWidget>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

TEST(ShowFenetre, AnswersWithTheButtonClickedAndEscapeDeclinesOnlyWithASecondButton)
{
    TFormFenetre window;
    // Asks, then once the window runs checks what it shows and acts.
    const auto answer = [&window](const QString& first, const QString& second, auto act) {
        QTimer::singleShot(0, &window, [&window, first, second, act] {
            EXPECT_EQ(window.Label2->text(), "Titre ?");
            EXPECT_EQ(window.ToolButton1->isEnabled(), !first.isEmpty());
            EXPECT_EQ(window.ToolButton2->isVisible(), !second.isEmpty());
            act();
        });
        return window.ShowFenetre("Titre ?", first, second);
    };
    const auto click = [](QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); };
    const auto escape = [&window] { QTest::keyClick(&window, Qt::Key_Escape); };
    EXPECT_EQ(answer("Oui", "", [&] { click(window.ToolButton1); }), 1);
    // The disabled first button cannot answer.
    EXPECT_EQ(answer("", "Non", [&] { click(window.ToolButton1), click(window.ToolButton2); }), 2);
    EXPECT_EQ(answer("Charger", "Annuler", escape), 2);
    // Without a second button Escape leaves the window open.
    EXPECT_EQ(answer("OUI", "", [&] { escape(), click(window.ToolButton1); }), 1);
}

TEST(Effacer, DeletesTheSelectedLineFromItsFileThenTheListOnlyForScoresAndSavedGames)
{
    TFormFenetre window;
    QList<std::pair<QString, int>> deleted;
    // Only the scores file gives its line up here.
    window.EnleveLigne = [&](const QString& kind, int index) {
        deleted.append({kind, index});
        return kind == "scores";
    };
    window.ListBox1->addItems({"a", "b", "c", "d"});
    const auto effacer = [&](const QString& kind, int row) {
        window.setWindowTitle(kind);
        window.ListBox1->setCurrentRow(row);
        window.EffacerClick();
    };
    effacer("scores", 2);
    ASSERT_EQ(deleted, (QList<std::pair<QString, int>>{{"scores", 2}}));
    EXPECT_EQ(window.ListBox1->item(2)->text(), "d");
    // A current row without a selection: nothing is deleted.
    window.ListBox1->clearSelection();
    window.setWindowTitle("charge");
    window.EffacerClick();
    // The file's line could not be deleted: the entry stays, so the list matches the file.
    effacer("charge", 0);
    effacer("regle", 0);
    EXPECT_EQ(deleted, (QList<std::pair<QString, int>>{{"scores", 2}, {"charge", 0}}));
    EXPECT_EQ(window.ListBox1->count(), 3);
}

TEST(BtRegleClick, ShowsTheRulesInAListThatOffersNoDeleting)
{
    testing_support::TestInstall install;
    QFile rules(install.Folder() + "Textes/regles.txt");
    ASSERT_TRUE(rules.open(QIODevice::WriteOnly));
    rules.write("Une ligne\r\nDeux lignes\r\n");
    rules.close();
    testing_support::TestWindow test(install);
    test.StartUp();
    TFormFenetre& window = *test.window->FormFenetre;
    QTimer::singleShot(0, &window, [&window] {
        EXPECT_TRUE(window.ListBox1->isVisible());
        EXPECT_EQ(window.Label2->text(), "L65");
        window.SpeedButton1Click();
    });
    test.window->BtRegleClick();
    EXPECT_EQ(window.windowTitle(), "regle");
    ASSERT_EQ(window.ListBox1->count(), 2);
    EXPECT_EQ(window.ListBox1->item(1)->text(), "Deux lignes");
}
