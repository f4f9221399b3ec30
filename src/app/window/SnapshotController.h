#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class MainWindowController;
class PlaybackController;
class QAction;
class QPrinter;
class VexoAVView;

// The snapshot and print buttons: both pause playback and act on the frame the large player
// shows, at the video's own size and unmirrored. A snapshot is saved as a PNG file where the user
// chooses; printing puts the frame on one landscape page, shown in a preview after the print dialog
// and printed only when the user confirms it there. Nothing happens without a movie, and a
// failure is said in an alert over the main window; playback stays paused either way.
class SnapshotController : public QObject
{
    Q_OBJECT

public:
    SnapshotController(MainWindowController *window, VexoAVView *bigMovieView, PlaybackController *playback,
                       QObject *parent = nullptr);
    ~SnapshotController() override;

    // The name the save dialog proposes: the selected row's recording as the large player shows
    // it, else the current recording, with the play time in milliseconds.
    QString proposedSnapshotName() const;

    // The remembered option to save and print both cameras side by side.
    QAction *bothCamerasAction() const { return m_bothCamerasAction; }
    // The remembered option to stamp the frame's date, time and speed in its corner.
    QAction *stampAction() const { return m_stampAction; }
    // The stamp of the frame shown: "2026-12-07 08:15:05 UTC  52 km/h" (the speed when there is a fix).
    QString stampText() const;
    void retranslate();

    void snapshotButtonTouched();
    void printButtonTouched();

    // Writes IMAGE as a PNG file at PATH; on failure says so in an alert and returns false.
    bool saveSnapshot(const QImage &image, const QString &path);
    // Prints the current frame on PRINTER, set up as it is (the print button sets landscape before
    // its dialog, and keeps what the user chose there), as the print button does after its dialog;
    // false (with an alert) when it cannot, false without one when there is no movie.
    bool printSnapshot(QPrinter &printer);
    // The printer settings kept between print jobs (landscape once the first job is set up).
    QPrinter &printer();

private:
    // Shows the page of the current frame on the printer as set up; whether the user chose to print.
    bool previewAccepted();
    // The frame of the large player, with the other camera's beside it when that option is on.
    QImage currentPicture() const;
    void showFailure(const QString &objectName, const QString &key, const QString &reason);

    MainWindowController *m_window;
    QPointer<VexoAVView> m_bigMovieView;
    PlaybackController *m_playback;
    std::unique_ptr<QPrinter> m_printer;
    QString m_lastFolder;
    QAction *m_bothCamerasAction = nullptr;
    QAction *m_stampAction = nullptr;
};
