// The preset list: the selection mirrored into the entries in reading order, the wheel step of one line of
// entries, the context menu per role, renaming, removing from a set list, saving to and loading from files.

#include "ListHarness.h"
#include "app.h"
#include "deviceinfo.h"
#include "globals.h"

#include <QScrollBar>
#include <QTemporaryDir>

class TestContentWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void selectionInReadingOrder();
    void wheelScrollsOneLine();
    void contextMenu_data();
    void contextMenu();
    void rename_data();
    void rename();
    void removeWritesWholeSetList_data();
    void removeWritesWholeSetList();
    void save_data();
    void save();
    void load_data();
    void load();

private:
    QTemporaryDir m_home;
};

void TestContentWidget::initTestCase()
{
    QVERIFY(m_home.isValid());
    buildDataFolders(m_home.path());
    initTessitraResources();
    g_deviceInfo.maxPresetNameLength = 10;
}

void TestContentWidget::selectionInReadingOrder()
{
    const QList<int> expected = {2, 6, 8}; // preset numbers, in reading order
    ContentWidget list;
    fillRole(list, "", 9);
    QVERIFY(list.entries().at(0)->y() < list.entries().at(8)->y()); // more than one line
    for (int row : {7, 1, 5})
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(list, row));
    QList<int> numbers;
    for (PresetButton* entry : list.selectedEntries())
        numbers.append(entry->presetNumber());
    QCOMPARE(numbers, expected);
    for (PresetButton* entry : list.entries())
        QCOMPARE(entry->isChecked(), expected.contains(entry->presetNumber()));

    // A plain click elsewhere leaves only that entry selected and unchecks the others.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(list, 8));
    QCOMPARE(list.selectedEntries(), QList<PresetButton*>{list.entries().at(8)});
    for (PresetButton* entry : list.entries())
        QCOMPARE(entry->isChecked(), entry == list.entries().at(8));
}

void TestContentWidget::wheelScrollsOneLine()
{
    ContentWidget list;
    const int initialStep = list.verticalScrollBar()->singleStep();
    fillRole(list, "", 40);
    int perLine = 0;
    for (PresetButton* entry : list.entries())
        perLine += entry->y() == list.entries().first()->y() ? 1 : 0;
    QVERIFY(perLine > 1);
    QWheelEvent wheel(QPointF(50, 50), list.mapToGlobal(QPoint(50, 50)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list.viewport(), &wheel);
    QCOMPARE(list.verticalScrollBar()->singleStep(), perLine * initialStep);
}

void TestContentWidget::contextMenu_data()
{
    QTest::addColumn<QString>("role");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QStringList>("actions"); // empty: no menu at all
    const QStringList saveLoad = {"Save to computer...*", "Load preset...*"};
    QTest::newRow("user, none") << "UserPresets" << QList<int>{} << QStringList();
    QTest::newRow("user, one") << "UserPresets" << QList<int>{3} << saveLoad + QStringList{"Rename..."};
    QTest::newRow("user, two") << "UserPresets" << QList<int>{1, 3} << saveLoad;
    QTest::newRow("factory, one") << "FactoryPresets" << QList<int>{2} << QStringList{"Save to computer...*"};
    QTest::newRow("set list, two") << "SetList" << QList<int>{0, 5} << QStringList{"Remove..."};
}

void TestContentWidget::contextMenu()
{
    QFETCH(QString, role);
    QFETCH(QList<int>, selected);
    QFETCH(QStringList, actions);

    ContentWidget list;
    fillRole(list, role, 8);
    selectRows(list, selected);
    ListAnswerer answerer;
    WorkerTap tap;
    // Twice: the second request reuses the menu and must not keep the first request's actions.
    for (int round = 0; round < 2; ++round) {
        const QPoint at = selected.isEmpty() ? QPoint(590, 390) : rowCentre(list, selected.first());
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, list.viewport()->mapToGlobal(at));
        QApplication::sendEvent(list.viewport(), &event);
    }
    QCOMPARE(answerer.seen.size(), actions.isEmpty() ? 0 : 2);
    for (const ListAnswerer::Seen& menu : answerer.seen)
        QCOMPARE(menu.items, actions);
    QVERIFY(tap.posted.isEmpty());
}

void TestContentWidget::rename_data()
{
    QTest::addColumn<QString>("role");
    QTest::addColumn<QString>("answer"); // empty: no dialog expected
    QTest::addColumn<QString>("sent");   // empty: nothing posted
    QTest::newRow("new name") << "UserPresets" << "ok:Lead Vox" << "Lead Vox";
    QTest::newRow("cut at the name length") << "UserPresets" << "ok:ABCDEFGHIJKLMN" << "ABCDEFGHIJ";
    QTest::newRow("unchanged") << "UserPresets" << "ok:Name 3" << "";
    QTest::newRow("empty") << "UserPresets" << "ok:" << "";
    QTest::newRow("cancelled") << "UserPresets" << "cancel" << "";
    QTest::newRow("factory: no dialog") << "FactoryPresets" << "" << "";
    QTest::newRow("set list: no dialog") << "SetList" << "" << "";
}

void TestContentWidget::rename()
{
    QFETCH(QString, role);
    QFETCH(QString, answer);
    QFETCH(QString, sent);

    ContentWidget list;
    fillRole(list, role, 6);
    int* record = new int[4]{1, 2, 3, 4};
    list.entries().at(2)->setPresetData(record);
    WorkerTap tap;
    ListAnswerer answerer(answer.isEmpty() ? QStringList() : QStringList{answer});
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(list, 2));
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(list, 2));

    QCOMPARE(answerer.seen.size(), answer.isEmpty() ? 0 : 1);
    for (const ListAnswerer::Seen& dialog : answerer.seen) {
        QCOMPARE(dialog.objectName, QString("InputDialog"));
        QCOMPARE(dialog.title, QString("Rename"));
        QCOMPARE(dialog.text, QString("Name 3"));
        QCOMPARE(dialog.maxLength, 10);
    }
    QCOMPARE(tap.summary(), sent.isEmpty() ? QStringList() : QStringList{"1012 Rename"});
    if (sent.isEmpty())
        return;
    const WorkerTap::Posted& p = tap.posted.first();
    QCOMPARE(p.presetNumber, 3);
    QCOMPARE(p.presetName, sent);
    QCOMPARE(p.presetNumber2, -1);
    QCOMPARE(p.record, record);
    // The entry keeps its name until the unit reports the renamed preset back.
    QCOMPARE(list.entries().at(2)->presetName(), QString("Name 3"));
}

void TestContentWidget::removeWritesWholeSetList_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("yes") << "Yes";
    QTest::newRow("no") << "No";
    // The removal question stays open when the unit goes away (the user still answers it).
    QTest::newRow("unit lost, then no") << "unit lost";
}

void TestContentWidget::removeWritesWholeSetList()
{
    QFETCH(QString, answer);
    ContentWidget list;
    list.setSetListIndex(3);
    fillRole(list, "SetList", 20);
    selectRows(list, {2, 4}); // slots 3 and 5
    WorkerTap tap;
    ListAnswerer answerer({answer});
    list.removePreset();

    QCOMPARE(answerer.seen.size(), answer == "unit lost" ? 2 : 1);
    QCOMPARE(answerer.seen.last().kind, QString(answer == "unit lost" ? "survived unit loss" : "box"));
    const ListAnswerer::Seen& box = answerer.seen.first();
    QCOMPARE(box.title, QString("Load Presets"));
    QCOMPARE(box.text, QString("Do you want to remove selected preset(s) from set list?"));
    QCOMPARE(box.items, (QStringList{"No", "Yes"}));
    QCOMPARE(box.objectName, QString("TessitraMessageBox"));
    QVERIFY(list.selectedEntries().isEmpty());
    QCOMPARE(tap.summary(), answer == "Yes" ? QStringList{"1006 Editing Set List"} : QStringList());
    if (answer != "Yes")
        return;
    QCOMPARE(tap.posted.first().setListIndex, 3);
    QMap<int, int> expected;
    for (int slot = 0; slot < 20; ++slot)
        expected[slot] = slot == 2 || slot == 4 ? 0 : 31 + slot;
    QCOMPARE(tap.posted.first().setListEdit, expected);
}

void TestContentWidget::save_data()
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

void TestContentWidget::save()
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
    fillRole(list, "UserPresets", 4);
    list.entries().at(0)->setText("U01\nA/B");
    list.entries().at(1)->setText("U02\nC:D");
    list.entries().at(2)->setText("U03\nE|F");
    selectRows(list, {2, 0, 1});
    QStringList starts;
    list.setDirectoryChooser([&](QWidget*, const QString& caption, const QString& start) {
        starts << caption + " " + start;
        return folder.path();
    });
    WorkerTap tap;
    ListAnswerer answerer(answers);
    list.savePreset();

    QCOMPARE(starts, QStringList{"Choose Directory " + g_arietteUserPresetsFolder});
    QCOMPARE(answerer.seen.size(), answers.size());
    for (int i = 0; i < answers.size(); ++i) {
        QCOMPARE(answerer.seen.at(i).title, QString("Confirmation"));
        QCOMPARE(answerer.seen.at(i).text, existing.at(i) + " file already exists, do you want to overwrite?");
        QCOMPARE(answerer.seen.at(i).items, (QStringList{"Cancel", "No", "Yes"}));
    }
    QVERIFY(answerer.unanswered().isEmpty());
    QCOMPARE(tap.summary(), saved.isEmpty() ? QStringList() : QStringList{"1007 Save Presets"});
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

void TestContentWidget::load_data()
{
    QTest::addColumn<int>("files");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QList<int>>("loaded"); // destination preset numbers; empty: nothing posted
    const QString pair = "Do you want to overwrite the presets <b>%1</b>\nwith\n<b>%2</b>?";
    QTest::newRow("five files, two slots") << 5 << QList<int>{6, 3} << "Yes"
                                           << pair.arg("U04_Name 4, U07_Name 7", "f1.tarp, f2.tarp") << QList<int>{4, 7};
    QTest::newRow("two files, three slots") << 2 << QList<int>{0, 1, 2} << "Yes"
                                            << pair.arg("U01_Name 1, U02_Name 2", "f1.tarp, f2.tarp") << QList<int>{1, 2};
    QTest::newRow("answered no") << 1 << QList<int>{0} << "No" << pair.arg("U01_Name 1", "f1.tarp") << QList<int>{};
    QList<int> rows;
    for (int row = 0; row < 22; ++row)
        rows << row;
    QTest::newRow("21 files") << 21 << rows << "Yes"
                              << "Do you want to overwrite the presets?" << QList<int>(rows.mid(1, 21));
    QTest::newRow("cancelled dialog") << 0 << QList<int>{0} << "" << "" << QList<int>{};
}

void TestContentWidget::load()
{
    QFETCH(int, files);
    QFETCH(QList<int>, selected);
    QFETCH(QString, answer);
    QFETCH(QString, question);
    QFETCH(QList<int>, loaded);

    QStringList paths;
    for (int i = 1; i <= files; ++i)
        paths << QString("/presets/f%1.tarp").arg(i);
    ContentWidget list;
    fillRole(list, "UserPresets", 22);
    selectRows(list, selected);
    QStringList asked;
    list.setFilesChooser([&](QWidget*, const QString& caption, const QString& start, const QString& filter) {
        asked << caption << start << filter;
        return paths;
    });
    WorkerTap tap;
    ListAnswerer answerer(answer.isEmpty() ? QStringList() : QStringList{answer});
    list.loadPreset();

    QCOMPARE(asked, (QStringList{"Select Files", g_arietteUserPresetsFolder, "Preset(*.tarp)"}));
    QCOMPARE(answerer.seen.size(), files == 0 ? 0 : 1);
    for (const ListAnswerer::Seen& box : answerer.seen) {
        QCOMPARE(box.title, QString("Load Presets"));
        QCOMPARE(box.text, question);
    }
    QCOMPARE(tap.summary(), loaded.isEmpty() ? QStringList() : QStringList{"1009 Load Preset"});
    if (loaded.isEmpty()) {
        QCOMPARE(list.selectedEntries().size(), selected.size()); // No keeps the selection
        return;
    }
    QCOMPARE(tap.posted.first().destinations, loaded);
    QCOMPARE(tap.posted.first().files, paths.mid(0, loaded.size()));
    QVERIFY(tap.posted.first().sources.isEmpty());
}

QTEST_MAIN(TestContentWidget)
#include "tst_contentwidget.moc"
