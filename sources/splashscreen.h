#pragma once

#include <QSplashScreen>
#include <QString>

class QLabel;
class QVBoxLayout;

// The frameless picture window shown at start-up ("Loading...", on top, cannot be clicked away) and as the
// About box (version and two links; a click outside the text closes it, a click on a link opens the
// browser; Escape or Enter closes it). The text sits in the lower-left area of the picture as rich text. A closed
// splash deletes itself; its size always follows the picture.
class CSplashScreen : public QSplashScreen
{
    Q_OBJECT
    Q_DISABLE_COPY(CSplashScreen)

public:
    // The start-up splash has no parent and bStartup true; the About box has the main window as parent.
    CSplashScreen(QWidget* parent, const QPixmap& pixmap, QString message, bool bStartup);

    bool eventFilter(QObject* obj, QEvent* e) override;

public slots:
    void onLinkActivated(QString url);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    bool m_bStartup;
    QVBoxLayout* m_pLayout;
    QLabel* m_pLabel;
};
