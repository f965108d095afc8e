// The music player and the sound effects as the main window uses them: the saved pause flag and
// volume at start-up, the scrolling title, the sound of a move and the flag written at closing.
#include "FakeDevice.h"
#include "audio/SoundEffects.h"
#include "audio/mp3.h"
#include "ui/Support.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QSlider>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

class WindowAudio : public testing::Test
{
protected:
    WindowAudio()
    {
        QDir(install.Folder()).mkpath(QStringLiteral("Musique"));
        QDir(install.Folder()).mkpath(QStringLiteral("sons"));
        for (const char* name : {"Musique/Aube.mp3", "Musique/Brume.mp3", "sons/Loud.wav"}) {
            QFile file(install.Folder() + QLatin1String(name));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("not decoded by the fake device");
        }
        auto musicDevice = std::make_unique<FakeDevice>();
        music = musicDevice.get();
        player = std::make_unique<audio::TFormLecteurMP3>(std::move(musicDevice));
        auto soundDevice = std::make_unique<FakeDevice>();
        sound = soundDevice.get();
        effects = std::make_unique<audio::SoundEffects>(std::move(soundDevice));
    }

    void WriteSettings(const QString& musique, int volume)
    {
        QSettings store(install.SettingsFile(), QSettings::IniFormat);
        store.beginGroup(QStringLiteral("TERVALIN SUDOKU"));
        store.setValue(QStringLiteral("Musique"), musique);
        store.setValue(QStringLiteral("Volume"), QString::number(volume));
    }

    TfrmMain& StartWindow()
    {
        test = std::make_unique<testing_support::TestWindow>(install);
        test->window->UseAudio(*player, *effects);
        test->StartUp();
        return *test->window;
    }

    testing_support::TestInstall install;
    FakeDevice* music = nullptr;
    FakeDevice* sound = nullptr;
    std::unique_ptr<audio::TFormLecteurMP3> player;
    std::unique_ptr<audio::SoundEffects> effects;
    std::unique_ptr<testing_support::TestWindow> test;
};

} // namespace

TEST_F(WindowAudio, MusicStartsAtTheSavedVolumeWithTheFirstTitleShownAndScrolling)
{
    WriteSettings(QStringLiteral("0"), 200);
    TfrmMain& w = StartWindow();
    EXPECT_EQ(music->openPath, install.Folder() + QStringLiteral("Musique/Aube.mp3"));
    EXPECT_TRUE(music->playing);
    EXPECT_EQ(w.TrackBarMP3->value(), 200);
    EXPECT_EQ(player->Volume(), audio::VolumeFromSlider(200));
    EXPECT_EQ(w.ComboBox3->currentText(), QStringLiteral("Aube.mp3"));

    music->ReportLength(185400);
    player->TimerDefilementTimer();
    EXPECT_TRUE(w.LabelDefilement->text().startsWith(QStringLiteral("Aube.mp3  (03:05)")))
        << w.LabelDefilement->text().toStdString();
}

TEST_F(WindowAudio, ASavedPauseKeepsTheMusicSilentAndClosingWritesTheFlag)
{
    WriteSettings(QStringLiteral("1"), 500);
    TfrmMain& w = StartWindow();
    EXPECT_TRUE(player->PauseFlag());
    EXPECT_FALSE(music->playing);

    QTest::mouseClick(w.ImageLecture, Qt::LeftButton); // play while flagged: the flag goes
    QTest::mouseClick(w.ImagePause, Qt::LeftButton); // and comes back with a pause
    EXPECT_TRUE(player->PauseFlag());
    QTest::mouseClick(w.ImageLecture, Qt::LeftButton);
    EXPECT_FALSE(player->PauseFlag());
    w.close();
    QSettings store(install.SettingsFile(), QSettings::IniFormat);
    EXPECT_EQ(store.value(QStringLiteral("TERVALIN SUDOKU/Musique")).toString(),
              QStringLiteral("0"));
}

TEST_F(WindowAudio, SoundHooksPlayTheNamedFileOfTheSoundFolder)
{
    TfrmMain& w = StartWindow();
    w.JoueSon(QStringLiteral("Loud"));
    EXPECT_EQ(sound->openPath, install.Folder() + QStringLiteral("sons/Loud.wav"));
    EXPECT_TRUE(sound->playing);
}
