// The music list and its texts, the music player with its music box and volume slider, and the
// main window's music and sounds, all on a fake device.
#include "audio/MusicControls.h"
#include "audio/SoundEffects.h"
#include "ui/Support.h"

#include <cmath>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A stand-in for the audio device: it records what it is told and plays only when a test says so.
class FakeDevice final : public audio::AudioDevice
{
public:
    void Open(const QString& path) override
    {
        calls << "open " + QFileInfo(path).fileName(), openPath = path, atEnd = false;
        if (failAtOpen)
            ReportFailure();
    }
    void Play() override { calls << "play"; }
    void Pause() override { calls << "pause"; }
    void Close() override { calls << "close", openPath.clear(), atEnd = false; }
    [[nodiscard]] qint64 Length() const override { return -1; } // only ever reported
    [[nodiscard]] qint64 Position() const override { return 0; }
    void SetVolume(int v) override { calls << QString("volume %1").arg(v), volume = v; }
    [[nodiscard]] bool AtEnd() const override { return atEnd; }
    void ReportLength(qint64 milliseconds) { emit LengthKnown(milliseconds); }
    void ReportFailure() { emit Failed("cannot decode"); }
    QStringList calls;
    QString openPath;
    int volume = -1;
    bool atEnd = false, failAtOpen = false;
};

// A player on a fake device over a folder of four (empty) titles and other files, with its box.
struct MusicPlayer : testing::Test
{
    void SetUp() override
    {
        for (const char* name : {"Zen.mp3", "Brise.mp3", "nuit calme.MP3",
                                 "Une tres longue nuit calme.mp3", "notes.txt", "cover.mp3.jpg"})
            ASSERT_TRUE(QFile(dir.filePath(name)).open(QIODevice::WriteOnly)) << name;
        ASSERT_TRUE(QDir(dir.path()).mkdir("album.mp3"));
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

TEST(QtFileFilter, TurnsDescriptionPatternPairsIntoQtEntries)
{
    // Brackets that show other patterns than the filter's are part of the description, and a
    // description left without its patterns is dropped.
    EXPECT_EQ(audio::QtFileFilter("Images|*.bmp;*.png|Tout (*.*)|*.*|Autres"),
              "Images (*.bmp *.png);;Tout (*.*)");
    EXPECT_EQ(audio::QtFileFilter("Sons (*.wav)|*.wav;*.mp3"), "Sons (*.wav) (*.wav *.mp3)");
    EXPECT_EQ(audio::ImportFilter(), "Musiques MP3 (*.mp3)"); // shown patterns not repeated
}

TEST(OutputLevel, FollowsLoudnessFromSilenceAtTheBottomToFullLevelAtTheTop)
{
    // Name, volume and the level in dB under full; silence is counted as -200 dB.
    const double silence = -200;
    const std::tuple<const char*, int, double> rows[]{
        {"slider bottom is silence", audio::VolumeFromSlider(1000), silence},
        {"below the scale is silence", -20, silence},
        {"slider top is full level", audio::VolumeFromSlider(0), 0.0},
        {"above the scale is full level", 1400, 0.0},
        {"default slider is half as loud", audio::VolumeFromSlider(500), -10.0},
        {"a quarter of the slider", 250, -20.0},
        {"effects stand 6 dB under full", audio::EffectVolume, -6.0},
    };
    for (const auto& [name, volume, decibels] : rows)
        EXPECT_NEAR(std::max(20 * std::log10(audio::OutputLevel(volume)), silence), decibels, 0.1)
            << name;
}

TEST(ScrollText, ShowsTheLengthRoundedHalfToEvenInATwentySixCharacterWindow)
{
    const std::pair<qint64, const char*> lengths[]{
        {499, "00:00"},   {500, "00:00"},    {501, "00:01"},       {1'500, "00:02"},
        {2'500, "00:02"}, {59'500, "01:00"}, {3'725'000, "62:05"}, {6'000'000, "100:00"}};
    for (const auto& [milliseconds, expected] : lengths)
        EXPECT_EQ(audio::LengthText(milliseconds), expected) << milliseconds;
    const QString text = audio::ScrollText("Jardin de pierre.mp3", 95'000); // 35 long
    for (const int p : {0, 20, 35})
        EXPECT_EQ(audio::ScrollWindow(text, p),
                  p == 20 ? "  (01:35)  **  Jardin de p" : "Jardin de pierre.mp3  (01:")
            << p;
    EXPECT_EQ(audio::ScrollWindow(QString(), 0), "");
}

TEST_F(MusicPlayer, ListsTheMp3FilesOfAnyCaseByNameKeepingOnlyAHeldTitle)
{
    EXPECT_EQ(
        player.Titles().titles,
        QStringList({"Brise.mp3", "nuit calme.MP3", "Une tres longue nuit calme.mp3", "Zen.mp3"}));
    EXPECT_EQ(box.currentText(), "Brise.mp3");
    player.AjouteListeDeMusiques(dir.path(), "Zen.mp3");
    EXPECT_EQ(box.currentText(), "Zen.mp3");
    for (const char* absent : {"absent.mp3", "album.mp3"})
        EXPECT_EQ(audio::ListMusicFolder(dir.path(), absent).current, "Brise.mp3") << absent;
}

TEST_F(MusicPlayer, OpensOnlyExistingTitlesEachAtTheSlidersVolumeLoudestAtTheTop)
{
    player.SetPauseFlag(true), player.ChooseTitle(""), player.ChooseTitle("Absent.mp3");
    EXPECT_TRUE(device->calls.isEmpty() && player.PauseFlag());
    QSlider slider;
    slider.setGeometry(0, 0, 20, 200);
    audio::ConnectVolumeSlider(slider, player);
    EXPECT_EQ(device->volume, 1000); // taken at once from the slider at the top
    slider.setValue(800); // nothing open: kept for the next title
    device->calls.clear();
    player.ChooseTitle("Brise.mp3");
    EXPECT_EQ(device->calls, QStringList({"open Brise.mp3", "volume 200", "play"}));
    EXPECT_FALSE(player.PauseFlag());
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(10, 2)); // above the handle
    EXPECT_GT(device->volume, 200);
}

TEST_F(MusicPlayer, ResumesWhereItPausedDrawsATitleAtTheEnd)
{
    EXPECT_EQ(player.TimerMP3.interval(), 1000) << "the end of a title is looked for each second";
    QList<int> draws;
    player.SetRandomIndex([&draws](int n) { return draws << n, 3; });
    player.PlayCurrentTitle();
    device->ReportLength(185'400);
    device->calls.clear();
    player.Pause(), player.Play(); // resumes where the title stood
    player.TimerMP3Timer();
    EXPECT_EQ(device->calls, QStringList({"pause", "play"})); // not ended yet
    device->atEnd = true;
    player.TimerMP3Timer();
    EXPECT_EQ(draws, QList<int>({4}));
    EXPECT_EQ(device->calls.mid(2), QStringList({"open Zen.mp3", "volume 500", "play"}));
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

TEST_F(MusicPlayer, AnImportPlaysOnlyWhenTheMusicIsNotPaused)
{
    for (const bool paused : {false, true}) {
        SCOPED_TRACE(paused ? "Paused" : "Playing");
        player.ChooseTitle("Brise.mp3");
        if (paused)
            player.Pause();
        device->calls.clear();
        player.ImportFile(dir.filePath("Zen.mp3"));
        EXPECT_EQ(device->calls.filter("open"),
                  paused ? QStringList() : QStringList{"open Zen.mp3"});
        EXPECT_EQ(player.PauseFlag(), paused);
    }
}

TEST_F(MusicPlayer, AnUnplayableFileStopsTheMusicWithOneMessage)
{
    QSignalSpy messages(&player, &audio::TFormLecteurMP3::StatusMessage);
    player.ChooseTitle("nuit calme.MP3");
    device->ReportFailure();
    device->ReportFailure(); // the back end's next error about the same file
    ASSERT_TRUE(messages.size() == 1 && messages[0][0].toString().contains("nuit calme.MP3"));
    device->failAtOpen = true; // a device that refuses the file as it opens it
    player.ChooseTitle("Zen.mp3");
    EXPECT_EQ(device->calls.mid(3), QStringList({"close", "open Zen.mp3", "close"}));
    EXPECT_TRUE(!player.Active() && messages.size() == 2);
}

TEST_F(MusicPlayer, TypingInTheBoxStartsOnlyACompleteNameOfAtMostTwentyCharacters)
{
    const auto type = [this](const char* text) {
        box.lineEdit()->clear(), device->calls.clear();
        QTest::keyClicks(box.lineEdit(), text);
    };
    type("nuit calme.MP");
    EXPECT_TRUE(device->calls.isEmpty());
    QTest::keyClicks(box.lineEdit(), "3");
    EXPECT_EQ(device->calls.value(0), "open nuit calme.MP3");
    type("Une tres longue nuit calme.mp3");
    EXPECT_EQ(box.currentText(), "Une tres longue nuit");
    EXPECT_TRUE(device->calls.isEmpty());
    box.setCurrentIndex(2); // picked from the list: the box selects it, then tells
    emit box.textActivated(box.currentText());
    EXPECT_EQ(device->calls.value(0), "open Une tres longue nuit calme.mp3");
    EXPECT_EQ(box.currentText(), "Une tres longue nuit calme.mp3");
    EXPECT_EQ(box.lineEdit()->cursorPosition(), 0) << "a long title shows from its first letter";
}

TEST(WindowAudio, FollowsTheSavedSettingsWithEffectsAtTheirOwnLevel)
{
    testing_support::TestInstall install;
    ASSERT_TRUE(QDir(install.Folder()).mkpath("Musique") && QDir(install.Folder()).mkpath("sons"));
    for (const char* name : {"Musique/Aube.mp3", "sons/Loud.wav"})
        ASSERT_TRUE(QFile(install.Folder() + name).open(QIODevice::WriteOnly));
    QSettings store(install.SettingsFile(), QSettings::IniFormat);
    store.setValue("TERVALIN SUDOKU/Musique", "1"), store.setValue("TERVALIN SUDOKU/Volume", "200");
    store.sync();
    auto *music = new FakeDevice, *sound = new FakeDevice; // owned by the player, the effects
    audio::TFormLecteurMP3 player{std::unique_ptr<audio::AudioDevice>(music)};
    audio::SoundEffects effects{std::unique_ptr<audio::AudioDevice>(sound)};
    testing_support::TestWindow test(install);
    TfrmMain& w = *test.window;
    w.UseAudio(player, effects), test.StartUp();
    EXPECT_TRUE(player.PauseFlag() && music->volume == 800);
    QTest::mouseClick(w.ImageLecture, Qt::LeftButton); // play while flagged: the flag goes
    EXPECT_FALSE(player.PauseFlag());
    EXPECT_TRUE(music->calls.filter("open").isEmpty());
    QTest::mouseClick(w.ImageLecture, Qt::LeftButton); // the second play starts the music
    EXPECT_EQ(music->openPath, install.Folder() + "Musique/Aube.mp3");
    EXPECT_TRUE(player.TimerDefilement.isActive() && player.TimerDefilement.interval() == 200);
    player.TimerDefilementTimer();
    EXPECT_TRUE(w.LabelDefilement->text().isEmpty()); // until the length is known
    music->ReportLength(185'400);
    music->ReportLength(190'000); // a later estimate does not restart the scroll
    player.TimerDefilementTimer();
    EXPECT_EQ(w.LabelDefilement->text(), "Aube.mp3  (03:05)  **  ");
    QSignalSpy told(&effects, &audio::SoundEffects::StatusMessage);
    sound->calls.clear();
    for (const char* name : {"Loud", "absent", "Loud", "absent"})
        w.JoueSon(name); // each sound cuts off the one playing
    EXPECT_EQ(sound->calls, QStringList({"open Loud.wav", "play", "open Loud.wav", "play"}));
    EXPECT_EQ(sound->openPath, install.Folder() + "sons/Loud.wav");
    ASSERT_TRUE(told.size() == 1 && told[0][0].toString().endsWith("absent.wav"));
    w.TrackBarMP3->setValue(600); // the music's volume only: effects keep their own level, 6 dB
    EXPECT_EQ(std::pair(music->volume, sound->volume), std::pair(400, 660)); // under full
    w.close(), store.sync();
    EXPECT_EQ(store.value("TERVALIN SUDOKU/Musique").toString(), "0");
}
