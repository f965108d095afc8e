// The game's one main window.
#include "control/MainUnit.h"

TfrmMain::TfrmMain(QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Orvante"));
    setFixedSize(1024, 768);
}
