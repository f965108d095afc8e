// Runs the record tests with the user's home and documents in a temporary folder.
#include "support/TestHome.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    return testsupport::RunTestsWithTemporaryHome<QCoreApplication>(argc, argv);
}
