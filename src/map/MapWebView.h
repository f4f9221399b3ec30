#pragma once

#include <QPointer>
#include <QWebEngineView>

class MapWebPage;
class QWebEngineProfile;

// The web view that shows the map: its own off-the-record profile (nothing of the map is kept on
// disk, and no other web view shares its cookies or cache), a page fenced by MapWebPage, and
// requests limited by MapRequestFilter.
class MapWebView : public QWebEngineView
{
    Q_OBJECT

public:
    explicit MapWebView(QWidget *parent = nullptr);
    ~MapWebView() override;

    // Keeps this view on WIDGET's place: its geometry now, and again whenever WIDGET is moved or
    // resized, so the map stays where the window's layout puts its placeholder.
    void followGeometryOf(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWebEngineProfile *m_profile = nullptr;
    MapWebPage *m_page = nullptr;
    QPointer<QWidget> m_followed;
};
