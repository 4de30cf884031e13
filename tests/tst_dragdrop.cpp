// Dragging presets between the lists and dropping preset files on the user presets: when a drag starts and
// what it carries, which drops each list takes (the forbidden cursor on the others), the slots a drop
// highlights and overwrites, the confirmation texts, and what reaches the device worker. The last cases run
// the real worker against a virtual unit and check the unit's memory afterwards.

#include "ListHarness.h"
#include "app.h"
#include "globals.h"
#include "usbids.h"

#include "support/SleepRecorder.h"
#include "support/VirtualBusFixture.h"

#include <QMimeData>
#include <QTemporaryDir>

using SlotMap = QMap<int, int>;

namespace {

// The MIME data a list's drag carries, or a file drag's.
QMimeData* listDrag(const ContentWidget& source)
{
    auto* mime = new QMimeData();
    mime->setData(ContentWidget::dragMimeType(), source.dragPayload());
    return mime;
}

QMimeData* fileDrag(const QStringList& paths)
{
    auto* mime = new QMimeData();
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    mime->setUrls(urls);
    return mime;
}

// Enter, move to `at`, then (when drop) drop there, as the platform delivers them to the list's viewport.
// Returns whether the move was accepted.
bool dragTo(ContentWidget& target, QMimeData* mime, QPoint at, bool drop)
{
    std::unique_ptr<QMimeData> owner(mime);
    QDragEnterEvent enter(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target.viewport(), &enter);
    QDragMoveEvent move(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target.viewport(), &move);
    if (drop) {
        QDropEvent dropEvent(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target.viewport(), &dropEvent);
    }
    return move.isAccepted();
}

void sendMouse(ContentWidget& list, QEvent::Type type, QPoint at, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, list.viewport()->mapToGlobal(at), button, buttons, modifiers);
    QApplication::sendEvent(list.viewport(), &event);
}

} // namespace

class TestDragDrop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dragStart_data();
    void dragStart();
    void dropDecision_data();
    void dropDecision();
    void fileAndFactoryDrops_data();
    void fileAndFactoryDrops();
    void setListDrop_data();
    void setListDrop();
    void againstTheUnit(); // it moves the device worker into its own running thread: no tap after it
    void cadenzoConnected();
    void cleanupTestCase();

private:
    QTemporaryDir m_home;
    QTemporaryDir m_files;
    std::unique_ptr<VirtualBusFixture> m_bus;
    std::unique_ptr<SleepRecorder> m_sleeps;
    bool m_workerStarted = false;
};

void TestDragDrop::initTestCase()
{
    QVERIFY(m_home.isValid() && m_files.isValid());
    buildDataFolders(m_home.path());
    initTessitraResources();
    for (const char* name : {"a.tarp", "b.tarp", "upper.TARP", "other.txt", "cad.tscp"}) {
        QFile file(m_files.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QDir(m_files.path()).mkdir("folder.tarp"));
}

void TestDragDrop::dragStart_data()
{
    QTest::addColumn<int>("anchor");   // row clicked first, -1 none
    QTest::addColumn<int>("pressRow"); // -1: empty space
    QTest::addColumn<Qt::KeyboardModifiers>("pressModifiers");
    QTest::addColumn<int>("moveBy"); // Manhattan distance of the move, in start-drag distances (0: one pixel short)
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

void TestDragDrop::dragStart()
{
    QFETCH(int, anchor);
    QFETCH(int, pressRow);
    QFETCH(Qt::KeyboardModifiers, pressModifiers);
    QFETCH(int, moveBy);
    QFETCH(bool, held);
    QFETCH(int, dragged);

    ContentWidget list;
    fillRole(list, "FactoryPresets", 8);
    if (anchor >= 0)
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(list, anchor));
    const QPoint start = pressRow >= 0 ? rowCentre(list, pressRow) : QPoint(590, 390);
    sendMouse(list, QEvent::MouseButtonPress, start, Qt::LeftButton, pressModifiers);
    const int distance = QApplication::startDragDistance();
    const QPoint to = start + QPoint(moveBy == 0 ? distance - 1 : moveBy * distance, 0);
    sendMouse(list, QEvent::MouseMove, to, held ? Qt::MouseButtons(Qt::LeftButton) : Qt::MouseButtons());

    const QDrag* drag = list.lastDrag();
    QCOMPARE(drag != nullptr, dragged != 0);
    if (dragged == 0)
        return;
    QCOMPARE(list.selectedEntries().size(), dragged);
    QCOMPARE(drag->source(), &list);
    QCOMPARE(drag->mimeData()->formats(), QStringList{"application/aurivell/tessitrastageariette/dragndropPresets"});
    const QByteArray payload = drag->mimeData()->data(ContentWidget::dragMimeType());
    QCOMPARE(payload.size(), 8);
    QCOMPARE(payload, list.dragPayload());

    const QImage drawn = drag->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(drag->hotSpot(), QPoint(drawn.width() / 2, drawn.height() * 2 / 3));
    if (dragged == 1) {
        // The entry as the list shows it: the viewport's picture of exactly that rectangle.
        const PresetButton* entry = list.selectedEntries().first();
        QCOMPARE(drawn.size(), entry->size());
        QCOMPARE(drawn, list.viewport()->grab(entry->frameGeometry()).toImage().convertToFormat(QImage::Format_ARGB32));
        return;
    }
    const QImage plain = QPixmap(":/images/presets_selected.png").toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(drawn.size(), plain.size());
    int white = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            white += drawn.pixel(x, y) != plain.pixel(x, y) && drawn.pixel(x, y) == qRgba(255, 255, 255, 255);
    QVERIFY2(white > 5, "the count is painted in white on the picture");
}

void TestDragDrop::dropDecision_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("source"); // a role, "self", or "files:" and file names
    QTest::addColumn<bool>("accepted");
    const auto row = [](const char* name, const char* target, const char* source, bool accepted) {
        QTest::newRow(name) << QString(target) << QString(source) << accepted;
    };
    row("user <- factory", "UserPresets", "FactoryPresets", true);
    row("user <- set list", "UserPresets", "SetList", false);
    row("user <- itself", "UserPresets", "self", false);
    row("user <- preset files", "UserPresets", "files:a.tarp,b.tarp", true);
    row("user <- upper-case extension", "UserPresets", "files:a.tarp,upper.TARP", false);
    row("user <- other file", "UserPresets", "files:other.txt", false);
    row("user <- other model's file", "UserPresets", "files:cad.tscp", false);
    row("user <- folder", "UserPresets", "files:folder.tarp", false);
    row("user <- no files", "UserPresets", "files:", false);
    row("factory <- user", "FactoryPresets", "UserPresets", false);
    row("factory <- files", "FactoryPresets", "files:a.tarp", false);
    row("set list <- user", "SetList", "UserPresets", true);
    row("set list <- factory", "SetList", "FactoryPresets", true);
    row("set list <- other set list", "SetList", "SetList", false);
    row("set list <- files", "SetList", "files:a.tarp", false);
}

void TestDragDrop::dropDecision()
{
    QFETCH(QString, target);
    QFETCH(QString, source);
    QFETCH(bool, accepted);

    ContentWidget list;
    fillRole(list, target, 8);
    ContentWidget other;
    ContentWidget* from = source == "self" ? &list : &other;
    QStringList paths;
    const bool files = source.startsWith("files:");
    for (const QString& name : source.mid(6).split(',', Qt::SkipEmptyParts))
        paths << m_files.filePath(name);
    if (!files && from == &other)
        fillRole(other, source, 4);
    if (!files)
        selectRows(*from, {0, 1});
    const auto drag = [&] { return files ? fileDrag(paths) : listDrag(*from); };
    if (from != &list)
        list.clearSelection();

    WorkerTap tap;
    ListAnswerer answerer({"No"});
    const QList<int> before = selectedRows(list);
    QCOMPARE(dragTo(list, drag(), rowCentre(list, 3), false), accepted);
    // Accepted: the two slots the drop would overwrite show selected; refused: nothing changes.
    QCOMPARE(selectedRows(list), (accepted ? QList<int>{3, 4} : before));

    // Over empty space even an accepted kind is refused, and the highlight goes.
    QVERIFY(!dragTo(list, drag(), QPoint(590, 390), false));
    if (accepted)
        QVERIFY(selectedRows(list).isEmpty());

    // The drop itself: accepted kinds ask first, and No writes nothing and clears the highlight.
    dragTo(list, drag(), rowCentre(list, 3), true);
    QCOMPARE(answerer.seen.size(), accepted ? 1 : 0);
    QVERIFY(tap.posted.isEmpty());
    if (accepted)
        QVERIFY(selectedRows(list).isEmpty());
}

void TestDragDrop::fileAndFactoryDrops_data()
{
    QTest::addColumn<QString>("kind"); // "factory" or "files"
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<int>>("targets"); // highlighted rows
    QTest::addColumn<QString>("text");       // "..." stands for the middle of a long text
    const QString files = "Do you want to overwrite the presets <b>%1</b> with <b>%2</b>?";
    const QString presets = "Do you want to overwrite the presets <b>%1</b>\nwith\n<b>%2</b>?";
    const QString many = "Do you want to overwrite the presets?";
    QTest::newRow("three files on row 18 of 20")
        << "files" << 3 << 18 << QList<int>{18, 19} << files.arg("U19_Name 19, U20_Name 20", "f1, f2");
    QTest::newRow("three factory presets")
        << "factory" << 3 << 1 << QList<int>{1, 2, 3}
        << presets.arg("U02_Name 2, U03_Name 3, U04_Name 4", "F01_Name 1, F02_Name 2, F03_Name 3");
    QTest::newRow("20 factory presets") << "factory" << 20 << 1 << QList<int>{}
                                        << presets.arg("U02_Name 2, ...U21_Name 21", "F01_Name 1, ...F20_Name 20");
    QTest::newRow("21 factory presets") << "factory" << 21 << 1 << QList<int>{} << many;
    QTest::newRow("20 files") << "files" << 20 << 1 << QList<int>{} << files.arg("U02_Name 2, ...U21_Name 21", "f1, ...f20");
    QTest::newRow("21 files") << "files" << 21 << 1 << QList<int>{} << many;
}

void TestDragDrop::fileAndFactoryDrops()
{
    QFETCH(QString, kind);
    QFETCH(int, count);
    QFETCH(int, row);
    QFETCH(QList<int>, targets);
    QFETCH(QString, text);

    ContentWidget user;
    fillRole(user, "UserPresets", row == 18 ? 20 : 25);
    ContentWidget factory;
    QStringList files;
    QList<int> rows;
    for (int i = 0; i < count; ++i) {
        rows << i;
        files << m_files.filePath(QString("f%1.tarp").arg(i + 1));
    }
    if (kind == "factory") {
        fillRole(factory, "FactoryPresets", 25);
        selectRows(factory, rows);
    }
    const auto drag = [&] { return kind == "factory" ? listDrag(factory) : fileDrag(files); };
    WorkerTap tap;
    ListAnswerer answerer({"Yes"});
    QVERIFY(dragTo(user, drag(), rowCentre(user, row), false));
    if (!targets.isEmpty())
        QCOMPARE(selectedRows(user), targets);
    dragTo(user, drag(), rowCentre(user, row), true);

    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen.first().title, QString("Load Presets"));
    const QString shown = answerer.seen.first().text;
    const QStringList parts = text.split("...");
    QVERIFY2(shown.startsWith(parts.first()) && shown.endsWith(parts.last()), qPrintable(shown));
    if (parts.size() == 1)
        QCOMPARE(shown, text);
    else
        QCOMPARE(shown.count(", "), 2 * (count - 1)); // every pair named

    // Pairs run from the drop row to the end of the list; what is left over is not loaded.
    const int pairs = qMin(count, user.count() - row);
    QList<int> destinations;
    QList<int> sources;
    for (int i = 0; i < pairs; ++i) {
        destinations << row + 1 + i;
        sources << 101 + i;
    }
    QCOMPARE(tap.summary(), QStringList{kind == "factory" ? "1011 Load Preset" : "1009 Load Preset"});
    QCOMPARE(tap.posted.first().destinations, destinations);
    QCOMPARE(tap.posted.first().sources, kind == "factory" ? sources : QList<int>());
    QCOMPARE(tap.posted.first().files, kind == "files" ? files.mid(0, pairs) : QStringList());
}

void TestDragDrop::setListDrop_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("setList");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<SlotMap>("slotMap"); // empty: nothing posted
    QTest::newRow("two user presets on slot 5") << "UserPresets" << 2 << 4 << "Set List B" << "Yes" << SlotMap{{4, 3}, {5, 5}};
    QTest::newRow("factory presets on the last slot")
        << "FactoryPresets" << 0 << 19 << "Favorites" << "Yes" << SlotMap{{19, 103}};
    QTest::newRow("answered no") << "UserPresets" << 4 << 0 << "Set List D" << "No" << SlotMap{};
    // The question closes as No when the unit goes away (nothing "survived unit loss").
    QTest::newRow("unit lost") << "UserPresets" << 1 << 0 << "Set List A" << "unit lost" << SlotMap{};
}

void TestDragDrop::setListDrop()
{
    QFETCH(QString, from);
    QFETCH(int, setList);
    QFETCH(int, row);
    QFETCH(QString, name);
    QFETCH(QString, answer);
    QFETCH(SlotMap, slotMap);

    ContentWidget source;
    fillRole(source, from, 8);
    selectRows(source, {4, 2}); // presets 3 and 5 in reading order
    ContentWidget target;
    target.setSetListIndex(setList);
    fillRole(target, "SetList", 20);
    WorkerTap tap;
    ListAnswerer answerer({answer});
    QVERIFY(dragTo(target, listDrag(source), rowCentre(target, row), true));

    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen.first().title, QString("Load Presets"));
    QCOMPARE(answerer.seen.first().text, QString("Do you want to edit <b>%1</b>?").arg(name));
    QCOMPARE(tap.summary(), slotMap.isEmpty() ? QStringList() : QStringList{"1006 Editing Set List"});
    if (slotMap.isEmpty()) {
        QVERIFY(selectedRows(target).isEmpty());
        return;
    }
    QCOMPARE(tap.posted.first().setListIndex, setList);
    QCOMPARE(tap.posted.first().setListEdit, slotMap);
}

void TestDragDrop::againstTheUnit()
{
    QVERIFY(QDir().mkpath(g_arietteFactoryPresetsFolder));
    m_bus = std::make_unique<VirtualBusFixture>();
    m_sleeps = std::make_unique<SleepRecorder>();
    QVERIFY(m_bus->plug("A1", UnitModel::Ariette));
    const VirtualUnit before = m_bus->unit("A1");

    DeviceManagerThread* worker = DeviceManagerThread::instance();
    // Records and set lists the worker hands back belong to the receiver, as they do for the window.
    QObject sink;
    connect(worker, qOverload<int, int, int, int*, int, int, int, int>(&DeviceManagerThread::singlePresetData), &sink,
            [](int, int, int, int* data, int, int, int, int) { delete[] data; });
    connect(worker, &DeviceManagerThread::setListData, &sink, [](int, const int* data) { delete[] data; });
    QSignalSpy finished(worker, &DeviceManagerThread::operationFinished);
    worker->moveToThread(worker);
    worker->start();
    m_workerStarted = true;
    QTRY_VERIFY_WITH_TIMEOUT(g_bDeviceConnected.load() && worker->productId() == UsbIds::ArietteProductId, 15000);

    ContentWidget user;
    fillRole(user, "UserPresets", 20);
    ContentWidget factory;
    fillRole(factory, "FactoryPresets", 5);
    ContentWidget favourites;
    favourites.setSetListIndex(0);
    fillRole(favourites, "SetList", 20);
    for (PresetButton* entry : user.entries())
        entry->setPresetName(before.presetName(entry->presetNumber()).trimmed());

    // Factory presets 101 and 102 onto user presets 1 and 2.
    ListAnswerer answerer({"Yes", "Yes", "ok:Renamed", "Yes"});
    selectRows(factory, {0, 1});
    QVERIFY(dragTo(user, listDrag(factory), rowCentre(user, 0), true));
    QCOMPARE(finished.size(), 1);

    // User preset 3 saved to a file, the file dropped onto user preset 6.
    user.setDirectoryChooser([&](QWidget*, const QString&, const QString&) { return m_files.path(); });
    selectRows(user, {2});
    user.savePreset();
    QCOMPARE(finished.size(), 2);
    const QString saved = m_files.filePath(DeviceManagerThread::cleanFileName(user.entries().at(2)->text() + ".tarp"));
    QVERIFY2(QFile::exists(saved), qPrintable(saved));
    QVERIFY(dragTo(user, fileDrag({saved}), rowCentre(user, 5), true));
    QCOMPARE(finished.size(), 3);

    // User preset 4 renamed by a double-click.
    QTest::mouseClick(user.viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(user, 3));
    QTest::mouseDClick(user.viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(user, 3));
    QCOMPARE(finished.size(), 4);

    // User presets 1 and 2 into favourites slots 3 and 4.
    selectRows(user, {0, 1});
    QVERIFY(dragTo(favourites, listDrag(user), rowCentre(favourites, 2), true));
    QCOMPARE(finished.size(), 5);
    for (const QList<QVariant>& call : finished)
        QCOMPARE(call.at(0).toInt(), 0);
    QVERIFY(answerer.unanswered().isEmpty());

    const VirtualUnit after = m_bus->unit("A1");
    const int nameLength = after.identity().nameLength;
    for (int number = 1; number <= after.identity().presetCount; ++number) {
        QCOMPARE(after.record(100 + number), before.record(100 + number));
        const int from = number == 1 || number == 2 ? 100 + number : number == 6 ? 3 : number;
        // Preset 4 gets a new name and keeps its parameters.
        const int skip = number == 4 ? nameLength : 0;
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

// With the Cadenzo unit connected, its own preset files are the ones taken, and the file dialogs start in its
// folders.
void TestDragDrop::cadenzoConnected()
{
    QVERIFY(m_workerStarted);
    ContentWidget user;
    fillRole(user, "UserPresets", 4);
    QVERIFY(m_bus->unplug("A1"));
    QTRY_VERIFY_WITH_TIMEOUT(!g_bDeviceConnected.load(), 15000);
    QVERIFY(m_bus->plug("C1", UnitModel::Cadenzo));
    QTRY_VERIFY_WITH_TIMEOUT(DeviceManagerThread::instance()->productId() == UsbIds::CadenzoProductId, 15000);
    QTRY_COMPARE(user.currentFolder(), g_cadenzoUserPresetsFolder);

    QVERIFY(dragTo(user, fileDrag({m_files.filePath("cad.tscp")}), rowCentre(user, 0), false));
    QVERIFY(!dragTo(user, fileDrag({m_files.filePath("a.tarp")}), rowCentre(user, 0), false));
    QStringList asked;
    user.setFilesChooser([&](QWidget*, const QString&, const QString& start, const QString& filter) {
        asked << start << filter;
        return QStringList();
    });
    selectRows(user, {0});
    user.loadPreset();
    QCOMPARE(asked, (QStringList{g_cadenzoUserPresetsFolder, "Preset(*.tscp)"}));
}

void TestDragDrop::cleanupTestCase()
{
    if (m_workerStarted) {
        DeviceManagerThread* worker = DeviceManagerThread::instance();
        worker->setAbort(true);
        worker->quit();
        worker->wait();
        delete worker;
    }
    m_sleeps.reset();
    m_bus.reset();
}

QTEST_MAIN(TestDragDrop)
#include "tst_dragdrop.moc"
