#pragma once

#include "settings/record/SettingAlertPresenter.h"

#include <QPointer>
#include <QWidget>

// The settings object's alerts in the desktop program: a modal warning box, so a card write that
// failed is never taken for one that succeeded. It goes over the given window while that exists,
// else over the window in front (a settings screen's modal window, say).
class MessageBoxAlertPresenter : public SettingAlertPresenter
{
public:
    explicit MessageBoxAlertPresenter(QWidget *window = nullptr);

    static constexpr const char *ObjectName = "memoryCardAlert";

    void showAlert(const QString &title, const QString &message, const QString &buttonTitle) override;

private:
    // The settings object outlives any one window: it must not keep a deleted one as the parent.
    QPointer<QWidget> m_window;
};
