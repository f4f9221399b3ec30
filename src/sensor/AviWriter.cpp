#include "AviWriter.h"

#include <QtEndian>

namespace {
void appendLe32(QByteArray &bytes, quint32 value)
{
    char le[4];
    qToLittleEndian(value, le);
    bytes.append(le, 4);
}

void appendCode(QByteArray &bytes, QByteArrayView code)
{
    // Codes are always four bytes: shorter ones are padded with spaces, longer ones cut.
    QByteArray fourCc = code.first(qMin<qsizetype>(4, code.size())).toByteArray();
    fourCc.append(QByteArray(4 - fourCc.size(), ' '));
    bytes.append(fourCc);
}
} // namespace

AviWriter::AviWriter()
{
    appendCode(m_bytes, "RIFF");
    appendLe32(m_bytes, 0);
    appendCode(m_bytes, "AVI ");
}

AviWriter &AviWriter::chunk(QByteArrayView code, QByteArrayView data)
{
    appendCode(m_bytes, code);
    appendLe32(m_bytes, quint32(data.size()));
    m_bytes.append(data);
    if (data.size() % 2 != 0) {
        m_bytes.append('\0');
    }
    return *this;
}

AviWriter &AviWriter::textChunk(int stream, QByteArrayView text)
{
    return chunk(stream == 3 ? QByteArrayView("03tx") : QByteArrayView("02tx"), text);
}

AviWriter &AviWriter::beginList(QByteArrayView type)
{
    appendCode(m_bytes, "LIST");
    m_openLists.append(m_bytes.size());
    appendLe32(m_bytes, 0);
    appendCode(m_bytes, type);
    return *this;
}

AviWriter &AviWriter::endList()
{
    if (!m_openLists.isEmpty()) {
        patchSize(m_bytes, m_openLists.takeLast());
    }
    return *this;
}

AviWriter &AviWriter::beginRiffPart(QByteArrayView form)
{
    while (!m_openLists.isEmpty()) {
        endList();
    }
    patchSize(m_bytes, m_riffSizeOffset);
    appendCode(m_bytes, "RIFF");
    m_riffSizeOffset = m_bytes.size();
    appendLe32(m_bytes, 0);
    appendCode(m_bytes, form);
    return *this;
}

AviWriter &AviWriter::raw(QByteArrayView bytes)
{
    m_bytes.append(bytes);
    return *this;
}

QByteArray AviWriter::bytes() const
{
    QByteArray result = m_bytes;
    for (qsizetype i = m_openLists.size() - 1; i >= 0; --i) {
        patchSize(result, m_openLists.at(i));
    }
    patchSize(result, m_riffSizeOffset);
    return result;
}

void AviWriter::patchSize(QByteArray &bytes, qsizetype sizeOffset)
{
    // The size counts everything after the size field itself.
    qToLittleEndian(quint32(bytes.size() - sizeOffset - 4), bytes.data() + sizeOffset);
}

QByteArray AviWriter::accelerationRecord(quint8 x, quint8 y, quint8 z)
{
    QByteArray record("M");
    record.append(char(x)).append(char(y)).append(char(z));
    return record;
}

QByteArray AviWriter::krvAccelerationRecord(quint8 x, quint8 y, quint8 z, quint8 valid)
{
    QByteArray record = accelerationRecord(x, y, z);
    record.append(char(valid)).append(char(valid)).append(char(valid));
    return record;
}

QByteArray AviWriter::chunkBytes(QByteArrayView code, QByteArrayView data)
{
    QByteArray bytes;
    appendCode(bytes, code);
    appendLe32(bytes, quint32(data.size()));
    bytes.append(data);
    if (data.size() % 2 != 0) {
        bytes.append('\0');
    }
    return bytes;
}

QByteArray AviWriter::withChunksInMovi(const QByteArray &avi, const QByteArray &chunks)
{
    // Walk the top-level chunks of the first RIFF part: "LIST" "hdrl", "LIST" "INFO", "JUNK",
    // "LIST" "movi", "idx1".
    static constexpr qsizetype Header = 12;
    if (avi.size() < Header || !avi.startsWith("RIFF") || avi.mid(8, 4) != "AVI ") {
        return {};
    }
    const qsizetype riffEnd =
        qMin<qsizetype>(avi.size(), 8 + qsizetype(qFromLittleEndian<quint32>(avi.constData() + 4)));
    qsizetype position = Header;
    while (position + 12 <= riffEnd) {
        const qsizetype size = qFromLittleEndian<quint32>(avi.constData() + position + 4);
        const qsizetype end = position + 8 + size;
        if (end > riffEnd) {
            return {};
        }
        if (avi.mid(position, 4) == "LIST" && avi.mid(position + 8, 4) == "movi") {
            QByteArray result = avi;
            result.insert(end, chunks);
            qToLittleEndian(quint32(size + chunks.size()), result.data() + position + 4);
            qToLittleEndian(quint32(qFromLittleEndian<quint32>(avi.constData() + 4) + chunks.size()),
                            result.data() + 4);
            return result;
        }
        position = end + (size % 2);
    }
    return {};
}
