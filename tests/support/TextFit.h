#pragma once

#include <QStringList>

class QWidget;

// Finds the captions that need more room than their control gives them: buttons, check boxes,
// radio buttons, labels and the cells of item views under ROOT that are visible, measured with each
// control's own font. Each finding reads "objectName: "text" needs W×H px, has W×H px", so a
// failing test says what to shorten.
namespace TextFit {

// Item views named in IGNOREDVIEWS are skipped: their cells hold data (file names), not captions.
QStringList overflowingTexts(const QWidget *root, const QStringList &ignoredViews = {});

} // namespace TextFit
