#include "TextFit.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>

namespace {

QString describe(const QWidget *widget, const QString &text, QSize needed, QSize room)
{
    const QString name =
        widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className()) : widget->objectName();
    return QStringLiteral("%1: \"%2\" needs %3×%4 px, has %5×%6 px")
        .arg(name, text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

// One line of TEXT in FONT, as Qt draws it (mnemonic ampersands do not take room).
QSize lineSize(const QFont &font, QString text)
{
    text.remove(QLatin1Char('&'));
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

void checkButton(const QAbstractButton *button, QStringList &findings)
{
    const QString text = button->text();
    if (text.isEmpty()) {
        return;
    }
    // Check boxes and radio buttons need their indicator as well: the style's own size hint
    // measures both.
    const bool indicator = qobject_cast<const QCheckBox *>(button) || qobject_cast<const QRadioButton *>(button);
    const QSize needed = indicator ? button->sizeHint() : lineSize(button->font(), text);
    const QSize room = button->contentsRect().size();
    if (needed.width() > room.width() || needed.height() > room.height()) {
        findings << describe(button, text, needed, room);
    }
}

void checkLabel(const QLabel *label, QStringList &findings)
{
    const QString text = label->text();
    if (text.isEmpty() || label->textFormat() == Qt::RichText) {
        return;
    }
    const int inset = 2 * label->margin() + qMax(label->indent(), 0);
    const QSize room = label->contentsRect().size() - QSize(inset, inset);
    if (label->wordWrap()) {
        const QFontMetrics metrics(label->font());
        const QRect bounds = metrics.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, text);
        if (bounds.height() > room.height() || bounds.width() > room.width()) {
            findings << describe(label, text, bounds.size(), room);
        }
        return;
    }
    const QSize needed = lineSize(label->font(), text);
    if (needed.width() > room.width() || needed.height() > room.height()) {
        findings << describe(label, text, needed, room);
    }
}

void checkCells(const QAbstractItemView *view, QStringList &findings)
{
    const QAbstractItemModel *model = view->model();
    if (!model) {
        return;
    }
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            const QString text = index.data(Qt::DisplayRole).toString();
            const QRect cell = view->visualRect(index);
            if (text.isEmpty() || !cell.isValid()) {
                continue;
            }
            const QSize needed = lineSize(view->font(), text);
            if (needed.width() > cell.width() || needed.height() > cell.height()) {
                findings << describe(view, text, needed, cell.size());
            }
        }
    }
}

} // namespace

QStringList TextFit::overflowingTexts(const QWidget *root, const QStringList &ignoredViews)
{
    QStringList findings;
    for (const QWidget *widget : root->findChildren<const QWidget *>()) {
        if (!widget->isVisibleTo(root)) {
            continue;
        }
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
            checkButton(button, findings);
        } else if (const auto *label = qobject_cast<const QLabel *>(widget)) {
            checkLabel(label, findings);
        } else if (const auto *view = qobject_cast<const QAbstractItemView *>(widget)) {
            if (!ignoredViews.contains(view->objectName())) {
                checkCells(view, findings);
            }
        }
    }
    return findings;
}
