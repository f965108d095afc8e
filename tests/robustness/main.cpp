// Runs the robustness tests offscreen, with the user's folders in a temporary place.
#include "support/TestHome.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // On a screen larger than the game, as a player's is: the default offscreen screen is 800 x
    // 800, and full screen would put part of the board beyond its edge.
    QTemporaryDir folder;
    QFile screens(folder.filePath("screens.json"));
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if ((platform.isEmpty() || platform == "offscreen") && screens.open(QIODevice::WriteOnly)) {
        screens.write(
            R"({"windowFrameMargins": false, "screens": [{"width": 1280, "height": 800}]})");
        screens.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    }
    return testsupport::RunTestsWithTemporaryHome<QApplication>(argc, argv);
}
