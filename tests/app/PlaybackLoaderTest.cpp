#include "app/PlaybackLoader.h"

#include "export/ConversionFailure.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
using Files = std::optional<QList<QUrl>>;

QString reasonKey(ConversionFailure::Reason reason)
{
    return ConversionFailure::messageKey(reason);
}

// What a loader said, in order, through its signals.
struct Heard
{
    QStringList events;
    QList<DirectPlayRoute::Source> files;
    QString messageKey;
    QString titleKey;
    int drops = 0;
};

// A loader whose conversions are held until the test answers them.
struct LoaderUnderTest
{
    Heard heard;
    QList<PlaybackLoader::ConversionDone> pending;
    PlaybackLoader loader{[this](const QUrl &, PlaybackLoader::ConversionDone done, PlaybackLoader::ConversionShare) {
                              pending.append(std::move(done));
                          },
                          [this] {
                              ++heard.drops;
                          }};

    LoaderUnderTest()
    {
        QObject::connect(&loader, &PlaybackLoader::conversionStarted, [this] { heard.events << u"converting"_s; });
        QObject::connect(&loader, &PlaybackLoader::nothingToPlay, [this] { heard.events << u"nothing"_s; });
        QObject::connect(&loader, &PlaybackLoader::gone, [this] { heard.events << u"gone"_s; });
        QObject::connect(&loader, &PlaybackLoader::cutShort, [this](const QString &key) {
            heard.events << u"cutShort"_s;
            heard.messageKey = key;
        });
        QObject::connect(&loader, &PlaybackLoader::failed, [this](const QString &key, const QString &title) {
            heard.events << u"failed"_s;
            heard.messageKey = key;
            heard.titleKey = title;
        });
        QObject::connect(&loader, &PlaybackLoader::loaded,
                         [this](const QUrl &, const QList<DirectPlayRoute::Source> &files,
                                const std::shared_ptr<PlaybackLoader::Track> &track) {
                             heard.events << u"loaded"_s;
                             heard.files = files;
                             EXPECT_NE(track, nullptr);
                         });
    }
    bool waitForConversion(qsizetype count)
    {
        return QTest::qWaitFor([&] { return pending.size() >= count; }, 10000);
    }
    bool waitFor(const QString &event)
    {
        return QTest::qWaitFor([&] { return heard.events.contains(event); }, 10000);
    }
};

// A recording the player cannot open as it is, so it goes the conversion route: BYTES on the card,
// or none at all (a recording that has gone).
QUrl recordingOf(const QTemporaryDir &dir, const QString &name, const std::optional<QByteArray> &bytes)
{
    const QString path = dir.filePath(name);
    if (bytes) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(*bytes);
    }
    return QUrl::fromLocalFile(path);
}

TEST(PlaybackLoaderTest, WhatAConversionGivesIsPlayedOrExplained)
{
    const QByteArray garbage = QByteArray(4096, 'x');
    const QByteArray reserved = QByteArray(4096, '\0');
    const QString front = u"/tmp/converted_f.mov"_s;
    const QString rear = u"/tmp/converted_r.mov"_s;
    using Cause = PlaybackStopCause::Cause;
    struct Row
    {
        const char *name;
        std::optional<QByteArray> bytes;
        Files files;
        QString messageKey;
        QStringList events;
        QString expectedKey;
        QString expectedTitle;
    };
    const Row rows[] = {
        {"plays", garbage, QList<QUrl>{QUrl::fromLocalFile(front)}, {}, {u"converting"_s, u"loaded"_s}, {}, {}},
        {"plays cut short",
         garbage,
         QList<QUrl>{QUrl::fromLocalFile(front), QUrl::fromLocalFile(rear)},
         reasonKey(ConversionFailure::Reason::CutShort),
         {u"converting"_s, u"cutShort"_s, u"loaded"_s},
         reasonKey(ConversionFailure::Reason::CutShort),
         {}},
        // A reason of the converter's own is said as it is, without asking the card.
        {"working folder full",
         garbage,
         QList<QUrl>{},
         reasonKey(ConversionFailure::Reason::WorkingFolderFull),
         {u"converting"_s, u"nothing"_s, u"failed"_s},
         reasonKey(ConversionFailure::Reason::WorkingFolderFull),
         {}},
        // Unknown bytes: the card reads them, so the converter's word stands.
        {"damaged",
         garbage,
         std::nullopt,
         reasonKey(ConversionFailure::Reason::Unsupported),
         {u"converting"_s, u"nothing"_s, u"failed"_s},
         reasonKey(ConversionFailure::Reason::Unsupported),
         {}},
        // The card says more than "unsupported": a file reserved and never written, or one gone.
        {"reserved, never written",
         reserved,
         QList<QUrl>{},
         reasonKey(ConversionFailure::Reason::Damaged),
         {u"converting"_s, u"nothing"_s, u"failed"_s},
         PlaybackStopCause::failedMessageKey(Cause::Empty),
         PlaybackStopCause::titleKey(Cause::Empty)},
        {"gone",
         std::nullopt,
         std::nullopt,
         {},
         {u"converting"_s, u"nothing"_s, u"failed"_s},
         PlaybackStopCause::failedMessageKey(Cause::RecordingGone),
         PlaybackStopCause::titleKey(Cause::RecordingGone)},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        LoaderUnderTest test;
        test.loader.load(recordingOf(dir, u"20261207_081500_F.avi"_s, row.bytes));
        ASSERT_TRUE(test.waitForConversion(1));
        EXPECT_TRUE(test.loader.progress()->isActive());
        test.pending.constFirst()(row.files, row.messageKey);
        ASSERT_TRUE(test.waitFor(row.events.constLast()));
        EXPECT_EQ(test.heard.events, row.events);
        EXPECT_EQ(test.heard.messageKey, row.expectedKey);
        EXPECT_EQ(test.heard.titleKey, row.expectedTitle);
        if (row.files && !row.files->isEmpty()) {
            // The converted copies hold one picture each, front first.
            ASSERT_EQ(test.heard.files.size(), row.files->size());
            EXPECT_EQ(test.heard.files.constFirst().path, front);
            EXPECT_EQ(test.heard.files.constFirst().videoTrack, 0);
        } else {
            EXPECT_FALSE(test.loader.progress()->isActive());
        }
    }
}

TEST(PlaybackLoaderTest, OnlyTheRecordingLastChosenIsActedOn)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    LoaderUnderTest test;
    test.loader.load(recordingOf(dir, u"first.avi"_s, QByteArray(4096, 'x')));
    ASSERT_TRUE(test.waitForConversion(1));
    test.loader.load(recordingOf(dir, u"second.avi"_s, QByteArray(4096, 'x')));
    ASSERT_TRUE(test.waitForConversion(2));
    EXPECT_EQ(test.heard.drops, 2) << "each choice drops the conversion before it";

    // The first recording's answer comes late: nothing of it is played or said.
    test.pending.at(0)(QList<QUrl>{QUrl::fromLocalFile(u"/tmp/first_f.mov"_s)},
                       reasonKey(ConversionFailure::Reason::CutShort));
    test.pending.at(1)(QList<QUrl>{QUrl::fromLocalFile(u"/tmp/second_f.mov"_s)}, {});
    ASSERT_TRUE(test.waitFor(u"loaded"_s));
    EXPECT_EQ(test.heard.events, QStringList({u"converting"_s, u"converting"_s, u"loaded"_s}));
    EXPECT_EQ(test.heard.files.constFirst().path, u"/tmp/second_f.mov"_s);
}

TEST(PlaybackLoaderTest, APlayerThatCannotOpenTheCopyIsExplainedByTheCard)
{
    using Cause = PlaybackStopCause::Cause;
    struct Row
    {
        const char *name;
        std::optional<QByteArray> bytes;
        QStringList events;
        Cause cause;
    };
    const Row rows[] = {
        {"damaged", QByteArray(4096, 'x'), {u"failed"_s}, Cause::Damaged},
        // Gone from the card: the players let it go before the user is told.
        {"gone", std::nullopt, {u"gone"_s, u"failed"_s}, Cause::RecordingGone},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        LoaderUnderTest test;
        const QString played = recordingOf(dir, u"a_f.mov"_s, row.bytes).toLocalFile();
        test.loader.explainPlayerFailure(played, played);
        ASSERT_TRUE(test.waitFor(u"failed"_s));
        EXPECT_EQ(test.heard.events, row.events);
        EXPECT_EQ(test.heard.messageKey, PlaybackStopCause::failedMessageKey(row.cause));
        EXPECT_EQ(test.heard.titleKey, PlaybackStopCause::titleKey(row.cause));
    }
}
} // namespace
