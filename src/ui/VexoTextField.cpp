#include "VexoTextField.h"

#include <QMouseEvent>

VexoTextField::VexoTextField(QWidget *parent) : QLineEdit(parent)
{
}

void VexoTextField::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT clicked(this);
}
