#include "Mp4Boxes.h"

#include "ByteOrder.h"

#include <QIODevice>

namespace {
// The size of the box whose header starts HEADER (8 or 16 bytes of it, as the file gives), given
// ROOM bytes from its start to the end of what holds it, and its header's length; no size when
// it does not fit.
std::optional<std::pair<quint64, qsizetype>> boxSize(QByteArrayView header, quint64 room)
{
    quint64 size = ByteOrder::be32(header, 0);
    qsizetype length = 8;
    if (size == 1) {
        if (header.size() < 16) {
            return std::nullopt;
        }
        size = ByteOrder::be64(header, 8);
        length = 16;
    } else if (size == 0) {
        size = room;
    }
    if (size < quint64(length) || size > room) {
        return std::nullopt;
    }
    return std::pair{size, length};
}
} // namespace

QList<Mp4Boxes::Box> Mp4Boxes::children(QByteArrayView body)
{
    QList<Box> boxes;
    qsizetype at = 0;
    while (body.size() - at >= 8) {
        const QByteArrayView rest = body.sliced(at);
        const auto size = boxSize(rest.first(qMin<qsizetype>(rest.size(), 16)), quint64(rest.size()));
        if (!size) {
            break;
        }
        boxes.append({rest.sliced(4, 4), rest.sliced(size->second, qsizetype(size->first) - size->second)});
        at += qsizetype(size->first);
    }
    return boxes;
}

std::optional<QByteArrayView> Mp4Boxes::child(QByteArrayView body, QByteArrayView type)
{
    for (const Box &box : children(body)) {
        if (box.type == type) {
            return box.body;
        }
    }
    return std::nullopt;
}

std::optional<QByteArrayView> Mp4Boxes::descend(QByteArrayView body, std::initializer_list<QByteArrayView> path)
{
    std::optional<QByteArrayView> at = body;
    for (const QByteArrayView type : path) {
        if (!at) {
            break;
        }
        at = child(*at, type);
    }
    return at;
}

Mp4Boxes::Moov Mp4Boxes::readMoov(QIODevice &device, int maxBoxes, qint64 maxMoovBytes)
{
    Moov moov;
    const qint64 fileSize = device.size();
    qint64 at = 0;
    for (int count = 0; count < maxBoxes && fileSize - at >= 8; ++count) {
        const QByteArray header = device.seek(at) ? device.read(16) : QByteArray();
        if (header.size() < 8) {
            // Eight bytes the file's size promises that cannot be had: the device failed here.
            moov.outcome = Moov::Outcome::Unreadable;
            moov.at = at;
            return moov;
        }
        if (quint32(ByteOrder::be32(header, 0)) == 1 && header.size() < 16) {
            break;
        }
        const auto size = boxSize(header, quint64(fileSize - at));
        if (!size) {
            moov.outcome = Moov::Outcome::CutShort;
            moov.at = at;
            return moov;
        }
        const qint64 bodySize = qint64(size->first) - size->second;
        if (QByteArrayView(header).sliced(4, 4) == "moov") {
            moov.at = at;
            if (bodySize > maxMoovBytes) {
                moov.outcome = Moov::Outcome::TooLarge;
                return moov;
            }
            device.seek(at + size->second);
            moov.body = device.read(bodySize);
            moov.outcome = moov.body.size() == bodySize ? Moov::Outcome::Found : Moov::Outcome::Unreadable;
            if (moov.outcome != Moov::Outcome::Found) {
                moov.body.clear();
            }
            return moov;
        }
        at += qint64(size->first);
    }
    return moov;
}
