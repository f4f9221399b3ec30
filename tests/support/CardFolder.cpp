#include "CardFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

CardFolder::CardFolder() = default;

QString CardFolder::filePath(const QString &relative) const
{
    return QDir(m_folder.path()).filePath(relative);
}

QString CardFolder::write(const QString &relative, const QByteArray &bytes) const
{
    const QString path = filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes);
    }
    return path;
}

QByteArray CardFolder::read(const QString &relative) const
{
    QFile file(filePath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool CardFolder::exists(const QString &relative) const
{
    return QFileInfo::exists(filePath(relative));
}

QByteArray CardFolder::record(qsizetype size, const QByteArray &name, qint32 lengthField)
{
    QByteArray bytes(size, '\0');
    if (size >= 4) {
        putInt32(bytes, 0, lengthField);
    }
    for (qsizetype i = 0; i < name.size() && i < 16 && 8 + i < size; ++i) {
        bytes[8 + i] = name.at(i);
    }
    return bytes;
}

void CardFolder::putInt32(QByteArray &bytes, qsizetype offset, qint32 value)
{
    const auto u = static_cast<quint32>(value);
    for (int i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<char>((u >> (8 * i)) & 0xFF);
    }
}

qint32 CardFolder::int32At(const QByteArray &bytes, qsizetype offset)
{
    quint32 u = 0;
    for (int i = 0; i < 4; ++i) {
        u |= static_cast<quint32>(static_cast<unsigned char>(bytes.at(offset + i))) << (8 * i);
    }
    return static_cast<qint32>(u);
}
