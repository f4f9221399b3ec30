#pragma once

#include <QObject>
#include <QPointer>

class QLabel;
class QWidget;

// The splash picture shown while the application starts.
class SplashWindowController : public QObject
{
    Q_OBJECT

public:
    explicit SplashWindowController(QObject *parent = nullptr);
    ~SplashWindowController() override;

    QWidget *splashWindow() const { return m_window; }
    QLabel *splashImagView() const { return m_imageView; }

private:
    QPointer<QWidget> m_window;
    QLabel *m_imageView = nullptr;
};
