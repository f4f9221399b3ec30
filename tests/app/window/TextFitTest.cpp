#include "support/TextFit.h"

#include "core/Preferences.h"
#include "ui_MainWindow.h"

#include "app/ConversionProgress.h"
#include "app/window/MainWindow.h"
#include "app/window/MainWindowController.h"
#include "app/window/PlaybackController.h"
#include "platform/FolderVolumes.h"
#include "settings/record/QB62SettingManager.h"
#include "support/TestSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Every caption of the main window fits its control in every language the viewer offers, measured
// with the control's own font as the offscreen platform renders it.
class MainWindowTextFitTest : public ::testing::TestWithParam<QString>
{
protected:
    void SetUp() override
    {
        TestSettings::reset();
        Preferences::initializeLanguageSetting();
        Preferences::changeLanguage(GetParam());
        QB62SettingManager::ChagneQB62SettingManager(std::make_shared<QB62SettingManager>());
        for (const QString &relative : {u"CARD/SETTING/blackbox.cfg"_s, u"CARD/cont_rec/A_F.mp4"_s}) {
            const QString path = mounts.filePath(relative);
            QDir().mkpath(QFileInfo(path).path());
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }

    QTemporaryDir mounts;
};

TEST_P(MainWindowTextFitTest, EveryCaptionFitsItsControl)
{
    MainWindowController::Options options;
    options.volumes = std::make_shared<FolderVolumes>(mounts.path());
    options.splashMs = 0;
    MainWindowController controller(std::move(options));
    controller.showMainWindow();
    // The conversion indicator over the player, as a long conversion shows it.
    ConversionProgress *progress = controller.playback()->conversionProgress();
    progress->setShowDelayMs(0);
    progress->begin(u"20261207_081500_F.mp4"_s);
    progress->setShare(0.42);
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
    }
    const QStringList findings =
        TextFit::overflowingTexts(controller.mainWindow(), {controller.ui().fileListTableView->objectName()});
    EXPECT_TRUE(findings.isEmpty()) << GetParam().toStdString() << ":\n  " << findings.join(u"\n  "_s).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, MainWindowTextFitTest, ::testing::Values(u"en"_s, u"fr"_s, u"ja"_s, u"pt"_s),
                         [](const ::testing::TestParamInfo<QString> &param) { return param.param.toStdString(); });

} // namespace
