#include "io/SpinExport.h"

#include "io/CsvWriter.h"
#include "io/IoLog.h"
#include "io/IsoStamp.h"
#include "store/AppContext.h"
#include "store/ErrorCodes.h"
#include "store/OleDate.h"
#include "wheel/Wheel.h"

#include <QCoreApplication>
#include <QIODevice>

#include <charconv>
#include <cmath>
#include <string>

namespace spinledger {

namespace {

// Spins with the advice each produced and the judgement each made, oldest
// first. Columns: id, now, pocket, advice values, stakes, verdicts (the
// wheel's display order each).
std::string rowsQuery(const Wheel& w)
{
    const QString spin = w.spinTable();
    QStringList cols{QStringLiteral("s.%1_id").arg(spin), QStringLiteral("s.%1_now").arg(spin),
                     QStringLiteral("s.") + w.spinColumn(CategoryId::Numbers)};
    for (const Category& c : w.categories())
        cols << QStringLiteral("a.") + w.adviseColumn(c.id);
    for (const Category& c : w.categories()) {
        if (c.hasStake())
            cols << QStringLiteral("a.") + w.coinsColumn(c.id);
    }
    for (const Category& c : w.categories())
        cols << QStringLiteral("v.") + w.winColumn(c.id);
    return QStringLiteral("SELECT %1 FROM %2 s LEFT JOIN %3 a ON a.%2_id = s.%2_id "
                          "LEFT JOIN %4 v ON v.%2_id = s.%2_id "
                          "WHERE s.ka_app_setting_id = ?1 AND s.%5 = ?2 ORDER BY s.%2_now, s.%2_id")
        .arg(cols.join(u','), spin, w.adviseTable(), w.winTable(), w.casinoSetting())
        .toStdString();
}

// The stored number's shortest text with up to 15 digits, as decimalText()
// gives it, without a QString per value.
std::string shortest(double v)
{
    char digits[32];
    char* end = nullptr;
    // Stakes are whole numbers mostly, which have a quicker way to text.
    if (v == std::floor(v) && std::fabs(v) < 1e15)
        end = std::to_chars(digits, digits + sizeof digits, qint64(v)).ptr;
    else
        end = std::to_chars(digits, digits + sizeof digits, v, std::chars_format::general, 15).ptr;
    return std::string(digits, end);
}

} // namespace

QStringList SpinExport::header(const Wheel& wheel)
{
    QStringList h{QStringLiteral("spin_no"), QStringLiteral("date_time"), QStringLiteral("pocket")};
    for (const Category& c : wheel.categories()) {
        h << c.key + QStringLiteral("_advice");
        if (c.hasStake())
            h << c.key + QStringLiteral("_stake");
        h << c.key + QStringLiteral("_verdict");
    }
    return h;
}

Result<qint64> SpinExport::write(qint64 casino, QIODevice& out)
{
    const auto failure = [this] { return m_app.failureLine(codes::exportSpins(m_wheel.letter())); };
    if (!m_app.ensureOpen())
        return Result<qint64>::failure(failure());
    const auto& cats = m_wheel.categories();
    int stakes = 0;
    for (const Category& c : cats)
        stakes += c.hasStake() ? 1 : 0;
    const int adviceCol = 3;
    const int stakeCol = adviceCol + int(cats.size());
    const int verdictCol = stakeCol + stakes;

    CsvWriter csv(out);
    csv.byteOrderMark();
    for (const QString& name : header(m_wheel))
        csv.field(name);
    csv.endRow();

    qint64 written = 0;
    try {
        Statement q = m_app.db().prepare(rowsQuery(m_wheel));
        q.bind(1, m_app.settingId).bind(2, casino);
        // The advice a spin produced is the one that stood before the next.
        PerCategory<std::string> stood;
        PerCategory<std::string> stoodStake;
        qint64 lastId = 0;
        while (q.next()) {
            const qint64 id = q.integer(0);
            if (id == lastId)
                continue; // a second advice or judgement row of one spin is not another spin
            lastId = id;
            ++written;
            csv.field(QByteArray::number(written));
            csv.field(IsoStamp::utf8(OleStamp::fromNow(q.real(1)).msecs()));
            csv.field(q.utf8(2).trimmed());
            int stake = stakeCol;
            for (size_t i = 0; i < cats.size(); ++i) {
                const int c = idx(cats[i].id);
                const bool first = written == 1;
                csv.field(first ? QByteArrayView() : QByteArrayView(stood[c]));
                if (cats[i].hasStake())
                    csv.field(first ? QByteArrayView() : QByteArrayView(stoodStake[c]));
                csv.field(first ? QByteArrayView() : q.utf8(verdictCol + int(i)).trimmed());
                const QByteArrayView advice = q.utf8(adviceCol + int(i)).trimmed();
                stood[c].assign(advice.data(), size_t(advice.size()));
                if (cats[i].hasStake())
                    stoodStake[c] = q.isNull(stake) ? std::string() : shortest(q.real(stake));
                stake += cats[i].hasStake() ? 1 : 0;
            }
            csv.endRow();
        }
    } catch (const DbError& e) {
        qCWarning(lcIo) << "the export failed:" << e.what();
        return Result<qint64>::failure(failure());
    }
    if (!csv.flush())
        return Result<qint64>::failure(
            QCoreApplication::translate("SpinExport", "The file could not be written: %1")
                .arg(out.errorString()));
    return written;
}

} // namespace spinledger
