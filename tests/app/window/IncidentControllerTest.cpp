// The incident report menu item on a playing recording of the demo card: the dialog's proposals,
// the report made off the window's thread, what opens when it is done, and the alert when it fails.
#include "app/window/IncidentController.h"

#include "DemoWindowTest.h"
#include "core/VexoLanguages.h"

#include "app/window/IncidentDialog.h"
#include "export/Utils.h"

#include <QAction>
#include <QApplication>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {
class IncidentControllerTest : public DemoWindowTest
{
protected:
    IncidentController &incidents() const { return *controller->incidents(); }

    void SetUp() override
    {
        DemoWindowTest::SetUp();
        incidents().setOpener([this](const QUrl &url) {
            opened.append(url);
            return true;
        });
    }

    QTemporaryDir output;
    QList<QUrl> opened;
};

TEST_F(IncidentControllerTest, TheDialogProposesTheMomentFifteenSecondsEachWayAndANewFolder)
{
    EXPECT_FALSE(incidents().action()->isEnabled()) << "nothing plays yet";
    playFrontAndRear();
    EXPECT_TRUE(incidents().action()->isEnabled());
    double moment = -1.0;
    double before = -1.0;
    double after = -1.0;
    QString folder;
    bool fieldFits = false;
    QTimer::singleShot(0, [&] {
        if (auto *dialog = qobject_cast<IncidentDialog *>(QApplication::activeModalWidget())) {
            moment = dialog->moment();
            before = dialog->before();
            after = dialog->after();
            folder = dialog->folder();
            // The proposed path is read whole in its field, as far as two thirds of the screen
            // allow (the offscreen screen of the tests is small; the tooltip holds the rest).
            const auto *field = dialog->findChild<QLineEdit *>(u"folderLineEdit"_s);
            const int widest = dialog->screen()->availableGeometry().width() * 2 / 3;
            fieldFits = field != nullptr &&
                        std::min(field->fontMetrics().horizontalAdvance(field->text()), widest - 8) < field->width() &&
                        field->toolTip() == field->text();
            dialog->reject();
        }
    });
    incidents().action()->trigger();
    drain();
    EXPECT_TRUE(playback().isVideoPaused());
    EXPECT_NEAR(moment, big()->currentTime(), 0.1);
    EXPECT_EQ(before, 15.0);
    EXPECT_EQ(after, 15.0);
    EXPECT_TRUE(QFileInfo(folder).fileName().startsWith(u"20261207_081500_F_incident_"_s)) << folder.toStdString();
    EXPECT_TRUE(fieldFits);
    EXPECT_FALSE(QFileInfo::exists(folder)) << "cancelled: nothing made";
    EXPECT_FALSE(incidents().isRunning());
}

TEST_F(IncidentControllerTest, TheReportIsMadeWhileTheWindowRespondsThenItsPageAndFolderOpen)
{
    playFrontAndRear();
    playback().pauseVideo();
    const QString folder = output.filePath(u"report"_s);
    QSignalSpy finished(&incidents(), &IncidentController::reportFinished);
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ticks += finished.isEmpty() ? 1 : 0; });
    tick.start(10);
    QElapsedTimer started;
    started.start();
    ASSERT_TRUE(incidents().start(5.0, 2.0, 2.0, folder));
    // Starting hands the work over at once; making the report takes far longer.
    EXPECT_LT(started.elapsed(), 500);
    EXPECT_TRUE(incidents().isRunning());
    EXPECT_FALSE(incidents().action()->isEnabled()) << "one report at a time";
    EXPECT_FALSE(incidents().start(5.0, 2.0, 2.0, output.filePath(u"second"_s)));
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_GE(ticks, 3) << "the event loop kept running while the report was made";
    ASSERT_EQ(finished.count(), 1);
    EXPECT_TRUE(finished.at(0).at(0).toBool()) << finished.at(0).at(1).toString().toStdString();
    EXPECT_EQ(opened,
              (QList<QUrl>{QUrl::fromLocalFile(QDir(folder).filePath(u"report.pdf"_s)), QUrl::fromLocalFile(folder)}));
    EXPECT_TRUE(QFileInfo::exists(QDir(folder).filePath(u"rear.mov"_s)));
    EXPECT_TRUE(incidents().action()->isEnabled());
}

TEST_F(IncidentControllerTest, AReportThatCannotBeMadeIsSaidInAnAlertAndNothingOpens)
{
    playFrontAndRear();
    playback().pauseVideo();
    const QString taken = output.filePath(u"taken"_s);
    ASSERT_TRUE(QDir().mkpath(QDir(taken).filePath(u"inside"_s)));
    QSignalSpy finished(&incidents(), &IncidentController::reportFinished);
    ASSERT_TRUE(incidents().start(5.0, 2.0, 2.0, taken));
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_FALSE(finished.at(0).at(0).toBool());
    EXPECT_TRUE(opened.isEmpty());
    auto *alert = controller->mainWindow()->findChild<QMessageBox *>(u"incidentFailedAlert"_s);
    ASSERT_NE(alert, nullptr);
    EXPECT_TRUE(alert->text().contains(u"already holds files"_s)) << alert->text().toStdString();
    EXPECT_TRUE(alert->text().startsWith(
        VexoLanguages::SharedVexoLanguages().localized(u"사고 보고서를 만들지 못했습니다."_s)));
    alert->close();
}
} // namespace

namespace {
TEST_F(IncidentControllerTest, ACancelledReportLeavesNothingAndSaysNothing)
{
    playFrontAndRear();
    playback().pauseVideo();
    const QString folder = output.filePath(u"cancelled"_s);
    QSignalSpy finished(&incidents(), &IncidentController::reportFinished);
    ASSERT_TRUE(incidents().start(5.0, 2.0, 2.0, folder));
    incidents().cancel();
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_FALSE(finished.at(0).at(0).toBool());
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(controller->mainWindow()->findChild<QMessageBox *>(u"incidentFailedAlert"_s), nullptr);
    EXPECT_TRUE(QDir(output.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty())
        << "neither the report nor its unfinished folder";
}
} // namespace

namespace {
TEST_F(IncidentControllerTest, TheReportConvertsApartFromThePlayersOwnConversions)
{
    playFrontAndRear();
    playback().pauseVideo();
    // A conversion of the player's, half-made in the recording's conversion folder.
    const QDir playerFolder = QFileInfo(playback().bigVideoFilePath()).dir();
    const QString halfMade = playerFolder.filePath(u".partial-in-progress_f.mov"_s);
    {
        QFile file(halfMade);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("being written by the player's conversion");
    }
    const QDir working(Utils::GetWorkingDirectoryPath());
    QSignalSpy finished(&incidents(), &IncidentController::reportFinished);
    ASSERT_TRUE(incidents().start(5.0, 2.0, 2.0, output.filePath(u"apart"_s)));
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_TRUE(finished.at(0).at(0).toBool()) << finished.at(0).at(1).toString().toStdString();
    EXPECT_TRUE(QFileInfo::exists(halfMade)) << "the report never touches the player's folder";
    EXPECT_TRUE(working.entryList({u"incident-*"_s}, QDir::AllEntries | QDir::Hidden).isEmpty())
        << "the report's own folder goes with it";
    QFile::remove(halfMade);
}
} // namespace

namespace {
TEST_F(IncidentControllerTest, WithoutAPdfViewerTheFolderOpensAndWithoutEitherAnAlertSaysWhereTheReportIs)
{
    playFrontAndRear();
    playback().pauseVideo();
    for (const bool folderOpens : {true, false}) {
        SCOPED_TRACE(folderOpens ? "the folder opens" : "nothing opens");
        opened.clear();
        incidents().setOpener([&](const QUrl &url) {
            opened.append(url);
            return folderOpens && !url.path().endsWith(u".pdf"_s);
        });
        const QString folder = output.filePath(folderOpens ? u"folder"_s : u"nothing"_s);
        QSignalSpy finished(&incidents(), &IncidentController::reportFinished);
        ASSERT_TRUE(incidents().start(5.0, 2.0, 2.0, folder));
        ASSERT_TRUE(finished.wait(60000));
        ASSERT_TRUE(finished.at(0).at(0).toBool()) << finished.at(0).at(1).toString().toStdString();
        EXPECT_TRUE(opened.contains(QUrl::fromLocalFile(folder)));
        auto *alert = controller->mainWindow()->findChild<QMessageBox *>(u"incidentWhereAlert"_s);
        EXPECT_EQ(alert != nullptr, !folderOpens);
        if (alert != nullptr) {
            EXPECT_TRUE(alert->text().contains(QDir::toNativeSeparators(QDir(folder).filePath(u"report.pdf"_s))))
                << alert->text().toStdString();
            delete alert;
        }
    }
}
} // namespace
