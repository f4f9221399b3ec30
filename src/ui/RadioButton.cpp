#include "RadioButton.h"

#include "NamedImage.h"

#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {
QMap<QString, RadioButton::Group> &registry()
{
    // Class-level by design: groups are numbered across a whole screen, whatever panel a button is on.
    static QMap<QString, RadioButton::Group> groups;
    return groups;
}

QString groupKey(qint32 groupID)
{
    return QString::number(groupID);
}
} // namespace

RadioButton::RadioButton(QWidget *parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setText(QString());
    // Not registered in any group until one is given (setRadioGroupID): a check box left
    // ungrouped stands alone instead of deselecting every other ungrouped button.
    updateRadioButtonImage();
}

RadioButton::~RadioButton()
{
    RemoveRadioButton(this);
}

const QMap<QString, RadioButton::Group> &RadioButton::GetRadioButtonGroupDic()
{
    return registry();
}

RadioButton::Group RadioButton::GetRadioButtonGroupFromGroupID(qint32 groupID)
{
    return registry().value(groupKey(groupID));
}

void RadioButton::AddRadioButton(RadioButton *button, qint32 groupID)
{
    if (button == nullptr) {
        return;
    }
    Group &group = registry()[groupKey(groupID)];
    if (!group.contains(button)) {
        group.append(button);
    }
}

void RadioButton::RemoveRadioButton(RadioButton *button)
{
    for (Group &group : registry()) {
        group.removeAll(button);
        // A destroyed button's guard is already null; drop those too.
        group.removeAll(nullptr);
    }
}

void RadioButton::RemoveRadioButtonGroupFromGroupID(qint32 groupID)
{
    registry().remove(groupKey(groupID));
}

void RadioButton::setRadioGroupID(qint32 groupID)
{
    m_radioGroupID = groupID;
    RemoveRadioButton(this);
    AddRadioButton(this, groupID);
}

void RadioButton::setIsSelected(bool selected)
{
    m_isSelected = selected;
    updateRadioButtonImage();
    if (!selected) {
        return;
    }
    const Group group = GetRadioButtonGroupFromGroupID(m_radioGroupID);
    if (!group.contains(this)) {
        return; // ungrouped, or its group was dropped: there is nobody to deselect
    }
    for (const QPointer<RadioButton> &other : group) {
        if (other && other != this && other->isSelected()) {
            other->setIsSelected(false);
        }
    }
}

void RadioButton::setIsCheckBoxMode(bool checkBox)
{
    m_isCheckBoxMode = checkBox;
    updateRadioButtonImage();
}

void RadioButton::setRadioEnabled(bool enabled)
{
    m_radioEnabled = enabled;
    updateRadioButtonImage();
}

QString RadioButton::currentImageName() const
{
    if (!m_radioEnabled) {
        return m_isCheckBoxMode ? u"pv_dst_check"_s : u"discheck2"_s;
    }
    if (m_isSelected) {
        return m_isCheckBoxMode ? u"check1"_s : u"check"_s;
    }
    return {};
}

void RadioButton::updateRadioButtonImage()
{
    const QString name = currentImageName();
    m_picture = name.isEmpty() ? QPixmap() : NamedImage::pixmap(name, size());
    update();
}

QSize RadioButton::sizeHint() const
{
    return {18, 18};
}

void RadioButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_picture.isNull()) {
        painter.drawPixmap(rect(), m_picture);
    }
}

void RadioButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    if (m_radioEnabled) {
        setIsSelected(m_isToggleMode ? !m_isSelected : true);
    }
    Q_EMIT clicked(m_isSelected);
}

void RadioButton::mouseReleaseEvent(QMouseEvent *event)
{
    // The press already acted; the release must not run QAbstractButton's own click.
    event->accept();
}
