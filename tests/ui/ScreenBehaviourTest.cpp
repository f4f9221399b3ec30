// The behaviour every settings screen inherits: Escape as Cancel, captions that follow the
// language, events routed through a transparent layer.
#include "core/NotificationCenter.h"

#include "support/QtPrinters.h"
#include "support/WheelOverControls.h"
#include "ui/ImageButton.h"
#include "ui/MouseEventSlider.h"
#include "ui/VexoCancelEventView.h"
#include "ui/VexoEventView.h"
#include "ui/VexoEventViewDelegate.h"
#include "ui/VexoViewController.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
class CancellableScreen : public VexoViewController
{
public:
    bool handlesCancel() const override { return true; }
    void cancelButtonTouched() override { ++cancels; }
    void applyLanguageSettings() override { ++languageApplications; }
    int cancels = 0;
    int languageApplications = 0;
};

void drain()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

TEST(ScreenBehaviourTest, EscapeTwiceWithinHalfASecondCancelsOnce)
{
    CancellableScreen screen;
    auto *root = static_cast<VexoCancelEventView *>(screen.view());
    double now = 1000.0;
    root->setClock([&now] { return now; });

    QTest::keyClick(root, Qt::Key_Escape);
    now += 0.3;
    QTest::keyClick(root, Qt::Key_Escape);
    EXPECT_EQ(screen.cancels, 0) << "Cancel is queued, not run inside the key press";
    drain();
    EXPECT_EQ(screen.cancels, 1);

    now += 0.6;
    QTest::keyClick(root, Qt::Key_Escape);
    QTest::keyClick(root, Qt::Key_A);
    drain();
    EXPECT_EQ(screen.cancels, 2);
}

TEST(ScreenBehaviourTest, StackedScreensHandEscapeBack)
{
    CancellableScreen lower;
    CancellableScreen upper;
    lower.view();
    EXPECT_EQ(VexoCancelEventView::currentEscapeHandler(), &lower);
    upper.view();
    EXPECT_EQ(VexoCancelEventView::currentEscapeHandler(), &upper);

    // Escape on the lower screen's view still cancels the frontmost screen only.
    QTest::keyClick(lower.view(), Qt::Key_Escape);
    drain();
    EXPECT_EQ(upper.cancels, 1);
    EXPECT_EQ(lower.cancels, 0);

    upper.restoreEventHandler();
    EXPECT_EQ(VexoCancelEventView::currentEscapeHandler(), &lower);
}

TEST(ScreenBehaviourTest, CaptionsAreReappliedAfterALanguageChange)
{
    CancellableScreen screen;
    screen.view();
    EXPECT_EQ(screen.languageApplications, 1);
    NotificationCenter::defaultCenter().postNotificationName(u"RefreshLanguageNotification"_s);
    EXPECT_EQ(screen.languageApplications, 1) << "re-applied on the next turn of the event loop";
    drain();
    EXPECT_EQ(screen.languageApplications, 2);
}

TEST(ScreenBehaviourTest, ReleasedScreensCutTheirButtonsLoose)
{
    QWidget root;
    auto *direct = new ImageButton(&root);
    auto *container = new QWidget(&root);
    auto *nested = new ImageButton(container);
    auto *slider = new MouseEventSlider(&root);
    auto *insideOther = new ImageButton(slider);
    int fired = 0;
    for (ImageButton *button : {direct, nested, insideOther}) {
        QObject::connect(button, &ImageButton::clicked, &root, [&fired] { ++fired; });
    }
    VexoViewController::removeImageButtonTarget(&root);
    Q_EMIT direct->clicked();
    Q_EMIT nested->clicked();
    EXPECT_EQ(fired, 0);
    Q_EMIT insideOther->clicked();
    EXPECT_EQ(fired, 1) << "only plain containers are searched";
}

class RecordingDelegate : public VexoEventViewDelegate
{
public:
    bool mouseDown(QMouseEvent *) override
    {
        ++downs;
        return true;
    }
    bool keyDown(QKeyEvent *) override
    {
        ++keys;
        return true;
    }
    int downs = 0;
    int keys = 0;
};

class ParentThatCounts : public QWidget
{
public:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
    void keyPressEvent(QKeyEvent *) override { ++keys; }
    int presses = 0;
    int keys = 0;
};

TEST(ScreenBehaviourTest, EventLayerHandsEventsToItsDelegateAndSwallowsThem)
{
    ParentThatCounts parent;
    auto *layer = new VexoEventView(&parent);
    layer->resize(50, 50);
    QTest::mouseClick(layer, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClick(layer, Qt::Key_Left);
    EXPECT_EQ(parent.presses, 0) << "without a delegate the events are dropped";
    EXPECT_EQ(parent.keys, 0);

    RecordingDelegate delegate;
    layer->setEventHandleDelegate(&delegate);
    QTest::mouseClick(layer, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClick(layer, Qt::Key_Left);
    EXPECT_EQ(delegate.downs, 1);
    EXPECT_EQ(delegate.keys, 1);
    EXPECT_EQ(parent.presses, 0);
}

TEST(ScreenBehaviourTest, SliderReportsThePointer)
{
    MouseEventSlider slider;
    slider.resize(200, 20);
    QSignalSpy down(&slider, &MouseEventSlider::sliderTouchedDown);
    QSignalSpy up(&slider, &MouseEventSlider::sliderTouchedUp);
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(&slider, &enter);
    EXPECT_EQ(down.count(), 1);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(up.count(), 1);
    EXPECT_EQ(down.count(), 2) << "after a drag the pointer is still over the slider";
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&slider, &leave);
    EXPECT_EQ(up.count(), 2);
}

// A page taller than its window with a slider half-way down, as the settings screens are built.
class ScrollingScreen : public VexoViewController
{
public:
    QWidget *createView() override
    {
        auto *root = new QWidget();
        root->resize(300, 200);
        auto *scroll = new QScrollArea(root);
        scroll->setObjectName(u"scroll"_s);
        scroll->setGeometry(0, 0, 300, 200);
        auto *page = new QWidget();
        page->resize(280, 1000);
        auto *slider = new MouseEventSlider(Qt::Horizontal, page);
        slider->setObjectName(u"slider"_s);
        slider->setRange(0, 10);
        slider->setValue(5);
        slider->setGeometry(10, 100, 200, 20);
        scroll->setWidget(page);
        return root;
    }
};

TEST(ScreenBehaviourTest, TheWheelScrollsThePageUntilAControlHasTheFocus)
{
    ScrollingScreen screen;
    QWidget *root = screen.view();
    root->show();
    QApplication::setActiveWindow(root);
    ASSERT_TRUE(QTest::qWaitForWindowActive(root));
    auto *slider = root->findChild<MouseEventSlider *>(u"slider"_s);
    QScrollBar *bar = root->findChild<QScrollArea *>(u"scroll"_s)->verticalScrollBar();
    ASSERT_NE(slider, nullptr);
    wheeltest::wheel(slider, -1);
    EXPECT_EQ(slider->value(), 5) << "the slider under the pointer keeps its value";
    EXPECT_GT(bar->value(), 0) << "the page scrolls instead";
    slider->setFocus();
    ASSERT_TRUE(slider->hasFocus());
    wheeltest::wheel(slider, -1);
    EXPECT_NE(slider->value(), 5) << "a control the user chose takes the wheel";
}
} // namespace
