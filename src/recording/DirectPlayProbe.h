#pragma once

#include <QIODevice>
#include <QString>

// Whether the player can open a recording's own file and seek in it, judged from a few bounded
// reads of its container instead of by playing it: an AVI needs a video stream and an index the
// player can seek by (a complete "idx1" chunk, or OpenDML super indexes whose entries lie inside
// the file); an MP4 needs a readable "moov" box (at the start or the end: the player reaches it
// with one seek) with a video track whose sample tables point inside the file. A file cut short by
// a power loss, one without "moov" or without a picture is left to the conversion, which rebuilds
// what is missing (or says why nothing plays); so is an AVI whose super index names its index
// chunks over and over (or more of them than the file holds), which the player would read on and
// on. Nothing of the file is trusted: every size is
// checked against its parent and the file, and the amounts read are capped.
class DirectPlayProbe
{
public:
    enum class Container
    {
        Avi,
        Mp4,
        Unknown
    };

    struct Result
    {
        Container container = Container::Unknown;
        // Whether the player can play the file as it is.
        bool playable = false;
        // The video streams found (an AVI of both cameras has two).
        int videoStreams = 0;
        // Why it cannot be played as it is; empty when it can.
        QString why;
    };

    // The most top-level boxes looked at (the AVI walk keeps its own, equal, cap).
    static constexpr int kMaxTopLevel = 4096;
    // The largest "moov" box read.
    static constexpr qint64 kMaxMoovBytes = 64 * 1024 * 1024;

    // DEVICE must be open and random-access.
    static Result probe(QIODevice &device);
    // The file at PATH (a regular file only; Qt opens it by this name).
    static Result probeFile(const QString &path);
};
