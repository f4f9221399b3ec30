#include "ControlCaptions.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QLabel>
#include <QVariant>

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {
// Marks names this class gave, so a later pass may replace them and a hand-set name stays.
constexpr const char *CaptionedProperty = "velmoraCaptioned";
// How far right of a control its caption may begin (the screens leave about 6 px).
constexpr int CaptionReach = 48;
// How many containers up the row's title may sit (cell → radio group → row).
constexpr int TitleDepth = 3;

QString labelText(const QLabel *label)
{
    if (label->isHidden() || label->textFormat() == Qt::RichText) {
        return {};
    }
    return label->text().trimmed();
}

// The label that begins just right of CONTROL on its row, within its parent.
QString captionBeside(const QWidget *control)
{
    const QWidget *parent = control->parentWidget();
    if (parent == nullptr) {
        return {};
    }
    const QRect box = control->geometry();
    QString best;
    int bestDistance = CaptionReach + 1;
    const QList<QLabel *> labels = parent->findChildren<QLabel *>(Qt::FindDirectChildrenOnly);
    for (const QLabel *label : labels) {
        const QString text = labelText(label);
        const QRect place = label->geometry();
        const int distance = place.left() - box.right();
        const int rowSlack = std::max(box.height(), place.height()) / 2;
        if (text.isEmpty() || distance < -2 || distance >= bestDistance ||
            std::abs(place.center().y() - box.center().y()) > rowSlack) {
            continue;
        }
        best = text;
        bestDistance = distance;
    }
    return best;
}

// The title of the row CONTROL sits in: a "…TitleTextField" label of one of its containers.
QString rowTitle(const QWidget *control)
{
    const QWidget *container = control->parentWidget();
    for (int depth = 0; container != nullptr && depth < TitleDepth; ++depth, container = container->parentWidget()) {
        const QList<QLabel *> labels = container->findChildren<QLabel *>(Qt::FindDirectChildrenOnly);
        for (const QLabel *label : labels) {
            const QString text = labelText(label);
            if (!text.isEmpty() && label->objectName().endsWith(u"TitleTextField")) {
                return text;
            }
        }
    }
    return {};
}

bool showsNoText(const QWidget *widget)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        return button->text().trimmed().isEmpty();
    }
    return qobject_cast<const QAbstractSlider *>(widget) != nullptr;
}
} // namespace

QString ControlCaptions::captionOf(const QWidget *control)
{
    const QString caption = captionBeside(control);
    const QString title = rowTitle(control);
    if (caption.isEmpty() || title.isEmpty() || caption == title) {
        return caption.isEmpty() ? title : caption;
    }
    return u"%1: %2"_s.arg(title, caption);
}

void ControlCaptions::describe(QWidget *root)
{
    if (root == nullptr) {
        return;
    }
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (!showsNoText(widget)) {
            continue;
        }
        const bool ours = widget->property(CaptionedProperty).toBool();
        if (!ours && !widget->accessibleName().isEmpty()) {
            continue;
        }
        const QString caption = captionOf(widget);
        if (caption.isEmpty()) {
            continue;
        }
        widget->setAccessibleName(caption);
        widget->setToolTip(caption);
        widget->setProperty(CaptionedProperty, true);
    }
}
