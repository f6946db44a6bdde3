#include "casinos/CasinoPanel.h"

#include "board/BoardWidget.h"
#include "store/AppContext.h"
#include "store/ErrorCodes.h"
#include "ui/StatusSink.h"
#include "ui/WindowLock.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

namespace spinledger {

namespace {

QString NameRequired()
{
    return CasinoPanel::tr("Casino name required.");
}
QString NameTooLong()
{
    return CasinoPanel::tr("Casino name too long. Max 100 chars allowed.");
}
QString SelectFromList()
{
    return CasinoPanel::tr("Please select a Casino from the list.");
}

bool askYesNo(QWidget* parent, const QString& title, const QString& text)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

QListWidgetItem* listItem(const Casino& casino)
{
    auto* item = new QListWidgetItem(casino.name);
    item->setData(Qt::UserRole, QVariant::fromValue<qint64>(casino.id));
    return item;
}

} // namespace

CasinoPanel::CasinoPanel(AppContext& app, StatusSink& status, QWidget* parent)
    : QGroupBox(tr("Casino List"), parent), m_app(app), m_status(status), m_store(app),
      m_confirm([this](const QString& title, const QString& text) { return askYesNo(window(), title, text); })
{
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstCasino"));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("txCasino"));
    m_add = new QPushButton(tr("&Add"), this);
    m_add->setObjectName(QStringLiteral("btnCasinoAdd"));
    m_update = new QPushButton(tr("U&pdate"), this);
    m_update->setObjectName(QStringLiteral("btnCasinoUpdate"));
    m_delete = new QPushButton(tr("&Delete"), this);
    m_delete->setObjectName(QStringLiteral("btnCasinoDelete"));

    // The field names, renames and adds; its label says so and Alt+N reaches it.
    auto* nameLabel = new QLabel(tr("Casino &name:"), this);
    nameLabel->setObjectName(QStringLiteral("lblCasinoName"));
    nameLabel->setBuddy(m_name);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_list, 0, 0, 1, 3);
    grid->addWidget(nameLabel, 1, 0);
    grid->addWidget(m_name, 1, 1, 1, 2);
    grid->addWidget(m_add, 2, 0);
    grid->addWidget(m_update, 2, 1);
    grid->addWidget(m_delete, 2, 2);

    connect(m_add, &QPushButton::clicked, this, &CasinoPanel::addClicked);
    connect(m_update, &QPushButton::clicked, this, &CasinoPanel::updateClicked);
    connect(m_delete, &QPushButton::clicked, this, &CasinoPanel::deleteClicked);
    connect(m_list, &QListWidget::itemClicked, this, &CasinoPanel::entryClicked);
}

QString CasinoPanel::deleteQuestion(const QString& name, qint64 spinsR, qint64 spinsM)
{
    const QLocale locale;
    const QString spins = tr("With it go %1 %2 spins and %3 %4 spins.")
                              .arg(locale.toString(spinsR), Wheel::r().boardName(), locale.toString(spinsM),
                                   Wheel::m().boardName());
    return tr("Are you sure you want to delete \"%1\"? All data associated with this casino will be "
              "deleted.\r\n\r\n%2\r\n\r\nContinue?")
        .arg(name, spins);
}

void CasinoPanel::load()
{
    m_status.setStatus(texts::PleaseWait());
    if (show(m_store.settle()))
        m_status.setStatus(texts::Idle());
}

bool CasinoPanel::show(const Result<Casinos>& casinos)
{
    if (!casinos) {
        m_status.setStatus(casinos.status());
        return false;
    }
    m_list->clear();
    for (const Casino& c : *casinos)
        m_list->addItem(listItem(c));
    m_list->repaint();
    for (BoardWidget* board : m_boards)
        board->setCasinos(*casinos, m_app.currentCasino(board->wheel()).id());
    return true;
}

QString CasinoPanel::takeName(const QString& emptyText)
{
    const QString name = CasinoStore::cleanName(m_name->text());
    m_name->clear();
    if (name.isEmpty()) {
        m_status.setStatus(emptyText);
        return {};
    }
    if (CasinoStore::tooLong(name)) {
        m_status.setStatus(NameTooLong());
        return {};
    }
    return name;
}

void CasinoPanel::addClicked()
{
    const WindowLock busy(this);
    m_status.setStatus(texts::PleaseWait());
    const QString name = takeName(NameRequired());
    if (name.isEmpty())
        return;
    if (show(m_store.add(name)))
        m_status.setStatus(texts::Idle());
}

void CasinoPanel::updateClicked()
{
    const WindowLock busy(this);
    m_status.setStatus(texts::PleaseWait());
    QListWidgetItem* item = m_list->selectedItems().value(0);
    if (!item) {
        m_status.setStatus(SelectFromList());
        return;
    }
    const QString name = takeName(SelectFromList());
    if (name.isEmpty())
        return;
    if (show(m_store.rename(item->data(Qt::UserRole).toLongLong(), name)))
        m_status.setStatus(texts::Idle());
}

void CasinoPanel::deleteClicked()
{
    QListWidgetItem* item = m_list->selectedItems().value(0);
    const qint64 id = item ? item->data(Qt::UserRole).toLongLong() : 0;
    const Result<qint64> spinsR = m_store.spinCount(Wheel::r(), id);
    const Result<qint64> spinsM = m_store.spinCount(Wheel::m(), id);
    if (!spinsR || !spinsM) {
        // Without the counts the player would answer blind.
        m_status.setStatus(!spinsR ? spinsR.status() : spinsM.status());
        return;
    }
    if (!m_confirm(tr("Confirm Delete"), deleteQuestion(item ? item->text() : QString(), *spinsR, *spinsM)))
        return;
    // Only after the question, whose box must stay answerable.
    const WindowLock busy(this);
    m_status.setStatus(texts::PleaseWait());
    if (!item) {
        m_status.setStatus(SelectFromList());
        return;
    }
    m_beforeDeletion();
    if (!show(m_store.remove(item->data(Qt::UserRole).toLongLong())))
        return;
    m_name->clear();
    m_status.setStatus(texts::Idle());
}

void CasinoPanel::entryClicked(QListWidgetItem* item)
{
    m_name->setText(item->text());
}

} // namespace spinledger
