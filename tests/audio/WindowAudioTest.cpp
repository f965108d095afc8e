// The music player and the sound effects as the main window uses them: the saved volume and
// pause flag at start-up, the scrolling title, the sounds and the flag written at closing.
#include "FakeDevice.h"
#include "audio/SoundEffects.h"
#include "audio/mp3.h"
#include "ui/Support.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

class WindowAudio : public testing::Test
{
protected:
    // A window started on two titles and one sound, with the saved flag and volume given.
    TfrmMain& StartWindow(const char* musique, const char* volume)
    {
        QDir(install.Folder()).mkpath("Musique");
        QDir(install.Folder()).mkpath("sons");
        for (const char* name : {"Musique/Aube.mp3", "Musique/Brume.mp3", "sons/Loud.wav"})
            EXPECT_TRUE(QFile(install.Folder() + name).open(QIODevice::WriteOnly));
        QSettings store(install.SettingsFile(), QSettings::IniFormat);
        store.setValue("TERVALIN SUDOKU/Musique", musique);
        store.setValue("TERVALIN SUDOKU/Volume", volume);
        store.sync();
        test = std::make_unique<testing_support::TestWindow>(install);
        test->window->UseAudio(player, effects);
        test->StartUp();
        return *test->window;
    }

    FakeDevice* music = new FakeDevice; // owned by the player
    FakeDevice* sound = new FakeDevice; // owned by the effects
    audio::TFormLecteurMP3 player{std::unique_ptr<audio::AudioDevice>(music)};
    audio::SoundEffects effects{std::unique_ptr<audio::AudioDevice>(sound)};
    testing_support::TestInstall install;
    std::unique_ptr<testing_support::TestWindow> test;
};

} // namespace

TEST_F(WindowAudio, MusicStartsAtTheSavedVolumeAndScrollsAndSoundsComeFromTheSoundFolder)
{
    TfrmMain& w = StartWindow("0", "200");
    EXPECT_EQ(music->openPath, install.Folder() + "Musique/Aube.mp3");
    EXPECT_TRUE(music->playing);
    EXPECT_EQ(music->volume, 800);
    EXPECT_EQ(w.ComboBox3->currentText(), "Aube.mp3");
    music->ReportLength(185'400);
    player.TimerDefilementTimer();
    EXPECT_EQ(w.LabelDefilement->text(), "Aube.mp3  (03:05)  **  ");

    QSignalSpy told(&effects, &audio::SoundEffects::StatusMessage);
    sound->calls.clear();
    for (const char* name : {"Loud", "absent", "Loud", "absent"})
        w.JoueSon(name); // each sound cuts off the one playing
    EXPECT_EQ(sound->calls, QStringList({"open Loud.wav", "play", "open Loud.wav", "play"}));
    EXPECT_EQ(sound->openPath, install.Folder() + "sons/Loud.wav");
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0][0].toString().endsWith("absent.wav"));
}

TEST_F(WindowAudio, ASavedPauseKeepsTheMusicSilentAndClosingWritesTheFlag)
{
    TfrmMain& w = StartWindow("1", "500");
    EXPECT_TRUE(player.PauseFlag());
    QTest::mouseClick(w.ImageLecture, Qt::LeftButton); // play while flagged: the flag goes
    QTest::mouseClick(w.ImagePause, Qt::LeftButton); // and comes back with a pause
    EXPECT_TRUE(player.PauseFlag());
    QTest::mouseClick(w.ImageLecture, Qt::LeftButton);
    EXPECT_FALSE(player.PauseFlag());
    EXPECT_TRUE(music->calls.filter("open").isEmpty());
    QTest::mouseClick(w.ImageLecture, Qt::LeftButton); // the second play starts the music
    EXPECT_EQ(music->openPath, install.Folder() + "Musique/Aube.mp3");
    w.close();
    const QSettings store(install.SettingsFile(), QSettings::IniFormat);
    EXPECT_EQ(store.value("TERVALIN SUDOKU/Musique").toString(), "0");
}
