// The preset lists: the context menu per role, renaming, removing from a set list, saving to files, which drops
// each list takes, the slots a drop overwrites and the questions asked, with the device worker stood in for by a
// tap. The worker's own runs against a unit are the operations suite's.

#include "app.h"
#include "contentwidget.h"
#include "deviceinfo.h"
#include "globals.h"

#include "support/EventTap.h"
#include "support/ListDrag.h"
#include "support/ModalAnswerer.h"

namespace {
// A shown list of `count` 119 x 35 entries: user "U01\nName 1"... numbered 1..., factory "F01\nName 1"...
// numbered 101..., set-list slots "S01\nName 1"... holding preset 30 + slot.
void fill(ContentWidget& list, const QString& role, int count)
{
    list.setRole(role);
    list.setSpacing(12);
    list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    list.resize(600, 400);
    const int base = role == "FactoryPresets" ? 100 : role == "SetList" ? 30 : 0;
    for (int i = 1; i <= count; ++i) {
        auto* entry = new PresetButton();
        entry->resize(119, 35);
        entry->setPresetNumber(base + i);
        entry->setPresetName(QString("Name %1").arg(i));
        entry->setText(QString("%1%2\nName %3").arg(role.at(0)).arg(i, 2, 10, QChar('0')).arg(i));
        list.addEntry(entry);
    }
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
}

// The rows a list shows selected, as ranges.
QString lit(const ContentWidget& list)
{
    QList<int> rows;
    for (int row = 0; row < list.count(); ++row)
        if (list.item(row)->isSelected())
            rows << row;
    return ranges(rows);
}

} // namespace

class TestLists : public QObject
{
    Q_OBJECT
    QTemporaryDir m_home;
    QTemporaryDir m_files;

private slots:
    void initTestCase()
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

    // What a user does on one list (a menu, a double-click to rename, Remove, Save to computer), the questions
    // and dialogs that follow with their answers, and what reaches the worker. Entries keep their names until
    // the unit reports a renamed preset back.
    void actions_data()
    {
        QTest::addColumn<QString>("role");
        QTest::addColumn<QList<int>>("rows"); // selected; a menu or double-click is on the first
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("seen"); // menus, boxes and dialogs, folder choices ($HOME, $FOLDER)
        QTest::addColumn<QString>("sent");     // empty: nothing posted
        const QString saveLoad = "menu|Save to computer...*,Load preset...*";
        const QString off = ",Paste... (off),Undo (off)"; // nothing copied, nothing to undo
        const QString remove = "Load Presets|Do you want to remove selected preset(s) from set list?";
        const QString dirs =
            "Choose Directory $HOME/Aurivell/Tessitra/StageAriette/User Presets,Choose Directory $FOLDER";
        const QString exists = "Confirmation|%1 file already exists, do you want to overwrite?";
        const QStringList u = {"U01_A_B.tarp", "U02_C_D.tarp", "U03_E_F.tarp"};
        const QList<int> none;
        // clang-format off
        // A second menu reuses the first and must not keep its actions.
        QTest::newRow("menu, user, none") << "UserPresets" << none << "menu" << QStringList() << QStringList() << "";
        QTest::newRow("menu, user, one") << "UserPresets" << QList<int>{3} << "menu" << QStringList()
            << QStringList{saveLoad + ",Rename...,Find in back-ups...,Copy" + off, saveLoad + ",Rename...,Find in back-ups...,Copy" + off} << "";
        QTest::newRow("menu, user, two") << "UserPresets" << QList<int>{1, 3} << "menu" << QStringList()
            << QStringList{saveLoad + ",Copy" + off, saveLoad + ",Copy" + off} << "";
        QTest::newRow("menu, factory") << "FactoryPresets" << QList<int>{2} << "menu" << QStringList()
            << QStringList{"menu|Save to computer...*,Copy", "menu|Save to computer...*,Copy"} << "";
        QTest::newRow("menu, set list") << "SetList" << QList<int>{0, 5} << "menu" << QStringList()
            << QStringList{"menu|Remove...,Paste... (off)", "menu|Remove...,Paste... (off)"} << "";
        // From the keyboard: the arrows move the selection, Shift+F10 and the Menu key open the entry's menu.
        QTest::newRow("keys") << "UserPresets" << none << "keys" << QStringList()
            << QStringList{"lit 5", saveLoad + ",Rename...,Find in back-ups...,Copy" + off, saveLoad + ",Rename...,Find in back-ups...,Copy" + off} << "";
        // Find in back-ups: the preset's name and, from its record, its parameters (after 2 name entries here).
        QTest::newRow("find") << "UserPresets" << QList<int>{2} << "find" << QStringList() << QStringList{"find|Name 3|3-4"} << "";
        QTest::newRow("find, factory") << "FactoryPresets" << QList<int>{2} << "find" << QStringList() << QStringList() << "";
        QTest::newRow("rename") << "UserPresets" << QList<int>{2} << "rename" << QStringList{"ok:Lead Vox"}
            << QStringList{"Rename U03|Name 3"} << "device 1012 Rename 3 'Lead Vox' -1 data";
        QTest::newRow("rename, cut at the name length") << "UserPresets" << QList<int>{2} << "rename"
            << QStringList{"ok:ABCDEFGHIJKLMN"} << QStringList{"Rename U03|Name 3"} << "device 1012 Rename 3 'ABCDEFGHIJ' -1 data";
        QTest::newRow("rename, unchanged") << "UserPresets" << QList<int>{2} << "rename" << QStringList{"ok:Name 3"}
            << QStringList{"Rename U03|Name 3"} << "";
        QTest::newRow("rename, empty") << "UserPresets" << QList<int>{2} << "rename" << QStringList{"ok:"}
            << QStringList{"Rename U03|Name 3"} << "";
        QTest::newRow("rename, cancelled") << "UserPresets" << QList<int>{2} << "rename" << QStringList{"cancel"}
            << QStringList{"Rename U03|Name 3"} << "";
        QTest::newRow("rename, factory") << "FactoryPresets" << QList<int>{2} << "rename" << QStringList() << QStringList() << "";
        QTest::newRow("rename, set list") << "SetList" << QList<int>{2} << "rename" << QStringList() << QStringList() << "";
        // The whole set list is written, the removed slots empty.
        QTest::newRow("remove, yes") << "SetList" << QList<int>{2, 4} << "remove" << QStringList{"Yes"}
            << QStringList{remove} << "device 1006 Editing Set List 3:0=31 1=32 2=0 3=34 4=0 5=36 6=37 7=38 8=39 9=40 10=41 "
                                      "11=42 12=43 13=44 14=45 15=46 16=47 17=48 18=49 19=50";
        QTest::newRow("remove, no") << "SetList" << QList<int>{2, 4} << "remove" << QStringList{"No"}
            << QStringList{remove} << "";
        // The removal question stays open when the unit goes away (the user still answers it).
        QTest::newRow("remove, unit lost") << "SetList" << QList<int>{2, 4} << "remove" << QStringList{"unit lost"}
            << QStringList{remove, "survived|Load Presets"} << "";
        // Each file that exists already is asked about: No leaves that preset out, Cancel the whole command.
        QTest::newRow("save, second exists, yes") << "UserPresets:U02_C_D" << QList<int>{2, 0, 1} << "save"
            << QStringList{"Yes"} << QStringList{dirs, exists.arg(u[1])} << "device 1007 Save Presets files 1-3 to $FOLDER";
        QTest::newRow("save, second exists, no") << "UserPresets:U02_C_D" << QList<int>{2, 0, 1} << "save"
            << QStringList{"No"} << QStringList{dirs, exists.arg(u[1])} << "device 1007 Save Presets files 1,3 to $FOLDER";
        QTest::newRow("save, second exists, cancel") << "UserPresets:U02_C_D" << QList<int>{2, 0, 1} << "save"
            << QStringList{"Cancel"} << QStringList{dirs, exists.arg(u[1])} << "";
        QTest::newRow("save, all exist, no") << "UserPresets:U01_A_B:U02_C_D:U03_E_F" << QList<int>{2, 0, 1} << "save"
            << QStringList{"No", "No", "No"} << QStringList{dirs, exists.arg(u[0]), exists.arg(u[1]), exists.arg(u[2])} << "";
        // clang-format on
    }

    void actions()
    {
        QFETCH(QString, role);
        QFETCH(QList<int>, rows);
        QFETCH(QString, action);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, seen);
        QFETCH(QString, sent);
        QTemporaryDir folder;
        for (const QString& name : role.split(':').mid(1)) {
            QFile file(folder.filePath(name + ".tarp"));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        ContentWidget list;
        list.setSetListIndex(3);
        fill(list, role.section(':', 0, 0), 20);
        list.entries().at(0)->setText("U01\nA/B"); // what a file name cannot hold becomes "_"
        list.entries().at(1)->setText("U02\nC:D");
        list.entries().at(2)->setText("U03\nE|F");
        list.entries().at(2)->setPresetData(new int[4]{1, 2, 3, 4});
        list.entries().at(2)->setMaxPresetNameLength(2);
        list.entries().at(2)->setMaxPresetParamLength(2);
        select(list, rows);
        QStringList chosen;
        list.setDirectoryChooser([&](QWidget*, const QString& caption, const QString& start) {
            chosen << caption + " " + start;
            return chosen.size() == 1 ? folder.path() : QString();
        });
        EventTap tap;
        ModalAnswerer answerer(answers);
        connect(&list, &ContentWidget::findInBackUpsRequested, &list, [&](const QString& name, QVector<int> values) {
            answerer.seen << "find|" + name + '|' + ranges(QList<int>(values.begin(), values.end()));
        });
        const QPoint at = rows.isEmpty() ? QPoint(590, 390) : centre(list, rows.first());
        for (int round = 0; round < 2 && action == "menu"; ++round) {
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, list.viewport()->mapToGlobal(at));
            QApplication::sendEvent(list.viewport(), &event);
        }
        if (action == "keys") {
            for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down})
                QTest::keyClick(&list, key);
            QTest::keyClick(&list, Qt::Key_F10, Qt::ShiftModifier);
            QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint());
            QApplication::sendEvent(&list, &menuKey);
            answerer.seen.prepend("lit " + lit(list));
        } else if (action == "rename") {
            QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, at);
            QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, at);
        } else if (action == "find") {
            list.findInBackUps();
        } else if (action == "remove") {
            list.removePreset();
        } else if (action == "save") {
            list.savePreset();
            list.savePreset(); // the folder chosen is where this list's next dialog starts
            answerer.seen.prepend(chosen.join(','));
        }
        QCOMPARE(answerer.seen.join('\n'),
                 seen.join('\n').replace("$HOME", m_home.path()).replace("$FOLDER", folder.path()));
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(tap.summary,
                 sent.isEmpty() ? QStringList() : QStringList{QString(sent).replace("$FOLDER", folder.path())});
        QCOMPARE(list.entries().at(2)->presetName(), QString("Name 3"));
        QCOMPARE(lit(list).isEmpty(), action == "remove" || (rows.isEmpty() && action != "keys")); // a removal clears
    }

    // Which list takes what, the slots a drop would overwrite lit while it hovers (cleared over empty space),
    // the question (names of up to 20 pairs) and what reaches the worker. A refused drop changes nothing.
    void drops_data()
    {
        QTest::addColumn<QString>("target");    // a role, "SetList:<index>"
        QTest::addColumn<QString>("from");      // a role, "self", "files" (f1.tarp...) or "files:" and names
        QTest::addColumn<QList<int>>("picked"); // rows selected there, or the numbers of the files f1.tarp...
        QTest::addColumn<int>("row");           // dropped on (25 entries, 20 on a set list or row 18)
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("question"); // "": refused; "*": any; "..." the middle of a long text
        QTest::addColumn<QString>("sent");     // the slots lit by the drag, what reached the worker
        const auto decide = [](const char* target, const QString& from, bool accepted) {
            const QString lit = accepted ? "3-4" : from == "self" ? "0-1" : "";
            QTest::addRow("%s <- %s", target, qPrintable(from))
                << QString(target) << from << QList<int>{0, 1} << 3 << (accepted ? "No" : "") << (accepted ? "*" : "")
                << lit;
        };
        decide("UserPresets", "FactoryPresets", true);
        decide("UserPresets", "SetList", false);
        decide("UserPresets", "self", false);
        decide("UserPresets", "files:a.tarp,b.tarp", true);
        decide("UserPresets", "files:a.tarp,upper.TARP", false);
        decide("UserPresets", "files:other.txt", false);
        decide("UserPresets", "files:cad.tscp", false); // the other model's preset
        decide("UserPresets", "files:folder.tarp", false);
        decide("UserPresets", "files:", false);
        decide("FactoryPresets", "UserPresets", false);
        decide("FactoryPresets", "files:a.tarp", false);
        decide("SetList:1", "UserPresets", true);
        decide("SetList:1", "FactoryPresets", true);
        decide("SetList:1", "SetList", false);
        decide("SetList:1", "self", false); // an entry dragged onto another of its own list
        decide("SetList:1", "files:a.tarp", false);
        const QString files = "Load Presets|Do you want to overwrite the presets <b>%1</b> with <b>%2</b>?";
        const QString presets = "Load Presets|Do you want to overwrite the presets <b>%1</b><br/>with<br/><b>%2</b>?";
        const QString many = "Load Presets|Do you want to overwrite the presets?";
        const QString edit = "Load Presets|Do you want to edit <b>%1</b>?";
        QList<int> rows21, files21;
        for (int i = 0; i < 21; ++i) {
            rows21 << i;
            files21 << i + 1;
        }
        // clang-format off
        QTest::newRow("three files on row 18 of 20") << "UserPresets" << "files" << QList<int>{1, 2, 3} << 18 << "Yes"
            << files.arg("U19_Name 19, U20_Name 20", "f1, f2") << "18-19 device 1009 Load Preset to 19-20 files 1-2";
        QTest::newRow("three factory presets") << "UserPresets" << "FactoryPresets" << QList<int>{0, 1, 2} << 1 << "Yes"
            << presets.arg("U02_Name 2, U03_Name 3, U04_Name 4", "F01_Name 1, F02_Name 2, F03_Name 3")
            << "1-3 device 1011 Load Preset to 2-4 from 101-103";
        // Filtered by "2": the slots shown from the one under the drop on, the hidden ones skipped.
        QTest::newRow("three factory presets, filtered") << "UserPresets/2" << "FactoryPresets" << QList<int>{0, 1, 2} << 1
            << "Yes" << presets.arg("U02_Name 2, U12_Name 12, U20_Name 20", "F01_Name 1, F02_Name 2, F03_Name 3")
            << "1,11,19 device 1011 Load Preset to 2,12,20 from 101-103";
        QTest::newRow("20 factory presets") << "UserPresets" << "FactoryPresets" << rows21.mid(0, 20) << 1 << "Yes"
            << presets.arg("U02_Name 2, ...U21_Name 21", "F01_Name 1, ...F20_Name 20")
            << "1-20 device 1011 Load Preset to 2-21 from 101-120";
        QTest::newRow("21 factory presets") << "UserPresets" << "FactoryPresets" << rows21 << 1 << "Yes" << many
            << "1-21 device 1011 Load Preset to 2-22 from 101-121";
        QTest::newRow("20 files") << "UserPresets" << "files" << files21.mid(0, 20) << 1 << "Yes"
            << files.arg("U02_Name 2, ...U21_Name 21", "f1, ...f20") << "1-20 device 1009 Load Preset to 2-21 files 1-20";
        QTest::newRow("21 files, no") << "UserPresets" << "files" << files21 << 1 << "No" << many << "1-21";
        // Set lists: the picked presets in reading order from the drop slot on.
        QTest::newRow("two user presets on slot 5") << "SetList:2" << "UserPresets" << QList<int>{4, 2} << 4 << "Yes"
            << edit.arg("Set List B") << "4-5 device 1006 Editing Set List 2:4=3 5=5";
        QTest::newRow("factory presets on the last slot") << "SetList:0" << "FactoryPresets" << QList<int>{4, 2} << 19
            << "Yes" << edit.arg("Favorites") << "19 device 1006 Editing Set List 0:19=103";
        QTest::newRow("set list, no") << "SetList:4" << "UserPresets" << QList<int>{4, 2} << 0 << "No"
            << edit.arg("Set List D") << "0-1";
        // The question closes as No when the unit goes away (nothing survives).
        QTest::newRow("set list, unit lost") << "SetList:1" << "UserPresets" << QList<int>{4, 2} << 0 << "unit lost"
            << edit.arg("Set List A") << "0-1";
        // clang-format on
    }

    void drops()
    {
        QFETCH(QString, target);
        QFETCH(QString, from);
        QFETCH(QList<int>, picked);
        QFETCH(int, row);
        QFETCH(QString, answer);
        QFETCH(QString, question);
        QFETCH(QString, sent);
        ContentWidget list, other;
        const bool setList = target.startsWith("SetList");
        list.setSetListIndex(setList ? target.section(':', 1).toInt() : -1);
        fill(list, target.section(':', 0, 0).section('/', 0, 0), setList || row == 18 ? 20 : 25);
        list.setNameFilter(target.section('/', 1));
        ContentWidget& source = from == "self" ? list : other;
        QStringList files;
        for (const QString& name : from.mid(6).split(',', Qt::SkipEmptyParts))
            files << m_files.filePath(name);
        for (int i : from == "files" ? picked : QList<int>())
            files << m_files.filePath(QString("f%1.tarp").arg(i));
        if (!from.startsWith("files")) {
            if (from != "self")
                fill(other, from, 25);
            select(source, picked);
        }
        const auto drag = [&] { return from.startsWith("files") ? fileDrag(files) : listDrag(source); };
        const QString before = lit(list);
        EventTap tap;
        ModalAnswerer answerer(answer.isEmpty() ? QStringList() : QStringList{answer});
        QCOMPARE(dragTo(list, drag(), centre(list, row), false), !question.isEmpty());
        const QString highlighted = lit(list);
        QVERIFY(!dragTo(list, drag(), QPoint(590, 390), false)); // over empty space even an accepted kind
        QCOMPARE(lit(list), question.isEmpty() ? before : QString());
        dragTo(list, drag(), centre(list, row), true);

        QCOMPARE(answerer.seen.size(), question.isEmpty() ? 0 : 1);
        const QString shown = answerer.seen.value(0);
        const QStringList parts = question.split("...");
        if (parts.size() > 1) {
            QVERIFY2(shown.startsWith(parts.first()) && shown.endsWith(parts.last()), qPrintable(shown));
            QCOMPARE(shown.count(", "), 2 * (picked.size() - 1)); // every pair named
        } else if (question != "*") {
            QCOMPARE(shown, question);
        }
        QCOMPARE((QStringList{highlighted} + tap.summary).join(' '), sent);
        QCOMPARE(lit(list), answer == "Yes" ? highlighted : question.isEmpty() ? before : QString());
    }

    // A drag that stops at the top edge of the top line, inside the auto-scroll margin: the list does not scroll
    // on under the resting pointer, so the drop writes the slots it lit.
    void dragAtRest()
    {
        ContentWidget list, factory;
        fill(list, "UserPresets", 100);
        fill(factory, "FactoryPresets", 2);
        select(factory, {0, 1});
        list.verticalScrollBar()->setValue(208);
        const QPoint at(60, 4);
        QCursor::setPos(list.viewport()->mapToGlobal(at));
        EventTap tap;
        ModalAnswerer answerer({"Yes"});
        QStringList seen;
        for (int move = 0; move < 2; ++move) { // the platform repeats the move of a resting pointer
            QVERIFY(dragTo(list, listDrag(factory), at, false));
            QTest::qWait(400);
            seen << QString::number(list.verticalScrollBar()->value()) << lit(list);
        }
        dragTo(list, listDrag(factory), at, true);
        QCOMPARE(seen.join(' ') + ' ' + tap.summary.join(' '),
                 "196 16-17 196 16-17 device 1011 Load Preset to 17-18 from 101-102");
    }
};

QTEST_MAIN(TestLists)
#include "tst_lists.moc"
