#include "SnapshotController.h"

#include "MainWindow.h"
#include "MainWindowController.h"
#include "PlaybackController.h"
#include "core/Preferences.h"
#include "core/VexoLanguages.h"
#include "recording/SampleClock.h"

#include "export/SnapshotName.h"
#include "export/snapshot/SnapshotComposer.h"
#include "export/snapshot/SnapshotPrinter.h"
#include "export/snapshot/SnapshotWriter.h"
#include "playback/VexoAVView.h"
#include "settings/zone/CardClockZone.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
QString localized(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}

// Remembered between sessions: snapshots and prints hold both cameras side by side.
constexpr QLatin1StringView BothCamerasKey{"SnapshotBothCameras"};
// Remembered too: the frame's date, time and speed stamped in its corner.
constexpr QLatin1StringView StampKey{"SnapshotStamp"};

QAction *rememberedOption(const QLatin1StringView &key, const QString &objectName, QObject *parent)
{
    auto *action = new QAction(parent);
    action->setObjectName(objectName);
    action->setCheckable(true);
    action->setChecked(QSettings().value(key, false).toBool());
    QObject::connect(action, &QAction::toggled, parent, [key](bool checked) { QSettings().setValue(key, checked); });
    return action;
}
} // namespace

SnapshotController::SnapshotController(MainWindowController *window, VexoAVView *bigMovieView,
                                       PlaybackController *playback, QObject *parent)
    : QObject(parent), m_window(window), m_bigMovieView(bigMovieView), m_playback(playback)
{
    m_bothCamerasAction = rememberedOption(BothCamerasKey, u"snapshotBothCamerasAction"_s, this);
    m_stampAction = rememberedOption(StampKey, u"snapshotStampAction"_s, this);
    retranslate();
}

void SnapshotController::retranslate()
{
    m_bothCamerasAction->setText(localized(u"스냅샷에 앞뒤 카메라를 나란히"_s));
    m_stampAction->setText(localized(u"스냅샷에 날짜, 시각, 속도 표시"_s));
}

QString SnapshotController::stampText() const
{
    // The camera clock's time of the frame, as every export dates samples, and the speed then.
    const QString recording = m_playback->currentVideoUrl().toLocalFile();
    const VexoClipData &track = m_playback->clipData();
    const double seconds = m_bigMovieView->currentTime();
    const TrackTimes times = SampleClock::times(recording, CardClockZone::forRecording(recording, {}), track);
    QString when = times.text(times.msecsAtPlayTime(seconds)).left(19).replace(u'T', u' ');
    if (!when.isEmpty() && times.isUtc()) {
        when += u" UTC"_s;
    }
    const int sample = int(seconds * 10.0);
    if (sample >= 0 && quint32(sample) < track.clipDataCount() && track.getGpsSpeed(sample) != VexoClipData::kNoSpeed) {
        const quint32 speed = track.getGpsSpeed(sample);
        const bool miles = Preferences::speedUnit() == Preferences::MilesPerHour;
        when += u"  "_s + (miles ? u"%1 mph"_s.arg(qRound(speed * 0.621371)) : u"%1 km/h"_s.arg(speed));
    }
    return when.trimmed();
}

QImage SnapshotController::currentPicture() const
{
    const QImage frame = m_bigMovieView != nullptr ? m_bigMovieView->snapshot() : QImage();
    const VexoAVView *other = m_window->smallMovieView();
    const QImage picture = m_bothCamerasAction->isChecked() && other != nullptr && other->hasMovie()
                               ? SnapshotComposer::sideBySide(frame, other->snapshot())
                               : frame;
    return m_stampAction->isChecked() ? SnapshotComposer::stamped(picture, stampText()) : picture;
}

SnapshotController::~SnapshotController() = default;

QPrinter &SnapshotController::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *m_printer;
}

QString SnapshotController::proposedSnapshotName() const
{
    QUrl recording = m_playback->currentVideoUrl();
    const int row = m_window->selectedRow();
    if (row >= 0) {
        if (const QUrl selected = m_window->takeBigVideoURL(row); !selected.isEmpty()) {
            recording = selected;
        }
    }
    const double seconds = m_bigMovieView != nullptr ? m_bigMovieView->currentTime() : 0.0;
    return SnapshotName::proposedFileName(recording, seconds);
}

void SnapshotController::snapshotButtonTouched()
{
    // Without a movie there is no frame: an empty picture is not a snapshot.
    if (m_bigMovieView == nullptr || !m_bigMovieView->hasMovie()) {
        return;
    }
    m_playback->pauseVideo();
    QFileDialog dialog(m_window->mainWindow(), localized(u"저장"_s));
    dialog.setObjectName(u"snapshotSaveDialog"_s);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setLabelText(QFileDialog::Accept, localized(u"저장"_s));
    dialog.setLabelText(QFileDialog::Reject, localized(u"취소"_s));
    QString folder = m_lastFolder;
    if (folder.isEmpty() || !QDir(folder).exists()) {
        const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        folder = QDir(pictures).exists() ? pictures : QDir::homePath();
    }
    dialog.setDirectory(folder);
    dialog.selectFile(proposedSnapshotName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString path = dialog.selectedFiles().constFirst();
    m_lastFolder = QFileInfo(path).absolutePath();
    saveSnapshot(currentPicture(), path);
}

bool SnapshotController::saveSnapshot(const QImage &image, const QString &path)
{
    QString error;
    if (SnapshotWriter::write(image, path, &error)) {
        return true;
    }
    // A snapshot the user believes saved but that is not there is lost work: say so.
    showFailure(u"snapshotFailedAlert"_s, u"파일을 저장하지 못했습니다."_s, error);
    return false;
}

void SnapshotController::printButtonTouched()
{
    if (m_bigMovieView == nullptr || !m_bigMovieView->hasMovie()) {
        return;
    }
    m_playback->pauseVideo();
    SnapshotPrinter::prepare(printer());
    QPrintDialog dialog(&printer(), m_window->mainWindow());
    dialog.setObjectName(u"snapshotPrintDialog"_s);
    if (dialog.exec() != QDialog::Accepted || !previewAccepted()) {
        return;
    }
    printSnapshot(printer());
}

bool SnapshotController::previewAccepted()
{
    // The page as it will come out of the printer chosen, before paper is used.
    const QImage frame = currentPicture();
    QDialog preview(m_window->mainWindow());
    preview.setObjectName(u"snapshotPrintPreview"_s);
    preview.setWindowTitle(localized(u"인쇄"_s));
    auto *pages = new QPrintPreviewWidget(&printer(), &preview);
    connect(pages, &QPrintPreviewWidget::paintRequested, &preview,
            [&frame](QPrinter *target) { SnapshotPrinter::print(frame, *target); });
    pages->fitInView();
    auto *buttons = new QDialogButtonBox(&preview);
    buttons->addButton(localized(u"인쇄"_s), QDialogButtonBox::AcceptRole);
    buttons->addButton(localized(u"취소"_s), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, &preview, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &preview, &QDialog::reject);
    auto *layout = new QVBoxLayout(&preview);
    layout->addWidget(pages);
    layout->addWidget(buttons);
    preview.resize(720, 560);
    return preview.exec() == QDialog::Accepted;
}

bool SnapshotController::printSnapshot(QPrinter &target)
{
    if (m_bigMovieView == nullptr || !m_bigMovieView->hasMovie()) {
        return false;
    }
    m_playback->pauseVideo();
    // Landscape was set before the dialog; what the user chose in it stands.
    const QImage frame = currentPicture();
    if (SnapshotPrinter::print(frame, target)) {
        return true;
    }
    const QString where = target.outputFileName().isEmpty() ? target.printerName() : target.outputFileName();
    showFailure(u"printFailedAlert"_s, u"인쇄하지 못했습니다."_s,
                frame.isNull() ? u"There is no picture to print."_s
                               : u"The printer %1 did not take the page."_s.arg(QDir::toNativeSeparators(where)));
    return false;
}

void SnapshotController::showFailure(const QString &objectName, const QString &key, const QString &reason)
{
    // The reason goes into the main text, shown as plain text: a file name is no markup.
    auto *alert = new QMessageBox(QMessageBox::Warning, localized(key), localized(key) + u"\n\n"_s + reason,
                                  QMessageBox::NoButton, m_window->mainWindow());
    alert->setObjectName(objectName);
    alert->setTextFormat(Qt::PlainText);
    alert->addButton(localized(u"확인"_s), QMessageBox::AcceptRole);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    alert->open();
}
