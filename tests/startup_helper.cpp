// Runs the program's entry point inside a test-controlled process, for the start-up cases that end in a
// modal box or without a window. Modes, by the environment variable TESSITRA_HELPER_MODE:
//   (unset)     the program as built;
//   "no-style"  the compiled-in resources are unregistered first, so the style sheet cannot be opened.
// Any modal box that appears is described on standard output and answered with its first button.
#include "app.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

namespace {
void answerModalBoxes()
{
    QWidget* modal = QApplication::activeModalWidget();
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box)
        return;
    QStringList buttons;
    for (QAbstractButton* button : box->buttons())
        buttons << button->text();
    const QMargins margins = box->contentsMargins();
    std::printf("modal: object=%s title=%s icon=%d margins=%d,%d,%d,%d buttons=%s parent=%s\ntext=%s\n",
                qPrintable(box->objectName()), qPrintable(box->windowTitle()), static_cast<int>(box->icon()),
                margins.left(), margins.top(), margins.right(), margins.bottom(), qPrintable(buttons.join('|')),
                box->parentWidget() ? "yes" : "none", qPrintable(box->text()));
    std::fflush(stdout);
    if (!box->buttons().isEmpty())
        box->buttons().first()->click();
}

// Runs inside the application object's constructor, before the entry point goes on.
void installAnswerer()
{
    auto* timer = new QTimer(QCoreApplication::instance());
    QObject::connect(timer, &QTimer::timeout, answerModalBoxes);
    timer->start(20);
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(installAnswerer)

int main(int argc, char* argv[])
{
    if (qEnvironmentVariable("TESSITRA_HELPER_MODE") == QLatin1String("no-style"))
        cleanupTessitraResources();
    else
        initTessitraResources();
    return tessitraMain(argc, argv);
}
