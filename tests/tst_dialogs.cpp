// The small dialogs: the splash (what a click closes, links to the browser, the style sheet and its pictures),
// the progress dialog (percentages, a failure waiting for OK, what it ignores when not shown), the settings
// dialog (which choice is stored when, the factory-preset group, Check Now handing over to the update worker) and
// the message boxes' own icons, what a screen reader finds in each dialog, and the contrast of the style's colours.

#include "DeviceManagerThread.h"
#include "app.h"
#include "globals.h"
#include "mainwindow.h"
#include "progessdialog.h"
#include "settingsdlg.h"
#include "splashscreen.h"

#include "support/Accessibility.h"
#include "support/EventTap.h"
#include "support/ModalAnswerer.h"
#include "support/UrlRecorder.h"

namespace {
// The settings dialog's store, read and written behind its back.
std::unique_ptr<QSettings> store()
{
    auto settings = std::make_unique<QSettings>("Aurivell", "TessitraStageLibrarian");
    settings->beginGroup("Settings");
    return settings;
}

QString labelText(const QWidget& dialog)
{
    return dialog.findChildren<QLabel*>("TessitraLabel").value(0)->text();
}

// Runs a progress dialog and calls step() once it is shown, the way the workers' queued signals reach it.
int runWith(ProgressDialog& dialog, const QString& text, const std::function<void()>& step)
{
    QTimer::singleShot(0, &dialog, [&] {
        QTRY_VERIFY(dialog.isVisible());
        step();
    });
    QTimer::singleShot(10000, &dialog, [&] { dialog.done(0); }); // a failed check must not leave the loop waiting
    return dialog.exec(text, nullptr);
}

QString styleSheet()
{
    QFile sheet(":/qss/TSStyle.qss");
    return sheet.open(QIODevice::ReadOnly) ? QString::fromUtf8(sheet.readAll()) : QString();
}

// The colours of "selector|property" in the style sheet, as the last rule naming exactly that selector sets them:
// one colour, or every stop of a gradient.
QList<QColor> sheetColours(const QString& selectorProperty)
{
    const QString selector = selectorProperty.section('|', 0, 0), property = selectorProperty.section('|', 1);
    QString sheet =
        styleSheet().remove(QRegularExpression("/\\*.*?\\*/", QRegularExpression::DotMatchesEverythingOption));
    QList<QColor> colours;
    QRegularExpressionMatchIterator rules = QRegularExpression("([^{}]+)\\{([^{}]*)\\}").globalMatch(sheet);
    while (rules.hasNext()) {
        const QRegularExpressionMatch rule = rules.next();
        QStringList selectors = rule.captured(1).split(',');
        for (QString& one : selectors)
            one = one.simplified();
        if (!selectors.contains(selector))
            continue;
        for (const QString& declaration : rule.captured(2).split(';')) {
            if (declaration.section(':', 0, 0).trimmed() != property)
                continue;
            colours.clear();
            QRegularExpressionMatchIterator hex = QRegularExpression("#[0-9a-fA-F]{6}").globalMatch(declaration);
            while (hex.hasNext())
                colours << QColor(hex.next().captured());
        }
    }
    return colours;
}

// Relative luminance of an sRGB colour: each channel made linear, weighted by how bright the eye finds it.
double luminance(const QColor& colour)
{
    const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT
    UrlRecorder m_browser;
    QTemporaryDir m_config;

private slots:
    void initTestCase()
    {
        initTessitraResources();
        QVERIFY(m_config.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
        QDesktopServices::setUrlHandler("tessitra-test", &m_browser, "open");
        QDesktopServices::setUrlHandler("http", &m_browser, "open");
    }

    // The About splash opens its links in the browser (one without a scheme as http) and closes on a click on
    // the picture, not on its text; the start-up splash stays on top and stays whatever is clicked.
    void splashClicks()
    {
        QPixmap picture(560, 340);
        picture.fill(Qt::darkBlue);
        const QString about = "<b>Tessitra Stage Librarian 1.0.0</b><br/><a href=\"tessitra-test://ariette\"><b>Stage "
                              "Ariette</b></a><br/><a href=\"www.example.com/cadenzo\"><b>Stage Cadenzo</b></a>";
        QStringList seen;
        for (bool startup : {true, false}) {
            QPointer<CSplashScreen> splash = new CSplashScreen(nullptr, picture, about, startup);
            splash->show();
            QVERIFY(QTest::qWaitForWindowExposed(splash));
            QLabel* label = splash->findChild<QLabel*>();
            seen << QString("on top:%1").arg(bool(splash->windowFlags() & Qt::WindowStaysOnTopHint));
            for (int line : {1, 2}) // three lines of text: the start of the wanted one
                QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(6, label->height() * (2 * line + 1) / 6));
            // The label ignores presses outside its links, so they reach the splash at the same spot.
            QTest::mouseClick(splash, Qt::LeftButton, {}, label->geometry().topLeft() + QPoint(3, 3));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            seen << QString("text:%1").arg(splash.isNull());
            const QPoint picked(splash->width() - 20, 20);
            startup ? QTest::mouseDClick(splash, Qt::LeftButton, {}, picked)
                    : QTest::mouseClick(splash, Qt::LeftButton, {}, picked);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // a closed splash deletes itself
            seen << QString("picture:%1").arg(splash.isNull());
            if (startup)
                QVERIFY(splash->close());
        }
        const QList<QUrl> links{QUrl("tessitra-test://ariette"), QUrl("http://www.example.com/cadenzo")};
        QTRY_COMPARE(m_browser.urls, links + links);
        QCOMPARE(seen, QStringList({"on top:1", "text:0", "picture:0", "on top:0", "text:0", "picture:1"}));
    }

    // The bar shows whole percents, rounded down, and gives way to the busy animation while nothing is sent or
    // there is no total. A failure keeps its text and waits for OK (Escape is swallowed); a finish before the
    // dialog shows or after it closed is ignored; the widget it is given to close goes when it shows.
    void progress()
    {
        ProgressDialog dialog(nullptr);
        dialog.onOperationFinished(7, false);
        QStringList shown;
        const std::pair<qulonglong, qulonglong> steps[] = {{1000, 0}, {1000, 999}, {0, 5}, {1000, 1000}}; // total, sent
        runWith(dialog, "Loading...", [&] {
            shown << labelText(dialog) + (dialog.findChild<QPushButton*>("CancelProgress")->isHidden() ? "" : " OK");
            for (const auto& [total, sent] : steps) {
                dialog.onProgress(total, sent);
                auto* bar = dialog.findChild<QProgressBar*>();
                shown << QString::number(bar->isVisible() ? bar->value() : -1) +
                             (dialog.findChildren<QLabel*>("TessitraLabel").value(1)->isVisible() ? " busy" : "");
            }
            dialog.onProgress(100, 50);
            dialog.onUpdateText("Failed to load preset.");
            dialog.onOperationFinished(3, false);
            shown << labelText(dialog) + (dialog.findChild<QProgressBar*>()->isHidden() ? "" : " bar");
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QVERIFY(dialog.isVisible());
            QTest::mouseClick(dialog.findChild<QPushButton*>("CancelProgress"), Qt::LeftButton);
        });
        QCOMPARE(shown, QStringList({"Loading...", "-1 busy", "99", "-1 busy", "100", "Failed to load preset."}));
        dialog.onOperationFinished(9, false);
        QCOMPARE(dialog.operationResult(), 3);
        runWith(dialog, "Checking...", [&] {
            dialog.onOperationFinished(QString("Update check failed!"));
            QCOMPARE(labelText(dialog), QString("Update check failed!"));
            QVERIFY(dialog.findChild<QPushButton*>("CancelProgress")->isVisible());
            dialog.onCancelClicked();
        });
        // A write to the unit shows its step, one bar and the time left, and no close or Escape dismisses it until
        // it has ended; an operation that can stop turns the close into its Cancel and says it is stopping.
        for (const bool stoppable : {false, true}) {
            ProgressDialog box(nullptr);
            box.setStoppable(stoppable);
            runWith(box, "Restoring presets...", [&] {
                box.onStepProgress("Writing presets 37 of 100", 64800, 168300);
                box.close();
                QTest::keyClick(&box, Qt::Key_Escape);
                QVERIFY(box.isVisible());
                QCOMPARE(box.findChild<QProgressBar*>()->value(), 38);
                QCOMPARE(box.findChild<QLabel*>("ProgressStep")->text(),
                         stoppable ? "Stopping..." : "Writing presets 37 of 100");
                QCOMPARE(box.findChild<QLabel*>("ProgressTimeLeft")->text(),
                         stoppable ? "about 1 min 45 s left" : "about 1 min 45 s left\nThis cannot be stopped safely.");
                QCOMPARE(box.findChild<QPushButton*>("CancelProgress")->isEnabled(), !stoppable);
                box.onUpdateText("Stopped. The back-up file was not written.");
                box.onOperationFinished(16, false);
                box.close();
                QVERIFY(!box.isVisible());
            });
        }
        QWidget other;
        other.show();
        QPointer<ProgressDialog> closing = new ProgressDialog(nullptr);
        QTimer::singleShot(0, closing.data(), [&] {
            QVERIFY(!other.isVisible());
            closing->onOperationFinished(0, true);
        });
        closing->exec("Updating...", &other);
        QTRY_VERIFY(closing.isNull());
    }

    // The stored mode is shown on opening; each choice (or "Reset To Defaults") stays in the dialog until OK, or
    // until Cancel is answered Yes. Any press of a radio, even the checked one, counts as a change.
    void settingsChoiceStored_data()
    {
        QTest::addColumn<bool>("manual");
        QTest::addColumn<bool>("monthly");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("button"); // empty: nothing pressed
        QTest::addColumn<QString>("answer"); // "OK"; "" Cancel with no question; "Yes"/"No" to the question
        QTest::addColumn<QString>("stored"); // back-up, verification ("-": none), manual, monthly, language, date
        const QString never("neverRadioButton"), startup("startupRadioButton"), monthly("monthlyRadioButton");
        const QString kept = " 1 2023-04-05T06:07:08", on = "true true ", off = "- - ";
        // clang-format off
        QTest::newRow("startup to never") << false << false << startup << never << "OK" << on + "true false" + kept;
        QTest::newRow("never to monthly") << true << false << never << monthly << "OK" << on + "false true" + kept;
        QTest::newRow("monthly to never") << false << true << monthly << never << "OK" << on + "true false" + kept;
        // Monthly wins over a manual flag set beside it; pressing it clears the stray flag.
        QTest::newRow("both to monthly") << true << true << monthly << monthly << "OK" << on + "false true" + kept;
        QTest::newRow("reset") << true << false << never << "resetButton" << "OK" << on + "false false 0 ";
        QTest::newRow("untouched, Cancel") << true << false << never << "" << "" << off + "true false" + kept;
        QTest::newRow("same choice, Cancel, No") << true << false << never << never << "No" << off + "true false" + kept;
        QTest::newRow("other choice, Cancel, Yes") << true << false << never << monthly << "Yes" << on + "false true" + kept;
        QTest::newRow("back-up off") << false << false << startup << "autoBackupCheckBox" << "OK" << "false true false false" + kept;
        // A language is stored as its place in the list; the window starts in it next time.
        QTest::newRow("language") << false << false << startup << "languageComboBox" << "OK" << on + "false false 2" + kept.mid(2);
        QTest::newRow("verify off, Cancel, Yes") << false << false << startup << "verifyWritesCheckBox" << "Yes" << "true false false false" + kept;
        // clang-format on
    }

    void settingsChoiceStored()
    {
        QFETCH(bool, manual);
        QFETCH(bool, monthly);
        QFETCH(QString, checked);
        QFETCH(QString, button);
        QFETCH(QString, answer);
        QFETCH(QString, stored);
        store()->remove("");
        store()->setValue("Language", 1);
        store()->setValue("LastCheckedDate", QDateTime(QDate(2023, 4, 5), QTime(6, 7, 8)));
        store()->setValue("PendingFwUrl", "http://updates.example/fw.bin");
        store()->setValue("ManualUpdate", manual);
        store()->setValue("MonthlyUpdate", monthly);
        QPointer<CSettingsDlg> dialog = new CSettingsDlg(nullptr);
        dialog->show();
        QVERIFY(dialog->findChild<QRadioButton*>(checked)->isChecked());
        auto* language = dialog->findChild<QComboBox*>("languageComboBox");
        QStringList languages;
        for (int i = 0; i < language->count(); ++i)
            languages << language->itemText(i);
        QCOMPARE(languages.join('|'), QString("System|English|Deutsch|Fran\u00e7ais|Espa\u00f1ol|\u65e5\u672c\u8a9e"));
        if (button == "languageComboBox")
            QTest::keyClick(language, Qt::Key_Down);
        else if (!button.isEmpty())
            QTest::mouseClick(dialog->findChild<QAbstractButton*>(button), Qt::LeftButton);
        QCOMPARE(store()->value("ManualUpdate").toBool(), manual); // nothing stored before OK
        const bool bAsked = answer == "Yes" || answer == "No";
        ModalAnswerer answerer(bAsked ? QStringList{answer} : QStringList());
        QTest::mouseClick(dialog->findChild<QAbstractButton*>(answer == "OK" ? "settingsOK" : "settingsCancel"),
                          Qt::LeftButton);
        QTRY_VERIFY(dialog.isNull());
        const QString question =
            "Settings|Preferences were modified?|Changes were made to the Preferences. Do you wish to "
            "keep these changes?";
        QCOMPARE(answerer.seen, bAsked ? QStringList{question} : QStringList());
        // The reset clears the language and the date in memory and OK writes them; the pending URL stays.
        auto s = store();
        QCOMPARE(QStringList({s->value("AutoBackup", "-").toString(), s->value("VerifyWrites", "-").toString(),
                              s->value("ManualUpdate").toString(), s->value("MonthlyUpdate").toString(),
                              s->value("Language").toString(),
                              s->value("LastCheckedDate").toDateTime().toString(Qt::ISODate)})
                     .join(' '),
                 stored);
        QCOMPARE(s->value("PendingFwUrl").toString(), QString("http://updates.example/fw.bin"));
    }

    // Only a connected Cadenzo gets the factory-preset update.
    void settingsFactoryPresetsOnlyForCadenzo()
    {
        g_bDeviceConnected.store(true);
        CSettingsDlg dialog(nullptr);
        dialog.show();
        auto* group = dialog.findChild<QGroupBox*>("groupBoxFactoryPresets");
        QStringList shown{group->isVisible() ? "shown" : "hidden"};
        for (int pid : {0x0A21, 0x0C42, 0}) {
            if (pid != 0)
                emit DeviceManagerThread::instance()->deviceDetected(pid);
            else
                emit DeviceManagerThread::instance()->deviceRemoved();
            shown << (group->isVisible() && group->isEnabled() ? "shown" : group->isEnabled() ? "?" : "hidden");
        }
        QCOMPARE(shown, QStringList({"hidden", "hidden", "shown", "hidden"}));
        g_bDeviceConnected.store(false);
    }

    // Check Now posts its request to the update worker under a progress dialog over the settings, which stay open,
    // and stores the date of the check as it starts.
    void settingsCheckNow_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("posted");
        QTest::newRow("firmware") << "firmwareUpdateButton"
                                  << "update 1003 Firmware Update";
        QTest::newRow("application") << "appUpdateButton"
                                     << "update 1001 Application Update";
    }

    void settingsCheckNow()
    {
        QFETCH(QString, button);
        QFETCH(QString, posted);
        store()->remove("");
        QPointer<CSettingsDlg> dialog = new CSettingsDlg(nullptr);
        dialog->show();
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        EventTap tap;
        QTest::mouseClick(dialog->findChild<QAbstractButton*>(button), Qt::LeftButton);
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(!dialog.isNull() && dialog->isVisible());
        delete dialog;
        QCOMPARE(tap.summary, QStringList{posted});
        const QDateTime stored = store()->value("LastCheckedDate").toDateTime();
        QVERIFY(stored >= before && stored <= QDateTime::currentDateTime());
    }

    // A screen reader finds each dialog named, and every control in it named in plain words (no markup, never
    // empty); the window's own name comes first.
    void accessibleNames_data()
    {
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("settings") << QStringList{
            "Settings",
            "combo|System|Select language",
            "radio|Never|",
            "check|Verify every write by reading it back|",
            "button|Check Now|Ask the update server for newer firmware for the unit now",
            "button|Check Now|Ask the update server for a newer librarian now"};
        QTest::newRow("progress") << QStringList{"Back Up"};
        QTest::newRow("about") << QStringList{"About Tessitra Stage Librarian"};
        QTest::newRow("question") << QStringList{"Load Presets", "button|Yes|", "button|No|"};
    }

    void accessibleNames()
    {
        QFETCH(QStringList, expected);
        const QString dialog = QTest::currentDataTag();
        QStringList found;
        const auto walk = [&](QWidget* pDialog) {
            found = QStringList{QAccessible::queryAccessibleInterface(pDialog)->text(QAccessible::Name)} +
                    accessibleControls(pDialog);
        };
        if (dialog == "settings") {
            CSettingsDlg settings(nullptr);
            walk(&settings);
        } else if (dialog == "progress") {
            ProgressDialog progress(nullptr);
            progress.setWindowTitle("Back Up");
            runWith(progress, "Backing up...", [&] {
                walk(&progress);
                progress.done(0);
            });
        } else if (dialog == "about") {
            CSplashScreen about(nullptr, QPixmap(560, 340), "<b>Tessitra Stage Librarian 1.0.0</b>", false);
            walk(&about);
        } else {
            walk(MainWindow::makeMessageBox(QMessageBox::Question, "Load Presets",
                                            "Do you want to overwrite the presets <b>U90_A</b>\nwith\n<b>F03_B</b>?",
                                            QMessageBox::Yes | QMessageBox::No, nullptr)
                     .get());
        }
        QCOMPARE(unnamedControls(found).join(" "), QString());
        for (const QString& control : expected)
            QVERIFY2(found.contains(control), qPrintable(control + " not in:\n" + found.join('\n')));
    }

    // Text reaches 4.5:1 against what it is drawn on, disabled text 3:1, and so does the focus ring against the
    // entry it surrounds; a gradient counts at its every stop. "selector|property" as the style sheet spells them.
    void contrast_data()
    {
        QTest::addColumn<QString>("foreground");
        QTest::addColumn<QString>("background");
        QTest::addColumn<double>("minimum");
        const QString entry = "QPushButton#PresetButton", tab = "QTabWidget#tabFileFactorySet QTabBar::tab";
        const QString window = "QWidget#centralwidget|background-color";
        // clang-format off
        QTest::newRow("percentage on the bar") << "QProgressBar|color" << "QProgressBar::chunk|background-color" << 4.5;
        QTest::newRow("percentage on the trough") << "QProgressBar|color" << "QProgressBar|background-color" << 4.5;
        QTest::newRow("entry") << entry + "|color" << entry + "|background-color" << 4.5;
        QTest::newRow("selected entry") << entry + ":checked|color" << entry + ":checked|background-color" << 4.5;
        QTest::newRow("EMPTY slot") << entry + ":disabled|color" << entry + ":disabled|background-color" << 4.5;
        QTest::newRow("selected EMPTY slot") << entry + ":disabled:checked|color" << entry + ":disabled:checked|background-color" << 4.5;
        QTest::newRow("focus ring on an entry") << entry + "[current=\"true\"]|border" << entry + "|background-color" << 3.0;
        QTest::newRow("button") << "QPushButton|color" << "QPushButton|background-color" << 4.5;
        QTest::newRow("disabled button") << "QPushButton:disabled|color" << "QPushButton:disabled|background-color" << 3.0;
        QTest::newRow("Back Up") << "QPushButton#backUp|color" << window << 4.5;
        QTest::newRow("disabled Back Up") << "QPushButton#backUp:disabled|color" << window << 3.0;
        QTest::newRow("connection state") << "QLabel#deviceLabel|color" << window << 4.5;
        QTest::newRow("tab") << tab + "|color" << tab + "|background-color" << 4.5;
        QTest::newRow("focus ring on a tab") << tab + ":focus|border" << tab + "|background-color" << 3.0;
        QTest::newRow("menu") << "QMenu|color" << "QMenu|background-color" << 4.5;
        QTest::newRow("disabled menu entry") << "QMenu::item:disabled|color" << "QMenu|background-color" << 3.0;
        QTest::newRow("disabled file") << "QListView::item:disabled|color" << "QListView|background-color" << 3.0;
        QTest::newRow("back-up beside the unit") << "QWidget#backUpView QCheckBox|color" << "QWidget#contentBackground|background-color" << 4.5;
        QTest::newRow("rename hint") << "QLabel#RenameHint|color" << "QDialog#InputDialog|background-color" << 4.5;
        QTest::newRow("column header") << "QHeaderView::section|color" << "QHeaderView::section|background-color" << 4.5;
        QTest::newRow("default answer") << "QMessageBox#TessitraMessageBox QPushButton:default|color"
                                        << "QMessageBox#TessitraMessageBox QPushButton:default|background-color" << 4.5;
        // clang-format on
    }

    void contrast()
    {
        QFETCH(QString, foreground);
        QFETCH(QString, background);
        QFETCH(double, minimum);
        const QList<QColor> fronts = sheetColours(foreground), backs = sheetColours(background);
        QVERIFY2(!fronts.isEmpty() && !backs.isEmpty(), "a selector or property the style sheet no longer has");
        for (const QColor& front : fronts) {
            for (const QColor& back : backs) {
                const double lighter = std::max(luminance(front), luminance(back));
                const double ratio = (lighter + 0.05) / (luminance(front) + luminance(back) - lighter + 0.05);
                QVERIFY2(ratio >= minimum,
                         qPrintable(QString("%1 on %2: %3:1").arg(front.name(), back.name()).arg(ratio, 0, 'f', 2)));
            }
        }
    }

    // Every message box, made by the window's helper or not, shows the program's own icon of its kind.
    void messageBoxIcons()
    {
        qApp->setStyleSheet(styleSheet());
        const std::pair<QMessageBox::Icon, const char*> kinds[] = {{QMessageBox::Question, "Question"},
                                                                   {QMessageBox::Information, "Information"},
                                                                   {QMessageBox::Warning, "Warning"},
                                                                   {QMessageBox::Critical, "Critical"}};
        // Compared premultiplied, as a pixmap keeps it: undoing that loses a unit on faint edge pixels.
        for (const auto& [icon, name] : kinds) {
            const QImage own = QImage(QString(":/images/message%1.png").arg(name))
                                   .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QCOMPARE(
                QMessageBox(icon, "", "").iconPixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                own);
        }
        qApp->setStyleSheet(QString());
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
