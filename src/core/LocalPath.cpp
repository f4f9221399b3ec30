#include "LocalPath.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QTemporaryDir>

#include <memory>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
constexpr char16_t kEscapeBase = 0xDC00;

// Whether the character at I of PATH stands for a byte that is not UTF-8: a low surrogate in the
// range, alone (the second half of a pair, a character past U+FFFF, may fall in that range too).
bool isEscapeAt(QStringView path, qsizetype i)
{
    const char16_t c = path[i].unicode();
    return c >= 0xDC80 && c <= 0xDCFF && (i == 0 || !path[i - 1].isHighSurrogate());
}

// The length of the valid UTF-8 sequence at the start of BYTES, or 0 when it does not start one
// (overlong forms, surrogates and code points past U+10FFFF are not valid); VALUE receives its code
// point.
qsizetype utf8SequenceLength(QByteArrayView bytes, char32_t &codePoint)
{
    const auto byte = [&](qsizetype i) {
        return static_cast<unsigned char>(bytes[i]);
    };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    qsizetype length = 0;
    char32_t minimum = 0;
    char32_t value = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, minimum = 0x80, value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, minimum = 0x800, value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, minimum = 0x10000, value = lead & 0x07;
    } else {
        return 0;
    }
    if (bytes.size() < length) {
        return 0;
    }
    for (qsizetype i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
        value = (value << 6) | (byte(i) & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return 0;
    }
    codePoint = value;
    return length;
}

// The stand-in links of this process: made on first need, removed with the process's end.
class StandIns
{
public:
    QString linkFor(const QString &path)
    {
        const QMutexLocker lock(&m_mutex);
        if (const auto found = m_links.constFind(path); found != m_links.cend()) {
            return *found;
        }
        if (!m_folder) {
            m_folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + u"/velmora-names-XXXXXX"_s);
        }
        if (!m_folder->isValid()) {
            return {};
        }
        // One folder per link, so the link can carry the file's own name without clashing.
        const QString folder = m_folder->filePath(QString::number(m_links.size()));
        const qsizetype slash = path.lastIndexOf(u'/');
        const QString link = folder + u'/' + LocalPath::sanitizedName(QStringView(path).sliced(slash + 1));
        if (!QDir().mkpath(folder) ||
            ::symlink(LocalPath::encode(path).constData(), QFile::encodeName(link).constData()) != 0) {
            return {};
        }
        m_links.insert(path, link);
        return link;
    }

private:
    QMutex m_mutex;
    std::unique_ptr<QTemporaryDir> m_folder;
    QHash<QString, QString> m_links;
};

StandIns &SharedStandIns()
{
    static StandIns standIns;
    return standIns;
}
} // namespace

QString LocalPath::decode(QByteArrayView bytes)
{
    QString path;
    path.reserve(bytes.size());
    qsizetype i = 0;
    while (i < bytes.size()) {
        char32_t codePoint = 0;
        const qsizetype length = utf8SequenceLength(bytes.sliced(i), codePoint);
        if (length == 0) {
            path.append(QChar(char16_t(kEscapeBase + static_cast<unsigned char>(bytes[i]))));
            ++i;
            continue;
        }
        // Each character as it is: a byte order mark in a name is part of the name.
        path.append(QStringView(QChar::fromUcs4(codePoint)));
        i += length;
    }
    return path;
}

QByteArray LocalPath::encode(QStringView path)
{
    QByteArray bytes;
    bytes.reserve(path.size());
    qsizetype start = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (!isEscapeAt(path, i)) {
            continue;
        }
        bytes.append(path.sliced(start, i - start).toUtf8());
        bytes.append(char(path[i].unicode() - kEscapeBase));
        start = i + 1;
    }
    bytes.append(path.sliced(start).toUtf8());
    return bytes;
}

bool LocalPath::isLossless(QStringView path)
{
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (isEscapeAt(path, i)) {
            return false;
        }
    }
    return true;
}

QString LocalPath::displayText(QStringView path)
{
    QString text = path.toString();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isEscapeAt(path, i)) {
            text[i] = QChar::ReplacementCharacter;
        }
    }
    return text;
}

QString LocalPath::sanitizedName(QStringView name)
{
    QString text = name.toString();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isEscapeAt(name, i)) {
            text[i] = u'_';
        }
    }
    return text;
}

QString LocalPath::openable(const QString &path)
{
    if (isLossless(path)) {
        return path;
    }
    return SharedStandIns().linkFor(path);
}
