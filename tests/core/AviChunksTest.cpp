#include "core/AviChunks.h"

#include "core/ByteOrder.h"

#include <QtEndian>

#include <gtest/gtest.h>

namespace {
QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray le64(quint64 value)
{
    QByteArray bytes(8, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray chunk(const QByteArray &code, const QByteArray &body)
{
    return code + le32(quint32(body.size())) + body + QByteArray(body.size() & 1, '\0');
}

// An AVI of FILLER empty chunks followed by a header list of HEADERBYTES and an "idx1".
QByteArray avi(int filler, qint64 headerBytes)
{
    QByteArray body = "AVI ";
    for (int i = 0; i < filler; ++i) {
        body += chunk("JUNK", {});
    }
    body += chunk("LIST", "hdrl" + QByteArray(headerBytes - 4, 'h')) + chunk("idx1", QByteArray(16, '\0'));
    return "RIFF" + le32(quint32(body.size())) + body;
}

AviChunks::TopLevel walk(const QByteArray &bytes)
{
    return AviChunks::topLevel([&bytes](qint64 at, qint64 count) { return bytes.mid(at, count); }, bytes.size());
}

QByteArray superIndex(quint32 declared, int room, quint16 longsPerEntry = 4)
{
    QByteArray indx(2, '\0');
    qToLittleEndian(longsPerEntry, indx.data());
    indx += QByteArray(2, '\0') + le32(declared) + "00dc" + QByteArray(12, '\0');
    for (int i = 0; i < room; ++i) {
        indx += le64(1000 + i * 100) + le32(100) + le32(15);
    }
    return indx;
}

QByteArray standardIndexHead(quint32 count, quint32 bodySize, quint64 base)
{
    return "ix00" + le32(bodySize) + QByteArray::fromHex("0200") + '\0' + '\1' + le32(count) + "00dc" + le64(base) +
           le32(0);
}

TEST(AviChunksTest, EachLimitHoldsAtItsCapAndRefusesOnePast)
{
    const qint64 file = 10000;
    const struct
    {
        const char *what;
        bool atCap;
        bool onePast;
    } cases[] = {
        // The index as the last chunk looked at, then as the first one past the cap.
        {"top-level chunks", walk(avi(AviChunks::kMaxTopLevel - 2, 64)).index >= 0,
         walk(avi(AviChunks::kMaxTopLevel - 1, 64)).index >= 0},
        {"header list bytes", !walk(avi(0, AviChunks::kMaxHeaderBytes)).headerList.isEmpty(),
         !walk(avi(0, AviChunks::kMaxHeaderBytes + 1)).headerList.isEmpty()},
        {"file ends at the last chunk", !walk(avi(0, 64)).cutShort, !walk(avi(0, 64).chopped(1)).cutShort},
        {"super index entries in its body", AviChunks::superIndex(superIndex(3, 3)).complete,
         AviChunks::superIndex(superIndex(4, 3)).complete},
        {"index chunk at the end of the file", AviChunks::isInsideFile({quint64(file - 32), 32}, file),
         AviChunks::isInsideFile({quint64(file - 31), 32}, file)},
        {"index chunk as small as its own header", AviChunks::isInsideFile({0, 32}, file),
         AviChunks::isInsideFile({0, 31}, file)},
        {"standard index entries in its body",
         AviChunks::standardIndex(standardIndexHead(2, 40, 0), 48, file).has_value(),
         AviChunks::standardIndex(standardIndexHead(3, 40, 0), 48, file).has_value()},
        {"standard index body in its chunk",
         AviChunks::standardIndex(standardIndexHead(2, 40, 0), 48, file).has_value(),
         AviChunks::standardIndex(standardIndexHead(2, 41, 0), 48, file).has_value()},
        {"standard index base in the file",
         AviChunks::standardIndex(standardIndexHead(0, 24, file), 32, file).has_value(),
         AviChunks::standardIndex(standardIndexHead(0, 24, file + 1), 32, file).has_value()},
    };
    for (const auto &limit : cases) {
        SCOPED_TRACE(limit.what);
        EXPECT_TRUE(limit.atCap);
        EXPECT_FALSE(limit.onePast);
    }
}

TEST(AviChunksTest, IndexChunksNamedAgainAreCountedOnce)
{
    const AviChunks::IndexChunkSet set = AviChunks::distinctChunks({{500, 64}, {100, 64}, {500, 64}, {500, 65}});
    EXPECT_TRUE(set.repeated);
    ASSERT_EQ(set.chunks.size(), 3);
    EXPECT_EQ(set.chunks.front().offset, 100u);
    // Overlapping chunks still count whole: together they may not hold more than the file.
    EXPECT_EQ(set.totalBytes, 64u + 64u + 65u);
    EXPECT_FALSE(AviChunks::distinctChunks({{100, 64}, {200, 64}}).repeated);
    EXPECT_FALSE(AviChunks::superIndex(superIndex(1, 1, 2)).ofIndexes);
}

TEST(AviChunksTest, ReadsPastTheViewGiveZero)
{
    const QByteArray bytes = QByteArray::fromHex("0102030405060708");
    EXPECT_EQ(ByteOrder::le32(bytes, 4), 0x08070605u);
    EXPECT_EQ(ByteOrder::be32(bytes, 4), 0x05060708u);
    EXPECT_EQ(ByteOrder::le64(bytes, 0), 0x0807060504030201u);
    for (const qsizetype at : {qsizetype(5), qsizetype(8), qsizetype(-1)}) {
        EXPECT_EQ(ByteOrder::le32(bytes, at), 0u) << at;
        EXPECT_EQ(ByteOrder::be32(bytes, at), 0u) << at;
    }
}
} // namespace
