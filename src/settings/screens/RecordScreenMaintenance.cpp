#include "settings/screens/RecordScreenMaintenance.h"

#include "settings/record/QB62SettingManager.h"
#include "settings/record/maintenance/CardMaintenance.h"
#include "settings/record/maintenance/CardMaintenanceSheets.h"
#include "settings/screens/QB62SettingViewController.h"

#include <QPointer>
#include <QWidget>

void RecordScreenMaintenance::attach(QB62SettingViewController &screen, std::shared_ptr<const VolumeSource> volumes,
                                     std::function<void()> refreshVideoFileList)
{
    // One model and its sheets per screen, made at the first press: by then the screen's view sits
    // in its settings window, which the sheets go over.
    auto maintenance = std::make_shared<QPointer<CardMaintenance>>();
    const auto model = [maintenance, volumes, refreshVideoFileList](QB62SettingViewController &on) {
        if (maintenance->isNull()) {
            QWidget *view = on.view();
            auto *created = new CardMaintenance(view);
            if (volumes) {
                created->setVolumeSource(volumes);
            }
            new CardMaintenanceSheets(created, view->window());
            if (refreshVideoFileList) {
                QObject::connect(created, &CardMaintenance::refreshVideoFileList, view, refreshVideoFileList);
            }
            *maintenance = created;
        }
        maintenance->data()->setCardRoot(QB62SettingManager::SharedQB62SettingManager()->settingDirPath());
        return maintenance->data();
    };
    screen.setMemoryCardFormatHook(
        [model](QB62SettingViewController &on) { model(on)->memoryCardFormatButtonTouched(); });
    screen.setInitializeTouchHook(
        [model](QB62SettingViewController &on) { model(on)->initializeTouchButtonTouched(); });
}
