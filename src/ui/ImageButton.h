#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QString>

// A button drawn as a picture of the skin that follows the pointer: base + "1" normal, base + "2"
// under the pointer, base + "3" pressed. A click fires on release, and leaving the button while it
// is pressed cancels the click, so a user who slips off a button changes nothing.
class ImageButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(QString imageName READ imageName WRITE setImageName)
    Q_PROPERTY(bool allowAutoMouseEventImage READ allowAutoMouseEventImage WRITE setAllowAutoMouseEventImage)

public:
    explicit ImageButton(QWidget *parent = nullptr);

    // Shows the named picture and derives the three state names from it.
    void setImage(const QString &name);
    QString imageName() const { return m_imageName; }
    // The same, under the name interface descriptions use.
    void setImageName(const QString &name) { setImage(name); }

    bool allowAutoMouseEventImage() const { return m_allowAutoMouseEventImage; }
    void setAllowAutoMouseEventImage(bool allow);

    // With automatic images, the three names come from the current picture's name without its
    // last character; without, or when there is no name to derive from, there are none.
    void resetImageNames();
    QString normalImageName() const { return m_normalImageName; }
    QString hoverImageName() const { return m_hoverImageName; }
    QString clickImageName() const { return m_clickImageName; }
    bool isMouseDown() const { return m_isMouseDown; }

    void ShowNormalImage();
    void ShowClickImage();

    QSize sizeHint() const override;

Q_SIGNALS:
    // The pointer entered or left an enabled button with automatic images.
    void hovered(ImageButton *button);
    void hoverExited(ImageButton *button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    // Shows a state picture without renaming the set.
    void showImageNamed(const QString &name);

    bool m_allowAutoMouseEventImage = true;
    bool m_isMouseDown = false;
    QString m_imageName;
    QString m_shownImageName;
    QString m_normalImageName;
    QString m_hoverImageName;
    QString m_clickImageName;
    QPixmap m_picture;
};
