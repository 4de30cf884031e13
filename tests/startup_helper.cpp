// Runs the program's entry point inside a test-controlled process, for the start-up cases that end in a modal
// box or without a window. TESSITRA_HELPER_MODE=no-style unregisters the compiled-in resources first, so the
// style sheet cannot be opened. A box that appears is written to standard output as "title|text|buttons" and
// answered with its first button.
#include "app.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

namespace {
void installAnswerer() // runs inside the application object's constructor, before the entry point goes on
{
    auto* timer = new QTimer(QCoreApplication::instance());
    QObject::connect(timer, &QTimer::timeout, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || box->buttons().isEmpty())
            return;
        QStringList buttons;
        for (QAbstractButton* button : box->buttons())
            buttons << button->text();
        std::printf("%s\n", qPrintable(box->windowTitle() + '|' + box->text() + '|' + buttons.join(',')));
        std::fflush(stdout);
        box->buttons().first()->click();
    });
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
