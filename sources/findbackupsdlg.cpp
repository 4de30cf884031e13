#include "findbackupsdlg.h"

#include "DeviceManagerThread.h"
#include "globals.h"
#include "usbids.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
enum Column
{
    FileColumn,
    DateColumn,
    SlotColumn,
    NameColumn,
    SettingsColumn
};
} // namespace

FindBackUpsDlg::FindBackUpsDlg(const QString& name, const QVector<int>& settings, const QStringList& folders,
                               QWidget* parent)
    : QDialog(parent), m_strName(name), m_bBySettings(!settings.isEmpty())
{
    setObjectName(QStringLiteral("FindBackUpsDialog"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setWindowTitle(tr("Find in Back-ups"));
    resize(720, 400);

    auto* pLayout = new QVBoxLayout(this);
    m_pSummary = new QLabel(tr("Looking through the back-ups and preset files..."), this);
    m_pSummary->setObjectName(QStringLiteral("TessitraLabel"));
    m_pSummary->setWordWrap(true);
    m_pList = new QTreeWidget(this);
    m_pList->setObjectName(QStringLiteral("FindBackUpsList"));
    m_pList->setRootIsDecorated(false);
    m_pList->setUniformRowHeights(true);
    m_pList->setHeaderLabels({tr("File"), tr("Date"), tr("Slot"), tr("Name"), tr("Settings")});
    m_pList->header()->setSectionResizeMode(FileColumn, QHeaderView::Stretch);
    for (int column : {DateColumn, SlotColumn, NameColumn, SettingsColumn})
        m_pList->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    m_pList->setAccessibleName(tr("Back-ups and preset files found"));
    m_pList->setAccessibleDescription(tr("Enter opens the file at the chosen preset"));
    m_pSummary->setBuddy(m_pList);

    m_pButtons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_pButtons->setObjectName(QStringLiteral("TessitraButtonBox"));
    m_pOpen = m_pButtons->addButton(tr("Open"), QDialogButtonBox::AcceptRole);
    m_pOpen->setAccessibleDescription(tr("Open the chosen file at its preset"));
    m_pOpen->setEnabled(false);
    const QList<QAbstractButton*> buttons = m_pButtons->buttons();
    for (QAbstractButton* button : buttons) {
        if (auto* pushButton = qobject_cast<QPushButton*>(button))
            pushButton->setFlat(true);
    }
    connect(m_pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pOpen, &QPushButton::clicked, this, &FindBackUpsDlg::openChosen);
    connect(m_pList, &QTreeWidget::itemActivated, this, &FindBackUpsDlg::openChosen);
    connect(m_pList, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { m_pOpen->setEnabled(current != nullptr); });
    pLayout->addWidget(m_pSummary);
    pLayout->addWidget(m_pList);
    pLayout->addWidget(m_pButtons);
    m_pList->setFocus();

    BackUpSearch::Query query;
    query.bByName = !name.isEmpty();
    query.name = name;
    query.settings = settings;
    auto found = std::make_shared<QVector<BackUpSearch::Hit>>();
    m_pThread = QThread::create(
        [query, folders, found, stop = &m_bStop] { *found = BackUpSearch::find(query, folders, stop); });
    // Queued to this dialog: a dialog closed meanwhile (its destructor waits for the thread) hears nothing.
    connect(
        m_pThread, &QThread::finished, this, [this, found] { showHits(*found); }, Qt::QueuedConnection);
    m_pThread->start();
}

FindBackUpsDlg::~FindBackUpsDlg()
{
    m_bStop.store(true);
    m_pThread->wait();
    delete m_pThread;
}

QStringList FindBackUpsDlg::modelFolders()
{
    switch (DeviceManagerThread::instance()->productId()) {
    case UsbIds::ArietteProductId:
        return {g_arietteUserPresetsFolder, g_arietteBackUpFolder};
    case UsbIds::CadenzoProductId:
        return {g_cadenzoUserPresetsFolder, g_cadenzoBackUpFolder};
    default:
        return BackUpSearch::allModelFolders();
    }
}

void FindBackUpsDlg::showHits(const QVector<BackUpSearch::Hit>& hits)
{
    m_hits = hits;
    const bool bByName = !m_strName.isEmpty();
    if (hits.isEmpty())
        m_pSummary->setText(
            bByName && m_bBySettings
                ? tr("No back-up or preset file holds a preset named like \"%1\" or with the same settings.")
                      .arg(m_strName)
            : bByName ? tr("No back-up or preset file holds a preset named like \"%1\".").arg(m_strName)
                      : tr("No back-up or preset file holds a preset with the same settings."));
    else
        m_pSummary->setText(
            bByName && m_bBySettings
                ? tr("Presets named like \"%1\" or with the same settings, newest file first:").arg(m_strName)
            : bByName ? tr("Presets named like \"%1\", newest file first:").arg(m_strName)
                      : tr("Presets with the same settings, newest file first:"));
    const QLocale locale;
    for (const BackUpSearch::Hit& hit : hits) {
        auto* pItem = new QTreeWidgetItem(m_pList);
        pItem->setText(FileColumn, QFileInfo(hit.path).fileName());
        pItem->setToolTip(FileColumn, hit.path);
        pItem->setText(DateColumn, locale.toString(hit.fileDate, QLocale::ShortFormat));
        pItem->setText(SlotColumn, hit.userSlot < 0 ? tr("preset file")
                                                    : QStringLiteral("U%1").arg(hit.userSlot, 2, 10, QLatin1Char('0')));
        pItem->setText(NameColumn, hit.name);
        pItem->setText(SettingsColumn, hit.bSameSettings ? tr("same settings") : QString());
        // A screen reader says something for every cell, an empty one included.
        if (hit.name.isEmpty())
            pItem->setData(NameColumn, Qt::AccessibleTextRole, tr("no name"));
        if (!hit.bSameSettings)
            pItem->setData(SettingsColumn, Qt::AccessibleTextRole, tr("other settings"));
    }
    // Without settings to compare, the column would stay empty.
    m_pList->setColumnHidden(SettingsColumn, !m_bBySettings);
    if (!hits.isEmpty())
        m_pList->setCurrentItem(m_pList->topLevelItem(0));
    m_bDone = true;
    emit searchDone();
}

void FindBackUpsDlg::openChosen()
{
    const int row = m_pList->indexOfTopLevelItem(m_pList->currentItem());
    if (row < 0 || row >= m_hits.size())
        return;
    emit openRequested(m_hits.at(row).path, m_hits.at(row).userSlot);
    accept();
}
