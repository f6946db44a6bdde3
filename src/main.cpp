// Spinledger: the program starts with the splash window, which hands over to
// the main window; closing that ends the process.
#include "shell/Application.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Spinledger"));
    // Only the windows of the program end it, never a message box.
    QApplication::setQuitOnLastWindowClosed(false);

    const QString folder = QCoreApplication::applicationDirPath();
    spinledger::Application app(folder, spinledger::StartupServices::system(folder));
    QObject::connect(&app, &spinledger::Application::exitRequested, &qapp, [] { QCoreApplication::exit(0); });
    if (app.start() == spinledger::Application::Outcome::Ended)
        return 0;
    return QApplication::exec();
}
