#pragma once

#include "settings/ini/KRVSettingEditorModel.h"
#include "ui/VexoEventViewDelegate.h"
#include "ui/VexoViewController.h"

#include <QPoint>
#include <QPointer>
#include <QRect>

#include <memory>

class KRVSettingManager;
class QFrame;
class QLabel;
namespace Ui {
class KRVSettingView;
}

// The settings screen of the QF27 camera, run in the modal settings window. Every control shows
// and changes the state of a KRVSettingEditorModel; the card's file is written on OK only.
//
// The modal run ends through endModalRun: 1 after OK, 0 after Cancel or Escape. The window the
// view sits in is closed with that code when it is a QDialog, and modalRunEnded reports it
// either way.
class KRVSettingViewController : public VexoViewController, public VexoEventViewDelegate
{
    Q_OBJECT

public:
    // Works on MANAGER's lines, the shared settings object's when none is given.
    explicit KRVSettingViewController(std::shared_ptr<KRVSettingManager> manager = {}, QObject *parent = nullptr);
    ~KRVSettingViewController() override;

    // The main window that opened the screen; kept only as long as it lives.
    void setMainWindowController(QObject *controller) { m_mainWindowController = controller; }
    QObject *mainWindowController() const { return m_mainWindowController; }

    KRVSettingEditorModel &model() { return m_model; }
    // The widget named OUTLET in the screen (loading the view when needed), or null.
    template <typename T> T *outlet(const QString &name) { return view()->findChild<T *>(name); }

    bool handlesCancel() const override { return true; }
    void cancelButtonTouched() override;
    void okButtonTouched();
    void resetButtonTouched();
    // -1 while the screen is open; then the code its modal run ended with.
    int modalResult() const { return m_modalResult; }

    // Shows VIEW in the scroll view, shrinking the scroll view to a view lower than its layout.
    void changeCurrentView(QWidget *view);
    QWidget *currentContentView() const { return m_currentContentView; }
    // Fits the title field to its text and starts the split line 10 points after the text.
    static void reSizeSplitLine(QFrame *line, QLabel *textField);

    // Events of the title area: dragging moves the window; Escape cancels.
    bool mouseDown(QMouseEvent *event) override;
    bool mouseDragged(QMouseEvent *event) override;
    bool mouseUp(QMouseEvent *event) override;
    bool keyDown(QKeyEvent *event) override;

Q_SIGNALS:
    void modalRunEnded(int code);

protected:
    QWidget *createView() override;
    void applyLanguageSettings() override;

private:
    void connectControls(QWidget *root);
    void refreshFromModel();
    void endModalRun(int code);

    std::shared_ptr<KRVSettingManager> m_manager;
    KRVSettingEditorModel m_model;
    std::unique_ptr<Ui::KRVSettingView> m_ui;
    // The view while it is being built too (view() answers only once building has finished).
    QPointer<QWidget> m_root;
    QPointer<QObject> m_mainWindowController;
    QPointer<QWidget> m_currentContentView;
    QRect m_originContentViewFrame;
    double m_originPartitionGraphWidth = 0.0;
    QPoint m_lastWindowDragLocation;
    bool m_isDraggingWindow = false;
    int m_modalResult = -1;
};
