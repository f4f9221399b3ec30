#include "KRVSettingText.h"

#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace {
bool isTrimmedSpace(QChar c)
{
    return c == u' ' || c == u'\t';
}
} // namespace

KRVSettingText::KRVSettingText(QStringList lines, QString separator)
    : m_lines(std::move(lines)), m_separator(std::move(separator))
{
}

std::optional<KRVSettingText> KRVSettingText::fromBytes(QByteArrayView bytes)
{
    // A byte order mark stays a character of the first line, so it is written back too.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    // Decoding replaces what is not UTF-8; encoding again then differs from the bytes read. This
    // also refuses a multi-byte sequence cut off at the end.
    if (text.toUtf8() != bytes) {
        return std::nullopt;
    }
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isTrimmedSpace(text.at(begin))) {
        ++begin;
    }
    while (end > begin && isTrimmedSpace(text.at(end - 1))) {
        --end;
    }
    text = text.sliced(begin, end - begin);
    const QString separator = !text.contains(u"\r\n"_s) && text.contains(u'\n') ? u"\n"_s : u"\r\n"_s;
    return KRVSettingText(text.split(separator), separator);
}

QByteArray KRVSettingText::toBytes() const
{
    return m_lines.join(m_separator).toUtf8();
}

qsizetype KRVSettingText::indexOfKey(QStringView key) const
{
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (m_lines.at(i).startsWith(key)) {
            return i;
        }
    }
    return -1;
}

std::optional<QString> KRVSettingText::valueForKey(QStringView key) const
{
    const qsizetype index = indexOfKey(key);
    if (index < 0) {
        return std::nullopt;
    }
    return m_lines.at(index).sliced(key.size());
}

bool KRVSettingText::setValueForKey(QStringView key, const QString &value)
{
    const qsizetype index = indexOfKey(key);
    if (index < 0) {
        return false;
    }
    m_lines[index] = key.toString() + value;
    return true;
}

const QStringList &KRVSettingText::clockKeys()
{
    static const QStringList keys{u"year="_s, u"month="_s, u"day="_s, u"hour="_s, u"min="_s, u"sec="_s};
    return keys;
}

void KRVSettingText::removeTimeDateDelimiters()
{
    for (const QString &key : clockKeys()) {
        const qsizetype index = indexOfKey(key);
        if (index >= 0) {
            const QString line = m_lines.at(index);
            m_lines.removeAll(line);
        }
    }
}

void KRVSettingText::addTimeDateDelimiters(const QStringList &lines)
{
    qsizetype at = indexOfKey(u"set=");
    if (at < 0) {
        at = m_lines.isEmpty() ? -1 : 0;
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        m_lines.insert(at + 1 + i, lines.at(i));
    }
}
