#include "app.h"
#include "splashscreen.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMovie>
#include <QRegularExpression>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QtTest>

namespace {
// Stands in for the desktop's browser: records what it was asked to open.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

QPixmap picture(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setBrush(QColor(20, 24, 40));
    painter.drawRoundedRect(QRect(0, 0, width, height), 16, 16);
    return pixmap;
}

QStringList g_warnings;

void collectWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg)
        g_warnings.append(message);
}

const char* const kAboutText = "<b>Tessitra Stage Librarian 1.0.0</b><br/><a href=\"tessitra-test://ariette\"><b>Stage "
                               "Ariette</b></a><br/><a href=\"www.example.com/cadenzo\"><b>Stage Cadenzo</b></a>";
} // namespace

class TestSplash : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void clicks_data();
    void clicks();
    void sizeFollowsPicture_data();
    void sizeFollowsPicture();
    void linksOpenInTheBrowser_data();
    void linksOpenInTheBrowser();
    void compiledInArt_data();
    void compiledInArt();
    void styleSheetParsesAndFindsItsImages();

private:
    UrlRecorder m_recorder;
};

void TestSplash::initTestCase()
{
    initTessitraResources();
    QDesktopServices::setUrlHandler("tessitra-test", &m_recorder, "open");
    QDesktopServices::setUrlHandler("http", &m_recorder, "open");
}

void TestSplash::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler("tessitra-test");
    QDesktopServices::unsetUrlHandler("http");
}

void TestSplash::clicks_data()
{
    QTest::addColumn<bool>("startup");
    QTest::addColumn<bool>("onText");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<bool>("closes");

    QTest::newRow("start-up, picture") << true << false << false << false;
    QTest::newRow("start-up, picture, double-click") << true << false << true << false;
    QTest::newRow("start-up, text") << true << true << false << false;
    QTest::newRow("about, picture") << false << false << false << true;
    QTest::newRow("about, picture, double-click") << false << false << true << true;
    QTest::newRow("about, text") << false << true << false << false;
    QTest::newRow("about, text, double-click") << false << true << true << false;
}

void TestSplash::clicks()
{
    QFETCH(bool, startup);
    QFETCH(bool, onText);
    QFETCH(bool, doubleClick);
    QFETCH(bool, closes);

    QPointer<CSplashScreen> splash =
        new CSplashScreen(nullptr, picture(560, 340), startup ? "<b>Loading...</b>" : kAboutText, startup);
    QCOMPARE(bool(splash->windowFlags() & Qt::WindowStaysOnTopHint), startup);
    QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash));

    QLabel* label = splash->findChild<QLabel*>();
    QVERIFY(label);
    // The label ignores presses outside its links, so they reach the splash at the same spot.
    const QPoint position = onText ? label->geometry().topLeft() + QPoint(3, 3) : QPoint(splash->width() - 20, 20);
    QVERIFY(label->frameGeometry().contains(position) == onText);
    if (doubleClick)
        QTest::mouseDClick(splash, Qt::LeftButton, Qt::NoModifier, position);
    else
        QTest::mouseClick(splash, Qt::LeftButton, Qt::NoModifier, position);

    if (closes) {
        // A closed splash deletes itself.
        QTRY_VERIFY(splash.isNull());
        return;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!splash.isNull());
    QVERIFY(splash->isVisible());
    // Closing works the way the window does it at the end of start-up.
    QVERIFY(splash->close());
    QTRY_VERIFY(splash.isNull());
}

void TestSplash::sizeFollowsPicture_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");
    QTest::newRow("the product's splash") << ":/images/splash.png" << QSize(560, 340);
    QTest::newRow("drawn picture") << QString() << QSize(560, 340);
    QTest::newRow("small picture") << QString() << QSize(320, 200);
}

void TestSplash::sizeFollowsPicture()
{
    QFETCH(QString, resource);
    QFETCH(QSize, size);
    const QPixmap pixmap = resource.isEmpty() ? picture(size.width(), size.height()) : QPixmap(resource);
    // Rounded corners: the picture's corner pixels are fully transparent.
    QCOMPARE(pixmap.toImage().pixelColor(0, 0).alpha(), 0);
    QTest::ignoreMessage(QtDebugMsg, qPrintable(QString("splash: %1x%2, message: <b>Loading...</b>")
                                                    .arg(size.width())
                                                    .arg(size.height())));
    CSplashScreen* splash = new CSplashScreen(nullptr, pixmap, "<b>Loading...</b>", true);
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    QCOMPARE(splash->size(), size);
    QCOMPARE(splash->minimumSize(), size);
    QCOMPARE(splash->maximumSize(), size);
    QVERIFY(splash->testAttribute(Qt::WA_TranslucentBackground));

    // The text sits in the lower-left corner of the picture.
    QLabel* label = splash->findChild<QLabel*>();
    QVERIFY(label);
    QCOMPARE(label->text(), QString("<b>Loading...</b>"));
    QCOMPARE(label->textFormat(), Qt::RichText);
    QCOMPARE(label->geometry().left(), 10);
    QCOMPARE(label->geometry().bottom(), size.height() - 5 - 1);
    splash->close();
}

void TestSplash::linksOpenInTheBrowser_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QUrl>("url");
    QTest::newRow("link with scheme") << 1 << QUrl("tessitra-test://ariette");
    QTest::newRow("link without scheme") << 2 << QUrl("http://www.example.com/cadenzo");
}

void TestSplash::linksOpenInTheBrowser()
{
    QFETCH(int, line);
    QFETCH(QUrl, url);

    m_recorder.urls.clear();
    QPointer<CSplashScreen> splash = new CSplashScreen(nullptr, picture(560, 340), kAboutText, false);
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    QLabel* label = splash->findChild<QLabel*>();
    QVERIFY(label);

    // Three lines of text: click the start of the wanted one.
    const int lineHeight = label->height() / 3;
    const QPoint onLink(6, lineHeight * line + lineHeight / 2);
    QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, onLink);
    QTRY_COMPARE(m_recorder.urls, QList<QUrl>({url}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!splash.isNull());
    QVERIFY(splash->isVisible());
    splash->close();
}

void TestSplash::compiledInArt_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("frames");

    QTest::newRow("application icon") << ":/icon.png" << QSize(256, 256) << 1;
    QTest::newRow("logo") << ":/images/logo.png" << QSize(130, 46) << 1;
    QTest::newRow("Ariette logo") << ":/images/logoAriette.png" << QSize(196, 46) << 1;
    QTest::newRow("Cadenzo logo") << ":/images/logoCadenzo.png" << QSize(240, 46) << 1;
    QTest::newRow("connected") << ":/images/connected.png" << QSize(36, 36) << 1;
    QTest::newRow("disconnected") << ":/images/disconnected.png" << QSize(36, 36) << 1;
    QTest::newRow("device busy") << ":/images/deviceBusy.gif" << QSize(32, 32) << 12;
    QTest::newRow("progress") << ":/images/progress.gif" << QSize(32, 32) << 12;
    QTest::newRow("several presets dragged") << ":/images/presets_selected.png" << QSize(96, 64) << 1;
    QTest::newRow("save preset") << ":/images/savePreset.png" << QSize(32, 32) << 1;
    QTest::newRow("load preset") << ":/images/loadPreset.png" << QSize(32, 32) << 1;
}

void TestSplash::compiledInArt()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(int, frames);

    QMovie movie(path);
    QVERIFY2(movie.isValid(), qPrintable(path));
    QCOMPARE(movie.frameCount() > 0 ? movie.frameCount() : 1, frames);
    QVERIFY(movie.jumpToFrame(0));
    QCOMPARE(movie.currentImage().size(), size);
}

void TestSplash::styleSheetParsesAndFindsItsImages()
{
    QFile file(":/qss/TSStyle.qss");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString sheet = QString::fromUtf8(file.readAll());

    const QRegularExpression url("url\\((:[^)]+)\\)");
    int images = 0;
    for (auto it = url.globalMatch(sheet); it.hasNext();) {
        const QString path = it.next().captured(1);
        QVERIFY2(!QImage(path).isNull(), qPrintable(path));
        ++images;
    }
    QVERIFY(images >= 18);

    // Qt reports a sheet it cannot parse only as a warning, when a widget is first polished with it.
    g_warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
    qApp->setStyleSheet(sheet);
    QWidget probe;
    probe.setObjectName("MainWindow");
    probe.ensurePolished();
    qApp->setStyleSheet(QString());
    qInstallMessageHandler(previous);
    QCOMPARE(g_warnings, QStringList());
}

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
