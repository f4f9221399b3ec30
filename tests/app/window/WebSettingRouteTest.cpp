// velmora --card DIR --settings on the web-page demo card: the viewer starts on the card and opens
// the camera's own settings page at once; the sample page edits the record, Save writes exactly
// that edit, Cancel writes nothing.
#include "core/Preferences.h"
#include "demo/DemoCard.h"

#include "app/window/MainWindowController.h"
#include "platform/FolderVolumes.h"
#include "settings/record/QB62SettingManager.h"
#include "settings/web/WebSettingSession.h"
#include "settings/web/WebSettingWebView.h"
#include "settings/web/WebSettingWindowController.h"
#include "support/PageQuery.h"
#include "support/QtPrinters.h"
#include "support/TestSettings.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The open settings window once its page has built its menu, or null.
WebSettingWindowController *settingsShown()
{
    const bool shown = QTest::qWaitFor(
        [] {
            WebSettingWindowController *window = WebSettingWindowController::instance();
            return window != nullptr && window->session()->didLoadHtml() &&
                   evaluate(window->webView()->page(), u"document.querySelectorAll('#menu a').length"_s).toInt() > 0;
        },
        90000);
    return shown ? WebSettingWindowController::instance() : nullptr;
}

QVariant ask(WebSettingWindowController *window, const QString &script)
{
    return evaluate(window->webView()->page(), script);
}

bool closed()
{
    return QTest::qWaitFor([] { return WebSettingWindowController::instance() == nullptr; }, 20000);
}
} // namespace

TEST(WebSettingRoute, TheDemoCardsPageOpensAtStartSaveWritesTheEditCancelNothing)
{
    TestSettings::reset();
    Preferences::initializeLanguageSetting();
    QB62SettingManager::ChagneQB62SettingManager(std::make_shared<QB62SettingManager>());
    QTemporaryDir folder;
    const QString card = QDir(folder.path()).filePath(u"demo card #2"_s);
    QString error;
    ASSERT_TRUE(DemoCard::writeWebSettings(card, &error)) << error.toStdString();
    const QString cfgPath = card + u"/SETTING/setup.cfg"_s;
    const QByteArray original = readFile(cfgPath);
    ASSERT_EQ(original.size(), DemoCard::WebRecordSize);

    QTemporaryDir mounts;
    MainWindowController::Options options;
    options.cardPath = card;
    options.openSettings = true;
    options.splashMs = 0;
    options.volumes = std::make_shared<FolderVolumes>(mounts.path());
    MainWindowController controller(std::move(options));
    controller.start();

    WebSettingWindowController *window = settingsShown();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(QB62SettingManager::SharedQB62SettingManager()->modelType(), 16);
    EXPECT_EQ(window->session()->modelName(), u"QR28"_s);
    EXPECT_EQ(ask(window, u"languages.join(',') + ' ' + language"_s).toString(), u"en,fr,ja,pt,ko en"_s);

    // The recording volume to its highest, and the language to the third of the card's.
    ask(window, u"document.getElementById('menu-record').click(); 1"_s);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->backButton()->isVisible(); }, 20000));
    ask(window, u"var s = document.getElementById('audio_record_volume'); s.value = '4';"
                u"s.dispatchEvent(new Event('change')); 1"_s);
    window->backButton()->click();
    ask(window, u"document.getElementById('menu-system').click(); 1"_s);
    ask(window, u"var l = document.getElementById('cur_language'); l.value = '2';"
                u"l.dispatchEvent(new Event('change')); 1"_s);
    window->saveButton()->click();
    ASSERT_TRUE(closed());
    QByteArray expected = original;
    qToLittleEndian<qint32>(4, expected.data() + 104);
    qToLittleEndian<qint32>(2, expected.data() + 428);
    EXPECT_EQ(readFile(cfgPath), expected);
    // The clock the card held, written back as it was.
    EXPECT_EQ(readFile(card + u"/SETTING/time.dat"_s), QByteArray("2026,12,07,08,15,00,+0900"));

    // The Settings button's route again: the page starts from the saved record and the third
    // language. The lane calibration reset acts at once (the camera's page asks first); the
    // record is not written on Cancel.
    controller.runSettingsRoute();
    window = settingsShown();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ask(window, u"language"_s).toString(), u"ja"_s);
    ask(window, u"document.getElementById('menu-adas').click(); document.getElementById('adas-reset').click(); 1"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->yesNoAlert() != nullptr; }, 20000));
    QList<QAbstractButton *> buttons = window->yesNoAlert()->buttons();
    std::sort(buttons.begin(), buttons.end(), [](auto *a, auto *b) { return a->x() < b->x(); });
    ASSERT_EQ(buttons.size(), 2);
    buttons.at(1)->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QFileInfo::exists(card + u"/SETTING/ADAS_CAL.dat"_s); }, 20000));
    // The page then tells what it did, with one button.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->yesNoAlert() != nullptr; }, 20000));
    EXPECT_EQ(window->yesNoAlert()->buttons().size(), 1);
    window->yesNoAlert()->buttons().at(0)->click();
    ask(window, u"document.getElementById('menu-record') || generateSetting(true);"
                u"var s = document.getElementById('audio_record'); if (s) { s.value = '0'; }"
                u"writeInt(100, 0); 1"_s);
    window->cancelButton()->click();
    ASSERT_TRUE(closed());
    EXPECT_EQ(readFile(cfgPath), expected);
}
