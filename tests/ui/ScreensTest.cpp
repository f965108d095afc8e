// The screens: option arrows, display placement, screen changes, face buttons.
#include "presentation/Screens.h"

#include "Support.h"
#include "presentation/FenetreMess.h"

#include <QApplication>
#include <QEnterEvent>
#include <QListWidget>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using presentation::ChangedChoice;
using testing_support::TestInstall;
using testing_support::TestWindow;

TEST(ChangeCombocontent, StepsThroughTheItemsAndWrapsRoundBothWays)
{
    const QStringList items{"a", "b", "c"};
    EXPECT_EQ(ChangedChoice(items, "a", 1), "b");
    EXPECT_EQ(ChangedChoice(items, "c", 1), "a");
    EXPECT_EQ(ChangedChoice(items, "b", 0), "a");
    EXPECT_EQ(ChangedChoice(items, "a", 0), "c");
    // A text from another language file: next gives the first item, previous the last.
    EXPECT_EQ(ChangedChoice(items, "zz", 1), "a");
    EXPECT_EQ(ChangedChoice(items, "zz", 0), "c");
    EXPECT_EQ(ChangedChoice({}, "zz", 1), "zz");
}

TEST(ChangeCombocontent, TheLevelArrowsChangeOnlyTheLevelBox)
{
    TestInstall install;
    TestWindow test(install);
    test.StartUp();
    TfrmMain& w = *test.window;
    QTest::mouseClick(w.ImageF2G, Qt::LeftButton);
    EXPECT_EQ(w.ComboBox2->Text(), "Très difficile");
    QTest::mouseClick(w.ImageF2D, Qt::LeftButton);
    QTest::mouseClick(w.ImageF2D, Qt::LeftButton);
    EXPECT_EQ(w.ComboBox2->Text(), "Facile");
    EXPECT_EQ(w.ComboBox1->Text(), "Ivoire");
    EXPECT_EQ(w.ComboBox4->Text(), "Fenêtre");
}

TEST(ComboBox4Change, PlacesTheWindowedGameInTheScreenCentreAndFullScreenFillsIt)
{
    EXPECT_EQ(presentation::WindowedPosition({1280, 800}), QPoint(128, 16));
    EXPECT_EQ(presentation::WindowedPosition({1024, 768}), QPoint(0, 0));

    TestInstall install;
    TestWindow test(install);
    test.StartUp();
    TfrmMain& w = *test.window;
    QTest::mouseClick(w.ImageF4D, Qt::LeftButton);
    EXPECT_EQ(w.ComboBox4->Text(), "Plein écran");
    EXPECT_TRUE(w.isFullScreen());
    EXPECT_EQ(w.GameArea->size(), QSize(1024, 768));
    // Right of the last item: back to the first, windowed at its fixed size.
    QTest::mouseClick(w.ImageF4D, Qt::LeftButton);
    EXPECT_EQ(w.ComboBox4->Text(), "Fenêtre");
    EXPECT_FALSE(w.isFullScreen());
    EXPECT_EQ(w.size(), QSize(1024, 768));
}

TEST(Screens, NewGameShowsTheGameMenuAndLeavingReturnsToTheMainMenu)
{
    TestInstall install;
    TestWindow test(install);
    test.StartUp();
    TfrmMain& w = *test.window;
    QTest::mouseClick(w.Nouvelle_Partie, Qt::LeftButton);
    EXPECT_FALSE(w.Panel_MenuPrincipal->isVisible());
    EXPECT_TRUE(w.Panel_MenuJeu->isVisible());
    EXPECT_EQ(w.Panel_MenuJeu->y(), w.BoardTop);
    EXPECT_FALSE(w.BtValider->isVisible());

    QTest::mouseClick(w.BtOptions, Qt::LeftButton);
    EXPECT_TRUE(w.Panel_Options->isVisible());
    w.PickerOpen = true;
    QTest::mouseClick(w.BtOptions, Qt::LeftButton);
    EXPECT_FALSE(w.Panel_Options->isVisible());
    EXPECT_FALSE(w.PickerOpen);
    QTest::mouseClick(w.BtOptions, Qt::LeftButton);

    // Declining the question keeps the game screen; confirming goes back to the main menu.
    TFormFenetre& message = *w.FormFenetre;
    QTimer::singleShot(0, &message, [&] { message.SpeedButton2Click(); });
    QTest::mouseClick(w.BtQuitter, Qt::LeftButton);
    EXPECT_TRUE(w.Panel_MenuJeu->isVisible());
    QTimer::singleShot(0, &message, [&] { message.SpeedButton1Click(); });
    QTest::mouseClick(w.BtQuitter, Qt::LeftButton);
    EXPECT_TRUE(w.Panel_MenuPrincipal->isVisible());
    EXPECT_FALSE(w.Panel_MenuJeu->isVisible());
    EXPECT_FALSE(w.Panel_Options->isVisible());
    EXPECT_FALSE(w.PanelBtHint->isVisible());
}

TEST(FaceButton, ShowsItsNormalHotAndDisabledFacesWithAHandCursor)
{
    TestInstall install;
    TestWindow test(install);
    test.StartUp();
    TfrmMain& w = *test.window;
    presentation::FaceButton* button = w.Scores;
    EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(button->accessibleName(), "L13");
    const auto faceImage = [button](presentation::FaceButton::Face face) {
        return button->FacePixmap(face).toImage().convertToFormat(QImage::Format_RGB32);
    };
    for (int state = 0; state < 3; ++state)
        EXPECT_EQ(faceImage(static_cast<presentation::FaceButton::Face>(state)),
                  w.FaceLists[state][11].convertToFormat(QImage::Format_RGB32))
            << state;
    EXPECT_NE(w.FaceLists[0][11], w.FaceLists[1][11]);
    EXPECT_NE(w.FaceLists[0][11], w.FaceLists[2][11]);

    EXPECT_EQ(button->ShownFace(), presentation::FaceButton::Face::Normal);
    QEnterEvent enter(QPointF(20, 20), QPointF(20, 20), QPointF(20, 20));
    QApplication::sendEvent(button, &enter);
    EXPECT_EQ(button->ShownFace(), presentation::FaceButton::Face::Hot);
    button->setEnabled(false);
    EXPECT_EQ(button->ShownFace(), presentation::FaceButton::Face::Disabled);
    button->setEnabled(true);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_EQ(button->ShownFace(), presentation::FaceButton::Face::Normal);
}

TEST(Screens, EveryImageButtonAndTheBoardHaveAnAccessibleName)
{
    TestInstall install;
    TestWindow test(install);
    test.StartUp();
    TfrmMain& w = *test.window;
    for (QWidget* widget : std::initializer_list<QWidget*>{
             w.Nouvelle_Partie, w.Conception,  w.Scores,   w.BtRegle,          w.BtChargeInMenu,
             w.Quitter_Jeu,     w.BtSolve,     w.BtRejoue, w.btCheck,          w.BtPrint,
             w.BtCharger,       w.BtOptions,   w.BtHint,   w.BtSave,           w.BtValider,
             w.BtQuitter,       w.ImageBtHint, w.ImageF1G, w.ImageF1D,         w.ImageF2G,
             w.ImageF2D,        w.ImageF4G,    w.ImageF4D, w.ImageBtImportMP3, w.Image32View})
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->metaObject()->className();
    EXPECT_EQ(w.BtQuitter->accessibleName(), "L19");
    EXPECT_EQ(w.ImageF2D->accessibleName(), "L68");
}
