// Runs the game tests offscreen, with the user's folders in a temporary place.
#include "support/TestHome.h"

#include <cstdlib>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Test discovery runs this program at build time, outside the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Before any settings object exists: the user's settings and documents stay untouched.
    QTemporaryDir home;
    if (!home.isValid())
        return EXIT_FAILURE;
    testsupport::UseTemporaryHome(home);

    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
