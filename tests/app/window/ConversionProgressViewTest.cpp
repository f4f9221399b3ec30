// The conversion indicator over the large player, on the demo card with an ffmpeg that converts at
// a known pace. The card's recordings play as they are: copies without their index are what the
// viewer converts.
#include "app/window/ConversionProgressView.h"

#include "DemoWindowTest.h"
#include "core/VexoLanguages.h"

#include "app/CardFollower.h"
#include "app/ConversionProgress.h"
#include "export/ConversionFailure.h"
#include "export/TestRecordings.h"
#include "export/Utils.h"
#include "support/ScopedEnvironment.h"
#include "support/SlowFfmpeg.h"
#include "support/UnindexedAvi.h"

#include <QDirIterator>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>

#include <algorithm>
#include <unistd.h>

namespace {
// The ffmpeg processes (or their stand-ins, which bear the same name) that are children of this
// test and still alive.
int ffmpegChildren()
{
    int count = 0;
    QDirIterator processes(u"/proc"_s, QDir::Dirs | QDir::NoDotAndDotDot);
    while (processes.hasNext()) {
        QFile stat(processes.next() + u"/stat"_s);
        if (!stat.open(QIODevice::ReadOnly)) {
            continue;
        }
        // pid (comm) state ppid ...
        const QByteArray text = stat.readAll();
        const qsizetype open = text.indexOf('(');
        const qsizetype close = text.lastIndexOf(')');
        if (open < 0 || close < open) {
            continue;
        }
        const QList<QByteArray> fields = text.mid(close + 2).split(' ');
        if (fields.size() > 1 && text.mid(open + 1, close - open - 1) == "ffmpeg" && fields.at(0) != "Z" &&
            fields.at(1).toLongLong() == qint64(::getpid())) {
            ++count;
        }
    }
    return count;
}

class ConversionProgressViewTest : public DemoWindowTest
{
protected:
    void SetUp() override
    {
        DemoWindowTest::SetUp();
        // Nothing converted earlier is reused: every choice converts.
        Utils::RemoveWorkingDirectory();
        for (const auto &[from, to] : copies) {
            ASSERT_TRUE(writeUnindexedAvi(card(from), card(to))) << from.toStdString();
        }
        controller->cardFollower()->refreshVideoFileList();
        view = controller->mainWindow()->findChild<ConversionProgressView *>();
        ASSERT_NE(view, nullptr);
        bar = view->findChild<QProgressBar *>(u"progressBar"_s);
        name = view->findChild<QLabel *>(u"recordingNameLabel"_s);
        ASSERT_NE(bar, nullptr);
        ASSERT_NE(name, nullptr);
    }

    void choose(const QString &suffix)
    {
        const int row = rowNamed(suffix);
        ASSERT_GE(row, 0) << suffix.toStdString();
        ui().fileListTableView->selectRow(row);
        controller->videoFileListDoubleClicked();
    }

    void TearDown() override
    {
        for (const auto &[from, to] : copies) {
            QFile::remove(card(to));
        }
    }

    static QString card(const QString &relative) { return demoFolder().filePath(u"card/"_s + relative); }

    ConversionProgress &model() const { return *playback().conversionProgress(); }

    // Both cameras in one file, and one camera with a block after the pictures.
    const QList<std::pair<QString, QString>> copies{
        {u"evt_rec/20261207_081600_EVT.avi"_s, u"evt_rec/20261207_081601_zzEVT.avi"_s},
        {u"manual_rec/20261207_081800_MAN.avi"_s, u"manual_rec/20261207_081801_zzMAN.avi"_s}};

    ConversionProgressView *view = nullptr;
    QProgressBar *bar = nullptr;
    QLabel *name = nullptr;
};

TEST_F(ConversionProgressViewTest, TheIndicatorRisesOverThePlayerAndGoesWhenPlaybackStarts)
{
    // The demo card's fifteen-second recordings convert in about three seconds.
    SlowFfmpeg paced(0.0, {u"-readrate"_s, u"5"_s});
    ASSERT_TRUE(paced.isValid());
    ScopedEnvironment ffmpeg(Utils::FFMPEGEnvironmentVariable, QFile::encodeName(paced.program()));
    QList<int> shown; // the bar's values while the panel showed
    QStringList names;
    QObject::connect(&model(), &ConversionProgress::changed, view, [&] {
        if (view->isVisible()) {
            shown.append(bar->value());
            names.append(name->text());
        }
    });

    choose(u"zzEVT.avi"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->isVisible(); }, 10000));
    EXPECT_TRUE(scroll()->geometry().contains(view->geometry())) << "over the large player";
    ASSERT_TRUE(waitUntilPlaying());
    EXPECT_FALSE(view->isVisible());
    EXPECT_FALSE(model().isVisible());

    QList<int> distinct = shown;
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    EXPECT_GE(distinct.size(), 3) << "the share moved along the way";
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end())) << "and only rose";
    EXPECT_EQ(shown.constLast(), 100) << "full once converted, until playback started";
    ASSERT_FALSE(names.isEmpty());
    EXPECT_EQ(names.constFirst(), controller->library()->urlAt(rowNamed(u"zzEVT.avi"_s)).fileName());
    EXPECT_EQ(ffmpegChildren(), 0);
}

TEST_F(ConversionProgressViewTest, ChoosingAnotherRecordingCancelsTheConversionAndItsIndicator)
{
    // At the recordings' own pace: each conversion would take fifteen seconds.
    SlowFfmpeg paced(0.0, {u"-readrate"_s, u"1"_s});
    ASSERT_TRUE(paced.isValid());
    ScopedEnvironment ffmpeg(Utils::FFMPEGEnvironmentVariable, QFile::encodeName(paced.program()));

    choose(u"zzEVT.avi"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->isVisible() && bar->value() > 0; }, 10000));
    const QString first = controller->library()->urlAt(rowNamed(u"zzEVT.avi"_s)).toLocalFile();
    EXPECT_EQ(name->text(), QFileInfo(first).fileName());
    EXPECT_GE(ffmpegChildren(), 1);

    // The next one chosen: the first one's indicator goes at once and its ffmpeg soon after.
    choose(u"zzMAN.avi"_s);
    EXPECT_FALSE(view->isVisible());
    const QList<SlowFfmpeg::Run> firstRuns = paced.runsMentioning(first);
    ASSERT_FALSE(firstRuns.isEmpty());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return std::none_of(firstRuns.begin(), firstRuns.end(),
                                [](const SlowFfmpeg::Run &run) { return SlowFfmpeg::isAlive(run.pid); });
        },
        3000));
    // The new one's indicator comes with its own name and a share from the start.
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->isVisible(); }, 10000));
    EXPECT_EQ(name->text(), controller->library()->urlAt(rowNamed(u"zzMAN.avi"_s)).fileName());
    EXPECT_LT(bar->value(), 50);

    // Quitting now: the indicator goes and no ffmpeg is left behind.
    controller->cancelConversions();
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(ffmpegChildren(), 0);
    EXPECT_FALSE(paced.anyAlive());
    QTest::qWait(500);
    EXPECT_TRUE(playback().currentVideoUrl().isEmpty()) << "a cancelled conversion loads nothing";
}

// A recording that plays as it is stops the conversion of the one chosen before it.
TEST_F(ConversionProgressViewTest, ARecordingPlayedAsItIsStopsTheConversionBeforeIt)
{
    SlowFfmpeg paced(0.0, {u"-readrate"_s, u"1"_s});
    ASSERT_TRUE(paced.isValid());
    ScopedEnvironment ffmpeg(Utils::FFMPEGEnvironmentVariable, QFile::encodeName(paced.program()));
    choose(u"zzEVT.avi"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->isVisible() && paced.anyAlive(); }, 10000));
    choose(u"_MOT.avi"_s);
    EXPECT_FALSE(view->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !paced.anyAlive(); }, 3000)) << "its ffmpeg killed";
    ASSERT_TRUE(waitUntilPlaying());
    EXPECT_EQ(playback().bigVideoFilePath(), controller->library()->urlAt(rowNamed(u"_MOT.avi"_s)).toLocalFile());
    EXPECT_FALSE(view->isVisible());
}
// An ffmpeg that hangs before its first report: the indicator shows from its delay all the same,
// and Stop or Escape gives the conversion up.
TEST_F(ConversionProgressViewTest, AHungFfmpegShowsTheIndicatorAndStopOrEscapeGivesUp)
{
    SlowFfmpeg hung(600.0);
    ASSERT_TRUE(hung.isValid());
    ScopedEnvironment ffmpeg(Utils::FFMPEGEnvironmentVariable, QFile::encodeName(hung.program()));
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Escape" : "Stop");
        choose(u"zzEVT.avi"_s);
        ASSERT_TRUE(QTest::qWaitFor([&] { return view->isVisible() && hung.anyAlive(); }, 10000));
        EXPECT_EQ(bar->value(), 0);
        if (escape) {
            QTest::keyClick(ui().fileListTableView, Qt::Key_Escape);
        } else {
            ui().stopButton->click();
        }
        EXPECT_FALSE(view->isVisible());
        EXPECT_FALSE(model().isActive());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !hung.anyAlive(); }, 5000)) << "its ffmpeg stopped";
        EXPECT_TRUE(playback().currentVideoUrl().isEmpty()) << "nothing loads";
    }
}
// A recording cut short by a power loss, its index in front: it plays as far as it goes, and the
// viewer says it is cut short.
TEST_F(ConversionProgressViewTest, ARecordingCutShortPlaysAndSaysSo)
{
    const QString whole = card(u"cont_rec/whole-faststart.mp4.part"_s);
    const QString cut = card(u"cont_rec/20261207_083000_F.mp4"_s);
    ASSERT_TRUE(TestRecordings::make({u"-i"_s, card(u"cont_rec/20261207_081500_F.mp4"_s), u"-map"_s, u"0"_s, u"-c"_s,
                                      u"copy"_s, u"-movflags"_s, u"+faststart"_s, u"-f"_s, u"mp4"_s, u"-y"_s, whole}));
    const QByteArray bytes = TestRecordings::readFile(whole);
    QFile::remove(whole);
    ASSERT_TRUE(TestRecordings::writeFile(cut, bytes.first(bytes.size() * 6 / 10)));
    controller->cardFollower()->refreshVideoFileList();

    choose(u"083000_F.mp4"_s);
    ASSERT_TRUE(waitUntilPlaying());
    QMessageBox *alert = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return (alert = controller->mainWindow()->findChild<QMessageBox *>(u"unsupportedFileAlert"_s)); },
        10000));
    EXPECT_EQ(alert->informativeText(), VexoLanguages::SharedVexoLanguages().localized(
                                            ConversionFailure::messageKey(ConversionFailure::Reason::CutShort)));
    alert->close();
    QFile::remove(cut);
}
} // namespace
