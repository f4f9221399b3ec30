#pragma once
// Recordings as the cameras lay them out, built in memory for the readers' tests.
#include "sensor/AviWriter.h"
#include "support/TestBytes.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtEndian>

#include <cstring>
#include <utility>

namespace avibuilder {
using namespace Qt::StringLiterals;

using TestBytes::le32;

// An AVI laid out as the cameras lay theirs: a header list, then "movi" with pictures, sound and
// sensor chunks interleaved second by second, then an "idx1" index of the chunks it is told to
// index. Sizes are patched as the file closes.
class AviBuilder
{
public:
    enum class Records
    {
        QB62,  // "gsensor" and "GNRMC" records
        Older, // "M" and "$GPRMC" records
        KRV    // "M" records with validity bytes and "$GPRMC"
    };

    // OPEN_DML: each stream's header list holds an "indx" super index (with room for
    // SUPER_INDEX_ROOM entries), and every part's "movi" ends with an "ix##" index of each
    // stream's chunks in it.
    explicit AviBuilder(Records records, bool openDml = false, int superIndexRoom = 4)
        : m_records(records), m_openDml(openDml), m_superIndexRoom(superIndexRoom)
    {
        m_bytes = "RIFF" + le32(0) + "AVI ";
        QByteArray avih(56, '\0');
        qToLittleEndian<quint32>(33333, avih.data());    // microseconds a frame
        qToLittleEndian<quint32>(300, avih.data() + 16); // frames
        QByteArray hdrl = "hdrl" + AviWriter::chunkBytes("avih", avih);
        const qsizetype hdrlStart = m_bytes.size() + 8;
        for (int stream = 0; openDml && stream < kStreams; ++stream) {
            // Room for four parts' indexes, filled in when the file closes.
            const QByteArray strl = "strl" + AviWriter::chunkBytes("indx", QByteArray(24 + superIndexRoom * 16, '\0'));
            m_superIndex[stream] = hdrlStart + hdrl.size() + 12 + 8;
            hdrl += "LIST" + le32(quint32(strl.size())) + strl;
        }
        m_bytes += "LIST" + le32(quint32(hdrl.size())) + hdrl;
        m_bytes += AviWriter::chunkBytes("JUNK", QByteArray(300, '\0'));
        m_movi = m_bytes.size();
        m_firstMovi = m_movi;
        m_bytes += "LIST" + le32(0) + "movi";
    }

    // Closes this part (with its "idx1" when it is the first and INDEX is set) and opens a further
    // "RIFF" part.
    AviBuilder &extensionPart(bool index = true)
    {
        closeMovi();
        if (m_riff == 0 && index) {
            writeIdx1(false);
        }
        qToLittleEndian<quint32>(quint32(m_bytes.size() - m_riff - 8), m_bytes.data() + m_riff + 4);
        m_riff = m_bytes.size();
        m_bytes += "RIFF" + le32(0) + "AVIX";
        m_movi = m_bytes.size();
        m_bytes += "LIST" + le32(0) + "movi";
        m_firstPart = false;
        return *this;
    }

    // SECONDS of recording: per second three pictures of PICTURE_BYTES, a sound chunk, ten
    // acceleration records and a position record.
    AviBuilder &seconds(int count, int pictureBytes, bool indexSensor)
    {
        for (int second = 0; second < count; ++second, ++m_second) {
            for (int tenth = 0; tenth < 10; ++tenth) {
                if (tenth % 3 == 0) {
                    add("00dc", QByteArray(pictureBytes + tenth, char('a' + tenth)), true);
                }
                if (tenth == 5) {
                    add("01wb", QByteArray(1023, '\x7f'), true);
                }
                add("02tx", acceleration(m_second * 10 + tenth), indexSensor);
            }
            add(m_second % 2 ? "03tx" : "02tx", position(m_second), indexSensor);
        }
        return *this;
    }

    // Chunks in a "rec " list, indexed one by one as writers of grouped chunks do.
    AviBuilder &recordList(int count)
    {
        const qsizetype list = m_bytes.size();
        m_bytes += "LIST" + le32(0) + "rec ";
        for (int i = 0; i < count; ++i, ++m_second) {
            add("00dc", QByteArray(999, 'r'), true);
            add("02tx", acceleration(m_second * 10), true);
            add("02tx", position(m_second), true);
        }
        qToLittleEndian<quint32>(quint32(m_bytes.size() - list - 8), m_bytes.data() + list + 4);
        return *this;
    }

    AviBuilder &junk(qsizetype bytes)
    {
        m_bytes += AviWriter::chunkBytes("JUNK", QByteArray(bytes, '\0'));
        return *this;
    }

    // Closes "movi" and the RIFF part; writes the index unless told not to; FROM_FILE_START writes
    // offsets from the start of the file instead of from the "movi" type.
    QByteArray finish(bool withIndex = true, bool fromFileStart = false)
    {
        closeMovi();
        if (withIndex && m_firstPart) {
            writeIdx1(fromFileStart);
        }
        qToLittleEndian<quint32>(quint32(m_bytes.size() - m_riff - 8), m_bytes.data() + m_riff + 4);
        for (int stream = 0; m_openDml && stream < kStreams; ++stream) {
            char *indx = m_bytes.data() + m_superIndex[stream];
            qToLittleEndian<quint16>(4, indx);
            qToLittleEndian<quint32>(quint32(m_partIndexes[stream].size()), indx + 4);
            std::memcpy(indx + 8, kCodes[stream], 4);
            for (qsizetype i = 0; i < m_partIndexes[stream].size(); ++i) {
                qToLittleEndian<quint64>(quint64(m_partIndexes[stream][i].first), indx + 24 + i * 16);
                qToLittleEndian<quint32>(quint32(m_partIndexes[stream][i].second), indx + 24 + i * 16 + 8);
            }
        }
        return m_bytes;
    }

    // Moves the data offset of entry ENTRY of stream STREAM's index in the first part by DELTA.
    void shiftOpenDmlEntry(QByteArray &bytes, int stream, int entry, int delta) const
    {
        char *at = bytes.data() + m_partIndexes[stream].front().first + 8 + 24 + entry * 8;
        qToLittleEndian<quint32>(quint32(qint64(qFromLittleEndian<quint32>(at)) + delta), at);
    }

    // Makes stream STREAM's super index in BYTES (the finished file) name its parts' index chunks
    // over and over: TIMES entries in all, within the room it was given.
    void repeatSuperIndex(QByteArray &bytes, int stream, int times) const
    {
        char *indx = bytes.data() + m_superIndex[stream];
        const QList<std::pair<qsizetype, qsizetype>> &parts = m_partIndexes[stream];
        times = qMin(times, m_superIndexRoom);
        qToLittleEndian<quint32>(quint32(times), indx + 4);
        for (int i = 0; i < times; ++i) {
            const auto &part = parts[i % parts.size()];
            qToLittleEndian<quint64>(quint64(part.first), indx + 24 + i * 16);
            qToLittleEndian<quint32>(quint32(part.second), indx + 24 + i * 16 + 8);
        }
    }

    qsizetype moviOffset() const { return m_movi; }

private:
    static constexpr int kStreams = 4;
    static constexpr const char *kCodes[kStreams] = {"00dc", "01wb", "02tx", "03tx"};

    struct Entry
    {
        QByteArray code;
        qint64 offset;
        quint32 size;
    };

    void add(const QByteArray &code, const QByteArray &data, bool indexed)
    {
        if (indexed) {
            if (m_firstPart) {
                m_index.append({code, m_bytes.size(), quint32(data.size())});
            }
            m_partChunks[code[1] - '0'].append({code, m_bytes.size(), quint32(data.size())});
        }
        m_bytes += AviWriter::chunkBytes(code, data);
    }

    void writeIdx1(bool fromFileStart)
    {
        QByteArray index;
        const qint64 base = fromFileStart ? 0 : m_firstMovi + 8;
        for (const Entry &entry : std::as_const(m_index)) {
            index += entry.code + le32(0x10) + le32(quint32(entry.offset - base)) + le32(entry.size);
        }
        m_bytes += "idx1" + le32(quint32(index.size())) + index;
    }

    // Ends the part's "movi" with an "ix##" chunk per stream, base the list's start.
    void closeMovi()
    {
        for (int stream = 0; m_openDml && stream < kStreams; ++stream) {
            if (m_partChunks[stream].isEmpty()) {
                continue;
            }
            QByteArray body(24, '\0');
            qToLittleEndian<quint16>(2, body.data());
            body[3] = 1;
            qToLittleEndian<quint32>(quint32(m_partChunks[stream].size()), body.data() + 4);
            std::memcpy(body.data() + 8, kCodes[stream], 4);
            qToLittleEndian<quint64>(quint64(m_movi), body.data() + 12);
            for (const Entry &entry : std::as_const(m_partChunks[stream])) {
                body += le32(quint32(entry.offset + 8 - m_movi)) + le32(entry.size);
            }
            m_partIndexes[stream].append({m_bytes.size(), body.size() + 8});
            m_bytes += u"ix0%1"_s.arg(stream).toLatin1() + le32(quint32(body.size())) + body;
            m_partChunks[stream].clear();
        }
        qToLittleEndian<quint32>(quint32(m_bytes.size() - m_movi - 8), m_bytes.data() + m_movi + 4);
    }

    QByteArray acceleration(int n) const
    {
        const int x = (n * 7) % 60 - 30;
        const int y = (n * 13) % 40 - 20;
        const int z = (n * 3) % 20 - 10;
        switch (m_records) {
        case Records::QB62:
            return u"gsensor,%1,%2,%3"_s.arg(x).arg(y).arg(z).toLatin1();
        case Records::Older:
            return AviWriter::accelerationRecord(quint8(128 - x), quint8(128 - y), quint8(128 - z));
        case Records::KRV:
            return AviWriter::krvAccelerationRecord(quint8(128 + x), quint8(128 + y), quint8(128 + z));
        }
        return {};
    }

    QByteArray position(int second) const
    {
        const QByteArray fields = u"%1.00,A,3734.%2,N,12658.%3,E,%4.0,90.0,071226,,,A"_s.arg(81400 + second)
                                      .arg(1000 + second * 7, 4, 10, QChar(u'0'))
                                      .arg(2000 + second * 11, 4, 10, QChar(u'0'))
                                      .arg(10 + second % 20)
                                      .toLatin1();
        return (m_records == Records::QB62 ? "GNRMC," : "$GPRMC,") + fields;
    }

    Records m_records;
    bool m_openDml;
    int m_superIndexRoom;
    QByteArray m_bytes;
    qsizetype m_riff = 0;
    qsizetype m_movi = 0;
    qsizetype m_firstMovi = 0;
    bool m_firstPart = true;
    int m_second = 0;
    QList<Entry> m_index;
    QList<Entry> m_partChunks[kStreams];
    QList<std::pair<qsizetype, qsizetype>> m_partIndexes[kStreams];
    qsizetype m_superIndex[kStreams] = {};
};
} // namespace avibuilder

using avibuilder::AviBuilder;
using avibuilder::le32;
