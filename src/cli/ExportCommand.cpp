#include "cli/ExportCommand.h"

#include "backup/Salvage.h"
#include "cli/Session.h"
#include "io/SpinExport.h"
#include "wheel/Wheel.h"

#include <QBuffer>
#include <QDir>
#include <QLocale>
#include <QSaveFile>

namespace spinledger::cli {

namespace {

QCommandLineOption outOption()
{
    return {QStringLiteral("out"), Session::tr("Write the CSV to this file (default: standard output)."),
            Session::tr("FILE")};
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

QCommandLineOption salvageOption()
{
    return {QStringLiteral("salvage"),
            Session::tr("From a damaged database: every spin row that can still be read, in order "
                        "(--casino optional, by its id).")};
}

// Writes to --out or standard output; the number of rows that could not be read
// goes to err, so the file holds the spins alone.
int salvage(Session& s, const Wheel& wheel)
{
    if (!s.openFile(Database::Mode::ReadOnly))
        return Refused;
    std::optional<qint64> casino;
    if (s.args().isSet(QStringLiteral("casino"))) {
        bool number = false;
        casino = s.args().value(QStringLiteral("casino")).trimmed().toLongLong(&number);
        if (!number)
            return s.refuse(Session::tr("--casino takes the casino's id with --salvage"));
    }
    Salvage salvager(s.db(), wheel);
    Salvage::Report report;
    const bool toFile = s.args().isSet(QStringLiteral("out"));
    const QString path = s.args().value(QStringLiteral("out"));
    if (toFile) {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return s.refuse(
                Session::tr("cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
        report = salvager.write(file, casino);
        if (report.failure.isEmpty() && !file.commit())
            report.failure = file.errorString();
    } else {
        s.out().flush();
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QIODevice* device = s.out().device() ? s.out().device() : &buffer;
        report = salvager.write(*device, casino);
        s.out() << QString::fromUtf8(buffer.data());
        s.out().flush();
    }
    if (!report.failure.isEmpty())
        return s.fail(report.failure);
    s.err() << Session::tr("Salvaged %1 spins of the %2 wheel%3; %4 rows could not be read")
                   .arg(QLocale().toString(report.written), QString(wheel.letter()),
                        toFile ? Session::tr(" to %1").arg(QDir::toNativeSeparators(path)) : QString(),
                        QLocale().toString(report.unreadable))
            << Qt::endl;
    return Done;
}

int exportSpins(Session& s)
{
    const Wheel* wheel = s.wheel();
    if (wheel && s.args().isSet(QStringLiteral("salvage")))
        return salvage(s, *wheel);
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
            Session::tr("cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    const Result<qint64> written = exporter.write(casino->id, file);
    if (!written)
        return s.refuse(written.status());
    if (!file.commit())
        return s.refuse(
            Session::tr("cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    s.out() << Session::tr("Exported %1 spins of casino '%2' (%3 wheel) to %4\n")
                   .arg(QLocale().toString(*written), casino->name, QString(wheel->letter()),
                        QDir::toNativeSeparators(path));
    s.out().flush();
    return Done;
}

} // namespace

Command exportCommand()
{
    return {QStringLiteral("export"),
            Session::tr("Write a casino's spins of one wheel as a CSV file."),
            QString(),
            {Options::wheel(), Options::casino(), outOption(), Options::db(), salvageOption()},
            &exportSpins};
}

} // namespace spinledger::cli
