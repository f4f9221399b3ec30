#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QProgressBar>

class CardMaintenance;
class QEvent;
class QWidget;

// Shows a CardMaintenance's sheets as window-modal message boxes over a window: plain text, the
// buttons in the model's order returning 1000 and 1001, a busy bar while a card is formatted.
// The progress sheet cannot be closed (button, Escape or the window's close button) until the
// format has ended. Any screen can host it: the record editor, the web settings window.
class CardMaintenanceSheets : public QObject
{
    Q_OBJECT

public:
    // Follows MODEL's sheets over WINDOW; both must outlive this object (make it a child of
    // WINDOW).
    CardMaintenanceSheets(CardMaintenance *model, QWidget *window);
    ~CardMaintenanceSheets() override;

    // The message box on screen, if any.
    QMessageBox *currentBox() const { return m_box; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showSheet();
    void openBox();
    void updateBox();
    void closeBox();
    void boxFinished(QMessageBox *box);

    CardMaintenance *m_model;
    QPointer<QWidget> m_window;
    QPointer<QMessageBox> m_box;
    QPointer<QProgressBar> m_progress;
    int m_boxKind = 0;
};
