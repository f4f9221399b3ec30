#include "PartnerName.h"

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
