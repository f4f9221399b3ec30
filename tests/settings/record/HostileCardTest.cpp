// The settings object on cards the user did not make: full, holding links, pipes, devices or another
// camera's record. The viewer and the command-line tool share these paths.
#include "settings/record/QB62SettingManager.h"
#include "settings/record/SettingAlertPresenter.h"
#include "settings/record/SettingRecordLayout.h"
#include "support/CardFolder.h"
#include "support/QtPrinters.h"
#include "support/SmallFileSystem.h"
#include "support/TestSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <functional>
#include <future>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
using L = SettingRecordLayout;
const QString Record = u"SETTING/setup.cfg"_s;

class CountedAlerts : public SettingAlertPresenter
{
public:
    void showAlert(const QString &, const QString &, const QString &) override { ++count; }
    int count = 0;
};

class HostileCardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestSettings::reset();
        manager.setAlertPresenter(alerts);
    }

    bool isRegular(const QString &relative) const
    {
        struct stat status
        {
        };
        return ::lstat(QFile::encodeName(card.filePath(relative)).constData(), &status) == 0 && S_ISREG(status.st_mode);
    }

    CardFolder card;
    std::shared_ptr<CountedAlerts> alerts = std::make_shared<CountedAlerts>();
    QB62SettingManager manager;
};

// Runs ACT on its own thread and says whether it ended within a few seconds. When it did not, the
// pipes in FIFOS are opened for writing once, which lets a reader stuck in opening them go on, so
// the test fails instead of hanging.
bool endsPromptly(const std::function<void()> &act, const QStringList &fifos)
{
    std::future<void> done = std::async(std::launch::async, act);
    if (done.wait_for(std::chrono::seconds(5)) == std::future_status::ready) {
        return true;
    }
    for (int round = 0; round < 50 && done.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready;
         ++round) {
        for (const QString &fifo : fifos) {
            const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                ::close(fd);
            }
        }
    }
    return false;
}
} // namespace

TEST_F(HostileCardTest, AFullCardKeepsItsRecordAndShowsTheAlert)
{
    SmallFileSystem fs;
    if (!fs.isMounted()) {
        GTEST_SKIP() << fs.skipReason().toStdString();
    }
    // A short record of a known model: reading it grows it to 432 bytes, which no longer fit.
    const QByteArray record = CardFolder::record(215, "QB62", 215);
    QDir().mkpath(fs.filePath(u"SETTING"_s));
    QFile file(fs.filePath(Record));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(record), record.size());
    file.close();
    ASSERT_TRUE(fs.fill());

    manager.recognizeCardAtPath(fs.path());
    ASSERT_EQ(manager.modelType(), 1);
    manager.loadData();
    EXPECT_EQ(alerts->count, 1);
    EXPECT_FALSE(manager.lastError().isEmpty());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), record);
    file.close();

    EXPECT_FALSE(manager.saveData());
    EXPECT_EQ(alerts->count, 2);
    EXPECT_EQ(QDir(fs.filePath(u"SETTING"_s)).entryList(QDir::Files | QDir::Hidden), QStringList{u"setup.cfg"_s});
}

TEST_F(HostileCardTest, LinksOutOfTheCardAreNeitherReadNorReplaced)
{
    CardFolder elsewhere;
    const QByteArray theirs = CardFolder::record(432, "QB62", 432);
    const QString target = elsewhere.write(u"target.cfg"_s, theirs);

    // The record itself a link.
    QDir().mkpath(card.filePath(u"SETTING"_s));
    ASSERT_TRUE(QFile::link(target, card.filePath(Record)));
    manager.recognizeCardAtPath(card.path());
    EXPECT_EQ(manager.modelType(), -1);
    manager.setModelType(1);
    EXPECT_EQ(manager.loadData(), QB62SettingManager::LoadResult::Unreadable);
    EXPECT_TRUE(manager.lastError().contains(u"link"_s)) << manager.lastError().toStdString();
    EXPECT_TRUE(manager.text(L::product_name).isNull());
    EXPECT_FALSE(manager.saveData());
    EXPECT_EQ(alerts->count, 1);
    EXPECT_TRUE(QFileInfo(card.filePath(Record)).isSymLink());
    EXPECT_EQ(elsewhere.read(u"target.cfg"_s), theirs);

    // The settings folder a link out of the card.
    QDir(card.filePath(u"SETTING"_s)).removeRecursively();
    QFile::remove(card.filePath(u"SETTING"_s));
    ASSERT_TRUE(QFile::link(elsewhere.path(), card.filePath(u"SETTING"_s)));
    elsewhere.write(u"setup.cfg"_s, theirs);
    manager.recognizeCardAtPath(card.path());
    EXPECT_EQ(manager.modelType(), -1);
    manager.setModelType(1);
    EXPECT_EQ(manager.loadData(), QB62SettingManager::LoadResult::Unreadable);
    EXPECT_TRUE(manager.lastError().contains(u"outside the card"_s)) << manager.lastError().toStdString();
    EXPECT_FALSE(manager.saveData());
    EXPECT_EQ(elsewhere.read(u"setup.cfg"_s), theirs);
    EXPECT_FALSE(elsewhere.exists(u"default.cfg"_s));
}

TEST_F(HostileCardTest, DevicesAndPipesOnTheCardAreNeitherReadNorReplaced)
{
    QDir().mkpath(card.filePath(u"SETTING/lang"_s));
    // The null device: reading it gives nothing, writing swallows everything, replacing it would
    // turn it into a plain file.
    if (::mknod(QFile::encodeName(card.filePath(Record)).constData(), S_IFCHR | 0600, makedev(1, 3)) != 0) {
        GTEST_SKIP() << "making a device node needs root";
    }
    manager.recognizeCardAtPath(card.path());
    manager.chooseModelType(1);
    EXPECT_EQ(manager.loadData(), QB62SettingManager::LoadResult::Unreadable);
    EXPECT_FALSE(manager.saveData());
    struct stat status
    {
    };
    ASSERT_EQ(::lstat(QFile::encodeName(card.filePath(Record)).constData(), &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode));
}

TEST_F(HostileCardTest, PipesOnTheCardNeverBlockRecognitionOrLoading)
{
    QDir().mkpath(card.filePath(u"SETTING/lang"_s));
    const QString record = card.filePath(Record);
    const QString languages = card.filePath(u"SETTING/lang/ver.dat"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(record).constData(), 0600), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(languages).constData(), 0600), 0);
    card.write(u"SETTING/blackbox.cfg"_s, "");

    QB62SettingManager::LoadResult result = QB62SettingManager::LoadResult::Read;
    ASSERT_TRUE(endsPromptly(
        [&] {
            manager.recognizeCardAtPath(card.path());
            manager.setModelType(1);
            result = manager.loadData();
        },
        {record, languages}));
    EXPECT_EQ(result, QB62SettingManager::LoadResult::Unreadable);
    EXPECT_TRUE(manager.text(L::version).isNull());

    // A real record beside a pipe for the language list.
    QFile::remove(record);
    card.write(Record, CardFolder::record(432, "QB62", 432));
    ASSERT_TRUE(endsPromptly(
        [&] {
            manager.recognizeCardAtPath(card.path());
            result = manager.loadData();
        },
        {languages}));
    EXPECT_EQ(manager.modelType(), 1);
    EXPECT_EQ(result, QB62SettingManager::LoadResult::Read);
    EXPECT_EQ(manager.languages(), (CardLanguageList{{0, u"en"_s}, {1, u"fr"_s}, {4, u"es"_s}}));
    EXPECT_FALSE(isRegular(u"SETTING/lang/ver.dat"_s));
}

TEST_F(HostileCardTest, AnotherCamerasRecordIsReadButNeverRewritten)
{
    // 25 bytes of a camera no table lists, with no length field of its own.
    QByteArray foreign = CardFolder::record(25, "OTHERCAM-7", 1234);
    foreign[24] = 'z';
    card.write(Record, foreign);
    card.write(u"SETTING/blackbox.cfg"_s, ""); // so the card still counts as a camera card
    manager.recognizeCardAtPath(card.path());
    ASSERT_EQ(manager.modelType(), 6);

    EXPECT_EQ(manager.loadData(), QB62SettingManager::LoadResult::ReadNotRewritten);
    EXPECT_EQ(card.read(Record), foreign);
    EXPECT_FALSE(manager.lastError().isEmpty());

    // The user's choice of model is what makes it ours to rewrite; it is never made shorter.
    manager.chooseModelType(1);
    EXPECT_EQ(manager.loadData(), QB62SettingManager::LoadResult::Read);
    EXPECT_EQ(card.read(Record).size(), 432);
    EXPECT_EQ(card.read(Record).first(24), foreign.first(24));

    // A fresh recognition forgets the choice.
    card.write(Record, foreign);
    manager.recognizeCardAtPath(card.path());
    manager.setModelType(1);
    EXPECT_EQ(manager.loadData(), QB62SettingManager::LoadResult::ReadNotRewritten);
    EXPECT_EQ(card.read(Record), foreign);
    EXPECT_EQ(alerts->count, 0);
}
