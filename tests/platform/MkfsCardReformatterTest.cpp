#include "platform/MkfsCardReformatter.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
TEST(MkfsCardReformatterTest, MakesEachTypeWithItsOwnToolKeepingTheLabel)
{
    EXPECT_EQ(MkfsCardReformatter::mkfsCommand(u"vfat"_s, u"CAM"_s, u"/dev/sdd1"_s, std::nullopt),
              QStringList({u"mkfs.vfat"_s, u"-I"_s, u"-n"_s, u"CAM"_s, u"/dev/sdd1"_s}));
    EXPECT_EQ(MkfsCardReformatter::mkfsCommand(u"exfat"_s, u"My Card"_s, u"/dev/sdd1"_s, std::nullopt),
              QStringList({u"mkfs.exfat"_s, u"-L"_s, u"My Card"_s, u"/dev/sdd1"_s}));
    EXPECT_EQ(
        MkfsCardReformatter::mkfsCommand(u"ext4"_s, u"CAM"_s, u"/dev/sdd1"_s, MkfsCardReformatter::Owner{1000, 100}),
        QStringList(
            {u"mkfs.ext4"_s, u"-F"_s, u"-q"_s, u"-L"_s, u"CAM"_s, u"-E"_s, u"root_owner=1000:100"_s, u"/dev/sdd1"_s}));
    // No label: none is invented; a label that looks like an option stays an argument of its own.
    EXPECT_EQ(MkfsCardReformatter::mkfsCommand(u"vfat"_s, QString(), u"/dev/sdd1"_s, std::nullopt),
              QStringList({u"mkfs.vfat"_s, u"-I"_s, u"/dev/sdd1"_s}));
    EXPECT_EQ(MkfsCardReformatter::mkfsCommand(u"ext4"_s, u"-q x"_s, u"/dev/sdd1"_s, std::nullopt)->at(4), u"-q x"_s);
    EXPECT_EQ(MkfsCardReformatter::mkfsCommand(u"ntfs"_s, u"CAM"_s, u"/dev/sdd1"_s, std::nullopt), std::nullopt);
}

TEST(MkfsCardReformatterTest, MountsAgainWithTheOptionsThatDecideAccess)
{
    CardReformatPlan vfat;
    vfat.fileSystemType = u"vfat"_s;
    vfat.mountOptions = u"rw,nosuid,nodev,relatime"_s;
    vfat.superOptions = u"rw,uid=1000,gid=1000,fmask=0022,dmask=0022,codepage=437,iocharset=ascii,"
                        u"shortname=mixed,showexec,utf8,flush,errors=remount-ro"_s;
    EXPECT_EQ(MkfsCardReformatter::remountOptions(vfat),
              u"nosuid,nodev,relatime,uid=1000,gid=1000,fmask=0022,dmask=0022,codepage=437,iocharset=ascii,"
              u"shortname=mixed,showexec,utf8,flush"_s);

    // An ext file system keeps its owner in itself; its super options are the old file system's.
    CardReformatPlan ext4;
    ext4.fileSystemType = u"ext4"_s;
    ext4.mountOptions = u"rw,noexec,relatime"_s;
    ext4.superOptions = u"rw,errors=remount-ro,uid=5"_s;
    EXPECT_EQ(MkfsCardReformatter::remountOptions(ext4), u"noexec,relatime"_s);
}
} // namespace
