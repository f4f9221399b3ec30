#include "WebSettingWindowController.h"

#include "RendererMemoryWatch.h"
#include "WebSettingPage.h"
#include "WebSettingWebView.h"
#include "core/VexoLanguages.h"
#include "ui_WebSettingWindowController.h"

#include "settings/record/CardWriteProtection.h"
#include "settings/web/WebSettingScript.h"
#include "settings/web/WebSettingSession.h"

#include <QDialog>
#include <QLabel>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcWebSettingWindow, "velmora.settings.web.window")

namespace {
// The one open settings window (held from beginModal to endModalSession).
WebSettingWindowController *s_instance = nullptr;

QString localized(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}

// Alert texts come from the page or the card: shown as they are, never read as markup.
void setPlainTexts(QMessageBox *box, const QString &text, const QString &informativeText)
{
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    box->setInformativeText(informativeText);
    for (QLabel *label : box->findChildren<QLabel *>()) {
        label->setTextFormat(Qt::PlainText);
    }
}
} // namespace

WebSettingWindowController *WebSettingWindowController::showWebSettingWindow(QWidget *mainWindow,
                                                                             const QString &cardRoot,
                                                                             const CardLanguageList &languages,
                                                                             FormatSequence askFormat)
{
    if (s_instance != nullptr) {
        return nullptr;
    }
    // A card whose settings folder leads elsewhere, or whose page is a pipe, is not opened.
    if (const QString problem = WebSettingSession::cardProblem(cardRoot); !problem.isEmpty()) {
        qCWarning(lcWebSettingWindow, "settings page not opened: %s", qUtf8Printable(problem));
        showMemoryCardAlertOver(mainWindow);
        return nullptr;
    }
    auto *controller = new WebSettingWindowController(cardRoot, languages, mainWindow);
    controller->setAskFormat(std::move(askFormat));
    if (mainWindow != nullptr) {
        controller->centerInWindow(mainWindow);
    }
    controller->beginModal();
    return controller;
}

WebSettingWindowController *WebSettingWindowController::instance()
{
    return s_instance;
}

WebSettingWindowController::WebSettingWindowController(const QString &folder, const CardLanguageList &languages,
                                                       QObject *parent)
    : QObject(parent), m_session(new WebSettingSession(folder, languages, this)),
      m_memoryWatch(new RendererMemoryWatch(this))
{
    connect(m_session, &WebSettingSession::connectionRequested, this,
            &WebSettingWindowController::startWebBrowserConnection);
    connect(m_session, &WebSettingSession::showTabsRequested, this, [this](bool showTabsNow) {
        if (m_connecting) {
            m_pendingShowTabs.append(showTabsNow);
        } else {
            showTabs(showTabsNow);
        }
    });
    connect(m_session, &WebSettingSession::backButtonRequested, this, [this] { backButton()->show(); });
    connect(m_session, &WebSettingSession::alertRequested, this, &WebSettingWindowController::showAlertWithTitle);
}

WebSettingWindowController::~WebSettingWindowController()
{
    m_closing = true;
    if (s_instance == this) {
        s_instance = nullptr;
    }
    delete m_window;
}

QDialog *WebSettingWindowController::window()
{
    if (m_window == nullptr) {
        windowDidLoad();
    }
    return m_window;
}

WebSettingWebView *WebSettingWindowController::webView()
{
    window();
    return m_webView;
}

QPushButton *WebSettingWindowController::backButton()
{
    window();
    return m_ui->backButton;
}

QPushButton *WebSettingWindowController::resetButton()
{
    window();
    return m_ui->resetButton;
}

QPushButton *WebSettingWindowController::cancelButton()
{
    window();
    return m_ui->cancelButton;
}

QPushButton *WebSettingWindowController::saveButton()
{
    window();
    return m_ui->saveButton;
}

QPushButton *WebSettingWindowController::formatButton()
{
    window();
    return m_ui->formatButton;
}

QMessageBox *WebSettingWindowController::yesNoAlert() const
{
    return m_yesNoAlert;
}

void WebSettingWindowController::setAskFormat(FormatSequence askFormat)
{
    m_askFormat = std::move(askFormat);
    if (m_window != nullptr) {
        m_ui->formatButton->setVisible(bool(m_askFormat));
    }
}

void WebSettingWindowController::windowDidLoad()
{
    QWidget *parentWidget = qobject_cast<QWidget *>(parent());
    m_window = new QDialog(parentWidget);
    m_ui = std::make_unique<Ui::WebSettingWindowController>();
    m_ui->setupUi(m_window);
    m_window->setWindowModality(Qt::ApplicationModal);

    m_webView = new WebSettingWebView(m_session->settingFolder(), m_ui->webViewPlace);
    m_webView->setObjectName(u"webView"_s);
    m_ui->webViewLayout->addWidget(m_webView);

    m_ui->backButton->hide();
    m_session->setWebsettingDateTimeUse(false);
    m_ui->formatButton->setVisible(bool(m_askFormat));

    m_window->setWindowTitle(localized(u"블랙박스 설정"_s));
    m_ui->resetButton->setText(localized(u"설정값 초기화"_s));
    m_ui->cancelButton->setText(localized(u"취소"_s));
    m_ui->saveButton->setText(localized(u"저장"_s));
    m_ui->formatButton->setText(localized(u"메모리 카드 포멧"_s));
    // Its "<" would be read out as "less than": it says what it does instead.
    m_ui->backButton->setToolTip(localized(u"뒤로"_s));
    m_ui->backButton->setAccessibleName(localized(u"뒤로"_s));

    connect(m_ui->backButton, &QPushButton::clicked, this, &WebSettingWindowController::onBtnBack);
    connect(m_ui->resetButton, &QPushButton::clicked, this, &WebSettingWindowController::onBtnReset);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &WebSettingWindowController::onBtnCancel);
    connect(m_ui->saveButton, &QPushButton::clicked, this, &WebSettingWindowController::onBtnSave);
    connect(m_ui->formatButton, &QPushButton::clicked, this, &WebSettingWindowController::askFormat);
    // Cancel, Escape and the window's close box all end here.
    connect(m_window, &QDialog::finished, this, &WebSettingWindowController::windowWillClose);

    WebSettingPage *page = m_webView->settingPage();
    // The page's renderer as it is at each look: it may start before the page loads, or be replaced.
    m_memoryWatch->follow([page = QPointer<WebSettingPage>(page)] { return page ? page->renderProcessPid() : 0; });
    connect(m_memoryWatch, &RendererMemoryWatch::limitExceeded, this, &WebSettingWindowController::pageStopped);
    connect(page, &WebSettingPage::bridgeMessage, this,
            [this](const QString &message) { m_session->webDashcam()->deliver(message); });
    connect(page, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        // The bridge is in the page from its first script on; the connection starts here unless
        // the page's docLoadComplete came first.
        if (ok) {
            startWebBrowserConnection();
        } else {
            qCWarning(lcWebSettingWindow, "the settings page did not load: %s",
                      qUtf8Printable(m_session->indexHtmlUrl().toDisplayString()));
        }
    });
    m_webView->load(m_session->indexHtmlUrl());
}

void WebSettingWindowController::centerInWindow(QWidget *parentWindow)
{
    QDialog *own = window();
    const QRect parentFrame = parentWindow->frameGeometry();
    const QSize size = own->frameGeometry().size();
    QPoint origin = parentFrame.topLeft() +
                    QPoint((parentFrame.width() - size.width()) / 2, (parentFrame.height() - size.height()) / 2);
    // A main window smaller than this one would push its title bar off the screen, out of reach.
    if (const QScreen *screen = parentWindow->screen()) {
        const QRect available = screen->availableGeometry();
        origin.setX(std::max(available.left(), std::min(origin.x(), available.right() + 1 - size.width())));
        origin.setY(std::max(available.top(), std::min(origin.y(), available.bottom() + 1 - size.height())));
    }
    own->move(origin);
}

void WebSettingWindowController::beginModal()
{
    s_instance = this;
    window()->show();
    m_window->raise();
    m_window->activateWindow();
}

void WebSettingWindowController::endModalSession()
{
    if (s_instance == this) {
        s_instance = nullptr;
    }
    deleteLater();
}

void WebSettingWindowController::windowWillClose()
{
    if (m_yesNoAlert != nullptr) {
        m_yesNoAlert->disconnect(this);
        m_yesNoAlert->close();
    }
    m_closing = true;
    endModalSession();
}

void WebSettingWindowController::evaluate(const QString &script, std::function<void(const QVariant &)> done)
{
    if (m_closing || m_webView == nullptr) {
        return;
    }
    QPointer<WebSettingWindowController> self(this);
    m_webView->page()->runJavaScript(script, [self, done = std::move(done)](const QVariant &value) {
        if (self != nullptr && !self->m_closing && done) {
            done(value);
        }
    });
}

void WebSettingWindowController::runScripts(QStringList scripts, std::function<void()> done)
{
    if (scripts.isEmpty()) {
        if (done) {
            done();
        }
        return;
    }
    const QString script = scripts.takeFirst();
    evaluate(script, [this, scripts = std::move(scripts), done = std::move(done)](const QVariant &) mutable {
        runScripts(std::move(scripts), std::move(done));
    });
}

void WebSettingWindowController::startWebBrowserConnection()
{
    if (m_closing || m_webView == nullptr || !m_session->beginConnection()) {
        return;
    }
    // From here on the page stays where it is.
    m_webView->settingPage()->setNavigationLocked(true);
    m_connecting = true;
    evaluate(WebSettingScript::modelName(), [this](const QVariant &name) {
        m_session->setModelName(name);
        evaluate(WebSettingScript::modelCfgSize(), [this](const QVariant &size) {
            m_session->setCfgSize(size);
            runScripts(m_session->connectionScripts(), [this] {
                m_connecting = false;
                m_connected = true;
                for (const bool showTabsNow : std::exchange(m_pendingShowTabs, {})) {
                    showTabs(showTabsNow);
                }
                for (const std::function<void()> &work : std::exchange(m_afterConnection, {})) {
                    work();
                }
                Q_EMIT connectionFinished();
            });
        });
    });
}

void WebSettingWindowController::resetCfg()
{
    evaluate(m_session->resetScript());
    showTabs(true);
}

void WebSettingWindowController::showTabs(bool showTabsNow)
{
    evaluate(WebSettingScript::generateSetting(showTabsNow));
    backButton()->hide();
}

void WebSettingWindowController::setSaving(bool saving)
{
    m_saving = saving;
    m_ui->saveButton->setEnabled(!saving && !m_pageStopped);
    m_ui->resetButton->setEnabled(!saving && !m_pageStopped);
}

void WebSettingWindowController::saveConfig()
{
    if (m_saving || m_pageStopped) {
        return;
    }
    // A page that never answers keeps Save waiting, not the window: Cancel still closes it.
    setSaving(true);
    evaluate(WebSettingScript::getCfg(), [this](const QVariant &answer) {
        setSaving(false);
        QString error;
        const WebSettingSession::SaveResult result = m_session->saveConfig(answer, &error);
        if (result == WebSettingSession::SaveResult::Saved) {
            Q_EMIT saveFinished(true);
            m_window->accept();
            return;
        }
        qCWarning(lcWebSettingWindow, "settings not saved: %s", qUtf8Printable(error));
        showMemoryCardAlertOver(m_window, result == WebSettingSession::SaveResult::WriteFailed
                                              ? CardWriteProtection::writeFailedMessageKey(m_session->folder())
                                              : CardWriteProtection::checkCardMessageKey());
        Q_EMIT saveFinished(false);
    });
}

QMessageBox *WebSettingWindowController::showMemoryCardAlertOver(QWidget *parent, const QString &messageKey)
{
    auto *box = new QMessageBox(QMessageBox::Warning, QString(), QString(), QMessageBox::NoButton, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName(u"memoryCardAlert"_s);
    setPlainTexts(box, localized(CardWriteProtection::alertTitleKey()),
                  localized(messageKey.isEmpty() ? CardWriteProtection::checkCardMessageKey() : messageKey));
    box->addButton(u"OK"_s, QMessageBox::AcceptRole);
    box->setWindowModality(parent != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    box->open();
    return box;
}

void WebSettingWindowController::pageStopped()
{
    // The page is gone with its renderer: nothing can be saved from it, Cancel still closes.
    m_pageStopped = true;
    m_ui->saveButton->setEnabled(false);
    m_ui->resetButton->setEnabled(false);
    auto *box = new QMessageBox(QMessageBox::Warning, QString(), QString(), QMessageBox::NoButton, m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName(u"pageStoppedAlert"_s);
    setPlainTexts(box, localized(u"블랙박스 설정"_s),
                  localized(u"설정 화면이 메모리를 너무 많이 사용하여 중지되었습니다."_s));
    box->addButton(localized(u"확인"_s), QMessageBox::AcceptRole);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

void WebSettingWindowController::showAlertWithTitle(const QString &title, const QString &message, int buttonCount)
{
    auto *box = new QMessageBox(QMessageBox::Information, QString(), QString(), QMessageBox::NoButton, window());
    box->setAttribute(Qt::WA_DeleteOnClose);
    setPlainTexts(box, title, message);
    // One role for every button keeps them in the order given: "아니오" then "예". The first button
    // is the safe answer, the one Return and Escape give.
    QList<QPushButton *> buttons;
    if (buttonCount == 2) {
        buttons = {box->addButton(localized(u"아니오"_s), QMessageBox::ActionRole),
                   box->addButton(localized(u"예"_s), QMessageBox::ActionRole)};
    } else {
        buttons = {box->addButton(localized(u"확인"_s), QMessageBox::ActionRole)};
    }
    box->setEscapeButton(buttons.constFirst());
    box->setDefaultButton(buttons.constFirst());
    m_yesNoAlert = box;
    connect(box, &QMessageBox::finished, this, [this, box, buttons] {
        const qsizetype index = buttons.indexOf(qobject_cast<QPushButton *>(box->clickedButton()));
        yesNoAlertDidSelected(index > 0 ? 1000 + int(index) : 1000);
    });
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

void WebSettingWindowController::yesNoAlertDidSelected(int returnCode)
{
    m_yesNoAlert = nullptr;
    const QString script = m_session->alertAnswerScript(returnCode);
    if (!script.isEmpty()) {
        evaluate(script);
    }
}

void WebSettingWindowController::askFormat()
{
    if (m_askFormat) {
        m_askFormat(window(), m_session->folder());
    }
}

void WebSettingWindowController::whenConnected(std::function<void()> work)
{
    if (m_connected) {
        work();
    } else {
        m_afterConnection.append(std::move(work));
    }
}

void WebSettingWindowController::onBtnBack()
{
    whenConnected([this] { showTabs(true); });
}

void WebSettingWindowController::onBtnReset()
{
    whenConnected([this] { resetCfg(); });
}

void WebSettingWindowController::onBtnCancel()
{
    window()->reject();
}

void WebSettingWindowController::onBtnSave()
{
    saveConfig();
}
