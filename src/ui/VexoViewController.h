#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

// Base of the settings screens: a controller that owns its view, re-applies its captions when the
// language changes, and takes Escape as Cancel when its view is a VexoCancelEventView.
class VexoViewController : public QObject
{
    Q_OBJECT

public:
    explicit VexoViewController(QObject *parent = nullptr);
    ~VexoViewController() override;

    // The screen's view, loaded on first use. The controller deletes it unless a window took it.
    QWidget *view();
    bool isViewLoaded() const { return !m_view.isNull(); }

    // Screens with a Cancel action answer true and do their cancelling in cancelButtonTouched().
    virtual bool handlesCancel() const { return false; }
    virtual void cancelButtonTouched() {}

    // Gives Escape back to the screen that had it before this one.
    void restoreEventHandler();

    // Cuts every ImageButton directly in VIEW, or in plain QWidget containers inside it, off from
    // whatever its signals were connected to.
    static void removeImageButtonTarget(QWidget *view);

protected:
    // Builds the view; the default is an empty VexoCancelEventView.
    virtual QWidget *createView();
    // Sets every caption of the screen from the current language.
    virtual void applyLanguageSettings() {}

private:
    void loadView();
    void refreshLanguageHandler();

    QPointer<QWidget> m_view;
};
