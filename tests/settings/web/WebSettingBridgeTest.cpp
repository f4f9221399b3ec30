// The settings page bridge without a web engine: the wire forms of the card's files, the script
// texts, the calls the page makes on "Dashcam", and what Save writes to a card folder.
#include "settings/web/RendererMemoryWatch.h"
#include "settings/web/WebDashcam.h"
#include "settings/web/WebSettingData.h"
#include "settings/web/WebSettingScript.h"
#include "settings/web/WebSettingSession.h"
#include "support/CardFolder.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {
QByteArray hexBytes(const char *hex)
{
    return QByteArray::fromHex(hex);
}

// A record of SIZE zero bytes with the 32-bit language INDEX at its place (when it fits).
QByteArray recordWithLanguage(qsizetype size, quint32 index)
{
    QByteArray record(size, '\0');
    if (size >= WebSettingData::LanguageIndexOffset + 4) {
        CardFolder::putInt32(record, WebSettingData::LanguageIndexOffset, qint32(index));
    }
    return record;
}

CardLanguageList threeLanguages()
{
    return {{0, u"en"_s}, {1, u"fr"_s}, {4, u"es"_s}};
}

// The bridge call as the page's script sends it.
QString message(const QStringList &call)
{
    QString json = u"["_s;
    for (qsizetype i = 0; i < call.size(); ++i) {
        json += (i > 0 ? u","_s : QString()) + WebSettingScript::quoted(call.at(i));
    }
    return json + u']';
}
} // namespace

TEST(WebSettingData, SettingsBytesTravelAsUpperCaseHexAndComeBackAsStrtoulReadsThem)
{
    EXPECT_EQ(WebSettingData::cfgStringWithData(hexBytes("00ab7f")), u"00AB7F"_s);
    EXPECT_EQ(WebSettingData::cfgStringWithData({}), QString());

    EXPECT_EQ(WebSettingData::dataFromHexString(u"0A1"), hexBytes("0a01"));
    EXPECT_EQ(WebSettingData::dataFromHexString(u"G1"), hexBytes("00"));
    EXPECT_EQ(WebSettingData::dataFromHexString(u"1G"), hexBytes("01"));
    EXPECT_EQ(WebSettingData::dataFromHexString(u"ff00aB"), hexBytes("ff00ab"));
    EXPECT_EQ(WebSettingData::dataFromHexString(u""), QByteArray());
    // Anything else a page may send gives one byte for every two characters and nothing more:
    // signs, spaces and letters beyond F read as no digit.
    EXPECT_EQ(WebSettingData::dataFromHexString(u"-1 2\u00e9"), hexBytes("000000"));
    EXPECT_EQ(WebSettingData::dataFromHexString(u"0x7Zz1"), hexBytes("000700"));
    const QByteArray all = QByteArray::fromHex("00017f80feff");
    EXPECT_EQ(WebSettingData::dataFromHexString(WebSettingData::cfgStringWithData(all)), all);
}

TEST(WebSettingData, TheLanguageIndexIsReadOnlyFromARecordThatHoldsIt)
{
    const QString third = WebSettingData::cfgStringWithData(recordWithLanguage(432, 2));
    EXPECT_EQ(WebSettingData::languageIndex(third), 2u);
    // Little-endian: 01 02 00 00 is 0x201.
    QByteArray record = recordWithLanguage(596, 0);
    record[428] = '\x01';
    record[429] = '\x02';
    EXPECT_EQ(WebSettingData::languageIndex(WebSettingData::cfgStringWithData(record)), 0x201u);
    // One byte short of the index, or digits a page made up, hold none.
    EXPECT_EQ(WebSettingData::languageIndex(WebSettingData::cfgStringWithData(QByteArray(431, '\0'))), std::nullopt);
    EXPECT_EQ(WebSettingData::languageIndex(QString()), std::nullopt);
    QString bad = third;
    bad[860] = u'x';
    EXPECT_EQ(WebSettingData::languageIndex(bad), std::nullopt);
}

TEST(WebSettingData, TheTimeFileHoldsDateHourAndMinuteAtFixedPlaces)
{
    const auto clock = WebSettingData::clockSettingFromTimeFile("2024,05,17,08,30,00,+0900");
    ASSERT_TRUE(clock.has_value());
    EXPECT_EQ(clock->date, u"2024,05,17"_s);
    EXPECT_EQ(clock->hour, u"08"_s);
    EXPECT_EQ(clock->minute, u"30"_s);
    EXPECT_EQ(WebSettingData::timeFileBytes(*clock), QByteArray("2024,05,17,08,30,00,+0900"));
    // Sixteen characters are enough; fifteen are not.
    EXPECT_TRUE(WebSettingData::clockSettingFromTimeFile("2024,05,17,08,30").has_value());
    EXPECT_FALSE(WebSettingData::clockSettingFromTimeFile("2024,05,17,08,3").has_value());
    EXPECT_FALSE(WebSettingData::clockSettingFromTimeFile("").has_value());
    EXPECT_EQ(WebSettingData::dateFromPage(u"2024/05/17"_s), u"2024,05,17"_s);
}

TEST(WebSettingScript, TheCallsReadAsThePageExpectsAndCardTextCannotBreakOutOfThem)
{
    EXPECT_EQ(WebSettingScript::setCfg(u"00AB7F"_s), u"set_cfg(\"00AB7F\")"_s);
    EXPECT_EQ(WebSettingScript::setParamLanguage({u"en"_s, u"fr"_s, u"es"_s}),
              u"setParamLanguage(['en','fr','es',])"_s);
    EXPECT_EQ(WebSettingScript::setParamLanguage({}), u"setParamLanguage([])"_s);
    EXPECT_EQ(WebSettingScript::setLanguage(u"es"_s), u"set_language(\"es\")"_s);
    EXPECT_EQ(WebSettingScript::setTimeDate(u"2024,05,17"_s), u"setTimeDate(\"2024,05,17\")"_s);
    EXPECT_EQ(WebSettingScript::setTimeHour(u"08"_s), u"setTimeHour(\"08\")"_s);
    EXPECT_EQ(WebSettingScript::setTimeMin(u"30"_s), u"setTimeMin(\"30\")"_s);
    EXPECT_EQ(WebSettingScript::generateSetting(true), u"generateSetting(true)"_s);
    EXPECT_EQ(WebSettingScript::generateSetting(false), u"generateSetting(false)"_s);
    EXPECT_EQ(WebSettingScript::updateOk(7, u"adas"_s), u"update_ok(7, \"adas\")"_s);
    EXPECT_EQ(WebSettingScript::updateCancel(-3), u"update_cancel(-3)"_s);

    // A language code from the card's ver.dat, a value from the page: quotes, backslashes and
    // line breaks stay inside the literal.
    EXPECT_EQ(WebSettingScript::setParamLanguage({u"e'n"_s}), u"setParamLanguage(['e\\'n',])"_s);
    EXPECT_EQ(WebSettingScript::setLanguage(u"x\");alert(1);(\""_s), u"set_language(\"x\\\");alert(1);(\\\"\")"_s);
    EXPECT_EQ(WebSettingScript::updateOk(1, u"a\\b\nc\u2028"_s), u"update_ok(1, \"a\\\\b\\u000ac\\u2028\")"_s);
}

TEST(WebDashcam, CallsReachTheirMethodsUnderTheirScriptNames)
{
    WebSettingSession session(u"/nowhere"_s, threeLanguages());
    WebDashcam *dashcam = session.webDashcam();
    EXPECT_EQ(dashcam->controller(), &session);
    EXPECT_EQ(WebDashcam::scriptNames().size(), 15);

    EXPECT_TRUE(dashcam->deliver(message({u"setdate"_s, u"2024/05/17"_s})));
    EXPECT_TRUE(dashcam->deliver(message({u"setdate:hour"_s, u"08"_s})));
    EXPECT_TRUE(dashcam->deliver(message({u"setdate:min"_s, u"30"_s})));
    EXPECT_TRUE(dashcam->deliver(message({u"setdate:ampm"_s, u"PM"_s})));
    EXPECT_TRUE(dashcam->deliver(message({u"setdate:use"_s, u"1"_s})));
    EXPECT_EQ(session.websettingDate(), u"2024,05,17"_s);
    EXPECT_EQ(session.websettingHour(), u"08"_s);
    EXPECT_EQ(session.websettingMin(), u"30"_s);
    EXPECT_TRUE(session.websettingDateTimeUse());
    // Only "1" means use; a missing argument arrives as "".
    EXPECT_TRUE(dashcam->deliver(message({u"setdate:use"_s, u"true"_s})));
    EXPECT_FALSE(session.websettingDateTimeUse());
    dashcam->deliver(message({u"setdate:use"_s, u"1"_s}));
    EXPECT_TRUE(dashcam->deliver(message({u"setdate:use"_s})));
    EXPECT_FALSE(session.websettingDateTimeUse());

    // Method names that have a script name of their own are not reachable by the method name,
    // and what is not a call does nothing.
    EXPECT_FALSE(dashcam->deliver(message({u"SetDate"_s, u"1999/01/01"_s})));
    EXPECT_FALSE(dashcam->deliver(message({u"showPopup"_s, u"a\tb\t1\tv\t2"_s})));
    EXPECT_FALSE(dashcam->deliver(u"not json"_s));
    EXPECT_FALSE(dashcam->deliver(u"{\"setdate\": 1}"_s));
    EXPECT_FALSE(dashcam->deliver(u"[]"_s));
    EXPECT_FALSE(dashcam->deliver(u"[\"setdate\", \""_s + QString(WebDashcam::MaxMessageLength, u'1') + u"\"]"_s));
    EXPECT_EQ(session.websettingDate(), u"2024,05,17"_s);
}

TEST(WebDashcam, PageRequestsActAfterThePagesCallHasReturned)
{
    WebSettingSession session(u"/nowhere"_s, {});
    QSignalSpy connection(&session, &WebSettingSession::connectionRequested);
    QSignalSpy tabs(&session, &WebSettingSession::showTabsRequested);
    QSignalSpy back(&session, &WebSettingSession::backButtonRequested);
    session.webDashcam()->deliver(message({u"docLoadComplete"_s}));
    session.webDashcam()->deliver(message({u"languageSetComplete"_s}));
    EXPECT_EQ(connection.size(), 0);
    EXPECT_EQ(tabs.size(), 0);
    session.webDashcam()->deliver(message({u"clickedList"_s}));
    EXPECT_EQ(back.size(), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(connection.size(), 1);
    ASSERT_EQ(tabs.size(), 1);
    EXPECT_FALSE(tabs.at(0).at(0).toBool());

    // The connection itself runs once, whoever starts it.
    EXPECT_TRUE(session.beginConnection());
    EXPECT_FALSE(session.beginConnection());
    EXPECT_TRUE(session.didLoadHtml());
}

TEST(WebDashcam, PageAlertsNeedFiveFieldsAndAreAnsweredByButton)
{
    WebSettingSession session(u"/nowhere"_s, {});
    QSignalSpy alerts(&session, &WebSettingSession::alertRequested);
    WebDashcam *dashcam = session.webDashcam();
    dashcam->deliver(message({u"userNoti"_s, u"Title\tText\t7\tvalue"_s}));
    EXPECT_EQ(alerts.size(), 0);
    EXPECT_EQ(session.alertAnswerScript(1001), QString()) << "no alert, no answer";

    dashcam->deliver(message({u"userNoti"_s, u"Title\t<b>Text</b>\t7\tvalue\t2\textra"_s}));
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_EQ(alerts.at(0).at(0).toString(), u"Title"_s);
    EXPECT_EQ(alerts.at(0).at(1).toString(), u"<b>Text</b>"_s);
    EXPECT_EQ(alerts.at(0).at(2).toInt(), 2);
    EXPECT_EQ(session.userNotificationIndex(), 7);
    EXPECT_EQ(session.userNotificationValue(), u"value"_s);
    // One alert at a time.
    dashcam->deliver(message({u"userNoti"_s, u"Other\tText\t8\tx\t1"_s}));
    EXPECT_EQ(alerts.size(), 1);
    EXPECT_EQ(session.alertAnswerScript(1001), u"update_ok(7, \"value\")"_s);
    EXPECT_FALSE(session.isAlertShown());

    // Numbers are read as leading integers: "12px" is 12, "two" 0.
    dashcam->deliver(message({u"userNoti"_s, u"T\tM\t12px\tv\ttwo"_s}));
    ASSERT_EQ(alerts.size(), 2);
    EXPECT_EQ(alerts.at(1).at(2).toInt(), 0);
    EXPECT_EQ(session.alertAnswerScript(1000), u"update_cancel(12)"_s);
}

TEST(WebDashcam, APageThatKeepsAskingForAlertsIsStoppedAfterAFew)
{
    WebSettingSession session(u"/nowhere"_s, {});
    QSignalSpy alerts(&session, &WebSettingSession::alertRequested);
    for (int i = 0; i < 50; ++i) {
        session.webDashcam()->deliver(message({u"userNoti"_s, u"T\tM\t1\tv\t1"_s}));
        session.alertAnswerScript(1000);
    }
    EXPECT_EQ(alerts.size(), WebSettingSession::MaxAlertsInBurst);
}

TEST(WebSettingSession, TheConnectionCallsFollowTheCardsFiles)
{
    CardFolder card;
    QByteArray record = recordWithLanguage(432, 2);
    record.replace(0, 3, hexBytes("00ab7f"));
    card.write(u"SETTING/setup.cfg"_s, record);
    card.write(u"SETTING/time.dat"_s, "2024,05,17,08,30,00,+0900");
    WebSettingSession session(card.path(), threeLanguages());
    const QStringList scripts = session.connectionScripts();
    ASSERT_EQ(scripts.size(), 6) << scripts.join(u'\n').left(2000).toStdString();
    EXPECT_TRUE(scripts.at(0).startsWith(u"set_cfg(\"00AB7F0000"_s));
    EXPECT_EQ(scripts.at(0).size(), QString(u"set_cfg(\"\")"_s).size() + 432 * 2);
    EXPECT_EQ(scripts.at(1), u"setParamLanguage(['en','fr','es',])"_s);
    EXPECT_EQ(scripts.at(2), u"set_language(\"es\")"_s);
    EXPECT_EQ(scripts.mid(3),
              (QStringList{u"setTimeDate(\"2024,05,17\")"_s, u"setTimeHour(\"08\")"_s, u"setTimeMin(\"30\")"_s}));
    EXPECT_TRUE(session.websettingDateTimeUse());
}

TEST(WebSettingSession, ShortOrMissingFilesSkipTheirCallsInsteadOfReadingPastTheirEnd)
{
    CardFolder card;
    WebSettingSession session(card.path(), threeLanguages());
    // No record, no time file.
    EXPECT_EQ(session.connectionScripts(), (QStringList{u"set_cfg(\"\")"_s, u"setParamLanguage(['en','fr','es',])"_s}));
    EXPECT_FALSE(session.websettingDateTimeUse());

    // A record one byte short of the index, an index past the list, a time file too short.
    card.write(u"SETTING/setup.cfg"_s, QByteArray(431, '\0'));
    card.write(u"SETTING/time.dat"_s, "2024,05,17,08,3");
    EXPECT_EQ(session.connectionScripts().size(), 2);
    card.write(u"SETTING/setup.cfg"_s, recordWithLanguage(596, 3));
    EXPECT_EQ(session.connectionScripts().size(), 2);
    card.write(u"SETTING/setup.cfg"_s, recordWithLanguage(596, 0xffffffffu));
    EXPECT_EQ(session.connectionScripts().size(), 2);
    EXPECT_FALSE(session.websettingDateTimeUse());
    // No languages on the card at all.
    WebSettingSession bare(card.path(), {});
    EXPECT_EQ(bare.connectionScripts().at(1), u"setParamLanguage([])"_s);

    // Reset sends the card's defaults, or nothing to set when there are none.
    EXPECT_EQ(session.resetScript(), u"set_cfg(\"\")"_s);
    card.write(u"SETTING/default.cfg"_s, hexBytes("0102"));
    EXPECT_EQ(session.resetScript(), u"set_cfg(\"0102\")"_s);
}

TEST(WebSettingSession, SaveWritesTheClockWhenAskedAndThePagesBytes)
{
    CardFolder card;
    card.write(u"SETTING/setup.cfg"_s, hexBytes("00ab7f"));
    card.write(u"SETTING/time.dat"_s, "untouched");
    WebSettingSession session(card.path(), {});
    session.setWebsettingDate(u"2024/05/17"_s);
    session.setWebsettingHour(u"08"_s);
    session.setWebsettingMin(u"30"_s);

    // Use 0: the time file stays as it is.
    EXPECT_EQ(session.saveConfig(u"0A1"_s), WebSettingSession::SaveResult::Saved);
    EXPECT_EQ(card.read(u"SETTING/setup.cfg"_s), hexBytes("0a01"));
    EXPECT_EQ(card.read(u"SETTING/time.dat"_s), QByteArray("untouched"));

    session.setWebsettingDateTimeUse(true);
    EXPECT_EQ(session.saveConfig(u"G1"_s), WebSettingSession::SaveResult::Saved);
    EXPECT_EQ(card.read(u"SETTING/setup.cfg"_s), hexBytes("00"));
    EXPECT_EQ(card.read(u"SETTING/time.dat"_s), QByteArray("2024,05,17,08,30,00,+0900"));
    // The files are written whole, with nothing left beside them.
    EXPECT_EQ(QDir(card.filePath(u"SETTING"_s)).entryList(QDir::Files | QDir::Hidden),
              (QStringList{u"setup.cfg"_s, u"time.dat"_s}));
}

TEST(WebSettingSession, AnswersThatAreNoSettingsAndCardsThatRefuseAreReportedNotSaved)
{
    CardFolder card;
    card.write(u"SETTING/setup.cfg"_s, hexBytes("00ab7f"));
    card.write(u"SETTING/time.dat"_s, "untouched");
    WebSettingSession session(card.path(), {});
    session.setWebsettingDate(u"2024/05/17"_s);
    session.setWebsettingHour(u"08"_s);
    session.setWebsettingMin(u"30"_s);
    session.setWebsettingDateTimeUse(true);

    // A page that threw (no value), answered a number or an object, or nothing: nothing written.
    for (const QVariant &answer : {QVariant(), QVariant(42.0), QVariant(QVariantMap{{u"a"_s, 1}}), QVariant(QString()),
                                   QVariant(QString(2 * WebSettingSession::MaxCfgFileSize + 2, u'0'))}) {
        QString error;
        EXPECT_EQ(session.saveConfig(answer, &error), WebSettingSession::SaveResult::NotHexText) << answer.typeName();
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_EQ(card.read(u"SETTING/setup.cfg"_s), hexBytes("00ab7f"));
    EXPECT_EQ(card.read(u"SETTING/time.dat"_s), QByteArray("untouched"));

    // A card that does not take the record (a folder in its place) keeps what it held.
    QFile::remove(card.filePath(u"SETTING/setup.cfg"_s));
    ASSERT_TRUE(QDir().mkpath(card.filePath(u"SETTING/setup.cfg"_s)));
    QString error;
    EXPECT_EQ(session.saveConfig(u"0102"_s, &error), WebSettingSession::SaveResult::WriteFailed);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(card.filePath(u"SETTING/setup.cfg"_s)).isDir());
    // The clock goes to the camera with the settings only: a refused record leaves it too.
    EXPECT_EQ(card.read(u"SETTING/time.dat"_s), QByteArray("untouched"));

    // A clock the page never filled in is not written.
    WebSettingSession blank(card.path(), {});
    blank.setWebsettingDateTimeUse(true);
    QFile::remove(card.filePath(u"SETTING/time.dat"_s));
    QDir(card.filePath(u"SETTING/setup.cfg"_s)).removeRecursively();
    EXPECT_EQ(blank.saveConfig(u"01"_s), WebSettingSession::SaveResult::Saved);
    EXPECT_FALSE(card.exists(u"SETTING/time.dat"_s));
}

TEST(WebSettingSession, TheCardsFilesAndPageAreNamedWhateverThePathHolds)
{
    CardFolder parent;
    const QString root = QDir(parent.path()).filePath(u"card #1 100% ?é"_s);
    WebSettingSession session(root, {});
    const QUrl page = session.indexHtmlUrl();
    EXPECT_TRUE(page.isValid());
    EXPECT_EQ(page.scheme(), u"file"_s);
    EXPECT_EQ(page.toLocalFile(), root + u"/SETTING/html/index.html"_s);
    EXPECT_TRUE(page.fragment().isNull());
    EXPECT_TRUE(page.query().isNull());
    EXPECT_EQ(session.cfgFilename(), root + u"/SETTING/setup.cfg"_s);
    EXPECT_EQ(session.defaultCfgFilename(), root + u"/SETTING/default.cfg"_s);
    EXPECT_EQ(session.adasFilename(), root + u"/SETTING/ADAS_CAL.dat"_s);
    EXPECT_EQ(session.timedateFilename(), root + u"/SETTING/time.dat"_s);

    // adasreset removes the calibration and nothing else; without one it does nothing.
    CardFolder card;
    card.write(u"SETTING/ADAS_CAL.dat"_s, "cal");
    card.write(u"SETTING/setup.cfg"_s, "cfg");
    WebSettingSession withCalibration(card.path(), {});
    withCalibration.webDashcam()->deliver(message({u"adasreset"_s}));
    EXPECT_FALSE(card.exists(u"SETTING/ADAS_CAL.dat"_s));
    EXPECT_TRUE(card.exists(u"SETTING/setup.cfg"_s));
    withCalibration.webDashcam()->deliver(message({u"adasreset"_s}));
    EXPECT_TRUE(card.exists(u"SETTING/setup.cfg"_s));

    EXPECT_TRUE(WebSettingSession::isWebSettingModel(16));
    EXPECT_TRUE(WebSettingSession::isWebSettingModel(17));
    EXPECT_TRUE(WebSettingSession::isWebSettingModel(20));
    EXPECT_TRUE(WebSettingSession::isWebSettingModel(26));
    EXPECT_FALSE(WebSettingSession::isWebSettingModel(18));
    EXPECT_FALSE(WebSettingSession::isWebSettingModel(6));
    EXPECT_FALSE(WebSettingSession::isWebSettingModel(-1));
}

// --- A card made to reach outside itself -----------------------------------------------------------

namespace {
// A card with the page's four files, and a folder beside it standing for the rest of the computer.
struct HostileCard
{
    HostileCard()
    {
        card.write(u"SETTING/setup.cfg"_s, recordWithLanguage(432, 1));
        card.write(u"SETTING/html/index.html"_s, "<p>page</p>");
        secret = outside.write(u"passwd"_s, "root:x:0:0:secret\n");
    }

    QString cardFile(const QString &name) const { return card.filePath(u"SETTING/"_s + name); }
    // Replaces the card's file NAME by a link to the outside file.
    void linkOut(const QString &name) const
    {
        QFile::remove(cardFile(name));
        EXPECT_TRUE(QFile::link(secret, cardFile(name)));
    }
    // Replaces the card's SETTING folder by a link to the outside folder.
    void linkSettingFolderOut() const
    {
        EXPECT_TRUE(QDir(card.filePath(u"SETTING"_s)).removeRecursively());
        EXPECT_TRUE(QFile::link(outside.path(), card.filePath(u"SETTING"_s)));
    }

    CardFolder card;
    CardFolder outside;
    QString secret;
};

const QString SecretHex = WebSettingData::cfgStringWithData("root:x:0:0:secret\n");
} // namespace

TEST(WebSettingSession, CardFilesThatAreLinksAreNeitherReadNorHandedToThePage)
{
    HostileCard hostile;
    hostile.linkOut(u"default.cfg"_s);
    hostile.linkOut(u"setup.cfg"_s);
    hostile.linkOut(u"time.dat"_s);
    WebSettingSession session(hostile.card.path(), threeLanguages());
    EXPECT_EQ(session.defaultCfgString(), QString());
    EXPECT_EQ(session.cfgString(), QString());
    EXPECT_EQ(session.resetScript(), WebSettingScript::setCfg(QString()));
    const QStringList scripts = session.connectionScripts();
    EXPECT_FALSE(scripts.join(u'\n').contains(SecretHex)) << scripts.join(u'\n').toStdString();
    EXPECT_EQ(scripts.size(), 2) << "no language, no clock from linked files";
    EXPECT_FALSE(session.websettingDateTimeUse());
}

TEST(WebSettingSession, PipesOnTheCardAreNeverOpened)
{
    // Each would block the window for good if it were opened for reading.
    HostileCard hostile;
    for (const QString &name : {u"default.cfg"_s, u"time.dat"_s}) {
        ASSERT_EQ(::mkfifo(QFile::encodeName(hostile.cardFile(name)).constData(), 0600), 0);
    }
    QFile::remove(hostile.cardFile(u"setup.cfg"_s));
    ASSERT_EQ(::mkfifo(QFile::encodeName(hostile.cardFile(u"setup.cfg"_s)).constData(), 0600), 0);
    WebSettingSession session(hostile.card.path(), threeLanguages());
    EXPECT_EQ(session.resetScript(), WebSettingScript::setCfg(QString()));
    EXPECT_EQ(session.connectionScripts().size(), 2);
    EXPECT_FALSE(session.websettingDateTimeUse());

    // A page that is a pipe is no page: the card is not opened on it.
    EXPECT_EQ(WebSettingSession::cardProblem(hostile.card.path()), QString());
    const QString page = hostile.cardFile(u"html/index.html"_s);
    QFile::remove(page);
    ASSERT_EQ(::mkfifo(QFile::encodeName(page).constData(), 0600), 0);
    EXPECT_NE(WebSettingSession::cardProblem(hostile.card.path()), QString());
}

TEST(WebSettingSession, ASettingFolderLinkedOutOfTheCardIsNeitherReadWrittenNorCleared)
{
    HostileCard hostile;
    hostile.outside.write(u"setup.cfg"_s, recordWithLanguage(432, 1));
    hostile.outside.write(u"time.dat"_s, "2024,05,17,08,30,00,+0900");
    hostile.outside.write(u"ADAS_CAL.dat"_s, "calibration");
    hostile.outside.write(u"html/index.html"_s, "<p>page</p>");
    WebSettingSession session(hostile.card.path(), threeLanguages());
    session.setWebsettingDate(u"2025/01/02"_s);
    session.setWebsettingHour(u"23"_s);
    session.setWebsettingMin(u"59"_s);
    session.setWebsettingDateTimeUse(true);
    // Linked after the window opened: every call looks again.
    hostile.linkSettingFolderOut();
    EXPECT_NE(WebSettingSession::cardProblem(hostile.card.path()), QString());
    EXPECT_EQ(session.cfgString(), QString());
    session.removeAdasCalibration();
    QString error;
    EXPECT_EQ(session.saveConfig(u"0A0B"_s, &error), WebSettingSession::SaveResult::WriteFailed);
    EXPECT_TRUE(error.contains(u"outside the card"_s)) << error.toStdString();
    EXPECT_EQ(hostile.outside.read(u"setup.cfg"_s), recordWithLanguage(432, 1));
    EXPECT_EQ(hostile.outside.read(u"time.dat"_s), QByteArray("2024,05,17,08,30,00,+0900"));
    EXPECT_EQ(hostile.outside.read(u"ADAS_CAL.dat"_s), QByteArray("calibration"));
}

TEST(RendererMemoryWatch, AProcessPastTheLimitIsStoppedAndReported)
{
    EXPECT_GT(RendererMemoryWatch::residentBytes(::getpid()).value_or(0), 1024 * 1024);
    EXPECT_FALSE(RendererMemoryWatch::residentBytes(0).has_value());

    QProcess child;
    child.start(u"sleep"_s, {u"600"_s});
    ASSERT_TRUE(child.waitForStarted());
    RendererMemoryWatch watch;
    QSignalSpy exceeded(&watch, &RendererMemoryWatch::limitExceeded);
    watch.watch(child.processId());
    // Under the limit nothing happens.
    EXPECT_FALSE(watch.check());
    EXPECT_EQ(child.state(), QProcess::Running);
    // Over it (a limit below what any process holds), the process is killed and the watch ends.
    watch.setLimitBytes(1);
    ASSERT_TRUE(exceeded.wait(10000));
    EXPECT_GT(exceeded.at(0).at(0).toLongLong(), 1);
    EXPECT_TRUE(child.waitForFinished(10000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(watch.watchedPid(), 0);
}

// What the web engine's browser side holds for a page is memory of this process: its growth since
// the watch started counts with the renderer's.
TEST(RendererMemoryWatch, ThisProcesssGrowthSinceTheWatchStartedCountsForThePage)
{
    QProcess child;
    child.start(u"sleep"_s, {u"600"_s});
    ASSERT_TRUE(child.waitForStarted());
    RendererMemoryWatch watch;
    QSignalSpy exceeded(&watch, &RendererMemoryWatch::limitExceeded);
    watch.watch(child.processId());
    const qint64 before = watch.pageBytes();
    EXPECT_GT(before, 0);
    EXPECT_FALSE(watch.check());

    constexpr qsizetype Held = 256 * 1024 * 1024;
    std::vector<char> held(Held);
    std::fill(held.begin(), held.end(), char(1));
    EXPECT_GE(watch.pageBytes() - before, Held / 2) << "the growth is counted";
    watch.setLimitBytes(before + Held / 4);
    EXPECT_TRUE(watch.check());
    EXPECT_EQ(exceeded.size(), 1);
    EXPECT_TRUE(child.waitForFinished(10000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(held.back(), 1);
}
