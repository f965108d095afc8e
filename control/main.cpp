// Program entry: the main window stays hidden behind the splash until everything is loaded.
#include "control/MainUnit.h"
#include "presentation/AboutUnit.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvante"));
    QApplication::setApplicationDisplayName(QStringLiteral("Orvante"));

    // The message window and the music player are created with the main window.
    TfrmMain FrmMain;
    FrmMain.hide();
    TfrmAbout FrmAbout(QCoreApplication::applicationDirPath()
                       + QStringLiteral("/graphisme/splash.bmp"));
    FrmMain.AttachSplash(&FrmAbout);
    return QApplication::exec();
}
