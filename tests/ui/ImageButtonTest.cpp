#include "ui/ImageButton.h"

#include "support/QtPrinters.h"

#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
void enter(QWidget *widget)
{
    QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(widget, &event);
}

void leave(QWidget *widget)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &event);
}

class ImageButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        button.resize(120, 32);
        button.setImage(u"tab_center_1"_s);
        button.show();
    }
    ImageButton button;
};

TEST_F(ImageButtonTest, DerivesItsThreeStateNamesFromThePicture)
{
    EXPECT_EQ(button.normalImageName(), u"tab_center_1"_s);
    EXPECT_EQ(button.hoverImageName(), u"tab_center_2"_s);
    EXPECT_EQ(button.clickImageName(), u"tab_center_3"_s);

    // Showing the hover picture does not rename the set.
    enter(&button);
    EXPECT_EQ(button.normalImageName(), u"tab_center_1"_s);
    EXPECT_EQ(button.clickImageName(), u"tab_center_3"_s);

    button.setAllowAutoMouseEventImage(false);
    EXPECT_TRUE(button.normalImageName().isEmpty());
    EXPECT_TRUE(button.hoverImageName().isEmpty());

    ImageButton unnamed;
    unnamed.setImage(QString());
    EXPECT_TRUE(unnamed.normalImageName().isEmpty()) << "no name, nothing to derive";
}

TEST_F(ImageButtonTest, FiresOnceOnReleaseInside)
{
    QSignalSpy clicks(&button, &ImageButton::clicked);
    enter(&button);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(button.isMouseDown());
    EXPECT_EQ(clicks.count(), 0) << "nothing fires on press";
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(button.isMouseDown());
}

TEST_F(ImageButtonTest, LeavingWhilePressedCancelsTheClick)
{
    QSignalSpy clicks(&button, &ImageButton::clicked);
    QSignalSpy exits(&button, &ImageButton::hoverExited);
    enter(&button);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    leave(&button);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(exits.count(), 1);

    // Dragging out of the button counts as leaving it.
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(&button, QPoint(500, 10));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(500, 10));
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(ImageButtonTest, DisabledButtonsIgnoreThePointer)
{
    QSignalSpy clicks(&button, &ImageButton::clicked);
    QSignalSpy hovers(&button, &ImageButton::hovered);
    button.setEnabled(false);
    enter(&button);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(hovers.count(), 0);
    EXPECT_EQ(clicks.count(), 0);
}
} // namespace
