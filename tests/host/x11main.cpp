#include "QWinWidgetTest.h"
#include "TestMain.h"

#include <QApplication>

// Runs on a real X display (Xvfb in the test run) instead of the offscreen platform.
int main(int argc, char **argv)
{
    Corvane::Test::prepareEnvironment();
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    return Corvane::Test::runTests<QWinWidgetTest>(argc, argv);
}
