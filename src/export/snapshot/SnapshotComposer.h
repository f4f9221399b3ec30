#pragma once

#include <QImage>
#include <QString>

// The picture a snapshot saves or prints when both cameras are wanted: the large player's frame on
// the left and the other camera's on the right, scaled to the same height with its proportions
// kept, on one image. Without a second frame the first is the picture as it is.
class SnapshotComposer
{
public:
    static QImage sideBySide(const QImage &left, const QImage &right);
    // PICTURE with TEXT (the date, time and speed of the frame) in its lower left corner, white on
    // a dark band, sized to the picture; the picture as it is for an empty text.
    static QImage stamped(const QImage &picture, const QString &text);
};
