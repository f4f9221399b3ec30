#include "SplashWindowController.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

SplashWindowController::SplashWindowController(QObject *parent) : QObject(parent)
{
    // A top-level window has no Qt parent; this controller owns it.
    m_window = new QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint);
    m_window->setObjectName(QStringLiteral("splashWindow"));
    m_window->resize(480, 270);
    m_window->setStyleSheet(QStringLiteral("background: #101820;"));
    m_imageView = new QLabel(m_window);
    m_imageView->setObjectName(QStringLiteral("splashImagView"));
    m_imageView->setScaledContents(true);
    auto *layout = new QVBoxLayout(m_window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_imageView);
}

SplashWindowController::~SplashWindowController()
{
    delete m_window;
}
