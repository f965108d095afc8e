// Program entry: the main window stays hidden behind the splash until everything is loaded.
#include "audio/SoundEffects.h"
#include "audio/mp3.h"
#include "control/MainUnit.h"
#include "presentation/AboutUnit.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvante"));
    QApplication::setApplicationDisplayName(QStringLiteral("Orvante"));

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
    FrmMain.HandleQuitSignals();
    return QApplication::exec();
}
