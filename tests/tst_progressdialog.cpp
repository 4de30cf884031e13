#include "app.h"
#include "progessdialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <limits>

// Drives a dialog from inside its own modal loop, the way the workers' queued signals do.
class ProgressDialogTest : public QObject
{
    Q_OBJECT

private:
    struct Widgets
    {
        QLabel* text = nullptr;
        QLabel* movie = nullptr;
        QProgressBar* bar = nullptr;
        QPushButton* ok = nullptr;
    };

    static Widgets widgetsOf(ProgressDialog& dialog)
    {
        Widgets w;
        const auto labels = dialog.findChildren<QLabel*>("TessitraLabel");
        w.text = labels.value(0);
        w.movie = labels.value(1);
        w.bar = dialog.findChild<QProgressBar*>();
        w.ok = dialog.findChild<QPushButton*>("CancelProgress");
        return w;
    }

    // Runs the dialog and calls step() once it is shown; returns after exec() returned.
    static void runWith(ProgressDialog& dialog, const QString& text, const std::function<void()>& step)
    {
        QTimer::singleShot(0, &dialog, [&] {
            QTRY_VERIFY(dialog.isVisible());
            step();
        });
        // A failed check inside step() must not leave the modal loop waiting forever.
        QTimer::singleShot(10000, &dialog, [&] {
            if (dialog.isVisible())
                dialog.done(0);
        });
        QCOMPARE(dialog.exec(text, nullptr), 0);
    }

private slots:
    void initTestCase() { initTessitraResources(); }

    void fixedLookAndStartState()
    {
        ProgressDialog dialog(nullptr);
        QCOMPARE(dialog.objectName(), QString("ProgressDialog"));
        QCOMPARE(dialog.size(), QSize(400, 150));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
        runWith(dialog, "Reading presets...", [&] {
            const Widgets w = widgetsOf(dialog);
            QCOMPARE(w.text->text(), QString("Reading presets..."));
            QVERIFY(w.movie->isVisible());
            QVERIFY(w.bar->isHidden());
            QVERIFY(w.ok->isHidden());
            // A long text wraps inside the label; the dialog keeps its size.
            dialog.onUpdateText(QString(300, QChar('x')));
            QCOMPARE(dialog.size(), QSize(400, 150));
            dialog.onOperationFinished(0, true);
        });
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.operationResult(), 0);
    }

    void percentages_data()
    {
        QTest::addColumn<qulonglong>("total");
        QTest::addColumn<qulonglong>("sent");
        QTest::addColumn<bool>("barShown");
        QTest::addColumn<int>("value");
        QTest::newRow("999 of 1000") << 1000ULL << 999ULL << true << 99;
        QTest::newRow("all of 1000") << 1000ULL << 1000ULL << true << 100;
        QTest::newRow("nothing sent is busy") << 1000ULL << 0ULL << false << -1;
        QTest::newRow("no total is busy") << 0ULL << 5ULL << false << -1;
        // 2^62 * 100 wraps in 64 bits: the multiplication happens before the division, as on the unit's side.
        const qulonglong big = 1ULL << 62;
        QTest::newRow("large counts") << (big * 2) << big << true
                                      << static_cast<int>(big * 100ULL / (big * 2));
    }

    void percentages()
    {
        QFETCH(qulonglong, total);
        QFETCH(qulonglong, sent);
        QFETCH(bool, barShown);
        QFETCH(int, value);
        ProgressDialog dialog(nullptr);
        runWith(dialog, "Backing up presets...", [&] {
            const Widgets w = widgetsOf(dialog);
            dialog.onProgress(total, sent);
            QCOMPARE(w.bar->isVisible(), barShown);
            QCOMPARE(w.movie->isVisible(), !barShown);
            if (barShown)
                QCOMPARE(w.bar->value(), value);
            dialog.onOperationFinished(0, true);
        });
    }

    void failureKeepsTextAndWaitsForOk()
    {
        ProgressDialog dialog(nullptr);
        runWith(dialog, "Loading...", [&] {
            const Widgets w = widgetsOf(dialog);
            dialog.onProgress(100, 50);
            dialog.onUpdateText("Failed to load preset.");
            dialog.onOperationFinished(3, false);
            QCOMPARE(w.text->text(), QString("Failed to load preset."));
            QVERIFY(w.movie->isHidden());
            QVERIFY(w.bar->isHidden());
            QVERIFY(w.ok->isVisible());
            // Escape is swallowed: the dialog stays until OK.
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(&dialog, &escape);
            QVERIFY(dialog.isVisible());
            QTest::mouseClick(w.ok, Qt::LeftButton);
        });
        QCOMPARE(dialog.operationResult(), 3);
    }

    void messageFinishAndVisibilityGuard()
    {
        ProgressDialog dialog(nullptr);
        // Before it is shown, finishing and progress are ignored; text is not.
        dialog.onOperationFinished(7, false);
        dialog.onUpdateText("early");
        QCOMPARE(dialog.operationResult(), 0);
        runWith(dialog, "Checking...", [&] {
            const Widgets w = widgetsOf(dialog);
            QCOMPARE(w.text->text(), QString("Checking..."));
            dialog.onOperationFinished(QString("Update check failed!"));
            QCOMPARE(w.text->text(), QString("Update check failed!"));
            QVERIFY(w.ok->isVisible());
            dialog.onCancelClicked();
        });
        dialog.onOperationFinished(9, false);
        QCOMPARE(dialog.operationResult(), 0);
    }

    void widgetToCloseIsClosedAndDialogDeletesItself()
    {
        QWidget other;
        other.show();
        QPointer<ProgressDialog> dialog = new ProgressDialog(nullptr);
        QTimer::singleShot(0, dialog.data(), [&] {
            QTRY_VERIFY(dialog->isVisible());
            QVERIFY(!other.isVisible());
            dialog->onOperationFinished(0, true);
        });
        dialog->exec("Updating...", &other);
        QTRY_VERIFY(dialog.isNull());
    }
};

QTEST_MAIN(ProgressDialogTest)
#include "tst_progressdialog.moc"
