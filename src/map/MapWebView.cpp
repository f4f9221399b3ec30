#include "MapWebView.h"

#include "MapRequestFilter.h"
#include "MapWebPage.h"
#include "WebRtcFence.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWebEngineProfile>

using namespace Qt::StringLiterals;

MapWebView::MapWebView(QWidget *parent) : QWebEngineView(parent)
{
    m_profile = new QWebEngineProfile(this); // no storage name: off the record
    // Tile servers ask that programs say who they are.
    m_profile->setHttpUserAgent(m_profile->httpUserAgent() + u" Velmora/"_s + QCoreApplication::applicationVersion());
    m_profile->setUrlRequestInterceptor(new MapRequestFilter(m_profile));
    WebRtcFence::install(m_profile);
    m_page = new MapWebPage(m_profile, this);
    setPage(m_page);
    // The map is looked at and dragged, never typed into: the window's keys stay with the players.
    setFocusPolicy(Qt::NoFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
}

MapWebView::~MapWebView()
{
    // A profile must outlive its pages.
    delete m_page;
}

void MapWebView::followGeometryOf(QWidget *widget)
{
    if (m_followed != nullptr) {
        m_followed->removeEventFilter(this);
    }
    m_followed = widget;
    if (widget != nullptr) {
        setGeometry(widget->geometry());
        widget->installEventFilter(this);
    }
}

bool MapWebView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_followed && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        setGeometry(m_followed->geometry());
    }
    return QWebEngineView::eventFilter(watched, event);
}
