#include "PartnerName.h"

#include <utility>

QString PartnerName::replaceInFileName(const QString &text, QStringView from, QStringView to)
{
    const qsizetype nameStart = text.lastIndexOf(u'/') + 1;
    QString name = text.mid(nameStart);
    if (from.isEmpty() || !name.contains(from)) {
        return {};
    }
    name.replace(from.toString(), to.toString());
    return text.left(nameStart) + name;
}

QUrl PartnerName::otherCamera(const QUrl &url)
{
    // Edited on the path for files, so a "?" or "%" in a name (written "%3F", "%25" in URL text)
    // can neither hide nor fake an "F.".
    const QString text = url.isLocalFile() ? url.toLocalFile() : url.toString();
    static constexpr std::pair<QStringView, QStringView> edits[] = {
        {u"F.", u"R."},
        {u"R.", u"F."},
        {u"F_BC.", u"R_BC."},
        {u"R_BC.", u"F_BC."},
    };
    for (const auto &[from, to] : edits) {
        const QString edited = replaceInFileName(text, from, to);
        if (!edited.isNull()) {
            return url.isLocalFile() ? QUrl::fromLocalFile(edited) : QUrl(edited);
        }
    }
    return {};
}
