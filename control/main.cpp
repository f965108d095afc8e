// Program entry.
#include "control/MainUnit.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvante"));
    TfrmMain window;
    window.show();
    return QApplication::exec();
}
