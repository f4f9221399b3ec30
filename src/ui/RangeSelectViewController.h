#pragma once

#include "VexoViewController.h"

#include <QList>
#include <QPointer>

#include <memory>

class BGColorView;
class QLabel;
class QLineEdit;
class QPushButton;
namespace Ui {
class RangeSelectView;
}

// A gauge that picks one of RANGECOUNT equally spaced steps (0 .. n - 1) by a click near a tick.
// Each step has an invisible button centred on its tick; the filled part of the gauge reaches the
// chosen tick.
class RangeSelectViewController : public VexoViewController
{
    Q_OBJECT

public:
    explicit RangeSelectViewController(QObject *parent = nullptr);
    ~RangeSelectViewController() override;

    // Set before the view is loaded.
    qint64 rangeCount() const { return m_rangeCount; }
    void setRangeCount(qint64 count) { m_rangeCount = count; }

    qint64 selectedValue() const { return m_selectedValue; }
    // Stores the value and acts as a click on that step.
    void setSelectedValue(qint64 value);

    const QList<QPointer<QPushButton>> &rangeButtonList() const { return m_rangeButtonList; }
    BGColorView *gaugeBGView() const;
    QLabel *gaugeImageView() const;
    QLineEdit *valueTextField() const;

    void rangeButtonTouched(QPushButton *button);

Q_SIGNALS:
    void selectedValueChanged(qint64 value);

protected:
    QWidget *createView() override;

private:
    void buildRange(QWidget *root);

    std::unique_ptr<Ui::RangeSelectView> m_ui;
    qint64 m_rangeCount = 0;
    qint64 m_selectedValue = 0;
    QList<QPointer<QPushButton>> m_rangeButtonList;
};
