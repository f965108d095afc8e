// The message window and the status message.
#include "Support.h"
#include "presentation/FenetreMess.h"

#include <QListWidget>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using testing_support::TestInstall;
using testing_support::TestWindow;

namespace {

struct SeenState
{
    bool firstEnabled = false;
    bool secondShown = false;
    bool listShown = false;
    QString title;
};

// Answers the modal window once it runs: records what it shows, then acts.
void AnswerWith(TFormFenetre& window, SeenState& seen, const std::function<void()>& act)
{
    QTimer::singleShot(0, &window, [&window, &seen, act] {
        seen.firstEnabled = window.ToolButton1->isEnabled();
        seen.secondShown = window.ToolButton2->isVisible();
        seen.listShown = window.ListBox1->isVisible();
        seen.title = window.Label2->text();
        act();
    });
}

} // namespace

TEST(ShowFenetre, AnswersOneOrTwoForTheButtonClicked)
{
    TFormFenetre window;
    SeenState seen;
    AnswerWith(window, seen, [&] { QTest::mouseClick(window.ToolButton1, Qt::LeftButton); });
    EXPECT_EQ(window.ShowFenetre("Quitter ?", "Oui", ""), 1);
    EXPECT_TRUE(seen.firstEnabled);
    EXPECT_FALSE(seen.secondShown);
    EXPECT_EQ(seen.title, "Quitter ?");

    AnswerWith(window, seen, [&] {
        // The disabled first button cannot answer; the second one does.
        QTest::mouseClick(window.ToolButton1, Qt::LeftButton);
        QTest::mouseClick(window.ToolButton2, Qt::LeftButton);
    });
    EXPECT_EQ(window.ShowFenetre("Titre", "", "Annuler"), 2);
    EXPECT_FALSE(seen.firstEnabled);
    EXPECT_TRUE(seen.secondShown);
}

TEST(ShowFenetre, EscapeDeclinesWithTheSecondButtonAndIsIgnoredWithoutOne)
{
    TFormFenetre window;
    SeenState seen;
    AnswerWith(window, seen, [&] { QTest::keyClick(&window, Qt::Key_Escape); });
    EXPECT_EQ(window.ShowFenetre("Charger ?", "Charger", "Annuler"), 2);

    AnswerWith(window, seen, [&] {
        QTest::keyClick(&window, Qt::Key_Escape);
        EXPECT_TRUE(window.isVisible());
        window.SpeedButton1Click();
    });
    EXPECT_EQ(window.ShowFenetre("Bravo", "OUI", ""), 1);
}

TEST(Effacer, DeletesTheSelectedLineOnlyFromScoresAndSavedGames)
{
    EXPECT_TRUE(TFormFenetre::DeleteOffered("scores"));
    EXPECT_TRUE(TFormFenetre::DeleteOffered("charge"));
    EXPECT_FALSE(TFormFenetre::DeleteOffered("regle"));
    EXPECT_FALSE(TFormFenetre::DeleteOffered(""));

    TFormFenetre window;
    QList<std::pair<QString, int>> deleted;
    bool fileLineGoes = true;
    window.EnleveLigne = [&](const QString& kind, int index) {
        deleted.append({kind, index});
        return fileLineGoes;
    };
    window.ListBox1->addItems({"a", "b", "c", "d"});

    window.setWindowTitle("scores");
    window.ListBox1->setCurrentRow(2);
    window.EffacerClick();
    ASSERT_EQ(deleted.size(), 1);
    EXPECT_EQ(deleted[0], std::pair(QString("scores"), 2));
    ASSERT_EQ(window.ListBox1->count(), 3);
    EXPECT_EQ(window.ListBox1->item(2)->text(), "d");

    // Nothing selected (a current row without a selection included): nothing is deleted.
    window.setWindowTitle("charge");
    window.ListBox1->clearSelection();
    window.EffacerClick();
    EXPECT_EQ(deleted.size(), 1);
    EXPECT_EQ(window.ListBox1->count(), 3);

    // The file's line could not be deleted: the entry stays, so the list matches the file.
    fileLineGoes = false;
    window.ListBox1->setCurrentRow(0);
    window.EffacerClick();
    ASSERT_EQ(deleted.size(), 2);
    EXPECT_EQ(deleted[1], std::pair(QString("charge"), 0));
    EXPECT_EQ(window.ListBox1->count(), 3);

    fileLineGoes = true;
    window.setWindowTitle("regle");
    window.ListBox1->setCurrentRow(0);
    window.EffacerClick();
    EXPECT_EQ(deleted.size(), 2);
    EXPECT_EQ(window.ListBox1->count(), 3);
}

TEST(BtRegleClick, ShowsTheRulesInTheListAndTheQuitQuestionHidesThem)
{
    TestInstall install;
    QFile rules(install.Folder() + "Textes/regles.txt");
    ASSERT_TRUE(rules.open(QIODevice::WriteOnly));
    rules.write("Une ligne\r\nDeux lignes\r\n");
    rules.close();
    TestWindow test(install);
    test.StartUp();
    TFormFenetre& window = *test.window->FormFenetre;

    SeenState seen;
    AnswerWith(window, seen, [&] { window.SpeedButton1Click(); });
    test.window->BtRegleClick();
    EXPECT_TRUE(seen.listShown);
    EXPECT_EQ(seen.title, "L65");
    EXPECT_EQ(window.windowTitle(), "regle");
    ASSERT_EQ(window.ListBox1->count(), 2);
    EXPECT_EQ(window.ListBox1->item(1)->text(), "Deux lignes");

    AnswerWith(window, seen, [&] { window.SpeedButton2Click(); });
    test.window->Quitter_JeuClick();
    EXPECT_FALSE(seen.listShown);
    EXPECT_EQ(seen.title, "L34");
    EXPECT_TRUE(test.window->isVisible()); // declined
}

TEST(BtRegleClick, AMissingRulesFileIsReportedAndNoWindowOpens)
{
    TestInstall install;
    TestWindow test(install);
    test.StartUp();
    test.window->BtRegleClick(); // would block here if the window opened
    ASSERT_EQ(test.errors.size(), 1);
    EXPECT_TRUE(test.errors[0].contains("regles.txt"));
}

TEST(FMessage, ShowsTheMessageWithItsSoundUntilTheNextTick)
{
    TestInstall install;
    TestWindow test(install);
    QStringList sounds;
    test.window->JoueSon = [&](const QString& name) { sounds.append(name); };
    test.window->TimerMessage.stop();
    test.window->FMessage("Partie sauvegardée.");
    EXPECT_EQ(test.window->StatusBar1->PanelText(4), "Partie sauvegardée.");
    EXPECT_EQ(sounds, QStringList({"Message"}));
    EXPECT_TRUE(test.window->TimerMessage.isActive());
    EXPECT_EQ(test.window->TimerMessage.interval(), 5000);
    test.window->TimerMessageTimer();
    EXPECT_EQ(test.window->StatusBar1->PanelText(4), "");
}
