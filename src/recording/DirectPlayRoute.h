#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

// Which files of a recording the players open as they are, without converting them first: the
// recording itself for the large player and, for a recording of both cameras, its rear camera for
// the small one (the second video stream of the same AVI, or the partner MP4). A recording goes
// this way only when every file of it passes DirectPlayProbe; otherwise the conversion plays it
// as before, so a file cut short, without "moov" or without a picture is repaired or refused by
// the conversion, never found wanting on screen.
class DirectPlayRoute
{
public:
    struct Source
    {
        // As Qt and the player open it (LocalPath::openable).
        QString path;
        // The video stream to show, counted from 1 among the file's video streams.
        int videoTrack = 1;

        bool operator==(const Source &) const = default;
    };

    // The files to play for the recording at URL, front first; absent when it must be converted
    // (not an AVI or MP4, unreadable, or a file the probe refuses). Reads a few headers only.
    static std::optional<QList<Source>> sources(const QUrl &url);
};
