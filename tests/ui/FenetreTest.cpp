// The message window: answers, the list and its "Effacer".
#include "Support.h"
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

TEST(Effacer, DeletesFromTheFileThenTheList)
{
    testing_support::TestInstall install;
    QFile rules(install.Folder() + "Textes/regles.txt");
    ASSERT_TRUE(rules.open(QIODevice::WriteOnly) && rules.write("Une ligne\r\nDeux lignes\r\n"));
    rules.close();
    testing_support::TestWindow test(install);
    test.StartUp();
    TFormFenetre& window = *test.window->FormFenetre;
    QTimer::singleShot(0, &window, &TFormFenetre::SpeedButton1Click);
    test.window->BtRegleClick();
    EXPECT_FALSE(window.ListBox1->isHidden());
    EXPECT_EQ(window.Label2->text(), "L65");
    ASSERT_EQ(window.ListBox1->count(), 2);
    EXPECT_EQ(window.ListBox1->item(1)->text(), "Deux lignes");
    QStringList asked;
    // Only the scores file gives its line up here.
    window.EnleveLigne = [&asked](const QString& kind, int index) {
        asked.append(kind + QString::number(index));
        return kind == "scores";
    };
    window.ListBox1->addItems({"c", "d"});
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
    EXPECT_EQ(asked, QStringList({"scores2", "charge0"}));
}
