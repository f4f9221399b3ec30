#include "settings/screens/MessageBoxAlertPresenter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

void MessageBoxAlertPresenter::showAlert(const QString &title, const QString &message, const QString &buttonTitle)
{
    QWidget *parent = QApplication::activeModalWidget();
    if (parent == nullptr) {
        parent = QApplication::activeWindow();
    }
    QMessageBox box(QMessageBox::Warning, title, message, QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("settingAlert"));
    box.addButton(buttonTitle, QMessageBox::AcceptRole);
    box.exec();
}
