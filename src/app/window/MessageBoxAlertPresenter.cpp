#include "MessageBoxAlertPresenter.h"

#include <QMessageBox>
#include <QPushButton>

MessageBoxAlertPresenter::MessageBoxAlertPresenter(QWidget *window) : m_window(window)
{
}

void MessageBoxAlertPresenter::showAlert(const QString &title, const QString &message, const QString &buttonTitle)
{
    QMessageBox alert(QMessageBox::Warning, title, message, QMessageBox::NoButton, m_window.data());
    alert.setObjectName(QString::fromLatin1(ObjectName));
    alert.setTextFormat(Qt::PlainText);
    alert.setDefaultButton(alert.addButton(buttonTitle, QMessageBox::AcceptRole));
    alert.exec();
}
