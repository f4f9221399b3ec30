#pragma once

#include <QLineEdit>

// A text field of the skin. A click on it is an action of its own (a picker selects the field
// the stepper works on, say) and does not place the caret.
class VexoTextField : public QLineEdit
{
    Q_OBJECT

public:
    explicit VexoTextField(QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked(VexoTextField *field);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
