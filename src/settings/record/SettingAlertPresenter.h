#pragma once

#include <QString>

// Shows the settings object's alerts. The desktop supplies a presenter that opens a modal message
// box; tests and the command-line tool supply their own to see what the user would be told.
class SettingAlertPresenter
{
public:
    virtual ~SettingAlertPresenter() = default;

    // A modal alert with a title, a message and one button; the texts are already localized.
    virtual void showAlert(const QString &title, const QString &message, const QString &buttonTitle) = 0;
};
