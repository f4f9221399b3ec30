// The viewer on cards and destinations the user did not make: a failed card write is told, a full
// disk or a pipe never takes a saved copy, and pipes or links on the card never stop start-up.
#include "core/Preferences.h"
#include "core/VexoLanguages.h"
#include "library/RecordingLibrary.h"
#include "ui_MainWindow.h"

#include "app/CardFollower.h"
#include "app/window/MainWindow.h"
#include "app/window/MainWindowController.h"
#include "platform/FolderVolumes.h"
#include "settings/record/QB62SettingManager.h"
#include "settings/screens/MessageBoxAlertPresenter.h"
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
#include <QTest>
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

// Should the window's thread get stuck opening one of these pipes, opens them for writing after a
// few seconds so it goes on; released() then says the test would have hung.
class PipeReleaser
{
public:
    explicit PipeReleaser(QStringList fifos)
        : m_thread([this, fifos = std::move(fifos)] {
              const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
              while (!m_done && std::chrono::steady_clock::now() < deadline) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(20));
              }
              while (!m_done) {
                  m_released = true;
                  for (const QString &fifo : fifos) {
                      const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
                      if (fd >= 0) {
                          ::close(fd);
                      }
                  }
                  std::this_thread::sleep_for(std::chrono::milliseconds(20));
              }
          })
    {
    }
    ~PipeReleaser() { finish(); }
    PipeReleaser(const PipeReleaser &) = delete;
    PipeReleaser &operator=(const PipeReleaser &) = delete;

    // Ends the watch; whether the pipes had to be released.
    bool finish()
    {
        m_done = true;
        if (m_thread.joinable()) {
            m_thread.join();
        }
        return m_released;
    }

private:
    std::atomic<bool> m_done{false};
    std::atomic<bool> m_released{false};
    std::thread m_thread;
};

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

TEST_F(CardFilesTest, AFullCardShowsTheAlertAndKeepsTheRecord)
{
    SmallFileSystem fs;
    if (!fs.isMounted()) {
        GTEST_SKIP() << fs.skipReason().toStdString();
    }
    const QByteArray record = CardFolder::record(215, "QB62", 215);
    QDir().mkpath(fs.filePath(u"SETTING"_s));
    QFile file(fs.filePath(u"SETTING/setup.cfg"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(record), record.size());
    file.close();
    auto controller = open();
    ASSERT_TRUE(fs.fill());

    const std::shared_ptr<QB62SettingManager> settings = QB62SettingManager::SharedQB62SettingManager();
    settings->recognizeCardAtPath(fs.path());
    ASSERT_EQ(settings->modelType(), 1);
    const Shown shown = closingModal([&] { settings->loadData(); });
    EXPECT_TRUE(shown.opened);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), record);
}

TEST_F(CardFilesTest, ASavedCopyNeverReplacesAPipeAndNeverLandsHalfOnAFullDisk)
{
    auto controller = open();
    const QUrl source = QUrl::fromLocalFile(card.filePath(u"cont_rec/A_F.mp4"_s));
    const QString pipe = mounts.filePath(u"copy.mp4"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    PipeReleaser releaser({pipe});
    EXPECT_FALSE(controller->saveCopyOfRecording(source, pipe));
    EXPECT_FALSE(releaser.finish());
    struct stat status
    {
    };
    ASSERT_EQ(::lstat(QFile::encodeName(pipe).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    auto *alert = controller->mainWindow()->findChild<QMessageBox *>(u"saveFailedAlert"_s);
    ASSERT_NE(alert, nullptr);
    alert->close();
    drain();

    SmallFileSystem fs;
    if (!fs.isMounted()) {
        GTEST_SKIP() << fs.skipReason().toStdString();
    }
    QFile older(fs.filePath(u"copy.mp4"_s));
    ASSERT_TRUE(older.open(QIODevice::WriteOnly));
    older.write("older copy");
    older.close();
    ASSERT_TRUE(fs.fill());
    // The temporary file may still be made: then the copy fails on its worker.
    controller->saveCopyOfRecording(source, older.fileName());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !controller->isSavingCopy(); }, 30000));
    drain();
    ASSERT_TRUE(older.open(QIODevice::ReadOnly));
    EXPECT_EQ(older.readAll(), QByteArray("older copy"));
    EXPECT_NE(controller->mainWindow()->findChild<QMessageBox *>(u"saveFailedAlert"_s), nullptr);
}

TEST_F(CardFilesTest, PipesAndLinksOnTheCardNeitherStopStartUpNorCount)
{
    QDir().mkpath(card.filePath(u"SETTING/lang"_s));
    const QString languages = card.filePath(u"SETTING/lang/ver.dat"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(languages).constData(), 0600), 0);
    // A QB62 record reached through a link: not this card's, so the card stays the INI camera's.
    CardFolder elsewhere;
    const QString target = elsewhere.write(u"setup.cfg"_s, CardFolder::record(432, "QB62", 432));
    ASSERT_TRUE(QFile::link(target, card.filePath(u"SETTING/setup.cfg"_s)));

    PipeReleaser releaser({languages});
    auto controller = open();
    controller->cardFollower()->updateModelInfo();
    EXPECT_FALSE(releaser.finish()) << "start-up waited on a pipe";
    EXPECT_EQ(QB62SettingManager::SharedQB62SettingManager()->modelType(), 6);
    EXPECT_EQ(controller->ui().modelTextField->text(), u"QF27"_s);
    EXPECT_EQ(controller->library()->rowCount(), 1);

    // The record itself a pipe.
    QFile::remove(card.filePath(u"SETTING/setup.cfg"_s));
    const QString record = card.filePath(u"SETTING/setup.cfg"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(record).constData(), 0600), 0);
    PipeReleaser again({record, languages});
    controller->cardFollower()->updateModelInfo();
    EXPECT_FALSE(again.finish()) << "a card refresh waited on a pipe";
    EXPECT_EQ(QB62SettingManager::SharedQB62SettingManager()->modelType(), 6);
}
} // namespace
