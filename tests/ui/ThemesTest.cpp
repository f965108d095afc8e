// Themes: their looks, the colour key of their pieces, missing pictures.
#include "presentation/Themes.h"

#include "Support.h"

#include <QSlider>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using namespace presentation;
using namespace testing_support;

TEST(ChargeGraphismes, GivesEachThemeItsLookFallingBackOnABadPicture)
{
    TestInstall install;
    TestWindow test(install);
    TfrmMain& w = *test.window;
    const BoardPictures& pieces = w.PieceImages;
    test.StartUp(), w.TrackBarMP3->setValue(730);
    // Right of the last theme: back to the first.
    const std::tuple<int, QColor, int> looks[]{
        {1, Qt::white, 205}, {2, Qt::black, 230}, {0, Qt::black, 205}};
    for (const auto& [theme, labelColour, opacity] : looks) {
        QTest::mouseClick(w.ImageF1D, Qt::LeftButton);
        SCOPED_TRACE(theme);
        EXPECT_EQ(w.ComboBox1->Text(), TestLineText(38 + theme));
        EXPECT_EQ(w.BtPrint->isHidden(), theme != 0);
        EXPECT_EQ(w.Label2->palette().color(QPalette::WindowText), labelColour);
        const QPalette scrolling = w.LabelDefilement->palette();
        EXPECT_NE(scrolling.color(QPalette::WindowText), scrolling.color(QPalette::Window))
            << "the music title must stay readable on its strip";
        EXPECT_EQ(pieces.Piece(5).image.pixel(20, 20), PictureColour(theme, 5).rgb());
        EXPECT_EQ(pieces.Piece(5).opacity, opacity);
    }
    EXPECT_EQ(w.TrackBarMP3->value(), 730);
    EXPECT_TRUE(test.errors.isEmpty()) << test.errors.join(u'\n').toStdString();
    // A bad picture of the theme picked (left of the first: the last) is named and the default
    // theme takes over; what that lacks too is named and gets a stand-in.
    const QString folder = install.Folder() + "graphisme/";
    QFile::remove(folder + "Lagon/14.bmp");
    ASSERT_TRUE(QFile::resize(folder + "Ivoire/15.bmp", 10)); // unreadable
    QTest::mouseClick(w.ImageF1G, Qt::LeftButton);
    ASSERT_EQ(test.errors.size(), 2);
    EXPECT_TRUE(test.errors[0].contains(folder + "Lagon/14.bmp"));
    EXPECT_TRUE(test.errors[1].contains(folder + "Ivoire/15.bmp"));
    EXPECT_TRUE(pieces.Piece(14).image.pixel(20, 20) == PictureColour(0, 14).rgb()
                && pieces.Piece(14).opacity == 205);
    EXPECT_EQ(pieces.Piece(15).image, PlaceholderPiece(15));
    // A theme of another name keeps its pieces visible and the labels as they are.
    const ThemeLook unknown = LookOfTheme("Maison", {"Ivoire", "Minuit", "Lagon"});
    EXPECT_EQ(unknown.opacity, 205);
    EXPECT_FALSE(unknown.labelColour || unknown.printShown);
}

TEST(StartUp, APictureOrAFontCutInHalfIsToldAsMissing)
{
    for (const QString relative : {"CHOWFUN_.TTF", "fenetre.bmp", "Ivoire/7.bmp"}) {
        SCOPED_TRACE(relative.toStdString());
        TestInstall install;
        const QString path = install.Folder() + "graphisme/" + relative;
        ASSERT_TRUE(QFile::resize(path, QFileInfo(path).size() / 2));
        TestWindow test(install);
        test.StartUp();
        EXPECT_EQ(test.errors,
                  QStringList{(relative.endsWith("TTF") ? "Police" : "Image")
                              + QString(" manquante ou illisible :\n") + path});
    }
}
