// The start-up and the six settings: defaults, the round trip through the store, bad values.
#include "Support.h"

#include <QLineEdit>
#include <QSettings>
#include <QSlider>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// What the window shows of the settings: volume, theme, level, display, name, music paused.
QStringList Shown(const TfrmMain& w)
{
    return QStringList() << QString::number(w.TrackBarMP3->value()) << w.ComboBox1->Text()
                         << w.ComboBox2->Text() << w.ComboBox4->Text() << w.NomDuJoueur->text()
                         << (w.MusicPaused ? "1" : "0");
}

} // namespace

TEST(Settings, AFirstStartShowsTheDefaultsOnceLoadedAndClosingKeepsAllSixForTheNextStart)
{
    TestInstall install;
    {
        TestWindow test(install);
        int musicStarts = 0;
        test.window->PlayCurrentTitle = [&] { ++musicStarts; };
        TfrmMain& w = *test.window;
        EXPECT_FALSE(w.isVisible());
        test.StartUp();
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(w.Panel_MenuPrincipal->isVisible());
        EXPECT_EQ(Shown(w),
                  QStringList({"500", "Ivoire", "Très facile", "Fenêtre", "Joueur", "0"}));
        EXPECT_EQ(musicStarts, 1);
        w.TrackBarMP3->setValue(730);
        w.NomDuJoueur->setText("Zoé");
        w.ComboBox1->SetText("Minuit");
        w.ComboBox2->SetText("Difficile");
        w.ComboBox4->SetText("Plein écran");
        w.MusicPaused = true;
        w.close();
    }
    const QStringList changed{"730", "Minuit", "Difficile", "Plein écran", "Zoé", "1"};
    QSettings store(install.SettingsFile(), QSettings::IniFormat);
    store.beginGroup("TERVALIN SUDOKU");
    const QStringList keys{"Volume", "Theme", "Difficulte", "Affichage", "Joueur", "Musique"};
    for (int i = 0; i < keys.size(); ++i)
        EXPECT_EQ(store.value(keys[i]).toString(), changed[i]) << keys[i].toStdString();
    // A paused player keeps the music off at the next start.
    TestWindow again(install);
    int musicStarts = 0;
    again.window->PlayCurrentTitle = [&] { ++musicStarts; };
    again.StartUp();
    EXPECT_EQ(Shown(*again.window), changed);
    EXPECT_EQ(musicStarts, 0);
}

TEST(Settings, ANonIntegerReadsAsItsDefaultAndAnUnknownTextIsShownUnchanged)
{
    TestInstall install;
    {
        QSettings store(install.SettingsFile(), QSettings::IniFormat);
        store.beginGroup("TERVALIN SUDOKU");
        store.setValue("Volume", "12x");
        store.setValue("Musique", "2"); // any non-zero number pauses
        store.setValue("Difficulte", "Expert (old language)");
    }
    TestWindow test(install);
    test.StartUp();
    EXPECT_EQ(Shown(*test.window),
              QStringList({"500", "Ivoire", "Expert (old language)", "Fenêtre", "Joueur", "1"}));
}
