#include "KeyboardShortcutsWindow.h"

#include "ControlHelp.h"
#include "core/VexoLanguages.h"
#include "ui_KeyboardShortcutsWindow.h"

#include "app/KeyCommandTable.h"

#include <QHeaderView>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
QString localized(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}
} // namespace

KeyboardShortcutsWindow::KeyboardShortcutsWindow(QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::KeyboardShortcutsWindow>())
{
    m_ui->setupUi(this);
    setObjectName(u"keyboardShortcutsWindow"_s);
    m_ui->shortcutsTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::close);
    retranslate();
}

KeyboardShortcutsWindow::~KeyboardShortcutsWindow() = default;

void KeyboardShortcutsWindow::retranslate()
{
    setWindowTitle(localized(u"단축키"_s));
    QTableWidget *table = m_ui->shortcutsTable;
    table->setHorizontalHeaderLabels({localized(u"키"_s), localized(u"동작"_s)});
    const QList<KeyCommandTable::Row> &rows = KeyCommandTable::rows();
    table->setRowCount(int(rows.size()));
    for (int i = 0; i < int(rows.size()); ++i) {
        const KeyCommandTable::Row &row = rows.at(i);
        table->setItem(i, 0, new QTableWidgetItem(ControlHelp::keyText(row.combination())));
        table->setItem(i, 1, new QTableWidgetItem(localized(KeyCommandTable::commandTextKey(row.command))));
    }
    if (QPushButton *close = m_ui->buttonBox->button(QDialogButtonBox::Close)) {
        close->setText(localized(u"닫기"_s));
    }
}

QStringList KeyboardShortcutsWindow::listedKeys() const
{
    QStringList keys;
    const QTableWidget *table = m_ui->shortcutsTable;
    for (int i = 0; i < table->rowCount(); ++i) {
        keys << (table->item(i, 0) != nullptr ? table->item(i, 0)->text() : QString());
    }
    return keys;
}
