#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The state of one control of the record editor, named by the screen's outlet. The screen only
// draws this state; the per-layout features and the field coding only change it.
struct EditorControl
{
    enum class Kind
    {
        RadioGroup, // value: the selected row (or column, when byColumn) of a matrix of cells
        Slider,     // value: the knob's position, minimum..maximum
        CheckBox,   // value: 0 off, 1 on
        PopUp,      // value: the tag of the selected item (tags hold the items' tags)
        ComboBox,   // value: the selected index, -1 when none
        DatePicker, // the date lives in the editor; value unused
        Button      // no value
    };

    enum class Tab
    {
        Common,
        Always,
        Parking,
        Etc
    };

    QString name;
    Kind kind = Kind::RadioGroup;
    Tab tab = Tab::Common;
    // The section view the control sits in; hiding the section hides the control.
    QString section;
    bool shown = true;
    bool enabled = true;
    int value = 0;
    int minimum = 0;
    int maximum = 0;
    int tickCount = 0;
    bool byColumn = false;
    // Cell or item titles as Korean keys (or literal text, which the lookup returns unchanged).
    QStringList titles;
    QList<int> tags;
    // Cells that refuse selection (radio groups); empty means all enabled.
    QList<bool> cellEnabled;
    // Sliders, one per position from the minimum: the label shown over the knob while the slider is
    // under the pointer, and the description under the track (empty: none at that position).
    QStringList guideLabels;
    QStringList descriptions;

    int cellCount() const { return int(titles.size()); }
};
