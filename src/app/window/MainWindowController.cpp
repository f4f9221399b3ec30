#include "MainWindowController.h"

#include "ControlHelp.h"
#include "EmptyStartHint.h"
#include "IncidentController.h"
#include "MainWindow.h"
#include "PlaybackController.h"
#include "RecordingListDelegate.h"
#include "SaveCopyController.h"
#include "SettingsScreenOpeners.h"
#include "SnapshotController.h"
#include "SplashWindowController.h"
#include "TripsController.h"
#include "ViewingModesController.h"
#include "core/NotificationCenter.h"
#include "core/Preferences.h"
#include "core/VexoLanguages.h"
#include "library/RecordingLibrary.h"
#include "ui_MainWindow.h"

#include "app/CardFollower.h"
#include "app/ConversionProgress.h"
#include "app/MainWindowLayout.h"
#include "app/QtTranslations.h"
#include "export/VideoConversionQueue.h"
#include "export/VideoConverter.h"
#include "map/MapController.h"
#include "map/MapWebView.h"
#include "platform/SystemVolumes.h"
#include "platform/VolumeMonitor.h"
#include "playback/Dashboard.h"
#include "playback/VexoAVView.h"
#include "sensor/VexoClipData.h"
#include "settings/record/QB62SettingManager.h"
#include "settings/screens/MessageBoxAlertPresenter.h"
#include "settings/screens/QB62SettingViewController.h"
#include "settings/screens/RecordScreenMaintenance.h"
#include "settings/screens/SettingsFlow.h"
#include "settings/screens/SettingsFlowHost.h"
#include "ui/ButtonRowFit.h"
#include "ui/ImageButton.h"
#include "ui/NamedImage.h"
#include "ui/SkinStyle.h"
#include "ui/ViewExtensions.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollArea>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include <utility>

using namespace Qt::StringLiterals;

namespace {
QString localized(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}

// Runs WORK on the next turn of the event loop, after everything already queued.
template <typename Work> void queue(QObject *context, Work work)
{
    QMetaObject::invokeMethod(context, std::move(work), Qt::QueuedConnection);
}

// What the settings flow asks of the main window.
class MainWindowSettingsHost : public SettingsFlowHost
{
public:
    explicit MainWindowSettingsHost(MainWindowController &controller) : m_controller(controller) {}
    QWidget *settingsParentWindow() const override { return m_controller.mainWindow(); }
    void pauseVideo() override { m_controller.playback()->pauseVideo(); }
    void updateModelInfo() override { m_controller.cardFollower()->updateModelInfo(); }

private:
    MainWindowController &m_controller;
};

void setX(QWidget *widget, int x)
{
    widget->move(x, widget->y());
}
} // namespace

MainWindowController::MainWindowController(Options options, QObject *parent)
    : QObject(parent), m_options(std::move(options)), m_ui(std::make_unique<Ui::MainWindow>()),
      m_mainWindow(std::make_unique<MainWindow>()), m_videoConverter(std::make_unique<VideoConverter>())
{
    if (!m_options.volumes) {
        m_options.volumes = SystemVolumes::system();
    }
    const std::shared_ptr<QB62SettingManager> settings = QB62SettingManager::SharedQB62SettingManager();
    settings->setVolumeSource(m_options.volumes);
    // A card write that fails (full, removed, write-protected card) is said over the main window.
    settings->setAlertPresenter(std::make_shared<MessageBoxAlertPresenter>(m_mainWindow.get()));
    m_ui->setupUi(m_mainWindow.get());
    m_saveCopy = new SaveCopyController(m_mainWindow.get(), this);
    // First, so Qt's own texts (key names, dialog buttons) are in the language before any screen
    // asks for them, and change before the screens retranslate.
    new QtTranslations(this);
    m_splash = new SplashWindowController(this);
    m_library = new RecordingLibrary(this);
    m_cardFollower = new CardFollower(m_library, m_options.cardPath, this);
    m_cardFollower->setPlayingUrl([this] { return m_playback ? m_playback->currentVideoUrl() : QUrl(); });
    connect(m_cardFollower, &CardFollower::listShown, this, &MainWindowController::showList);
    connect(m_cardFollower, &CardFollower::modelShown, this, &MainWindowController::showModel);
    m_removeFileButton = m_ui->removeFileButton;
    m_selectedDirTextField = m_ui->selectedDirTextField;
    m_settingsHost = std::make_unique<MainWindowSettingsHost>(*this);
    m_settingsFlow = new SettingsFlow(*m_settingsHost, {m_options.volumes, m_options.cardPath}, this);
    m_settingsFlow->setRecordScreenSetUp([this](QB62SettingViewController &screen) {
        RecordScreenMaintenance::attach(screen, m_options.volumes, [this] { m_cardFollower->refreshVideoFileList(); });
    });
    SettingsScreenOpeners::install(*m_settingsFlow, m_options.volumes,
                                   [this] { m_cardFollower->refreshVideoFileList(); });
    awakeFromNib();
    connect(m_ui->settingsButton, &ImageButton::clicked, this, &MainWindowController::settingButtonTouched);
}

void MainWindowController::settingButtonTouched()
{
    m_settingsFlow->settingButtonTouched();
}

MainWindowController::~MainWindowController()
{
    delete m_fullscreenMovieControlWindow;
}

VexoAVView *MainWindowController::smallMovieView() const
{
    return m_ui->smallMovieView;
}

QWidget *MainWindowController::splashWindow() const
{
    return m_splash->splashWindow();
}

void MainWindowController::awakeFromNib()
{
    m_movieFitsScrollView = true;
    NamedImage::setImage(m_splash->splashImagView(), u"VL3_pcviewer_splash_mac"_s);
    m_mainWindow->setWindowTitle(u"Velmora"_s);
    m_ui->quitAction->setText(localized(u"%1 종료"_s).arg(u"Velmora"_s));
    connect(m_ui->quitAction, &QAction::triggered, this, &MainWindowController::appExitButtonTouched);
    m_mainWindow->setStyleSheet(SkinStyle::panelSheet() + SkinStyle::listSheet() +
                                u"QLineEdit { background: transparent; color: #d6dfe9; }"_s);
    m_ui->toolbarBg3->setColor(QColor(0x16, 0x20, 0x2a));
    m_ui->dashBg3->setColor(QColor(0x16, 0x20, 0x2a));

    // A borderless window still needs a way to minimise and close it.
    auto *corner = new QWidget(m_ui->mainMenu);
    auto *cornerLayout = new QHBoxLayout(corner);
    cornerLayout->setContentsMargins(0, 0, 4, 0);
    cornerLayout->setSpacing(4);
    for (const auto &[name, action] : {std::pair{u"btn_min_1"_s, &MainWindowController::appMinimizeButtonTouched},
                                       std::pair{u"btn_close_1"_s, &MainWindowController::appExitButtonTouched}}) {
        auto *button = new ImageButton(corner);
        button->setObjectName(name == u"btn_min_1" ? u"minimizeButton"_s : u"closeButton"_s);
        button->setFixedSize(20, 20);
        button->setImage(name);
        cornerLayout->addWidget(button);
        connect(button, &ImageButton::clicked, this, action);
    }
    m_ui->mainMenu->setCornerWidget(corner, Qt::TopRightCorner);

    m_splashTimer = new QTimer(this);
    m_splashTimer->setSingleShot(true);
    connect(m_splashTimer, &QTimer::timeout, this, &MainWindowController::showMainWindow);
}

void MainWindowController::start()
{
    splashWindow()->show();
    m_splashTimer->start(m_options.splashMs);
}

void MainWindowController::showMainWindow()
{
    if (m_isMainWindowShown) {
        return;
    }
    m_isMainWindowShown = true;

    // 1. Bring the main window forward once this method has returned.
    queue(this, [this] {
        m_mainWindow->show();
        m_mainWindow->raise();
        m_mainWindow->activateWindow();
        splashWindow()->hide();
    });

    // The instruments, before anything below resets them.
    m_dashboard = new Dashboard({m_ui->speedMeterView, m_ui->gravityGraphView, m_ui->shockCarImageView,
                                 m_ui->earthImageView, m_ui->gpsImageView, m_ui->gxTextField, m_ui->gyTextField,
                                 m_ui->gzTextField, m_ui->latTextField, m_ui->lngTextField},
                                this);
    connect(&NotificationCenter::defaultCenter(), &NotificationCenter::refreshSpeedUnit, this,
            &MainWindowController::refreshSpeedUnitHandler);

    // 2. Preferences and cards.
    connect(&NotificationCenter::defaultCenter(), &NotificationCenter::refreshLanguage, this,
            &MainWindowController::applyLanguageSettings);
    m_volumeMonitor = new VolumeMonitor(m_options.volumes, this);
    if (m_options.volumes == SystemVolumes::system()) {
        m_volumeMonitor->watchMountTable();
    }
    connect(m_volumeMonitor, &VolumeMonitor::volumeMounted, m_cardFollower, &CardFollower::volumeMountHandler);
    connect(m_volumeMonitor, &VolumeMonitor::volumeUnmounted, m_cardFollower, &CardFollower::volumeUnmountHandler);

    // 3. Map place, list strip, menus and version, once the window is up.
    queue(this, [this] {
        m_ui->mapCoverView->show();
        setUpMap();
        m_ui->fileListRemoveButton_OEM->hide();
        ImageButton *home = m_ui->goHomepageButton;
        home->setAllowAutoMouseEventImage(true);
        home->resize(263, home->height());
        home->setImage(u"brand_link_kestrix1"_s);
        home->setFocusPolicy(Qt::NoFocus);

        m_ui->fileListControlView_OEM->setGeometry(m_ui->fileListControlView->geometry());
        m_ui->fileListControlView->hide();
        m_ui->fileListControlView_OEM->show();
        m_removeFileButton = m_ui->fileListRemoveButton_OEM;
        m_selectedDirTextField = m_ui->selectedDirTextField_OEM;
        m_selectedDirTextField->setProperty("text", m_ui->selectedDirTextField->text());

        buildMenus();
        m_ui->mainVersionLabel->setText(u"Ver %1"_s.arg(QCoreApplication::applicationVersion()));
        m_ui->mainVersionLabel->show();
    });

    // 4-5. The list and the keyboard.
    m_mainWindow->setKeyEventDelegate(this);
    QTableView *table = m_ui->fileListTableView;
    table->setModel(m_library);
    table->setItemDelegate(new RecordingListDelegate(table));
    connect(table, &QTableView::doubleClicked, this, &MainWindowController::videoFileListDoubleClicked);
    connect(m_ui->removeFileButton, &ImageButton::clicked, this, &MainWindowController::removeFileButtonTouched);
    connect(m_ui->fileListRemoveButton_OEM, &ImageButton::clicked, this,
            &MainWindowController::removeFileButtonTouched);
    connect(m_ui->saveFileButton, &ImageButton::clicked, this, &MainWindowController::saveFileButtonTouched);
    connect(m_ui->selectFolderButton, &ImageButton::clicked, this, &MainWindowController::selectFolderButtonTouched);
    connect(m_ui->selectFolderButton_OEM, &ImageButton::clicked, this,
            &MainWindowController::selectFolderButtonTouched);
    for (ImageButton *button : filterButtons()) {
        connect(button, &ImageButton::clicked, this, [this, button] { videoFileFilterTouched(button); });
    }
    connect(m_mainWindow.get(), &MainWindow::resized, this, &MainWindowController::windowDidResize);

    // 6-7. The video area and the sound button.
    QScrollArea *scroll = m_ui->bigMovieViewScrollView;
    m_bigMovieView = new VexoAVView();
    m_bigMovieView->setObjectName(u"bigMovieView"_s);
    m_bigMovieView->resize(scroll->viewport()->size());
    scroll->setWidget(m_bigMovieView); // the scroll view owns the player from here on
    for (VexoAVView *player : {m_bigMovieView, m_ui->smallMovieView}) {
        connect(player, &VexoAVView::vexoAVViewDidUpdateStatus, this,
                &MainWindowController::updateMovieViewCoverScrren);
    }
    setUpPlayback();
    // Scroll bars come with zoom and pan (ViewingModesController), never over the fitted picture.
    m_ui->bigMovieViewScrollView->setFrameShape(QFrame::NoFrame);
    m_ui->muteButton->setAllowAutoMouseEventImage(false);
    m_playback->setVideoMute(false);

    // 8. The strip that floats over a full-screen picture lives in a window of its own.
    m_fullscreenMovieControlWindow = new QWidget(nullptr, Qt::FramelessWindowHint | Qt::Tool);
    m_fullscreenMovieControlWindow->setGeometry(m_ui->fullscreenMovieControlView->geometry());
    m_fullscreenMovieControlWindow->setStyleSheet(u"background: black;"_s);
    m_ui->fullscreenMovieControlView->setParent(m_fullscreenMovieControlWindow);
    m_ui->fullscreenMovieControlView->move(0, 0);
    m_ui->fullscreenMovieControlView->show();
    m_viewingModes = new ViewingModesController(this, *m_ui, m_bigMovieView, m_playback, this);
    m_snapshots = new SnapshotController(this, m_bigMovieView, m_playback, this);
    connect(m_ui->snapShotButton, &ImageButton::clicked, m_snapshots, &SnapshotController::snapshotButtonTouched);
    connect(m_ui->printButton, &ImageButton::clicked, m_snapshots, &SnapshotController::printButtonTouched);
    m_incidents = new IncidentController(this, m_bigMovieView, m_playback, this);
    m_ui->applicationMenu->insertAction(m_ui->quitAction, m_incidents->action());
    m_ui->applicationMenu->insertAction(m_ui->quitAction, m_snapshots->bothCamerasAction());
    m_ui->applicationMenu->insertAction(m_ui->quitAction, m_snapshots->stampAction());
    m_trips = new TripsController(this, m_playback, this);
    m_ui->applicationMenu->insertAction(m_ui->quitAction, m_trips->action());
    m_controlHelp = new ControlHelp({m_mainWindow.get(), m_fullscreenMovieControlWindow}, m_ui->applicationMenu,
                                    m_ui->quitAction, this);
    m_ui->applicationMenu->insertSeparator(m_ui->quitAction);

    // 9-10. Captions, the card, then the filter that shows everything.
    applyLanguageSettings();
    queue(this, [this] { videoFileFilterTouched(m_ui->fileListAllButton_OEM); });
    if (!m_options.folderPath.isEmpty()) {
        queue(this, [this] { m_cardFollower->refreshVideoFileListWithURL(QUrl::fromLocalFile(m_options.folderPath)); });
    }
    if (!m_options.recordingPath.isEmpty()) {
        queue(this, [this] { playRecordingAtPath(m_options.recordingPath); });
    }

    // 11-12.
    for (QLineEdit *field :
         {m_ui->modelTextField, m_ui->gxTextField, m_ui->gyTextField, m_ui->gzTextField, m_ui->latTextField,
          m_ui->lngTextField, m_ui->fileDateTextField, m_ui->playTimeTextField}) {
        QPalette palette = field->palette();
        palette.setColor(QPalette::Text, Qt::white);
        field->setPalette(palette);
    }
    m_ui->frameTimeLabel->setStyleSheet(u"color: white;"_s);
    enableVideoControls(false);
    NamedImage::setImage(m_ui->bigMovieCoverImageView, u"cover_big"_s);
    NamedImage::setImage(m_ui->smallMovieCoverImageView, u"cover_small"_s);
    updateMovieViewCoverScrren();
    resetVideoInformation();
    m_emptyStartHint = new EmptyStartHint(m_library, m_ui->bigMovieCoverImageView,
                                          {m_ui->selectFolderButton, m_ui->selectFolderButton_OEM}, this);
}

void MainWindowController::setUpMap()
{
    if (m_mapWebView != nullptr) {
        return;
    }
    QLabel *cover = m_ui->mapCoverView;
    NamedImage::setImage(cover, u"mapview_cover"_s);
    m_mapWebView = new MapWebView(cover->parentWidget());
    m_mapWebView->setObjectName(u"mapWebView"_s);
    m_mapWebView->followGeometryOf(cover);
    m_mapWebView->stackUnder(cover);
    m_mapWebView->hide(); // until a recording with a position plays
    m_mapController = new MapController(m_mapWebView, this);
    m_mapController->load();
}

void MainWindowController::updateMapWithLat(float lat, float lng)
{
    if ((lat == 0.0f && lng == 0.0f) || m_mapGpsDataCount == 0) {
        setMapCovered(true);
        return;
    }
    setMapCovered(false);
    if (double(lat) == m_lastUpdatedLat && double(lng) == m_lastUpdatedLng) {
        return;
    }
    if (m_mapController != nullptr) {
        m_mapController->moveToLat(lat, lng);
    }
    m_lastUpdatedLat = lat;
    m_lastUpdatedLng = lng;
}

void MainWindowController::prepareMapForTrack(const VexoClipData &track)
{
    resetMapPosition();
    m_mapGpsDataCount = track.gpsDataCount();
    if (m_mapController != nullptr) {
        m_mapController->removeMapLine();
    }
    if (m_mapGpsDataCount == 0) {
        setMapCovered(true);
    } else if (m_mapController != nullptr) {
        m_mapController->addRoute(track);
    }
}

void MainWindowController::resetMapPosition()
{
    m_lastUpdatedLat = 0.0;
    m_lastUpdatedLng = 0.0;
}

void MainWindowController::setMapCovered(bool covered)
{
    // Before the map exists the cover stays: an empty place would look broken.
    covered = covered || m_mapWebView == nullptr;
    if (m_mapWebView != nullptr) {
        m_mapWebView->setVisible(!covered);
    }
    m_ui->mapCoverView->setVisible(covered);
    if (covered) {
        m_ui->mapCoverView->raise();
    }
}

bool MainWindowController::isMapCovered() const
{
    return m_mapWebView == nullptr || m_mapWebView->isHidden();
}

void MainWindowController::buildMenus()
{
    m_languageMenu = new QMenu(localized(u"언어"_s), m_ui->mainMenu);
    m_languageEnglishMenuItem =
        m_languageMenu->addAction(localized(u"영어"_s), this, &MainWindowController::languageChangeToEnglish);
    m_languageFrenchMenuItem =
        m_languageMenu->addAction(localized(u"프랑스어"_s), this, &MainWindowController::languageChangeToFrench);
    m_languageJapaneseMenuItem =
        m_languageMenu->addAction(localized(u"일본어"_s), this, &MainWindowController::languageChangeToJapanese);
    for (QAction *item : m_languageMenu->actions()) {
        item->setCheckable(true);
    }
    m_languageMenuItem = m_ui->mainMenu->addMenu(m_languageMenu);
    markCurrentLanguage();

    m_unitMenu = new QMenu(localized(u"속도 단위"_s), m_ui->mainMenu);
    m_unitKmphMenuItem = m_unitMenu->addAction(localized(u"KM/H"_s), this, &MainWindowController::onMenuSpeedKmph);
    m_unitMphMenuItem = m_unitMenu->addAction(localized(u"MPH"_s), this, &MainWindowController::onMenuSpeedMph);
    m_unitKmphMenuItem->setCheckable(true);
    m_unitMphMenuItem->setCheckable(true);
    m_unitMenuItem = m_ui->mainMenu->addMenu(m_unitMenu);
    markCurrentSpeedUnit();
}

void MainWindowController::applyLanguageSettings()
{
    queue(this, [this] {
        if (m_languageMenu != nullptr) {
            m_languageMenu->setTitle(localized(u"언어"_s));
            m_languageEnglishMenuItem->setText(localized(u"영어"_s));
            m_languageFrenchMenuItem->setText(localized(u"프랑스어"_s));
            m_languageJapaneseMenuItem->setText(localized(u"일본어"_s));
            m_unitMenu->setTitle(localized(u"속도 단위"_s));
            m_unitKmphMenuItem->setText(localized(u"KM/H"_s));
            m_unitMphMenuItem->setText(localized(u"MPH"_s));
            // The language may have been changed elsewhere (a settings window's own menu).
            markCurrentLanguage();
        }
        m_ui->quitAction->setText(localized(u"%1 종료"_s).arg(u"Velmora"_s));
        if (m_incidents != nullptr) {
            m_incidents->retranslate();
        }
        if (m_snapshots != nullptr) {
            m_snapshots->retranslate();
        }
        if (m_emptyStartHint != nullptr) {
            m_emptyStartHint->retranslate();
        }
        const QStringList keys = {u"파일_전체"_s, u"파일_상시"_s, u"파일_모션"_s, u"파일_이벤트"_s, u"파일_수동"_s};
        const QList<ImageButton *> buttons = filterButtons();
        for (qsizetype i = 0; i < buttons.size(); ++i) {
            buttons.at(i)->setText(localized(keys.at(i)));
        }
        ButtonRowFit::fit({buttons.begin(), buttons.end()});
        // A new language must not throw away a folder the user chose either.
        m_cardFollower->volumesChanged();
        initializeFileSortingButtons();
        // Once, at start-up: a later change of language does not open the settings again.
        if (std::exchange(m_options.openSettings, false)) {
            runSettingsRoute();
        }
    });
}

void MainWindowController::runSettingsRoute()
{
    m_settingsFlow->settingButtonTouched();
}

void MainWindowController::showModel(const QString &name, bool known)
{
    m_ui->settingsButton->setEnabled(known);
    m_ui->modelTextField->setText(name);
}

QList<ImageButton *> MainWindowController::filterButtons() const
{
    return {m_ui->fileListAllButton_OEM, m_ui->fileListAlwaysButton_OEM, m_ui->fileListMotionButton_OEM,
            m_ui->fileListEventButton_OEM, m_ui->fileListManualButton_OEM};
}

QList<QWidget *> MainWindowController::videoControls() const
{
    return {m_ui->snapShotButton, m_ui->printButton,       m_ui->playPauseButton,    m_ui->stopButton,
            m_ui->rewindButton,   m_ui->fastForwardButton, m_ui->prevFileButton,     m_ui->nextFileButton,
            m_ui->zoomInButton,   m_ui->zoomOutButton,     m_ui->resetScaleButton,   m_ui->fullScreenButton,
            m_ui->flipButton,     m_ui->volumeSliderView,  m_ui->seekTimeSldierView, m_ui->switchVideoButton,
            m_ui->muteButton,     m_bigMovieView,          m_ui->smallMovieView};
}

void MainWindowController::enableVideoControls(bool enabled)
{
    for (QWidget *control : videoControls()) {
        control->setEnabled(enabled);
    }
    for (QWidget *icon : {static_cast<QWidget *>(m_ui->shockCarImageView), static_cast<QWidget *>(m_ui->earthImageView),
                          static_cast<QWidget *>(m_ui->gpsImageView), static_cast<QWidget *>(m_ui->speedMeterView)}) {
        icon->setVisible(enabled);
    }
}

void MainWindowController::updateMovieViewCoverScrren()
{
    // Until a player holds a movie its place shows the cover picture.
    m_ui->bigMovieCoverImageView->setVisible(m_bigMovieView == nullptr || !m_bigMovieView->hasMovie());
    m_ui->smallMovieCoverImageView->setVisible(!m_ui->smallMovieView->hasMovie());
}

void MainWindowController::updatePlayTime(double currentSeconds, double durationSeconds)
{
    // Called 33 times a second; the text changes once a second.
    const QString text = MainWindowLayout::playTimeText(currentSeconds, durationSeconds);
    if (m_ui->playTimeTextField->text() != text) {
        m_ui->playTimeTextField->setText(text);
    }
}

void MainWindowController::resetVideoInformation()
{
    updatePlayTime(0.0, 0.0);
    m_ui->frameTimeLabel->clear();
    m_ui->fileDateTextField->clear();
    if (m_dashboard != nullptr) {
        m_dashboard->resetVideoInformation();
    }
}

void MainWindowController::updateSensorInfo(float gx, float gy, float gz, float lat, float lng, quint32 speed)
{
    if (m_dashboard != nullptr) {
        m_dashboard->updateSensorInfo(gx, gy, gz, lat, lng, speed);
    }
}

void MainWindowController::startPlayAnimation()
{
    if (m_dashboard != nullptr) {
        m_dashboard->startPlayAnimation();
    }
}

void MainWindowController::stopPlayAnimation()
{
    if (m_dashboard != nullptr) {
        m_dashboard->stopPlayAnimation();
    }
}

void MainWindowController::refreshSpeedUnitHandler()
{
    if (m_dashboard != nullptr) {
        m_dashboard->refreshSpeedUnitHandler();
    }
}

void MainWindowController::windowDidResize()
{
    // Not while the picture is full screen: it is then in a window of its own.
    if (m_movieFitsScrollView && m_bigMovieView != nullptr &&
        m_ui->bigMovieViewScrollView->widget() == m_bigMovieView) {
        m_bigMovieView->resize(m_ui->bigMovieViewScrollView->viewport()->size());
    }
    const auto positions = MainWindowLayout::groupPositions(m_mainWindow->width());
    setX(m_ui->toolbarBg3, positions.toolbarBg3);
    setX(m_ui->dashBg3, positions.dashBg3);
    setX(m_ui->toolbarButtons, positions.toolbarButtons);
    setX(m_ui->dashboardCtrls, positions.dashboardCtrls);
}

void MainWindowController::languageChangeToEnglish()
{
    markRadio(m_languageEnglishMenuItem);
    languageChange(u"en"_s);
}

void MainWindowController::languageChangeToFrench()
{
    markRadio(m_languageFrenchMenuItem);
    languageChange(u"fr"_s);
}

void MainWindowController::languageChangeToJapanese()
{
    markRadio(m_languageJapaneseMenuItem);
    languageChange(u"ja"_s);
}

void MainWindowController::languageChangeToPortuguese()
{
    markRadio(m_languagePortugueseMenuItem);
    languageChange(u"pt"_s);
}

void MainWindowController::languageChange(const QString &code)
{
    Preferences::changeLanguage(code);
}

void MainWindowController::onMenuSpeedKmph()
{
    markRadio(m_unitKmphMenuItem);
    setSpeedUnit(Preferences::KilometresPerHour);
}

void MainWindowController::onMenuSpeedMph()
{
    markRadio(m_unitMphMenuItem);
    setSpeedUnit(Preferences::MilesPerHour);
}

void MainWindowController::setSpeedUnit(int unit)
{
    Preferences::setSpeedUnit(unit);
}

void MainWindowController::markRadio(QAction *item)
{
    if (item == nullptr) {
        return;
    }
    const QList<QObject *> owners = item->associatedObjects();
    for (QObject *owner : owners) {
        if (auto *menu = qobject_cast<QMenu *>(owner)) {
            for (QAction *other : menu->actions()) {
                other->setChecked(other == item);
            }
        }
    }
}

void MainWindowController::markCurrentLanguage()
{
    const QString code = QSettings().value(QString(Preferences::LanguageKey)).toString();
    if (code == u"pt") {
        // There is no Portuguese item: nothing is marked.
        for (QAction *item : m_languageMenu->actions()) {
            item->setChecked(false);
        }
    } else if (code == u"fr") {
        markRadio(m_languageFrenchMenuItem);
    } else if (code == u"ja") {
        markRadio(m_languageJapaneseMenuItem);
    } else {
        markRadio(m_languageEnglishMenuItem);
    }
}

void MainWindowController::markCurrentSpeedUnit()
{
    Preferences::initializeSpeedUnit();
    markRadio(Preferences::speedUnit() == Preferences::MilesPerHour ? m_unitMphMenuItem : m_unitKmphMenuItem);
}

void MainWindowController::showList(const QString &folderText, int row)
{
    m_selectedDirTextField->setProperty("text", folderText);
    reloadTable();
    if (row >= 0) {
        m_ui->fileListTableView->selectRow(row);
    }
}

void MainWindowController::reloadTable()
{
    const bool any = m_library->rowCount() > 0;
    m_removeFileButton->setEnabled(any);
    m_ui->saveFileButton->setEnabled(any);
}

void MainWindowController::selectFolderButtonTouched()
{
    QFileDialog dialog(m_mainWindow.get(), localized(u"열기"_s));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setLabelText(QFileDialog::Accept, localized(u"열기"_s));
    dialog.setLabelText(QFileDialog::Reject, localized(u"취소"_s));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedUrls().isEmpty()) {
        return;
    }
    m_cardFollower->refreshVideoFileListWithURL(dialog.selectedUrls().constLast());
}

void MainWindowController::initializeFileSortingButtons()
{
    for (ImageButton *button : filterButtons()) {
        ViewExtensions::setTitleColor(button, Qt::white);
    }
}

void MainWindowController::setVideoFileFilterWithButton(ImageButton *button)
{
    const QList<ImageButton *> buttons = filterButtons();
    const qsizetype index = buttons.indexOf(button);
    if (index < 0) {
        return;
    }
    m_library->setVideoFileFilter(uint(index));
    for (ImageButton *each : buttons) {
        const bool selected = each == button;
        each->setAllowAutoMouseEventImage(!selected);
        each->setImage(selected ? u"sorting_btn_60_2"_s : u"sorting_btn_60_1"_s);
    }
}

void MainWindowController::videoFileFilterTouched(ImageButton *button)
{
    setVideoFileFilterWithButton(button);
    // Reloading the list keeps the selected row number, as long as the list is that long.
    const int row = selectedRow();
    m_library->applyVideoFileFilter();
    reloadTable();
    if (row >= 0 && row < m_library->rowCount()) {
        m_ui->fileListTableView->selectRow(row);
    }
}

int MainWindowController::selectedRow() const
{
    const QModelIndexList rows = m_ui->fileListTableView->selectionModel() != nullptr
                                     ? m_ui->fileListTableView->selectionModel()->selectedRows()
                                     : QModelIndexList();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

void MainWindowController::videoFileListDoubleClicked()
{
    const int row = selectedRow();
    if (row >= 0) {
        playVideoWithIdx(row);
    }
}

void MainWindowController::playVideoWithIdx(int row)
{
    const QUrl url = m_library->urlAt(row);
    if (url.isEmpty()) {
        return;
    }
    Q_EMIT playVideoRequested(row, url);
    m_playback->stopVideo();
    m_playback->prepareVideoToPlay(url, 0.0);
}

bool MainWindowController::playRecordingAtPath(const QString &path)
{
    const QString wanted = QFileInfo(path).absoluteFilePath();
    for (int row = 0; row < m_library->rowCount(); ++row) {
        if (QFileInfo(m_library->urlAt(row).toLocalFile()).absoluteFilePath() == wanted) {
            m_ui->fileListTableView->selectRow(row);
            playVideoWithIdx(row);
            return true;
        }
    }
    return false;
}

QUrl MainWindowController::takeBigVideoURL(int row) const
{
    return m_library->takeBigVideoURL(row, isVideoSwitched());
}

bool MainWindowController::isVideoSwitched() const
{
    return m_playback != nullptr && m_playback->isVideoSwitched();
}

void MainWindowController::setUpPlayback()
{
    auto *loader = new PlaybackLoader(
        [this](const QUrl &url, PlaybackLoader::ConversionDone done, PlaybackLoader::ConversionShare share) {
            checkAndConvertVideo(url, std::move(done), std::move(share));
        },
        [this] { dropConversion(); }, this);
    m_playback = new PlaybackController(this, *m_ui, m_bigMovieView, loader, this);
    PlaybackController *playback = m_playback;
    const std::pair<ImageButton *, void (PlaybackController::*)()> buttons[] = {
        {m_ui->playPauseButton, &PlaybackController::playPauseButtonTouched},
        {m_ui->fullScreenPlayPauseButton, &PlaybackController::playPauseButtonTouched},
        {m_ui->stopButton, &PlaybackController::stopButtonTouched},
        {m_ui->rewindButton, &PlaybackController::rewindButtonTouched},
        {m_ui->fullScreenPrevFrameButton, &PlaybackController::rewindButtonTouched},
        {m_ui->fastForwardButton, &PlaybackController::fastForwardButtonTouched},
        {m_ui->fullScreenNextFrameButton, &PlaybackController::fastForwardButtonTouched},
        {m_ui->prevFileButton, &PlaybackController::playPrevFileButtonTouched},
        {m_ui->nextFileButton, &PlaybackController::playNextFileButtonTouched},
        {m_ui->switchVideoButton, &PlaybackController::toggleVideoSwithButtonTouched},
    };
    for (const auto &[button, action] : buttons) {
        connect(button, &ImageButton::clicked, playback, action);
    }
    connect(playback, &PlaybackController::playbackStopped, this, [this] { setMapCovered(true); });
}

void MainWindowController::removeFileButtonTouched()
{
    if (m_library->removeFileAt(selectedRow())) {
        reloadTable();
    }
}

void MainWindowController::performKeyCommand(KeyCommandTable::Command command)
{
    switch (command) {
    case KeyCommandTable::Command::AppExit:
        appExitButtonTouched();
        return;
    case KeyCommandTable::Command::AppMinimize:
        appMinimizeButtonTouched();
        return;
    case KeyCommandTable::Command::Rewind:
        m_playback->rewindButtonTouched();
        break;
    case KeyCommandTable::Command::FastForward:
        m_playback->fastForwardButtonTouched();
        break;
    case KeyCommandTable::Command::PlayPause:
        m_playback->playPauseButtonTouched();
        break;
    case KeyCommandTable::Command::VolumeUp:
        m_playback->volumeUp();
        break;
    case KeyCommandTable::Command::VolumeDown:
        m_playback->volumeDown();
        break;
    case KeyCommandTable::Command::FullScreen:
        m_viewingModes->fullscreenButtonTouched(m_mainWindow.get());
        break;
    case KeyCommandTable::Command::SpeedUp:
        m_playback->playFaster();
        break;
    case KeyCommandTable::Command::SpeedDown:
        m_playback->playSlower();
        break;
    case KeyCommandTable::Command::NormalSpeed:
        m_playback->playAtNormalSpeed();
        break;
    case KeyCommandTable::Command::JumpBack:
    case KeyCommandTable::Command::JumpForward:
    case KeyCommandTable::Command::LongJumpBack:
    case KeyCommandTable::Command::LongJumpForward:
        m_playback->jumpBy(KeyCommandTable::jumpSeconds(command));
        break;
    case KeyCommandTable::Command::HideFullScreen:
        m_playback->giveUpConversion();
        m_viewingModes->hideFullScreenMovie();
        break;
    default:
        m_controlHelp->pressButtonFor(command); // the keys of other video players press their button
        break;
    }
    Q_EMIT playerCommandRequested(command);
}

void MainWindowController::appExitButtonTouched()
{
    QCoreApplication::quit();
}

void MainWindowController::appMinimizeButtonTouched()
{
    m_mainWindow->showMinimized();
}

std::optional<QList<QUrl>> MainWindowController::checkAndConvertVideo(const QUrl &url)
{
    return m_videoConverter->checkAndConvertVideo(url);
}

void MainWindowController::checkAndConvertVideo(
    const QUrl &url, std::function<void(const std::optional<QList<QUrl>> &files, const QString &messageKey)> done,
    std::function<void(double share)> progress)
{
    if (m_conversionQueue == nullptr) {
        m_conversionQueue = new VideoConversionQueue(this);
    }
    m_conversionQueue->convert(url, VideoConversionQueue::DoneWithReason(std::move(done)), std::move(progress));
}

void MainWindowController::dropConversion()
{
    if (m_conversionQueue != nullptr) {
        m_conversionQueue->cancelRequests();
    }
}

void MainWindowController::cancelConversions()
{
    if (m_conversionQueue != nullptr) {
        m_conversionQueue->cancelAll();
    }
    if (m_playback != nullptr) {
        m_playback->abandonLoad();
    }
    if (m_incidents != nullptr) {
        m_incidents->cancelAndWait();
    }
}

void MainWindowController::saveFileButtonTouched()
{
    const int row = selectedRow();
    if (row < 0) {
        return;
    }
    const QUrl source = takeBigVideoURL(row);
    if (!source.isEmpty()) {
        m_saveCopy->askAndSave(source);
    }
}

bool MainWindowController::saveCopyOfRecording(const QUrl &source, const QString &destination)
{
    return m_saveCopy->save(source, destination);
}

bool MainWindowController::isSavingCopy() const
{
    return m_saveCopy->isSaving();
}
