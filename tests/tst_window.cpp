// The main window as a scripted session: one window, virtual units, a whole flow with its checks along the way
// (two units at first and the box asking for one, connect, read, the lists' labels, back-up names, refresh, a
// factory preset dragged onto a user slot, restore, the unit's memory, the unit unplugged). Then the offer and
// schedule decisions with the workers stood in for by a tap (the check, download and write behind them are the
// update suites'), and the window's own parts. Every modal box and file dialog is answered here.

#include "DeviceManagerThread.h"
#include "Settings.h"
#include "app.h"
#include "backupcontroller.h"
#include "deviceinfo.h"
#include "findbackupsdlg.h"
#include "firmwareupdate.h"
#include "globals.h"
#include "language.h"
#include "mainwindow.h"
#include "settingsdlg.h"
#include "splashscreen.h"

#include "support/Accessibility.h"
#include "support/EventTap.h"
#include "support/ListDrag.h"
#include "support/ModalAnswerer.h"
#include "support/SleepRecorder.h"
#include "support/TestFiles.h"
#include "support/TextCheck.h"
#include "support/UpdateServer.h"
#include "support/UrlRecorder.h"
#include "support/VirtualBusFixture.h"

Q_DECLARE_METATYPE(UnitModel)

namespace {
constexpr int kWaitMs = 20000; // room for a loaded machine

QStringList texts(const QObject* window, const char* list)
{
    QStringList result;
    for (const PresetButton* entry : window->findChild<ContentWidget*>(list)->entries())
        result << entry->text();
    return result;
}

QVector<int> withName(QVector<int> record, const QString& name)
{
    for (int k = 0; k < 16; ++k)
        record[k] = k < name.size() ? name.at(k).unicode() : ' ';
    return record;
}

void setUpdateMode(bool bManual, bool bMonthly, const QDateTime& lastChecked = QDateTime())
{
    CSettings* pSettings = CSettings::instance();
    pSettings->readSettings();
    pSettings->m_bManualUpdate = bManual;
    pSettings->m_bMonthlyUpdate = bMonthly;
    pSettings->m_DateTimeLastChecked = lastChecked;
    pSettings->writeSettings();
}

bool settled(int timeoutMs = kWaitMs)
{
    return QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }, timeoutMs);
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT
    QTemporaryDir m_home;
    std::unique_ptr<VirtualBusFixture> m_bus;
    std::unique_ptr<SleepRecorder> m_sleeps;
    std::unique_ptr<ModalAnswerer> m_answerer;
    std::unique_ptr<MainWindow> m_window;
    QStringList m_fileDialogs; // "kind|caption|path|filter" of each file question
    QString m_fileAnswer;

    MainWindow* makeWindow(const QByteArray& showBuild = "false")
    {
        writeFile(QCoreApplication::applicationDirPath() + "/info.ini",
                  "[about]\nversion=Stage Librarian 2.3.4\nbuild=77\nshowbuild=" + showBuild +
                      "\nurlAriette=https://a.example.org/ariette\nurllabelAriette=Ariette page\n"
                      "urlCadenzo=https://c.example.org/cadenzo\nurllabelCadenzo=Cadenzo page\n"
                      "[update]\nversion=2.3.4\n");
        m_window = std::make_unique<MainWindow>();
        m_window->initialize();
        DeviceManagerThread::instance()->setPollInterval(50); // the unit is found without waiting on the real poll
        m_window->setFileDialogFunction([this](MainWindow::FileDialogKind kind, const QString& caption,
                                               const QString& path, const QString& filter) {
            const QString name = kind == MainWindow::FileDialogKind::Save ? "save" : "open";
            m_fileDialogs << QStringList{name, caption, path, filter}.join('|');
            return m_fileAnswer;
        });
        return m_window.get();
    }

    // Starts the workers the way the window does after the splash; true once the unit's lists are read, with
    // "Checking for updates..." and the busy animation seen on the way.
    bool startAndRead(bool* pChecking)
    {
        (m_window ? m_window.get() : makeWindow())->setUpdateCheckWait(300);
        m_window->finishSplashTimer();
        const auto* label = m_window->findChild<QLabel*>("labelUpdateCheck");
        return QTest::qWaitFor(
                   [&] {
                       *pChecking |= label->isVisible() && label->text() == "Checking for updates..." &&
                                     m_window->findChild<QLabel*>("deviceButton")->findChild<QMovie*>() != nullptr;
                       return m_window->findChild<QPushButton*>("refreshButton")->isEnabled();
                   },
                   kWaitMs) &&
               settled();
    }

private slots:
    void initTestCase()
    {
        initTessitraResources();
        QApplication::setQuitOnLastWindowClosed(false);
        QVERIFY(m_home.isValid());
        qputenv("HOME", m_home.path().toLocal8Bit());
        qunsetenv(CFirmwareUpdate::ServerEnvironmentVariable); // the quiet checks reach no server
        buildDataFolders(m_home.path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_home.path() + "/config");
    }

    void cleanupTestCase() { QFile::remove(QCoreApplication::applicationDirPath() + "/info.ini"); }

    void init()
    {
        QSettings("Aurivell", "TessitraStageLibrarian").remove("Settings");
        CSettings::instance()->readSettings();
        m_bus = std::make_unique<VirtualBusFixture>();
        m_sleeps = std::make_unique<SleepRecorder>();
        m_answerer = std::make_unique<ModalAnswerer>();
        m_fileDialogs.clear();
        m_fileAnswer.clear();
    }

    void cleanup()
    {
        m_window.reset(); // the workers stop with the window, before the bus they talk to goes
        g_bDeviceConnected.store(false);
        QCOMPARE(m_answerer->leftovers, 0);
        QCOMPARE(m_answerer->unnamed.join(" "), QString());
        m_sleeps.reset();
        m_bus.reset();
    }

    void session_data()
    {
        QTest::addColumn<UnitModel>("model");
        QTest::addColumn<QString>("ext");
        QTest::addColumn<QStringList>("names");   // user 1, 2, 90, factory 1, 3 as the unit leaves the factory
        QTest::addColumn<QStringList>("backUps"); // "typed>written": the name typed, the file the back-up writes
        QTest::addColumn<QString>("units");       // the two units named by the multiple-unit box, U first
        // clang-format off
        QTest::newRow("Ariette") << UnitModel::Ariette << "tarb"
            << QStringList{"Rock Lead", "Ballad Verb", "Cathedral 2", "Warm Hall", "Choir Pad"}
            << QStringList{"mine.TARB>mine.TARB", "mine.tscb>mine.tscb.tarb", ">", "saved>saved.tarb"}
            << "Stage Ariette, serial number U\nStage Cadenzo, serial number V";
        QTest::newRow("Cadenzo") << UnitModel::Cadenzo << "tscb"
            << QStringList{"Low Harmony", "High Harmony", "Shimmer 2", "Hard Tune", "Gospel Stack"}
            << QStringList{"mine.TsCb>mine.TsCb", "saved>saved.tscb"}
            << "Stage Ariette, serial number V\nStage Cadenzo, serial number U";
        // clang-format on
    }

    void session()
    {
        QFETCH(UnitModel, model);
        QFETCH(QString, ext);
        QFETCH(QStringList, names);
        QFETCH(QStringList, backUps);
        QFETCH(QString, units);
        // Checked on connection against a server that takes the request and never answers: the presets are read
        // once the wait for the answer is over.
        setUpdateMode(false, false);
        UpdateServer silent({"--stall"});
        QVERIFY(silent.start());
        qputenv(CFirmwareUpdate::ServerEnvironmentVariable, silent.url("").toString().toUtf8());
        // Two units at first: the box names them and, once answered, does not come back while the same two stay
        // (ten polls); then one unit goes and the other is read.
        QVERIFY(m_bus->plug("U", model) &&
                m_bus->plug("V", model == UnitModel::Ariette ? UnitModel::Cadenzo : UnitModel::Ariette));
        const auto ok = [](QWidget* pModal) {
            auto* pBox = qobject_cast<QMessageBox*>(pModal);
            return pBox != nullptr && (pBox->button(QMessageBox::Ok)->click(), true);
        };
        m_answerer->push([&](QWidget* pModal) {
            return ok(pModal) && (QTimer::singleShot(500, [&] { m_bus->unplug("V"); }), true);
        });
        QVERIFY(m_bus->modifyUnit("U", [](VirtualUnit& unit) {
            unit.setRecord(5, withName(unit.record(5), "Lead"));
            unit.setRecord(7, withName(unit.record(7), "Fifteen chars!!"));
            unit.setRecord(8, withName(unit.record(8), "Sixteen chars!!!"));
            unit.setRecord(100, withName(unit.record(100), "Last"));
            unit.setSetList(1, {9, 3, 5, 0, 7, 8, 101, 250, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        }));
        const VirtualUnit connected = m_bus->unit("U");
        qApp->setStyleSheet(QString::fromUtf8(readFile(":/qss/TSStyle.qss"))); // it decides how tall an entry draws
        makeWindow()->show();
        bool bChecking = false;
        QVERIFY(startAndRead(&bChecking) && bChecking);
        qunsetenv(CFirmwareUpdate::ServerEnvironmentVariable);
        const QString next = "\n\nUnplug one of them; the librarian connects to the one left.";
        QCOMPARE(
            m_answerer->seen,
            QStringList{"Multiple Device|Multiple devices detected. Please connect only one device.|" + units + next});

        // What the unit holds, as the lists show it. Set list A: slot 4 empty, 250 names no preset; names
        // longer than 15 characters get a smaller font.
        MainWindow* w = m_window.get();
        QCOMPARE(w->findChild<QLabel*>("deviceLabel")->text(), QString("Connected"));
        QCOMPARE(w->findChild<QLabel*>("labelVersions")->text(),
                 model == UnitModel::Ariette ? "DSP v2.3, Firmware v1.5" : "DSP v3.1, Firmware v2.2");
        QVERIFY(!w->findChild<QLabel*>("labelNoUnit")->isVisible());
        // A second unit plugged beside the connected one is named once; the connected one stays.
        m_answerer->push(ok);
        QVERIFY(m_bus->plug("W", model));
        QTRY_COMPARE_WITH_TIMEOUT(m_answerer->seen.size(), 2, kWaitMs);
        const QString name = model == UnitModel::Ariette ? "Stage Ariette" : "Stage Cadenzo";
        QCOMPARE(m_answerer->seen.last().section('|', 2),
                 name + ", serial number U\n" + name + ", serial number W" + next);
        QVERIFY(settled() && m_bus->unplug("W") && g_bDeviceConnected.load());
        auto* files = qobject_cast<QFileSystemModel*>(w->findChild<QListView*>("listViewFileBrowser")->model());
        QCOMPARE(files->nameFilters(), (QStringList{ext == "tarb" ? "*.tarp" : "*.tscp", "*." + ext}));
        auto* user = w->findChild<ContentWidget*>("listWidgetUserPreset");
        auto* factory = w->findChild<ContentWidget*>("listWidgetFactoryPresets");
        auto* setListA = w->findChild<ContentWidget*>("listWidgetSetListA");
        const QStringList shown = texts(w, "listWidgetUserPreset");
        QCOMPARE(shown.size(), 100);
        QCOMPARE(
            (QStringList{shown[0], shown[1], shown[4], shown[99].left(5), texts(w, "listWidgetFactoryPresets")[0]}),
            (QStringList{"U01\n" + names[0], "U02\n" + names[1], "U05\nLead", "U100\n", "F01\n" + names[3]}));
        QCOMPARE(factory->entries().size(), 100);
        QCOMPARE(factory->entries().at(0)->presetNumber(), 101);
        QCOMPARE(texts(w, "listWidgetSetListA").size(), 20);
        QCOMPARE(texts(w, "listWidgetSetListA").mid(2, 7),
                 QStringList({"A03\nU05 Lead", "A04\nEMPTY", "A05\nU07 Fifteen chars!!", "A06\nU08 Sixteen chars!!!",
                              "A07\nF01 " + names[3], "A08\nEMPTY", "A09\nU100 Last"}));
        QVERIFY(setListA->entries().at(2)->isEnabled() && !setListA->entries().at(3)->isEnabled());
        QCOMPARE(setListA->entries().at(4)->styleSheet(), QString("QPushButton{font-size: 11px}"));
        QCOMPARE(setListA->entries().at(5)->styleSheet(), QString("QPushButton{font-size: 10px}"));
        QCOMPARE(texts(w, "listWidgetFavorites").first(), "*01\nU01 " + names[0]);
        // The first window shows three whole lines of entries (U01 to U18), with no bar to scroll sideways.
        QVERIFY(user->viewport()->rect().contains(user->visualItemRect(user->item(17))) &&
                !user->horizontalScrollBar()->isVisible());
        // A screen reader names every control and entry in plain words.
        const QStringList controls = accessibleControls(w);
        QCOMPARE(unnamedControls(controls).join(" "), QString());
        for (const QString& control :
             QStringList{"item|U01 " + names[0] + "|User preset", "item|F01 " + names[3] + "|Factory preset",
                         "item|A03: U05 Lead|Slot of Set List A", "item|A04: empty|Slot of Set List A",
                         "button|Back Up|Back up the presets, set lists and settings of the unit to a file",
                         "button|Restore|Load a back-up file into the unit",
                         "button|Refresh|Read the presets from the unit again", "tab|Set List B|"})
            QVERIFY2(controls.contains(control), qPrintable(control));
        // Tabbed into, set list A rings its first slot; the first arrow picks it, three more reach the empty A04,
        // which shows both the ring (white) and the selection.
        w->findChild<QTabWidget*>("tabFileFactorySet")->setCurrentIndex(3);
        QApplication::setActiveWindow(w);
        setListA->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(setListA->hasFocus());
        const auto ring = [&](int row) {
            const QImage look = setListA->entries().at(row)->grab().toImage();
            return QColor(look.pixel(1, look.height() / 2)) == Qt::white;
        };
        QVERIFY(ring(0) && !setListA->entries().at(0)->isChecked());
        for (int step = 0; step < 4; ++step)
            QTest::keyClick(setListA, Qt::Key_Right);
        QVERIFY(ring(3) && !ring(0) && !ring(4) && setListA->entries().at(3)->isChecked());
        QCOMPARE(setListA->selectedEntries().size(), 1);
        // The read leaves the list at U01; one wheel notch moves one line of entries (35 + 12 px).
        QCOMPARE(user->verticalScrollBar()->value(), 0);
        QWheelEvent notch(QPointF(9, 9), QPointF(), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(user->viewport(), &notch);
        QCOMPARE(user->verticalScrollBar()->value(), 47);

        // Back-ups: the model's extension added unless it is there in any case. The first offer is in the model's
        // back-up folder, the next ones where the last back-up went.
        QTemporaryDir target;
        QStringList written, finished;
        const QString backUpFolder = m_home.path() + "/Aurivell/Tessitra/Stage" + QTest::currentDataTag() + "/Back Up";
        for (const QString& backUp : backUps) {
            const QString from = written.isEmpty() ? backUpFolder : target.path();
            const QRegularExpression offered("^save\\|Save File\\|" + QRegularExpression::escape(from) +
                                             "/BackUp_\\d{4}-\\w{3}-\\d{2}-\\d{2}-\\d{2}-\\d{2}\\|BACKUP\\(\\*\\." +
                                             ext + "\\)$");
            m_fileDialogs.clear();
            m_fileAnswer = backUp.startsWith('>') ? QString() : target.filePath(backUp.section('>', 0, 0));
            QTest::mouseClick(w->findChild<QPushButton*>("backUp"), Qt::LeftButton);
            QVERIFY2(m_fileDialogs.size() == 1 && offered.match(m_fileDialogs.first()).hasMatch(),
                     qPrintable(m_fileDialogs.join(' ')));
            if (!m_fileAnswer.isEmpty()) {
                written << backUp.section('>', 1);
                finished << "Succesfully backed up user presets and set lists.";
            }
            written.sort();
            QCOMPARE(QDir(target.path()).entryList(QDir::Files, QDir::Name), written);
            QCOMPARE(m_answerer->finishedTexts, finished);
        }

        // A rename to Latin-1 letters, cut to the unit's 16 characters: the box says what it takes out and why,
        // their bytes reach the unit, the entry shows them, scrolled into view and as tall as its neighbours.
        select(*user, {94});
        QString hint;
        m_answerer->push([&hint](QWidget* pBox) {
            pBox->findChild<QLineEdit*>()->insert("Café über–日本€ 1234567");
            hint = pBox->windowTitle() + '|' + pBox->findChild<QLabel*>("RenameHint")->text();
            return QTest::keyClick(pBox, Qt::Key_Return), true;
        });
        user->renamePreset();
        QVERIFY(settled());
        QCOMPARE(hint, QString("Rename U95|U95: at most 16 characters; the unit cannot store –, 日, 本, €"));
        QCOMPARE(m_bus->unit("U").recordBytes(95).left(16), QByteArray("Caf\xE9 \xFC") + "ber 123456");
        QCOMPARE(user->entries().at(94)->text(), QString("U95\nCafé über 123456"));
        QVERIFY(user->viewport()->rect().contains(user->visualItemRect(user->item(94))));
        QCOMPARE((QList<int>{user->entries().at(94)->height(), user->entries().at(93)->height()}),
                 (QList<int>{35, 35}));

        // Refresh reads the user side again; the factory list stays the one read on connection.
        const QList<PresetButton*> factoryBefore = factory->entries();
        QVERIFY(m_bus->modifyUnit("U", [](VirtualUnit& unit) {
            unit.setRecord(2, withName(unit.record(2), "Fresh"));
            unit.setSetList(2, {2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        }));
        QTest::mouseClick(w->findChild<QPushButton*>("refreshButton"), Qt::LeftButton);
        QVERIFY(settled());
        QCOMPARE(factory->entries(), factoryBefore);
        QCOMPARE(user->entries().at(1)->text(), QString("U02\nFresh"));
        QCOMPARE(user->entries().at(94)->text(), QString("U95\nCafé über 123456"));
        QCOMPARE(user->verticalScrollBar()->value(), 0);
        QCOMPARE(texts(w, "listWidgetSetListB").first(), QString("B01\nU02 Fresh"));

        // Factory preset 3 copied and pasted into set list B's second slot from the keyboard.
        auto* setListB = w->findChild<ContentWidget*>("listWidgetSetListB");
        select(*factory, {2});
        QTest::keyClick(factory, Qt::Key_C, Qt::ControlModifier);
        select(*setListB, {1});
        QTest::keyClick(setListB, Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(m_answerer->seen.last(), QString("menu|Remove...,Paste..."));
        m_answerer->push("Yes");
        QTest::keyClick(setListB, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(settled());
        QCOMPARE(m_bus->setList("U", 2).mid(0, 3), (QVector<int>{2, 103, 0}));

        // Factory preset 3 dragged onto user slot 90 and confirmed: the unit holds it, the list shows it.
        select(*factory, {2});
        m_answerer->push("Yes");
        QVERIFY(dragTo(*user, listDrag(*factory), centre(*user, 89), true));
        QVERIFY(settled());
        QCOMPARE(m_answerer->seen.last(), QString("Load Presets|Do you want to overwrite the presets <b>U90_" +
                                                  names[2] + "</b><br/>with<br/><b>F03_" + names[4] + "</b>?"));
        QCOMPARE(m_bus->unit("U").record(90), connected.record(103));
        QCOMPARE(user->entries().at(89)->text(), "U90\n" + names[4]);
        // Ctrl+Z writes the overwritten records back, newest first: U90 as before the drag, the set list, then U95
        // as before the rename; then nothing is left to undo.
        const auto undo = [&] { // a progress dialog that closed leaves no window active offscreen
            QApplication::setActiveWindow(w);
            QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
            return settled();
        };
        QCOMPARE(user->undoAction()->text(), QString("Undo: copy F03 to U90"));
        QVERIFY(undo());
        QCOMPARE(m_bus->unit("U").record(90), connected.record(90));
        QCOMPARE(m_bus->unit("U").recordBytes(95).left(4), QByteArray("Caf\xE9"));
        QVERIFY(undo());
        QCOMPARE(m_bus->setList("U", 2).mid(0, 3), (QVector<int>{2, 0, 0})); // the paste into set list B
        QVERIFY(undo());
        QCOMPARE(m_bus->unit("U").record(95), connected.record(95));
        QVERIFY(!user->undoAction()->isEnabled());

        // Ctrl+F reaches the find field: typing filters both preset lists by name, in any case; the first arrow in the
        // user list picks the first entry shown; Escape shows every preset again.
        const auto visible = [](const ContentWidget* list) {
            QStringList names;
            for (const PresetButton* entry : list->entries())
                names << (entry->isVisible() ? entry->text() : QString());
            names.removeAll(QString());
            return names;
        };
        auto* find = w->findChild<QLineEdit*>("lineEditFind");
        QApplication::setActiveWindow(w);
        QTest::keyClick(w, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(find->hasFocus());
        QTest::keyClicks(find, "ROCK lead");
        const bool ariette = ext == "tarb";
        const QStringList rock = ariette ? QStringList{"U01\nRock Lead", "U51\nRock Lead 2"}
                                         : QStringList{"U34\nRock Lead", "U84\nRock Lead 2"};
        w->findChild<QTabWidget*>("tabFileFactorySet")->setCurrentIndex(1);
        QTRY_COMPARE(visible(user), rock);
        QTRY_COMPARE(visible(factory), ariette ? QStringList({"F26\nRock Lead", "F76\nRock Lead 2"})
                                               : QStringList({"F09\nRock Lead", "F59\nRock Lead 2"}));
        user->setFocus(Qt::TabFocusReason);
        for (int step = 0; step < 2; ++step)
            QTest::keyClick(user, Qt::Key_Right);
        QCOMPARE(user->selectedEntries().size(), 1);
        QCOMPARE(user->selectedEntries().value(0)->text(), rock.last());
        // Find in back-ups lists the presets of that name the model's back-up folder holds; Enter asks for the one
        // chosen to be opened.
        QVERIFY(QFile::copy(target.filePath("saved." + ext), backUpFolder + "/saved." + ext));
        QStringList found;
        m_answerer->push([&found](QWidget* box) {
            auto* dialog = qobject_cast<FindBackUpsDlg*>(box);
            if (dialog == nullptr || !dialog->isDone())
                return false;
            connect(dialog, &FindBackUpsDlg::openRequested, [&found](const QString& path, int slot) {
                found << "open " + QFileInfo(path).fileName() + ' ' + QString::number(slot);
            });
            found << dialog->findChild<QLabel*>("TessitraLabel")->text();
            for (const QTreeWidgetItem* row : dialog->findChild<QTreeWidget*>()->findItems("", Qt::MatchContains))
                found << QStringList{row->text(0), row->text(2), row->text(3), row->text(4)}.join('|');
            return QTest::keyClick(dialog->findChild<QTreeWidget*>(), Qt::Key_Return), true;
        });
        w->findChild<QPushButton*>("pushButtonFindInBackUps")->click();
        QVERIFY(settled());
        QCOMPARE(found, (QStringList{"Presets named like \"ROCK lead\", newest file first:",
                                     "saved." + ext + '|' + QString(rock.first()).replace('\n', '|') + '|',
                                     "saved." + ext + '|' + QString(rock.last()).replace('\n', '|') + '|',
                                     "open saved." + ext + ' ' + (ariette ? "1" : "34")}));
        QApplication::setActiveWindow(w); // a dialog that closed leaves no window active offscreen
        find->setFocus(Qt::TabFocusReason);
        QTest::keyClick(find, Qt::Key_Escape);
        QTRY_COMPARE(visible(user).size() * 1000 + visible(factory).size(), 100100);

        // Restore offers the newest back-up where the back-ups went, then says what will be lost: Enter and
        // Escape leave the unit alone, Yes writes the file back and the lists show what the unit holds afterwards.
        auto* restore = w->findChild<QPushButton*>("restore");
        const auto unitWrites = [&] { // all but the poll's identity requests
            const QVector<TrafficEntry> sent = m_bus->sentReports("U");
            return std::count_if(sent.begin(), sent.end(), [](const TrafficEntry& e) { return e.command != 10; });
        };
        // Its box tells the step and the time left of the whole restore, back-up and read-back included, and that it
        // cannot be stopped (an entry: what the box showed when the worker's next report came).
        QStringList boxSaid;
        QObject context;
        connect(
            DeviceManagerThread::instance(), &DeviceManagerThread::progress, &context,
            [&] {
                if (auto* box = w->findChild<QDialog*>("ProgressDialog"); box != nullptr && box->isVisible())
                    boxSaid << box->findChild<QLabel*>("ProgressStep")->text() + '|' +
                                   box->findChild<QLabel*>("ProgressTimeLeft")->text();
            },
            Qt::QueuedConnection);
        m_fileAnswer = target.filePath("saved." + ext);
        m_answerer->push([](QWidget* box) { return QTest::keyClick(box, Qt::Key_Return), true; });
        m_answerer->push("Escape");
        m_answerer->push("Yes");
        for (int attempt = 0; attempt < 3; ++attempt) {
            m_fileDialogs.clear();
            m_bus->clearTraffic("U");
            QTest::mouseClick(restore, Qt::LeftButton);
            QVERIFY(settled());
            QCOMPARE(m_answerer->seen.last(), "Restore|All 100 user presets, the favourites, set lists A to D and the "
                                              "system parameters of the unit will be replaced by those in saved." +
                                                  ext +
                                                  ". This takes about 3 minutes.|Do you want to restore this "
                                                  "back-up?");
            QCOMPARE(m_fileDialogs,
                     QStringList{"open|Select File|" + target.path() + "/saved." + ext + "|BACKUP(*." + ext + ")"});
            QVERIFY(attempt == 2 || unitWrites() == 0);
        }
        QCOMPARE(m_answerer->finishedTexts.last(), QString("Succesfully restored user presets and set lists."));
        const QString unstoppable = "\nThis cannot be stopped safely.";
        QCOMPARE(boxSaid.value(0), "|This cannot be stopped safely.");
        QCOMPARE(boxSaid.value(1), "Backing up the unit first: preset 1 of 100|about " +
                                       QString(ariette ? "2 min 50 s" : "3 min 30 s") + " left" + unstoppable);
        QVERIFY(boxSaid.contains("Writing presets 37 of 100|about " + QString(ariette ? "1 min 45 s" : "2 min 5 s") +
                                 " left" + unstoppable));
        QVERIFY(boxSaid.contains("Checking what was written 1 of 100|about " +
                                 QString(ariette ? "1 min 25 s" : "1 min 45 s") + " left" + unstoppable));
        const qint64 restoreWrites = unitWrites(); // the automatic back-up, the restore and its read-back
        const VirtualUnit restored = m_bus->unit("U");
        for (int number = 1; number <= 100; ++number)
            QCOMPARE(restored.record(number), connected.record(number));
        for (int index = 0; index < 5; ++index)
            QCOMPARE(restored.setList(index), connected.setList(index));
        QCOMPARE(user->entries().at(1)->text(), "U02\n" + names[1]);

        // The back-up opened beside the unit once the unit has changed on its panel: U07 and U08 renamed, a setting
        // of U20, set list A. Names and set lists are marked at once, the settings once the unit has been read.
        QVERIFY(m_bus->modifyUnit("U", [](VirtualUnit& unit) {
            unit.setRecord(7, withName(unit.record(7), "Panel Edit"));
            unit.setRecord(8, withName(unit.record(8), "Choir Pad"));
            QVector<int> record = unit.record(20);
            record[16] ^= 1;
            unit.setRecord(20, record);
            unit.setSetList(1, {5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        }));
        QTest::mouseClick(w->findChild<QPushButton*>("refreshButton"), Qt::LeftButton);
        QVERIFY(settled());
        // A back-up opens beside the unit from a double click in the file pane, a drop on the window, and the
        // restore question; the panel names the file each time and closes with Close.
        auto* title = w->findChild<QLabel*>("backUpTitle");
        auto* filePane = w->findChild<QListView*>("listViewFileBrowser");
        const QString savedPath = target.filePath("saved." + ext);
        emit filePane->doubleClicked(qobject_cast<QFileSystemModel*>(filePane->model())->index(savedPath));
        QTRY_COMPARE(title->isVisible() ? title->text() : QString(), "saved." + ext);
        w->findChild<QPushButton*>("backUpClose")->click();
        QMimeData dropped;
        dropped.setUrls({QUrl::fromLocalFile(savedPath)});
        QDragEnterEvent enter(QPoint(40, 40), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QDropEvent drop(QPointF(40, 40), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QVERIFY(!title->isVisible() && QCoreApplication::sendEvent(w, &enter) && enter.isAccepted());
        QVERIFY(QCoreApplication::sendEvent(w, &drop) && drop.isAccepted());
        QTRY_VERIFY(title->isVisible());
        w->findChild<QPushButton*>("backUpClose")->click();
        m_answerer->push("Open beside the unit");
        QTest::mouseClick(restore, Qt::LeftButton);
        QVERIFY(settled());
        auto* opened = w->findChild<QTreeWidget*>("backUpEntries");
        auto* onlyDifferences = w->findChild<QCheckBox*>("onlyDifferences");
        const auto marks = [&] {
            QStringList said{opened->topLevelItem(6)->data(0, Qt::AccessibleTextRole).toString()};
            for (int row : {7, 19, 0, 101, 105})
                said << opened->topLevelItem(row)->text(1);
            for (int row = 0; row < opened->topLevelItemCount(); ++row)
                said.last() += opened->topLevelItem(row)->isHidden() ? "" : "|";
            return said.join(", ");
        };
        QVERIFY(opened->isVisible() && w->findChild<QLabel*>("backUpTitle")->text() == "saved." + ext);
        onlyDifferences->click();
        QCOMPARE(marks(), "U07 Fifteen chars!!, renamed, renamed, same name, same name, changed, not compared|||");
        m_bus->clearTraffic("U");
        boxSaid.clear();
        QTest::mouseClick(w->findChild<QPushButton*>("compareSettings"), Qt::LeftButton);
        QVERIFY(settled());
        QCOMPARE(boxSaid.value(1),
                 "Reading presets 1 of 100|about " + QString(ariette ? "54 s" : "1 min 15 s") + " left");
        QCOMPARE(marks(), "U07 Fifteen chars!!, renamed, renamed, other settings, same, changed, same||||");
        const auto presetWrites = [&] { // a preset chosen and its record sent
            const QVector<TrafficEntry> sent = m_bus->sentReports("U");
            int writes = 0;
            for (int i = 1; i < sent.size(); ++i)
                writes += sent[i - 1].command == 6 && sent[i].command == 7;
            return writes;
        };
        QCOMPARE(presetWrites(), 0);
        // U07 and U08 dragged back onto their slots: the question a file drop asks, then two preset writes.
        opened->topLevelItem(6)->setSelected(true);
        opened->topLevelItem(7)->setSelected(true);
        m_answerer->push("Yes");
        QVERIFY(dragTo(*user, opened->model()->mimeData(opened->selectionModel()->selectedIndexes()), centre(*user, 6),
                       true));
        QVERIFY(settled());
        QCOMPARE(m_answerer->seen.last(), "Load Presets|Do you want to overwrite the presets <b>U07_Panel Edit, "
                                          "U08_Choir Pad</b> with <b>U07_Fifteen chars!!, U08_Sixteen chars!!!</b> "
                                          "from <b>saved." +
                                              ext + "</b>?");
        QCOMPARE(user->entries().at(7)->text(), QString("U08\nSixteen chars!!!"));
        // Restore selected: set list A alone.
        opened->clearSelection();
        m_answerer->push([](QWidget* dialog) {
            dialog->findChild<QCheckBox*>("restoreSetList1")->click();
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->text() == "Restore")
                    return button->click(), true;
            return false;
        });
        m_answerer->push("Yes");
        QTest::mouseClick(w->findChild<QPushButton*>("restoreSelected"), Qt::LeftButton);
        QVERIFY(settled());
        QCOMPARE(m_answerer->seen.last(), "Restore Selected|What the unit holds in set list A will be replaced by what "
                                          "saved." +
                                              ext +
                                              " holds there; everything else stays as it is.|Do you want "
                                              "to put them back?");
        // The unit differs from the back-up in the setting left out, and only there; two presets crossed the wire.
        const VirtualUnit picked = m_bus->unit("U");
        QStringList differs;
        for (int number = 1; number <= 100; ++number)
            differs << (picked.record(number) == connected.record(number) ? "" : QString::number(number));
        for (int index = 0; index < 5; ++index)
            differs << (picked.setList(index) == connected.setList(index) ? "" : "list");
        differs << (picked.sysParams() == connected.sysParams() ? "" : "system");
        QCOMPARE(differs.join(""), QString("20"));
        QCOMPARE(presetWrites(), 2);
        QTRY_COMPARE(marks(), "U07 Fifteen chars!!, same name, same name, same name, same name, same, not compared");
        // Against the automatic back-up the full restore took instead of the unit: U02 renamed and set list B then.
        const QString taken = backUpFolder + "/" + QDir(backUpFolder).entryList({"Auto before restore*"}).value(0);
        w->findChild<BackUpController*>()->setFileChooser([&](QWidget*, auto&, auto&, auto&) { return taken; });
        QTest::mouseClick(w->findChild<QPushButton*>("compareFile"), Qt::LeftButton);
        QCOMPARE(marks(), "U07 Fifteen chars!!, same, same, same, same, same, same||");
        QCOMPARE(opened->topLevelItem(1)->text(1) + opened->topLevelItem(102)->text(1), QString("renamedchanged"));

        // A firmware file (DSP for the Ariette, microcontroller for the Cadenzo) and the Cadenzo's factory rewrite
        // say what they replace: Enter and Escape leave the unit alone.
        const bool cadenzo = model == UnitModel::Cadenzo;
        QStringList asked{cadenzo ? "Firmware Update|The microcontroller firmware of the unit (Firmware v2.2) will be "
                                    "replaced by the one in next.bin.|Do you want to write this firmware?"
                                  : "Firmware Update|The DSP firmware of the unit (DSP v2.3) will be replaced by the "
                                    "one in next.ldr.|Do you want to write this firmware?"};
        if (cadenzo)
            asked << "Factory Preset Update|All 100 factory presets of the unit will be replaced by those in "
                     "FactoryPresets.dat. This takes about 4 minutes.|Do you want to rewrite the factory presets?";
        m_fileAnswer = target.filePath(cadenzo ? "next.bin" : "next.ldr");
        QVERIFY(writeFile(m_fileAnswer, QByteArray(5600, 'f')));
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            m_bus->clearTraffic("U");
            for (int n = 0; n < asked.size(); ++n)
                m_answerer->push([key](QWidget* box) { return QTest::keyClick(box, key), true; });
            w->findChild<QPushButton*>("updateButton")->click();
            if (cadenzo) { // the dialog is gone once a rewrite has run
                QPointer<CSettingsDlg> settings = new CSettingsDlg(w);
                settings->doFactoryUpdate();
                delete settings;
            }
            QVERIFY(settled());
            QCOMPARE(m_answerer->seen.mid(m_answerer->seen.size() - asked.size()), asked);
            QCOMPARE(presetWrites(), 0);
        }

        // A restore that finds no back-up file says so and leaves the lists alone.
        PresetButton* second = user->entries().at(1);
        m_fileAnswer = target.filePath("missing." + ext);
        m_answerer->push("Yes");
        QTest::mouseClick(restore, Qt::LeftButton);
        QCOMPARE(m_answerer->finishedTexts.last(), QString("Couldn't find a back up file.\nPlease back up first."));
        QCOMPARE(user->entries().at(1), second);

        // A restore the unit vanishes from halfway says how far it got. Once the unit answers again the automatic
        // back-up taken before it is offered (and listed first in the back-up folder); Yes puts it back exactly.
        QVERIFY(m_bus->setRecord("U", 3, withName(connected.record(3), "Before")));
        const VirtualUnit before = m_bus->unit("U");
        QVERIFY(m_bus->setFault("U", FaultKind::Vanish, int(restoreWrites / 2)));
        m_fileAnswer = target.filePath("saved." + ext);
        m_answerer->push("Yes");
        QTest::mouseClick(restore, Qt::LeftButton);
        QVERIFY(settled());
        const QRegularExpression stopped("The unit was disconnected during the restore. \\d+ of 100 user presets "
                                         "were written, so it holds a mix of old and restored presets.\nWhen the "
                                         "unit answers again, the librarian offers to put back the state from before "
                                         "the restore.");
        QVERIFY(m_answerer->finishedTexts.last().contains(stopped));
        QVERIFY(QTest::qWaitFor([&] { return !m_bus->isPlugged("U") && !restore->isEnabled(); }, kWaitMs));
        m_answerer->push("Put back the state from before");
        QVERIFY(m_bus->plug("U", model));
        QVERIFY(QTest::qWaitFor([&] { return restore->isEnabled(); }, kWaitMs) && settled());
        const QRegularExpression offer("^Restore\\|Restore the state from before\\?\\|The unit answers again. The "
                                       "automatic back-up \"(Auto before restore \\d{4}-\\d\\d-\\d\\d "
                                       "\\d\\d-\\d\\d-\\d\\d( \\(\\d+\\))?\\." +
                                       ext + ")\" holds");
        const QString offered = offer.match(m_answerer->seen.last()).captured(1);
        const VirtualUnit recovered = m_bus->unit("U");
        for (int number = 1; number <= 100; ++number)
            QCOMPARE(recovered.record(number), before.record(number));
        for (int index = 0; index < 5; ++index)
            QCOMPARE(recovered.setList(index), before.setList(index));
        QCOMPARE(recovered.sysParams(), before.sysParams());
        m_fileAnswer.clear();
        QTest::mouseClick(restore, Qt::LeftButton);
        QCOMPARE(m_fileDialogs.last(), "open|Select File|" + backUpFolder + "/" + offered + "|BACKUP(*." + ext + ")");

        // The unit goes: the lists empty and what needs the unit goes off.
        QVERIFY(m_bus->unplug("U"));
        QVERIFY(
            QTest::qWaitFor([&] { return w->findChild<QLabel*>("deviceLabel")->text() == "Disconnected"; }, kWaitMs));
        for (const char* name : {"listWidgetUserPreset", "listWidgetFactoryPresets", "listWidgetFavorites",
                                 "listWidgetSetListA", "listWidgetSetListD"})
            QCOMPARE(texts(w, name), QStringList());
        QVERIFY(!w->findChild<QPushButton*>("backUp")->isEnabled());
        // The empty list says what to do, or who has the unit while the command line holds it.
        const auto* noUnit = w->findChild<QLabel*>("labelNoUnit");
        QStringList said{noUnit->isVisible() ? noUnit->text() : "hidden"};
        for (bool inUse : {true, false}) {
            emit DeviceManagerThread::instance()->unitInUse(inUse);
            QCoreApplication::processEvents();
            said << noUnit->text();
        }
        QCOMPARE(said, QStringList({"Connect your Stage Ariette or Stage Cadenzo over USB",
                                    "The unit is in use by the tessitra command line; the librarian connects when "
                                    "it is free.",
                                    "Connect your Stage Ariette or Stage Cadenzo over USB"}));
    }

    // At start-up the check comes first and the presets are read after its answer; the buttons come on once the
    // run after the question ends, however it went; the next connection shows whether the check counts as done.
    void firmwareOffer_data()
    {
        QTest::addColumn<QString>("dspUrl");
        QTest::addColumn<QString>("fwUrl");
        QTest::addColumn<QString>("answer"); // empty: no box expected
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("posted");
        QTest::addColumn<QString>("pending");
        QTest::addColumn<QString>("nextConnection");
        const QString d = "http://u.example.org/dsp.ldr", f = "http://u.example.org/fw.bin";
        const QString ask =
            "Firmware Update|New firmware version available.\nCurrent: %1\nNew: %2\nDo you want to update?";
        const QString both = ask.arg("DSP v2.3, Firmware v1.5", "DSP v2.4, Firmware v1.6");
        const QString dspOnly = ask.arg("DSP v2.3", "DSP v2.4"), fwOnly = ask.arg("Firmware v1.5", "Firmware v1.6");
        const QString read = "device 1001 Connected", download = "update 1005 Firmware Update";
        // clang-format off
        QTest::newRow("nothing newer: read") << "" << "" << "" << 0 << "" << read << "" << read;
        QTest::newRow("both, yes: fw pending") << d << f << "Yes" << 0 << both << download << f << "update 1004";
        QTest::newRow("both, yes, failed") << d << f << "Yes" << 5 << both << download << "" << "update 1004";
        QTest::newRow("dsp, yes") << d << "" << "Yes" << 0 << dspOnly << download << "" << read;
        QTest::newRow("fw, yes") << "" << f << "Yes" << 0 << fwOnly << download << "" << read;
        QTest::newRow("dsp, Enter is no: read, done") << d << "" << "Enter" << 0 << dspOnly << read << "" << read;
        QTest::newRow("both, cancel: read") << d << f << "Escape" << 0 << both << read << "" << read;
        QTest::newRow("both, unit gone: nothing read") << d << f << "unit lost" << 0 << both << "" << "" << "update 1004";
        // clang-format on
    }

    void firmwareOffer()
    {
        QFETCH(QString, dspUrl);
        QFETCH(QString, fwUrl);
        QFETCH(QString, answer);
        QFETCH(int, result);
        QFETCH(QString, question);
        QFETCH(QString, posted);
        QFETCH(QString, pending);
        QFETCH(QString, nextConnection);
        setUpdateMode(false, false);
        CSettings::instance()->setPendingFwUrl(QString());
        g_deviceInfo.setVersionTexts("DSP v2.3", "Firmware v1.5");
        MainWindow* window = makeWindow();
        EventTap tap;
        g_bDeviceConnected.store(true);
        window->onDeviceDetected(0x0A21);
        QCoreApplication::processEvents();
        QCOMPARE(tap.summary, QStringList{"update 1004"});
        QVERIFY(CSettings::instance()->m_DateTimeLastChecked.secsTo(QDateTime::currentDateTime()) < 5);
        tap.summary.clear();
        tap.result = result;
        if (!answer.isEmpty())
            m_answerer->push(answer);
        emit CFirmwareUpdate::instance()->newVersions("DSP v2.4", dspUrl, "Firmware v1.6", fwUrl, "", "", false);
        QCOMPARE(m_answerer->pending(), 0);
        QCOMPARE(m_answerer->seen, question.isEmpty() ? QStringList() : QStringList{question});
        QCOMPARE(tap.summary, posted.isEmpty() ? QStringList() : QStringList{posted});
        if (answer == "Yes")
            QCOMPARE(CFirmwareUpdate::instance()->firmwareImageUrl(), QUrl(dspUrl.isEmpty() ? fwUrl : dspUrl));
        CSettings::instance()->readSettings();
        QCOMPARE(CSettings::instance()->m_strPendingFwUrl, pending);
        QCOMPARE(window->findChild<QPushButton*>("backUp")->isEnabled(), !posted.isEmpty());
        tap.summary.clear();
        tap.result = 0;
        g_bDeviceConnected.store(true);
        window->onDeviceDetected(0x0A21);
        QCoreApplication::processEvents();
        QCOMPARE(tap.summary, QStringList{nextConnection});
    }

    void monthlyCheck_data()
    {
        QTest::addColumn<int>("daysAgo"); // -1: never checked
        QTest::addColumn<bool>("monthly");
        QTest::addColumn<bool>("checks");
        QTest::newRow("29 days") << 29 << true << false;
        QTest::newRow("30 days") << 30 << true << true;
        QTest::newRow("never") << -1 << true << true;
        QTest::newRow("not monthly") << 90 << false << false;
    }

    // In monthly mode the unit's second idle after connecting checks, once 30 days have passed.
    void monthlyCheck()
    {
        QFETCH(int, daysAgo);
        QFETCH(bool, monthly);
        QFETCH(bool, checks);
        setUpdateMode(!monthly, monthly);
        MainWindow* window = makeWindow();
        EventTap tap;
        window->onDeviceDetected(0x0C42);
        const QDateTime last = daysAgo < 0 ? QDateTime() : QDateTime::currentDateTime().addDays(-daysAgo);
        setUpdateMode(!monthly, monthly, last);
        emit DeviceManagerThread::instance()->deviceIdle();
        emit DeviceManagerThread::instance()->deviceIdle();
        QCoreApplication::processEvents();
        QCOMPARE(tap.summary,
                 QStringList{"device 1001 Connected"} + (checks ? QStringList{"update 1004"} : QStringList()));
        CSettings::instance()->readSettings();
        const QDateTime stored = CSettings::instance()->m_DateTimeLastChecked;
        QVERIFY(checks ? stored.secsTo(QDateTime::currentDateTime()) < 5 : stored == last);
    }

    // The window in each language at 1280x800 (and at 2x, run again with QT_SCALE_FACTOR=2): no text a person
    // reads is wider than its widget shows it, and in the pseudo-translation, longer than any language, every text
    // of ours carries its marks, so a text left out of the translation shows. The window and each tab, the
    // two-units box, a paste question, the entry's menu, Settings and About.
    void languages_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("yes"); // Qt's own word on a question's button, from Qt's translations
        const QStringList yes{"&Yes", "&Ja", "&Oui", "&S\u00ed", "\u306f\u3044(&Y)", "&Yes"};
        int i = 0;
        for (const char* language : {"en", "de", "fr", "es", "ja", "pseudo"})
            QTest::newRow(language) << QString(language) << yes.at(i++);
    }

    void languages()
    {
        QFETCH(QString, language);
        QFETCH(QString, yes);
        QVERIFY(Language::install(qApp, language));
        const bool bMarked = language == "pseudo";
        QStringList faults;
        const auto check = [&](QWidget* pRoot) { faults << textFaults(pRoot, bMarked); };
        const auto checkAnd = [&](QMessageBox::StandardButton answer) {
            return [&, answer](QWidget* pModal) {
                pModal->layout()->activate();
                check(pModal);
                auto* pBox = qobject_cast<QMessageBox*>(pModal);
                return pBox == nullptr || (pBox->button(answer)->click(), true);
            };
        };
        QVERIFY(m_bus->plug("U", UnitModel::Ariette) && m_bus->plug("V", UnitModel::Cadenzo));
        m_answerer->push([&](QWidget* pModal) {
            return checkAnd(QMessageBox::Ok)(pModal) && (QTimer::singleShot(500, [&] { m_bus->unplug("V"); }), true);
        });
        qApp->setStyleSheet(QString::fromUtf8(readFile(":/qss/TSStyle.qss")));
        MainWindow* w = makeWindow();
        w->show();
        bool bChecking = false;
        QVERIFY(startAndRead(&bChecking) && m_answerer->pending() == 0);
        auto* tabs = w->findChild<QTabWidget*>("tabFileFactorySet");
        for (const QSize size : {QSize(1280, 800), w->minimumSize()}) { // on a 1280x800 screen, and made smallest
            w->resize(size);
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                QCoreApplication::processEvents();
                check(w);
            }
        }
        auto* factory = w->findChild<ContentWidget*>("listWidgetFactoryPresets");
        auto* user = w->findChild<ContentWidget*>("listWidgetUserPreset");
        select(*factory, {2});
        QTest::keyClick(factory, Qt::Key_C, Qt::ControlModifier);
        select(*user, {89});
        QTest::keyClick(user, Qt::Key_F10, Qt::ShiftModifier);
        QString shownYes;
        m_answerer->push([&](QWidget* pModal) {
            shownYes = qobject_cast<QMessageBox*>(pModal)->button(QMessageBox::Yes)->text();
            return checkAnd(QMessageBox::No)(pModal);
        });
        QTest::keyClick(user, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(settled() && m_answerer->pending() == 0);
        QCOMPARE(shownYes, yes);
        const QStringList menu = m_answerer->seen.filter(QRegularExpression("^menu\\|")).value(0).mid(5).split(',');
        QCOMPARE(menu.size(), 7);
        for (const QString& item : menu)
            faults << (bMarked && !item.contains(QStringLiteral("\u27E6")) ? "unmarked|menu|" + item : QString());
        // A back-up of the unit opened beside it, its Restore selected dialog and Find in back-ups.
        QTemporaryDir target;
        m_fileAnswer = target.filePath("lang.tarb");
        QTest::mouseClick(w->findChild<QPushButton*>("backUp"), Qt::LeftButton);
        QVERIFY(settled() && QFile::exists(m_fileAnswer));
        w->resize(1280, 800);
        w->findChild<BackUpController*>()->openBackUp(m_fileAnswer, 7);
        QTRY_VERIFY(w->findChild<QWidget*>("backUpView")->isVisible());
        QCoreApplication::processEvents();
        // Pseudo texts are a third longer than any language's: beside an opened back-up only their marks count.
        for (const QString& fault : textFaults(w, bMarked))
            faults << (bMarked && fault.startsWith("cut|") ? QString() : fault);
        const auto checkAndClose = [&](QWidget* pModal) {
            auto* pFind = qobject_cast<FindBackUpsDlg*>(pModal);
            if (pFind != nullptr && !pFind->isDone())
                return false;
            pModal->layout()->activate();
            check(pModal);
            return QMetaObject::invokeMethod(pModal, "reject"), true;
        };
        w->findChild<QLineEdit*>("lineEditFind")->setText("Choir");
        for (const char* button : {"restoreSelected", "pushButtonFindInBackUps"}) {
            m_answerer->push(checkAndClose);
            w->findChild<QPushButton*>(button)->click();
            QVERIFY2(QTest::qWaitFor([&] { return m_answerer->pending() == 0; }, kWaitMs) && settled(), button);
        }
        w->findChild<QLineEdit*>("lineEditFind")->clear();
        m_fileAnswer.clear();
        QTest::mouseClick(w->findChild<QPushButton*>("settingsButton"), Qt::LeftButton);
        QTRY_VERIFY(w->findChild<CSettingsDlg*>() != nullptr && w->findChild<CSettingsDlg*>()->isVisible());
        check(w->findChild<CSettingsDlg*>());
        w->findChild<CSettingsDlg*>()->close();
        w->onTriggeredAbout();
        QTRY_VERIFY(w->findChild<CSplashScreen*>() != nullptr && w->findChild<CSplashScreen*>()->isVisible());
        check(w->findChild<CSplashScreen*>());
        w->findChild<CSplashScreen*>()->close();
        Language::install(qApp, "en");
        faults.removeAll(QString());
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    }

    // The window's own parts, one window: Help, About, and copying an older data folder without overwriting
    // anything already there.
    void windowParts()
    {
        MainWindow* window = makeWindow("true");
        // Alt+F4 on the start-up splash while the window first appears: the splash goes, the window stays.
        window->showSplash("<b>Loading...</b>", true);
        QPointer<QWidget> splash;
        for (QWidget* pTop : QApplication::topLevelWidgets())
            splash = qobject_cast<CSplashScreen*>(pTop) ? pTop : splash.data();
        QTimer::singleShot(0, splash, &QWidget::close); // what Alt+F4 does to it
        window->finishSplashTimer();
        QTRY_VERIFY(splash.isNull() && window->isVisible());
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        // Without a unit: the plain logo and the unplugged indicator. A taller window gives the user list most of
        // the extra height. The gear opens one Settings dialog, raised when asked again.
        QVERIFY(window->findChild<QLabel*>("labelLogo")->styleSheet().contains("url(:/images/logo.png)") &&
                window->findChild<QLabel*>("deviceButton")->styleSheet().contains("url(:/images/disconnected.png)"));
        const QWidget* userPane = window->findChild<QWidget*>("widgetUserPreset");
        const int shortPane = userPane->height();
        window->resize(900, 900);
        QTRY_VERIFY(userPane->height() - shortPane > 200);
        for (int click = 0; click < 2; ++click)
            QTest::mouseClick(window->findChild<QPushButton*>("settingsButton"), Qt::LeftButton);
        QCOMPARE(window->findChildren<CSettingsDlg*>().size(), 1);
        // Help opens the manual that ships with the program; with nothing to show it, it says where it is.
        UrlRecorder browser;
        QDesktopServices::setUrlHandler("file", &browser, "open");
        QTest::keyClick(window, Qt::Key_F1);
        QDesktopServices::unsetUrlHandler("file");
        const QString manual = m_home.path() + "/Aurivell/Tessitra/Manual/manual.html";
        QCOMPARE(browser.urls, QList<QUrl>{QUrl::fromLocalFile(manual)});
        QVERIFY(readFile(manual).contains("<title>Tessitra Stage Librarian manual</title>"));
        m_answerer->push("OK");
        QTest::keyClick(window, Qt::Key_F1);
        QCOMPARE(m_answerer->seen, QStringList{"Help|The manual could not be opened. It is at " + manual + "."});
        window->onTriggeredAbout();
        QCOMPARE(window->findChildren<CSplashScreen*>().size(), 1);
        QCOMPARE(window->findChild<CSplashScreen*>()->findChild<QLabel*>()->text(),
                 QString("<b>Stage Librarian 2.3.4, build 77</b><br/><a href=\"https://a.example.org/ariette\"><b>"
                         "Ariette page</b></a><br/><a href=\"https://c.example.org/cadenzo\"><b>Cadenzo page</b></a>"));
        // It takes the keyboard: Escape closes it, and so does Enter.
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            QPointer<CSplashScreen> about = window->findChild<CSplashScreen*>();
            QTRY_COMPARE(QApplication::focusWidget(), about.data());
            QTest::keyClick(QApplication::focusWidget(), key);
            QTRY_VERIFY(about.isNull());
            window->onTriggeredAbout();
        }
        window->findChild<CSplashScreen*>()->close();
        window->close(); // where the file browser rests is where the next run starts
        QCOMPARE(CSettings::instance()->fileSystemPath(), QDir(m_home.path()).canonicalPath() + "/Aurivell/Tessitra");

        QTemporaryDir dir;
        const QString from = dir.path() + "/legacy", to = dir.path() + "/new/deep";
        window->copyDirectory(from, to);
        QVERIFY(!QFileInfo::exists(dir.path() + "/new")); // nothing to copy: no target folder either
        writeFile(from + "/kept.tarp", "from legacy");
        writeFile(from + "/sub/deeper/nested.tarb", "nested");
        writeFile(to + "/kept.tarp", "user's own");
        window->copyDirectory(from, to);
        QCOMPARE(readFile(to + "/kept.tarp") + readFile(to + "/sub/deeper/nested.tarb") + readFile(from + "/kept.tarp"),
                 QByteArray("user's ownnestedfrom legacy"));
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
