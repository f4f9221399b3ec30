#include "CardMaintenanceSheets.h"

#include "settings/record/maintenance/CardMaintenance.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
// The keys keep the line breaks of the tables they came from ("\r\n"); a label wants "\n".
QString displayText(const QString &text)
{
    QString shown = text;
    shown.replace(u"\r\n"_s, u"\n"_s);
    shown.replace(u'\r', u'\n');
    return shown;
}

const char *const ReturnCodeProperty = "velmoraReturnCode";
} // namespace

CardMaintenanceSheets::CardMaintenanceSheets(CardMaintenance *model, QWidget *window)
    : QObject(window), m_model(model), m_window(window)
{
    connect(m_model, &CardMaintenance::sheetChanged, this, &CardMaintenanceSheets::showSheet);
}

CardMaintenanceSheets::~CardMaintenanceSheets()
{
    if (m_box) {
        m_box->disconnect(this);
        m_box->removeEventFilter(this);
    }
}

void CardMaintenanceSheets::showSheet()
{
    const CardMaintenance::Sheet &sheet = m_model->currentSheet();
    if (sheet.kind == CardMaintenance::SheetKind::None) {
        closeBox();
    } else if (m_box && m_boxKind == static_cast<int>(sheet.kind)) {
        updateBox();
    } else {
        closeBox();
        openBox();
    }
}

void CardMaintenanceSheets::openBox()
{
    const CardMaintenance::Sheet &sheet = m_model->currentSheet();
    auto *box = new QMessageBox(m_window);
    box->setAttribute(Qt::WA_DeleteOnClose, false);
    box->setWindowModality(Qt::WindowModal);
    box->setIcon(QMessageBox::Information);
    box->setTextFormat(Qt::PlainText);
    // The buttons share one role so that they keep the model's order on every desktop.
    for (int i = 0; i < sheet.buttonTitles.size(); ++i) {
        QPushButton *button = box->addButton(sheet.buttonTitles.at(i), QMessageBox::ActionRole);
        button->setProperty(ReturnCodeProperty, CardMaintenance::FirstButton + i);
    }
    if (!box->buttons().isEmpty()) {
        // The first button ("아니오" where there are two) is the safe answer for Return and Escape.
        auto *first = qobject_cast<QPushButton *>(box->buttons().constFirst());
        box->setDefaultButton(first);
        box->setEscapeButton(first);
    }
    auto *progress = new QProgressBar(box);
    progress->setRange(0, 0);
    progress->setTextVisible(false);
    progress->setFixedSize(400, 20);
    if (auto *grid = qobject_cast<QGridLayout *>(box->layout())) {
        grid->addWidget(progress, grid->rowCount(), 0, 1, grid->columnCount(), Qt::AlignCenter);
    }
    m_box = box;
    m_progress = progress;
    m_boxKind = static_cast<int>(sheet.kind);
    updateBox();
    box->installEventFilter(this);
    connect(box, &QDialog::finished, this, [this, box] { boxFinished(box); });
    box->open();
}

void CardMaintenanceSheets::updateBox()
{
    const CardMaintenance::Sheet &sheet = m_model->currentSheet();
    m_box->setText(displayText(sheet.messageText));
    m_box->setInformativeText(displayText(sheet.informativeText));
    // The informative label takes rich text by guess; these texts are never markup.
    for (QLabel *label : m_box->findChildren<QLabel *>()) {
        label->setTextFormat(Qt::PlainText);
    }
    const QList<QAbstractButton *> buttons = m_box->buttons();
    for (QAbstractButton *button : buttons) {
        button->setEnabled(sheet.buttonsEnabled);
    }
    m_progress->setVisible(sheet.showsProgress);
}

void CardMaintenanceSheets::closeBox()
{
    if (!m_box) {
        return;
    }
    QMessageBox *box = m_box;
    m_box = nullptr;
    m_progress = nullptr;
    box->disconnect(this);
    box->removeEventFilter(this);
    box->hide();
    box->deleteLater();
}

void CardMaintenanceSheets::boxFinished(QMessageBox *box)
{
    if (box != m_box) {
        return;
    }
    const QAbstractButton *clicked = box->clickedButton();
    const int code = clicked != nullptr ? clicked->property(ReturnCodeProperty).toInt() : CardMaintenance::FirstButton;
    closeBox();
    m_model->alertDidSelected(code);
}

bool CardMaintenanceSheets::eventFilter(QObject *watched, QEvent *event)
{
    // While a card is being formatted the progress sheet stays: no Escape, no closing the window.
    if (watched == m_box && m_model->isFormatting()) {
        if (event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
