#include "ui/NamedImage.h"

#include "support/QtPrinters.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
TEST(NamedImageTest, ShowsAPictureByName)
{
    QLabel view;
    view.resize(32, 32);
    EXPECT_TRUE(NamedImage::setImage(&view, u"velmora"_s));
    EXPECT_FALSE(view.pixmap().isNull());
    EXPECT_EQ(view.pixmap().size(), QSize(32, 32));

    QPushButton button;
    EXPECT_TRUE(NamedImage::setImage(&button, u"velmora"_s));
    EXPECT_FALSE(button.icon().isNull());
}

TEST(NamedImageTest, AMissingPictureLeavesTheViewAsItWas)
{
    QLabel view;
    QPixmap before(8, 8);
    before.fill(Qt::red);
    view.setPixmap(before);
    EXPECT_FALSE(NamedImage::setImage(&view, u"no-such-picture"_s));
    EXPECT_EQ(view.pixmap().toImage(), before.toImage());

    QPushButton button;
    const QIcon icon = NamedImage::icon(u"velmora"_s);
    button.setIcon(icon);
    EXPECT_FALSE(NamedImage::setImage(&button, u"no-such-picture"_s));
    EXPECT_EQ(button.icon().cacheKey(), icon.cacheKey());
    EXPECT_FALSE(NamedImage::setImage(static_cast<QLabel *>(nullptr), u"velmora"_s));
}
} // namespace
