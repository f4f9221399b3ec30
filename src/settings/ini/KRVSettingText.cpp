#include "KRVSettingText.h"

#include <QStringDecoder>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
bool isTrimmedSpace(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Every line but the last ends with SEPARATOR.
QStringList joiningEndings(qsizetype count, const QString &separator)
{
    QStringList endings;
    for (qsizetype i = 0; i < count; ++i) {
        endings.append(i + 1 < count ? separator : QString());
    }
    return endings;
}
} // namespace

KRVSettingText::KRVSettingText(QStringList lines, QString separator)
    : m_lines(std::move(lines)), m_separator(std::move(separator))
{
    m_endings = joiningEndings(m_lines.size(), m_separator);
}

void KRVSettingText::setLines(const QStringList &lines)
{
    m_lines = lines;
    m_endings = joiningEndings(m_lines.size(), m_separator);
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

    KRVSettingText result;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n') {
            continue;
        }
        const qsizetype length = c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n' ? 2 : 1;
        result.m_lines.append(text.sliced(start, i - start));
        result.m_endings.append(text.sliced(i, length));
        i += length - 1;
        start = i + 1;
    }
    result.m_lines.append(text.sliced(start));
    result.m_endings.append(QString());
    if (result.m_endings.size() > 1) {
        result.m_separator = result.m_endings.constFirst();
    }
    return result;
}

QByteArray KRVSettingText::toBytes() const
{
    QString text;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        text += m_lines.at(i) + m_endings.at(i);
    }
    return text.toUtf8();
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

void KRVSettingText::removeLine(qsizetype index)
{
    // The last line has no end of its own: the line before it takes over its (missing) end.
    if (index == m_lines.size() - 1 && index > 0) {
        m_endings[index - 1] = m_endings.at(index);
    }
    m_lines.removeAt(index);
    m_endings.removeAt(index);
}

void KRVSettingText::removeTimeDateDelimiters()
{
    for (const QString &key : clockKeys()) {
        const qsizetype index = indexOfKey(key);
        if (index < 0) {
            continue;
        }
        const QString line = m_lines.at(index);
        for (qsizetype i = m_lines.size() - 1; i >= 0; --i) {
            if (m_lines.at(i) == line) {
                removeLine(i);
            }
        }
    }
}

void KRVSettingText::addTimeDateDelimiters(const QStringList &lines)
{
    if (lines.isEmpty()) {
        return;
    }
    qsizetype at = indexOfKey(u"set=");
    if (at < 0) {
        at = m_lines.isEmpty() ? -1 : 0;
    }
    // The new lines end as the line they follow; after the file's last line, which has no end,
    // they take the end of the line before it (else the file's first end), and the last of them
    // ends the file.
    const QString after = at >= 0 ? m_endings.at(at) : QString();
    const QString separator = !after.isEmpty() ? after : at > 0 ? m_endings.at(at - 1) : m_separator;
    if (at >= 0) {
        m_endings[at] = separator;
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        m_lines.insert(at + 1 + i, lines.at(i));
        m_endings.insert(at + 1 + i, i + 1 < lines.size() ? separator : after);
    }
}

bool KRVSettingText::holdsOnlyClockLines() const
{
    return std::all_of(m_lines.cbegin(), m_lines.cend(), [](const QString &line) {
        return line.isEmpty() || std::any_of(clockKeys().cbegin(), clockKeys().cend(),
                                             [&line](const QString &key) { return line.startsWith(key); });
    });
}
