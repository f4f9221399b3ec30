// The settings window with test pages in a real web engine: the connection's calls in their
// order, the bridge, the page kept in place, the page's alerts, Save and Cancel, and pages that
// misbehave. The card's folder name holds "#", "%", "?" and a non-ASCII letter throughout.
#include "core/Preferences.h"
#include "core/VexoLanguages.h"

#include "settings/record/CardWriteProtection.h"
#include "settings/web/RendererMemoryWatch.h"
#include "settings/web/WebSettingPage.h"
#include "settings/web/WebSettingRequestFilter.h"
#include "settings/web/WebSettingSession.h"
#include "settings/web/WebSettingWebView.h"
#include "settings/web/WebSettingWindowController.h"
#include "support/CardFolder.h"
#include "support/PageQuery.h"
#include "support/QtPrinters.h"
#include "support/SmallFileSystem.h"
#include "support/TestSettings.h"
#include "support/TextFit.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <map>
#include <sys/stat.h>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {
constexpr int PageTimeoutMs = 60000;

// A page that writes down every call it gets, in order, in `calls`; get_cfg() answers
// `getCfgAnswer`.
const QByteArray RecordingPage = R"HTML(<!DOCTYPE html>
<html><head><meta charset="utf-8"><script>
var calls = ['first script: ' + typeof Dashcam];
var model = { name: 'TESTCAM', cfgSize: '432' };
var getCfgAnswer = 'A0B1';
function set_cfg(hex) { calls.push('set_cfg:' + hex.length + ':' + hex.substr(0, 6)); }
function setParamLanguage(list) { calls.push('setParamLanguage:' + JSON.stringify(list)); }
function set_language(code) {
  calls.push('set_language:' + code);
  Dashcam.languageSetComplete();
  calls.push('languageSetComplete returned');
}
function setTimeDate(v) { calls.push('setTimeDate:' + v); }
function setTimeHour(v) { calls.push('setTimeHour:' + v); }
function setTimeMin(v) { calls.push('setTimeMin:' + v); }
function generateSetting(v) { calls.push('generateSetting:' + v); }
function get_cfg() { calls.push('get_cfg'); return getCfgAnswer; }
function update_ok(index, value) { calls.push('update_ok:' + index + ':' + value); }
function update_cancel(index) { calls.push('update_cancel:' + index); }
Dashcam.docLoadComplete();
calls.push('docLoadComplete returned');
</script></head><body>
<a id="link" href="other.html">other</a>
<form id="form" action="other.html"><input name="q" value="1"></form>
</body></html>
)HTML";

// A page that throws in every function, never reports its load, floods the bridge and tries to
// read files beside and outside the settings folder.
const QByteArray HostilePage = R"HTML(<!DOCTYPE html>
<html><head><meta charset="utf-8"><script>
var model = { get name() { throw new Error('no'); }, get cfgSize() { throw new Error('no'); } };
['set_cfg', 'setParamLanguage', 'set_language', 'setTimeDate', 'setTimeHour', 'setTimeMin',
 'generateSetting', 'get_cfg', 'update_ok', 'update_cancel'].forEach(function (name) {
  window[name] = function () { throw new Error(name); };
});
var reads = {};
function read(name, url) {
  var request = new XMLHttpRequest();
  request.onload = function () { reads[name] = 'read ' + request.responseText.length; };
  request.onerror = function () { reads[name] = 'blocked'; };
  try { request.open('GET', url); request.send(); } catch (e) { reads[name] = 'blocked'; }
}
for (var i = 0; i < 3000; ++i) { Dashcam.log('flood ' + i); Dashcam['setdate:use']('1'); }
for (var j = 0; j < 100; ++j) { Dashcam.userNoti('Flood\t' + j + '\t' + j + '\tv\t2'); }
Dashcam.setdate({ toString: function () { throw new Error('no'); } });
read('inside', '../setup.cfg');
read('outside', '../../outside.txt');
read('system', 'file:///etc/hostname');
</script></head><body>hostile</body></html>
)HTML";

CardLanguageList threeLanguages()
{
    return {{0, u"en"_s}, {1, u"fr"_s}, {4, u"es"_s}};
}

QString localized(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}

// A card whose folder name needs escaping in a URL.
struct Card
{
    Card()
    {
        root = QDir(parent.path()).filePath(u"card #1 100% ?é"_s);
        QByteArray record(432, '\0');
        record.replace(0, 3, QByteArray::fromHex("00ab7f"));
        CardFolder::putInt32(record, 428, 2);
        write(u"SETTING/setup.cfg"_s, record);
        write(u"SETTING/default.cfg"_s, QByteArray::fromHex("0102"));
        write(u"SETTING/time.dat"_s, "2024,05,17,08,30,00,+0900");
        write(u"SETTING/ADAS_CAL.dat"_s, "calibration");
        write(u"SETTING/html/index.html"_s, RecordingPage);
        write(u"SETTING/html/other.html"_s, "<p>elsewhere</p>");
        write(u"outside.txt"_s, "not for the page");
    }

    void write(const QString &relative, const QByteArray &bytes) const
    {
        const QString path = QDir(root).filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
        file.write(bytes);
    }

    QByteArray read(const QString &relative) const { return readFile(QDir(root).filePath(relative)); }

    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Every file of the card with its bytes.
    std::map<QString, QByteArray> snapshot() const
    {
        std::map<QString, QByteArray> files;
        QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            files[path] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
        }
        return files;
    }

    QTemporaryDir parent;
    QString root;
};

class WebSettingWindowTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        if (WebSettingWindowController::instance() != nullptr) {
            delete WebSettingWindowController::instance();
        }
        QCoreApplication::processEvents();
    }

    // Opens the window on CARD and waits until the connection's calls have all been answered.
    WebSettingWindowController *open(const Card &card)
    {
        WebSettingWindowController *window =
            WebSettingWindowController::showWebSettingWindow(nullptr, card.root, threeLanguages());
        if (window == nullptr) {
            return nullptr;
        }
        QSignalSpy connected(window, &WebSettingWindowController::connectionFinished);
        if (!connected.wait(PageTimeoutMs)) {
            return nullptr;
        }
        return window;
    }

    static QVariant ask(WebSettingWindowController *window, const QString &script)
    {
        return evaluate(window->webView()->page(), script);
    }

    static QStringList calls(WebSettingWindowController *window) { return ask(window, u"calls"_s).toStringList(); }

    // The memory-card alert shown without a parent window, once it is shown.
    static QMessageBox *memoryCardAlert()
    {
        QMessageBox *found = nullptr;
        static_cast<void>(QTest::qWaitFor(
            [&found] {
                for (QWidget *widget : QApplication::topLevelWidgets()) {
                    auto *box = qobject_cast<QMessageBox *>(widget);
                    if (box != nullptr && box->objectName() == u"memoryCardAlert" && box->isVisible()) {
                        found = box;
                        return true;
                    }
                }
                return false;
            },
            20000));
        return found;
    }

    // The page's alert once it is shown, or null.
    static QMessageBox *waitForAlert(WebSettingWindowController *window)
    {
        static_cast<void>(QTest::qWaitFor(
            [window] { return window->yesNoAlert() != nullptr && window->yesNoAlert()->isVisible(); }, 20000));
        return window->yesNoAlert();
    }

    static bool closes(QPointer<WebSettingWindowController> window)
    {
        return QTest::qWaitFor([&] { return window.isNull() && WebSettingWindowController::instance() == nullptr; },
                               20000);
    }
};

TEST_F(WebSettingWindowTest, TheConnectionSendsTheCardToThePageInOrderOnce)
{
    Card card;
    WebSettingWindowController *window = open(card);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WebSettingWindowController::instance(), window);
    EXPECT_EQ(window->webView()->url(), QUrl::fromLocalFile(card.root + u"/SETTING/html/index.html"_s));
    EXPECT_EQ(window->session()->modelName(), u"TESTCAM"_s);
    EXPECT_EQ(window->session()->cfgSize(), 432);
    // The page's languageSetComplete shows the editor once everything has been handed over.
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls(window).size() >= 10; }, 20000))
        << calls(window).join(u'|').toStdString();
    EXPECT_EQ(calls(window), (QStringList{
                                 u"first script: object"_s,
                                 u"docLoadComplete returned"_s,
                                 u"set_cfg:864:00AB7F"_s,
                                 u"setParamLanguage:[\"en\",\"fr\",\"es\"]"_s,
                                 u"set_language:es"_s,
                                 u"languageSetComplete returned"_s,
                                 u"setTimeDate:2024,05,17"_s,
                                 u"setTimeHour:08"_s,
                                 u"setTimeMin:30"_s,
                                 u"generateSetting:false"_s,
                             }));
    EXPECT_TRUE(window->session()->websettingDateTimeUse());

    // The window's texts, and Back hidden until the page shows a list.
    EXPECT_EQ(window->window()->windowTitle(), localized(u"블랙박스 설정"_s));
    EXPECT_EQ(window->resetButton()->text(), localized(u"설정값 초기화"_s));
    EXPECT_EQ(window->cancelButton()->text(), localized(u"취소"_s));
    EXPECT_EQ(window->saveButton()->text(), localized(u"저장"_s));
    EXPECT_TRUE(window->backButton()->isHidden());
    EXPECT_TRUE(window->formatButton()->isHidden()) << "no format sequence given";

    // A second docLoadComplete, after the load end, sends nothing again.
    const int before = int(calls(window).size());
    ask(window, u"Dashcam.docLoadComplete(); 1"_s);
    QTest::qWait(300);
    EXPECT_EQ(calls(window).size(), before);

    // A second window is not opened while this one is.
    EXPECT_EQ(WebSettingWindowController::showWebSettingWindow(nullptr, card.root, {}), nullptr);
    EXPECT_EQ(WebSettingWindowController::instance(), window);
}

TEST_F(WebSettingWindowTest, ListBackAndResetDriveTheTabsAndTheBackButton)
{
    Card card;
    WebSettingWindowController *window = open(card);
    ASSERT_NE(window, nullptr);
    ask(window, u"Dashcam.clickedList(); calls = []; 1"_s);
    EXPECT_TRUE(window->backButton()->isVisible());
    EXPECT_EQ(window->backButton()->accessibleName(), localized(u"뒤로"_s)) << "not its \"<\"";
    EXPECT_FALSE(window->backButton()->toolTip().isEmpty());
    window->backButton()->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls(window) == QStringList{u"generateSetting:true"_s}; }, 20000))
        << calls(window).join(u'|').toStdString();
    EXPECT_TRUE(window->backButton()->isHidden());

    ask(window, u"Dashcam.clickedList(); calls = []; 1"_s);
    window->resetButton()->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls(window).size() == 2; }, 20000));
    EXPECT_EQ(calls(window), (QStringList{u"set_cfg:4:0102"_s, u"generateSetting:true"_s}));
    EXPECT_TRUE(window->backButton()->isHidden());

    // adasreset removes the calibration file at once.
    ask(window, u"Dashcam.adasreset(); 1"_s);
    EXPECT_FALSE(QFileInfo::exists(card.root + u"/SETTING/ADAS_CAL.dat"_s));
}

// Reset pressed while the page is still loading waits until the page has the card's settings:
// the connection's set_cfg would otherwise undo it.
TEST_F(WebSettingWindowTest, ResetPressedBeforeThePageIsConnectedIsTheLastWord)
{
    Card card;
    WebSettingWindowController *window =
        WebSettingWindowController::showWebSettingWindow(nullptr, card.root, threeLanguages());
    ASSERT_NE(window, nullptr);
    QSignalSpy connected(window, &WebSettingWindowController::connectionFinished);
    window->resetButton()->click();
    ASSERT_TRUE(connected.wait(PageTimeoutMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls(window).size() >= 12; }, 20000))
        << calls(window).join(u'|').toStdString();
    const QStringList all = calls(window);
    EXPECT_EQ(all.indexOf(u"set_cfg:864:00AB7F"_s), 2) << all.join(u'|').toStdString();
    EXPECT_EQ(all.mid(all.size() - 3),
              (QStringList{u"generateSetting:false"_s, u"set_cfg:4:0102"_s, u"generateSetting:true"_s}))
        << all.join(u'|').toStdString();
}

TEST_F(WebSettingWindowTest, OnceConnectedThePageStaysWhereItIs)
{
    Card card;
    WebSettingWindowController *window = open(card);
    ASSERT_NE(window, nullptr);
    const QUrl page = window->webView()->url();
    ask(window, u"window.stillHere = 42; 1"_s);
    EXPECT_TRUE(window->webView()->settingPage()->isNavigationLocked());
    // A link, a script navigation, a form and a new window.
    ask(window, u"document.getElementById('link').click(); 1"_s);
    ask(window, u"location.href = 'other.html'; 1"_s);
    ask(window, u"document.getElementById('form').submit(); 1"_s);
    EXPECT_EQ(ask(window, u"window.open('other.html') === null"_s).toBool(), true);
    EXPECT_FALSE(QTest::qWaitFor([&] { return window->webView()->url() != page; }, 2000));
    EXPECT_EQ(ask(window, u"window.stillHere"_s).toInt(), 42);
}

TEST_F(WebSettingWindowTest, PageAlertsKeepTheirButtonOrderAnswerThePageAndShowTextAsText)
{
    Card card;
    WebSettingWindowController *window = open(card);
    ASSERT_NE(window, nullptr);
    ask(window,
        u"calls = []; Dashcam.userNoti('Title <i>x</i>\\t<b>bold</b> & <a href=\"x\">link</a>\\t7\\tv\"al\\t2'); 1"_s);
    QMessageBox *alert = waitForAlert(window);
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->text(), u"Title <i>x</i>"_s);
    const auto *informative = alert->findChild<QLabel *>(u"qt_msgbox_informativelabel"_s);
    ASSERT_NE(informative, nullptr);
    EXPECT_EQ(informative->text(), u"<b>bold</b> & <a href=\"x\">link</a>"_s);
    EXPECT_EQ(informative->textFormat(), Qt::PlainText);
    EXPECT_EQ(alert->findChild<QLabel *>(u"qt_msgbox_label"_s)->textFormat(), Qt::PlainText);
    // "No" first (left), "Yes" second.
    QList<QAbstractButton *> buttons = alert->buttons();
    ASSERT_EQ(buttons.size(), 2);
    std::sort(buttons.begin(), buttons.end(), [](auto *a, auto *b) { return a->x() < b->x(); });
    EXPECT_EQ(buttons.at(0)->text(), localized(u"아니오"_s));
    EXPECT_EQ(buttons.at(1)->text(), localized(u"예"_s));
    buttons.at(1)->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls(window) == QStringList{u"update_ok:7:v\"al"_s}; }, 20000))
        << calls(window).join(u'|').toStdString();

    ask(window, u"calls = []; Dashcam.userNoti('T\\tM\\t8\\tv\\t2'); 1"_s);
    alert = waitForAlert(window);
    ASSERT_NE(alert, nullptr);
    buttons = alert->buttons();
    std::sort(buttons.begin(), buttons.end(), [](auto *a, auto *b) { return a->x() < b->x(); });
    buttons.at(0)->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls(window) == QStringList{u"update_cancel:8"_s}; }, 20000))
        << calls(window).join(u'|').toStdString();

    // Return gives the first, safe answer.
    ask(window, u"calls = []; Dashcam.userNoti('T\\tM\\t10\\tv\\t2'); 1"_s);
    alert = waitForAlert(window);
    ASSERT_NE(alert, nullptr);
    QTest::keyClick(alert, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls(window) == QStringList{u"update_cancel:10"_s}; }, 20000))
        << calls(window).join(u'|').toStdString();

    // One button: OK, and the page hears update_cancel.
    ask(window, u"calls = []; Dashcam.userNoti('T\\tM\\t9\\tv\\t1'); 1"_s);
    alert = waitForAlert(window);
    ASSERT_NE(alert, nullptr);
    ASSERT_EQ(alert->buttons().size(), 1);
    EXPECT_EQ(alert->buttons().at(0)->text(), localized(u"확인"_s));
    alert->buttons().at(0)->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls(window) == QStringList{u"update_cancel:9"_s}; }, 20000))
        << calls(window).join(u'|').toStdString();
}

TEST_F(WebSettingWindowTest, SaveWritesThePagesBytesAndTheClockThenCloses)
{
    Card card;
    QPointer<WebSettingWindowController> window = open(card);
    ASSERT_NE(window.data(), nullptr);
    ask(window, u"Dashcam.setdate('2025/01/02'); Dashcam['setdate:hour']('23'); Dashcam['setdate:min']('59');"
                u"Dashcam['setdate:use']('1'); getCfgAnswer = '0A1'; 1"_s);
    QSignalSpy saved(window.data(), &WebSettingWindowController::saveFinished);
    window->saveButton()->click();
    ASSERT_TRUE(saved.wait(20000));
    EXPECT_TRUE(saved.at(0).at(0).toBool());
    EXPECT_TRUE(closes(window));
    EXPECT_EQ(card.read(u"SETTING/setup.cfg"_s), QByteArray::fromHex("0a01"));
    EXPECT_EQ(card.read(u"SETTING/time.dat"_s), QByteArray("2025,01,02,23,59,00,+0900"));

    // Use 0: the time file is left as it is.
    card.write(u"SETTING/time.dat"_s, "2024,05,17,08,30,00,+0900");
    window = open(card);
    ASSERT_NE(window.data(), nullptr);
    ask(window, u"Dashcam.setdate('2025/01/02'); Dashcam['setdate:use']('0'); getCfgAnswer = 'G1'; 1"_s);
    window->saveButton()->click();
    EXPECT_TRUE(closes(window));
    EXPECT_EQ(card.read(u"SETTING/setup.cfg"_s), QByteArray::fromHex("00"));
    EXPECT_EQ(card.read(u"SETTING/time.dat"_s), QByteArray("2024,05,17,08,30,00,+0900"));
}

TEST_F(WebSettingWindowTest, ASaveThatCannotBeWrittenSaysSoAndKeepsTheWindowCancelWritesNothing)
{
    Card card;
    const auto before = card.snapshot();
    QPointer<WebSettingWindowController> window = open(card);
    ASSERT_NE(window.data(), nullptr);
    QSignalSpy saved(window.data(), &WebSettingWindowController::saveFinished);
    ask(window, u"getCfgAnswer = 42; Dashcam['setdate:use']('1'); 1"_s);
    window->saveButton()->click();
    ASSERT_TRUE(saved.wait(20000));
    EXPECT_FALSE(saved.at(0).at(0).toBool());
    // The memory-card alert over the window, which stays open.
    auto *alert = window->window()->findChild<QMessageBox *>();
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->text(), localized(u"메모리카드 오류"_s));
    EXPECT_EQ(WebSettingWindowController::instance(), window.data());
    alert->buttons().at(0)->click();
    EXPECT_EQ(card.snapshot(), before);

    // Settings the card does not take: a folder where setup.cfg goes.
    ask(window, u"getCfgAnswer = '0102'; 1"_s);
    QFile::remove(card.root + u"/SETTING/setup.cfg"_s);
    QDir().mkpath(card.root + u"/SETTING/setup.cfg"_s);
    window->saveButton()->click();
    ASSERT_TRUE(saved.wait(20000));
    EXPECT_FALSE(saved.at(1).at(0).toBool());
    EXPECT_NE(WebSettingWindowController::instance(), nullptr);

    const auto now = card.snapshot();
    window->cancelButton()->click();
    EXPECT_TRUE(closes(window));
    EXPECT_EQ(card.snapshot(), now);
}

TEST_F(WebSettingWindowTest, AHostilePageCannotReadOtherFilesFloodTheUserOrKeepCancelFromWorking)
{
    Card card;
    card.write(u"SETTING/html/index.html"_s, HostilePage);
    const auto before = card.snapshot();
    QPointer<WebSettingWindowController> window = open(card);
    ASSERT_NE(window.data(), nullptr) << "the load end connects a page that never says it loaded";
    EXPECT_EQ(window->session()->modelName(), QString());
    EXPECT_EQ(window->session()->cfgSize(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ask(window, u"Object.keys(reads).length"_s).toInt() == 3; }, 20000));
    EXPECT_TRUE(ask(window, u"reads.inside"_s).toString().startsWith(u"read "_s));
    EXPECT_EQ(ask(window, u"reads.outside"_s).toString(), u"blocked"_s);
    EXPECT_EQ(ask(window, u"reads.system"_s).toString(), u"blocked"_s);
    EXPECT_FALSE(WebSettingRequestFilter::isAllowed(QUrl(u"https://example.com/x.js"_s), card.root + u"/SETTING"_s));
    EXPECT_FALSE(WebSettingRequestFilter::isAllowed(QUrl::fromLocalFile(card.root + u"/SETTING/../outside.txt"_s),
                                                    card.root + u"/SETTING"_s));

    // Of a hundred alerts one is shown; the window answers and the flood is over.
    QMessageBox *alert = waitForAlert(window);
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->informativeText(), u"0"_s);
    alert->buttons().at(0)->click();
    EXPECT_EQ(window->yesNoAlert(), nullptr);

    // Save cannot get settings from it: nothing is written, the window stays, Cancel closes it.
    QSignalSpy saved(window.data(), &WebSettingWindowController::saveFinished);
    window->saveButton()->click();
    ASSERT_TRUE(saved.wait(20000));
    EXPECT_FALSE(saved.at(0).at(0).toBool());
    window->window()->findChild<QMessageBox *>()->buttons().at(0)->click();
    window->cancelButton()->click();
    EXPECT_TRUE(closes(window));
    EXPECT_EQ(card.snapshot(), before);
}

TEST_F(WebSettingWindowTest, APageThatNeverAnswersLeavesTheWindowToCancel)
{
    Card card;
    card.write(u"SETTING/html/index.html"_s,
               "<script>var model = {name: 'x', cfgSize: 1};"
               "function set_cfg() {} function setParamLanguage() {} function set_language() {}"
               "function setTimeDate() {} function setTimeHour() {} function setTimeMin() {}"
               "function get_cfg() { var end = Date.now() + 3000; while (Date.now() < end) {} return '01'; }</script>");
    const auto before = card.snapshot();
    QPointer<WebSettingWindowController> window = open(card);
    ASSERT_NE(window.data(), nullptr);
    window->saveButton()->click();
    // The window keeps answering while the page is busy; Save waits, Cancel ends it.
    QTest::qWait(200);
    EXPECT_FALSE(window->saveButton()->isEnabled());
    window->cancelButton()->click();
    EXPECT_TRUE(closes(window));
    QTest::qWait(3500);
    EXPECT_EQ(card.snapshot(), before);
}

TEST_F(WebSettingWindowTest, FormatRunsTheGivenSequenceOverTheWindow)
{
    Card card;
    QWidget parent;
    parent.setGeometry(100, 100, 1400, 1000);
    std::vector<std::pair<QWidget *, QString>> formats;
    WebSettingWindowController *window = WebSettingWindowController::showWebSettingWindow(
        &parent, card.root, threeLanguages(),
        [&formats](QWidget *over, const QString &folder) { formats.emplace_back(over, folder); });
    ASSERT_NE(window, nullptr);
    // Centred on the main window, its size its own.
    const QRect own = window->window()->frameGeometry();
    EXPECT_EQ(window->window()->size(), QSize(960, 720));
    EXPECT_LE(std::abs(own.center().x() - parent.frameGeometry().center().x()), 1);
    EXPECT_LE(std::abs(own.center().y() - parent.frameGeometry().center().y()), 1);
    EXPECT_TRUE(window->formatButton()->isVisible());
    EXPECT_EQ(window->formatButton()->text(), localized(u"메모리 카드 포멧"_s));
    window->formatButton()->click();
    ASSERT_EQ(formats.size(), 1u);
    EXPECT_EQ(formats.at(0).first, window->window());
    EXPECT_EQ(formats.at(0).second, card.root);
    QPointer<WebSettingWindowController> opened = window;
    window->window()->reject();
    EXPECT_TRUE(closes(opened));
}

// A card whose settings folder leads out of it, or whose page is a pipe, is not opened: the
// memory-card alert says so, and nothing outside the card is read, loaded or written.
TEST_F(WebSettingWindowTest, ACardReachingOutsideItselfIsNotOpened)
{
    Card card;
    QTemporaryDir outside;
    // The whole SETTING folder, page and all, moved out of the card and linked back.
    const QString setting = card.root + u"/SETTING"_s;
    const QString moved = outside.path() + u"/SETTING"_s;
    ASSERT_TRUE(QDir().rename(setting, moved));
    ASSERT_TRUE(QFile::link(moved, setting));
    const QByteArray record = Card::readFile(moved + u"/setup.cfg"_s);
    EXPECT_EQ(WebSettingWindowController::showWebSettingWindow(nullptr, card.root, threeLanguages()), nullptr);
    EXPECT_EQ(WebSettingWindowController::instance(), nullptr);
    QMessageBox *alert = memoryCardAlert();
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->text(), localized(u"메모리카드 오류"_s));
    alert->close();
    EXPECT_EQ(Card::readFile(moved + u"/setup.cfg"_s), record);

    // A page that is a pipe: refused at once, never opened by the engine (which would wait for it).
    Card piped;
    const QString page = piped.root + u"/SETTING/html/index.html"_s;
    QFile::remove(page);
    ASSERT_EQ(::mkfifo(QFile::encodeName(page).constData(), 0600), 0);
    EXPECT_FALSE(WebSettingRequestFilter::isAllowed(QUrl::fromLocalFile(page), piped.root + u"/SETTING"_s));
    EXPECT_EQ(WebSettingWindowController::showWebSettingWindow(nullptr, piped.root, threeLanguages()), nullptr);
    alert = memoryCardAlert();
    ASSERT_NE(alert, nullptr);
    alert->close();
}

// The card changes under an open window: its SETTING folder is swapped for a link to a folder
// beside it. Save, Reset and the page's adasreset reach nothing there.
TEST_F(WebSettingWindowTest, ASettingFolderLinkedOutWhileOpenIsNeitherWrittenNorCleared)
{
    Card card;
    QPointer<WebSettingWindowController> window = open(card);
    ASSERT_NE(window.data(), nullptr);
    QTemporaryDir outside;
    const QString setting = card.root + u"/SETTING"_s;
    const QString moved = outside.path() + u"/SETTING"_s;
    ASSERT_TRUE(QDir().rename(setting, moved));
    ASSERT_TRUE(QFile::link(moved, setting));
    const QByteArray record = Card::readFile(moved + u"/setup.cfg"_s);
    ask(window, u"Dashcam.adasreset(); Dashcam['setdate:use']('1'); getCfgAnswer = '0A0B'; calls = []; 1"_s);
    EXPECT_EQ(Card::readFile(moved + u"/ADAS_CAL.dat"_s), QByteArray("calibration"));
    window->resetButton()->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls(window).size() == 2; }, 20000));
    EXPECT_EQ(calls(window).value(0), u"set_cfg:0:"_s) << "default.cfg outside the card is not read";
    QSignalSpy saved(window.data(), &WebSettingWindowController::saveFinished);
    window->saveButton()->click();
    ASSERT_TRUE(saved.wait(20000));
    EXPECT_FALSE(saved.at(0).at(0).toBool());
    EXPECT_EQ(Card::readFile(moved + u"/setup.cfg"_s), record);
    EXPECT_EQ(Card::readFile(moved + u"/time.dat"_s), QByteArray("2024,05,17,08,30,00,+0900"));
    window->cancelButton()->click();
    EXPECT_TRUE(closes(window));
}

// A page of the test's own tries every way to open a peer connection (the page's own constructor,
// the old prefixed one, and a fresh one from a frame it makes) to a STUN server on a UDP port and
// a TURN server on a TCP port the test listens on. Nothing may arrive at either, while the page
// shows that it ran and made its attempts.
TEST_F(WebSettingWindowTest, ThePageCannotSendPacketsThroughPeerConnections)
{
    QUdpSocket udp;
    ASSERT_TRUE(udp.bind(QHostAddress::LocalHost, 0));
    QTcpServer tcp;
    ASSERT_TRUE(tcp.listen(QHostAddress::LocalHost, 0));
    // The listeners work: a datagram of the test's own arrives.
    {
        QUdpSocket probe;
        probe.writeDatagram("probe", QHostAddress::LocalHost, udp.localPort());
        ASSERT_TRUE(QTest::qWaitFor([&] { return udp.hasPendingDatagrams(); }, 20000));
        QByteArray datagram(int(udp.pendingDatagramSize()), '\0');
        udp.readDatagram(datagram.data(), datagram.size());
        EXPECT_EQ(datagram, QByteArray("probe"));
    }

    QByteArray page = R"HTML(<!DOCTYPE html>
<html><head><meta charset="utf-8"><script>
var model = { name: 'RTC', cfgSize: 432 };
function set_cfg() {} function setParamLanguage() {} function set_language() {}
function setTimeDate() {} function setTimeHour() {} function setTimeMin() {} function generateSetting() {}
var report = { ran: false, attempts: [], errors: [], offers: 0 };
function attempt(RTC, label) {
  if (typeof RTC !== 'function') { report.attempts.push(label + ':none'); return; }
  report.attempts.push(label + ':made');
  try {
    var pc = new RTC({ iceServers: [{ urls: 'stun:127.0.0.1:UDPPORT' },
      { urls: 'turn:127.0.0.1:TCPPORT?transport=tcp', username: 'card-secret', credential: 'x' }] });
    pc.createDataChannel('leak');
    pc.createOffer().then(function (offer) { return pc.setLocalDescription(offer); })
      .then(function () { report.offers += 1; }, function (e) { report.errors.push(label + ':' + e); });
  } catch (e) { report.errors.push(label + ':' + e); }
}
var inner = "<script>try { var pc = new RTCPeerConnection({ iceServers: [{ urls: 'stun:127.0.0.1:UDPPORT' }," +
  " { urls: 'turn:127.0.0.1:TCPPORT?transport=tcp', username: 'card-secret', credential: 'x' }] });" +
  " pc.createDataChannel('leak'); pc.createOffer().then(function (o) { return pc.setLocalDescription(o); });" +
  " parent.postMessage(NAME + ':made', '*'); } catch (e) { parent.postMessage(NAME + ':' + e, '*'); }</scr" + "ipt>";
window.addEventListener('message', function (event) { report.attempts.push(String(event.data)); });
function run() {
  attempt(window.RTCPeerConnection, 'page');
  attempt(window.webkitRTCPeerConnection, 'prefixed');
  var frame = document.createElement('iframe');
  document.body.appendChild(frame);
  attempt(frame.contentWindow.RTCPeerConnection, 'frame');
  var other = document.createElement('iframe');
  document.body.insertAdjacentElement('beforeend', other);
  attempt(window[1] && window[1].RTCPeerConnection, 'indexed');
  var srcdoc = document.createElement('iframe');
  srcdoc.srcdoc = inner.replace(/NAME/g, "'srcdoc'");
  document.body.appendChild(srcdoc);
  var data = document.createElement('iframe');
  data.src = 'data:text/html,' + encodeURIComponent(inner.replace(/NAME/g, "'data'"));
  document.body.appendChild(data);
  report.ran = true;
}
</script></head><body onload="run()">peer connections</body></html>
)HTML";
    page.replace("UDPPORT", QByteArray::number(udp.localPort()));
    page.replace("TCPPORT", QByteArray::number(tcp.serverPort()));
    Card card;
    card.write(u"SETTING/html/index.html"_s, page);
    WebSettingWindowController *window = open(card);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ask(window, u"report.ran"_s).toBool(); }, 20000));
    // The two frames with documents of their own report what they could do.
    EXPECT_TRUE(QTest::qWaitFor([&] { return ask(window, u"report.attempts.length"_s).toInt() >= 6; }, 20000));
    const QStringList attempts = ask(window, u"report.attempts"_s).toStringList();
    EXPECT_EQ(attempts.size(), 6) << attempts.join(u' ').toStdString();
    // Every attempt has been told: a connection that was made sends its STUN request within
    // milliseconds of its local description, so wait for that packet; with none made, nothing is
    // left that could send one.
    const bool made = std::any_of(attempts.begin(), attempts.end(),
                                  [](const QString &attempt) { return attempt.endsWith(u":made"_s); });
    if (made) {
        static_cast<void>(
            QTest::qWaitFor([&] { return udp.hasPendingDatagrams() || tcp.hasPendingConnections(); }, 20000));
    }
    // The page's own world and every frame it reaches from there have no constructor left.
    for (const QString &none : {u"page:none"_s, u"prefixed:none"_s, u"frame:none"_s, u"indexed:none"_s}) {
        EXPECT_TRUE(attempts.contains(none)) << attempts.join(u' ').toStdString();
    }
    std::cout << "peer connection attempts: " << attempts.join(u' ').toStdString() << '\n';
    EXPECT_FALSE(udp.hasPendingDatagrams())
        << "a peer connection reached the UDP port; attempts: " << attempts.join(u' ').toStdString();
    EXPECT_FALSE(tcp.hasPendingConnections() || tcp.waitForNewConnection(0))
        << "a peer connection reached the TCP port; attempts: " << attempts.join(u' ').toStdString();
    EXPECT_EQ(ask(window, u"typeof RTCPeerConnection"_s).toString(), u"undefined"_s);
}

// A card whose lock switch is set is mounted read-only: Save says the card is write-protected.
TEST_F(WebSettingWindowTest, SaveOnAWriteProtectedCardSaysSo)
{
    SmallFileSystem locked;
    if (!locked.isMounted()) {
        GTEST_SKIP() << locked.skipReason().toStdString();
    }
    QDir().mkpath(locked.filePath(u"SETTING/html"_s));
    for (const auto &[name, bytes] : {std::pair{u"SETTING/setup.cfg"_s, QByteArray(432, '\0')},
                                      std::pair{u"SETTING/html/index.html"_s, RecordingPage}}) {
        QFile file(locked.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    ASSERT_TRUE(locked.makeReadOnly());
    QPointer<WebSettingWindowController> window =
        WebSettingWindowController::showWebSettingWindow(nullptr, locked.path(), threeLanguages());
    ASSERT_NE(window.data(), nullptr);
    QSignalSpy connected(window.data(), &WebSettingWindowController::connectionFinished);
    ASSERT_TRUE(connected.wait(PageTimeoutMs));
    QSignalSpy saved(window.data(), &WebSettingWindowController::saveFinished);
    window->saveButton()->click();
    ASSERT_TRUE(saved.wait(20000));
    EXPECT_FALSE(saved.at(0).at(0).toBool());
    auto *alert = window->window()->findChild<QMessageBox *>(u"memoryCardAlert"_s);
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->informativeText(), localized(CardWriteProtection::writeFailedMessageKey(locked.path())));
    EXPECT_NE(alert->informativeText(), localized(CardWriteProtection::checkCardMessageKey()));
    alert->close();
    window->cancelButton()->click();
    EXPECT_TRUE(closes(window));
}

// A page that allocates without end is stopped past the renderer's limit: its process ends, the
// window says why and can only be cancelled.
TEST_F(WebSettingWindowTest, APageThatTakesTooMuchMemoryIsStoppedAndSaysSo)
{
    Card card;
    card.write(u"SETTING/html/index.html"_s, R"HTML(<!DOCTYPE html><html><head><script>
var model = { name: 'HOG', cfgSize: 432 };
function set_cfg() {} function setParamLanguage() {} function set_language() {} function generateSetting() {}
function get_cfg() { return '01'; }
var kept = [];
function hog() {
  setInterval(function () {
    for (var i = 0; i < 4; ++i) {
      var block = new Uint8Array(16 * 1024 * 1024);
      for (var j = 0; j < block.length; j += 4096) { block[j] = 1; }
      kept.push(block);
    }
  }, 5);
}
</script></head><body>hog</body></html>
)HTML");
    const auto before = card.snapshot();
    QPointer<WebSettingWindowController> window = open(card);
    ASSERT_NE(window.data(), nullptr);
    window->memoryWatch()->setLimitBytes(384LL * 1024 * 1024);
    const qint64 renderer = window->webView()->page()->renderProcessPid();
    ASSERT_GT(renderer, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->memoryWatch()->watchedPid() == renderer; }, 20000))
        << "the watch follows the page's renderer";
    ask(window, u"hog(); 1"_s);
    QMessageBox *alert = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return (alert = window->window()->findChild<QMessageBox *>(u"pageStoppedAlert"_s)) != nullptr; }, 60000));
    EXPECT_TRUE(
        alert->informativeText().contains(localized(u"설정 화면이 메모리를 너무 많이 사용하여 중지되었습니다."_s)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QFileInfo::exists(u"/proc/%1"_s.arg(renderer)); }, 20000))
        << "the renderer is gone";
    EXPECT_FALSE(window->saveButton()->isEnabled());
    EXPECT_FALSE(window->resetButton()->isEnabled());
    alert->close();
    window->saveButton()->click();
    window->cancelButton()->click();
    EXPECT_TRUE(closes(window));
    EXPECT_EQ(card.snapshot(), before);
}

// A page that stores what it allocates (Blobs, IndexedDB) keeps its renderer small: the memory
// lands in the web engine's browser side, which is this process. It is counted all the same and
// the page is stopped.
TEST_F(WebSettingWindowTest, APageThatStoresTooMuchOutsideItsRendererIsStoppedToo)
{
    const QByteArray hoard = R"HTML(<!DOCTYPE html><html><head><script>
var model = { name: 'HOARD', cfgSize: 432 };
function set_cfg() {} function setParamLanguage() {} function set_language() {} function generateSetting() {}
function get_cfg() { return '01'; }
var Count = 24;
var kept = [];
var report = { made: 0, error: '' };
function block(n) {
  var b = new Uint8Array(64 * 1024 * 1024);
  for (var j = 0; j < b.length; j += 4096) { b[j] = n + 1; }
  return b;
}
function hoardBlobs() {
  (function next() {
    if (report.made >= Count) { return; }
    try { kept.push(new Blob([block(report.made)])); report.made += 1; } catch (e) { report.error = String(e); return; }
    setTimeout(next, 10);
  })();
}
function hoardIndexedDB() {
  var request = indexedDB.open('hoard', 1);
  request.onupgradeneeded = function () { request.result.createObjectStore('blocks'); };
  request.onerror = function () { report.error = String(request.error); };
  request.onsuccess = function () {
    var db = request.result;
    (function next() {
      if (report.made >= Count) { return; }
      var tx = db.transaction('blocks', 'readwrite');
      tx.objectStore('blocks').put(block(report.made), report.made);
      tx.oncomplete = function () { report.made += 1; next(); };
      tx.onabort = function () { report.error = String(tx.error); };
    })();
  };
}
</script></head><body>hoard</body></html>
)HTML";
    for (const QString &hoarding : {u"hoardBlobs"_s, u"hoardIndexedDB"_s}) {
        SCOPED_TRACE(hoarding.toStdString());
        Card card;
        card.write(u"SETTING/html/index.html"_s, hoard);
        QPointer<WebSettingWindowController> window = open(card);
        ASSERT_NE(window.data(), nullptr);
        window->memoryWatch()->setLimitBytes(384LL * 1024 * 1024);
        const qint64 renderer = window->webView()->page()->renderProcessPid();
        ask(window, hoarding + u"(); 1"_s);
        QMessageBox *alert = nullptr;
        const auto stoppedOrDone = [&] {
            alert = window->window()->findChild<QMessageBox *>(u"pageStoppedAlert"_s);
            return alert != nullptr || !QFileInfo::exists(u"/proc/%1"_s.arg(renderer)) ||
                   ask(window, u"report.made >= Count || report.error !== ''"_s).toBool();
        };
        ASSERT_TRUE(QTest::qWaitFor(stoppedOrDone, 180000));
        ASSERT_NE(alert, nullptr) << "stored " << ask(window, u"report.made"_s).toInt() << " blocks of 64 MiB; "
                                  << ask(window, u"report.error"_s).toString().toStdString();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !QFileInfo::exists(u"/proc/%1"_s.arg(renderer)); }, 20000))
            << "the renderer is gone";
        EXPECT_FALSE(window->saveButton()->isEnabled());
        alert->close();
        window->cancelButton()->click();
        EXPECT_TRUE(closes(window));
    }
}

// The window's captions in every language the viewer offers, each fitting its button.
class WebSettingWindowTextTest : public ::testing::TestWithParam<QString>
{
protected:
    void TearDown() override { TestSettings::reset(); }
};

TEST_P(WebSettingWindowTextTest, TheWindowsCaptionsAreTranslatedAndFit)
{
    TestSettings::reset();
    Preferences::initializeLanguageSetting();
    Preferences::changeLanguage(GetParam());
    Card card;
    QPointer<WebSettingWindowController> window = WebSettingWindowController::showWebSettingWindow(
        nullptr, card.root, threeLanguages(), [](QWidget *, const QString &) {});
    ASSERT_NE(window.data(), nullptr);
    QTest::qWait(50);
    EXPECT_NE(window->window()->windowTitle(), u"블랙박스 설정"_s);
    for (QPushButton *button :
         {window->resetButton(), window->cancelButton(), window->saveButton(), window->formatButton()}) {
        EXPECT_FALSE(button->text().isEmpty());
        const QString text = button->text();
        EXPECT_FALSE(std::any_of(text.begin(), text.end(), [](QChar c) { return c >= u'\uac00' && c <= u'\ud7a3'; }))
            << text.toStdString() << " is untranslated";
    }
    EXPECT_EQ(TextFit::overflowingTexts(window->window()), QStringList());
    window->cancelButton()->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }, 20000));
}

INSTANTIATE_TEST_SUITE_P(Languages, WebSettingWindowTextTest, ::testing::Values(u"en"_s, u"fr"_s, u"ja"_s, u"pt"_s),
                         [](const ::testing::TestParamInfo<QString> &param) { return param.param.toStdString(); });
} // namespace
