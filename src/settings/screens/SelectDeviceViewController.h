#pragma once

#include "ui/VexoViewController.h"

#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
namespace Ui {
class SelectDeviceView;
}

// The model chooser: which camera model a card that cannot be recognised belongs to. The item
// index is the model type.
class SelectDeviceViewController : public VexoViewController
{
    Q_OBJECT

public:
    explicit SelectDeviceViewController(QObject *parent = nullptr);
    ~SelectDeviceViewController() override;

    qint64 selectedModelType() const;

    QComboBox *modelComboBox() const;
    QLabel *titleLabel() const;
    QPushButton *okButton() const;
    QPushButton *cancelButton() const;

    void okButtonTouched();
    bool handlesCancel() const override { return true; }
    void cancelButtonTouched() override;

protected:
    QWidget *createView() override;
    void applyLanguageSettings() override;

private:
    std::unique_ptr<Ui::SelectDeviceView> m_ui;
};
