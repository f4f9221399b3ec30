#include "VolumesCommand.h"

#include "CliOutput.h"

#include "platform/SystemVolumes.h"

#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::StringLiterals;

int VolumesCommand::run(const QStringList &arguments, CliOutput &io)
{
    if (!arguments.isEmpty()) {
        return io.usageError(u"volumes takes no arguments"_s);
    }
    QJsonArray volumes;
    for (const MountedVolume &volume : SystemVolumes::system()->mountedVolumes()) {
        volumes.append(QJsonObject{{u"path"_s, volume.path},
                                   {u"device"_s, volume.device},
                                   {u"type"_s, volume.fileSystemType},
                                   {u"local"_s, volume.isLocal},
                                   {u"removable"_s, volume.isRemovable}});
    }
    return io.printJson(volumes);
}
