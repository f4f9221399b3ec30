// The snapshot and print buttons on a playing recording of the demo card.
#include "app/window/SnapshotController.h"

#include "DemoWindowTest.h"
#include "core/VexoLanguages.h"

#include "export/SnapshotName.h"
#include "export/snapshot/SnapshotPrinter.h"
#include "support/QtPrinters.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>

#include <functional>

namespace {
QString localized(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}

class SnapshotControllerTest : public DemoWindowTest
{
protected:
    SnapshotController &snapshots() const { return *controller->snapshots(); }

    // Plays the front recording and pauses it at about SECONDS.
    void pausedAt(double seconds)
    {
        playFrontAndRear();
        playback().pauseVideo();
        playback().seekTimeSliderTouchedUp(seconds);
        ASSERT_TRUE(QTest::qWaitFor([&] { return std::abs(big()->currentTime() - seconds) < 0.1; }, 5000));
        // The frame of the seek is on screen once the picture stops changing.
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                const QImage first = big()->snapshot();
                QTest::qWait(200);
                return !first.isNull() && first == big()->snapshot();
            },
            5000));
    }

    // Presses the snapshot button and lets ANSWER handle its save dialog; whether one opened.
    bool snapshotAnswering(const std::function<void(QFileDialog *)> &answer)
    {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                opened = true;
                answer(dialog);
            }
        });
        snapshots().snapshotButtonTouched();
        drain();
        return opened;
    }

    QTemporaryDir output;
};

TEST_F(SnapshotControllerTest, TheSaveDialogProposesTheNameAndThePngHoldsTheUnmirroredFrame)
{
    pausedAt(5.0);
    const int front = rowNamed(u"F.mp4"_s);
    const QString expected = SnapshotName::proposedFileName(controller->takeBigVideoURL(front), big()->currentTime());
    EXPECT_TRUE(expected.startsWith(u"20261207_081500_F_"_s)) << expected.toStdString();
    EXPECT_EQ(snapshots().proposedSnapshotName(), expected);

    // Mirrored on screen, saved as recorded.
    ui().flipButton->click();
    const QImage onScreen = big()->snapshot();
    QString title;
    QString proposed;
    QString accept;
    const QString path = output.filePath(u"shot.png"_s);
    ASSERT_TRUE(snapshotAnswering([&](QFileDialog *dialog) {
        title = dialog->windowTitle();
        accept = dialog->labelText(QFileDialog::Accept);
        proposed = QFileInfo(dialog->selectedFiles().value(0)).fileName();
        EXPECT_FALSE(dialog->testOption(QFileDialog::ReadOnly)) << "folders can be made";
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, &QDialog::accept);
    }));
    EXPECT_EQ(title, localized(u"저장"_s));
    EXPECT_EQ(accept, localized(u"저장"_s));
    EXPECT_EQ(proposed, expected);
    const QImage saved(path);
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), QSize(320, 180)) << "the video's own size, not the view's";
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), onScreen.convertToFormat(QImage::Format_RGB32));
    ui().flipButton->click();
    EXPECT_EQ(big()->snapshot(), onScreen) << "the mirror is only on screen";
    EXPECT_TRUE(playback().isVideoPaused());
    EXPECT_EQ(controller->mainWindow()->findChild<QMessageBox *>(u"snapshotFailedAlert"_s), nullptr);

    // Without a selected row the current recording names it.
    ui().fileListTableView->clearSelection();
    EXPECT_EQ(snapshots().proposedSnapshotName(),
              SnapshotName::proposedFileName(playback().currentVideoUrl(), big()->currentTime()));
}

TEST_F(SnapshotControllerTest, ACancelledDialogWritesNothingAndAFailedWriteIsSaid)
{
    pausedAt(3.0);
    playback().playVideo();
    ASSERT_FALSE(playback().isVideoPaused());
    ASSERT_TRUE(snapshotAnswering([&](QFileDialog *dialog) {
        dialog->setDirectory(output.path());
        QMetaObject::invokeMethod(dialog, &QDialog::reject);
    }));
    EXPECT_TRUE(QDir(output.path()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(playback().isVideoPaused()) << "the snapshot paused playback, and it stays paused";

    const QString nowhere = output.filePath(u"missing folder/shot.png"_s);
    ASSERT_TRUE(snapshotAnswering([&](QFileDialog *dialog) {
        dialog->selectFile(nowhere);
        QMetaObject::invokeMethod(dialog, &QDialog::accept);
    }));
    auto *alert = controller->mainWindow()->findChild<QMessageBox *>(u"snapshotFailedAlert"_s);
    ASSERT_NE(alert, nullptr) << "a lost snapshot is never silent";
    EXPECT_TRUE(alert->text().startsWith(localized(u"파일을 저장하지 못했습니다."_s)));
    EXPECT_TRUE(alert->text().contains(u"shot.png"_s)) << alert->text().toStdString();
    EXPECT_FALSE(QFile::exists(nowhere));
    EXPECT_TRUE(playback().isVideoPaused());
    alert->close();
}

TEST_F(SnapshotControllerTest, PrintingToAPdfGivesOneLandscapePageWithTheFrame)
{
    pausedAt(5.0);
    playback().playVideo();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = output.filePath(u"frame.pdf"_s);
    printer.setOutputFileName(path);
    SnapshotPrinter::prepare(printer);
    ASSERT_TRUE(snapshots().printSnapshot(printer));
    EXPECT_TRUE(playback().isVideoPaused());
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page ") + bytes.count("/Type /Page/"), 1);
    EXPECT_TRUE(bytes.contains("/Width 320") && bytes.contains("/Height 180")) << "the whole frame";
}

TEST_F(SnapshotControllerTest, APortraitPageChosenInThePrintDialogIsPrintedPortrait)
{
    pausedAt(5.0);
    QPrinter &printer = snapshots().printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = output.filePath(u"portrait.pdf"_s);
    printer.setOutputFileName(path);
    bool dialogShown = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = controller->mainWindow()->findChild<QPrintDialog *>(u"snapshotPrintDialog"_s);
        ASSERT_NE(dialog, nullptr);
        dialogShown = true;
        EXPECT_EQ(dialog->printer()->pageLayout().orientation(), QPageLayout::Landscape) << "offered landscape";
        // The user's choice, as the dialog hands it to the printer when it is accepted.
        QObject::connect(dialog, &QDialog::accepted, dialog, [dialog] {
            dialog->printer()->setPageOrientation(QPageLayout::Portrait);
            dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        });
        QMetaObject::invokeMethod(dialog, &QDialog::accept);
    });
    // Then the page is previewed, and printed once the preview is confirmed.
    int previewPages = -1;
    QTimer previewWatch;
    QObject::connect(&previewWatch, &QTimer::timeout, [&] {
        auto *preview = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (preview != nullptr && preview->objectName() == u"snapshotPrintPreview"_s) {
            auto *pages = preview->findChild<QPrintPreviewWidget *>();
            previewPages = pages != nullptr ? pages->pageCount() : 0;
            preview->accept();
        }
    });
    previewWatch.start(50);
    snapshots().printButtonTouched();
    ASSERT_TRUE(dialogShown);
    EXPECT_EQ(previewPages, 1);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
    QFile pdf(printer.outputFileName());
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << printer.outputFileName().toStdString();
    // The page's MediaBox is taller than wide: "/MediaBox [0 0 W H]".
    const QByteArray bytes = pdf.readAll();
    const qsizetype box = bytes.indexOf("/MediaBox [");
    ASSERT_GE(box, 0);
    const QList<QByteArray> numbers = bytes.mid(box + 11, 60).split(']').at(0).simplified().split(' ');
    ASSERT_EQ(numbers.size(), 4);
    EXPECT_LT(numbers.at(2).toDouble(), numbers.at(3).toDouble()) << bytes.mid(box, 60).toStdString();
}
} // namespace

namespace {
TEST_F(SnapshotControllerTest, TheRememberedOptionsPutTheRearBesideTheFrontAndStampTheCorner)
{
    pausedAt(5.0);
    QAction *both = snapshots().bothCamerasAction();
    EXPECT_FALSE(both->isChecked()) << "off until chosen";
    both->setChecked(true);
    EXPECT_TRUE(SnapshotController(controller.get(), big(), &playback()).bothCamerasAction()->isChecked())
        << "remembered";
    const QString path = output.filePath(u"both.png"_s);
    ASSERT_TRUE(snapshotAnswering([&](QFileDialog *dialog) {
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, &QDialog::accept);
    }));
    const QImage saved(path);
    const QImage front = big()->snapshot();
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.height(), front.height());
    EXPECT_GT(saved.width(), front.width()) << "the rear beside the front";
    EXPECT_EQ(saved.copy(0, 0, front.width(), front.height()), front.convertToFormat(saved.format()));

    // The stamp goes in the lower left corner and leaves the rest of the picture alone.
    both->setChecked(false);
    snapshots().stampAction()->setChecked(true);
    const QString stamped = output.filePath(u"stamped.png"_s);
    ASSERT_TRUE(snapshotAnswering([&](QFileDialog *dialog) {
        dialog->selectFile(stamped);
        QMetaObject::invokeMethod(dialog, &QDialog::accept);
    }));
    const QImage withStamp = QImage(stamped).convertToFormat(QImage::Format_RGB32);
    const QImage plain = front.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(withStamp.size(), plain.size());
    EXPECT_TRUE(snapshots().stampText().startsWith(u"2026-12-07 08:1"_s)) << snapshots().stampText().toStdString();
    EXPECT_TRUE(snapshots().stampText().endsWith(u" km/h"_s)) << snapshots().stampText().toStdString();
    const int h = plain.height();
    EXPECT_NE(withStamp.copy(0, h - h / 6, plain.width() / 2, h / 6),
              plain.copy(0, h - h / 6, plain.width() / 2, h / 6));
    EXPECT_EQ(withStamp.copy(0, 0, plain.width(), h / 2), plain.copy(0, 0, plain.width(), h / 2));
}
} // namespace
