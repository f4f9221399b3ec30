#include "settings/screens/MessageBoxAlertPresenter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

MessageBoxAlertPresenter::MessageBoxAlertPresenter(QWidget *window) : m_window(window)
{
}

void MessageBoxAlertPresenter::showAlert(const QString &title, const QString &message, const QString &buttonTitle)
{
    // A settings screen's modal window is in front of the main window while it runs.
    QWidget *parent = QApplication::activeModalWidget();
    if (parent == nullptr) {
        parent = m_window ? m_window.data() : QApplication::activeWindow();
    }
    QMessageBox alert(QMessageBox::Warning, title, message, QMessageBox::NoButton, parent);
    alert.setObjectName(QString::fromLatin1(ObjectName));
    alert.setTextFormat(Qt::PlainText);
    alert.setDefaultButton(alert.addButton(buttonTitle, QMessageBox::AcceptRole));
    alert.exec();
}
