// The scrolling title: its text, the length written in it, and the part the label shows.
#include "audio/mp3.h"

#include <gtest/gtest.h>

using audio::LengthText;
using audio::ScrollText;
using audio::ScrollWindow;

TEST(ScrollText, NineCharacterTitleOfThreeMinutesFiveMakesTwentyFourCharacters)
{
    const QString text = ScrollText(QStringLiteral("Ocean.mp3"), 185'400);
    EXPECT_EQ(text, QStringLiteral("Ocean.mp3  (03:05)  **  "));
    EXPECT_EQ(text.size(), 24);
}

TEST(LengthText, RoundsToTheNearestSecondWithHalvesToEven)
{
    EXPECT_EQ(LengthText(3'725'000), QStringLiteral("62:05")); // minutes go past an hour
    EXPECT_EQ(LengthText(0), QStringLiteral("00:00"));
    EXPECT_EQ(LengthText(499), QStringLiteral("00:00"));
    EXPECT_EQ(LengthText(500), QStringLiteral("00:00")); // half a second, 0 is even
    EXPECT_EQ(LengthText(501), QStringLiteral("00:01"));
    EXPECT_EQ(LengthText(1'500), QStringLiteral("00:02")); // 1.5 goes up to 2
    EXPECT_EQ(LengthText(2'500), QStringLiteral("00:02")); // 2.5 stays at 2
    EXPECT_EQ(LengthText(59'500), QStringLiteral("01:00")); // rounding carries into the minutes
    EXPECT_EQ(LengthText(6'000'000), QStringLiteral("100:00"));
}

TEST(ScrollWindow, AShortTextRotatesAsAWholeAndComesBackAtItsLength)
{
    const QString text = ScrollText(QStringLiteral("Ocean.mp3"), 185'400);
    EXPECT_EQ(ScrollWindow(text, 0), text);
    EXPECT_EQ(ScrollWindow(text, 1), QStringLiteral("cean.mp3  (03:05)  **  O"));
    EXPECT_EQ(ScrollWindow(text, 11), QStringLiteral("(03:05)  **  Ocean.mp3  "));
    EXPECT_EQ(ScrollWindow(text, 23), QStringLiteral(" Ocean.mp3  (03:05)  ** "));
    EXPECT_EQ(ScrollWindow(text, 24), text);
}

TEST(ScrollWindow, ALongTextShowsTwentySixCharactersGoingRoundToItsStart)
{
    const QString text = ScrollText(QStringLiteral("Jardin de pierre.mp3"), 95'000); // 35 long
    ASSERT_EQ(text.size(), 35);
    EXPECT_EQ(ScrollWindow(text, 0), QStringLiteral("Jardin de pierre.mp3  (01:"));
    EXPECT_EQ(ScrollWindow(text, 20), QStringLiteral("  (01:35)  **  Jardin de p"));
    EXPECT_EQ(ScrollWindow(text, 34), QStringLiteral(" Jardin de pierre.mp3  (01"));
    EXPECT_EQ(ScrollWindow(text, 35), ScrollWindow(text, 0));
    EXPECT_EQ(ScrollWindow(QString(), 0), QString());
}
