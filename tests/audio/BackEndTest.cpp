// The real back end playing short fixtures into GStreamer's silent sink in real time, and a
// machine whose GStreamer has no decoder at all.
#include "audio/QtAudioDevice.h"
#include "audio/mp3.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

TEST(BackEnd, TitlesGetTheirLengthAndGoOnAtTheirEndWhileABrokenFileIsToldOnce)
{
    if (!audio::AudioAvailable())
        GTEST_SKIP() << qPrintable(audio::NoAudioText());
    QTemporaryDir dir;
    for (const QString name : {"tone-1s.mp3", "tone-2s.mp3"})
        ASSERT_TRUE(QFile::copy(ORVANTE_AUDIO_FIXTURES + name, dir.filePath(name)));
    QFile broken(dir.filePath("Cassé.mp3"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write(QByteArray(4000, 'x')) > 0);
    broken.close();
    auto* device = new audio::QtAudioDevice;
    audio::TFormLecteurMP3 player{std::unique_ptr<audio::AudioDevice>(device)};
    player.SetRandomIndex([](int) { return 2; }); // after Cassé.mp3 and tone-1s.mp3
    QSignalSpy lengths(device, &audio::AudioDevice::LengthKnown);
    QSignalSpy changed(&player, &audio::TFormLecteurMP3::CurrentTitleChanged);
    QSignalSpy messages(&player, &audio::TFormLecteurMP3::StatusMessage);
    player.AjouteListeDeMusiques(dir.path(), "tone-1s.mp3");
    player.PlayCurrentTitle();
    ASSERT_TRUE(lengths.wait(3000));
    EXPECT_NEAR(lengths[0][0].toLongLong(), 1000, 50);

    // The one-second tick notices the end within another second and draws the next title.
    ASSERT_TRUE(changed.wait(4000));
    EXPECT_EQ(changed[0][0].toString(), "tone-2s.mp3");
    ASSERT_TRUE(lengths.size() == 2 || lengths.wait(3000));
    EXPECT_NEAR(lengths[1][0].toLongLong(), 2000, 50);
    EXPECT_TRUE(player.Active() && messages.isEmpty());

    player.ChooseTitle("Cassé.mp3");
    ASSERT_TRUE(messages.wait(3000));
    QTest::qWait(500); // the back end's later errors about the same file
    EXPECT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0][0].toString().contains("Cassé.mp3"));
    EXPECT_FALSE(player.Active());
}

TEST(WithoutDecoders, TheGameRunsSilentAndSaysSoOnce)
{
    // GStreamer without any plug-in: the same machine as one missing the decoder packages.
    QTemporaryDir empty;
    QProcess game;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("GST_PLUGIN_SYSTEM_PATH_1_0", empty.path());
    environment.insert("GST_PLUGIN_PATH_1_0", empty.path());
    environment.insert("GST_REGISTRY_1_0", empty.filePath("registry.bin"));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    game.setProcessEnvironment(environment);
    game.start(QCoreApplication::applicationFilePath(),
               {"--silent-machine", ORVANTE_DATA_DIR "Musique/", ORVANTE_DATA_DIR "sons/"});
    ASSERT_TRUE(game.waitForFinished(30000));
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game.exitCode(), 0);
    const QStringList lines
        = QString::fromUtf8(game.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines,
              QStringList({"message: " + audio::NoAudioText(), "available: 0 Brise du matin.mp3"}))
        << qPrintable(QString::fromUtf8(game.readAllStandardError()));
}
