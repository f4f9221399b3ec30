// Snapshot files: the proposed name, the PNG written whole, the printed page.
#include "export/SnapshotName.h"
#include "export/snapshot/SnapshotComposer.h"
#include "export/snapshot/SnapshotPrinter.h"
#include "export/snapshot/SnapshotWriter.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {
// A frame with a different colour in each corner, so a flipped or cropped copy shows.
QImage testFrame(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkGray);
    QPainter painter(&image);
    painter.fillRect(0, 0, width / 4, height / 4, Qt::red);
    painter.fillRect(width - width / 4, 0, width / 4, height / 4, Qt::green);
    painter.fillRect(0, height - height / 4, width / 4, height / 4, Qt::blue);
    painter.fillRect(width - width / 4, height - height / 4, width / 4, height / 4, Qt::yellow);
    return image;
}

using TestFiles::readAll;
} // namespace

TEST(SnapshotNameTest, TheRecordingsNameAndThePlayTimeInWholeMilliseconds)
{
    EXPECT_EQ(SnapshotName::proposedFileName(u"/card/REC_A.avi"_s, 83.4567), u"REC_A_83456.png"_s);
    EXPECT_EQ(SnapshotName::proposedFileName(QUrl::fromLocalFile(u"/card/REC_A.avi"_s), 83.4567), u"REC_A_83456.png"_s);
    // Only the last extension goes; the time is truncated, never rounded.
    EXPECT_EQ(SnapshotName::proposedFileName(u"/card/2024.01.01 12.00_F.mp4"_s, 0.9999),
              u"2024.01.01 12.00_F_999.png"_s);
    EXPECT_EQ(SnapshotName::proposedFileName(u"/card/NOEXT"_s, 1.0), u"NOEXT_1000.png"_s);
    EXPECT_EQ(SnapshotName::milliseconds(0.0), 0);
    EXPECT_EQ(SnapshotName::milliseconds(std::nan("")), 0);
    EXPECT_EQ(SnapshotName::milliseconds(std::numeric_limits<double>::infinity()), std::numeric_limits<qint64>::max());
    EXPECT_EQ(SnapshotName::milliseconds(-0.0015), -1);
}

TEST(SnapshotWriterTest, ThePngHoldsTheFrameAtItsOwnSizeAndReplacesAnOlderFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"REC_A_83456.png"_s);
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older picture");
    old.close();

    const QImage frame = testFrame(1280, 720);
    QString error;
    ASSERT_TRUE(SnapshotWriter::write(frame, path, &error)) << error.toStdString();
    EXPECT_TRUE(readAll(path).startsWith("\x89PNG"));
    const QImage back(path);
    ASSERT_EQ(back.size(), frame.size());
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), frame);
}

TEST(SnapshotWriterTest, AFailedWriteSaysWhyAndLeavesNothingBehind)
{
    QTemporaryDir folder;
    QString error;
    // No picture: nothing is written, and the caller hears of it.
    EXPECT_FALSE(SnapshotWriter::write(QImage(), folder.filePath(u"empty.png"_s), &error));
    EXPECT_TRUE(error.contains(u"empty.png"_s)) << error.toStdString();
    EXPECT_FALSE(QFile::exists(folder.filePath(u"empty.png"_s)));

    // A folder that does not exist.
    error.clear();
    const QString missing = folder.filePath(u"missing/shot.png"_s);
    EXPECT_FALSE(SnapshotWriter::write(testFrame(64, 36), missing, &error));
    EXPECT_TRUE(error.contains(missing)) << "the message names the file: " << error.toStdString();
    EXPECT_FALSE(QFile::exists(missing));

    // A folder where the file should go is left as it is.
    const QString folderInTheWay = folder.filePath(u"shot.png"_s);
    ASSERT_TRUE(QDir().mkpath(folderInTheWay + u"/inside"_s));
    error.clear();
    EXPECT_FALSE(SnapshotWriter::write(testFrame(64, 36), folderInTheWay, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(folderInTheWay + u"/inside"_s).isDir());
}

TEST(SnapshotPrinterTest, TheFrameFitsThePageBothWaysKeepingItsShape)
{
    const QRectF page(0, 0, 1000, 700);
    // A wide frame fills the width and is centred top to bottom.
    EXPECT_EQ(SnapshotPrinter::placement(QSizeF(1920, 1080), page), QRectF(0, 68.75, 1000, 562.5));
    // A tall one fills the height and is centred across.
    EXPECT_EQ(SnapshotPrinter::placement(QSizeF(700, 1400), page), QRectF(325, 0, 350, 700));
    // A small one is enlarged to fit, not printed as a stamp.
    EXPECT_EQ(SnapshotPrinter::placement(QSizeF(100, 70), page), page);
    EXPECT_TRUE(SnapshotPrinter::placement(QSizeF(0, 0), page).isEmpty());
}

TEST(SnapshotPrinterTest, PrintingToAPdfGivesOneLandscapePageHoldingTheWholeFrame)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"frame.pdf"_s);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    SnapshotPrinter::prepare(printer);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_FALSE(SnapshotPrinter::print(QImage(), printer)) << "no picture, no page";
    ASSERT_TRUE(SnapshotPrinter::print(testFrame(1280, 720), printer));

    const QByteArray pdf = readAll(path);
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    const qsizetype pages = pdf.count("/Type /Page\n") + pdf.count("/Type /Page ") + pdf.count("/Type /Page/");
    EXPECT_EQ(pages, 1) << pdf.left(2000).toStdString();
    // The page is wider than high.
    const QRegularExpressionMatch box =
        QRegularExpression(u"/MediaBox \\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)\\s*\\]"_s)
            .match(QString::fromLatin1(pdf));
    ASSERT_TRUE(box.hasMatch());
    EXPECT_GT(box.captured(1).toDouble(), box.captured(2).toDouble());
    // The frame goes in whole, at its own pixel size.
    EXPECT_TRUE(pdf.contains("/Width 1280") && pdf.contains("/Height 720"));
}

TEST(SnapshotComposerTest, TheOtherCameraGoesOnTheRightAtTheSameHeight)
{
    const QImage front = testFrame(320, 180);
    for (const auto &[rear, width] : {std::pair{testFrame(640, 240), 800}, std::pair{QImage(), 320}}) {
        const QImage both = SnapshotComposer::sideBySide(front, rear);
        ASSERT_EQ(both.size(), QSize(width, 180));
        EXPECT_EQ(both.pixelColor(5, 5), QColor(Qt::red)) << "the front unscaled on the left";
        EXPECT_EQ(both.pixelColor(width - 5, 175), QColor(Qt::yellow)) << "the other's corner, scaled down";
    }
}
