#include "backupview.h"

#include "backupcompare.h"
#include "backupimage.h"
#include "presetlabel.h"
#include "presetname.h"

#include <QCheckBox>
#include <QDataStream>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMimeData>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
// Far above any unit's preset count: a payload naming more is no drag of ours.
constexpr qint32 kMostDraggedPresets = 1000;
constexpr int kSetLists = 5;

enum RowKind
{
    PresetRow,
    SetListRow,
    SysParamsRow
};
constexpr int KindRole = Qt::UserRole;
constexpr int IndexRole = Qt::UserRole + 1;

// The rows as a list that drags out the presets chosen, and only them.
class BackUpTree : public QTreeWidget
{
public:
    explicit BackUpTree(const QString* pPath, QWidget* parent) : QTreeWidget(parent), m_pPath(pPath) {}

protected:
    QStringList mimeTypes() const override { return {BackUpDrag::mimeType()}; }
    QMimeData* mimeData(const QList<QTreeWidgetItem*> items) const override
    {
        BackUpDrag drag{*m_pPath, {}};
        for (int row = 0; row < topLevelItemCount(); ++row) // in the order listed, whatever order they were chosen in
            if (items.contains(topLevelItem(row)) && topLevelItem(row)->data(0, KindRole).toInt() == PresetRow)
                drag.presets.append(topLevelItem(row)->data(0, IndexRole).toInt());
        return drag.presets.isEmpty() ? nullptr : drag.toMime();
    }

private:
    const QString* m_pPath;
};

QString setListTitle(int index)
{
    return index == 0 ? BackUpView::tr("Favorites")
                      : BackUpView::tr("Set List %1").arg(QChar(QLatin1Char('A').unicode() + index - 1));
}
} // namespace

QString BackUpDrag::mimeType()
{
    return QStringLiteral("application/x-tessitra-backup-presets");
}

QByteArray BackUpDrag::encode() const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << path << static_cast<qint32>(presets.size());
    for (int number : presets)
        out << static_cast<qint32>(number);
    return bytes;
}

QMimeData* BackUpDrag::toMime() const
{
    auto* pMime = new QMimeData();
    pMime->setData(mimeType(), encode());
    return pMime;
}

bool BackUpDrag::decode(const QMimeData* pMime, BackUpDrag* pDrag)
{
    if (pMime == nullptr || !pMime->hasFormat(mimeType()))
        return false;
    QDataStream in(pMime->data(mimeType()));
    qint32 count = 0;
    in >> pDrag->path >> count;
    if (in.status() != QDataStream::Ok || count < 1 || count > kMostDraggedPresets)
        return false;
    pDrag->presets.clear();
    for (qint32 i = 0; i < count; ++i) {
        qint32 number = 0;
        in >> number;
        pDrag->presets.append(number);
    }
    return in.status() == QDataStream::Ok && !pDrag->path.isEmpty();
}

BackUpView::BackUpView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("backUpView"));
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(8, 6, 6, 6);
    pLayout->setSpacing(6);
    const auto button = [this](const char* name, const QString& text, const QString& description) {
        auto* pButton = new QPushButton(text, this);
        pButton->setObjectName(QLatin1String(name));
        pButton->setAccessibleName(QString(text).remove(QStringLiteral("...")));
        pButton->setAccessibleDescription(description);
        pButton->setToolTip(description);
        return pButton;
    };

    auto* pHead = new QHBoxLayout();
    m_pTitle = new QLabel(this);
    m_pTitle->setObjectName(QStringLiteral("backUpTitle"));
    m_pTitle->setTextFormat(Qt::PlainText);
    QFont bold = m_pTitle->font();
    bold.setBold(true);
    m_pTitle->setFont(bold);
    m_pClose = button("backUpClose", tr("Close"), tr("Close the back-up beside the unit"));
    pHead->addWidget(m_pTitle, 1);
    pHead->addWidget(m_pClose);
    pLayout->addLayout(pHead);
    m_pTaken = new QLabel(this);
    m_pTaken->setObjectName(QStringLiteral("backUpTaken"));
    pLayout->addWidget(m_pTaken);
    m_pReference = new QLabel(this);
    m_pReference->setObjectName(QStringLiteral("backUpReference"));
    m_pReference->setWordWrap(true);
    pLayout->addWidget(m_pReference);

    // One control a line: the panel stays narrow enough to stand beside the lists in every language.
    auto* pCompare = new QVBoxLayout();
    m_pCompareSettings = button("compareSettings", tr("Compare settings"),
                                tr("Read the presets of the unit once to compare their settings too"));
    m_pCompareFile =
        button("compareFile", tr("Compare with..."), tr("Compare with another back-up instead of the unit"));
    m_pCompareUnit = button("compareUnit", tr("Compare with the unit"), tr("Compare with the unit again"));
    m_pCompareUnit->hide();
    pCompare->addWidget(m_pCompareSettings, 0, Qt::AlignLeft);
    pCompare->addWidget(m_pCompareFile, 0, Qt::AlignLeft);
    pCompare->addWidget(m_pCompareUnit, 0, Qt::AlignLeft);
    pLayout->addLayout(pCompare);
    m_pOnlyDifferences = new QCheckBox(tr("Only differences"), this);
    m_pOnlyDifferences->setObjectName(QStringLiteral("onlyDifferences"));
    m_pOnlyDifferences->setAccessibleDescription(tr("Show only the entries that differ"));
    pLayout->addWidget(m_pOnlyDifferences);

    m_pTree = new BackUpTree(&m_strPath, this);
    m_pTree->setObjectName(QStringLiteral("backUpEntries"));
    m_pTree->setAccessibleName(tr("Back-up entries"));
    m_pTree->setAccessibleDescription(tr("Drag presets onto the user presets to put them back"));
    m_pTree->setColumnCount(2);
    m_pTree->setHeaderLabels({tr("Entry"), tr("Mark")});
    m_pTree->header()->setStretchLastSection(false);
    m_pTree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_pTree->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_pTree->setRootIsDecorated(false);
    m_pTree->setUniformRowHeights(true);
    m_pTree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pTree->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTree->setDragEnabled(true);
    m_pTree->setDragDropMode(QAbstractItemView::DragOnly);
    m_pTree->setDefaultDropAction(Qt::CopyAction);
    pLayout->addWidget(m_pTree, 1);

    auto* pFoot = new QVBoxLayout();
    auto* pHint = new QLabel(tr("Drag presets onto the user presets to put them back."), this);
    pHint->setObjectName(QStringLiteral("backUpHint"));
    pHint->setWordWrap(true);
    m_pRestoreSelected = button("restoreSelected", tr("Restore selected..."),
                                tr("Put back the chosen presets, set lists or system parameters"));
    pFoot->addWidget(pHint);
    pFoot->addWidget(m_pRestoreSelected, 0, Qt::AlignRight);
    pLayout->addLayout(pFoot);

    connect(m_pClose, &QPushButton::clicked, this, &BackUpView::closeRequested);
    connect(m_pCompareSettings, &QPushButton::clicked, this, &BackUpView::compareSettingsRequested);
    connect(m_pCompareFile, &QPushButton::clicked, this, &BackUpView::compareFileRequested);
    connect(m_pCompareUnit, &QPushButton::clicked, this, &BackUpView::compareUnitRequested);
    connect(m_pRestoreSelected, &QPushButton::clicked, this, &BackUpView::restoreSelectedRequested);
    connect(m_pOnlyDifferences, &QCheckBox::toggled, this, &BackUpView::applyFilter);
}

BackUpView::~BackUpView() = default;

void BackUpView::showBackUp(const QString& path, const BackUpImage& image, const QDateTime& taken)
{
    m_strPath = path;
    m_iPresetCount = image.presetCount;
    m_pTitle->setText(QFileInfo(path).fileName());
    m_pTitle->setToolTip(path);
    m_pTaken->setText(tr("Taken %1").arg(QLocale().toString(taken, QLocale::ShortFormat)));
    m_pTree->clear();
    QList<QTreeWidgetItem*> rows;
    const auto add = [&rows](RowKind kind, int index, const QString& text, Qt::ItemFlags flags) {
        auto* pItem = new QTreeWidgetItem(QStringList{text, QString()});
        pItem->setData(0, KindRole, kind);
        pItem->setData(0, IndexRole, index);
        pItem->setFlags(flags);
        pItem->setToolTip(0, text);
        rows.append(pItem);
    };
    const Qt::ItemFlags shown = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    for (int number = 1; number <= image.presetCount; ++number)
        add(PresetRow, number,
            PresetLabel::label(number) + QLatin1Char(' ') +
                PresetName::fromCodes(image.record(number - 1), image.nameLength),
            shown | Qt::ItemIsDragEnabled);
    for (int index = 0; index < kSetLists; ++index) {
        const QString entries = BackUpCompare::setListText(image.setLists, index);
        add(SetListRow, index,
            tr("%1: %2").arg(setListTitle(index), !image.hasSetLists  ? tr("not in this back-up")
                                                  : entries.isEmpty() ? tr("empty")
                                                                      : entries),
            shown);
    }
    add(SysParamsRow, 0,
        image.hasSysParams ? tr("System parameters: held") : tr("System parameters: not in this back-up"), shown);
    m_pTree->addTopLevelItems(rows);
    setMarks(QVector<Mark>(rows.size(), Mark{tr("not compared"), false}));
}

void BackUpView::setMarks(const QVector<Mark>& marks)
{
    m_marks = marks;
    // Differences in the accent, the rest dim: both read at 4.5:1 on the list's ground.
    const QColor differs(0xf2, 0xa9, 0x3b);
    const QColor same(0x8c, 0x92, 0xa6);
    for (int row = 0; row < m_pTree->topLevelItemCount() && row < marks.size(); ++row) {
        QTreeWidgetItem* pItem = m_pTree->topLevelItem(row);
        const Mark& mark = marks.at(row);
        pItem->setText(1, mark.text);
        pItem->setForeground(1, mark.bDiffers ? differs : same);
        // A screen reader hears the entry with its mark: "U08 Panel Edit, renamed".
        pItem->setData(0, Qt::AccessibleTextRole, tr("%1, %2").arg(pItem->text(0), mark.text));
        pItem->setData(1, Qt::AccessibleTextRole, mark.text);
    }
    applyFilter();
}

void BackUpView::applyFilter()
{
    const bool bOnly = m_pOnlyDifferences->isChecked();
    for (int row = 0; row < m_pTree->topLevelItemCount(); ++row)
        m_pTree->topLevelItem(row)->setHidden(bOnly && !m_marks.value(row).bDiffers);
}

void BackUpView::setReference(const QString& text)
{
    m_pReference->setText(text);
}

void BackUpView::setCompareSettingsEnabled(bool bEnabled)
{
    m_pCompareSettings->setEnabled(bEnabled);
}

void BackUpView::setComparingFiles(bool bFiles)
{
    m_pCompareSettings->setVisible(!bFiles);
    m_pCompareFile->setVisible(!bFiles);
    m_pCompareUnit->setVisible(bFiles);
}

void BackUpView::setRestoreEnabled(bool bEnabled)
{
    m_pRestoreSelected->setEnabled(bEnabled);
}

QList<QTreeWidgetItem*> BackUpView::selectedRows(int kind) const
{
    QList<QTreeWidgetItem*> rows;
    for (int row = 0; row < m_pTree->topLevelItemCount(); ++row) {
        QTreeWidgetItem* pItem = m_pTree->topLevelItem(row);
        if (pItem->isSelected() && !pItem->isHidden() && pItem->data(0, KindRole).toInt() == kind)
            rows.append(pItem);
    }
    return rows;
}

QList<int> BackUpView::selectedPresets() const
{
    QList<int> numbers;
    for (const QTreeWidgetItem* pItem : selectedRows(PresetRow))
        numbers.append(pItem->data(0, IndexRole).toInt());
    return numbers;
}

QList<int> BackUpView::selectedSetLists() const
{
    QList<int> indexes;
    for (const QTreeWidgetItem* pItem : selectedRows(SetListRow))
        indexes.append(pItem->data(0, IndexRole).toInt());
    return indexes;
}

bool BackUpView::sysParamsSelected() const
{
    return !selectedRows(SysParamsRow).isEmpty();
}

void BackUpView::selectPreset(int presetNumber)
{
    if (presetNumber < 1 || presetNumber > m_iPresetCount)
        return;
    QTreeWidgetItem* pItem = m_pTree->topLevelItem(presetNumber - 1);
    pItem->setHidden(false); // asked for by name: shown even when it is no difference
    m_pTree->clearSelection();
    m_pTree->setCurrentItem(pItem);
    pItem->setSelected(true);
    m_pTree->scrollToItem(pItem, QAbstractItemView::PositionAtCenter);
}
