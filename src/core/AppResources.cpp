#include "AppResources.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {
// A name or type taken from outside must not climb out of its resource folder.
bool isPlainName(const QString &text)
{
    return !text.isEmpty() && !text.contains(u'/') && !text.contains(u'\\') && text != u".." && text != u".";
}

QString existing(const QString &path)
{
    return QFile::exists(path) ? path : QString();
}
} // namespace

QString AppResources::pathForResource(const QString &name, const QString &type)
{
    if (!isPlainName(name) || (!type.isEmpty() && !isPlainName(type))) {
        return {};
    }
    const QString fileName = type.isEmpty() ? name : name + u'.' + type;
    // Factory files, and the map page with the map library beside it.
    for (const QString &folder : {u":/factory/"_s, u":/map/"_s}) {
        const QString path = existing(folder + fileName);
        if (!path.isEmpty()) {
            return path;
        }
    }
    return {};
}

QString AppResources::imagePath(const QString &name)
{
    if (!isPlainName(name)) {
        return {};
    }
    const QString svg = existing(u":/images/"_s + name + u".svg"_s);
    return svg.isEmpty() ? existing(u":/images/"_s + name + u".png"_s) : svg;
}

QString AppResources::translationTablePath(const QString &languageCode)
{
    if (!isPlainName(languageCode)) {
        return {};
    }
    return existing(u":/i18n/Localizable_QB62_"_s + languageCode + u".qm"_s);
}
