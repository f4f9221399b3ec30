// Tests run on developers' own machines: everything a test or the code under test may write
// through the platform's folders must land in the test's private folder, never in the user's home,
// documents, settings or the system's temporary folder.
#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
TEST(PrivateFoldersTest, EveryPlatformFolderIsInsideTheTestsOwnFolder)
{
    const QString home = QDir::homePath();
    ASSERT_TRUE(home.contains(u"/velmora-test-"_s)) << home.toStdString();
    const QString root = QFileInfo(home).path();
    const auto inside = [&root](const QString &path) {
        return path.startsWith(root + u'/');
    };

    for (const auto location :
         {QStandardPaths::DocumentsLocation, QStandardPaths::MoviesLocation, QStandardPaths::AppConfigLocation,
          QStandardPaths::AppDataLocation, QStandardPaths::CacheLocation, QStandardPaths::RuntimeLocation,
          QStandardPaths::TempLocation, QStandardPaths::GenericDataLocation}) {
        const QString path = QStandardPaths::writableLocation(location);
        EXPECT_TRUE(inside(path)) << int(location) << ' ' << path.toStdString();
    }
    EXPECT_TRUE(inside(QDir::tempPath())) << QDir::tempPath().toStdString();
    EXPECT_TRUE(inside(QSettings().fileName())) << QSettings().fileName().toStdString();
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    EXPECT_TRUE(inside(file.fileName())) << file.fileName().toStdString();
    // Programs the tests start see the same folders.
    EXPECT_EQ(qEnvironmentVariable("HOME"), home);
    EXPECT_TRUE(inside(qEnvironmentVariable("TMPDIR")));
    EXPECT_TRUE(inside(qEnvironmentVariable("XDG_CONFIG_HOME")));
}
} // namespace
