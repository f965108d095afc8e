// The real back end, playing short fixtures into GStreamer's silent sink in real time.
#include "audio/QtAudioDevice.h"
#include "audio/SoundEffects.h"
#include "audio/mp3.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString Fixtures = QStringLiteral(ORVANTE_AUDIO_FIXTURES);

class BackEnd : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!audio::AudioAvailable())
            GTEST_SKIP() << "This machine's GStreamer cannot decode MP3 and WAV: install "
                            "gstreamer1.0-plugins-base and gstreamer1.0-plugins-good.";
    }
};

// Runs the event loop until done() holds or the time is up; says whether done() held.
template <typename Done> bool WaitFor(Done done, int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > milliseconds)
            return false;
        QTest::qWait(10);
    }
    return true;
}

} // namespace

TEST_F(BackEnd, AnMp3ReportsItsLengthAdvancesHoldsInPauseAndEnds)
{
    audio::QtAudioDevice device;
    QSignalSpy length(&device, &audio::AudioDevice::LengthKnown);
    QSignalSpy failed(&device, &audio::AudioDevice::Failed);
    device.Open(Fixtures + QStringLiteral("tone-2s.mp3"));
    device.Play();
    ASSERT_TRUE(length.wait(3000));
    EXPECT_NEAR(length[0][0].toLongLong(), 2000, 50);
    EXPECT_NEAR(device.Length(), 2000, 50);

    ASSERT_TRUE(WaitFor([&] { return device.Position() >= 300; }, 2000));
    device.Pause();
    QTest::qWait(100); // the pipeline settles in its paused state
    const qint64 held = device.Position();
    QTest::qWait(400);
    EXPECT_NEAR(device.Position(), held, 20);
    EXPECT_FALSE(device.AtEnd());

    device.Play();
    ASSERT_TRUE(WaitFor([&] { return device.Position() >= held + 200; }, 2000));
    ASSERT_TRUE(WaitFor([&] { return device.AtEnd(); }, 4000));
    EXPECT_TRUE(failed.isEmpty());
    EXPECT_EQ(length.size(), 1);
}

TEST_F(BackEnd, ThePlayerGoesOnWithTheNextTitleWhenOneEnds)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"tone-1s.mp3", "tone-2s.mp3"})
        ASSERT_TRUE(
            QFile::copy(Fixtures + QString::fromUtf8(name), dir.filePath(QString::fromUtf8(name))));
    audio::TFormLecteurMP3 player;
    player.SetRandomIndex([](int) { return 1; });
    QSignalSpy changed(&player, &audio::TFormLecteurMP3::CurrentTitleChanged);
    QSignalSpy messages(&player, &audio::TFormLecteurMP3::StatusMessage);
    player.AjouteListeDeMusiques(dir.path(), QStringLiteral("tone-1s.mp3"));
    player.PlayCurrentTitle();
    ASSERT_TRUE(WaitFor([&] { return !player.CurrentScrollText().isEmpty(); }, 3000));
    EXPECT_EQ(player.CurrentScrollText(), QStringLiteral("tone-1s.mp3  (00:01)  **  "));

    // The title lasts about a second; the one-second tick notices its end within another.
    ASSERT_TRUE(changed.wait(4000));
    EXPECT_EQ(changed[0][0].toString(), QStringLiteral("tone-2s.mp3"));
    EXPECT_TRUE(player.Active());
    ASSERT_TRUE(WaitFor([&] { return !player.CurrentScrollText().isEmpty(); }, 3000));
    EXPECT_EQ(player.CurrentScrollText(), QStringLiteral("tone-2s.mp3  (00:02)  **  "));
    player.Stop();
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(BackEnd, AnUnplayableFileStopsThePlayerWithOneMessage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile broken(dir.filePath(QStringLiteral("Cassé.mp3")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(QByteArray(4000, 'x'));
    broken.close();
    audio::TFormLecteurMP3 player;
    QSignalSpy messages(&player, &audio::TFormLecteurMP3::StatusMessage);
    player.AjouteListeDeMusiques(dir.path(), QString());
    player.PlayCurrentTitle();
    ASSERT_TRUE(messages.wait(3000));
    QTest::qWait(500); // the back end's later errors about the same file
    EXPECT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0][0].toString().contains(QStringLiteral("Cassé.mp3")));
    EXPECT_FALSE(player.Active());
}

TEST_F(BackEnd, ASecondSoundCutsTheFirstAndEndsByItself)
{
    auto owned = std::make_unique<audio::QtAudioDevice>();
    audio::QtAudioDevice& device = *owned;
    audio::SoundEffects effects(std::move(owned));
    effects.SetSoundFolder(Fixtures);

    effects.JoueSon(QStringLiteral("chime-2s"));
    ASSERT_TRUE(WaitFor([&] { return device.Position() >= 200; }, 2000));
    QElapsedTimer clock;
    clock.start();
    effects.JoueSon(QStringLiteral("tick")); // returns at once, the chime cut off
    EXPECT_FALSE(device.AtEnd());
    ASSERT_TRUE(WaitFor([&] { return device.AtEnd(); }, 3000));
    EXPECT_NEAR(device.Length(), 300, 50);
    EXPECT_LT(clock.elapsed(), 1500); // the chime had more than 1.5 s left

    // The same sound again starts from its beginning.
    effects.JoueSon(QStringLiteral("chime-2s"));
    ASSERT_TRUE(WaitFor([&] { return device.Position() >= 600; }, 2000));
    effects.JoueSon(QStringLiteral("chime-2s"));
    QTest::qWait(150);
    EXPECT_LT(device.Position(), 500);
    EXPECT_FALSE(device.AtEnd());
}

TEST(WithoutDecoders, TheGameRunsSilentAndSaysSoOnce)
{
    // GStreamer without any plug-in: the same machine as one missing the decoder packages.
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    QProcess game;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("GST_PLUGIN_SYSTEM_PATH_1_0"), empty.path());
    environment.insert(QStringLiteral("GST_PLUGIN_PATH_1_0"), empty.path());
    environment.insert(QStringLiteral("GST_REGISTRY_1_0"),
                       empty.filePath(QStringLiteral("registry.bin")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    game.setProcessEnvironment(environment);
    game.start(QCoreApplication::applicationFilePath(),
               {QStringLiteral("--silent-machine"), QStringLiteral(ORVANTE_DATA_DIR "Musique/"),
                QStringLiteral(ORVANTE_DATA_DIR "sons/")});
    ASSERT_TRUE(game.waitForFinished(30000));
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(game.readAllStandardOutput())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(lines,
              QStringList({QStringLiteral("message: ") + audio::NoAudioText(),
                           QStringLiteral("available: 0 Brise du matin.mp3")}))
        << qPrintable(QString::fromUtf8(game.readAllStandardError()));
}
