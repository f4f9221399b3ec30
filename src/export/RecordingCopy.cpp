#include "RecordingCopy.h"

#include "core/LocalPath.h"
#include "core/VexoLanguages.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {
QString localized(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}
} // namespace

RecordingCopy::RecordingCopy(const QString &source, const QString &destination)
    : m_source(source), m_destination(destination), m_in(LocalPath::openable(source)), m_out(destination)
{
}

bool RecordingCopy::cannotRead(const QString &why)
{
    m_out.cancel();
    m_error = localized(u"%1 파일을 읽을 수 없습니다: %2"_s).arg(m_source, why);
    return false;
}

bool RecordingCopy::cannotWrite(const QString &why)
{
    m_out.cancel();
    m_error = localized(u"%1 파일에 쓸 수 없습니다: %2"_s).arg(m_destination, why);
    return false;
}

bool RecordingCopy::open()
{
    // A name that is not UTF-8 is read through its stand-in.
    if (!QFileInfo(m_in.fileName()).isFile() || !m_in.open(QIODevice::ReadOnly)) {
        return cannotRead(m_in.errorString());
    }
    m_size = m_in.size();
    if (!m_out.open()) {
        return cannotWrite(m_out.errorString());
    }
    return true;
}

bool RecordingCopy::copy(const Progress &progress, const std::atomic_bool *cancelled)
{
    // Recordings run to gigabytes: copy in blocks rather than reading the file whole.
    static constexpr qint64 BlockSize = 1024 * 1024;
    qint64 copied = 0;
    QByteArray block;
    while (true) {
        if (cancelled != nullptr && cancelled->load()) {
            m_cancelled = true;
            m_out.cancel();
            return false;
        }
        block = m_in.read(BlockSize);
        if (block.isEmpty()) {
            break;
        }
        if (!m_out.write(block)) {
            return cannotWrite(m_out.errorString());
        }
        copied += block.size();
        if (progress) {
            progress(copied, m_size);
        }
    }
    if (m_in.error() != QFileDevice::NoError || !m_in.atEnd()) {
        return cannotRead(m_in.errorString());
    }
    if (!m_out.commit()) {
        return cannotWrite(m_out.errorString());
    }
    return true;
}

bool RecordingCopy::save(const QString &source, const QString &destination, QString *error)
{
    RecordingCopy copy(source, destination);
    const bool saved = copy.open() && copy.copy();
    if (!saved && error != nullptr) {
        *error = copy.errorString();
    }
    return saved;
}
