#pragma once

#include "app/KeyCommandTable.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class CardFollower;
class SaveCopyController;
class ControlHelp;
class Dashboard;
class EmptyStartHint;
class ImageButton;
class IncidentController;
class MainWindow;
class MapController;
class MapWebView;
class PlaybackController;
class QAction;
class QMenu;
class QTimer;

class RecordingLibrary;
class SnapshotController;
class SettingsFlow;
class SettingsFlowHost;
class SplashWindowController;
class TripsController;
class VexoAVView;
class VexoClipData;
class VolumeMonitor;
class VideoConversionQueue;
class VideoConverter;
class ViewingModesController;
class VolumeSource;
namespace Ui {
class MainWindow;
}

// The one controller of the main window: it builds the window from its description and wires the
// recording list, the menus and the keyboard to the collaborators that do the work
// (RecordingLibrary, CardFollower, Preferences, the settings manager).
class MainWindowController : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        // Treat this folder as the camera card instead of looking among the mounted volumes.
        QString cardPath;
        // List this folder as if the user had chosen it.
        QString folderPath;
        // Then play this recording of it (a recording opened from the file manager).
        QString recordingPath;
        // Where mounted volumes are listed; the system's mounts when not given.
        std::shared_ptr<const VolumeSource> volumes;
        // How long the splash shows before the main window.
        int splashMs = 2000;
        // Open the card's settings as soon as the main window shows (velmora --settings).
        bool openSettings = false;
    };

    explicit MainWindowController(Options options, QObject *parent = nullptr);
    ~MainWindowController() override;

    MainWindow *mainWindow() const { return m_mainWindow.get(); }
    const Ui::MainWindow &ui() const { return *m_ui; }
    RecordingLibrary *library() const { return m_library; }
    VexoAVView *bigMovieView() const { return m_bigMovieView; }
    VexoAVView *smallMovieView() const;
    QWidget *splashWindow() const;
    QWidget *fullscreenMovieControlWindow() const { return m_fullscreenMovieControlWindow; }
    QMenu *languageMenu() const { return m_languageMenu; }
    QMenu *unitMenu() const { return m_unitMenu; }
    QAction *languageEnglishMenuItem() const { return m_languageEnglishMenuItem; }
    QAction *languageFrenchMenuItem() const { return m_languageFrenchMenuItem; }
    QAction *languageJapaneseMenuItem() const { return m_languageJapaneseMenuItem; }
    QAction *unitKmphMenuItem() const { return m_unitKmphMenuItem; }
    QAction *unitMphMenuItem() const { return m_unitMphMenuItem; }
    bool isMainWindowShown() const { return m_isMainWindowShown; }

    // Start-up: the splash now, the main window after the splash time.
    void start();
    void showMainWindow();

    void applyLanguageSettings();
    // What the Settings button opens for the card in use: the camera's own settings page for the
    // models that carry one.
    void runSettingsRoute();
    void refreshSpeedUnitHandler();
    void enableVideoControls(bool enabled);
    void updateMovieViewCoverScrren();
    void updatePlayTime(double currentSeconds, double durationSeconds);
    void resetVideoInformation();
    // The instruments beside the picture (created with the main window); see Dashboard.
    Dashboard *dashboard() const { return m_dashboard; }
    void updateSensorInfo(float gx, float gy, float gz, float lat, float lng, quint32 speed);
    void startPlayAnimation();
    void stopPlayAnimation();
    void windowDidResize();

    void languageChangeToEnglish();
    void languageChangeToFrench();
    void languageChangeToJapanese();
    void languageChangeToPortuguese();
    void languageChange(const QString &code);
    void onMenuSpeedKmph();
    void onMenuSpeedMph();
    void setSpeedUnit(int unit);
    static void markRadio(QAction *item);
    void markCurrentLanguage();
    void markCurrentSpeedUnit();

    // Recording list. Which folder it shows as cards come and go is the card follower's.
    CardFollower *cardFollower() const { return m_cardFollower; }
    void selectFolderButtonTouched();
    void initializeFileSortingButtons();
    void setVideoFileFilterWithButton(ImageButton *button);
    void videoFileFilterTouched(ImageButton *button);
    void videoFileListDoubleClicked();
    void playVideoWithIdx(int row);
    // Selects and plays the listed recording at PATH; false when the list does not hold it.
    bool playRecordingAtPath(const QString &path);
    void removeFileButtonTouched();
    int selectedRow() const;
    // The recording the large player shows for ROW (its partner while the players are swapped).
    QUrl takeBigVideoURL(int row) const;
    bool isVideoSwitched() const;
    PlaybackController *playback() const { return m_playback; }
    // Mirror, zoom, pan and full screen; the snapshot and print buttons.
    ViewingModesController *viewingModes() const { return m_viewingModes; }
    SnapshotController *snapshots() const { return m_snapshots; }
    // The incident report of the playing recording (a menu item).
    IncidentController *incidents() const { return m_incidents; }
    // The Trips view (a menu item).
    TripsController *trips() const { return m_trips; }
    // Tooltips and screen-reader names, the keys that press buttons, the shortcuts and About windows.
    ControlHelp *controlHelp() const { return m_controlHelp; }
    // What an empty start says to do.
    EmptyStartHint *emptyStartHint() const { return m_emptyStartHint; }

    // Conversion and saving copies (the work is done by export's VideoConverter and RecordingCopy).
    // The files to play for a recording, front first: see VideoConverter::checkAndConvertVideo.
    std::optional<QList<QUrl>> checkAndConvertVideo(const QUrl &url);
    // The same on a worker thread, so the window keeps responding: DONE receives the same files,
    // later, from the event loop, unless a newer request came first (it cancels this one); do not mix
    // the two forms for one recording. PROGRESS hears the share done before that, the same way.
    // MESSAGEKEY says why nothing plays when FILES is absent or empty (ConversionFailure).
    void
    checkAndConvertVideo(const QUrl &url,
                         std::function<void(const std::optional<QList<QUrl>> &files, const QString &messageKey)> done,
                         std::function<void(double share)> progress = {});
    // Stops every conversion of the second form (a running ffmpeg is killed); none of them answers.
    // An incident report being made is cancelled too, and waited for: used when quitting.
    void cancelConversions();
    // Drops the conversion of the second form under way, without waiting (no answer follows).
    void dropConversion();
    // Asks where to save a copy of the selected row's recording and saves it there.
    void saveFileButtonTouched();
    // Starts saving a copy of SOURCE as DESTINATION on a worker, its progress in a window of its own
    // ("saveCopyProgress"). False when either file cannot be opened; that, and a copy failing
    // later, is said in an alert over the main window. A cancelled copy leaves nothing.
    bool saveCopyOfRecording(const QUrl &source, const QString &destination);
    // Whether a copy is being saved.
    bool isSavingCopy() const;

    // The map: a web view on the place of mapCoverView, built when the main window is first shown
    // and hidden under the cover picture until a position is there to show.
    MapWebView *mapWebView() const { return m_mapWebView; }
    MapController *mapController() const { return m_mapController; }
    double lastUpdatedLat() const { return m_lastUpdatedLat; }
    double lastUpdatedLng() const { return m_lastUpdatedLng; }
    // Shows the map centred on the current sample's position, or covers it when the sample or the
    // track has no fix. A position the map is already at sends nothing.
    void updateMapWithLat(float lat, float lng);
    // A recording's TRACK has just been loaded: the last position is forgotten and the previous
    // route removed; the track's route is drawn, or the map covered when the track has no fix.
    void prepareMapForTrack(const VexoClipData &track);
    // Forgets the last position sent to the map, so the next update moves it whatever the position.
    void resetMapPosition();
    // Covers the map with its cover picture, or shows the map in its place.
    void setMapCovered(bool covered);
    bool isMapCovered() const;

    // The Settings button: the settings flow (choosers, screens) does the work.
    void settingButtonTouched();
    SettingsFlow *settingsFlow() const { return m_settingsFlow; }

    // Keyboard commands of the main window.
    void performKeyCommand(KeyCommandTable::Command command);
    void appExitButtonTouched();
    void appMinimizeButtonTouched();

Q_SIGNALS:
    // A list row is to be played from its start; the playback controller takes it from here.
    void playVideoRequested(int row, const QUrl &url);
    // A keyboard command for the player (transport, volume, full screen).
    void playerCommandRequested(KeyCommandTable::Command command);

private:
    void awakeFromNib();
    void setUpPlayback();
    void buildMenus();
    void setUpMap();
    void reloadTable();
    // What the card follower announces, shown: the listed folder's name, the row to select (-1 for
    // none), the model's name and whether the settings button works.
    void showList(const QString &folderText, int row);
    void showModel(const QString &name, bool known);
    QList<ImageButton *> filterButtons() const;
    QList<QWidget *> videoControls() const;

    Options m_options;
    std::unique_ptr<Ui::MainWindow> m_ui;
    std::unique_ptr<MainWindow> m_mainWindow;
    SplashWindowController *m_splash = nullptr;
    RecordingLibrary *m_library = nullptr;
    CardFollower *m_cardFollower = nullptr;
    SaveCopyController *m_saveCopy = nullptr;
    VexoAVView *m_bigMovieView = nullptr; // owned by bigMovieViewScrollView
    PlaybackController *m_playback = nullptr;
    ViewingModesController *m_viewingModes = nullptr;
    SnapshotController *m_snapshots = nullptr;
    IncidentController *m_incidents = nullptr;
    TripsController *m_trips = nullptr;
    ControlHelp *m_controlHelp = nullptr;
    EmptyStartHint *m_emptyStartHint = nullptr;
    Dashboard *m_dashboard = nullptr;
    VolumeMonitor *m_volumeMonitor = nullptr;
    QTimer *m_splashTimer = nullptr;
    QPointer<QWidget> m_fullscreenMovieControlWindow;
    QMenu *m_languageMenu = nullptr;
    QMenu *m_unitMenu = nullptr;
    QAction *m_languageMenuItem = nullptr;
    QAction *m_unitMenuItem = nullptr;
    QAction *m_languageEnglishMenuItem = nullptr;
    QAction *m_languageFrenchMenuItem = nullptr;
    QAction *m_languageJapaneseMenuItem = nullptr;
    QAction *m_languagePortugueseMenuItem = nullptr; // never built: the menu offers three languages
    QAction *m_unitKmphMenuItem = nullptr;
    QAction *m_unitMphMenuItem = nullptr;
    // The list controls in use: the alternative strip replaces the standard one at start-up.
    QWidget *m_removeFileButton = nullptr;
    QWidget *m_selectedDirTextField = nullptr;
    bool m_movieFitsScrollView = true;
    bool m_isMainWindowShown = false;
    std::unique_ptr<VideoConverter> m_videoConverter;
    VideoConversionQueue *m_conversionQueue = nullptr;
    MapWebView *m_mapWebView = nullptr; // owned by the main view
    std::unique_ptr<SettingsFlowHost> m_settingsHost;
    SettingsFlow *m_settingsFlow = nullptr;
    MapController *m_mapController = nullptr;
    double m_lastUpdatedLat = 0.0;
    double m_lastUpdatedLng = 0.0;
    quint32 m_mapGpsDataCount = 0; // the fixes of the track whose route the map shows
};
