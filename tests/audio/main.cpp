// Runs the audio tests offscreen; with "--silent-machine", plays the part of the game on a
// machine without MP3 decoding instead (the back-end test starts it in a separate process).
#include "audio/SoundEffects.h"
#include "audio/mp3.h"

#include <cstdio>

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

// Drives the music and the effects as the game would and prints every status message.
static int RunSilentMachine(const QString& musicFolder, const QString& soundFolder)
{
    audio::TFormLecteurMP3 player;
    audio::SoundEffects effects;
    effects.SetSoundFolder(soundFolder);
    QObject::connect(&player, &audio::TFormLecteurMP3::StatusMessage, [](const QString& text) {
        std::printf("message: %s\n", qUtf8Printable(text));
    });
    player.AjouteListeDeMusiques(musicFolder, QString());
    player.PlayCurrentTitle();
    player.Play();
    player.Stop();
    effects.JoueSon("erase");
    QTimer::singleShot(500, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    std::printf("available: %d %s\n", player.AudioAvailable() ? 1 : 0,
                qUtf8Printable(player.CurrentTitle()));
    return 0;
}

int main(int argc, char** argv)
{
    // Test discovery runs this program at build time, outside the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--silent-machine") == 0)
        return RunSilentMachine(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
