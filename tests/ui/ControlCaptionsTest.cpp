// The settings screens' textless controls are named after the caption beside them and the title
// of their row, and only after those.
#include "ui/ControlCaptions.h"

#include "support/QtPrinters.h"
#include "ui/RadioButton.h"

#include <QLabel>
#include <QSlider>
#include <QWidget>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
QLabel *label(QWidget *parent, const QString &name, const QString &text, QRect place)
{
    auto *made = new QLabel(text, parent);
    made->setObjectName(name);
    made->setGeometry(place);
    return made;
}

// A row as the screens draw it: a title, then cells of 18 px with their captions 6 px to the right.
struct Row
{
    Row()
    {
        row.setGeometry(0, 0, 560, 80);
        label(&row, u"parkingModeTitleTextField"_s, u"Parking mode"_s, {10, 4, 200, 18});
        group = new QWidget(&row);
        group->setGeometry(20, 30, 400, 22);
        on = new RadioButton(group);
        on->setGeometry(0, 2, 18, 18);
        label(group, u"parkingModeRadioGroupTitle0"_s, u"On"_s, {24, 2, 80, 18});
        off = new RadioButton(group);
        off->setGeometry(120, 2, 18, 18);
        label(group, u"parkingModeRadioGroupTitle1"_s, u"Off"_s, {144, 2, 80, 18});
    }

    QWidget row;
    QWidget *group = nullptr;
    RadioButton *on = nullptr;
    RadioButton *off = nullptr;
};

TEST(ControlCaptionsTest, ACellIsNamedAfterItsOwnCaptionAndItsRowTitle)
{
    Row row;
    ControlCaptions::describe(&row.row);
    EXPECT_EQ(row.on->accessibleName(), u"Parking mode: On"_s);
    EXPECT_EQ(row.on->toolTip(), u"Parking mode: On"_s);
    EXPECT_EQ(row.off->accessibleName(), u"Parking mode: Off"_s) << "its own caption, not the first cell's";
}

TEST(ControlCaptionsTest, ASliderTakesTheRowTitleAndFarOrOtherRowLabelsAreNotCaptions)
{
    QWidget row;
    row.setGeometry(0, 0, 560, 72);
    label(&row, u"commonFrontBrightnessTitleTextField"_s, u"Front brightness"_s, {10, 4, 200, 18});
    auto *slider = new QSlider(Qt::Horizontal, &row);
    slider->setGeometry(20, 42, 300, 24);
    label(&row, u"farLabel"_s, u"Far away"_s, {400, 42, 80, 18}); // beyond the reach of a caption
    label(&row, u"belowLabel"_s, u"Below"_s, {322, 70, 80, 18});  // next to it, but on another row
    ControlCaptions::describe(&row);
    EXPECT_EQ(slider->accessibleName(), u"Front brightness"_s);
}

TEST(ControlCaptionsTest, NamesFollowNewCaptionsButAHandSetNameStays)
{
    Row row;
    row.off->setAccessibleName(u"Chosen by hand"_s);
    ControlCaptions::describe(&row.row);
    row.group->findChild<QLabel *>(u"parkingModeRadioGroupTitle0"_s)->setText(u"Activé"_s);
    row.row.findChild<QLabel *>(u"parkingModeTitleTextField"_s)->setText(u"Mode parking"_s);
    ControlCaptions::describe(&row.row);
    EXPECT_EQ(row.on->accessibleName(), u"Mode parking: Activé"_s) << "a change of language renames";
    EXPECT_EQ(row.off->accessibleName(), u"Chosen by hand"_s);
    EXPECT_TRUE(row.off->toolTip().isEmpty());
}

TEST(ControlCaptionsTest, AControlWithItsOwnTextOrNoCaptionIsLeftAlone)
{
    QWidget lone;
    auto *cell = new RadioButton(&lone);
    cell->setGeometry(0, 0, 18, 18);
    ControlCaptions::describe(&lone);
    EXPECT_TRUE(cell->accessibleName().isEmpty()) << "nothing to name it after: the walk must see it";
    EXPECT_EQ(ControlCaptions::captionOf(cell), QString());
}
} // namespace
