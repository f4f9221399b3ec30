#pragma once

#include "platform/CardReformatPlan.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Formats a volume as root without the desktop's disk service: unmount it, re-create its file
// system with the matching mkfs tool and the same label, mount it again where it was with the
// options that decide who may use it. Every program runs from an argument list, never a shell.
class MkfsCardReformatter
{
public:
    // Who owns the volume's top folder; an ext file system is made with the same owner so the
    // user can still write to it.
    struct Owner
    {
        uint user = 0;
        uint group = 0;
    };

    // Reads the current mount table, to check that the device is really gone before it is
    // overwritten. The default reads the kernel's.
    using MountTableReader = std::function<QByteArray()>;
    explicit MkfsCardReformatter(MountTableReader mountTable = {});

    // The mkfs program and arguments that make a TYPE file system labelled LABEL on DEVICE
    // (program first); none for a type the helper does not make.
    static std::optional<QStringList> mkfsCommand(const QString &type, const QString &label, const QString &device,
                                                  const std::optional<Owner> &owner);
    // The options to mount the new file system with: those of the old mount that decide access
    // and behaviour (owner, permissions, character set, nosuid and the like), nothing tied to the
    // old file system.
    static QString remountOptions(const CardReformatPlan &plan);

    // Makes a TYPE file system labelled LABEL on the (unmounted) DEVICE. False with ERROR set when
    // the tool is missing or fails.
    bool makeFileSystem(const QString &device, const QString &type, const QString &label,
                        const std::optional<Owner> &owner, QString *error) const;
    // Unmount, make, mount again. False with ERROR set on the first step that fails; when the
    // file system could not be made the old one is mounted again.
    bool reformat(const CardReformatPlan &plan, QString *error) const;

private:
    bool isStillMounted(const QString &device) const;

    MountTableReader m_mountTable;
};
