#pragma once

#include <QList>

class QAbstractButton;

// Shares the fixed width of a row of captioned buttons (the list's filter buttons) so that every
// caption fits in every language: equal widths when all captions fit that way, which is how the
// skin looks; widths by caption otherwise; then one smaller font step for the whole row; and only
// when even that is not enough, captions elided with the whole text as the tooltip.
class ButtonRowFit
{
public:
    // The pixels a caption needs beyond its text, so it never touches the button's edge.
    static constexpr int CaptionPadding = 4;
    // How far the row's font may shrink, in points below the font the layout gives it.
    static constexpr int MaxFontStep = 1;

    // The widths of the buttons, left to right, that share WIDTH when the captions need NEEDS
    // pixels each (padding included); empty when the needs add up to more than WIDTH.
    static QList<int> shareWidth(const QList<int> &needs, int width);

    // Lays BUTTONS out side by side from the first one's position over the width they cover now,
    // with their current captions. Call again after every change of captions.
    static void fit(const QList<QAbstractButton *> &buttons);
};
