// Runs a test program offscreen, with the user's folders in a temporary place.
#include "support/TestHome.h"

#include <QApplication>

int main(int argc, char** argv)
{
    return testsupport::RunTestsWithTemporaryHome<QApplication>(argc, argv);
}
