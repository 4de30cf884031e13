#include "splashscreen.h"

#include "log.h"

#include <QDesktopServices>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QUrl>
#include <QVBoxLayout>

CSplashScreen::CSplashScreen(QWidget* parent, const QPixmap& pixmap, QString message, bool bStartup)
    : QSplashScreen(parent ? parent->screen() : nullptr, pixmap), m_bStartup(bStartup), m_pLayout(nullptr),
      m_pLabel(nullptr)
{
    // The About box belongs to the main window (it is centred on it and modal to it); it stays a window
    // of its own with the splash screen's flags.
    if (parent)
        setParent(parent, windowFlags());
    // The picture has rounded, transparent corners: no frame, no background behind it.
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);

    setPixmap(pixmap);
    TS_DEBUG("splash: %dx%d, message: %s", pixmap.width(), pixmap.height(), message.toLocal8Bit().constData());
    setFixedSize(pixmap.size() / pixmap.devicePixelRatio()); // a 2x screen's picture has twice the pixels

    if (m_bStartup) {
        setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    } else {
        // The About box takes the keyboard while it is open, so Escape or Enter closes it like any other box.
        setFocusPolicy(Qt::StrongFocus);
        setAccessibleName(tr("About Tessitra Stage Librarian"));
    }

    installEventFilter(this);

    // The picture leaves its lower-left area free for the text.
    m_pLayout = new QVBoxLayout(this);
    m_pLayout->setContentsMargins(10, 80, 20, 5);

    m_pLabel = new QLabel(this);
    QSizePolicy policy = m_pLabel->sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Expanding);
    m_pLabel->setSizePolicy(policy);
    m_pLabel->setAlignment(Qt::AlignLeft);
    m_pLabel->setTextFormat(Qt::RichText);
    m_pLabel->setText(message);
    m_pLayout->addWidget(m_pLabel, 0, Qt::AlignLeft | Qt::AlignBottom);

    connect(m_pLabel, &QLabel::linkActivated, this, &CSplashScreen::onLinkActivated);
}

bool CSplashScreen::eventFilter(QObject* obj, QEvent* e)
{
    Q_UNUSED(obj)
    if (e->type() != QEvent::MouseButtonPress && e->type() != QEvent::MouseButtonDblClick)
        return false;
    // The start-up splash stays until the window is ready, whatever the user clicks.
    if (m_bStartup)
        return true;
    // A click on the text (a link, or text the user is reading) must not close the About box.
    const QPoint position = static_cast<QMouseEvent*>(e)->pos();
    return m_pLabel->frameGeometry().contains(position);
}

void CSplashScreen::mousePressEvent(QMouseEvent* e)
{
    // A click that got past the filter closes the box for good; closing (not just hiding, as the base class
    // does) lets the splash delete itself.
    QSplashScreen::mousePressEvent(e);
    close();
}

void CSplashScreen::keyPressEvent(QKeyEvent* e)
{
    const int key = e->key();
    if (!m_bStartup && (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        close();
        return;
    }
    QSplashScreen::keyPressEvent(e);
}

void CSplashScreen::showEvent(QShowEvent* e)
{
    QSplashScreen::showEvent(e);
    // A splash window is not given the keyboard by itself; the About box asks for it.
    if (!m_bStartup) {
        activateWindow();
        setFocus(Qt::ActiveWindowFocusReason);
    }
}

void CSplashScreen::closeEvent(QCloseEvent* e)
{
    QSplashScreen::closeEvent(e);
    // The keyboard goes back to the window the About box was opened from, where it was before.
    if (!m_bStartup && parentWidget() != nullptr)
        parentWidget()->activateWindow();
}

void CSplashScreen::onLinkActivated(QString url)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(url));
}
