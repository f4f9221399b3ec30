#include "RecordingCopy.h"

#include "core/AtomicFileWriter.h"
#include "core/LocalPath.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {
bool fail(QString *error, const QString &message)
{
    if (error != nullptr) {
        *error = message;
    }
    return false;
}
} // namespace

bool RecordingCopy::save(const QString &source, const QString &destination, QString *error)
{
    // A name that is not UTF-8 is read through its stand-in.
    QFile in(LocalPath::openable(source));
    if (!QFileInfo(in.fileName()).isFile() || !in.open(QIODevice::ReadOnly)) {
        return fail(error, u"cannot read "_s + source + u": "_s + in.errorString());
    }
    AtomicFileWriter out(destination);
    if (!out.open()) {
        return fail(error, u"cannot write "_s + destination + u": "_s + out.errorString());
    }
    // Recordings run to gigabytes: copy in blocks rather than reading the file whole.
    static constexpr qint64 BlockSize = 1024 * 1024;
    QByteArray block;
    while (true) {
        block = in.read(BlockSize);
        if (block.isEmpty()) {
            break;
        }
        if (!out.write(block)) {
            return fail(error, u"cannot write "_s + destination + u": "_s + out.errorString());
        }
    }
    if (in.error() != QFileDevice::NoError || !in.atEnd()) {
        out.cancel();
        return fail(error, u"cannot read "_s + source + u": "_s + in.errorString());
    }
    if (!out.commit()) {
        return fail(error, u"cannot write "_s + destination + u": "_s + out.errorString());
    }
    return true;
}
