#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A camera card built in a temporary folder, with settings records laid out byte by byte so a
// test shows exactly what the card holds.
class CardFolder
{
public:
    CardFolder();

    QString path() const { return m_folder.path(); }
    QString filePath(const QString &relative) const;

    // Writes BYTES as the file RELATIVE (creating its folders); returns its full path.
    QString write(const QString &relative, const QByteArray &bytes) const;
    QByteArray read(const QString &relative) const;
    bool exists(const QString &relative) const;

    // A settings record of SIZE bytes: the length field (offset 0) holds LENGTHFIELD, the product
    // name (offset 8, 16 bytes) holds NAME, every other byte is zero.
    static QByteArray record(qsizetype size, const QByteArray &name, qint32 lengthField = 0);
    // Puts a little-endian 32-bit VALUE at OFFSET of BYTES (which must be long enough).
    static void putInt32(QByteArray &bytes, qsizetype offset, qint32 value);
    static qint32 int32At(const QByteArray &bytes, qsizetype offset);

private:
    QTemporaryDir m_folder;
};
