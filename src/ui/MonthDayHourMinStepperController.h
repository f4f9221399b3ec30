#pragma once

#include "VexoViewController.h"

#include <QPointer>

#include <memory>

class QSpinBox;
class VexoTextField;
namespace Ui {
class MonthDayHourMinStepper;
}

// Month / day / hour / minute entry: four two-digit fields and one stepper that changes whichever
// field is selected. The selected field stays highlighted so the user sees what the stepper moves.
class MonthDayHourMinStepperController : public VexoViewController
{
    Q_OBJECT

public:
    explicit MonthDayHourMinStepperController(QObject *parent = nullptr);
    ~MonthDayHourMinStepperController() override;

    qint64 month() const;
    qint64 day() const;
    qint64 hour() const;
    qint64 min() const;
    void setMonth(qint64 value);
    void setDay(qint64 value);
    void setHour(qint64 value);
    void setMin(qint64 value);

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    VexoTextField *monthTextField() const;
    VexoTextField *dayTextField() const;
    VexoTextField *hourTextField() const;
    VexoTextField *minTextField() const;
    QSpinBox *stepper() const;
    VexoTextField *selectedTextField() const { return m_selectedTextField; }

    void setSelectedTextField(VexoTextField *field);
    void stepperChanged();
    // A click on the month, day or hour field selects it; the minute field is left alone.
    void textfieldChaned(VexoTextField *field);
    void setDataWithFormat(qint64 value, VexoTextField *field);
    void updateDate();
    void setFocusHighlight();

protected:
    QWidget *createView() override;

private:
    qint64 valueOf(const VexoTextField *field) const;

    std::unique_ptr<Ui::MonthDayHourMinStepper> m_ui;
    QPointer<VexoTextField> m_selectedTextField;
    bool m_enabled = true;
};
