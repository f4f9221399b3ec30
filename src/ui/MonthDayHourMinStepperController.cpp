#include "MonthDayHourMinStepperController.h"

#include "VexoTextField.h"
#include "core/TextNumbers.h"
#include "ui_MonthDayHourMinStepper.h"

#include <QSignalBlocker>
#include <QSpinBox>

using namespace Qt::StringLiterals;

MonthDayHourMinStepperController::MonthDayHourMinStepperController(QObject *parent) : VexoViewController(parent)
{
}

MonthDayHourMinStepperController::~MonthDayHourMinStepperController() = default;

QWidget *MonthDayHourMinStepperController::createView()
{
    auto *root = new QWidget(); // owned by this controller until a screen takes it
    m_ui = std::make_unique<Ui::MonthDayHourMinStepper>();
    m_ui->setupUi(root);
    for (VexoTextField *field : {m_ui->monthTextField, m_ui->dayTextField, m_ui->hourTextField, m_ui->minTextField}) {
        connect(field, &VexoTextField::clicked, this, &MonthDayHourMinStepperController::textfieldChaned);
    }
    connect(m_ui->stepper, &QSpinBox::valueChanged, this, &MonthDayHourMinStepperController::stepperChanged);

    setDataWithFormat(1, m_ui->monthTextField);
    setDataWithFormat(1, m_ui->dayTextField);
    setDataWithFormat(0, m_ui->hourTextField);
    setDataWithFormat(0, m_ui->minTextField);
    setSelectedTextField(m_ui->monthTextField);
    updateDate();
    return root;
}

VexoTextField *MonthDayHourMinStepperController::monthTextField() const
{
    return m_ui ? m_ui->monthTextField : nullptr;
}

VexoTextField *MonthDayHourMinStepperController::dayTextField() const
{
    return m_ui ? m_ui->dayTextField : nullptr;
}

VexoTextField *MonthDayHourMinStepperController::hourTextField() const
{
    return m_ui ? m_ui->hourTextField : nullptr;
}

VexoTextField *MonthDayHourMinStepperController::minTextField() const
{
    return m_ui ? m_ui->minTextField : nullptr;
}

QSpinBox *MonthDayHourMinStepperController::stepper() const
{
    return m_ui ? m_ui->stepper : nullptr;
}

qint64 MonthDayHourMinStepperController::valueOf(const VexoTextField *field) const
{
    return field != nullptr ? TextNumbers::leadingLongLong(field->text()) : 0;
}

qint64 MonthDayHourMinStepperController::month() const
{
    return valueOf(monthTextField());
}

qint64 MonthDayHourMinStepperController::day() const
{
    return valueOf(dayTextField());
}

qint64 MonthDayHourMinStepperController::hour() const
{
    return valueOf(hourTextField());
}

qint64 MonthDayHourMinStepperController::min() const
{
    return valueOf(minTextField());
}

void MonthDayHourMinStepperController::setMonth(qint64 value)
{
    view();
    setDataWithFormat(value, m_ui->monthTextField);
}

void MonthDayHourMinStepperController::setDay(qint64 value)
{
    view();
    setDataWithFormat(value, m_ui->dayTextField);
}

void MonthDayHourMinStepperController::setHour(qint64 value)
{
    view();
    setDataWithFormat(value, m_ui->hourTextField);
}

void MonthDayHourMinStepperController::setMin(qint64 value)
{
    view();
    setDataWithFormat(value, m_ui->minTextField);
}

void MonthDayHourMinStepperController::setEnabled(bool enabled)
{
    m_enabled = enabled;
    view();
    for (QWidget *control : {static_cast<QWidget *>(m_ui->monthTextField), static_cast<QWidget *>(m_ui->dayTextField),
                             static_cast<QWidget *>(m_ui->hourTextField), static_cast<QWidget *>(m_ui->minTextField),
                             static_cast<QWidget *>(m_ui->stepper)}) {
        control->setEnabled(enabled);
    }
}

void MonthDayHourMinStepperController::setDataWithFormat(qint64 value, VexoTextField *field)
{
    if (field != nullptr) {
        field->setText(u"%1"_s.arg(value, 2, 10, QChar(u'0')));
    }
}

void MonthDayHourMinStepperController::setSelectedTextField(VexoTextField *field)
{
    m_selectedTextField = field;
    if (field == nullptr || !m_ui) {
        return;
    }
    QSpinBox *spin = m_ui->stepper;
    const QSignalBlocker blocker(spin);
    if (field == m_ui->monthTextField) {
        spin->setRange(1, 12);
    } else if (field == m_ui->dayTextField) {
        spin->setRange(1, 31);
    } else if (field == m_ui->hourTextField) {
        spin->setRange(0, 23);
    } else if (field == m_ui->minTextField) {
        spin->setRange(0, 59);
    }
    spin->setValue(int(qBound(qint64(INT_MIN), valueOf(field), qint64(INT_MAX))));
    setFocusHighlight();
}

void MonthDayHourMinStepperController::stepperChanged()
{
    updateDate();
}

void MonthDayHourMinStepperController::textfieldChaned(VexoTextField *field)
{
    if (m_ui && (field == m_ui->monthTextField || field == m_ui->dayTextField || field == m_ui->hourTextField)) {
        setSelectedTextField(field);
    }
}

void MonthDayHourMinStepperController::updateDate()
{
    if (m_selectedTextField && m_ui) {
        setDataWithFormat(m_ui->stepper->value(), m_selectedTextField);
    }
    setFocusHighlight();
}

void MonthDayHourMinStepperController::setFocusHighlight()
{
    VexoTextField *field = m_selectedTextField;
    if (field == nullptr) {
        return;
    }
    field->setReadOnly(false);
    field->setFocus(Qt::OtherFocusReason);
    field->setSelection(0, 2);
    field->update();
    field->setReadOnly(true);
}
