#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <initializer_list>
#include <optional>

class QIODevice;

// The boxes of an MP4 file, for the readers that look inside one (the sensor samples, the probe
// that decides whether a recording plays as it is). Box sizes come from the file: a box that does
// not fit in what holds it ends the list, and nothing is read past the bytes given.
class Mp4Boxes
{
public:
    struct Box
    {
        QByteArrayView type;
        QByteArrayView body;
    };

    // The boxes inside BODY, in order; a box whose size does not fit ends the list.
    static QList<Box> children(QByteArrayView body);
    // The body of BODY's first child box of TYPE.
    static std::optional<QByteArrayView> child(QByteArrayView body, QByteArrayView type);
    // A path of nested boxes below BODY ("mdia", "minf", "stbl").
    static std::optional<QByteArrayView> descend(QByteArrayView body, std::initializer_list<QByteArrayView> path);

    // What looking for the top-level "moov" box found.
    struct Moov
    {
        enum class Outcome
        {
            Found,
            // No "moov" among the top-level boxes that could be walked.
            Missing,
            // A box header at byte AT gives a size running past the end of the file.
            CutShort,
            // The "moov" box is larger than MAX_MOOV_BYTES.
            TooLarge,
            // The "moov" box, or a box header before it, could not be read (at byte AT).
            Unreadable,
        };
        Outcome outcome = Outcome::Missing;
        QByteArray body;
        qint64 at = -1;
    };
    // Walks DEVICE's top-level box headers with seeks (at most MAX_BOXES of them) and reads the
    // body of the "moov" box.
    static Moov readMoov(QIODevice &device, int maxBoxes, qint64 maxMoovBytes);
};
