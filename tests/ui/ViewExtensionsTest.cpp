#include "ui/ViewExtensions.h"

#include "support/QtPrinters.h"
#include "ui/RadioButton.h"

#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
TEST(ViewExtensionsTest, ReadsColoursFromHexText)
{
    EXPECT_EQ(ViewExtensions::colorWithHexColorString(u"d6dfe9"_s), QColor(214, 223, 233));
    EXPECT_EQ(ViewExtensions::colorWithHexColorString(u"0xD6DFE9"_s), QColor(214, 223, 233));
    EXPECT_EQ(ViewExtensions::colorWithHexColorString(u"ff"_s), QColor(0, 0, 255));
    EXPECT_EQ(ViewExtensions::colorWithHexColorString(u"12zz"_s), QColor(0, 0, 0x12)) << "stops at the first non-digit";
    EXPECT_EQ(ViewExtensions::colorWithHexColorString(QString()), QColor(0, 0, 0));
    EXPECT_EQ(ViewExtensions::colorWithHexColorString(u"123456789abc"_s), QColor(255, 255, 255))
        << "too many digits saturate rather than wrap";
}

TEST(ViewExtensionsTest, DisablingReachesNestedControlsButRadioButtonsKeepTakingClicks)
{
    QWidget root;
    auto *panel = new QWidget(&root);
    auto *button = new QPushButton(panel);
    auto *field = new QLineEdit(panel);
    auto *radio = new RadioButton(panel);
    ViewExtensions::disableSubViews(&root);
    EXPECT_FALSE(button->isEnabled());
    EXPECT_FALSE(field->isEnabled());
    EXPECT_TRUE(radio->isEnabled());
    EXPECT_FALSE(radio->isRadioEnabled());
    ViewExtensions::enableSubViews(&root);
    EXPECT_TRUE(button->isEnabled());
    EXPECT_TRUE(radio->isRadioEnabled());
}

TEST(ViewExtensionsTest, StretchingKeepsTheBordersUnscaled)
{
    // A 12x12 picture: a 4-pixel red frame around a blue centre.
    QPixmap source(12, 12);
    source.fill(Qt::blue);
    {
        QPainter painter(&source);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::red);
        for (const QRect &edge : {QRect(0, 0, 12, 4), QRect(0, 8, 12, 4), QRect(0, 0, 4, 12), QRect(8, 0, 4, 12)}) {
            painter.drawRect(edge);
        }
    }
    const QImage stretched =
        ViewExtensions::stretchableImageWithSize(source, QSize(100, 40), QMargins(4, 4, 4, 4)).toImage();
    ASSERT_EQ(stretched.size(), QSize(100, 40));
    EXPECT_EQ(QColor(stretched.pixel(2, 20)), QColor(Qt::red));
    EXPECT_EQ(QColor(stretched.pixel(97, 20)), QColor(Qt::red));
    EXPECT_EQ(QColor(stretched.pixel(50, 2)), QColor(Qt::red));
    EXPECT_EQ(QColor(stretched.pixel(5, 20)), QColor(Qt::blue)) << "the border stays 4 pixels wide";
    EXPECT_EQ(QColor(stretched.pixel(50, 20)), QColor(Qt::blue));
    EXPECT_TRUE(ViewExtensions::stretchableImageWithSize(QPixmap(), QSize(10, 10), {}).isNull());
}
} // namespace
