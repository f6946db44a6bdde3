// Spinledger: the program starts with the splash window, which hands over to
// the main window; closing that ends the process.
#include "shell/Application.h"
#include "shell/CommandLine.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    // --help and --version need no display, no splash and no instance lock.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const auto code = spinledger::CommandLine::answer(arguments, out))
        return *code;

    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Spinledger"));
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("spinledger"));
    if (const auto code = spinledger::CommandLine::refuseUnknown(QCoreApplication::arguments(), err))
        return *code;
    // Only the windows of the program end it, never a message box.
    QApplication::setQuitOnLastWindowClosed(false);

    const spinledger::DataLocation location =
        spinledger::DataLocation::system(QCoreApplication::applicationDirPath());
    spinledger::Application app(location, spinledger::StartupServices::system(location));
    QObject::connect(&app, &spinledger::Application::exitRequested, &qapp, [] { QCoreApplication::exit(0); });
    // Queued: a start that ends at once does so before the event loop runs.
    QObject::connect(
        &app, &spinledger::Application::started, &qapp,
        [](spinledger::Application::Outcome outcome) {
            if (outcome == spinledger::Application::Outcome::Ended)
                QCoreApplication::exit(0);
        },
        Qt::QueuedConnection);
    app.start();
    return QApplication::exec();
}
