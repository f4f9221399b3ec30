#include "core/Preferences.h"

#include "settings/ini/KRVSettingManager.h"
#include "settings/ini/editor/KRVSettingViewController.h"
#include "settings/record/QB62SettingManager.h"
#include "support/CardFolder.h"
#include "support/TestSettings.h"
#include "support/TextFit.h"

#include <QCoreApplication>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Every caption of the QF27 editor fits its control in every language, on the camera's own
// factory settings, measured with the control's own font as the offscreen platform renders it.
class KRVSettingTextFitTest : public ::testing::TestWithParam<QString>
{
};

TEST_P(KRVSettingTextFitTest, EveryCaptionOfTheQF27EditorFits)
{
    TestSettings::reset();
    Preferences::initializeLanguageSetting();
    Preferences::changeLanguage(GetParam());
    CardFolder card;
    QFile factory(u":/factory/default_QF27.cfg"_s);
    ASSERT_TRUE(factory.open(QIODevice::ReadOnly));
    card.write(u"SETTING/blackbox.cfg"_s, factory.readAll());
    auto cardSettings = std::make_shared<QB62SettingManager>();
    cardSettings->setSettingDirPath(card.path());
    cardSettings->setModelType(KRVSettingManager::ModelTypeQF27);
    auto manager = std::make_shared<KRVSettingManager>();
    manager->setCardSettings(cardSettings);
    manager->loadData();
    KRVSettingViewController screen(manager);
    screen.view()->show();
    QCoreApplication::processEvents();
    const QStringList findings = TextFit::overflowingTexts(screen.view());
    EXPECT_TRUE(findings.isEmpty()) << GetParam().toStdString() << ":\n  " << findings.join(u"\n  "_s).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, KRVSettingTextFitTest, ::testing::Values(u"en"_s, u"fr"_s, u"ja"_s, u"pt"_s),
                         [](const ::testing::TestParamInfo<QString> &param) { return param.param.toStdString(); });

} // namespace
