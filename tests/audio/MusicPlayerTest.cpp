// The music player's logic on a fake device: starting, pausing, stopping, the next title, the
// scroll, the volume, unplayable files and a machine without audio.
#include "audio/QtAudioDevice.h"
#include "audio/mp3.h"
#include "tests/audio/FakeDevice.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A player on a fake device over a folder of three (empty) titles and a text file.
class MusicPlayer : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        for (const char* name : {"Brise.mp3", "Nuit calme.mp3", "Zen.mp3", "notes.txt"})
            MakeFile(dir.filePath(QString::fromUtf8(name)));
        auto fake = std::make_unique<FakeDevice>();
        device = fake.get();
        player = std::make_unique<audio::TFormLecteurMP3>(std::move(fake));
        player->AjouteListeDeMusiques(dir.path(), QString());
        device->calls.clear(); // the volume the player gave its device at creation
    }

    static void MakeFile(const QString& path)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    }

    // Starts the current title and lets the device report its length.
    void StartTitle(qint64 length)
    {
        player->PlayCurrentTitle();
        device->ReportLength(length);
        device->calls.clear();
    }

    QTemporaryDir dir;
    FakeDevice* device = nullptr; // owned by the player
    std::unique_ptr<audio::TFormLecteurMP3> player;
};

} // namespace

TEST_F(MusicPlayer, StartsTheCurrentTitleFromItsBeginningAtTheSliderVolume)
{
    player->SetVolume(200); // set before any title is open: kept for the next one
    device->calls.clear();
    player->SetPauseFlag(true);
    player->PlayCurrentTitle();
    EXPECT_EQ(device->calls,
              QStringList({QStringLiteral("open Brise.mp3"), QStringLiteral("volume 200"),
                           QStringLiteral("play")}));
    EXPECT_EQ(device->openPath, QDir(dir.path()).filePath(QStringLiteral("Brise.mp3")));
    EXPECT_TRUE(player->Active());
    EXPECT_TRUE(player->TimerMP3.isActive());
    EXPECT_FALSE(player->PauseFlag());
}

TEST_F(MusicPlayer, AnEmptyTitleOrAMissingFileStartsNothingAndKeepsTheFlag)
{
    player->SetPauseFlag(true);
    for (const QString& title : {QString(), QStringLiteral("Absent.mp3")}) {
        device->calls.clear();
        player->ChooseTitle(title);
        EXPECT_TRUE(device->calls.isEmpty()) << qPrintable(title);
        EXPECT_FALSE(player->Active());
        EXPECT_TRUE(player->PauseFlag());
    }
}

TEST_F(MusicPlayer, TheScrollTextIsBuiltOnceTheLengthIsKnown)
{
    QSignalSpy shown(player.get(), &audio::TFormLecteurMP3::ScrollTextShown);
    player->PlayCurrentTitle();
    player->TimerDefilementTimer();
    EXPECT_TRUE(player->CurrentScrollText().isEmpty());
    EXPECT_TRUE(shown.isEmpty()); // nothing to scroll before the length is known

    device->ReportLength(185'400);
    EXPECT_EQ(player->CurrentScrollText(), QStringLiteral("Brise.mp3  (03:05)  **  "));
    device->ReportLength(190'000); // a later estimate does not restart the scroll
    EXPECT_EQ(player->CurrentScrollText(), QStringLiteral("Brise.mp3  (03:05)  **  "));
    player->TimerDefilementTimer();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0][0].toString(), QStringLiteral("Brise.mp3  (03:05)  **  "));

    device->lengthAtOpen = 3'725'000; // a device that knows the length as it opens the file
    player->ChooseTitle(QStringLiteral("Zen.mp3"));
    EXPECT_EQ(player->CurrentScrollText(), QStringLiteral("Zen.mp3  (62:05)  **  "));
}

TEST_F(MusicPlayer, PauseHoldsTheTitleAndPlayResumesItAtTheSamePoint)
{
    StartTitle(185'400);
    device->Advance(1'200);
    player->Pause();
    EXPECT_TRUE(player->PauseFlag());
    EXPECT_TRUE(player->Active());
    EXPECT_FALSE(device->playing);
    device->Advance(5'000);
    player->Play();
    EXPECT_FALSE(player->PauseFlag());
    EXPECT_EQ(device->calls, QStringList({QStringLiteral("pause"), QStringLiteral("play")}));
    EXPECT_EQ(device->position, 1'200);
    device->Advance(300);
    EXPECT_EQ(device->position, 1'500);
    player->Pause();
    player->Pause(); // pause again: resumes too
    EXPECT_TRUE(device->playing);
    EXPECT_FALSE(player->PauseFlag());
}

TEST_F(MusicPlayer, TypingStartsATitleOnlyOnceTheTextNamesAFile)
{
    StartTitle(185'400);
    for (const char* typed : {"N", "Nuit", "Nuit calme.mp"}) {
        player->ChooseTitle(audio::TypedTitle(QString::fromUtf8(typed)));
        EXPECT_TRUE(device->calls.isEmpty()) << typed;
        EXPECT_TRUE(device->playing) << typed; // the music goes on
    }
    player->ChooseTitle(audio::TypedTitle(QStringLiteral("Nuit calme.mp3")));
    EXPECT_EQ(device->calls.value(0), QStringLiteral("open Nuit calme.mp3"));
}

TEST_F(MusicPlayer, TheEndOfMediaStartsARandomTitleOfTheList)
{
    QList<int> draws;
    player->SetRandomIndex([&draws](int n) {
        draws << n;
        return 2;
    });
    QSignalSpy changed(player.get(), &audio::TFormLecteurMP3::CurrentTitleChanged);
    StartTitle(185'400);
    device->position = 185'400; // at its length, but the back end has not ended the title
    player->TimerMP3Timer();
    EXPECT_TRUE(device->calls.isEmpty());
    device->PlayToEnd();
    player->TimerMP3Timer();
    EXPECT_EQ(draws, QList<int>({3}));
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][0].toString(), QStringLiteral("Zen.mp3"));
    EXPECT_EQ(device->calls,
              QStringList({QStringLiteral("open Zen.mp3"), QStringLiteral("volume 500"),
                           QStringLiteral("play")}));
    EXPECT_TRUE(player->CurrentScrollText().isEmpty()); // until the new length is known
}

TEST_F(MusicPlayer, StartUpWithTheFlagSetIsSilentUntilTheSecondPlay)
{
    // Start-up: the list names its first title, the saved flag comes back, nothing starts.
    QSignalSpy titles(player.get(), &audio::TFormLecteurMP3::TitlesChanged);
    player->AjouteListeDeMusiques(dir.path(), QString());
    ASSERT_EQ(titles.size(), 1);
    EXPECT_EQ(titles[0][0].toStringList(),
              QStringList({QStringLiteral("Brise.mp3"), QStringLiteral("Nuit calme.mp3"),
                           QStringLiteral("Zen.mp3")}));
    EXPECT_EQ(titles[0][1].toString(), QStringLiteral("Brise.mp3"));
    player->Pause(); // while stopped, Pause only toggles the flag
    EXPECT_TRUE(player->PauseFlag());
    EXPECT_TRUE(device->calls.isEmpty());
    player->SetPauseFlag(false);
    player->SetPauseFlag(true); // the saved flag

    player->Play();
    EXPECT_FALSE(player->PauseFlag());
    EXPECT_TRUE(device->calls.isEmpty());
    EXPECT_FALSE(player->Active());
    player->Play();
    EXPECT_EQ(device->calls.value(0), QStringLiteral("open Brise.mp3"));
    EXPECT_TRUE(player->Active());
}

TEST_F(MusicPlayer, TheVolumeReachesTheOpenTitleAndEveryTitleOpenedLater)
{
    StartTitle(185'400);
    player->SetVolume(750);
    EXPECT_EQ(device->volume, 750);
    player->Stop();
    player->SetVolume(0);
    player->ChooseTitle(QStringLiteral("Zen.mp3"));
    EXPECT_EQ(device->volume, 0);
    player->SetVolume(1500);
    EXPECT_EQ(device->volume, 1000);
}

TEST_F(MusicPlayer, AnUnplayableFileEndsStoppedAndIsReportedOnce)
{
    QSignalSpy messages(player.get(), &audio::TFormLecteurMP3::StatusMessage);
    player->ChooseTitle(QStringLiteral("Nuit calme.mp3"));
    device->ReportFailure();
    device->ReportFailure(); // the back end's next error about the same file
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0][0].toString().contains(QStringLiteral("Nuit calme.mp3")));
    EXPECT_FALSE(player->Active());
    EXPECT_TRUE(device->openPath.isEmpty());
    EXPECT_TRUE(player->ShownText().isEmpty());

    // A device that refuses the file as it opens it: the title never plays.
    device->failAtOpen = true;
    device->calls.clear();
    player->ChooseTitle(QStringLiteral("Zen.mp3"));
    EXPECT_EQ(device->calls,
              QStringList({QStringLiteral("open Zen.mp3"), QStringLiteral("close")}));
    EXPECT_FALSE(player->Active());
    EXPECT_EQ(messages.size(), 2);
}

TEST_F(MusicPlayer, ImportListsTheFilesFolderAndStartsItUnlessTheFlagIsSet)
{
    QTemporaryDir other;
    ASSERT_TRUE(other.isValid());
    for (const char* name : {"b.mp3", "a.mp3"})
        MakeFile(other.filePath(QString::fromUtf8(name)));

    player->SetPauseFlag(true);
    player->ImportFile(other.filePath(QStringLiteral("b.mp3")));
    EXPECT_EQ(player->Titles().titles,
              QStringList({QStringLiteral("a.mp3"), QStringLiteral("b.mp3")}));
    EXPECT_EQ(player->CurrentTitle(), QStringLiteral("b.mp3"));
    EXPECT_TRUE(device->calls.isEmpty());

    player->SetPauseFlag(false);
    player->ImportFile(other.filePath(QStringLiteral("b.mp3")));
    EXPECT_EQ(device->openPath, other.filePath(QStringLiteral("b.mp3")));

    const audio::MusicList before = player->Titles();
    player->ImportFile(QString()); // the dialog was cancelled
    EXPECT_EQ(player->Titles().titles, before.titles);
    EXPECT_EQ(player->CurrentTitle(), QStringLiteral("b.mp3"));
}

TEST(MusicPlayerWithoutAudio, SaysWhyOnceAndKeepsItsFlagAndList)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath(QStringLiteral("Brise.mp3")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    audio::TFormLecteurMP3 player(std::unique_ptr<audio::AudioDevice>{});
    QSignalSpy messages(&player, &audio::TFormLecteurMP3::StatusMessage);
    player.AjouteListeDeMusiques(dir.path(), QString());
    player.PlayCurrentTitle();
    player.Play();
    player.SetVolume(100);
    player.Stop();
    player.TimerMP3Timer();
    player.TimerDefilementTimer();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0][0].toString(), audio::NoAudioText());
    EXPECT_FALSE(player.AudioAvailable());
    EXPECT_FALSE(player.Active());
    EXPECT_EQ(player.CurrentTitle(), QStringLiteral("Brise.mp3"));
    player.Pause();
    EXPECT_TRUE(player.PauseFlag()); // still saved as the player left it
}
