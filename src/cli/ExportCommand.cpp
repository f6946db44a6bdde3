#include "cli/ExportCommand.h"

#include "cli/Session.h"
#include "io/SpinExport.h"
#include "wheel/Wheel.h"

#include <QBuffer>
#include <QDir>
#include <QSaveFile>

namespace spinledger::cli {

namespace {

QCommandLineOption outOption()
{
    return {QStringLiteral("out"), QStringLiteral("Write the CSV to this file (default: standard output)."),
            QStringLiteral("FILE")};
}

// Standard output as the device it is; a stream without one gets the text.
Result<qint64> toStandardOutput(Session& s, SpinExport& exporter, qint64 casino)
{
    QTextStream& out = s.out();
    out.flush();
    if (QIODevice* device = out.device())
        return exporter.write(casino, *device);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const Result<qint64> written = exporter.write(casino, buffer);
    out << QString::fromUtf8(buffer.data());
    return written;
}

int exportSpins(Session& s)
{
    const Wheel* wheel = s.wheel();
    if (!wheel || !s.open(Database::Mode::ReadOnly))
        return Refused;
    const std::optional<Casino> casino = s.casino();
    if (!casino)
        return Refused;
    SpinExport exporter(s.app(), *wheel);
    if (!s.args().isSet(QStringLiteral("out"))) {
        const Result<qint64> written = toStandardOutput(s, exporter, casino->id);
        s.out().flush();
        return written ? Done : s.refuse(written.status());
    }
    const QString path = s.args().value(QStringLiteral("out"));
    // The file appears whole or not at all.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return s.refuse(
            QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    const Result<qint64> written = exporter.write(casino->id, file);
    if (!written)
        return s.refuse(written.status());
    if (!file.commit())
        return s.refuse(
            QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    s.out() << QStringLiteral("Exported %1 spins of casino '%2' (%3 wheel) to %4\n")
                   .arg(*written)
                   .arg(casino->name, QString(wheel->letter()), QDir::toNativeSeparators(path));
    s.out().flush();
    return Done;
}

} // namespace

Command exportCommand()
{
    return {QStringLiteral("export"),
            QStringLiteral("Write a casino's spins of one wheel as a CSV file."),
            QString(),
            {Options::wheel(), Options::casino(), outOption(), Options::db()},
            &exportSpins};
}

} // namespace spinledger::cli
