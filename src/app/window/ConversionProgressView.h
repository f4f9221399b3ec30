#pragma once

#include <QFrame>
#include <QPointer>

#include <memory>

class ConversionProgress;
namespace Ui {
class ConversionProgressView;
}

// The panel over the large player that shows a ConversionProgress: what is being converted and how
// far it is. It follows the player's place when the window is resized and takes no mouse clicks
// away from the window (it only informs).
class ConversionProgressView : public QFrame
{
    Q_OBJECT

public:
    // Shown centred over PLAYERPLACE, a sibling under the same parent.
    ConversionProgressView(ConversionProgress *model, QWidget *playerPlace);
    ~ConversionProgressView() override;

    // The texts and the bar from the model; shown or hidden as it says.
    void refresh();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void centreOverPlayer();

    std::unique_ptr<Ui::ConversionProgressView> m_ui;
    QPointer<ConversionProgress> m_model;
    QPointer<QWidget> m_playerPlace;
};
