#pragma once

#include "incident/report/IncidentReport.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <atomic>
#include <functional>
#include <memory>

class MainWindowController;
class PlaybackController;
class QAction;
class QProgressDialog;
class QTemporaryDir;
class QThread;
class VexoAVView;

// The incident report menu item: on the recording now playing it pauses, asks for the moment (the
// current play time), the seconds before and after (15 each) and the report's folder, then makes
// the report on a worker thread while the window stays live, with a cancel button. When it is done
// the report opens in the desktop's PDF viewer and its folder is shown (when neither opens, an
// alert says where the report is); a failure is said in an alert with the reason.
class IncidentController : public QObject
{
    Q_OBJECT

public:
    // Opens a file or folder with the desktop's program for it (QDesktopServices by default).
    using Opener = std::function<bool(const QUrl &)>;

    IncidentController(MainWindowController *window, VexoAVView *bigMovieView, PlaybackController *playback,
                       QObject *parent = nullptr);
    // Cancels a report still being made and waits the moment that takes.
    ~IncidentController() override;

    QAction *action() const { return m_action; }
    void retranslate();
    void setOpener(Opener opener) { m_opener = std::move(opener); }

    // The menu item: pause, the dialog, then start().
    void incidentReportTriggered();
    // Starts a report of the playing recording around AT into FOLDER; false when nothing plays or
    // a report is being made.
    bool start(double at, double before, double after, const QString &folder);
    bool isRunning() const { return m_thread != nullptr; }
    // Raises the running report's cancel flag.
    void cancel();
    // Cancels the running report and waits until it has stopped (ffmpeg is killed within a few
    // tens of milliseconds), so nothing reads the working folder any more.
    void cancelAndWait();
    // The folder the dialog proposes for a report at SECONDS: in the user's documents folder.
    QString proposedFolder(double seconds) const;

Q_SIGNALS:
    // A report ended: its folder when made, else the reason it was not.
    void reportFinished(bool ok, const QString &folderOrReason);

private:
    void finish(const IncidentReport::Result &result);
    void showReport(const QString &dir);
    void updateEnabled();

    MainWindowController *m_window;
    QPointer<VexoAVView> m_bigMovieView;
    PlaybackController *m_playback;
    QAction *m_action = nullptr;
    QThread *m_thread = nullptr;
    QPointer<QProgressDialog> m_progress;
    std::shared_ptr<std::atomic_bool> m_cancel;
    // The running report's own conversion folder inside the working folder, removed when it ends:
    // its conversions never meet the player's, which run one at a time in "temp_video".
    std::unique_ptr<QTemporaryDir> m_conversionFolder;
    Opener m_opener;
};
