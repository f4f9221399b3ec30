#include "ControlHelp.h"

#include "AboutWindow.h"
#include "KeyboardShortcutsWindow.h"
#include "core/NotificationCenter.h"
#include "core/VexoLanguages.h"

#include "app/ControlDescriptions.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeySequence>
#include <QMenu>

using namespace Qt::StringLiterals;

namespace {
QString localized(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}
} // namespace

ControlHelp::ControlHelp(const QList<QWidget *> &roots, QMenu *menu, QAction *before, QObject *parent) : QObject(parent)
{
    for (QWidget *root : roots) {
        m_roots.append(root);
    }
    m_shortcutsAction = new QAction(this);
    m_shortcutsAction->setObjectName(u"keyboardShortcutsAction"_s);
    connect(m_shortcutsAction, &QAction::triggered, this, &ControlHelp::showShortcutsWindow);
    m_aboutAction = new QAction(this);
    m_aboutAction->setObjectName(u"aboutAction"_s);
    m_aboutAction->setMenuRole(QAction::AboutRole);
    connect(m_aboutAction, &QAction::triggered, this, &ControlHelp::showAboutWindow);
    if (menu != nullptr) {
        menu->insertAction(before, m_shortcutsAction);
        menu->insertAction(before, m_aboutAction);
    }
    // Queued like the window's own captions, so both follow the same change of language.
    connect(&NotificationCenter::defaultCenter(), &NotificationCenter::refreshLanguage, this, &ControlHelp::apply,
            Qt::QueuedConnection);
    apply();
}

ControlHelp::~ControlHelp() = default;

QString ControlHelp::keyText(QKeyCombination key)
{
    return QKeySequence(key).toString(QKeySequence::NativeText);
}

QWidget *ControlHelp::findControl(const QString &objectName) const
{
    for (const QPointer<QWidget> &root : m_roots) {
        if (root == nullptr) {
            continue;
        }
        if (root->objectName() == objectName) {
            return root;
        }
        if (auto *control = root->findChild<QWidget *>(objectName)) {
            return control;
        }
    }
    return nullptr;
}

void ControlHelp::apply()
{
    const QString unavailable = localized(ControlDescriptions::unavailableTextKey());
    for (const ControlDescriptions::Description &row : ControlDescriptions::mainWindow()) {
        QWidget *control = findControl(row.objectName);
        if (control == nullptr) {
            continue;
        }
        const QString name = localized(row.textKey);
        QString note;
        if (row.unavailable) {
            note = unavailable;
            control->setEnabled(false);
        } else if (const auto key = row.command ? KeyCommandTable::firstKeyFor(*row.command) : std::nullopt) {
            note = keyText(*key);
        }
        control->setToolTip(ControlDescriptions::toolTip(name, note));
        control->setAccessibleName(name);
        control->setAccessibleDescription(row.unavailable ? unavailable : QString());
    }
    m_shortcutsAction->setText(localized(u"단축키"_s));
    m_aboutAction->setText(localized(u"Velmora 정보"_s));
    if (m_shortcutsWindow != nullptr) {
        m_shortcutsWindow->retranslate();
    }
    if (m_aboutWindow != nullptr) {
        m_aboutWindow->retranslate();
    }
}

bool ControlHelp::pressButtonFor(KeyCommandTable::Command command) const
{
    const QString name = KeyCommandTable::buttonFor(command);
    auto *button = name.isEmpty() ? nullptr : qobject_cast<QAbstractButton *>(findControl(name));
    if (button == nullptr || !button->isEnabled()) {
        return false;
    }
    button->click();
    return true;
}

KeyboardShortcutsWindow *ControlHelp::shortcutsWindow() const
{
    return m_shortcutsWindow;
}

AboutWindow *ControlHelp::aboutWindow() const
{
    return m_aboutWindow;
}

QWidget *ControlHelp::dialogParent() const
{
    return m_roots.isEmpty() ? nullptr : m_roots.constFirst().data();
}

void ControlHelp::showShortcutsWindow()
{
    if (m_shortcutsWindow == nullptr) {
        m_shortcutsWindow = new KeyboardShortcutsWindow(dialogParent()); // owned by the main window
    }
    m_shortcutsWindow->show();
    m_shortcutsWindow->raise();
    m_shortcutsWindow->activateWindow();
}

void ControlHelp::showAboutWindow()
{
    if (m_aboutWindow == nullptr) {
        m_aboutWindow = new AboutWindow(dialogParent()); // owned by the main window
    }
    m_aboutWindow->show();
    m_aboutWindow->raise();
    m_aboutWindow->activateWindow();
}
