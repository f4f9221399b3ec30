#include "settings/editor/MemoryPartition.h"

using namespace Qt::StringLiterals;

QList<double> MemoryPartition::shares(qint64 modelType, int column)
{
    if (column < 0 || column > 2) {
        column = 0;
    }
    switch (modelType) {
    case 7:
    case 8:
    case 11:
    case 12:
    case 13:
    case 14:
    case 19: {
        static const QList<double> table[] = {{62, 20, 5, 3, 10}, {37, 15, 5, 3, 40}, {55, 15, 15, 5, 10}};
        return table[column];
    }
    case 3:
    case 4:
    case 9:
    case 10:
    case 18: {
        static const QList<double> table[] = {{60.6, 20, 5, 3, 10}, {36.3, 15, 5, 3, 40}, {53.6, 15, 15, 5, 10}};
        return table[column];
    }
    default: {
        static const QList<double> table[] = {{61, 20, 3, 5, 10}, {36, 15, 3, 5, 40}, {54, 15, 5, 15, 10}};
        return table[column];
    }
    }
}

QString MemoryPartition::ratioText(double share)
{
    return QString::asprintf("%.1f%%", share);
}
