#pragma once

#include "contentwidget.h"

#include <QtWidgets>
#include <memory>

// For GUI tests only (header-only): drags as the platform delivers them to a preset list.

inline QPoint centre(const ContentWidget& list, int row)
{
    return list.visualItemRect(list.item(row)).center();
}

inline void select(ContentWidget& list, const QList<int>& rows)
{
    list.clearSelection();
    for (int row : rows)
        list.item(row)->setSelected(true);
}

// What a list's own drag carries.
inline QMimeData* listDrag(const ContentWidget& source)
{
    auto* mime = new QMimeData();
    mime->setData("application/aurivell/tessitrastageariette/dragndropPresets", source.dragPayload());
    return mime;
}

inline QMimeData* fileDrag(const QStringList& paths)
{
    auto* mime = new QMimeData();
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    mime->setUrls(urls);
    return mime;
}

// Enter, move to `at` and (when drop) drop there; whether the move was accepted.
inline bool dragTo(ContentWidget& target, QMimeData* mime, QPoint at, bool drop)
{
    std::unique_ptr<QMimeData> owner(mime);
    QDragEnterEvent enter(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target.viewport(), &enter);
    QDragMoveEvent move(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target.viewport(), &move);
    if (drop) {
        QDropEvent dropEvent(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target.viewport(), &dropEvent);
    }
    return move.isAccepted();
}
