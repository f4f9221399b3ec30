// The viewer on cards and destinations the user did not make: a failed card write is told, a full
// disk or a pipe never takes a saved copy, and pipes or links on the card never stop start-up.
#include "core/Preferences.h"
#include "core/VexoLanguages.h"
#include "library/RecordingLibrary.h"
#include "ui_MainWindow.h"

#include "app/window/MainWindow.h"
#include "app/window/MainWindowController.h"
#include "app/window/MessageBoxAlertPresenter.h"
#include "platform/FolderVolumes.h"
#include "settings/record/QB62SettingManager.h"
#include "support/CardFolder.h"
#include "support/QtPrinters.h"
#include "support/SmallFileSystem.h"
#include "support/TestSettings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
void drain()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
    }
}

class CardFilesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestSettings::reset();
        Preferences::initializeLanguageSetting();
        QB62SettingManager::ChagneQB62SettingManager(std::make_shared<QB62SettingManager>());
        card.write(u"SETTING/blackbox.cfg"_s, "");
        card.write(u"cont_rec/A_F.mp4"_s, "front bytes");
    }

    std::unique_ptr<MainWindowController> open()
    {
        MainWindowController::Options options;
        options.cardPath = card.path();
        options.volumes = std::make_shared<FolderVolumes>(mounts.path());
        options.splashMs = 0;
        auto controller = std::make_unique<MainWindowController>(std::move(options));
        controller->showMainWindow();
        drain();
        return controller;
    }

    // Runs ACT and closes the first modal box it opens; that box, as it was shown.
    struct Shown
    {
        bool opened = false;
        QString objectName;
        QString title;
        QString text;
        QStringList buttons;
    };
    static Shown closingModal(const std::function<void()> &act)
    {
        Shown shown;
        QTimer::singleShot(0, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                shown.opened = true;
                shown.objectName = box->objectName();
                shown.title = box->windowTitle();
                shown.text = box->text();
                for (QAbstractButton *button : box->buttons()) {
                    shown.buttons.append(button->text());
                }
                box->done(0);
            }
        });
        act();
        drain();
        return shown;
    }

    CardFolder card;
    QTemporaryDir mounts;
};

TEST_F(CardFilesTest, AFailedCardWriteShowsTheMemoryCardAlert)
{
    auto controller = open();
    const std::shared_ptr<QB62SettingManager> settings = QB62SettingManager::SharedQB62SettingManager();
    ASSERT_EQ(settings->settingDirPath(), card.path());
    // A folder where the record should be: it can be neither read nor replaced.
    QDir().mkpath(card.filePath(u"SETTING/setup.cfg"_s));
    settings->setModelType(1);

    bool saved = true;
    const Shown shown = closingModal([&] { saved = settings->saveData(); });
    EXPECT_FALSE(saved);
    ASSERT_TRUE(shown.opened) << "a failed write must never look like success";
    EXPECT_EQ(shown.objectName, QString::fromLatin1(MessageBoxAlertPresenter::ObjectName));
    EXPECT_EQ(shown.title, u"Memory Card Error"_s);
    EXPECT_EQ(shown.text, u"Please check the memory card."_s);
    EXPECT_EQ(shown.buttons, QStringList{u"OK"_s});

    // A replaced shared object keeps telling the user; and in the language chosen.
    QB62SettingManager::ChagneQB62SettingManager(std::make_shared<QB62SettingManager>());
    Preferences::changeLanguage(u"ja"_s);
    const Shown again = closingModal([] { QB62SettingManager::SharedQB62SettingManager()->saveData(); });
    ASSERT_TRUE(again.opened);
    EXPECT_EQ(again.title, VexoLanguages::SharedVexoLanguages().localized(u"메모리카드 오류"_s, u"ja"_s));
}
} // namespace
