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
