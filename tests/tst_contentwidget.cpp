// The preset list and its entries: entry defaults and record ownership, rows and their widgets, the
// selection mirrored into the entries in reading order, and the wheel step of one line of entries.

#include "contentwidget.h"
#include "globals.h"

#include <QContextMenuEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>

class TestContentWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void entryDefaults();
    void entryReportsRightClick();
    void addAndClearEntries();
    void selectionInReadingOrder_data();
    void selectionInReadingOrder();
    void wheelScrollsOneLine();

private:
    // A list wide enough for a few entries per line, filled with count 119 x 35 entries numbered from 1.
    static void fill(ContentWidget& list, int count);

    QTemporaryDir m_home;
};

void TestContentWidget::initTestCase()
{
    QVERIFY(m_home.isValid());
    buildDataFolders(m_home.path());
}

void TestContentWidget::fill(ContentWidget& list, int count)
{
    list.setSpacing(12);
    list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    list.resize(600, 300);
    for (int i = 1; i <= count; ++i) {
        auto* entry = new PresetButton();
        entry->resize(119, 35);
        entry->setPresetNumber(i);
        entry->setText(QString("U%1\nName %1").arg(i, 2, 10, QChar('0')));
        list.addEntry(entry);
    }
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
}

void TestContentWidget::entryDefaults()
{
    PresetButton entry;
    QCOMPARE(entry.objectName(), QString("PresetButton"));
    QVERIFY(entry.isCheckable());
    QCOMPARE(entry.focusPolicy(), Qt::NoFocus);
    QCOMPARE(entry.toolTip(), QString("Select preset(s) to drag"));
    QCOMPARE(entry.presetNumber(), 0);
    QVERIFY(entry.presetName().isEmpty());
    QVERIFY(entry.presetData() == nullptr);

    // The two properties reach the same fields as the setters.
    QVERIFY(entry.setProperty("presetNumber", 107));
    QVERIFY(entry.setProperty("presetName", QString("Lead")));
    QCOMPARE(entry.presetNumber(), 107);
    QCOMPARE(entry.presetName(), QString("Lead"));

    // Replacing the record frees the old one; the sanitizer build reports a leak or a double free here.
    entry.setPresetData(new int[4]{1, 2, 3, 4});
    QCOMPARE(entry.presetData()[2], 3);
    entry.setPresetData(new int[2]{9, 8});
    QCOMPARE(entry.presetData()[0], 9);
    entry.setPresetData(nullptr);
    QVERIFY(entry.presetData() == nullptr);
    entry.setPresetData(new int[1]{5});
}

void TestContentWidget::entryReportsRightClick()
{
    PresetButton entry;
    QSignalSpy spy(&entry, &PresetButton::contextMenuRequested);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(3, 4), QPoint(503, 704));
    QApplication::sendEvent(&entry, &event);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().toPoint(), QPoint(503, 704));
}

void TestContentWidget::addAndClearEntries()
{
    ContentWidget list;
    QVERIFY(list.role().isEmpty());
    QCOMPARE(list.viewMode(), QListView::IconMode);
    QVERIFY(list.acceptDrops());
    fill(list, 5);

    QCOMPARE(list.count(), 5);
    QCOMPARE(list.entries().size(), 5);
    for (int row = 0; row < 5; ++row) {
        QCOMPARE(list.itemWidget(list.item(row)), list.entries().at(row));
        QCOMPARE(list.entries().at(row)->presetNumber(), row + 1);
        QCOMPARE(list.item(row)->sizeHint(), QSize(119, 35));
    }

    list.item(1)->setSelected(true);
    QCOMPARE(list.selectedEntries().size(), 1);
    QPointer<PresetButton> gone = list.entries().at(1);
    list.clearEntries();
    QCOMPARE(list.count(), 0);
    QVERIFY(list.entries().isEmpty());
    QVERIFY(list.selectedEntries().isEmpty());
    QTRY_VERIFY(gone.isNull());
}

void TestContentWidget::selectionInReadingOrder_data()
{
    QTest::addColumn<QList<int>>("clicked");  // rows, in click order
    QTest::addColumn<QList<int>>("expected"); // preset numbers, in reading order
    QTest::newRow("5, 1, 3") << QList<int>{4, 0, 2} << QList<int>{1, 3, 5};
    QTest::newRow("across lines") << QList<int>{7, 1, 5} << QList<int>{2, 6, 8};
    QTest::newRow("one") << QList<int>{6} << QList<int>{7};
}

void TestContentWidget::selectionInReadingOrder()
{
    QFETCH(QList<int>, clicked);
    QFETCH(QList<int>, expected);

    ContentWidget list;
    fill(list, 9);
    QVERIFY(list.entries().at(0)->y() < list.entries().at(8)->y()); // more than one line

    for (int row : clicked)
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list.visualItemRect(list.item(row)).center());
    QList<int> numbers;
    for (PresetButton* entry : list.selectedEntries())
        numbers.append(entry->presetNumber());
    QCOMPARE(numbers, expected);
    for (PresetButton* entry : list.entries())
        QCOMPARE(entry->isChecked(), expected.contains(entry->presetNumber()));

    // A plain click elsewhere leaves only that entry selected and unchecks the others.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, list.visualItemRect(list.item(8)).center());
    QCOMPARE(list.selectedEntries(), QList<PresetButton*>{list.entries().at(8)});
    for (PresetButton* entry : list.entries())
        QCOMPARE(entry->isChecked(), entry == list.entries().at(8));
}

void TestContentWidget::wheelScrollsOneLine()
{
    ContentWidget list;
    const int initialStep = list.verticalScrollBar()->singleStep();
    fill(list, 40);
    int perLine = 0;
    for (PresetButton* entry : list.entries())
        perLine += entry->y() == list.entries().first()->y() ? 1 : 0;
    QVERIFY(perLine > 1);

    QWheelEvent wheel(QPointF(50, 50), list.mapToGlobal(QPoint(50, 50)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list.viewport(), &wheel);
    QCOMPARE(list.verticalScrollBar()->singleStep(), perLine * initialStep);
}

QTEST_MAIN(TestContentWidget)
#include "tst_contentwidget.moc"
