// Runs the record tests with the user's home and documents in a temporary folder.
#include "support/TestHome.h"

#include <cstdlib>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Test discovery runs this program at build time, outside the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Before any path lookup: the tests write real scores and saved games, never the user's.
    QTemporaryDir home;
    if (!home.isValid())
        return EXIT_FAILURE;
    testsupport::UseTemporaryHome(home);

    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
