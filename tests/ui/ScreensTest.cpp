// The screens: option arrows, showing the window again.
#include "presentation/Screens.h"

#include "Support.h"

#include <QtTest/QTest>

#include <gtest/gtest.h>

using presentation::ChangedChoice;
using namespace testing_support;

TEST(ChangeCombocontent, StepsThroughTheItemsAndWrapsRoundBothWays)
{
    const QStringList items{"a", "b", "c"};
    // "zz" stands for a text from another language file.
    const std::tuple<const char*, int, const char*> steps[]{
        {"a", 1, "b"}, {"c", 1, "a"}, {"b", 0, "a"}, {"a", 0, "c"}, {"zz", 1, "a"}, {"zz", 0, "c"}};
    for (const auto& [text, direction, expected] : steps)
        EXPECT_EQ(ChangedChoice(items, text, direction), expected) << text << direction;
    EXPECT_EQ(ChangedChoice({}, "zz", 1), "zz");
}

TEST(Screens, ShowingTheWindowAgainKeepsTheGame)
{
    TestInstall install;
    TestWindow test(install);
    test.StartUp();
    TfrmMain& w = *test.window;
    QTest::mouseClick(w.Nouvelle_Partie, Qt::LeftButton);
    ASSERT_EQ(w.GameState, GameStatus::Playing);
    // As after a minimise: the board is not set up anew.
    w.hide();
    w.show();
    EXPECT_EQ(w.GameState, GameStatus::Playing);
}
