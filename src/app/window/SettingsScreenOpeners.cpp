#include "SettingsScreenOpeners.h"

#include "settings/ini/KRVSettingManager.h"
#include "settings/ini/editor/KRVSettingViewController.h"
#include "settings/record/QB62SettingManager.h"
#include "settings/record/maintenance/CardMaintenance.h"
#include "settings/record/maintenance/CardMaintenanceSheets.h"
#include "settings/screens/SettingsFlow.h"
#include "settings/screens/SettingsFlowHost.h"
#include "settings/web/WebSettingWindowController.h"

#include <QWidget>

void SettingsScreenOpeners::install(SettingsFlow &flow, std::shared_ptr<const VolumeSource> volumes,
                                    std::function<void()> refreshVideoFileList)
{
    flow.setKrvSettingWindowOpener([](SettingsFlow &on) {
        // A file that is there but cannot be read (not UTF-8, too large, a link) is not opened: an
        // empty editor would write the clock lines alone over it.
        if (KRVSettingManager::SharedKRVSettingManager()->loadData() == KRVSettingManager::LoadResult::Unreadable) {
            QB62SettingManager::SharedQB62SettingManager()->showMemoryCardAlert();
            return;
        }
        // A model the user chose (the card holds nothing that says which it is) would be lost to
        // a new recognition, and Reset would find no model to take factory settings from.
        if (!QB62SettingManager::SharedQB62SettingManager()->isModelChosen()) {
            on.host().updateModelInfo();
        }
        KRVSettingViewController screen;
        const int result = on.showModalWindowWithView(screen.view(), &screen, false);
        if (result == 1) {
            on.host().updateModelInfo();
        }
    });

    // The page's format button: the same sheets as the record editor's, over the page's window,
    // on the card folder the page was opened on.
    WebSettingWindowController::FormatSequence askFormat = [volumes, refreshVideoFileList](QWidget *window,
                                                                                           const QString &folder) {
        // One model and its sheets per page window, made at the first press; they go with it.
        const QString name = QStringLiteral("askFormatMaintenance");
        auto *maintenance = window->findChild<CardMaintenance *>(name, Qt::FindDirectChildrenOnly);
        if (maintenance == nullptr) {
            maintenance = new CardMaintenance(window);
            maintenance->setObjectName(name);
            if (volumes) {
                maintenance->setVolumeSource(volumes);
            }
            new CardMaintenanceSheets(maintenance, window);
            if (refreshVideoFileList) {
                QObject::connect(maintenance, &CardMaintenance::refreshVideoFileList, window, refreshVideoFileList);
            }
        }
        maintenance->setCardRoot(folder);
        maintenance->memoryCardFormatButtonTouched();
    };
    flow.setWebSettingWindowOpener([askFormat](SettingsFlow &on) {
        const auto manager = QB62SettingManager::SharedQB62SettingManager();
        manager->loadLanguages();
        WebSettingWindowController::showWebSettingWindow(on.host().settingsParentWindow(), manager->settingDirPath(),
                                                         manager->languages(), askFormat);
    });
}
