// What a card's recording may bring into a conversion: nothing but its own bytes. A playlist or
// manifest named like a recording, a link out of the card, and two recordings that look alike
// (name, size, time) in different folders.
#include "TestRecordings.h"

#include "export/ConversionFailure.h"
#include "export/VideoConverter.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <string>

using namespace Qt::StringLiterals;

namespace {
using Failure = VideoConverter::Failure;
using Reason = ConversionFailure::Reason;

class HostileRecordingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_card.isValid() && m_outside.isValid() && m_work.isValid());
        m_converter.setWorkingDirectory(m_work.path());
        // The user's own video, outside the card: its picture size tells it apart.
        ASSERT_TRUE(TestRecordings::make(TestRecordings::picture(TestRecordings::RearSize) + TestRecordings::h264() +
                                         QStringList{u"-f"_s, u"mpegts"_s, u"-y"_s, privateTs()}));
        ASSERT_TRUE(TestRecordings::mp4(privateMp4(), TestRecordings::RearSize));
    }

    QString card(const QString &name) const { return m_card.filePath(name); }
    QString privateTs() const { return m_outside.filePath(u"private.ts"_s); }
    QString privateMp4() const { return m_outside.filePath(u"private.mp4"_s); }
    VideoConverter::Playable convert(const QString &path)
    {
        m_converter.runner().clearRuns();
        return m_converter.checkAndConvertVideo(QUrl::fromLocalFile(path));
    }
    // Every file made in the working folder.
    QStringList made() const
    {
        QStringList files;
        for (QDirIterator it(m_work.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
            files.append(it.next());
        }
        return files;
    }
    // The colour of the first picture's top left corner: "red", "blue" or "other".
    static std::string firstColour(const QString &movie)
    {
        QProcess ffmpeg;
        ffmpeg.start(TestRecordings::ffmpeg(),
                     {u"-v"_s, u"error"_s, u"-i"_s, movie, u"-frames:v"_s, u"1"_s, u"-vf"_s, u"crop=1:1:0:0"_s, u"-f"_s,
                      u"rawvideo"_s, u"-pix_fmt"_s, u"rgb24"_s, u"-"_s});
        ffmpeg.waitForFinished(60'000);
        const QByteArray rgb = ffmpeg.readAllStandardOutput();
        if (rgb.size() != 3) {
            return "other";
        }
        const auto high = [&](int i) {
            return quint8(rgb.at(i)) > 200;
        };
        const auto low = [&](int i) {
            return quint8(rgb.at(i)) < 50;
        };
        if (high(0) && low(1) && low(2)) {
            return "red";
        }
        return low(0) && low(1) && high(2) ? "blue" : "other";
    }

    QTemporaryDir m_card;
    QTemporaryDir m_outside;
    QTemporaryDir m_work;
    VideoConverter m_converter;
};

TEST_F(HostileRecordingsTest, APlaylistOrManifestNamedLikeARecordingIsDamagedAndFollowsNothing)
{
    const QByteArray absolute = QFile::encodeName(privateTs());
    const QByteArray upwards = "../../../../../../../../.." + absolute;
    const QByteArray playlist = "#EXTM3U\n#EXT-X-VERSION:3\n#EXT-X-TARGETDURATION:2\n#EXTINF:2.0,\n";
    const QByteArray manifest =
        "<?xml version=\"1.0\"?>\n<MPD xmlns=\"urn:mpeg:dash:schema:mpd:2011\" type=\"static\" "
        "mediaPresentationDuration=\"PT2S\" minBufferTime=\"PT1S\" "
        "profiles=\"urn:mpeg:dash:profile:isoff-on-demand:2011\"><Period><AdaptationSet mimeType=\"video/mp4\">"
        "<Representation id=\"1\" bandwidth=\"100000\"><BaseURL>file://" +
        QFile::encodeName(privateMp4()) + "</BaseURL></Representation></AdaptationSet></Period></MPD>\n";
    const struct
    {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"cont_rec/20261207_090000_F.mp4", playlist + absolute + "\n#EXT-X-ENDLIST\n"},
        {"cont_rec/20261207_090100_F.mp4", playlist + upwards + "\n#EXT-X-ENDLIST\n"},
        {"Rec_20261207_090200.avi", playlist + absolute + "\n#EXT-X-ENDLIST\n"},
        {"Rec_20261207_090300.avi", playlist + upwards + "\n#EXT-X-ENDLIST\n"},
        {"cont_rec/20261207_090400_F.mp4", manifest},
    };
    ASSERT_TRUE(QDir().mkpath(card(u"cont_rec"_s)));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = card(QString::fromLatin1(c.name));
        ASSERT_TRUE(TestRecordings::writeFile(path, c.bytes));
        EXPECT_EQ(convert(path), QList<QUrl>());
        EXPECT_EQ(m_converter.failure(), Failure::NotItsContainer);
        EXPECT_EQ(ConversionFailure::classify(m_converter.failure(), path, m_work.path()), Reason::Damaged);
        EXPECT_EQ(made(), QStringList());
    }
}

TEST_F(HostileRecordingsTest, ALinkOutOfTheCardIsNeverConvertedWhicheverCameraItIs)
{
    // The front camera a link: the recording is refused.
    const QString linkedFront = card(u"20261207_081400_F.mp4"_s);
    ASSERT_TRUE(QFile::link(privateMp4(), linkedFront));
    EXPECT_EQ(convert(linkedFront), QList<QUrl>());
    EXPECT_EQ(ConversionFailure::classify(m_converter.failure(), linkedFront, m_work.path()), Reason::Damaged);
    EXPECT_EQ(made(), QStringList());

    // The rear camera a link: the front plays alone and nothing of the link is made.
    const QString front = card(u"20261207_081500_F.mp4"_s);
    ASSERT_TRUE(TestRecordings::mp4(front, TestRecordings::FrontSize));
    ASSERT_TRUE(QFile::link(privateTs(), card(u"20261207_081500_R.mp4"_s)));
    const VideoConverter::Playable files = convert(front);
    ASSERT_TRUE(files.has_value());
    ASSERT_EQ(files->size(), 1);
    for (const QStringList &run : m_converter.runner().runs()) {
        EXPECT_FALSE(run.join(u' ').contains(u"_R.mp4"_s)) << run.join(u' ').toStdString();
    }
    for (const QString &file : made()) {
        EXPECT_FALSE(file.contains(u"_r."_s)) << file.toStdString();
    }
}

TEST_F(HostileRecordingsTest, RecordingsThatLookAlikeEachPlayTheirOwnPictures)
{
    // Uncompressed pictures: the same length whatever their colour.
    const auto colour = [](const QString &path, const char *name) {
        return TestRecordings::make({u"-f"_s, u"lavfi"_s, u"-i"_s,
                                     u"color=c=%1:size=160x96:duration=1:rate=5"_s.arg(QLatin1StringView(name)),
                                     u"-c:v"_s, u"rawvideo"_s, u"-pix_fmt"_s, u"uyvy422"_s, u"-y"_s, path});
    };
    const QString event = card(u"evt_rec/X.avi"_s);
    const QString saved = card(u"Saved_Videos/X.avi"_s);
    ASSERT_TRUE(QDir().mkpath(card(u"evt_rec"_s)) && QDir().mkpath(card(u"Saved_Videos"_s)));
    ASSERT_TRUE(colour(event, "red") && colour(saved, "blue"));
    ASSERT_EQ(QFileInfo(event).size(), QFileInfo(saved).size());
    const QDateTime time = QDateTime::currentDateTime().addSecs(-600);
    const auto stamp = [&](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFileDevice::FileModificationTime);
    };
    ASSERT_TRUE(stamp(event) && stamp(saved));

    const VideoConverter::Playable red = convert(event);
    const VideoConverter::Playable blue = convert(saved);
    ASSERT_TRUE(red && blue && red->size() == 1 && blue->size() == 1);
    EXPECT_NE(red->at(0), blue->at(0));
    EXPECT_EQ(firstColour(red->at(0).toLocalFile()), "red");
    EXPECT_EQ(firstColour(blue->at(0).toLocalFile()), "blue");

    // The same file rewritten with other pictures, its time put back: converted again.
    ASSERT_TRUE(colour(saved, "red") && stamp(saved));
    const VideoConverter::Playable rewritten = convert(saved);
    ASSERT_TRUE(rewritten && rewritten->size() == 1);
    EXPECT_EQ(firstColour(rewritten->at(0).toLocalFile()), "red");
}
} // namespace
