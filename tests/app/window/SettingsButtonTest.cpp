#include "core/Preferences.h"
#include "ui_MainWindow.h"

#include "app/window/MainWindowController.h"
#include "platform/FolderVolumes.h"
#include "settings/ini/editor/KRVSettingViewController.h"
#include "settings/record/QB62SettingManager.h"
#include "settings/record/SettingAlertPresenter.h"
#include "settings/screens/QB62SettingViewController.h"
#include "settings/screens/SelectDeviceViewController.h"
#include "settings/screens/SelectFlashMemoryViewController.h"
#include "settings/screens/SettingWindow.h"
#include "settings/screens/SettingsFlow.h"
#include "support/QtPrinters.h"
#include "support/TestSettings.h"
#include "ui/ImageButton.h"
#include "ui/RadioButton.h"

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>

using namespace Qt::StringLiterals;

namespace {
using Field = SettingRecordLayout::Field;

bool waitFor(const std::function<bool()> &condition)
{
    QDeadlineTimer deadline(8000);
    while (!condition()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Mounted "volumes" holding camera cards of the record editor's models; the Settings button is
// pressed on the main window and each modal screen answered by the next step.
class SettingsButtonTest : public ::testing::Test
{
protected:
    using Step = std::function<void(VexoViewController *)>;

    void SetUp() override
    {
        TestSettings::reset();
        Preferences::initializeLanguageSetting();
        QB62SettingManager::ChagneQB62SettingManager(std::make_shared<QB62SettingManager>());
        volumes = std::make_shared<FolderVolumes>(mounts.path());
    }

    void TearDown() override
    {
        controller.reset();
        QB62SettingManager::ChagneQB62SettingManager(std::make_shared<QB62SettingManager>());
    }

    QByteArray writeCard(const QString &name, qint64 modelType)
    {
        QB62SettingManager manager;
        manager.setModelType(modelType);
        manager.setLocalID(0);
        manager.loadDefaultValue();
        manager.setValue(Field::partition_type, 1);
        EXPECT_TRUE(QDir().mkpath(mounts.filePath(name))); // the card's folder: saving never makes it
        manager.setSettingDirPath(mounts.filePath(name));
        EXPECT_TRUE(manager.saveData());
        return readFile(mounts.filePath(name + u"/SETTING/setup.cfg"_s));
    }

    void open()
    {
        MainWindowController::Options options;
        options.volumes = volumes;
        options.splashMs = 0;
        controller = std::make_unique<MainWindowController>(std::move(options));
        controller->showMainWindow();
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
        }
        QObject::connect(controller->settingsFlow(), &SettingsFlow::modalScreenShown,
                         [this](VexoViewController *screen) {
                             shown.append(QString::fromLatin1(screen->metaObject()->className()));
                             if (steps.empty()) {
                                 ADD_FAILURE() << "no step for " << screen->metaObject()->className();
                                 // Cancelled, so an unexpected screen fails the test instead of hanging it.
                                 QTimer::singleShot(0, screen, [screen] {
                                     waitFor([screen] { return screen->view()->window()->isVisible(); });
                                     SettingWindow::endModal(screen->view(), 0);
                                 });
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

    void pressSettings() { QTest::mouseClick(controller->ui().settingsButton, Qt::LeftButton); }

    QTemporaryDir mounts;
    std::shared_ptr<FolderVolumes> volumes;
    std::unique_ptr<MainWindowController> controller;
    std::deque<Step> steps;
    QStringList shown;
};

void press(VexoViewController *screen, const QString &button)
{
    QTest::mouseClick(screen->view()->findChild<QPushButton *>(button), Qt::LeftButton);
}
} // namespace

TEST_F(SettingsButtonTest, OkWritesTheCardsRecordAndRefreshesTheModel)
{
    const QByteArray before = writeCard(u"CARD"_s, 1);
    open();
    ASSERT_TRUE(controller->ui().settingsButton->isEnabled());
    ASSERT_EQ(controller->ui().modelTextField->text(), u"QB62"_s);
    steps.push_back([this](VexoViewController *screen) {
        auto *editor = qobject_cast<QB62SettingViewController *>(screen);
        ASSERT_NE(editor, nullptr);
        QTest::mouseClick(editor->radioCells(u"etcMemoryPartitionRadioGroup"_s).at(2), Qt::LeftButton);
        controller->ui().modelTextField->setText(u"stale"_s);
        press(screen, u"okButton"_s);
    });
    pressSettings();
    EXPECT_EQ(shown, QStringList{u"QB62SettingViewController"_s});
    const QByteArray after = readFile(mounts.filePath(u"CARD/SETTING/setup.cfg"_s));
    ASSERT_EQ(after.size(), before.size());
    const int offset = SettingRecordLayout::offsetOf(Field::partition_type);
    for (qsizetype i = 0; i < after.size(); ++i) {
        if (i < offset || i >= offset + 4) {
            EXPECT_EQ(after.at(i), before.at(i)) << "byte " << i;
        }
    }
    EXPECT_EQ(after.at(offset), 3);
    EXPECT_EQ(controller->ui().modelTextField->text(), u"QB62"_s) << "the model display was refreshed";
}

TEST_F(SettingsButtonTest, CancelWritesNothing)
{
    const QByteArray before = writeCard(u"CARD"_s, 3);
    open();
    steps.push_back([](VexoViewController *screen) {
        auto *editor = qobject_cast<QB62SettingViewController *>(screen);
        ASSERT_NE(editor, nullptr);
        QTest::mouseClick(editor->radioCells(u"etcMemoryPartitionRadioGroup"_s).at(2), Qt::LeftButton);
        press(screen, u"cancelButton"_s);
    });
    pressSettings();
    EXPECT_EQ(shown, QStringList{u"QB62SettingViewController"_s});
    EXPECT_EQ(readFile(mounts.filePath(u"CARD/SETTING/setup.cfg"_s)), before);
}

TEST_F(SettingsButtonTest, TwoCardsTheSecondPickedIsEdited)
{
    const QByteArray first = writeCard(u"A"_s, 1);
    const QByteArray second = writeCard(u"B"_s, 1);
    open();
    // The folder in use is no card (as after Cancel in the model chooser): the card chooser opens.
    QB62SettingManager::SharedQB62SettingManager()->setSettingDirPath(QString());
    steps.push_back([](VexoViewController *screen) {
        auto *chooser = qobject_cast<SelectFlashMemoryViewController *>(screen);
        ASSERT_NE(chooser, nullptr);
        ASSERT_EQ(chooser->diskVolumes().size(), 2);
        chooser->flashMemoryComboBox()->setCurrentIndex(1);
        press(screen, u"okButton"_s);
    });
    steps.push_back([](VexoViewController *screen) {
        auto *editor = qobject_cast<QB62SettingViewController *>(screen);
        ASSERT_NE(editor, nullptr);
        QTest::mouseClick(editor->radioCells(u"etcMemoryPartitionRadioGroup"_s).at(1), Qt::LeftButton);
        press(screen, u"okButton"_s);
    });
    pressSettings();
    EXPECT_EQ(shown, (QStringList{u"SelectFlashMemoryViewController"_s, u"QB62SettingViewController"_s}));
    EXPECT_EQ(readFile(mounts.filePath(u"A/SETTING/setup.cfg"_s)), first);
    const QByteArray edited = readFile(mounts.filePath(u"B/SETTING/setup.cfg"_s));
    EXPECT_EQ(edited.at(SettingRecordLayout::offsetOf(Field::partition_type)), 2);
    EXPECT_NE(edited, second);
}

// The QF27 card's settings file cannot be read (it is not UTF-8): no editor opens on it (an empty
// one would write the clock lines alone over the file), the memory card alert says why.
TEST_F(SettingsButtonTest, AQF27FileThatCannotBeReadOpensNoEditor)
{
    class Alerts : public SettingAlertPresenter
    {
    public:
        void showAlert(const QString &title, const QString &message, const QString &) override
        {
            shown.append(title + u": "_s + message);
        }
        QStringList shown;
    };
    const QByteArray latin1 = "[blackbox]\r\nmodel=QF27\r\nname=Caf\xe9\r\n[time]\r\nset=0\r\n";
    QDir().mkpath(mounts.filePath(u"CARD/SETTING"_s));
    QFile file(mounts.filePath(u"CARD/SETTING/blackbox.cfg"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(latin1);
    file.close();
    open();
    // The window's own presenter would show a modal box; the test reads the alert instead.
    const auto alerts = std::make_shared<Alerts>();
    QB62SettingManager::SharedQB62SettingManager()->setAlertPresenter(alerts);
    // Should a settings window open all the same, it is closed with OK, as a user would.
    int windowsOpened = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&windowsOpened] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *window = qobject_cast<SettingWindow *>(widget);
            if (window != nullptr && window->isVisible()) {
                ++windowsOpened;
                window->done(1);
            }
        }
    });
    closer.start(50);
    pressSettings();
    closer.stop();
    EXPECT_EQ(windowsOpened, 0);
    ASSERT_EQ(alerts->shown.size(), 1) << alerts->shown.join(u'\n').toStdString();
    EXPECT_EQ(readFile(mounts.filePath(u"CARD/SETTING/blackbox.cfg"_s)), latin1);
}

// A card that holds no settings at all: the user picks it, then the QF27 in the model chooser.
// The INI editor keeps that model (no new recognition forgets it), so Reset brings back the
// factory settings that OK then writes.
TEST_F(SettingsButtonTest, TheQF27ChosenInTheModelChooserKeepsItsResetToFactorySettings)
{
    QDir().mkpath(mounts.filePath(u"CARD"_s));
    open();
    QB62SettingManager::SharedQB62SettingManager()->setSettingDirPath(QString());
    steps.push_back([](VexoViewController *screen) {
        ASSERT_NE(qobject_cast<SelectFlashMemoryViewController *>(screen), nullptr);
        press(screen, u"okButton"_s);
    });
    steps.push_back([](VexoViewController *screen) {
        auto *chooser = qobject_cast<SelectDeviceViewController *>(screen);
        ASSERT_NE(chooser, nullptr);
        chooser->modelComboBox()->setCurrentIndex(6);
        press(screen, u"okButton"_s);
    });
    // The INI editor's window is run by its opener: found among the windows, changed, reset and
    // confirmed. Any alert would be a fault here: it is written down and closed.
    QStringList alerts;
    bool edited = false;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&alerts, &edited] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(widget); box != nullptr && box->isVisible()) {
                alerts.append(box->text() + u": "_s + box->informativeText());
                box->done(0);
            }
            auto *window = qobject_cast<SettingWindow *>(widget);
            auto *editor = window != nullptr && window->isVisible()
                               ? qobject_cast<KRVSettingViewController *>(window->keyEventDelegate())
                               : nullptr;
            if (editor != nullptr && !edited) {
                edited = true;
                EXPECT_EQ(editor->model().applyPosition(u"parkingModeRadioGroup"_s, u"1"_s), QString());
                EXPECT_EQ(editor->model().applyPosition(u"speedUnitRadioGroup"_s, u"1"_s), QString());
                editor->resetButtonTouched();
                editor->okButtonTouched();
            }
        }
    });
    driver.start(50);
    // Without a recognised card the button is disabled; the flow it starts is the same.
    controller->settingsFlow()->settingButtonTouched();
    driver.stop();
    EXPECT_EQ(alerts, QStringList());
    EXPECT_EQ(shown, (QStringList{u"SelectFlashMemoryViewController"_s, u"SelectDeviceViewController"_s}));
    EXPECT_TRUE(edited);
    const QByteArray written = readFile(mounts.filePath(u"CARD/SETTING/blackbox.cfg"_s));
    EXPECT_TRUE(written.contains("park_mode=1")) << written.toStdString();
    EXPECT_TRUE(written.contains("osd_speed=1")) << written.toStdString();
}

// The language chosen in a settings window's menu is the one the main window's menu ticks.
TEST_F(SettingsButtonTest, TheSettingsWindowsLanguageMenuMovesTheMainWindowsTick)
{
    writeCard(u"CARD"_s, 1);
    open();
    QMenu *mainMenu = controller->languageMenu();
    ASSERT_NE(mainMenu, nullptr);
    ASSERT_TRUE(mainMenu->actions().at(0)->isChecked()) << "English to begin with";
    steps.push_back([](VexoViewController *screen) {
        auto *window = qobject_cast<SettingWindow *>(screen->view()->window());
        ASSERT_NE(window, nullptr);
        window->languageChangeToFrench();
        press(screen, u"cancelButton"_s);
    });
    pressSettings();
    ASSERT_TRUE(waitFor([&] {
        const QList<QAction *> checked = mainMenu->actions();
        return std::count_if(checked.cbegin(), checked.cend(), [](QAction *a) { return a->isChecked(); }) == 1 &&
               checked.at(1)->isChecked();
    })) << "the French item is ticked, and only it";
    EXPECT_EQ(Preferences::language(), u"fr"_s);
}
