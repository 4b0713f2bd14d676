// The main of the real-window tests: the private X server's desktop comes up
// before the application and goes after it.
#include "x11/support/Desktop.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    quolan::x11::Desktop desktop;
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
