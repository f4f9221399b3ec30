#pragma once

#include <QByteArrayView>
#include <QtEndian>

// Numbers stored in a file's bytes, read from a view at a byte offset: little-endian for RIFF/AVI
// and the cards' records, big-endian for MP4 boxes. A read that would run past the view gives 0
// instead of touching bytes outside it, so a reader that checked its sizes wrongly reads nonsense,
// never memory it does not own.
class ByteOrder
{
public:
    template <typename T> static T little(QByteArrayView bytes, qsizetype at)
    {
        return fits(bytes, at, sizeof(T)) ? qFromLittleEndian<T>(bytes.data() + at) : T{};
    }

    template <typename T> static T big(QByteArrayView bytes, qsizetype at)
    {
        return fits(bytes, at, sizeof(T)) ? qFromBigEndian<T>(bytes.data() + at) : T{};
    }

    static quint16 le16(QByteArrayView bytes, qsizetype at) { return little<quint16>(bytes, at); }
    static quint32 le32(QByteArrayView bytes, qsizetype at) { return little<quint32>(bytes, at); }
    static quint64 le64(QByteArrayView bytes, qsizetype at) { return little<quint64>(bytes, at); }
    static quint16 be16(QByteArrayView bytes, qsizetype at) { return big<quint16>(bytes, at); }
    static quint32 be32(QByteArrayView bytes, qsizetype at) { return big<quint32>(bytes, at); }
    static quint64 be64(QByteArrayView bytes, qsizetype at) { return big<quint64>(bytes, at); }

private:
    static bool fits(QByteArrayView bytes, qsizetype at, size_t width)
    {
        return at >= 0 && at <= bytes.size() && bytes.size() - at >= qsizetype(width);
    }
};
