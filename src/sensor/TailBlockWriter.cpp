#include "TailBlockWriter.h"

#include "core/AtomicFileWriter.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

QString TailBlockWriter::line(double lat, double lng, qint64 speed, qint64 x, qint64 y, qint64 z)
{
    return u"0,"_s + QString::number(lat, 'f', 6) + u',' + QString::number(lng, 'f', 6) + u',' +
           QString::number(speed) + u',' + QString::number(x) + u',' + QString::number(y) + u',' + QString::number(z);
}

QByteArray TailBlockWriter::block(const QStringList &lines, const QString &separator)
{
    QByteArray bytes("ETKVL3");
    for (const QString &text : lines) {
        bytes += text.toUtf8() + separator.toUtf8();
    }
    return bytes;
}

QByteArray TailBlockWriter::appended(const QByteArray &recording, const QByteArray &block)
{
    return recording + block;
}

bool TailBlockWriter::appendToFile(const QString &path, const QByteArray &block)
{
    QFile original(path);
    if (!QFileInfo(path).isFile() || !original.open(QIODevice::ReadOnly)) {
        return false;
    }
    AtomicFileWriter out(path);
    if (!out.open()) {
        return false;
    }
    // Copied in pieces so that a large recording is never held in memory.
    while (!original.atEnd()) {
        const QByteArray piece = original.read(1024 * 1024);
        if (piece.isEmpty() || !out.write(piece)) {
            return false;
        }
    }
    return out.write(block) && out.commit();
}
