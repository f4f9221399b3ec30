#include "IncidentController.h"

#include "IncidentDialog.h"
#include "MainWindow.h"
#include "MainWindowController.h"
#include "PlaybackController.h"
#include "core/Preferences.h"
#include "core/VexoLanguages.h"
#include "incident/IncidentFolderName.h"

#include "export/Utils.h"
#include "playback/VexoAVView.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {
QString localized(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}
} // namespace

IncidentController::IncidentController(MainWindowController *window, VexoAVView *bigMovieView,
                                       PlaybackController *playback, QObject *parent)
    : QObject(parent), m_window(window), m_bigMovieView(bigMovieView), m_playback(playback),
      m_opener([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
    m_action = new QAction(localized(u"사고 보고서 만들기…"_s), this);
    m_action->setObjectName(u"incidentReportAction"_s);
    m_action->setEnabled(false);
    connect(m_action, &QAction::triggered, this, &IncidentController::incidentReportTriggered);
    connect(m_playback, &PlaybackController::recordingPrepared, this, &IncidentController::updateEnabled);
    // The working folder goes when the program quits: no report may still be reading from it.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &IncidentController::cancelAndWait);
}

IncidentController::~IncidentController()
{
    if (m_thread != nullptr) {
        cancel();
        m_thread->wait();
        delete m_thread;
    }
}

void IncidentController::retranslate()
{
    m_action->setText(localized(u"사고 보고서 만들기…"_s));
}

void IncidentController::updateEnabled()
{
    m_action->setEnabled(!isRunning() && !m_playback->currentVideoUrl().isEmpty());
}

QString IncidentController::proposedFolder(double seconds) const
{
    QString parent = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (parent.isEmpty() || !QDir(parent).exists()) {
        parent = QDir::homePath();
    }
    return IncidentFolderName::proposed(parent, m_playback->currentVideoUrl().toLocalFile(), seconds);
}

void IncidentController::incidentReportTriggered()
{
    if (m_bigMovieView == nullptr || !m_bigMovieView->hasMovie() || m_playback->currentVideoUrl().isEmpty() ||
        isRunning()) {
        return;
    }
    m_playback->pauseVideo();
    const double moment = m_bigMovieView->currentTime();
    IncidentDialog dialog(moment, m_bigMovieView->duration(), proposedFolder(moment), m_window->mainWindow());
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    start(dialog.moment(), dialog.before(), dialog.after(), dialog.folder());
}

bool IncidentController::start(double at, double before, double after, const QString &folder)
{
    const QUrl recording = m_playback->currentVideoUrl();
    if (isRunning() || recording.isEmpty() || !recording.isLocalFile()) {
        return false;
    }
    IncidentReport::Request request;
    request.recording = recording.toLocalFile();
    request.at = at;
    request.before = before;
    request.after = after;
    request.output = QDir(folder).absolutePath();
    // Converted apart from the player, whose one-at-a-time conversions (and their clean-up of
    // half-made files) in "temp_video" would otherwise meet the report's.
    m_conversionFolder =
        std::make_unique<QTemporaryDir>(QDir(Utils::GetWorkingDirectoryPath()).filePath(u"incident-XXXXXX"_s));
    request.workingFolder = m_conversionFolder->isValid() ? m_conversionFolder->path() : QString();
    request.texts = IncidentTexts::forLanguage(Preferences::language());
    request.producer = u"Velmora "_s + QCoreApplication::applicationVersion();
    m_cancel = std::make_shared<std::atomic_bool>(false);
    request.cancel = m_cancel;

    auto result = std::make_shared<IncidentReport::Result>();
    m_thread = QThread::create([request, result] { *result = IncidentReport::make(request); });
    m_thread->setObjectName(u"incident report"_s);
    connect(m_thread, &QThread::finished, this, [this, result] {
        m_thread->wait();
        delete m_thread;
        m_thread = nullptr;
        finish(*result);
    });
    m_thread->start();
    updateEnabled();

    // Not modal: the window stays in use while the report is made.
    m_progress = new QProgressDialog(localized(u"사고 보고서를 만드는 중입니다…"_s), localized(u"취소"_s), 0, 0,
                                     m_window->mainWindow());
    m_progress->setObjectName(u"incidentProgress"_s);
    m_progress->setWindowTitle(localized(u"사고 보고서"_s));
    m_progress->setWindowModality(Qt::NonModal);
    m_progress->setMinimumDuration(0);
    m_progress->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_progress, &QProgressDialog::canceled, this, &IncidentController::cancel);
    m_progress->show();
    return true;
}

void IncidentController::cancel()
{
    if (m_cancel) {
        m_cancel->store(true);
    }
}

void IncidentController::cancelAndWait()
{
    cancel();
    if (m_thread != nullptr) {
        m_thread->wait();
    }
    // Gone before the working folder is removed on quitting.
    m_conversionFolder.reset();
}

void IncidentController::showReport(const QString &dir)
{
    const QString pdf = QDir(dir).filePath(QString::fromLatin1(IncidentReport::Pdf));
    const bool pageOpened = m_opener(QUrl::fromLocalFile(pdf));
    const bool folderOpened = m_opener(QUrl::fromLocalFile(dir));
    if (pageOpened || folderOpened) {
        return;
    }
    // Nothing on this desktop opens the page or the folder: say where the report is.
    const QString title = localized(u"사고 보고서를 만들었습니다."_s);
    auto *alert =
        new QMessageBox(QMessageBox::Information, title,
                        title + u"\n\n"_s + localized(u"보고서 위치: %1"_s).arg(QDir::toNativeSeparators(pdf)),
                        QMessageBox::NoButton, m_window->mainWindow());
    alert->setObjectName(u"incidentWhereAlert"_s);
    alert->setTextFormat(Qt::PlainText);
    alert->setTextInteractionFlags(Qt::TextSelectableByMouse);
    alert->addButton(localized(u"확인"_s), QMessageBox::AcceptRole);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    alert->open();
}

void IncidentController::finish(const IncidentReport::Result &result)
{
    if (m_progress != nullptr) {
        m_progress->disconnect(this);
        m_progress->close();
    }
    m_conversionFolder.reset();
    updateEnabled();
    const bool cancelled = m_cancel && m_cancel->load();
    if (result.ok) {
        showReport(result.dir);
        Q_EMIT reportFinished(true, result.dir);
        return;
    }
    if (!cancelled) {
        const QString title = localized(u"사고 보고서를 만들지 못했습니다."_s);
        auto *alert = new QMessageBox(QMessageBox::Warning, title, title + u"\n\n"_s + result.error,
                                      QMessageBox::NoButton, m_window->mainWindow());
        alert->setObjectName(u"incidentFailedAlert"_s);
        alert->setTextFormat(Qt::PlainText);
        alert->addButton(localized(u"확인"_s), QMessageBox::AcceptRole);
        alert->setAttribute(Qt::WA_DeleteOnClose);
        alert->setWindowModality(Qt::WindowModal);
        alert->open();
    }
    Q_EMIT reportFinished(false, result.error);
}
