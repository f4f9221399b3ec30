#include "settings/record/maintenance/CardMaintenance.h"

#include "core/VexoLanguages.h"

#include "settings/record/maintenance/FakeFormatHelper.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Kind = CardMaintenance::SheetKind;

namespace {
QString tr(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}

const QString CannotFormat = u"메모리 카드를 포멧할 수 없습니다."_s;
const QString Formatting = u"포맷 중 입니다.\r\n잠시만 기다려 주십시오."_s;
const QString FormatDone = u"메모리 카드 포맷이 완료 되었습니다."_s;
const QString CannotStart =
    u"메모리 카드를 포멧할 수 없습니다.\r\n\r\n포맷 프로그램을 실행할 수 없습니다.\r\n프로그램을 다시 설치하십시오."_s;
const QString TouchDone = u"화면 터치 정확도 초기화가 완료되었습니다."_s;
const QString TouchFailed = u"화면 터치 정확도를 초기화할 수 없습니다.\r\n메모리카드를 확인하여 주시기 바랍니다."_s;

class CardMaintenanceTest : public ::testing::Test
{
protected:
    // Formats through HELPER's script with STATUS and waits for the end; the result reported.
    CardMaintenance::FormatResult formatToTheEnd()
    {
        QSignalSpy finished(&model, &CardMaintenance::formatFinished);
        model.memoryCardFormatButtonTouched();
        EXPECT_EQ(model.currentSheet().kind, Kind::FormatConfirmation);
        model.alertDidSelected(CardMaintenance::SecondButton);
        EXPECT_TRUE(finished.wait(20000) || finished.size() == 1);
        return finished.isEmpty() ? CardMaintenance::FormatResult::Failed
                                  : finished.constFirst().constFirst().value<CardMaintenance::FormatResult>();
    }

    FakeFormatHelper helper;
    CardMaintenance model;
};

TEST_F(CardMaintenanceTest, FormatsOnlyCardsOnRemovableVolumesThatHaveANameAndSaysWhyNot)
{
    helper.prepare(model, 0);
    ASSERT_TRUE(QDir(helper.cardRoot()).mkpath(u"SETTING"_s));
    // The refusal names its reason after the sentence the camera's own texts use.
    const QString nothingMounted = u"이 경로에 마운트된 볼륨이 없습니다."_s;
    const struct
    {
        QString root;
        Kind expected;
        QString reason;
    } cases[] = {
        {helper.cardRoot(), Kind::FormatConfirmation, {}},
        {helper.volumeRoot(u"DISK"_s), Kind::FormatMessage, u"볼륨이 이동식 매체에 있지 않습니다."_s},
        {helper.volumeRoot(u"Untitled 2"_s), Kind::FormatMessage, u"이름 없는 볼륨은 카메라 카드로 보지 않습니다."_s},
        {QString(), Kind::FormatMessage, nothingMounted},
        {u"/nonexistent/card"_s, Kind::FormatMessage, nothingMounted},
        {QDir(helper.cardRoot()).filePath(u"SETTING"_s), Kind::FormatMessage, nothingMounted}, // inside a card
    };
    for (const auto &c : cases) {
        model.setCardRoot(c.root);
        model.memoryCardFormatButtonTouched();
        const CardMaintenance::Sheet &sheet = model.currentSheet();
        EXPECT_EQ(sheet.kind, c.expected) << c.root.toStdString();
        EXPECT_EQ(sheet.messageText, tr(u"메모리 카드 포멧"_s));
        if (c.expected == Kind::FormatMessage) {
            EXPECT_EQ(sheet.informativeText, tr(CannotFormat) + u"\n\n"_s + tr(c.reason)) << c.root.toStdString();
            EXPECT_EQ(sheet.buttonTitles, QStringList{u"OK"_s});
        } else {
            EXPECT_EQ(sheet.buttonTitles, QStringList({tr(u"아니오"_s), tr(u"예"_s)}));
        }
        model.alertDidSelected(CardMaintenance::FirstButton);
        EXPECT_EQ(model.currentSheet().kind, Kind::None);
    }
    EXPECT_TRUE(helper.argumentsGiven().isEmpty());
    // In English, as the user reads it.
    model.setCardRoot(u"/nonexistent/card"_s);
    model.memoryCardFormatButtonTouched();
    EXPECT_EQ(model.currentSheet().informativeText,
              u"The memory card cannot be formatted.\n\nNothing is mounted at this path."_s);
}

TEST_F(CardMaintenanceTest, NoLeavesTheCardAlone)
{
    helper.prepare(model, 0);
    QSignalSpy changes(&model, &CardMaintenance::sheetChanged);
    QSignalSpy refreshes(&model, &CardMaintenance::refreshVideoFileList);
    model.memoryCardFormatButtonTouched();
    model.alertDidSelected(CardMaintenance::FirstButton);
    EXPECT_EQ(model.currentSheet().kind, Kind::None);
    EXPECT_EQ(changes.size(), 2); // the confirmation opened and closed, nothing after
    QTest::qWait(200);
    EXPECT_FALSE(model.isFormatting());
    EXPECT_TRUE(helper.argumentsGiven().isEmpty());
    EXPECT_TRUE(refreshes.isEmpty());
}

TEST_F(CardMaintenanceTest, ReportsHowTheHelperEndedAndRefreshesTheList)
{
    const struct
    {
        int status;
        CardMaintenance::FormatResult result;
        QString text;
    } cases[] = {
        {0, CardMaintenance::FormatResult::Succeeded, FormatDone},
        {1, CardMaintenance::FormatResult::Failed,
         u"메모리 카드를 포멧할 수 없습니다.\r\n\r\nORBIVX에서 동영상을 재생 중이거나 GPS 데이터를 수집중인 "
         u"경우\r\nORBIVEX를 "
         u"종료하고 다시 포맷하십시오.\r\n메모리카드를 사용하고 있는 디스크 유틸리티나 다른 프로그램을 종료하고\r\n"
         u"메모리카드의 내용을 표시하고 있는 창이 없는지 확인한 다음 다시 포맷하십시오."_s},
        {127, CardMaintenance::FormatResult::CannotStart, CannotStart}, // env found no helper
    };
    for (const auto &c : cases) {
        helper.prepare(model, c.status);
        QSignalSpy refreshes(&model, &CardMaintenance::refreshVideoFileList);
        EXPECT_EQ(formatToTheEnd(), c.result) << c.status;
        const CardMaintenance::Sheet &sheet = model.currentSheet();
        EXPECT_EQ(sheet.kind, Kind::FormatProgress);
        EXPECT_EQ(sheet.informativeText, tr(c.text)) << c.status;
        EXPECT_TRUE(sheet.buttonsEnabled);
        EXPECT_FALSE(sheet.showsProgress);
        EXPECT_EQ(refreshes.size(), 1);
        // The card root goes to the helper as one argument, spaces, quotes and all.
        EXPECT_EQ(helper.argumentsGiven(), QStringList({u"reformat"_s, helper.cardRoot()}));
        model.alertDidSelected(CardMaintenance::FirstButton);
        EXPECT_EQ(model.currentSheet().kind, Kind::None);
    }
}

TEST_F(CardMaintenanceTest, AHelperThatCannotStartIsReportedNotLeftFormatting)
{
    helper.prepare(model, 0);
    for (const QStringList &command :
         {QStringList{u"/nonexistent/env"_s}, QStringList{u"/usr/bin/env"_s, u"velmora-format-card-not-installed"_s}}) {
        model.setFormatCommand(command.first(), command.mid(1) << u"reformat"_s);
        EXPECT_EQ(formatToTheEnd(), CardMaintenance::FormatResult::CannotStart);
        EXPECT_EQ(model.currentSheet().informativeText, tr(CannotStart));
        EXPECT_NE(model.currentSheet().informativeText, tr(Formatting));
        EXPECT_TRUE(model.currentSheet().buttonsEnabled);
        model.alertDidSelected(CardMaintenance::FirstButton);
    }
}

TEST_F(CardMaintenanceTest, ASlowFormatHoldsItsSheetAndAllowsNoSecondOne)
{
    helper.prepare(model, 0, true);
    QSignalSpy finished(&model, &CardMaintenance::formatFinished);
    model.memoryCardFormatButtonTouched();
    model.alertDidSelected(CardMaintenance::SecondButton);
    ASSERT_TRUE(model.isFormatting());
    const CardMaintenance::Sheet &sheet = model.currentSheet();
    EXPECT_EQ(sheet.kind, Kind::FormatProgress);
    EXPECT_EQ(sheet.informativeText, tr(Formatting));
    EXPECT_FALSE(sheet.buttonsEnabled);
    EXPECT_TRUE(sheet.showsProgress);

    // The helper floods both channels before it waits: it gets there only if they are drained.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(helper.argumentsFile()), 10000);
    QTest::qWait(300);
    model.alertDidSelected(CardMaintenance::FirstButton);
    model.memoryCardFormatButtonTouched();
    model.initializeTouchButtonTouched();
    EXPECT_EQ(model.currentSheet().kind, Kind::FormatProgress);
    EXPECT_FALSE(model.currentSheet().buttonsEnabled);
    EXPECT_TRUE(finished.isEmpty());

    helper.letSlowHelperFinish();
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(model.currentSheet().informativeText, tr(FormatDone));
    EXPECT_TRUE(model.currentSheet().buttonsEnabled);
}

TEST_F(CardMaintenanceTest, TouchResetLeavesAnEmptyMarkerOnTheCardOrSaysItCouldNot)
{
    helper.prepare(model, 0);
    const QString marker = helper.cardRoot() + u"/Set_touch_cal.txt"_s;

    model.initializeTouchButtonTouched();
    EXPECT_EQ(model.currentSheet().kind, Kind::TouchConfirmation);
    EXPECT_EQ(model.currentSheet().messageText, tr(u"초기화하기"_s));
    model.alertDidSelected(CardMaintenance::FirstButton);
    EXPECT_EQ(model.currentSheet().kind, Kind::None);
    EXPECT_FALSE(QFileInfo::exists(marker));

    // An old marker with content is replaced by an empty one.
    QFile old(marker);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    model.initializeTouchButtonTouched();
    model.alertDidSelected(CardMaintenance::SecondButton);
    EXPECT_EQ(model.currentSheet().kind, Kind::TouchMessage);
    EXPECT_EQ(model.currentSheet().informativeText, tr(TouchDone));
    EXPECT_TRUE(QFileInfo(marker).isFile());
    EXPECT_EQ(QFileInfo(marker).size(), 0);
    model.alertDidSelected(CardMaintenance::FirstButton);

    // A card that is gone, or a folder where the marker goes: a failure, not "done".
    QFile::remove(marker);
    ASSERT_TRUE(QDir().mkpath(marker));
    for (const QString &root : {helper.cardRoot(), u"/nonexistent/card"_s, QString()}) {
        model.setCardRoot(root);
        model.initializeTouchButtonTouched();
        model.alertDidSelected(CardMaintenance::SecondButton);
        EXPECT_EQ(model.currentSheet().informativeText, tr(TouchFailed)) << root.toStdString();
        model.alertDidSelected(CardMaintenance::FirstButton);
    }
}
} // namespace
