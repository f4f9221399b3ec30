#include "ui/ButtonRowFit.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

TEST(ButtonRowFitTest, SharesTheRowEquallyWhenEveryCaptionFitsAndByCaptionOtherwise)
{
    EXPECT_EQ(ButtonRowFit::shareWidth({20, 30, 40, 50, 10}, 250), (QList<int>{50, 50, 50, 50, 50}));
    // 66 does not fit in 50: every button gets its need plus an equal share of the 60 px left over.
    EXPECT_EQ(ButtonRowFit::shareWidth({20, 66, 40, 50, 14}, 250), (QList<int>{32, 78, 52, 62, 26}));
    // Rounding leftovers go to the last button, so the row keeps its width.
    EXPECT_EQ(ButtonRowFit::shareWidth({20, 66, 40, 50, 15}, 250), (QList<int>{31, 77, 51, 61, 30}));
    EXPECT_EQ(ButtonRowFit::shareWidth({100, 100, 51}, 250), QList<int>{}) << "more than the row holds";
    EXPECT_EQ(ButtonRowFit::shareWidth({}, 250), QList<int>{});
}

namespace {

struct Row
{
    Row(const QStringList &captions, int buttonWidth)
    {
        for (qsizetype i = 0; i < captions.size(); ++i) {
            auto *button = new QPushButton(captions.at(i), &parent);
            QFont font = button->font();
            font.setPointSize(8);
            button->setFont(font);
            button->setGeometry(10 + int(i) * buttonWidth, 0, buttonWidth, 24);
            buttons << button;
        }
    }

    int textWidth(const QAbstractButton *button) const
    {
        return QFontMetrics(button->font()).horizontalAdvance(button->text());
    }

    QWidget parent;
    QList<QAbstractButton *> buttons;
};

} // namespace

TEST(ButtonRowFitTest, EveryCaptionFitsAndTheRowKeepsItsPlaceAndWidth)
{
    Row row({u"All"_s, u"Continuous"_s, u"Motion"_s, u"Event"_s, u"Manual"_s}, 50);
    ButtonRowFit::fit(row.buttons);
    EXPECT_EQ(row.buttons.first()->x(), 10);
    EXPECT_EQ(row.buttons.last()->geometry().right() + 1, 260);
    for (const QAbstractButton *button : row.buttons) {
        EXPECT_LE(row.textWidth(button) + ButtonRowFit::CaptionPadding, button->width())
            << button->text().toStdString();
        EXPECT_EQ(button->font().pointSize(), 8) << "a wider button was enough";
        EXPECT_TRUE(button->toolTip().isEmpty());
    }
}

TEST(ButtonRowFitTest, TooLongCaptionsTakeOneSmallerFontStepThenAnEllipsisWithATooltip)
{
    Row row({u"Tout"_s, u"Continu"_s, u"Mouvement"_s, u"Événement"_s, u"Manuel"_s}, 50);
    // Narrow the row until the layout's font cannot hold the captions but one size smaller can.
    const auto needs = [&row](int pointSize) {
        QFont font = row.buttons.first()->font();
        font.setPointSize(pointSize);
        int total = 0;
        for (const QAbstractButton *button : row.buttons) {
            total += QFontMetrics(font).horizontalAdvance(button->text()) + ButtonRowFit::CaptionPadding;
        }
        return total;
    };
    ASSERT_LT(needs(7), needs(8));
    for (QAbstractButton *button : row.buttons) {
        button->resize(needs(7) / 5 + 1, 24);
    }
    ButtonRowFit::fit(row.buttons);
    for (const QAbstractButton *button : row.buttons) {
        EXPECT_EQ(button->font().pointSize(), 7);
        EXPECT_LE(row.textWidth(button) + ButtonRowFit::CaptionPadding, button->width());
        EXPECT_TRUE(button->toolTip().isEmpty());
    }

    // A new, much longer caption: even 7 points cannot hold it, so it is elided and the whole text
    // becomes its tooltip; a later fit with short captions brings back the layout's font.
    row.buttons[2]->setText(u"Mouvement détecté pendant le stationnement"_s);
    ButtonRowFit::fit(row.buttons);
    EXPECT_TRUE(row.buttons[2]->text().endsWith(QChar(0x2026)));
    EXPECT_EQ(row.buttons[2]->toolTip(), u"Mouvement détecté pendant le stationnement"_s);
    EXPECT_LE(row.textWidth(row.buttons[2]), row.buttons[2]->width());

    for (QAbstractButton *button : row.buttons) {
        button->setText(u"A"_s);
    }
    ButtonRowFit::fit(row.buttons);
    for (const QAbstractButton *button : row.buttons) {
        EXPECT_EQ(button->font().pointSize(), 8);
        EXPECT_EQ(button->text(), u"A"_s);
        EXPECT_TRUE(button->toolTip().isEmpty());
    }
}
