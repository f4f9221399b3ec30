#include "TripsController.h"

#include "MainWindow.h"
#include "MainWindowController.h"
#include "PlaybackController.h"
#include "core/NotificationCenter.h"
#include "core/VexoLanguages.h"
#include "trips/view/TripsViewController.h"

#include "app/CardFollower.h"
#include "playback/VexoAVView.h"

#include <QAction>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {
QString localized(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}
} // namespace

TripsController::TripsController(MainWindowController *window, PlaybackController *playback, QObject *parent)
    : QObject(parent), m_window(window), m_playback(playback)
{
    m_view = new TripsViewController(window->mainWindow(), this);
    m_action = new QAction(this);
    m_action->setObjectName(u"tripsAction"_s);
    connect(m_action, &QAction::triggered, this, &TripsController::open);
    connect(m_view, &TripsViewController::playRequested, this, &TripsController::play);
    connect(window->cardFollower(), &CardFollower::followedFolderChanged, m_view, &TripsViewController::followFolder);
    connect(m_playback, &PlaybackController::playbackStarted, this, &TripsController::playbackStarted);
    connect(m_playback, &PlaybackController::ticked, this, &TripsController::ticked);
    connect(m_playback, &PlaybackController::playbackStopped, m_view, &TripsViewController::hidePlaying);
    connect(&NotificationCenter::defaultCenter(), &NotificationCenter::refreshLanguage, this,
            &TripsController::retranslate);
    retranslate();
}

TripsController::~TripsController() = default;

void TripsController::retranslate()
{
    m_action->setText(localized(u"트립 보기…"_s));
}

void TripsController::open()
{
    m_view->open(m_window->cardFollower()->followedFolder());
}

void TripsController::play(const QString &path, double seconds)
{
    // The players start the recording from its beginning; the seek follows once they have.
    m_pendingSeek = seconds;
    m_pendingPath = QFileInfo(path).absoluteFilePath();
    if (!m_window->playRecordingAtPath(path)) {
        m_playback->stopVideo();
        m_playback->prepareVideoToPlay(QUrl::fromLocalFile(path), seconds);
    }
}

void TripsController::playbackStarted()
{
    if (!m_pendingSeek || QFileInfo(m_playback->currentVideoUrl().toLocalFile()).absoluteFilePath() != m_pendingPath) {
        return;
    }
    // Both players to the moment itself: the transport's seeks go to whole seconds, and a jolt
    // 10.4 s in must not be shown from 10 s.
    const double seconds = *std::exchange(m_pendingSeek, std::nullopt);
    for (VexoAVView *player : {m_window->bigMovieView(), m_window->smallMovieView()}) {
        if (player != nullptr) {
            player->seekExactly(seconds);
        }
    }
}

void TripsController::ticked()
{
    if (VexoAVView *player = m_window->bigMovieView()) {
        m_view->showPlaying(m_playback->currentVideoUrl().toLocalFile(), player->currentTime());
    }
}
