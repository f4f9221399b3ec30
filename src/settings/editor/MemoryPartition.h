#pragma once

#include <QList>
#include <QString>

// How the camera divides the card between its five kinds of recording for the partition type the
// user picks: shares in percent, in the order continuous, continuous impact, parking motion,
// parking impact, manual.
class MemoryPartition
{
public:
    static constexpr int KindCount = 5;

    // The shares for COLUMN (0 to 2 of the partition group; anything else counts as 0).
    static QList<double> shares(qint64 modelType, int column);
    // A share as the ratio field shows it: "36.3%".
    static QString ratioText(double share);
    // The width of a share's bar when FULLWIDTH stands for 100 percent.
    static double barWidth(double share, double fullWidth) { return share * fullWidth / 100.0; }
};
