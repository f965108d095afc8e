// Themes: their looks, the colour key, the captions on the faces, missing pictures.
#include "presentation/Themes.h"

#include "Support.h"

#include <QtTest/QTest>

#include <gtest/gtest.h>

using namespace presentation;
using testing_support::PictureColour;
using testing_support::TestInstall;
using testing_support::TestWindow;

TEST(LookOfTheme, GivesEachThemeItsOpacityLabelColourAndPrintButton)
{
    const std::array<QString, 3> names{"Ivoire", "Minuit", "Lagon"};
    const ThemeLook first = LookOfTheme("Ivoire", names);
    EXPECT_EQ(first.opacity, 205);
    EXPECT_EQ(first.labelColour, QColor(Qt::black));
    EXPECT_TRUE(first.printShown);
    const ThemeLook second = LookOfTheme("Minuit", names);
    EXPECT_EQ(second.opacity, 205);
    EXPECT_EQ(second.labelColour, QColor(Qt::white));
    EXPECT_FALSE(second.printShown);
    const ThemeLook third = LookOfTheme("Lagon", names);
    EXPECT_EQ(third.opacity, 230);
    EXPECT_EQ(third.labelColour, QColor(Qt::black));
    EXPECT_FALSE(third.printShown);
    // Another name keeps its pieces visible and leaves the labels alone.
    const ThemeLook other = LookOfTheme("Maison", names);
    EXPECT_EQ(other.opacity, 205);
    EXPECT_FALSE(other.labelColour);
    EXPECT_FALSE(other.printShown);
}

TEST(PieceOpacity, FollowsEachPictureRole)
{
    EXPECT_EQ(PieceOpacity(0, 230), 230);
    EXPECT_EQ(PieceOpacity(9, 230), 230);
    EXPECT_EQ(PieceOpacity(10, 230), 150);
    EXPECT_EQ(PieceOpacity(12, 230), 255);
    EXPECT_EQ(PieceOpacity(22, 230), 230);
    EXPECT_EQ(PieceOpacity(25, 230), 120);
    EXPECT_EQ(PieceOpacity(26, 230), 150);
    for (int k : {0, 5, 13, 22, 25})
        EXPECT_TRUE(PieceHasColourKey(k)) << k;
    for (int k : {10, 11, 12, 23, 24, 26})
        EXPECT_FALSE(PieceHasColourKey(k)) << k;
}

TEST(ApplyColourKey, ClearsEveryPixelOfTheKeyColourWhateverItsAlpha)
{
    QImage picture(4, 4, QImage::Format_ARGB32_Premultiplied);
    picture.fill(qRgb(10, 20, 30));
    picture.setPixel(1, 1, qRgb(255, 255, 255));
    picture.setPixel(3, 3, qRgb(255, 255, 255));
    picture.setPixel(0, 3, qRgb(255, 255, 254)); // one step off the key
    ApplyColourKey(picture);
    EXPECT_EQ(qAlpha(picture.pixel(1, 1)), 0);
    EXPECT_EQ(qAlpha(picture.pixel(3, 3)), 0);
    EXPECT_EQ(qAlpha(picture.pixel(0, 3)), 255);
    EXPECT_EQ(picture.pixel(2, 2), qRgb(10, 20, 30));

    // A half-transparent key pixel keys by its colour alone.
    QImage translucent(3, 3, QImage::Format_ARGB32);
    translucent.fill(qRgba(0, 0, 255, 255));
    translucent.setPixel(1, 1, qRgba(255, 0, 0, 128));
    translucent.setPixel(2, 0, qRgba(255, 0, 0, 255));
    ApplyColourKey(translucent);
    EXPECT_EQ(qAlpha(translucent.pixel(2, 0)), 0);
    EXPECT_EQ(qAlpha(translucent.pixel(0, 0)), 255);
}

TEST(EcrireLegende, StartsTheCaptionAtTheCentredLeftEdgeInTheStateColour)
{
    EXPECT_EQ(LegendLeft(140, 10), 16);
    EXPECT_EQ(LegendLeft(140, 0), 76);
    QImage face(140, 49, QImage::Format_ARGB32_Premultiplied);
    face.fill(Qt::white);
    EcrireLegende(face, "MMMMMMMMMM", FaceCaptionColours[0]);
    int leftmost = face.width();
    int captionPixels = 0;
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            if (face.pixel(x, y) == QColor(125, 25, 25).rgb()) {
                leftmost = std::min(leftmost, x);
                ++captionPixels;
            }
        }
    }
    EXPECT_GT(captionPixels, 50);
    EXPECT_GE(leftmost, 16);
    EXPECT_LE(leftmost, 20);
}

TEST(ChargeGraphismes, SwitchingThemesChangesLabelsPrintButtonAndOpacity)
{
    TestInstall install;
    TestWindow test(install);
    test.StartUp();
    TfrmMain& w = *test.window;
    EXPECT_FALSE(w.BtPrint->isHidden());
    EXPECT_EQ(w.Label2->text(), "L67");
    EXPECT_EQ(w.Label2->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(w.PieceImages.Piece(5).opacity, 205);
    EXPECT_EQ(w.PieceImages.Piece(5).image.pixel(20, 20), PictureColour(0, 5).rgb());

    QTest::mouseClick(w.ImageF1D, Qt::LeftButton);
    EXPECT_EQ(w.ComboBox1->Text(), "Minuit");
    EXPECT_TRUE(w.BtPrint->isHidden());
    EXPECT_EQ(w.Label2->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(w.LabelDefilement->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(w.PieceImages.Piece(5).opacity, 205);
    EXPECT_EQ(w.PieceImages.Piece(5).image.pixel(20, 20), PictureColour(1, 5).rgb());

    QTest::mouseClick(w.ImageF1D, Qt::LeftButton);
    EXPECT_EQ(w.ComboBox1->Text(), "Lagon");
    EXPECT_EQ(w.Label2->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(w.PieceImages.Piece(5).opacity, 230);
    EXPECT_EQ(w.PieceImages.Piece(10).opacity, 150);
    EXPECT_EQ(w.PieceImages.Piece(25).opacity, 120);

    // Left of the first theme: the third, with every face rebuilt once.
    QTest::mouseClick(w.ImageF1D, Qt::LeftButton);
    QTest::mouseClick(w.ImageF1G, Qt::LeftButton);
    EXPECT_EQ(w.ComboBox1->Text(), "Lagon");
    for (const auto& faces : w.FaceLists)
        EXPECT_EQ(faces.size(), 18);
    EXPECT_TRUE(test.errors.isEmpty()) << test.errors.join(u'\n').toStdString();
}

TEST(ChargeGraphismes, KeysThePiecesButNotTheBackgrounds)
{
    TestInstall install;
    TestWindow test(install);
    test.StartUp();
    const auto& pieces = test.window->PieceImages;
    EXPECT_EQ(qAlpha(pieces.Piece(3).image.pixel(1, 1)), 0);
    EXPECT_EQ(qAlpha(pieces.Piece(3).image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(pieces.Piece(3).image.pixel(2, 2)), 255);
    EXPECT_EQ(qAlpha(pieces.Piece(10).image.pixel(1, 1)), 255);
    EXPECT_EQ(qAlpha(pieces.Piece(26).image.pixel(1, 1)), 255);
}

TEST(ChargeGraphismes, AnEmptyNameLoadsTheDefaultTheme)
{
    TestInstall install;
    TestWindow test(install);
    test.StartUp();
    test.window->ChargeGraphismes("Minuit");
    test.window->ChargeGraphismes("");
    EXPECT_EQ(test.window->PieceImages.Piece(5).image.pixel(20, 20), PictureColour(0, 5).rgb());
    EXPECT_FALSE(test.window->BtPrint->isHidden());
}

TEST(ChargeGraphismes, AMissingPictureIsNamedAndTheDefaultThemeTakesOver)
{
    TestInstall install;
    install.RemoveThemePicture(2, 14);
    TestWindow test(install);
    test.StartUp();
    test.window->ComboBox1->SetText("Lagon");
    test.window->ComboBox1Change();
    ASSERT_EQ(test.errors.size(), 1);
    EXPECT_TRUE(test.errors[0].contains("Lagon/14.bmp")) << test.errors[0].toStdString();
    EXPECT_EQ(test.window->ComboBox1->Text(), "Ivoire");
    EXPECT_EQ(test.window->PieceImages.Piece(14).image.pixel(20, 20), PictureColour(0, 14).rgb());
    EXPECT_EQ(test.window->PieceImages.Piece(14).opacity, 205);
}

TEST(ChargeGraphismes, WithoutAnyThemeThePiecesArePlainStandIns)
{
    TestInstall install(73, 0);
    TestWindow test(install);
    test.StartUp();
    EXPECT_TRUE(test.window->isVisible());
    EXPECT_GE(test.errors.size(), 1);
    for (int k = 0; k < PieceCount; ++k)
        EXPECT_FALSE(test.window->PieceImages.Piece(k).image.isNull()) << k;
    EXPECT_EQ(test.window->PieceImages.Piece(12).image.size(), QSize(1024, 768));
    test.window->DessineGrille();
}
