#include "VexoViewController.h"

#include "ControlCaptions.h"
#include "ImageButton.h"
#include "VexoCancelEventView.h"
#include "WheelNeedsFocus.h"
#include "core/NotificationCenter.h"

#include <QTimer>

VexoViewController::VexoViewController(QObject *parent) : QObject(parent)
{
}

VexoViewController::~VexoViewController()
{
    if (m_view) {
        removeImageButtonTarget(m_view);
        if (m_view->parent() == nullptr) {
            delete m_view;
        }
    }
}

QWidget *VexoViewController::view()
{
    if (!m_view) {
        loadView();
    }
    return m_view;
}

QWidget *VexoViewController::createView()
{
    return new VexoCancelEventView(); // owned by this controller until a window takes it
}

void VexoViewController::loadView()
{
    m_view = createView();
    if (m_view->metaObject() == &VexoCancelEventView::staticMetaObject) {
        static_cast<VexoCancelEventView *>(m_view.data())->setEvnetHandlViewController(this);
    }
    connect(&NotificationCenter::defaultCenter(), &NotificationCenter::refreshLanguage, this,
            &VexoViewController::refreshLanguageHandler);
    WheelNeedsFocus::guard(m_view);
    applyLanguageSettings();
    ControlCaptions::describe(m_view);
}

void VexoViewController::refreshLanguageHandler()
{
    QTimer::singleShot(0, this, [this] {
        applyLanguageSettings();
        // Controls without text of their own are named after their captions, in the new language.
        ControlCaptions::describe(m_view);
    });
}

void VexoViewController::restoreEventHandler()
{
    if (m_view && m_view->metaObject() == &VexoCancelEventView::staticMetaObject) {
        static_cast<VexoCancelEventView *>(m_view.data())->restoreEventHandler();
    }
}

void VexoViewController::removeImageButtonTarget(QWidget *view)
{
    if (view == nullptr) {
        return;
    }
    const QList<QWidget *> children = view->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *child : children) {
        if (auto *button = qobject_cast<ImageButton *>(child)) {
            QObject::disconnect(button, &ImageButton::clicked, nullptr, nullptr);
            QObject::disconnect(button, &ImageButton::hovered, nullptr, nullptr);
            QObject::disconnect(button, &ImageButton::hoverExited, nullptr, nullptr);
        } else if (child->metaObject() == &QWidget::staticMetaObject) {
            removeImageButtonTarget(child);
        }
    }
}
