#pragma once

#include <QPixmap>
#include <QString>

class QLabel;
class QMovie;
class QObject;

// The program's pictures at the screen's resolution. For a screen of pixel ratio above 1 scripts/artgen draws a
// "@2x" twin of every picture at twice the size; style sheets and icons take the twin by themselves, a pixmap or
// an animation made from a path needs these.
namespace Artwork {

// The picture at path, or its "@2x" twin with pixel ratio 2 when ratio is above 1 and the twin exists.
QPixmap pixmap(const QString& path, qreal ratio);

// An animation (not started) whose frames are shown in pLabel at the label's pixel ratio, from the "@2x" twin
// where it fits. QLabel::setMovie would draw a twin's frames at twice their size.
QMovie* movie(QLabel* pLabel, const QString& path, QObject* parent);

} // namespace Artwork
