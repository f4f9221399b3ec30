#include "RecordingListDelegate.h"

#include "library/RecordingLibrary.h"

void RecordingListDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    QColor color(0xd6, 0xdf, 0xe9);
    switch (RecordingLibrary::RowColor(index.data(RecordingLibrary::RowColorRole).toInt())) {
    case RecordingLibrary::RowColor::Magenta:
        color = Qt::magenta;
        break;
    case RecordingLibrary::RowColor::Yellow:
        color = Qt::yellow;
        break;
    case RecordingLibrary::RowColor::Default:
        break;
    }
    option->palette.setColor(QPalette::Text, color);
    option->palette.setColor(QPalette::HighlightedText, color);
}
