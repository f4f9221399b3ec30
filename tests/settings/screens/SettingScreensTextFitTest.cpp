#include "ScreenTestSupport.h"
#include "core/Preferences.h"
#include "ui_QB62SettingViewController.h"

#include "platform/FolderVolumes.h"
#include "settings/screens/QB62SettingViewController.h"
#include "settings/screens/SelectDeviceViewController.h"
#include "settings/screens/SelectFlashMemoryViewController.h"
#include "support/TestSettings.h"
#include "support/TextFit.h"
#include "ui/ImageButton.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Every caption of the record editor fits its control in every language, on each of its four tabs,
// measured with the control's own font as the offscreen platform renders it.
class SettingScreensTextFitTest : public ::testing::TestWithParam<QString>
{
protected:
    void TearDown() override { QB62SettingManager::ChagneQB62SettingManager(std::make_shared<QB62SettingManager>()); }
};

TEST_P(SettingScreensTextFitTest, EveryCaptionOfTheRecordEditorFits)
{
    TestSettings::reset();
    Preferences::initializeLanguageSetting();
    Preferences::changeLanguage(GetParam());
    QTemporaryDir card;
    screentest::writeCard(card.path(), 3, 17, {});
    auto manager = std::make_shared<QB62SettingManager>();
    manager->setAlertPresenter(std::make_shared<screentest::Alerts>());
    manager->setModelType(3);
    manager->setFirmwareVersionInt(17);
    manager->setSettingDirPath(card.path());
    manager->loadData();
    QB62SettingManager::ChagneQB62SettingManager(manager);
    QB62SettingViewController screen;
    screen.view()->show();

    QStringList findings;
    const Ui::QB62SettingViewController &ui = screen.ui();
    for (ImageButton *tab : {ui.commonTabButton, ui.alwaysTabButton, ui.parkingTabButton, ui.etcTabButton}) {
        QTest::mouseClick(tab, Qt::LeftButton);
        QCoreApplication::processEvents();
        for (const QString &finding : TextFit::overflowingTexts(screen.view())) {
            if (!findings.contains(finding)) {
                findings << finding;
            }
        }
    }
    EXPECT_TRUE(findings.isEmpty()) << GetParam().toStdString() << ":\n  " << findings.join(u"\n  "_s).toStdString();
}

TEST_P(SettingScreensTextFitTest, EveryCaptionOfTheCardAndModelChoosersFits)
{
    TestSettings::reset();
    Preferences::initializeLanguageSetting();
    Preferences::changeLanguage(GetParam());
    QTemporaryDir mounts;
    ASSERT_TRUE(QDir(mounts.path()).mkpath(u"CARD/SETTING"_s));
    SelectFlashMemoryViewController cards(std::make_shared<FolderVolumes>(mounts.path()));
    cards.view()->show();
    SelectDeviceViewController models;
    models.view()->show();
    QCoreApplication::processEvents();
    const QStringList findings = TextFit::overflowingTexts(cards.view()) + TextFit::overflowingTexts(models.view());
    EXPECT_TRUE(findings.isEmpty()) << GetParam().toStdString() << ":\n  " << findings.join(u"\n  "_s).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, SettingScreensTextFitTest, ::testing::Values(u"en"_s, u"fr"_s, u"ja"_s, u"pt"_s),
                         [](const ::testing::TestParamInfo<QString> &param) { return param.param.toStdString(); });

} // namespace
