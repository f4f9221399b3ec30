#pragma once

#include <QByteArray>
#include <QtEndian>

// The numbers of recordings built byte by byte in tests: little-endian in RIFF (AVI), big-endian
// in MP4. Whole chunks come from the project's writer (AviWriter::chunkBytes).
namespace TestBytes {

template <typename T> QByteArray littleEndian(T value)
{
    QByteArray bytes(sizeof(T), '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

template <typename T> QByteArray bigEndian(T value)
{
    QByteArray bytes(sizeof(T), '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

inline QByteArray le32(quint32 value)
{
    return littleEndian(value);
}

inline QByteArray le64(quint64 value)
{
    return littleEndian(value);
}

inline QByteArray be32(quint32 value)
{
    return bigEndian(value);
}

// An MP4 box of TYPE holding BODY, its size in its 32-bit field.
inline QByteArray mp4Box(const QByteArray &type, const QByteArray &body)
{
    return be32(quint32(body.size() + 8)) + type + body;
}

} // namespace TestBytes
