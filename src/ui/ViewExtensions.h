#pragma once

#include <QColor>
#include <QMargins>
#include <QPixmap>
#include <QSize>
#include <QString>

class QAbstractButton;
class QWidget;

// Small operations over Qt's own widgets and pictures that every screen of the skin uses.
class ViewExtensions
{
public:
    // Enables or disables everything inside VIEW, depth first: plain text fields also turn grey,
    // text views stop being selectable, and skinned radio buttons use their own enabled look.
    static void setSubViewsEnabled(QWidget *view, bool enabled);
    static void disableSubViews(QWidget *view) { setSubViewsEnabled(view, false); }
    static void enableSubViews(QWidget *view) { setSubViewsEnabled(view, true); }

    // "d6dfe9" or "0xd6dfe9" → opaque RGB; reading stops at the first non-hex character, and
    // text without digits gives black.
    static QColor colorWithHexColorString(const QString &text);

    // The button's caption in COLOR.
    static void setTitleColor(QAbstractButton *button, const QColor &color);

    // The picture stretched to SIZE with its borders (INSETS: left, top, right, bottom) kept
    // unscaled, as the skin's panels and buttons need.
    static QPixmap stretchableImageWithSize(const QPixmap &image, const QSize &size, const QMargins &insets);
};
