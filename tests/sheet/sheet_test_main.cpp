// Runs the tests inside a QGuiApplication on the offscreen platform.
#include <QGuiApplication>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The programs run here speak English whatever the user's locale.
    setenv("LC_ALL", "C.UTF-8", 1);
    unsetenv("LANGUAGE");
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
