#include "settings/screens/SettingsFlow.h"

#include "ScreenTestSupport.h"
#include "ui_QB62SettingViewController.h"

#include "platform/FolderVolumes.h"
#include "settings/screens/QB62SettingViewController.h"
#include "settings/screens/SelectDeviceViewController.h"
#include "settings/screens/SelectFlashMemoryViewController.h"
#include "settings/screens/SettingWindow.h"
#include "settings/screens/SettingsFlowHost.h"
#include "support/QtPrinters.h"
#include "support/TestSettings.h"
#include "ui/RadioButton.h"

#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>

using namespace Qt::StringLiterals;
using screentest::waitFor;

namespace {
using Field = SettingRecordLayout::Field;

class FakeHost : public SettingsFlowHost
{
public:
    QWidget *settingsParentWindow() const override { return window.get(); }
    void pauseVideo() override { ++pauses; }
    void updateModelInfo() override
    {
        ++updates;
        QB62SettingManager::SharedQB62SettingManager()->loadVersionInfo();
    }

    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    int pauses = 0;
    int updates = 0;
};

// Two folders that count as mounted removable volumes, A and B, and the flow over them. Each modal
// screen the flow opens is answered by the next scripted step, once its window is up.
class SettingsFlowTest : public ::testing::Test
{
protected:
    using Step = std::function<void(VexoViewController *screen)>;

    void SetUp() override
    {
        TestSettings::reset();
        QDir(mounts.path()).mkpath(u"A"_s);
        QDir(mounts.path()).mkpath(u"B"_s);
        volumes = std::make_shared<FolderVolumes>(mounts.path());
        auto manager = std::make_shared<QB62SettingManager>();
        manager->setVolumeSource(volumes);
        manager->setAlertPresenter(alerts);
        QB62SettingManager::ChagneQB62SettingManager(manager);
        host.window->resize(800, 600);
        host.window->show();
        flow = std::make_unique<SettingsFlow>(host, SettingsFlow::Options{volumes, {}});
        flow->setAlertPresenter(alerts);
        QObject::connect(flow.get(), &SettingsFlow::modalScreenShown, [this](VexoViewController *screen) {
            shown.append(QString::fromLatin1(screen->metaObject()->className()));
            if (steps.empty()) {
                ADD_FAILURE() << "no step for " << screen->metaObject()->className();
                return;
            }
            Step step = steps.front();
            steps.pop_front();
            QTimer::singleShot(0, screen, [screen, step] {
                ASSERT_TRUE(waitFor([screen] {
                    return qobject_cast<SettingWindow *>(screen->view()->window()) &&
                           screen->view()->window()->isVisible();
                }));
                step(screen);
            });
        });
    }

    void TearDown() override { QB62SettingManager::ChagneQB62SettingManager(std::make_shared<QB62SettingManager>()); }

    QString card(const QString &name) const { return QDir(mounts.path()).filePath(name); }

    QTemporaryDir mounts;
    std::shared_ptr<FolderVolumes> volumes;
    std::shared_ptr<screentest::Alerts> alerts = std::make_shared<screentest::Alerts>();
    FakeHost host;
    std::unique_ptr<SettingsFlow> flow;
    std::deque<Step> steps;
    QStringList shown;
};

void pressOk(VexoViewController *screen)
{
    QTest::mouseClick(screen->view()->findChild<QPushButton *>(u"okButton"_s), Qt::LeftButton);
}

void pressCancel(VexoViewController *screen)
{
    QTest::mouseClick(screen->view()->findChild<QPushButton *>(u"cancelButton"_s), Qt::LeftButton);
}
} // namespace

TEST_F(SettingsFlowTest, TheCardTheUserPicksIsTheCardEdited)
{
    const QByteArray recordA = screentest::writeCard(card(u"A"_s), 1);
    const QByteArray recordB = screentest::writeCard(card(u"B"_s), 1);
    // No card in use: the Settings button asks which volume is the card.
    steps.push_back([](VexoViewController *screen) {
        auto *chooser = qobject_cast<SelectFlashMemoryViewController *>(screen);
        ASSERT_NE(chooser, nullptr);
        ASSERT_EQ(chooser->diskVolumes().size(), 2);
        EXPECT_EQ(chooser->flashMemoryComboBox()->itemText(1), u"B"_s);
        EXPECT_EQ(chooser->flashMemoryComboBox()->currentIndex(), 1) << "the last volume is offered";
        chooser->flashMemoryComboBox()->setCurrentIndex(1);
        pressOk(screen);
    });
    steps.push_back([](VexoViewController *screen) {
        auto *editor = qobject_cast<QB62SettingViewController *>(screen);
        ASSERT_NE(editor, nullptr);
        QTest::mouseClick(editor->radioCells(u"alwaysRadioGroupFrontResolution"_s).at(0), Qt::LeftButton);
        pressOk(screen);
    });
    flow->settingButtonTouched();
    EXPECT_EQ(shown, (QStringList{u"SelectFlashMemoryViewController"_s, u"QB62SettingViewController"_s}));
    EXPECT_EQ(host.pauses, 1);
    EXPECT_GE(host.updates, 2); // after the card was picked, and after OK
    EXPECT_EQ(screentest::readFile(card(u"A/SETTING/setup.cfg"_s)), recordA);
    const QByteArray written = screentest::readFile(card(u"B/SETTING/setup.cfg"_s));
    EXPECT_NE(written, recordB);
    EXPECT_EQ(written.size(), recordB.size());
    // The main window's next look at the volumes still finds the card the user picked.
    EXPECT_EQ(QB62SettingManager::SharedQB62SettingManager()->settingDirPath(), card(u"B"_s));
}

TEST_F(SettingsFlowTest, ACardInUseOpensItsEditorAndCancelWritesNothing)
{
    const QByteArray recordA = screentest::writeCard(card(u"A"_s), 3);
    QB62SettingManager::SharedQB62SettingManager()->loadVersionInfo();
    steps.push_back([](VexoViewController *screen) {
        auto *editor = qobject_cast<QB62SettingViewController *>(screen);
        ASSERT_NE(editor, nullptr);
        QTest::mouseClick(editor->radioCells(u"etcMemoryPartitionRadioGroup"_s).at(2), Qt::LeftButton);
        pressCancel(screen);
    });
    flow->settingButtonTouched();
    EXPECT_EQ(shown, QStringList{u"QB62SettingViewController"_s});
    EXPECT_EQ(screentest::readFile(card(u"A/SETTING/setup.cfg"_s)), recordA);
}

TEST_F(SettingsFlowTest, TheModelChooserAppliesTheModelsDefaultsOrForgetsTheFolder)
{
    // A volume without a record: the model chooser, then the editor with QD34 UK defaults.
    steps.push_back([](VexoViewController *screen) { pressOk(screen); }); // the card chooser: B
    steps.push_back([](VexoViewController *screen) {
        auto *chooser = qobject_cast<SelectDeviceViewController *>(screen);
        ASSERT_NE(chooser, nullptr);
        EXPECT_EQ(chooser->modelComboBox()->count(), 29);
        chooser->modelComboBox()->setCurrentIndex(4);
        pressOk(screen);
    });
    steps.push_back([](VexoViewController *screen) { pressOk(screen); });
    flow->settingButtonTouched();
    EXPECT_EQ(shown.size(), 3);
    const auto manager = QB62SettingManager::SharedQB62SettingManager();
    EXPECT_EQ(manager->localID(), 3);
    EXPECT_TRUE(QFile::exists(card(u"B/SETTING/setup.cfg"_s)));

    // Cancel in the model chooser forgets the folder, so the next press starts with the card chooser.
    shown.clear();
    QDir(card(u"B/SETTING"_s)).removeRecursively();
    manager->setSettingDirPath(card(u"B"_s));
    steps.push_back([](VexoViewController *screen) { pressCancel(screen); });
    flow->settingButtonTouched();
    EXPECT_EQ(shown, QStringList{u"SelectDeviceViewController"_s});
    EXPECT_TRUE(manager->settingDirPath().isEmpty());
}

TEST_F(SettingsFlowTest, WithoutAnyVolumeTheChooserOnlyCancels)
{
    QDir(card(u"A"_s)).removeRecursively();
    QDir(card(u"B"_s)).removeRecursively();
    steps.push_back([](VexoViewController *screen) {
        auto *chooser = qobject_cast<SelectFlashMemoryViewController *>(screen);
        EXPECT_FALSE(chooser->okButton()->isEnabled());
        EXPECT_TRUE(chooser->selectedFlashMeoryUrl().isEmpty());
        pressCancel(screen);
    });
    flow->settingButtonTouched();
    EXPECT_EQ(shown, QStringList{u"SelectFlashMemoryViewController"_s});
}

TEST_F(SettingsFlowTest, ScreensStillToComeSayTheyAreNotAvailableUntilPluggedIn)
{
    const auto manager = QB62SettingManager::SharedQB62SettingManager();
    manager->setModelType(6);
    flow->showSettingWindow_KRV();
    manager->setModelType(21);
    flow->showSettingWindow(); // routes the web-page models away from the record editor
    ASSERT_EQ(alerts->shown.size(), 2);
    EXPECT_TRUE(shown.isEmpty());

    int krv = 0;
    int web = 0;
    flow->setKrvSettingWindowOpener([&krv](SettingsFlow &) { ++krv; });
    flow->setWebSettingWindowOpener([&web](SettingsFlow &) { ++web; });
    flow->showSettingWindow_KRV();
    flow->showSettingWindow();
    EXPECT_EQ(krv, 1);
    EXPECT_EQ(web, 1);
    EXPECT_EQ(alerts->shown.size(), 2);
}

TEST_F(SettingsFlowTest, NoScreenOpensOnACardWhoseSettingsFolderLeadsOutOfIt)
{
    // A card in use whose SETTING folder is a link to a folder beside it, holding a record.
    QTemporaryDir outside;
    const QByteArray theirs = screentest::writeCard(outside.path(), 1);
    ASSERT_TRUE(QFile::link(QDir(outside.path()).filePath(u"SETTING"_s), card(u"A/SETTING"_s)));
    const auto manager = QB62SettingManager::SharedQB62SettingManager();
    manager->recognizeCardAtPath(card(u"A"_s));
    int krv = 0;
    int web = 0;
    flow->setKrvSettingWindowOpener([&krv](SettingsFlow &) { ++krv; });
    flow->setWebSettingWindowOpener([&web](SettingsFlow &) { ++web; });
    alerts->shown.clear();
    // Were a record editor to open (types 1 and 6 through showSettingWindow), it is cancelled.
    steps.push_back(pressCancel);
    steps.push_back(pressCancel);
    for (const qint64 type : {1, 6, 21}) {
        manager->setModelType(type);
        flow->showSettingWindow();
        flow->showSettingWindow_KRV();
        flow->showWebSettingWindow();
    }
    EXPECT_TRUE(shown.isEmpty()) << shown.join(u' ').toStdString();
    EXPECT_EQ(krv, 0);
    EXPECT_EQ(web, 0);
    ASSERT_EQ(alerts->shown.size(), 9);
    EXPECT_EQ(screentest::readFile(QDir(outside.path()).filePath(u"SETTING/setup.cfg"_s)), theirs);
}
