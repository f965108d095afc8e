// The real back end playing short fixtures into GStreamer's silent sink in real time, and a
// machine whose GStreamer has no decoder at all.
#include "audio/QtAudioDevice.h"
#include "audio/SoundEffects.h"
#include "audio/mp3.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

TEST(BackEnd, PlaysTitlesOneAfterAnotherTellingABrokenFileOnce)
{
    if (!audio::AudioAvailable())
        GTEST_SKIP() << qPrintable(audio::NoAudioText());
    QTemporaryDir dir;
    for (const QString name : {"tone-1s.mp3", "tone-2s.mp3"})
        ASSERT_TRUE(QFile::copy(ORVANTE_AUDIO_FIXTURES + name, dir.filePath(name)));
    ASSERT_TRUE(QFile::copy(ORVANTE_DATA_DIR "Textes/regles.txt", dir.filePath("Cassé.mp3")));
    auto* device = new audio::QtAudioDevice;
    audio::TFormLecteurMP3 player{std::unique_ptr<audio::AudioDevice>(device)};
    player.SetRandomIndex([](int) { return 2; }); // after Cassé.mp3 and tone-1s.mp3
    QSignalSpy lengths(device, &audio::AudioDevice::LengthKnown);
    QSignalSpy messages(&player, &audio::TFormLecteurMP3::StatusMessage);
    player.AjouteListeDeMusiques(dir.path(), "tone-1s.mp3");
    player.PlayCurrentTitle();
    // The one-second tick notices the end within another second and draws the next title.
    ASSERT_TRUE(lengths.wait(3000) && lengths.wait(5000));
    EXPECT_NEAR(lengths[0][0].toLongLong(), 1000, 50);
    EXPECT_NEAR(lengths[1][0].toLongLong(), 2000, 50);
    EXPECT_TRUE(player.CurrentTitle() == "tone-2s.mp3" && player.Active() && messages.isEmpty());
    player.ChooseTitle("Cassé.mp3");
    ASSERT_TRUE(messages.wait(3000));
    QTest::qWait(500); // the back end's later errors about the same file
    EXPECT_TRUE(messages.size() == 1 && messages[0][0].toString().contains("Cassé.mp3"));
    EXPECT_FALSE(player.Active());
}

TEST(WithoutDecoders, TheGameStaysSilentWithOneMessage)
{
    if (audio::AudioAvailable()) {
        // This machine decodes MP3: the test runs again in a process whose GStreamer has no
        // plug-in at all, as on a machine without the decoder packages.
        QTemporaryDir empty;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"GST_PLUGIN_SYSTEM_PATH_1_0", "GST_PLUGIN_PATH_1_0"})
            environment.insert(name, empty.path());
        environment.insert("GST_REGISTRY_1_0", empty.filePath("registry.bin"));
        QProcess game;
        game.setProcessEnvironment(environment);
        game.start(QCoreApplication::applicationFilePath(),
                   {"--gtest_filter=WithoutDecoders.TheGameStaysSilentWithOneMessage"});
        ASSERT_TRUE(game.waitForFinished(30000));
        const QString output = QString::fromUtf8(game.readAllStandardOutput());
        EXPECT_TRUE(game.exitStatus() == QProcess::NormalExit && game.exitCode() == 0
                    && output.contains("[  PASSED  ] 1 test."))
            << qPrintable(output);
        return;
    }
    audio::TFormLecteurMP3 player;
    audio::SoundEffects effects;
    QSignalSpy messages(&player, &audio::TFormLecteurMP3::StatusMessage);
    player.AjouteListeDeMusiques(ORVANTE_DATA_DIR "Musique/", QString());
    player.PlayCurrentTitle(), player.Play(), player.Stop(), effects.JoueSon("erase");
    QTest::qWait(500); // whatever the back end would still report
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0][0].toString(), audio::NoAudioText());
    EXPECT_EQ(player.CurrentTitle(), "Brise du matin.mp3");
}
