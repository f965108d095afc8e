// The music player with its music box and volume slider, on a fake device.
#include "audio/MusicControls.h"
#include "tests/audio/FakeDevice.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A player on a fake device over a folder of four (empty) titles, tied to a music box.
class MusicPlayer : public testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* name :
             {"Brise.mp3", "Nuit calme.mp3", "Une tres longue nuit calme.mp3", "Zen.mp3"})
            ASSERT_TRUE(QFile(dir.filePath(name)).open(QIODevice::WriteOnly)) << name;
        player.AjouteListeDeMusiques(dir.path(), QString());
        audio::ConnectMusicBox(box, player);
        device->calls.clear(); // the volume the player gave its device at creation
    }

    QTemporaryDir dir;
    FakeDevice* device = new FakeDevice; // owned by the player
    audio::TFormLecteurMP3 player{std::unique_ptr<audio::AudioDevice>(device)};
    QComboBox box;
};

} // namespace

TEST_F(MusicPlayer, OpensOnlyExistingTitlesEachAtTheVolumeSetBefore)
{
    player.SetPauseFlag(true);
    for (const QString title : {"", "Absent.mp3"})
        player.ChooseTitle(title);
    EXPECT_TRUE(device->calls.isEmpty());
    EXPECT_TRUE(player.PauseFlag());
    player.SetVolume(200); // nothing open: kept for the next title
    player.ChooseTitle("Brise.mp3");
    EXPECT_EQ(device->calls, QStringList({"volume 200", "open Brise.mp3", "volume 200", "play"}));
    EXPECT_EQ(device->openPath, dir.filePath("Brise.mp3"));
    EXPECT_FALSE(player.PauseFlag());
}

TEST_F(MusicPlayer, TheScrollTextIsBuiltOnceTheLengthIsKnownAndPauseKeepsTheTitleOpen)
{
    player.PlayCurrentTitle();
    player.TimerDefilementTimer();
    EXPECT_TRUE(player.ShownText().isEmpty());
    device->ReportLength(185'400);
    device->ReportLength(190'000); // a later estimate does not restart the scroll
    player.TimerDefilementTimer();
    EXPECT_EQ(player.ShownText(), "Brise.mp3  (03:05)  **  ");

    device->calls.clear();
    player.Pause();
    EXPECT_TRUE(player.PauseFlag());
    player.Play(); // resumes where the title stood
    player.Pause();
    player.Pause();
    EXPECT_EQ(device->calls, QStringList({"pause", "play", "pause", "play"}));
    EXPECT_FALSE(player.PauseFlag());
}

TEST_F(MusicPlayer, TheEndOfMediaStartsARandomTitleAndAVanishedOneStopsTheMusic)
{
    QList<int> draws;
    player.SetRandomIndex([&draws](int n) {
        draws << n;
        return 3;
    });
    player.PlayCurrentTitle();
    device->ReportLength(185'400);
    device->calls.clear();
    player.TimerMP3Timer();
    EXPECT_TRUE(device->calls.isEmpty()); // not ended yet
    device->atEnd = true;
    player.TimerMP3Timer();
    EXPECT_EQ(draws, QList<int>({4}));
    EXPECT_EQ(device->calls, QStringList({"open Zen.mp3", "volume 500", "play"}));
    EXPECT_EQ(box.currentText(), "Zen.mp3"); // shown, not started again
    EXPECT_TRUE(player.CurrentScrollText().isEmpty()); // until the new length is known

    // The title drawn next has gone from the folder: no new draw on every tick.
    ASSERT_TRUE(QFile::remove(dir.filePath("Zen.mp3")));
    device->atEnd = true;
    player.TimerMP3Timer();
    EXPECT_FALSE(player.Active());
    player.TimerMP3Timer();
    EXPECT_EQ(draws.size(), 2);
}

TEST_F(MusicPlayer, AnUnplayableFileEndsStoppedAndIsReportedOnce)
{
    QSignalSpy messages(&player, &audio::TFormLecteurMP3::StatusMessage);
    player.ChooseTitle("Nuit calme.mp3");
    device->ReportFailure();
    device->ReportFailure(); // the back end's next error about the same file
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0][0].toString().contains("Nuit calme.mp3"));
    EXPECT_FALSE(player.Active());
    EXPECT_TRUE(device->openPath.isEmpty());

    device->failAtOpen = true; // a device that refuses the file as it opens it
    device->calls.clear();
    player.ChooseTitle("Zen.mp3");
    EXPECT_EQ(device->calls, QStringList({"open Zen.mp3", "close"}));
    EXPECT_FALSE(player.Active());
    EXPECT_EQ(messages.size(), 2);
}

TEST_F(MusicPlayer, TypingInTheBoxStartsACompleteNameAndStopsAtTwentyCharacters)
{
    player.PlayCurrentTitle();
    device->calls.clear();
    box.lineEdit()->clear();
    QTest::keyClicks(box.lineEdit(), "Nuit calme.mp");
    EXPECT_TRUE(device->calls.isEmpty());
    QTest::keyClicks(box.lineEdit(), "3");
    EXPECT_EQ(device->calls.value(0), "open Nuit calme.mp3");

    device->calls.clear();
    box.lineEdit()->clear();
    QTest::keyClicks(box.lineEdit(), "Une tres longue nuit calme.mp3");
    EXPECT_EQ(box.currentText(), "Une tres longue nuit");
    EXPECT_TRUE(device->calls.isEmpty());
    box.setCurrentIndex(2); // picked from the list: the box selects it, then tells
    emit box.textActivated(box.currentText());
    EXPECT_EQ(device->calls.value(0), "open Une tres longue nuit calme.mp3");
    EXPECT_EQ(box.currentText(), "Une tres longue nuit calme.mp3");
}

TEST_F(MusicPlayer, TheVolumeSliderIsLoudestAtTheTop)
{
    QSlider slider;
    slider.setGeometry(0, 0, 20, 200);
    audio::ConnectVolumeSlider(slider, player);
    for (const int position : {1000, 250}) {
        slider.setValue(position);
        EXPECT_EQ(device->volume, 1000 - position);
    }
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(10, 2)); // above the handle
    EXPECT_GT(device->volume, 750);
}
