#include "ButtonRowFit.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QVariant>

#include <algorithm>
#include <numeric>

namespace {

// The caption and font the layout gave each button, kept on the button so a later fit (after a
// language change) starts again from them and not from an elided caption or a smaller font.
constexpr char kFullCaption[] = "buttonRowFitCaption";
constexpr char kLayoutPointSize[] = "buttonRowFitPointSize";
constexpr char kRowWidth[] = "buttonRowFitWidth";
constexpr char kShownCaption[] = "buttonRowFitShown";

QList<int> captionNeeds(const QList<QAbstractButton *> &buttons, const QFont &font)
{
    const QFontMetrics metrics(font);
    QList<int> needs;
    for (const QAbstractButton *button : buttons) {
        needs << metrics.horizontalAdvance(button->property(kFullCaption).toString()) + ButtonRowFit::CaptionPadding;
    }
    return needs;
}

} // namespace

QList<int> ButtonRowFit::shareWidth(const QList<int> &needs, int width)
{
    const int count = int(needs.size());
    if (count == 0) {
        return {};
    }
    const int total = std::accumulate(needs.begin(), needs.end(), 0);
    if (total > width) {
        return {};
    }
    QList<int> widths;
    const int equal = width / count;
    if (*std::max_element(needs.begin(), needs.end()) <= equal) {
        widths.fill(equal, count);
    } else {
        // Each button gets what its caption needs, and the room left over is shared equally.
        const int spare = (width - total) / count;
        for (int need : needs) {
            widths << need + spare;
        }
    }
    // Rounding leftovers go to the last button so the row still ends where it did.
    widths.last() += width - std::accumulate(widths.begin(), widths.end(), 0);
    return widths;
}

void ButtonRowFit::fit(const QList<QAbstractButton *> &buttons)
{
    if (buttons.isEmpty()) {
        return;
    }
    QAbstractButton *first = buttons.first();
    if (!first->property(kRowWidth).isValid()) {
        int width = 0;
        for (const QAbstractButton *button : buttons) {
            width += button->width();
        }
        first->setProperty(kRowWidth, width);
    }
    const int rowWidth = first->property(kRowWidth).toInt();
    for (QAbstractButton *button : buttons) {
        if (!button->property(kLayoutPointSize).isValid()) {
            button->setProperty(kLayoutPointSize, button->font().pointSizeF());
        }
        // A caption set since the last fit replaces the kept one; the (perhaps elided) caption
        // that the last fit showed does not.
        if (button->text() != button->property(kShownCaption).toString()) {
            button->setProperty(kFullCaption, button->text());
        }
    }

    QFont font = first->font();
    const qreal layoutSize = first->property(kLayoutPointSize).toReal();
    QList<int> widths;
    for (int step = 0; step <= MaxFontStep && widths.isEmpty(); ++step) {
        font.setPointSizeF(layoutSize - step);
        widths = shareWidth(captionNeeds(buttons, font), rowWidth);
    }
    const bool elide = widths.isEmpty();
    if (elide) {
        // Even the smaller font leaves too little room: equal widths, captions cut with an ellipsis
        // and shown whole as tooltips.
        widths.fill(rowWidth / int(buttons.size()), buttons.size());
        widths.last() += rowWidth - widths.first() * int(buttons.size());
    }

    int x = first->x();
    const QFontMetrics metrics(font);
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        QAbstractButton *button = buttons.at(i);
        const QString caption = button->property(kFullCaption).toString();
        button->setFont(font);
        button->setGeometry(x, button->y(), widths.at(i), button->height());
        x += widths.at(i);
        const QString shown =
            elide ? metrics.elidedText(caption, Qt::ElideRight, widths.at(i) - CaptionPadding) : caption;
        button->setText(shown);
        button->setProperty(kShownCaption, shown);
        button->setToolTip(shown == caption ? QString() : caption);
    }
}
