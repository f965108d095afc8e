// The six settings: defaults on a first start, the round trip through the store, bad values.
#include "control/Settings.h"

#include "Support.h"

#include <QLineEdit>
#include <QSettings>
#include <QSlider>

#include <gtest/gtest.h>

using testing_support::TestInstall;
using testing_support::TestWindow;

namespace {

void Store(const QString& file, const QString& key, const QString& value)
{
    QSettings settings(file, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("TERVALIN SUDOKU"));
    settings.setValue(key, value);
}

QString Stored(const QString& file, const QString& key)
{
    QSettings settings(file, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("TERVALIN SUDOKU"));
    return settings.value(key).toString();
}

} // namespace

TEST(Settings, AFirstStartShowsTheDefaultsAndStartsTheMusic)
{
    TestInstall install;
    TestWindow test(install);
    int musicStarts = 0;
    test.window->PlayCurrentTitle = [&] { ++musicStarts; };
    test.StartUp();
    TfrmMain& w = *test.window;
    EXPECT_EQ(w.TrackBarMP3->value(), 500);
    EXPECT_EQ(w.NomDuJoueur->text(), "Joueur");
    EXPECT_EQ(w.ComboBox1->Text(), "Ivoire");
    EXPECT_EQ(w.ComboBox2->Text(), "Très facile");
    EXPECT_EQ(w.ComboBox4->Text(), "Fenêtre");
    EXPECT_FALSE(w.MusicPaused);
    EXPECT_EQ(musicStarts, 1);
    EXPECT_TRUE(test.errors.isEmpty()) << test.errors.join(u'\n').toStdString();
}

TEST(Settings, ClosingWritesAllSixExactlyAsShown)
{
    TestInstall install;
    {
        TestWindow test(install);
        test.StartUp();
        TfrmMain& w = *test.window;
        w.TrackBarMP3->setValue(730);
        w.NomDuJoueur->setText(QStringLiteral("Zoé"));
        w.ComboBox2->SetText(QStringLiteral("Difficile"));
        w.ComboBox4->SetText(QStringLiteral("Plein écran"));
        w.MusicPaused = true;
        w.close();
    }
    const QString file = install.SettingsFile();
    EXPECT_EQ(Stored(file, "Volume"), "730");
    EXPECT_EQ(Stored(file, "Joueur"), "Zoé");
    EXPECT_EQ(Stored(file, "Theme"), "Ivoire");
    EXPECT_EQ(Stored(file, "Difficulte"), "Difficile");
    EXPECT_EQ(Stored(file, "Affichage"), "Plein écran");
    EXPECT_EQ(Stored(file, "Musique"), "1");

    // The next start shows them again, and a paused player keeps its music off.
    TestWindow again(install);
    int musicStarts = 0;
    again.window->PlayCurrentTitle = [&] { ++musicStarts; };
    again.StartUp();
    EXPECT_EQ(again.window->TrackBarMP3->value(), 730);
    EXPECT_EQ(again.window->NomDuJoueur->text(), "Zoé");
    EXPECT_EQ(again.window->ComboBox2->Text(), "Difficile");
    EXPECT_TRUE(again.window->MusicPaused);
    EXPECT_EQ(musicStarts, 0);
}

TEST(Settings, StoredTextsOutsideTheItemsAreShownUnchanged)
{
    TestInstall install;
    Store(install.SettingsFile(), "Difficulte", "Expert (old language)");
    TestWindow test(install);
    test.StartUp();
    EXPECT_EQ(test.window->ComboBox2->Text(), "Expert (old language)");
}

TEST(Settings, BadIntegersReadAsTheirDefaultsAndAnyNonZeroIsTrue)
{
    TestInstall install;
    Store(install.SettingsFile(), "Volume", "loud");
    Store(install.SettingsFile(), "Musique", "2");
    TestWindow test(install);
    test.StartUp();
    EXPECT_EQ(test.window->TrackBarMP3->value(), 500);
    EXPECT_TRUE(test.window->MusicPaused);

    EXPECT_EQ(control::ParseStoredInteger("12x", true, 7), 7);
    EXPECT_EQ(control::ParseStoredInteger("", true, 7), 7);
    EXPECT_EQ(control::ParseStoredInteger("42", false, 7), 7);
    EXPECT_EQ(control::ParseStoredInteger("-3", true, 7), -3);
}

TEST(Settings, NothingIsWrittenWhenTheStartUpNeverFinished)
{
    TestInstall install(0); // no language file: the start-up stops
    {
        TestWindow test(install);
        test.StartUp();
        EXPECT_TRUE(test.ended);
        test.window->close();
    }
    EXPECT_FALSE(QFile::exists(install.SettingsFile()));
}
