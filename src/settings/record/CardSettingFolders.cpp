#include "CardSettingFolders.h"

#include "core/RegularFileReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {
// Every folder a settings route reads or writes under, in both spellings the cards use.
constexpr const char16_t *SettingFolders[] = {u"SETTING",      u"setting",      u"SETTING/html",
                                              u"SETTING/lang", u"setting/html", u"setting/lang"};

bool insideOrEqual(const QString &path, const QString &top)
{
    return path == top || path.startsWith(top.endsWith(u'/') ? top : top + u'/');
}
} // namespace

QString CardSettingFolders::problem(const QString &root)
{
    const QString top = QFileInfo(root).canonicalFilePath();
    if (root.isEmpty() || top.isEmpty()) {
        return {};
    }
    const QDir card(root);
    for (const char16_t *relative : SettingFolders) {
        const QString path = card.filePath(QString::fromUtf16(relative));
        struct stat status
        {
        };
        if (::lstat(QFile::encodeName(path).constData(), &status) != 0) {
            continue;
        }
        if (S_ISLNK(status.st_mode)) {
            return u"%1 is a link: the card's settings folders are not followed out of the card"_s.arg(path);
        }
        const QString resolved = QFileInfo(path).canonicalFilePath();
        if (resolved.isEmpty() || !insideOrEqual(resolved, top)) {
            return u"%1 lies outside the card"_s.arg(path);
        }
    }
    return {};
}

bool CardSettingFolders::isCardFile(const QString &file, const QString &root)
{
    return problem(root).isEmpty() && RegularFileReader::liesInside(file, root);
}
