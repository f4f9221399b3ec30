#pragma once

#include <QObject>

class QWidget;

// On a settings screen the page scrolls under the wheel, and a slider, pop-up or date field that
// happens to pass under the pointer must not change with it: the value would be written to the card
// on OK without the user having chosen it. Such a control takes the wheel only once it has the
// keyboard focus (a click or Tab); otherwise the wheel goes on to the page around it.
class WheelNeedsFocus : public QObject
{
    Q_OBJECT

public:
    // Guards every slider, pop-up and spin field under ROOT. The guard lives as long as ROOT.
    static void guard(QWidget *root);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
