#include "ViewExtensions.h"

#include "BGColorView.h"
#include "RadioButton.h"
#include "VexoCancelEventView.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTextEdit>
#include <qdrawutil.h>

namespace {
// Panels only hold controls: disabling one would grey out, through Qt's inheritance of the
// enabled state, the skinned radio buttons inside that must keep taking clicks.
bool isContainer(const QWidget *widget)
{
    const QMetaObject *kind = widget->metaObject();
    return kind == &QWidget::staticMetaObject || kind == &QFrame::staticMetaObject ||
           qobject_cast<const BGColorView *>(widget) != nullptr ||
           qobject_cast<const VexoCancelEventView *>(widget) != nullptr ||
           qobject_cast<const QStackedWidget *>(widget) != nullptr ||
           qobject_cast<const QScrollArea *>(widget) != nullptr;
}
} // namespace

void ViewExtensions::setSubViewsEnabled(QWidget *view, bool enabled)
{
    if (view == nullptr) {
        return;
    }
    const QList<QWidget *> children = view->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *child : children) {
        if (child->metaObject() == &QTextEdit::staticMetaObject) {
            static_cast<QTextEdit *>(child)->setTextInteractionFlags(enabled ? Qt::TextSelectableByMouse
                                                                             : Qt::NoTextInteraction);
        } else if (child->metaObject() == &QPlainTextEdit::staticMetaObject) {
            static_cast<QPlainTextEdit *>(child)->setTextInteractionFlags(enabled ? Qt::TextSelectableByMouse
                                                                                  : Qt::NoTextInteraction);
        } else if (child->metaObject() == &QLineEdit::staticMetaObject) {
            QPalette palette = child->palette();
            palette.setColor(QPalette::Text,
                             palette.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
            child->setPalette(palette);
        }
        // A skinned radio button keeps taking clicks while "disabled"; only its look and its
        // selection are frozen.
        if (auto *radio = qobject_cast<RadioButton *>(child)) {
            radio->setRadioEnabled(enabled);
        } else if (!isContainer(child)) {
            child->setEnabled(enabled);
        }
        setSubViewsEnabled(child, enabled);
    }
}

QColor ViewExtensions::colorWithHexColorString(const QString &text)
{
    qsizetype pos = 0;
    while (pos < text.size() && text.at(pos).isSpace()) {
        ++pos;
    }
    if (pos + 1 < text.size() && text.at(pos) == u'0' && (text.at(pos + 1) == u'x' || text.at(pos + 1) == u'X')) {
        pos += 2;
    }
    quint64 value = 0;
    for (; pos < text.size(); ++pos) {
        const char16_t c = text.at(pos).unicode();
        int digit = -1;
        if (c >= u'0' && c <= u'9') {
            digit = c - u'0';
        } else if (c >= u'a' && c <= u'f') {
            digit = c - u'a' + 10;
        } else if (c >= u'A' && c <= u'F') {
            digit = c - u'A' + 10;
        }
        if (digit < 0) {
            break;
        }
        value = qMin<quint64>(value * 16 + quint64(digit), 0xFFFFFFFFu); // saturates like a 32-bit scan
    }
    return QColor::fromRgb(int((value >> 16) & 0xFF), int((value >> 8) & 0xFF), int(value & 0xFF));
}

void ViewExtensions::setTitleColor(QAbstractButton *button, const QColor &color)
{
    if (button == nullptr) {
        return;
    }
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, color);
    palette.setColor(QPalette::WindowText, color);
    button->setPalette(palette);
}

QPixmap ViewExtensions::stretchableImageWithSize(const QPixmap &image, const QSize &size, const QMargins &insets)
{
    if (image.isNull() || size.isEmpty()) {
        return {};
    }
    QPixmap result(size);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    const QSize source = image.deviceIndependentSize().toSize();
    const QMargins sourceInsets(qMin(insets.left(), source.width()), qMin(insets.top(), source.height()),
                                qMin(insets.right(), source.width()), qMin(insets.bottom(), source.height()));
    qDrawBorderPixmap(&painter, QRect(QPoint(0, 0), size), sourceInsets, image);
    return result;
}
