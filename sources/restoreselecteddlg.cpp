#include "restoreselecteddlg.h"

#include "backupimage.h"
#include "presetlabel.h"
#include "presetname.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kSetLists = 5;
}

RestoreSelectedDlg::RestoreSelectedDlg(const BackUpImage& image, const QString& fileName,
                                       const QStringList& presetMarks, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("RestoreSelectedDlg"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setWindowTitle(tr("Restore Selected"));
    resize(460, 520);
    auto* pLayout = new QVBoxLayout(this);
    auto* pIntro = new QLabel(tr("Choose what to put back from %1. Only what is chosen is written; everything else "
                                 "on the unit stays as it is.")
                                  .arg(fileName),
                              this);
    pIntro->setWordWrap(true);
    pIntro->setTextFormat(Qt::PlainText);
    pLayout->addWidget(pIntro);

    auto* pPresetsLabel = new QLabel(tr("&User presets"), this);
    m_pPresets = new QListWidget(this);
    m_pPresets->setObjectName(QStringLiteral("restorePresets"));
    pPresetsLabel->setBuddy(m_pPresets);
    m_pPresets->setAccessibleName(tr("User presets to put back"));
    for (int number = 1; number <= image.presetCount; ++number) {
        const QString entry = PresetLabel::label(number) + QLatin1Char(' ') +
                              PresetName::fromCodes(image.record(number - 1), image.nameLength);
        const QString mark = presetMarks.value(number - 1);
        auto* pItem = new QListWidgetItem(mark.isEmpty() ? entry : tr("%1 (%2)").arg(entry, mark), m_pPresets);
        pItem->setData(Qt::AccessibleTextRole, mark.isEmpty() ? entry : tr("%1, %2").arg(entry, mark));
        pItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        pItem->setCheckState(Qt::Unchecked);
    }
    pLayout->addWidget(pPresetsLabel);
    pLayout->addWidget(m_pPresets, 1);

    auto* pLists = new QHBoxLayout();
    for (int index = 0; index < kSetLists; ++index) {
        auto* pBox = new QCheckBox(
            index == 0 ? tr("Favorites") : tr("Set List %1").arg(QChar(QLatin1Char('A').unicode() + index - 1)), this);
        pBox->setObjectName(QStringLiteral("restoreSetList%1").arg(index));
        pBox->setEnabled(image.hasSetLists);
        pLists->addWidget(pBox);
        m_setLists.append(pBox);
        connect(pBox, &QCheckBox::toggled, this, &RestoreSelectedDlg::updateButton);
    }
    pLayout->addLayout(pLists);
    m_pSysParams = new QCheckBox(image.hasSysParams ? tr("System parameters (the unit is backed up first)")
                                                    : tr("System parameters (not in this back-up)"),
                                 this);
    m_pSysParams->setObjectName(QStringLiteral("restoreSysParams"));
    m_pSysParams->setEnabled(image.hasSysParams);
    pLayout->addWidget(m_pSysParams);

    m_pButtons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_pButtons->setObjectName(QStringLiteral("TessitraButtonBox"));
    m_pButtons->addButton(tr("Restore"), QDialogButtonBox::AcceptRole);
    pLayout->addWidget(m_pButtons);
    connect(m_pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pPresets, &QListWidget::itemChanged, this, &RestoreSelectedDlg::updateButton);
    connect(m_pSysParams, &QCheckBox::toggled, this, &RestoreSelectedDlg::updateButton);
    updateButton();
}

RestoreSelectedDlg::~RestoreSelectedDlg() = default;

void RestoreSelectedDlg::choose(const QList<int>& presets, const QList<int>& setLists, bool bSysParams)
{
    for (int row = 0; row < m_pPresets->count(); ++row)
        m_pPresets->item(row)->setCheckState(presets.contains(row + 1) ? Qt::Checked : Qt::Unchecked);
    for (int index = 0; index < m_setLists.size(); ++index)
        m_setLists.at(index)->setChecked(m_setLists.at(index)->isEnabled() && setLists.contains(index));
    m_pSysParams->setChecked(m_pSysParams->isEnabled() && bSysParams);
    if (QListWidgetItem* pFirst = presets.isEmpty() ? nullptr : m_pPresets->item(presets.constFirst() - 1))
        m_pPresets->scrollToItem(pFirst);
}

QList<int> RestoreSelectedDlg::presets() const
{
    QList<int> numbers;
    for (int row = 0; row < m_pPresets->count(); ++row)
        if (m_pPresets->item(row)->checkState() == Qt::Checked)
            numbers.append(row + 1);
    return numbers;
}

QList<int> RestoreSelectedDlg::setLists() const
{
    QList<int> indexes;
    for (int index = 0; index < m_setLists.size(); ++index)
        if (m_setLists.at(index)->isChecked())
            indexes.append(index);
    return indexes;
}

bool RestoreSelectedDlg::sysParams() const
{
    return m_pSysParams->isChecked();
}

void RestoreSelectedDlg::updateButton()
{
    // Nothing chosen, nothing to put back.
    const QList<QAbstractButton*> buttons = m_pButtons->buttons();
    for (QAbstractButton* pButton : buttons)
        if (m_pButtons->buttonRole(pButton) == QDialogButtonBox::AcceptRole)
            pButton->setEnabled(!presets().isEmpty() || !setLists().isEmpty() || sysParams());
}
