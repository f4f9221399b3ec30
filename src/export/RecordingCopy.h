#pragma once

#include <QString>

// Saves a copy of a recording where the user chose. The copy is written under a temporary name
// beside the destination and takes the destination's name only once it is complete, so a failed
// copy (full disk, card pulled out) never leaves a truncated file and never destroys a file the
// user chose to replace.
class RecordingCopy
{
public:
    // Copies the file at SOURCE to DESTINATION, replacing what is there. On failure returns false
    // and, when ERROR is given, says why in a sentence naming the file.
    static bool save(const QString &source, const QString &destination, QString *error = nullptr);
};
