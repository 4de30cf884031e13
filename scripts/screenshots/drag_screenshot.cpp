// Takes docs/drag.png: three factory presets dragged over a set list, with the slots the drop would fill
// highlighted. A real drag under an X server (scripts/drag-screenshot runs it under Xvfb): the pointer is
// moved by the program, the screen grabbed while the drag runs, then the drag is cancelled.
//
//   drag_screenshot <output.png>

#include "app.h"
#include "contentwidget.h"
#include "globals.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

namespace {
void fill(ContentWidget& list, const QString& role, const QString& prefix, const QStringList& names)
{
    list.setRole(role);
    list.setSpacing(12);
    list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (int i = 0; i < names.size(); ++i) {
        auto* entry = new PresetButton();
        entry->resize(119, 35);
        entry->setPresetNumber(101 + i);
        entry->setText(QString("%1%2\n%3").arg(prefix).arg(i + 1, 2, 10, QChar('0')).arg(names.at(i)));
        list.addEntry(entry);
    }
}

void mouse(ContentWidget& list, QEvent::Type type, QPoint at)
{
    QMouseEvent event(type, at, list.viewport()->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &event);
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString output = QString::fromLocal8Bit(argv[1]);
    initTessitraResources();
    buildDataFolders(QDir::tempPath());
    QFile sheet(QStringLiteral(":/qss/TSStyle.qss"));
    if (sheet.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(sheet.readAll()));

    QWidget window;
    window.setWindowTitle(QStringLiteral("Tessitra Stage Librarian"));
    auto* layout = new QHBoxLayout(&window);
    ContentWidget factory;
    ContentWidget setList;
    layout->addWidget(&factory);
    layout->addWidget(&setList);
    fill(factory, QStringLiteral("FactoryPresets"), QStringLiteral("F"),
         {"Warm Lead", "Bright Lead", "Thick Double", "Slap Back", "Big Hall", "Choir Oct", "Radio", "Shimmer",
          "Plate Verb", "Harmony Up3", "Harmony Dn", "Dry Vox"});
    QStringList slotNames;
    for (int i = 0; i < 20; ++i)
        slotNames << (i < 3 ? QStringList{"Warm Lead", "Radio", "Dry Vox"}.at(i) : QStringLiteral("Empty"));
    fill(setList, QStringLiteral("SetList"), QStringLiteral("A"), slotNames);
    setList.setSetListIndex(1);
    window.resize(900, 420);
    window.move(0, 0);
    window.show();

    QTimer::singleShot(500, [&] {
        for (int row = 2; row <= 4; ++row)
            factory.item(row)->setSelected(true);
        const QPoint start = factory.visualItemRect(factory.item(3)).center();
        QCursor::setPos(factory.viewport()->mapToGlobal(start));
        // Stages while the drag runs: the pointer over slot 4 of the set list, the picture, the cancel.
        const QPoint over = setList.viewport()->mapToGlobal(setList.visualItemRect(setList.item(3)).center());
        QTimer::singleShot(300, [over] { QCursor::setPos(over - QPoint(20, 10)); });
        QTimer::singleShot(600, [over] { QCursor::setPos(over); });
        QTimer::singleShot(1500, [&] {
            QScreen* screen = QGuiApplication::primaryScreen();
            const QRect area = window.frameGeometry();
            screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(output);
            QDrag::cancel();
        });
        mouse(factory, QEvent::MouseButtonPress, start);
        mouse(factory, QEvent::MouseMove, start + QPoint(QApplication::startDragDistance() * 2, 0)); // runs the drag
        QTimer::singleShot(0, &app, &QApplication::quit);
    });
    return app.exec() == 0 && QFile::exists(output) ? 0 : 1;
}
