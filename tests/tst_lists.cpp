// The preset lists: selection, the context menu per role, renaming, removing from a set list, saving to files,
// when a drag starts, which drops each list takes, the slots a drop overwrites and the questions asked, with the
// device worker stood in for by a tap. The last case is a session with the real worker and a virtual unit.

#include "app.h"
#include "contentwidget.h"
#include "deviceinfo.h"
#include "globals.h"
#include "usbids.h"

#include "support/EventTap.h"
#include "support/ListDrag.h"
#include "support/ModalAnswerer.h"
#include "support/SignalRelay.h"
#include "support/SleepRecorder.h"
#include "support/VirtualBusFixture.h"

#include <QScrollBar>
#include <QTemporaryDir>

using SlotMap = QMap<int, int>;

namespace {
const char* const kMime = "application/aurivell/tessitrastageariette/dragndropPresets";

// A shown list of `count` 119 x 35 entries: user (or no role) "U01\nName 1"... numbered 1...,
// factory "F01\nName 1"... numbered 101..., set-list slots "S01\nName 1"... holding preset 30 + slot.
void fill(ContentWidget& list, const QString& role, int count)
{
    if (!role.isEmpty())
        list.setRole(role);
    list.setSpacing(12);
    list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    list.resize(600, 400);
    const int base = role == "FactoryPresets" ? 100 : role == "SetList" ? 30 : 0;
    const QString prefix = role == "FactoryPresets" ? "F" : role == "SetList" ? "S" : "U";
    for (int i = 1; i <= count; ++i) {
        auto* entry = new PresetButton();
        entry->resize(119, 35);
        entry->setPresetNumber(base + i);
        entry->setPresetName(QString("Name %1").arg(i));
        entry->setText(QString("%1%2\nName %3").arg(prefix).arg(i, 2, 10, QChar('0')).arg(i));
        list.addEntry(entry);
    }
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
}

QList<int> selected(const ContentWidget& list)
{
    QList<int> rows;
    for (int row = 0; row < list.count(); ++row)
        if (list.item(row)->isSelected())
            rows << row;
    return rows;
}

// "2-4,7" for 2, 3, 4, 7.
QString ranges(const QList<int>& numbers)
{
    QStringList parts;
    for (int i = 0; i < numbers.size(); ++i) {
        int j = i;
        while (j + 1 < numbers.size() && numbers.at(j + 1) == numbers.at(j) + 1)
            ++j;
        parts << (j == i ? QString::number(numbers.at(i)) : QString("%1-%2").arg(numbers.at(i)).arg(numbers.at(j)));
        i = j;
    }
    return parts.join(',');
}

void mouse(ContentWidget& list, QEvent::Type type, QPoint at, Qt::MouseButtons held, Qt::KeyboardModifiers mods = {})
{
    QMouseEvent event(type, at, list.viewport()->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, mods);
    QApplication::sendEvent(list.viewport(), &event);
}
} // namespace

class TestLists : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void selectionAndWheel();
    void contextMenu_data();
    void contextMenu();
    void rename_data();
    void rename();
    void removeFromSetList_data();
    void removeFromSetList();
    void save_data();
    void save();
    void dragStart_data();
    void dragStart();
    void dropDecision_data();
    void dropDecision();
    void drops_data();
    void drops();
    void sessionWithTheUnit(); // starts the real device worker: no tap after it

private:
    QTemporaryDir m_home;
    QTemporaryDir m_files;
};

void TestLists::initTestCase()
{
    QVERIFY(m_home.isValid() && m_files.isValid());
    buildDataFolders(m_home.path());
    initTessitraResources();
    g_deviceInfo.maxPresetNameLength = 10;
    for (const char* name : {"a.tarp", "b.tarp", "upper.TARP", "other.txt", "cad.tscp"}) {
        QFile file(m_files.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QDir(m_files.path()).mkdir("folder.tarp"));
}

// Ctrl-clicks select in reading order and check the entries; the wheel steps one line of entries.
void TestLists::selectionAndWheel()
{
    ContentWidget list;
    const int initialStep = list.verticalScrollBar()->singleStep();
    fill(list, "", 40);
    for (int row : {7, 1, 5})
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, centre(list, row));
    QList<int> numbers, checked;
    for (PresetButton* entry : list.selectedEntries())
        numbers << entry->presetNumber();
    for (PresetButton* entry : list.entries())
        if (entry->isChecked())
            checked << entry->presetNumber();
    QCOMPARE(numbers, (QList<int>{2, 6, 8}));
    QCOMPARE(checked, (QList<int>{2, 6, 8}));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, centre(list, 8));
    QCOMPARE(list.selectedEntries(), QList<PresetButton*>{list.entries().at(8)});
    QCOMPARE(list.entries().at(1)->isChecked(), false);

    int perLine = 0;
    for (PresetButton* entry : list.entries())
        perLine += entry->y() == list.entries().first()->y() ? 1 : 0;
    QVERIFY(perLine > 1);
    QWheelEvent wheel(QPointF(50, 50), list.mapToGlobal(QPoint(50, 50)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list.viewport(), &wheel);
    QCOMPARE(list.verticalScrollBar()->singleStep(), perLine * initialStep);
}

void TestLists::contextMenu_data()
{
    QTest::addColumn<QString>("role");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QString>("menu"); // empty: no menu at all
    const QString saveLoad = "menu|Save to computer...*,Load preset...*";
    QTest::newRow("user, none") << "UserPresets" << QList<int>{} << "";
    QTest::newRow("user, one") << "UserPresets" << QList<int>{3} << saveLoad + ",Rename...";
    QTest::newRow("user, two") << "UserPresets" << QList<int>{1, 3} << saveLoad;
    QTest::newRow("factory, one") << "FactoryPresets" << QList<int>{2} << "menu|Save to computer...*";
    QTest::newRow("set list, two") << "SetList" << QList<int>{0, 5} << "menu|Remove...";
}

void TestLists::contextMenu()
{
    QFETCH(QString, role);
    QFETCH(QList<int>, rows);
    QFETCH(QString, menu);
    ContentWidget list;
    fill(list, role, 8);
    select(list, rows);
    ModalAnswerer answerer;
    EventTap tap;
    // Twice: the second request reuses the menu and must not keep the first request's actions.
    for (int round = 0; round < 2; ++round) {
        const QPoint at = rows.isEmpty() ? QPoint(590, 390) : centre(list, rows.first());
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, list.viewport()->mapToGlobal(at));
        QApplication::sendEvent(list.viewport(), &event);
    }
    QCOMPARE(answerer.seen, menu.isEmpty() ? QStringList() : (QStringList{menu, menu}));
    QVERIFY(tap.summary.isEmpty());
}

void TestLists::rename_data()
{
    QTest::addColumn<QString>("role");
    QTest::addColumn<QString>("answer"); // empty: no dialog expected
    QTest::addColumn<QString>("sent");   // empty: nothing posted
    QTest::newRow("new name") << "UserPresets"
                              << "ok:Lead Vox"
                              << "Lead Vox";
    QTest::newRow("cut at the name length") << "UserPresets"
                                            << "ok:ABCDEFGHIJKLMN"
                                            << "ABCDEFGHIJ";
    QTest::newRow("unchanged") << "UserPresets"
                               << "ok:Name 3"
                               << "";
    QTest::newRow("empty") << "UserPresets"
                           << "ok:"
                           << "";
    QTest::newRow("cancelled") << "UserPresets"
                               << "cancel"
                               << "";
    QTest::newRow("factory: no dialog") << "FactoryPresets"
                                        << ""
                                        << "";
    QTest::newRow("set list: no dialog") << "SetList"
                                         << ""
                                         << "";
}

void TestLists::rename()
{
    QFETCH(QString, role);
    QFETCH(QString, answer);
    QFETCH(QString, sent);
    ContentWidget list;
    fill(list, role, 6);
    int* record = new int[4]{1, 2, 3, 4};
    list.entries().at(2)->setPresetData(record);
    EventTap tap;
    ModalAnswerer answerer(answer.isEmpty() ? QStringList() : QStringList{answer});
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, centre(list, 2));
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, centre(list, 2));

    QCOMPARE(answerer.seen, answer.isEmpty() ? QStringList() : QStringList{"Rename|Name 3"});
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(tap.summary, sent.isEmpty() ? QStringList() : QStringList{"device 1012 Rename"});
    if (sent.isEmpty())
        return;
    const EventTap::Posted& p = tap.posted.first();
    QCOMPARE(p.presetNumber, 3);
    QCOMPARE(p.presetName, sent);
    QCOMPARE(p.presetNumber2, -1);
    QCOMPARE(p.record, record);
    // The entry keeps its name until the unit reports the renamed preset back.
    QCOMPARE(list.entries().at(2)->presetName(), QString("Name 3"));
}

void TestLists::removeFromSetList_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("yes") << "Yes";
    QTest::newRow("no") << "No";
    // The removal question stays open when the unit goes away (the user still answers it).
    QTest::newRow("unit lost, then no") << "unit lost";
}

void TestLists::removeFromSetList()
{
    QFETCH(QString, answer);
    ContentWidget list;
    list.setSetListIndex(3);
    fill(list, "SetList", 20);
    select(list, {2, 4}); // slots 3 and 5
    EventTap tap;
    ModalAnswerer answerer({answer});
    list.removePreset();

    QStringList seen{"Load Presets|Do you want to remove selected preset(s) from set list?"};
    if (answer == "unit lost")
        seen << "survived|Load Presets";
    QCOMPARE(answerer.seen, seen);
    QVERIFY(list.selectedEntries().isEmpty());
    QCOMPARE(tap.summary, answer == "Yes" ? QStringList{"device 1006 Editing Set List"} : QStringList());
    if (answer != "Yes")
        return;
    QCOMPARE(tap.posted.first().setListIndex, 3);
    const SlotMap expected{{0, 31},  {1, 32},  {2, 0},   {3, 34},  {4, 0},   {5, 36},  {6, 37},
                           {7, 38},  {8, 39},  {9, 40},  {10, 41}, {11, 42}, {12, 43}, {13, 44},
                           {14, 45}, {15, 46}, {16, 47}, {17, 48}, {18, 49}, {19, 50}};
    QCOMPARE(tap.posted.first().setListEdit, expected);
}

void TestLists::save_data()
{
    QTest::addColumn<QStringList>("existing"); // files already in the folder
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QList<int>>("saved"); // preset numbers handed over; empty: nothing posted
    const QStringList second = {"U02_C_D.tarp"};
    QTest::newRow("second exists, yes") << second << QStringList{"Yes"} << QList<int>{1, 2, 3};
    QTest::newRow("second exists, no") << second << QStringList{"No"} << QList<int>{1, 3};
    QTest::newRow("second exists, cancel") << second << QStringList{"Cancel"} << QList<int>{};
    QTest::newRow("all exist, no, no, no")
        << QStringList{"U01_A_B.tarp", second.first(), "U03_E_F.tarp"} << QStringList{"No", "No", "No"} << QList<int>{};
}

void TestLists::save()
{
    QFETCH(QStringList, existing);
    QFETCH(QStringList, answers);
    QFETCH(QList<int>, saved);
    QTemporaryDir folder;
    for (const QString& name : existing) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    ContentWidget list;
    fill(list, "UserPresets", 4);
    list.entries().at(0)->setText("U01\nA/B");
    list.entries().at(1)->setText("U02\nC:D");
    list.entries().at(2)->setText("U03\nE|F");
    select(list, {2, 0, 1});
    QStringList starts;
    list.setDirectoryChooser([&](QWidget*, const QString& caption, const QString& start) {
        starts << caption + " " + start;
        return folder.path();
    });
    EventTap tap;
    ModalAnswerer answerer(answers);
    list.savePreset();

    QCOMPARE(starts, QStringList{"Choose Directory " + m_home.path() + "/Aurivell/Tessitra/StageAriette/User Presets"});
    QStringList seen;
    for (int i = 0; i < answers.size(); ++i)
        seen << "Confirmation|" + existing.at(i) + " file already exists, do you want to overwrite?";
    QCOMPARE(answerer.seen, seen);
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(tap.summary, saved.isEmpty() ? QStringList() : QStringList{"device 1007 Save Presets"});
    if (!saved.isEmpty()) {
        QCOMPARE(tap.posted.first().saveFolder, folder.path());
        QList<int> numbers;
        for (const DeviceManagerThread::SaveItem& item : tap.posted.first().saveItems) {
            numbers << item.presetNumber;
            QCOMPARE(item.text, list.entries().at(item.presetNumber - 1)->text());
        }
        QCOMPARE(numbers, saved);
    }
    // The folder chosen is where this list's next dialog starts.
    starts.clear();
    list.setDirectoryChooser([&](QWidget*, const QString&, const QString& start) {
        starts << start;
        return QString();
    });
    list.savePreset();
    QCOMPARE(starts, QStringList{folder.path()});
}

void TestLists::dragStart_data()
{
    QTest::addColumn<int>("anchor");   // row clicked first, -1 none
    QTest::addColumn<int>("pressRow"); // -1: empty space
    QTest::addColumn<Qt::KeyboardModifiers>("pressModifiers");
    QTest::addColumn<int>("moveBy"); // in start-drag distances (0: one pixel short)
    QTest::addColumn<bool>("held");
    QTest::addColumn<int>("dragged"); // 0: no drag
    const Qt::KeyboardModifiers none;
    QTest::newRow("one entry") << -1 << 1 << none << 1 << true << 1;
    QTest::newRow("three entries") << 0 << 2 << Qt::KeyboardModifiers(Qt::ShiftModifier) << 2 << true << 3;
    QTest::newRow("short of the distance") << -1 << 1 << none << 0 << true << 0;
    QTest::newRow("button not held") << -1 << 1 << none << 2 << false << 0;
    QTest::newRow("empty space") << 1 << -1 << none << 2 << true << 0;
    QTest::newRow("nothing selected") << 1 << 1 << Qt::KeyboardModifiers(Qt::ControlModifier) << 2 << true << 0;
}

void TestLists::dragStart()
{
    QFETCH(int, anchor);
    QFETCH(int, pressRow);
    QFETCH(Qt::KeyboardModifiers, pressModifiers);
    QFETCH(int, moveBy);
    QFETCH(bool, held);
    QFETCH(int, dragged);
    ContentWidget list;
    fill(list, "FactoryPresets", 8);
    if (anchor >= 0)
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, centre(list, anchor));
    const QPoint start = pressRow >= 0 ? centre(list, pressRow) : QPoint(590, 390);
    mouse(list, QEvent::MouseButtonPress, start, Qt::LeftButton, pressModifiers);
    const int distance = QApplication::startDragDistance();
    const QPoint to = start + QPoint(moveBy == 0 ? distance - 1 : moveBy * distance, 0);
    mouse(list, QEvent::MouseMove, to, held ? Qt::MouseButtons(Qt::LeftButton) : Qt::MouseButtons());

    const QDrag* drag = list.lastDrag();
    QCOMPARE(drag != nullptr, dragged != 0);
    if (drag == nullptr)
        return;
    QCOMPARE(list.selectedEntries().size(), dragged);
    QCOMPARE(drag->mimeData()->formats(), QStringList{kMime});
    QCOMPARE(drag->mimeData()->data(kMime).size(), 8);
    QCOMPARE(drag->pixmap().isNull(), false);
}

// The drop decision table: which list takes what.
void TestLists::dropDecision_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("source"); // a role, "self", or "files:" and file names
    QTest::addColumn<bool>("accepted");
    const auto row = [](const char* target, const char* source, bool accepted) {
        QTest::addRow("%s <- %s", target, source) << QString(target) << QString(source) << accepted;
    };
    row("UserPresets", "FactoryPresets", true);
    row("UserPresets", "SetList", false);
    row("UserPresets", "self", false);
    row("UserPresets", "files:a.tarp,b.tarp", true);
    row("UserPresets", "files:a.tarp,upper.TARP", false);
    row("UserPresets", "files:other.txt", false);
    row("UserPresets", "files:cad.tscp", false); // the other model's preset
    row("UserPresets", "files:folder.tarp", false);
    row("UserPresets", "files:", false);
    row("FactoryPresets", "UserPresets", false);
    row("FactoryPresets", "files:a.tarp", false);
    row("SetList", "UserPresets", true);
    row("SetList", "FactoryPresets", true);
    row("SetList", "SetList", false);
    row("SetList", "files:a.tarp", false);
}

void TestLists::dropDecision()
{
    QFETCH(QString, target);
    QFETCH(QString, source);
    QFETCH(bool, accepted);
    ContentWidget list;
    fill(list, target, 8);
    ContentWidget other;
    ContentWidget* from = source == "self" ? &list : &other;
    QStringList paths;
    const bool files = source.startsWith("files:");
    for (const QString& name : source.mid(6).split(',', Qt::SkipEmptyParts))
        paths << m_files.filePath(name);
    if (!files && from == &other)
        fill(other, source, 4);
    if (!files)
        select(*from, {0, 1});
    const auto drag = [&] { return files ? fileDrag(paths) : listDrag(*from); };
    if (from != &list)
        list.clearSelection();

    EventTap tap;
    ModalAnswerer answerer({"No"});
    const QList<int> before = selected(list);
    QCOMPARE(dragTo(list, drag(), centre(list, 3), false), accepted);
    // Accepted: the two slots the drop would overwrite show selected; refused: nothing changes.
    QCOMPARE(selected(list), (accepted ? QList<int>{3, 4} : before));
    // Over empty space even an accepted kind is refused, and the highlight goes.
    QVERIFY(!dragTo(list, drag(), QPoint(590, 390), false));
    if (accepted)
        QVERIFY(selected(list).isEmpty());
    // The drop itself: accepted kinds ask first, and No writes nothing and clears the highlight.
    dragTo(list, drag(), centre(list, 3), true);
    QCOMPARE(answerer.seen.size(), accepted ? 1 : 0);
    QVERIFY(tap.summary.isEmpty());
    if (accepted)
        QVERIFY(selected(list).isEmpty());
}

void TestLists::drops_data()
{
    QTest::addColumn<QString>("from");      // "files", or the role of the list dragged from
    QTest::addColumn<QList<int>>("picked"); // rows selected there, or the numbers of the files f1.tarp...
    QTest::addColumn<int>("setList");       // -1: dropped on the user presets (25 entries, 20 on row 18)
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("question"); // "..." stands for the middle of a long text
    QTest::addColumn<QString>("posted");   // slots lit by the drag, what reached the worker; empty: nothing
    const QString files = "Load Presets|Do you want to overwrite the presets <b>%1</b> with <b>%2</b>?";
    const QString presets = "Load Presets|Do you want to overwrite the presets <b>%1</b>\nwith\n<b>%2</b>?";
    const QString many = "Load Presets|Do you want to overwrite the presets?";
    const QString edit = "Load Presets|Do you want to edit <b>%1</b>?";
    QList<int> rows20, rows21, files20, files21;
    for (int i = 0; i < 21; ++i) {
        rows21 << i;
        files21 << i + 1;
    }
    rows20 = rows21.mid(0, 20);
    files20 = files21.mid(0, 20);
    QTest::newRow("three files on row 18 of 20")
        << "files" << QList<int>{1, 2, 3} << -1 << 18 << "Yes" << files.arg("U19_Name 19, U20_Name 20", "f1, f2")
        << "lit 18-19 1009 to 19-20 files 1-2";
    QTest::newRow("three factory presets")
        << "FactoryPresets" << QList<int>{0, 1, 2} << -1 << 1 << "Yes"
        << presets.arg("U02_Name 2, U03_Name 3, U04_Name 4", "F01_Name 1, F02_Name 2, F03_Name 3")
        << "lit 1-3 1011 to 2-4 from 101-103";
    QTest::newRow("20 factory presets") << "FactoryPresets" << rows20 << -1 << 1 << "Yes"
                                        << presets.arg("U02_Name 2, ...U21_Name 21", "F01_Name 1, ...F20_Name 20")
                                        << "lit 1-20 1011 to 2-21 from 101-120";
    QTest::newRow("21 factory presets") << "FactoryPresets" << rows21 << -1 << 1 << "Yes" << many
                                        << "lit 1-21 1011 to 2-22 from 101-121";
    QTest::newRow("20 files") << "files" << files20 << -1 << 1 << "Yes"
                              << files.arg("U02_Name 2, ...U21_Name 21", "f1, ...f20")
                              << "lit 1-20 1009 to 2-21 files 1-20";
    QTest::newRow("21 files, no") << "files" << files21 << -1 << 1 << "No" << many << "";
    // Set lists: the picked presets in reading order from the drop slot on.
    QTest::newRow("two user presets on slot 5") << "UserPresets" << QList<int>{4, 2} << 2 << 4 << "Yes"
                                                << edit.arg("Set List B") << "lit 4-5 1006 set 2: 4=3 5=5";
    QTest::newRow("factory presets on the last slot") << "FactoryPresets" << QList<int>{4, 2} << 0 << 19 << "Yes"
                                                      << edit.arg("Favorites") << "lit 19 1006 set 0: 19=103";
    QTest::newRow("set list, no") << "UserPresets" << QList<int>{4, 2} << 4 << 0 << "No" << edit.arg("Set List D")
                                  << "";
    // The question closes as No when the unit goes away (nothing survives).
    QTest::newRow("set list, unit lost") << "UserPresets" << QList<int>{4, 2} << 1 << 0 << "unit lost"
                                         << edit.arg("Set List A") << "";
}

void TestLists::drops()
{
    QFETCH(QString, from);
    QFETCH(QList<int>, picked);
    QFETCH(int, setList);
    QFETCH(int, row);
    QFETCH(QString, answer);
    QFETCH(QString, question);
    QFETCH(QString, posted);
    ContentWidget target, source;
    target.setSetListIndex(setList);
    fill(target, setList >= 0 ? "SetList" : "UserPresets", setList >= 0 || row == 18 ? 20 : 25);
    QStringList files;
    if (from == "files") {
        for (int i : picked)
            files << m_files.filePath(QString("f%1.tarp").arg(i));
    } else {
        fill(source, from, 25);
        select(source, picked);
    }
    const auto drag = [&] { return from == "files" ? fileDrag(files) : listDrag(source); };
    EventTap tap;
    ModalAnswerer answerer({answer});
    QVERIFY(dragTo(target, drag(), centre(target, row), false));
    const QString lit = "lit " + ranges(selected(target)) + ' ';
    dragTo(target, drag(), centre(target, row), true);

    QCOMPARE(answerer.seen.size(), 1);
    const QString shown = answerer.seen.first();
    const QStringList parts = question.split("...");
    QVERIFY2(shown.startsWith(parts.first()) && shown.endsWith(parts.last()), qPrintable(shown));
    QCOMPARE(parts.size() == 1 ? shown : QString(), parts.size() == 1 ? question : QString());
    if (parts.size() > 1)
        QCOMPARE(shown.count(", "), 2 * (picked.size() - 1)); // every pair named
    if (posted.isEmpty()) {
        QCOMPARE(tap.summary, QStringList());
        QVERIFY(selected(target).isEmpty());
        return;
    }
    const EventTap::Posted& p = tap.posted.value(0);
    QString payload = lit + tap.summary.value(0).section(' ', 1, 1);
    if (setList >= 0) {
        payload += QString(" set %1:").arg(p.setListIndex);
        for (auto it = p.setListEdit.cbegin(); it != p.setListEdit.cend(); ++it)
            payload += QString(" %1=%2").arg(it.key()).arg(it.value());
    } else {
        QList<int> numbers;
        for (const QString& file : p.files)
            numbers << QFileInfo(file).baseName().mid(1).toInt();
        payload += " to " + ranges(p.destinations) + (p.sources.isEmpty() ? QString() : " from " + ranges(p.sources)) +
                   (numbers.isEmpty() ? QString() : " files " + ranges(numbers));
    }
    QCOMPARE(payload, posted);
}

// The real worker against a virtual unit: a factory drag, a save and a file drop, a rename and a set-list drop,
// each answered as the user would, then the unit's memory checked preset by preset.
void TestLists::sessionWithTheUnit()
{
    QVERIFY(QDir().mkpath(m_home.path() + "/Aurivell/Tessitra/StageAriette/Factory Presets"));
    VirtualBusFixture bus;
    SleepRecorder sleeps;
    QVERIFY(bus.plug("A1", UnitModel::Ariette));
    const VirtualUnit before = bus.unit("A1");

    DeviceManagerThread* worker = DeviceManagerThread::instance();
    // Records and set lists the worker hands back belong to the receiver, as they do for the window.
    QObject sink;
    connect(worker, qOverload<int, int, int, int*, int, int, int, int>(&DeviceManagerThread::singlePresetData), &sink,
            [](int, int, int, int* data, int, int, int, int) { delete[] data; });
    connect(worker, &DeviceManagerThread::setListData, &sink, [](int, const int* data) { delete[] data; });
    SignalRelay relay;
    relay.watch(worker, &DeviceManagerThread::operationFinished, "finished");
    worker->setPollInterval(50);
    worker->moveToThread(worker);
    worker->start();
    const auto stop = qScopeGuard([worker] {
        worker->setAbort(true);
        worker->quit();
        worker->wait();
        delete worker;
    });
    QTRY_VERIFY_WITH_TIMEOUT(g_bDeviceConnected.load() && worker->productId() == 0x0A21, 15000);

    ContentWidget user, factory, favourites;
    fill(user, "UserPresets", 20);
    fill(factory, "FactoryPresets", 5);
    favourites.setSetListIndex(0);
    fill(favourites, "SetList", 20);
    for (PresetButton* entry : user.entries())
        entry->setPresetName(before.presetName(entry->presetNumber()).trimmed());

    ModalAnswerer answerer({"Yes", "Yes", "ok:Renamed", "Yes"});
    select(factory, {0, 1}); // factory presets 101 and 102 onto user presets 1 and 2
    QVERIFY(dragTo(user, listDrag(factory), centre(user, 0), true));
    QVERIFY(relay.waitFor("finished(", 15000, 1));
    user.setDirectoryChooser([&](QWidget*, const QString&, const QString&) { return m_files.path(); });
    select(user, {2}); // user preset 3 to a file, the file onto user preset 6
    user.savePreset();
    QVERIFY(relay.waitFor("finished(", 15000, 2));
    const QString saved = m_files.filePath("U03_Name 3.tarp");
    QVERIFY2(QFile::exists(saved), qPrintable(saved));
    QVERIFY(dragTo(user, fileDrag({saved}), centre(user, 5), true));
    QVERIFY(relay.waitFor("finished(", 15000, 3));
    QTest::mouseClick(user.viewport(), Qt::LeftButton, Qt::NoModifier, centre(user, 3)); // user preset 4 renamed
    QTest::mouseDClick(user.viewport(), Qt::LeftButton, Qt::NoModifier, centre(user, 3));
    QVERIFY(relay.waitFor("finished(", 15000, 4));
    select(user, {0, 1}); // user presets 1 and 2 into favourites slots 3 and 4
    QVERIFY(dragTo(favourites, listDrag(user), centre(favourites, 2), true));
    QVERIFY(relay.waitFor("finished(", 15000, 5));
    QCOMPARE(relay.count("finished(0,true)"), 5);
    QCOMPARE(answerer.pending(), 0);

    const VirtualUnit after = bus.unit("A1");
    for (int number = 1; number <= 100; ++number) {
        QCOMPARE(after.record(100 + number), before.record(100 + number));
        const int from = number == 1 || number == 2 ? 100 + number : number == 6 ? 3 : number;
        const int skip = number == 4 ? 16 : 0; // preset 4 gets a new name and keeps its parameters
        QCOMPARE(after.record(number).mid(skip), before.record(from).mid(skip));
    }
    QCOMPARE(after.presetName(4).trimmed(), QString("Renamed"));
    QVector<int> favouritesAfter = before.setList(0);
    favouritesAfter[2] = 1;
    favouritesAfter[3] = 2;
    QCOMPARE(after.setList(0), favouritesAfter);
    for (int index = 1; index < 5; ++index)
        QCOMPARE(after.setList(index), before.setList(index));
}

QTEST_MAIN(TestLists)
#include "tst_lists.moc"
