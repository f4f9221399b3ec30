#include "QB62SrtReader.h"

#include "QB62Records.h"
#include "SensorBatcher.h"
#include "SensorFile.h"
#include "SensorText.h"
#include "SensorTrack.h"

using namespace Qt::StringLiterals;

namespace {
// Walks the entries the way the camera's subtitle layout is read: white space and line ends are
// skipped before each item; an entry is its number line, its timing line ("start --> end") and its
// text up to the next empty line.
class EntryWalker
{
public:
    explicit EntryWalker(QStringView text) : m_text(text) {}

    bool atEnd()
    {
        skip();
        return m_pos >= m_text.size();
    }

    // The next entry's text (empty when it has none).
    QStringView nextEntryText()
    {
        skip();
        scanToLineEnd(); // the entry number
        skip();
        scanTo(u" --> "); // the start time
        skip();
        if (m_text.sliced(m_pos).startsWith(u"-->")) {
            m_pos += 3;
        }
        skip();
        scanToLineEnd(); // the end time
        skip();
        const qsizetype start = m_pos;
        scanTo(u"\n\n");
        return m_text.sliced(start, m_pos - start);
    }

private:
    void skip()
    {
        while (m_pos < m_text.size() && m_text[m_pos].isSpace()) {
            ++m_pos;
        }
    }

    void scanToLineEnd()
    {
        while (m_pos < m_text.size() && !SensorText::isNewline(m_text[m_pos])) {
            ++m_pos;
        }
    }

    void scanTo(QStringView marker)
    {
        const qsizetype found = m_text.indexOf(marker, m_pos);
        m_pos = found < 0 ? m_text.size() : found;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};
} // namespace

int QB62SrtReader::readFile(const QString &path, SensorTrack &track)
{
    QByteArray bytes;
    if (!SensorFile::readSmallFile(path, bytes)) {
        track.setGpsDataCount(0);
        return 0;
    }
    return read(bytes, track);
}

int QB62SrtReader::read(const QByteArray &bytes, SensorTrack &track)
{
    QString decoded;
    if (bytes.isEmpty() || !SensorText::decodeUtf8(bytes, decoded)) {
        track.setGpsDataCount(0);
        return 0;
    }
    // Files written with CR LF line ends read like LF ones: otherwise no entry would ever end.
    const QString text = SensorText::withLfLineEnds(decoded);
    SensorBatcher batcher(QB62Records::kPendingLimit, track.capacity());
    QB62Records records(batcher);
    EntryWalker walker(text);
    while (!batcher.isFull() && !walker.atEnd()) {
        QString entry = walker.nextEntryText().toString();
        entry.replace(u'\n', u' ');
        const QStringView trimmed = QStringView(entry).trimmed();
        const QList<QStringView> parts = trimmed.split(u';');
        QB62Records::Fields fields = parts[0].split(u',');
        if (parts.size() >= 2) {
            fields += parts[1].split(u',');
        }
        records.subtitleEntry(fields);
    }
    batcher.finishAfterRecords();
    return batcher.commit(track);
}
