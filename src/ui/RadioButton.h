#pragma once

#include <QAbstractButton>
#include <QList>
#include <QMap>
#include <QPixmap>
#include <QPointer>
#include <QString>

// A radio button or check box drawn with the skin's pictures, grouped by a number rather than by
// parent widget, so buttons spread over several panels of a settings screen still act as one group.
//
// Its own enabled flag (radioEnabled) is separate from the widget's: a "disabled" radio button
// still receives clicks and reports them, it only refuses to change its selection.
class RadioButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(int radioGroupID READ radioGroupID WRITE setRadioGroupID)
    Q_PROPERTY(bool isCheckBoxMode READ isCheckBoxMode WRITE setIsCheckBoxMode)
    Q_PROPERTY(bool isToggleMode READ isToggleMode WRITE setIsToggleMode)

public:
    using Group = QList<QPointer<RadioButton>>;

    explicit RadioButton(QWidget *parent = nullptr);
    ~RadioButton() override;

    // The group registry: group number as decimal text → the group's buttons, each once.
    static const QMap<QString, Group> &GetRadioButtonGroupDic();
    // The group's buttons, or an empty list when the group does not exist.
    static Group GetRadioButtonGroupFromGroupID(qint32 groupID);
    static void AddRadioButton(RadioButton *button, qint32 groupID);
    static void RemoveRadioButton(RadioButton *button);
    static void RemoveRadioButtonGroupFromGroupID(qint32 groupID);

    // A button joins a group only through setRadioGroupID; until then it is in none (the number
    // reads 0) and its selection touches no other button.
    qint32 radioGroupID() const { return m_radioGroupID; }
    void setRadioGroupID(qint32 groupID);

    bool isSelected() const { return m_isSelected; }
    // Selecting a button deselects every other button of its group.
    void setIsSelected(bool selected);

    bool isCheckBoxMode() const { return m_isCheckBoxMode; }
    void setIsCheckBoxMode(bool checkBox);
    bool isToggleMode() const { return m_isToggleMode; }
    void setIsToggleMode(bool toggle) { m_isToggleMode = toggle; }

    bool isRadioEnabled() const { return m_radioEnabled; }
    void setRadioEnabled(bool enabled);

    // The picture for the current state: disabled, selected, or none.
    QString currentImageName() const;
    void updateRadioButtonImage();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    qint32 m_radioGroupID = 0;
    bool m_isSelected = false;
    bool m_isCheckBoxMode = false;
    bool m_isToggleMode = false;
    bool m_radioEnabled = true;
    QPixmap m_picture;
};
