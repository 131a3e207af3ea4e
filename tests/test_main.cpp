// Every test group runs inside one QApplication on the offscreen platform, with the game's
// fonts registered and the settings kept in a scratch folder.
#include "app/torvex_app.h"

#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                      : qgetenv("QT_QPA_PLATFORM"));
    qputenv("SDL_AUDIODRIVER", "dummy");
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    InitialiseToolkit();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
