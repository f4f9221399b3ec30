#include "settings/screens/SettingsFlow.h"

#include "core/VexoLanguages.h"

#include "export/Utils.h"
#include "platform/SystemVolumes.h"
#include "settings/record/CardSettingFolders.h"
#include "settings/record/QB62SettingManager.h"
#include "settings/screens/MessageBoxAlertPresenter.h"
#include "settings/screens/QB62SettingViewController.h"
#include "settings/screens/SelectDeviceViewController.h"
#include "settings/screens/SelectFlashMemoryViewController.h"
#include "settings/screens/SettingWindow.h"
#include "settings/screens/SettingsFlowHost.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {
QString localized(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}

bool isWebSettingsModel(qint64 type)
{
    return type == 16 || type == 17 || (type >= 20 && type <= 26);
}
} // namespace

SettingsFlow::SettingsFlow(SettingsFlowHost &host, Options options, QObject *parent)
    : QObject(parent), m_host(host), m_options(std::move(options)),
      m_alerts(std::make_shared<MessageBoxAlertPresenter>())
{
    if (!m_options.volumes) {
        m_options.volumes = SystemVolumes::system();
    }
    const auto manager = QB62SettingManager::SharedQB62SettingManager();
    if (!manager->alertPresenter()) {
        manager->setAlertPresenter(m_alerts);
    }
}

SettingsFlow::~SettingsFlow() = default;

void SettingsFlow::setAlertPresenter(std::shared_ptr<SettingAlertPresenter> presenter)
{
    m_alerts = presenter ? std::move(presenter) : std::make_shared<MessageBoxAlertPresenter>();
}

bool SettingsFlow::isCardLocation(const QString &path) const
{
    if (path.isEmpty()) {
        return false;
    }
    if (!m_options.cardPath.isEmpty() && QDir::cleanPath(QFileInfo(path).absoluteFilePath()) ==
                                             QDir::cleanPath(QFileInfo(m_options.cardPath).absoluteFilePath())) {
        return true;
    }
    return Utils::isEXteranlMemoryWithURL(QUrl::fromLocalFile(path), *m_options.volumes);
}

void SettingsFlow::loadVersionInfo()
{
    const auto manager = QB62SettingManager::SharedQB62SettingManager();
    if (!m_options.cardPath.isEmpty()) {
        manager->recognizeCardAtPath(m_options.cardPath);
        manager->setSdcard_url(QUrl::fromLocalFile(m_options.cardPath));
    } else {
        manager->loadVersionInfo();
    }
}

void SettingsFlow::settingButtonTouched()
{
    m_host.pauseVideo();
    const auto manager = QB62SettingManager::SharedQB62SettingManager();
    if (!isCardLocation(manager->settingDirPath())) {
        showSelectFlashMemoryWindow();
        return;
    }
    loadVersionInfo();
    const qint64 type = manager->modelType();
    if (type == -1) {
        showSelectModelWindow();
    } else if (type == 26) {
        manager->loadLanguages();
        showWebSettingWindow();
    } else if (type == 6) {
        // The INI editor's opener loads its own file.
        showSettingWindow_KRV();
    } else {
        manager->loadData();
        m_host.updateModelInfo();
        showSettingWindow();
    }
}

void SettingsFlow::showSelectFlashMemoryWindow()
{
    SelectFlashMemoryViewController chooser(m_options.volumes);
    QWidget *view = chooser.view();
    Q_EMIT modalScreenShown(&chooser);
    if (showModalWindowWithView(view, &chooser, true) != 1) {
        return;
    }
    const QUrl picked = chooser.selectedFlashMeoryUrl();
    if (picked.isEmpty()) {
        return;
    }
    auto manager = QB62SettingManager::SharedQB62SettingManager();
    // Recognise the card the user picked, not the first card of the listing, and keep it the card
    // in use, so its settings are the ones read and written.
    manager->setChosenCardPath(picked.toLocalFile());
    manager->setSettingDirPath(picked.toLocalFile());
    manager->recognizeCardAtPath(picked.toLocalFile());
    manager->setSdcard_url(picked);
    const qint64 type = manager->modelType();
    if (type == -1) {
        showSelectModelWindow();
    } else if (type == 6) {
        m_host.updateModelInfo();
        showSettingWindow_KRV();
    } else {
        manager->loadData();
        m_host.updateModelInfo();
        showSettingWindow();
    }
}

void SettingsFlow::showSelectModelWindow()
{
    SelectDeviceViewController chooser;
    QWidget *view = chooser.view();
    Q_EMIT modalScreenShown(&chooser);
    auto manager = QB62SettingManager::SharedQB62SettingManager();
    if (showModalWindowWithView(view, &chooser, true) != 1) {
        manager->setSettingDirPath(QString());
        return;
    }
    const qint64 type = chooser.selectedModelType();
    manager->chooseModelType(type);
    if (type == 6) {
        showSettingWindow_KRV();
        return;
    }
    if (type == 4) {
        manager->setLocalID(3);
    } else if (type == 3) {
        manager->setLocalID(0);
    }
    manager->loadData();
    showSettingWindow();
}

bool SettingsFlow::refusesCardFolders()
{
    const QString problem =
        CardSettingFolders::problem(QB62SettingManager::SharedQB62SettingManager()->settingDirPath());
    if (problem.isEmpty()) {
        return false;
    }
    qWarning("velmora: settings not opened: %s", qUtf8Printable(problem));
    m_alerts->showAlert(localized(u"메모리카드 오류"_s), localized(u"메모리카드를 확인하여 주시기 바랍니다."_s),
                        u"OK"_s);
    return true;
}

void SettingsFlow::showSettingWindow()
{
    if (refusesCardFolders()) {
        return;
    }
    const auto manager = QB62SettingManager::SharedQB62SettingManager();
    if (isWebSettingsModel(manager->modelType())) {
        showWebSettingWindow();
        return;
    }
    QB62SettingViewController screen;
    if (m_recordScreenSetUp) {
        m_recordScreenSetUp(screen);
    }
    QWidget *view = screen.view();
    Q_EMIT modalScreenShown(&screen);
    if (showModalWindowWithView(view, &screen, false) == 1) {
        m_host.updateModelInfo();
    }
}

void SettingsFlow::showSettingWindow_KRV()
{
    if (refusesCardFolders()) {
        return;
    }
    if (m_krvOpener) {
        m_krvOpener(*this);
    } else {
        showNotAvailable();
    }
}

void SettingsFlow::showWebSettingWindow()
{
    if (refusesCardFolders()) {
        return;
    }
    if (m_webOpener) {
        m_webOpener(*this);
    } else {
        showNotAvailable();
    }
}

void SettingsFlow::showNotAvailable()
{
    m_alerts->showAlert(localized(u"블랙박스 설정"_s),
                        localized(u"이 블랙박스의 설정 화면은 아직 지원되지 않습니다."_s), localized(u"확인"_s));
}

int SettingsFlow::showModalWindowWithView(QWidget *view, VexoViewController *modalViewController, bool showTitleBar)
{
    SettingWindow window(m_host.settingsParentWindow());
    return window.showModalWindow(m_host.settingsParentWindow(), view, modalViewController, showTitleBar);
}
