#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// Writes RIFF/AVI bytes chunk by chunk, with the sensor records the cameras put in their text
// streams. Tests build their recordings with it byte for byte; a demo card can build its
// recordings' movie lists with it too, since ffmpeg cannot write "02tx" chunks itself.
// Sizes of lists and RIFF parts are filled in when they are closed; every chunk of odd size gets
// its pad byte, as readers expect.
class AviWriter
{
public:
    // Starts the file: "RIFF", its size, "AVI ".
    AviWriter();

    // One chunk: CODE (four characters), its size, DATA and a pad byte when the size is odd.
    AviWriter &chunk(QByteArrayView code, QByteArrayView data);
    // A text-stream chunk ("02tx" for STREAM 2, "03tx" for 3) holding TEXT.
    AviWriter &textChunk(int stream, QByteArrayView text);
    // "LIST", its size (filled in by endList) and TYPE ("movi", "hdrl", ...).
    AviWriter &beginList(QByteArrayView type);
    AviWriter &endList();
    // Closes the current RIFF part and opens a further top-level one (an extension part of a large
    // recording, form "AVIX").
    AviWriter &beginRiffPart(QByteArrayView form = "AVIX");
    // Bytes as they are, with no chunk around them: for damaged or hand-made layouts.
    AviWriter &raw(QByteArrayView bytes);

    // The file so far with every open list and part closed.
    QByteArray bytes() const;

    // One chunk's bytes as chunk() writes them: CODE, size, DATA, pad byte.
    static QByteArray chunkBytes(QByteArrayView code, QByteArrayView data);
    // The AVI file AVI (as ffmpeg writes it) with CHUNKS (whole chunks) added at the end of its
    // first "movi" list, after the pictures and sound; the sizes of that list and of the RIFF part
    // are corrected. The "idx1" index stays valid, since its offsets count from the start of
    // "movi". Empty when AVI has no "movi" list that lies whole within the file.
    static QByteArray withChunksInMovi(const QByteArray &avi, const QByteArray &chunks);

    // An "M" acceleration record of the standard cameras: the three raw axis bytes.
    static QByteArray accelerationRecord(quint8 x, quint8 y, quint8 z);
    // The KRV cameras' "M" record: the axis bytes followed by the three validity bytes (1 when valid).
    static QByteArray krvAccelerationRecord(quint8 x, quint8 y, quint8 z, quint8 valid = 1);

private:
    static void patchSize(QByteArray &bytes, qsizetype sizeOffset);

    QByteArray m_bytes;
    // Offsets of the size fields of the open lists, innermost last, and of the open RIFF part.
    QList<qsizetype> m_openLists;
    qsizetype m_riffSizeOffset = 4;
};
