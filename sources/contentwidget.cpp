#include "contentwidget.h"

#include "DeviceManagerThread.h"
#include "globals.h"
#include "log.h"
#include "usbids.h"

#include <QContextMenuEvent>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

// ---------------------------------------------------------------------------------------------------------------
// PresetButton

PresetButton::PresetButton(QWidget* parent) : QPushButton(parent)
{
    setObjectName(QStringLiteral("PresetButton"));
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
    setToolTip(QStringLiteral("Select preset(s) to drag"));
}

PresetButton::~PresetButton() = default;

void PresetButton::setPresetData(int* pPresetData)
{
    m_pPresetData.reset(pPresetData);
}

// The list underneath decides about clicks, selection and drags, so the entry lets every such event pass.
void PresetButton::mousePressEvent(QMouseEvent* e)
{
    e->ignore();
}

void PresetButton::mouseReleaseEvent(QMouseEvent* e)
{
    e->ignore();
}

void PresetButton::mouseDoubleClickEvent(QMouseEvent* e)
{
    e->ignore();
}

void PresetButton::mouseMoveEvent(QMouseEvent* e)
{
    e->ignore();
}

void PresetButton::dragEnterEvent(QDragEnterEvent* e)
{
    e->ignore();
}

void PresetButton::dragMoveEvent(QDragMoveEvent* e)
{
    e->ignore();
}

void PresetButton::dragLeaveEvent(QDragLeaveEvent* e)
{
    e->ignore();
}

void PresetButton::dropEvent(QDropEvent* e)
{
    e->ignore();
}

void PresetButton::contextMenuEvent(QContextMenuEvent* e)
{
    emit contextMenuRequested(e->globalPos());
}

// ---------------------------------------------------------------------------------------------------------------
// ContentWidget

ContentWidget::ContentWidget(QWidget* parent)
    : QListWidget(parent), m_strArietteFolder(g_arietteUserPresetsFolder),
      m_strCadenzoFolder(g_cadenzoUserPresetsFolder)
{
    m_pCurrentFolder = &m_strArietteFolder;

    setViewportMargins(10, 10, 0, 10);
    setViewMode(QListView::IconMode);
    setResizeMode(QListView::Adjust);
    setAcceptDrops(true);
    setWordWrap(true);
    setAutoScroll(true);

    m_iScrollStep = verticalScrollBar()->singleStep();

    connect(this, &QListWidget::itemSelectionChanged, this, &ContentWidget::onItemSelectionChanged);
    connect(DeviceManagerThread::instance(), &DeviceManagerThread::deviceDetected, this,
            &ContentWidget::onDeviceDetected);
}

ContentWidget::~ContentWidget()
{
    delete m_pDrag;
}

void ContentWidget::setRole(const QString& role)
{
    m_strRole = role;
    if (role == QLatin1String("FactoryPresets")) {
        m_strArietteFolder = g_arietteFactoryPresetsFolder;
        m_strCadenzoFolder = g_cadenzoFactoryPresetsFolder;
    }
}

void ContentWidget::addEntry(PresetButton* button)
{
    auto* item = new QListWidgetItem();
    item->setData(Qt::SizeHintRole, QSize(button->geometry().width(), button->geometry().height()));
    insertItem(count(), item);
    setItemWidget(item, button);
    m_buttons.append(button);
}

void ContentWidget::clearEntries()
{
    // The selection list is emptied first: the entries it points to are about to go with their rows.
    m_selectedButtons.clear();
    m_buttons.clear();
    clear();
}

void ContentWidget::onDeviceDetected(int iPid)
{
    m_pCurrentFolder = iPid == UsbIds::ArietteProductId ? &m_strArietteFolder : &m_strCadenzoFolder;
}

void ContentWidget::onContextMenuRequested(QPoint globalPos)
{
    Q_UNUSED(globalPos)
}

void ContentWidget::onItemSelectionChanged()
{
    TS_DEBUG("Entering");
    QList<PresetButton*> selected;
    const QList<QListWidgetItem*> items = selectedItems();
    for (QListWidgetItem* item : items) {
        if (auto* button = qobject_cast<PresetButton*>(itemWidget(item)))
            selected.append(button);
    }

    const QList<PresetButton*> previous = m_selectedButtons;
    for (PresetButton* button : previous) {
        if (!selected.contains(button)) {
            button->setChecked(false);
            m_selectedButtons.removeOne(button);
        }
    }
    for (PresetButton* button : qAsConst(selected))
        onPresetButtonClicked(button);
}

void ContentWidget::onPresetButtonClicked(PresetButton* pButton)
{
    if (pButton == nullptr || m_selectedButtons.contains(pButton))
        return;
    pButton->setChecked(true);

    // Keep the selection in reading order, whatever order the entries were clicked in.
    const QPoint pos = pButton->pos();
    int index = 0;
    for (; index < m_selectedButtons.size(); ++index) {
        const QPoint other = m_selectedButtons.at(index)->pos();
        if (other.y() > pos.y() || (other.y() == pos.y() && other.x() > pos.x()))
            break;
    }
    m_selectedButtons.insert(index, pButton);
}

void ContentWidget::wheelEvent(QWheelEvent* e)
{
    // One notch scrolls a whole line of entries: count the entries that share the first row's line.
    int perLine = 1;
    if (count() > 0) {
        const QWidget* first = itemWidget(item(0));
        for (int row = 1; first != nullptr && row < count(); ++row) {
            const QWidget* entry = itemWidget(item(row));
            if (entry == nullptr || entry->y() != first->y())
                break;
            ++perLine;
        }
    }
    verticalScrollBar()->setSingleStep(perLine * m_iScrollStep);
    QAbstractScrollArea::wheelEvent(e);
}
