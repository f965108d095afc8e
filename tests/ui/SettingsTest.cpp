// The start-up and the six settings: defaults, the round trip through the store, bad values.
#include "Support.h"

#include <QLineEdit>
#include <QSettings>
#include <QSlider>
#include <QtTest/QTest>

#include <gtest/gtest.h>

TEST(Settings, DefaultsFirstThenAllSixReadAndWrittenBackAndANonIntegerReadsAsItsDefault)
{
    testing_support::TestInstall install;
    std::unique_ptr<testing_support::TestWindow> test;
    int musicStarts = 0;
    // A start on the store, the window shown once loaded; returns what the six settings show.
    const auto start = [&] {
        test = std::make_unique<testing_support::TestWindow>(install);
        TfrmMain& w = *test->window;
        w.PlayCurrentTitle = [&musicStarts] { ++musicStarts; };
        EXPECT_FALSE(w.isVisible());
        test->StartUp();
        EXPECT_TRUE(w.isVisible());
        return QStringList() << QString::number(w.TrackBarMP3->value()) << w.ComboBox1->Text()
                             << w.ComboBox2->Text() << w.ComboBox4->Text() << w.NomDuJoueur->text()
                             << (w.MusicPaused ? "1" : "0");
    };
    EXPECT_EQ(start(), QStringList({"500", "Ivoire", "Très facile", "Fenêtre", "Joueur", "0"}));
    // Showing the window again, as after a minimise, does not set the board up anew.
    QTest::mouseClick(test->window->Nouvelle_Partie, Qt::LeftButton);
    test->window->hide();
    test->window->show();
    EXPECT_EQ(test->window->GameState, GameStatus::Playing);
    const QStringList keys{"Volume", "Theme", "Difficulte", "Affichage", "Joueur", "Musique"};
    QStringList values{"730", "Minuit", "Difficile", "Plein écran", "Zoé", "1"};
    QSettings store(install.SettingsFile(), QSettings::IniFormat);
    store.beginGroup("TERVALIN SUDOKU");
    for (int i = 0; i < keys.size(); ++i)
        store.setValue(keys[i], values[i]);
    store.sync();
    EXPECT_EQ(start(), values);
    store.remove("");
    store.sync();
    test->window->close();
    store.sync();
    for (int i = 0; i < keys.size(); ++i)
        EXPECT_EQ(store.value(keys[i]).toString(), values[i]) << keys[i].toStdString();
    // Any non-zero number pauses; a text from another language is shown as it is.
    store.setValue("Volume", "12x");
    store.setValue("Musique", "2");
    store.setValue("Difficulte", "Expert");
    store.sync();
    values[0] = "500";
    values[2] = "Expert";
    EXPECT_EQ(start(), values);
    EXPECT_EQ(musicStarts, 1) << "only the first start, with the music not paused, plays it";
}
