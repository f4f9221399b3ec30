#pragma once

#include <QString>
#include <QStringView>
#include <QUrl>

// The cameras' naming rule for the two files of one recording: the front and the rear camera's
// files differ only in the camera letter before the extension ("…_F.mp4" against "…_R.mp4").
// Only the file name carries that letter: the folders above it are the user's ("/media/F.CARD",
// "Trip F.1") and are never edited.
class PartnerName
{
public:
    // TEXT (a file path, or the text of a URL) with every FROM in its file name, the part after
    // the last "/", replaced by TO; a null string when the file name holds no FROM.
    static QString replaceInFileName(const QString &text, QStringView from, QStringView to);
    // The other camera's recording of URL: in its file name every "F." becomes "R.", else every
    // "R." becomes "F.", else "F_BC." and "R_BC." likewise. An empty URL when the file name has
    // none of them.
    static QUrl otherCamera(const QUrl &url);
};
