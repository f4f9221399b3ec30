// Writes seed inputs for the fuzz targets of the card's settings files into a folder given on the
// command line (kept out of the repository), one sub-folder per kind: "setting_record" (a field
// count byte, then SETTING/setup.cfg of every factory set), "ver_dat" (SETTING/lang/ver.dat),
// "ini" (SETTING/blackbox.cfg, from the INI camera's factory file), "hex_string" (the settings
// page's hex text) and "web_setting" (what the settings page's bridge reads from the card and the
// page).
#include "settings/record/SettingDefaults.h"
#include "settings/record/SettingRecord.h"
#include "settings/record/SettingRecordLayout.h"

#include <QDir>
#include <QFile>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {
bool write(const QDir &dir, const QString &kind, const QString &name, const QByteArray &bytes)
{
    if (!dir.mkpath(kind)) {
        return false;
    }
    QFile file(dir.filePath(kind + u'/' + name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    bool ok = dir.mkpath(u"."_s);

    const int count = SettingRecordLayout::FieldCount;
    for (const auto set : {SettingDefaults::QA41, SettingDefaults::QB62, SettingDefaults::QC23, SettingDefaults::QD34,
                           SettingDefaults::QE86}) {
        SettingRecord record;
        SettingDefaults::apply(record, set, SettingDefaults::UnitedKingdomRegion);
        const QByteArray bytes = record.bytes(count);
        const QString name = u"set%1"_s.arg(int(set));
        // The whole record read as every field, and its first fields read as an older layout.
        ok = ok && write(dir, u"setting_record"_s, name + u".cfg"_s, char(count) + bytes) &&
             write(dir, u"setting_record"_s, name + u"-short.cfg"_s, char(count / 2) + bytes);
    }

    ok = ok &&
         write(dir, u"ver_dat"_s, u"ver.dat"_s, "# Firmware Version:1.02.03\n# Language ISO Code:en fr ja pt ko\n") &&
         write(dir, u"ver_dat"_s, u"crlf.dat"_s, "# Language ISO Code: ko\r\n# Language ISO Code:\tja en\r\n");

    QFile factory(QStringLiteral(VELMORA_SOURCE_DIR "/resources/factory/default_QF27.cfg"));
    ok = ok && factory.open(QIODevice::ReadOnly);
    const QByteArray ini = factory.readAll();
    ok = ok && !ini.isEmpty() && write(dir, u"ini"_s, u"blackbox.cfg"_s, ini) &&
         write(dir, u"ini"_s, u"crlf.cfg"_s, QByteArray(ini).replace("\n", "\r\n"));

    ok = ok && write(dir, u"hex_string"_s, u"even.txt"_s, "48656c6c6f2C20574F524C44") &&
         write(dir, u"hex_string"_s, u"odd.txt"_s, "0a1") && write(dir, u"hex_string"_s, u"mixed.txt"_s, "zz 12 한");

    // What the settings page's bridge reads: a record holding a language index, a clock file and
    // one of the page's calls.
    QByteArray record(432, '\0');
    record[428] = 2;
    ok = ok && write(dir, u"web_setting"_s, u"setup.cfg"_s, record) &&
         write(dir, u"web_setting"_s, u"time.dat"_s, "2024,05,17,08,30,00,+0900") &&
         write(dir, u"web_setting"_s, u"call.txt"_s, "[\"userNoti\",\"T\\tM\\t7\\tv\\t2\"]");
    return ok ? 0 : 1;
}
