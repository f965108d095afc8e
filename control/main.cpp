// Program entry: the main window stays hidden behind the splash until everything is loaded.
#include "audio/SoundEffects.h"
#include "audio/mp3.h"
#include "control/MainUnit.h"
#include "presentation/AboutUnit.h"
#include "presentation/Screens.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    presentation::PrepareApplication(application);

    // The music player and the sound effects come first: they outlive the main window, which
    // saves the music's pause flag when it closes. The message window comes with the main window.
    audio::TFormLecteurMP3 FormLecteurMP3;
    audio::SoundEffects Sons;
    TfrmMain FrmMain;
    FrmMain.UseAudio(FormLecteurMP3, Sons);
    FrmMain.hide();
    TfrmAbout FrmAbout(QCoreApplication::applicationDirPath()
                       + QStringLiteral("/graphisme/splash.bmp"));
    FrmMain.AttachSplash(&FrmAbout);

    // With ORVANTE_SCREENSHOT set to a file name, the game saves a picture of its main menu soon
    // after the splash and quits, without writing its settings: a check that an installed game
    // starts and finds its data, with no player at the screen. The exit status says whether the
    // picture was saved.
    const QString screenshot = qEnvironmentVariable("ORVANTE_SCREENSHOT");
    if (!screenshot.isEmpty()) {
        QObject::connect(&FrmAbout.Timer2SplashScreen, &QTimer::timeout, &FrmMain, [&] {
            QTimer::singleShot(500, &FrmMain, [&] {
                QApplication::exit(FrmMain.isVisible() && FrmMain.grab().save(screenshot) ? 0 : 1);
            });
        });
    }
    FrmMain.HandleQuitSignals();
    return QApplication::exec();
}
