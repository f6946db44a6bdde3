#pragma once

#include <QCoreApplication>
#include <QString>

namespace spinledger {

// The one form in which database and start-up failures reach the user.
inline QString errorLine(const QString& code)
{
    return QCoreApplication::translate("ErrorCodes", "Unable to continue! Error Code: (%1)").arg(code);
}

// The same line with why, in plain words, after it ("… (playR ldb): the disk
// is full"); the line alone when there is no reason to give.
inline QString errorLine(const QString& code, const QString& reason)
{
    return reason.isEmpty() ? errorLine(code) : errorLine(code) + QStringLiteral(": ") + reason;
}

namespace codes {
inline const QString LoadDb = QStringLiteral("Load ldb");
inline const QString InstallationId = QStringLiteral("sId");
inline const QString Setting = QStringLiteral("Setting ldb");
inline const QString AppUpdate = QStringLiteral("AppUpdate sdb");
// "playR ldb" / "playM ldb" and the undo and re-stake codes of a wheel.
inline QString play(QChar letter)
{
    return QStringLiteral("play%1 ldb").arg(letter);
}
inline QString undo(QChar letter)
{
    return QStringLiteral("undo%1 ldb").arg(letter);
}
inline QString restake(QChar letter)
{
    return QStringLiteral("restake%1 ldb").arg(letter);
}
inline QString show(QChar letter)
{
    return QStringLiteral("show%1 ldb").arg(letter);
}
inline QString exportSpins(QChar letter)
{
    return QStringLiteral("export%1 ldb").arg(letter);
}
inline QString importSpins(QChar letter)
{
    return QStringLiteral("import%1 ldb").arg(letter);
}
} // namespace codes

namespace texts {
inline QString Idle()
{
    return QCoreApplication::translate("ErrorCodes", "Idle");
}
inline QString PleaseWait()
{
    return QCoreApplication::translate("ErrorCodes", "Please wait..");
}
inline QString SelectCasino()
{
    return QCoreApplication::translate("ErrorCodes", "Please select a casino from the list.");
}
inline QString analyze(const QString& label)
{
    return QCoreApplication::translate("ErrorCodes", "Analyze '%1'..").arg(label);
}
} // namespace texts

} // namespace spinledger
