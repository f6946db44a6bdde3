// Spinledger: the program starts with the splash window, which hands over to
// the main window; closing that ends the process.
#include "i18n/Translations.h"
#include "shell/Application.h"
#include "shell/CommandLine.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    // --help and --version need no display, no splash and no instance lock.
    // Their texts come translated, so a core application carries the
    // translation for them, and gives way to the window's application after.
    {
        QCoreApplication answering(argc, argv);
        spinledger::i18n::install(answering);
        if (const auto code = spinledger::CommandLine::answer(QCoreApplication::arguments(), out))
            return *code;
    }

    QApplication qapp(argc, argv);
    spinledger::i18n::install(qapp);
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
