// Runs the robustness tests offscreen, with the user's folders in a temporary place.
#include "support/TestHome.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Before any settings object exists: the user's settings and documents stay untouched.
    QTemporaryDir home;
    QFile screens(home.filePath("screens.json"));
    if (!home.isValid() || !screens.open(QIODevice::WriteOnly))
        return 1;
    // Offscreen (test discovery runs this program outside the test environment) on a screen
    // larger than the game, as a player's is: the default offscreen screen is 800 x 800, and
    // full screen would put part of the board beyond its edge.
    screens.write(R"({"windowFrameMargins": false, "screens": [{"name": "s", "x": 0, "y": 0,
        "width": 1280, "height": 800, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    screens.close();
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    testsupport::UseTemporaryHome(home);
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
