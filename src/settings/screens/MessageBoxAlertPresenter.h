#pragma once

#include "settings/record/SettingAlertPresenter.h"

#include <QPointer>
#include <QWidget>

// The desktop's way to tell the user: a modal message box over the window in front.
class MessageBoxAlertPresenter : public SettingAlertPresenter
{
public:
    void showAlert(const QString &title, const QString &message, const QString &buttonTitle) override;
};
