#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QB62SettingViewController;
class SettingAlertPresenter;
class SettingsFlowHost;
class VexoViewController;
class VolumeSource;

// From the main window's Settings button to a settings screen: which card (the card chooser when
// there is none), which model (the model chooser when the card says nothing), and which of the
// three screens the model gets, each run in a modal SettingWindow over the main window.
//
// The screens later work plugs in go through openers: until one is set, its camera gets a clear
// message instead of a screen.
class SettingsFlow : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        // Where mounted volumes are listed; the system's mounts when not given.
        std::shared_ptr<const VolumeSource> volumes;
        // A card copied to disk that stands in for the mounted card (the viewer's --card).
        QString cardPath;
    };

    // Opens a screen for the current card. The INI editor's opener loads SETTING/blackbox.cfg,
    // refreshes the model display if it wants to, and runs its screen through
    // showModalWindowWithView; the web page's opener shows its own window.
    using ScreenOpener = std::function<void(SettingsFlow &flow)>;
    // Called for every record editor before it is shown (card maintenance wires its buttons here).
    using RecordScreenSetUp = std::function<void(QB62SettingViewController &screen)>;

    SettingsFlow(SettingsFlowHost &host, Options options, QObject *parent = nullptr);
    ~SettingsFlow() override;

    void settingButtonTouched();
    void showSelectFlashMemoryWindow();
    void showSelectModelWindow();
    void showSettingWindow();
    void showSettingWindow_KRV();
    void showWebSettingWindow();
    // Runs VIEW in a SettingWindow modally over the main window; 1 confirmed, 0 cancelled.
    int showModalWindowWithView(QWidget *view, VexoViewController *modalViewController, bool showTitleBar);

    void setKrvSettingWindowOpener(ScreenOpener opener) { m_krvOpener = std::move(opener); }
    void setWebSettingWindowOpener(ScreenOpener opener) { m_webOpener = std::move(opener); }
    void setRecordScreenSetUp(RecordScreenSetUp setUp) { m_recordScreenSetUp = std::move(setUp); }
    // Where the flow's own messages go; a message box when never set.
    void setAlertPresenter(std::shared_ptr<SettingAlertPresenter> presenter);

    SettingsFlowHost &host() const { return m_host; }
    // Whether PATH is where a camera card is: a local, removable volume, or the stand-in card.
    bool isCardLocation(const QString &path) const;

Q_SIGNALS:
    // A settings screen or chooser is about to run modally (tests answer it from here).
    void modalScreenShown(VexoViewController *controller);

private:
    void loadVersionInfo();
    void showNotAvailable();
    // Shows the memory card alert and answers true when a settings folder of the card in use is a
    // link or leads out of the card: no settings screen opens on such a card.
    bool refusesCardFolders();

    SettingsFlowHost &m_host;
    Options m_options;
    ScreenOpener m_krvOpener;
    ScreenOpener m_webOpener;
    RecordScreenSetUp m_recordScreenSetUp;
    std::shared_ptr<SettingAlertPresenter> m_alerts;
};
