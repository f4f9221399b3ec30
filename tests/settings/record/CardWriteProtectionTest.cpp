// A card whose lock switch is set is mounted read-only. Every write of its settings fails, and the
// alert says that the card is write-protected, not only "please check the memory card".
#include "settings/record/CardWriteProtection.h"

#include "core/VexoLanguages.h"

#include "settings/record/QB62SettingManager.h"
#include "settings/record/SettingAlertPresenter.h"
#include "support/QtPrinters.h"
#include "support/SmallFileSystem.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
class RecordingAlerts : public SettingAlertPresenter
{
public:
    void showAlert(const QString &title, const QString &message, const QString &) override
    {
        shown.append(title + u": "_s + message);
    }
    QStringList shown;
};

QString alertText(const QString &messageKey)
{
    VexoLanguages &languages = VexoLanguages::SharedVexoLanguages();
    return languages.localized(CardWriteProtection::alertTitleKey()) + u": "_s + languages.localized(messageKey);
}
} // namespace

TEST(CardWriteProtectionTest, TheSettingsButtonAndOkSayTheCardIsWriteProtected)
{
    SmallFileSystem card;
    if (!card.isMounted()) {
        GTEST_SKIP() << card.skipReason().toStdString();
    }
    QB62SettingManager writer;
    writer.setModelType(1);
    writer.setLocalID(0);
    writer.loadDefaultValue();
    writer.setSettingDirPath(card.path());
    ASSERT_TRUE(writer.saveData());
    EXPECT_FALSE(CardWriteProtection::isWriteProtected(card.path()));
    EXPECT_EQ(CardWriteProtection::writeFailedMessageKey(card.path()), CardWriteProtection::checkCardMessageKey());

    ASSERT_TRUE(card.makeReadOnly());
    // The file system is asked, from the nearest folder that exists.
    for (const QString &path : {card.path(), card.filePath(u"SETTING/setup.cfg"_s), card.filePath(u"NEW/deeper"_s)}) {
        EXPECT_TRUE(CardWriteProtection::isWriteProtected(path)) << path.toStdString();
    }
    EXPECT_FALSE(CardWriteProtection::isWriteProtected(QDir::tempPath()));

    auto alerts = std::make_shared<RecordingAlerts>();
    QB62SettingManager manager;
    manager.setAlertPresenter(alerts);
    manager.recognizeCardAtPath(card.path());
    ASSERT_EQ(manager.modelType(), 1);
    // Settings: the record is read and brought to the current layout, which writes it; then OK.
    manager.loadData();
    EXPECT_FALSE(manager.saveData());
    const QString protectedText = alertText(CardWriteProtection::writeFailedMessageKey(card.path()));
    EXPECT_NE(protectedText, alertText(CardWriteProtection::checkCardMessageKey()));
    EXPECT_EQ(alerts->shown, (QStringList{protectedText, protectedText}));
}
