#pragma once

#include <QStyledItemDelegate>

// Colours each recording's name by its folder: saved copies magenta, option and SOS recordings
// yellow, everything else light text on the dark skin.
class RecordingListDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};
