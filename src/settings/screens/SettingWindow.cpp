#include "settings/screens/SettingWindow.h"

#include "core/Preferences.h"
#include "core/VexoLanguages.h"

#include "ui/VexoViewController.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
QString localized(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}
} // namespace

SettingWindow::SettingWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"SettingWindow"_s);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildLanguageMenu();
}

SettingWindow::~SettingWindow()
{
    // The screen's view belongs to its controller, which outlives this window.
    if (m_view && m_view->parent() == this) {
        m_view->hide();
        m_view->setParent(nullptr);
    }
}

int SettingWindow::showModalWindow(QWidget *parentWindow, QWidget *targetView, VexoViewController *targetViewController,
                                   bool showTitleBar)
{
    m_parentWindow = parentWindow;
    m_view = targetView;
    m_keyEventDelegate = targetViewController;
    if (showTitleBar) {
        setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    } else {
        setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    }
    setWindowModality(Qt::ApplicationModal);
    const QSize size = targetView->size().isEmpty() ? targetView->sizeHint() : targetView->size();
    layout()->addWidget(targetView);
    targetView->show();
    setFixedSize(size);
    if (parentWindow != nullptr) {
        const QRect parentFrame = parentWindow->frameGeometry();
        move(parentFrame.topLeft() +
             QPoint(parentFrame.width() / 2 - size.width() / 2, parentFrame.height() / 2 - size.height() / 2));
    }
    QTimer::singleShot(0, this, [this] {
        if (m_view) {
            m_view->setFocus(Qt::OtherFocusReason);
        }
    });
    const int result = exec();
    hide();
    return result;
}

bool SettingWindow::endModal(QWidget *view, int code)
{
    auto *window = view != nullptr ? qobject_cast<SettingWindow *>(view->window()) : nullptr;
    if (window == nullptr) {
        return false;
    }
    window->done(code);
    return true;
}

void SettingWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape cancels the screen through its own Cancel; other keys are the screen's business.
    if (event->key() == Qt::Key_Escape && m_keyEventDelegate && m_keyEventDelegate->handlesCancel()) {
        m_keyEventDelegate->cancelButtonTouched();
        return;
    }
    event->ignore();
}

void SettingWindow::closeEvent(QCloseEvent *event)
{
    // Closing from the title bar is Cancel.
    if (m_keyEventDelegate && m_keyEventDelegate->handlesCancel() && isVisible()) {
        event->ignore();
        m_keyEventDelegate->cancelButtonTouched();
        return;
    }
    QDialog::closeEvent(event);
}

void SettingWindow::contextMenuEvent(QContextMenuEvent *event)
{
    m_languageMenu->setTitle(localized(u"언어"_s));
    m_englishItem->setText(localized(u"영어"_s));
    m_frenchItem->setText(localized(u"프랑스어"_s));
    m_japaneseItem->setText(localized(u"일본어"_s));
    const QString code = Preferences::language();
    markRadio(code == u"fr" ? m_frenchItem : code == u"ja" ? m_japaneseItem : m_englishItem);
    m_languageMenu->popup(event->globalPos());
}

void SettingWindow::buildLanguageMenu()
{
    m_languageMenu = new QMenu(localized(u"언어"_s), this);
    m_englishItem = m_languageMenu->addAction(localized(u"영어"_s), this, &SettingWindow::languageChangeToEnglish);
    m_frenchItem = m_languageMenu->addAction(localized(u"프랑스어"_s), this, &SettingWindow::languageChangeToFrench);
    m_japaneseItem = m_languageMenu->addAction(localized(u"일본어"_s), this, &SettingWindow::languageChangeToJapanese);
    for (QAction *item : {m_englishItem, m_frenchItem, m_japaneseItem}) {
        item->setCheckable(true);
    }
}

void SettingWindow::languageChangeToEnglish()
{
    markRadio(m_englishItem);
    languageChange(u"en"_s);
}

void SettingWindow::languageChangeToFrench()
{
    markRadio(m_frenchItem);
    languageChange(u"fr"_s);
}

void SettingWindow::languageChangeToPortuguese()
{
    languageChange(u"pt"_s);
}

void SettingWindow::languageChangeToJapanese()
{
    markRadio(m_japaneseItem);
    languageChange(u"ja"_s);
}

void SettingWindow::languageChange(const QString &code)
{
    // Stores the preference and tells every screen (this one and the main window) to re-caption.
    Preferences::changeLanguage(code);
}

void SettingWindow::markRadio(QAction *item)
{
    if (item == nullptr) {
        return;
    }
    const auto *menu = qobject_cast<QMenu *>(item->parent());
    const QList<QAction *> items = menu != nullptr ? menu->actions() : QList<QAction *>{item};
    for (QAction *other : items) {
        other->setChecked(other == item);
    }
}
