#include "app/torvex_app.h"

#include "platform/sound.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    InitialiseToolkit();
    // Lets Wayland desktops match the window to its desktop entry and frog icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.torvex.Torvex"));
    platform::openAudio();
    int status = 1;
    {
        CTorvexApp app;
        std::vector<std::string> arguments;
        for (const QString& argument : QCoreApplication::arguments())
            arguments.push_back(argument.toStdString());
        if (app.InitInstance(arguments))
            status = QApplication::exec();
    }
    platform::closeAudio();
    return status;
}
