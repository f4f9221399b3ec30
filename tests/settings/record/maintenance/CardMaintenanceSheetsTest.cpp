#include "settings/record/maintenance/CardMaintenanceSheets.h"

#include "core/VexoLanguages.h"

#include "settings/record/maintenance/FakeFormatHelper.h"
#include "support/QtPrinters.h"

#include <QAbstractButton>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
QString tr(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}

QAbstractButton *buttonTitled(QMessageBox *box, const QString &title)
{
    const QList<QAbstractButton *> buttons = box->buttons();
    for (QAbstractButton *button : buttons) {
        if (button->text() == title) {
            return button;
        }
    }
    return nullptr;
}

class CardMaintenanceSheetsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(800, 600);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QWidget window;
    FakeFormatHelper helper;
    CardMaintenance model;
    CardMaintenanceSheets sheets{&model, &window};
};

TEST_F(CardMaintenanceSheetsTest, ConfirmationIsAWindowModalPlainTextSheetWithNoThenYes)
{
    helper.prepare(model, 0);
    model.memoryCardFormatButtonTouched();
    QMessageBox *box = sheets.currentBox();
    ASSERT_NE(box, nullptr);
    QTRY_VERIFY(box->isVisible());
    EXPECT_EQ(box->parentWidget(), &window);
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->text(), tr(u"메모리 카드 포멧"_s));
    // Shown with plain line breaks, and never read as markup.
    EXPECT_EQ(box->informativeText(),
              tr(u"주의 : 포맷 시 메모리 카드의 모든 데이터가 삭제됩니다. \r\n포맷하려면 (예)를, "
                 u"취소하려면 (아니오)를 선택 하십시오."_s)
                  .replace(u"\r\n"_s, u"\n"_s));
    for (const QLabel *label : box->findChildren<QLabel *>()) {
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
    }
    QAbstractButton *no = buttonTitled(box, tr(u"아니오"_s));
    QAbstractButton *yes = buttonTitled(box, tr(u"예"_s));
    ASSERT_NE(no, nullptr);
    ASSERT_NE(yes, nullptr);
    EXPECT_EQ(box->buttons().size(), 2);
    EXPECT_LT(no->mapTo(box, QPoint()).x(), yes->mapTo(box, QPoint()).x());

    QTest::mouseClick(no, Qt::LeftButton);
    QTRY_VERIFY(sheets.currentBox() == nullptr);
    EXPECT_EQ(model.currentSheet().kind, CardMaintenance::SheetKind::None);
    QTest::qWait(200);
    EXPECT_TRUE(helper.argumentsGiven().isEmpty());
}

TEST_F(CardMaintenanceSheetsTest, ProgressSheetStaysUntilTheFormatEndsThenOkClosesIt)
{
    helper.prepare(model, 0, true);
    QSignalSpy refreshes(&model, &CardMaintenance::refreshVideoFileList);
    model.memoryCardFormatButtonTouched();
    QTRY_VERIFY(sheets.currentBox() != nullptr && sheets.currentBox()->isVisible());
    QTest::mouseClick(buttonTitled(sheets.currentBox(), tr(u"예"_s)), Qt::LeftButton);

    QTRY_VERIFY(sheets.currentBox() != nullptr && sheets.currentBox()->isVisible());
    QMessageBox *progress = sheets.currentBox();
    EXPECT_EQ(progress->informativeText(),
              tr(u"포맷 중 입니다.\r\n잠시만 기다려 주십시오."_s).replace(u"\r\n"_s, u"\n"_s));
    ASSERT_EQ(progress->buttons().size(), 1);
    QAbstractButton *ok = progress->buttons().constFirst();
    EXPECT_EQ(ok->text(), u"OK"_s);
    EXPECT_FALSE(ok->isEnabled());
    const QProgressBar *bar = progress->findChild<QProgressBar *>();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());

    // Neither Escape nor the window's close button takes it away while the card is formatted.
    QTest::keyClick(progress, Qt::Key_Escape);
    progress->close();
    QTest::qWait(100);
    EXPECT_EQ(sheets.currentBox(), progress);
    EXPECT_TRUE(progress->isVisible());
    EXPECT_TRUE(model.isFormatting());

    helper.letSlowHelperFinish();
    QTRY_VERIFY_WITH_TIMEOUT(ok->isEnabled(), 20000);
    EXPECT_EQ(sheets.currentBox(), progress);
    EXPECT_EQ(progress->informativeText(), tr(u"메모리 카드 포맷이 완료 되었습니다."_s));
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(refreshes.size(), 1);

    QTest::mouseClick(ok, Qt::LeftButton);
    QTRY_VERIFY(sheets.currentBox() == nullptr);
    EXPECT_EQ(model.currentSheet().kind, CardMaintenance::SheetKind::None);
}

TEST_F(CardMaintenanceSheetsTest, TouchResetYesShowsTheCompletionSheet)
{
    helper.prepare(model, 0);
    model.initializeTouchButtonTouched();
    QTRY_VERIFY(sheets.currentBox() != nullptr && sheets.currentBox()->isVisible());
    QTest::mouseClick(buttonTitled(sheets.currentBox(), tr(u"예"_s)), Qt::LeftButton);
    QTRY_VERIFY(sheets.currentBox() != nullptr && sheets.currentBox()->isVisible() &&
                sheets.currentBox()->informativeText() == tr(u"화면 터치 정확도 초기화가 완료되었습니다."_s));
    EXPECT_TRUE(QFileInfo::exists(helper.cardRoot() + u"/Set_touch_cal.txt"_s));
    // Escape ends a message sheet like its OK.
    QTest::keyClick(sheets.currentBox(), Qt::Key_Escape);
    QTRY_VERIFY(sheets.currentBox() == nullptr);
    EXPECT_EQ(model.currentSheet().kind, CardMaintenance::SheetKind::None);
}
} // namespace
