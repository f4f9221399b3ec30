#include "CardWriteProtection.h"

#include "core/LocalPath.h"

#include <QFileInfo>

#include <sys/stat.h>
#include <sys/statvfs.h>

using namespace Qt::StringLiterals;

bool CardWriteProtection::isWriteProtected(const QString &path)
{
    if (path.isEmpty()) {
        return false;
    }
    QString existing = QFileInfo(path).absoluteFilePath();
    struct stat status;
    while (::stat(LocalPath::encode(existing).constData(), &status) != 0) {
        const QString parent = QFileInfo(existing).absolutePath();
        if (parent == existing) {
            return false;
        }
        existing = parent;
    }
    struct statvfs volume;
    return ::statvfs(LocalPath::encode(existing).constData(), &volume) == 0 && (volume.f_flag & ST_RDONLY) != 0;
}

QString CardWriteProtection::alertTitleKey()
{
    return u"메모리카드 오류"_s;
}

QString CardWriteProtection::writeFailedMessageKey(const QString &root)
{
    return isWriteProtected(root)
               ? u"메모리카드가 쓰기 금지되어 있습니다.\n메모리카드의 잠금 스위치를 확인하여 주시기 바랍니다."_s
               : checkCardMessageKey();
}

QString CardWriteProtection::checkCardMessageKey()
{
    return u"메모리카드를 확인하여 주시기 바랍니다."_s;
}
