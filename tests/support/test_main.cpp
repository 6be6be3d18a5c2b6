#include "screens/ScreenWiring.h"

#include <QApplication>
#include <gtest/gtest.h>

// Widgets are real but offscreen; every test binary shares this start, with the editor's
// commands registered as the desktop program registers them.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ScreenWiring::registerAll();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
