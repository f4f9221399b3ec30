// A card's SETTING/setup.cfg (or default.cfg) may hold anything. Reading any prefix of the fields
// must stay inside the data, and writing back what was read must reproduce every field that was
// read, apart from text bytes after a text's first zero byte. The recognition readers see the
// same bytes.
#include "settings/record/CardRecognition.h"
#include "settings/record/SettingRecord.h"
#include "settings/record/SettingRecordLayout.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0) {
        return 0;
    }
    // The first byte picks how many fields the model stores; the rest is the file.
    const int count = data[0] % (SettingRecordLayout::FieldCount + 2);
    const QByteArrayView file(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    SettingRecord record;
    const int read = record.read(file, count);
    if (read > count || SettingRecordLayout::recordSize(read) > file.size()) {
        __builtin_trap();
    }
    const QByteArray written = record.bytes(read);
    if (written.size() != SettingRecordLayout::recordSize(read)) {
        __builtin_trap();
    }
    for (int index = 0; index < read; ++index) {
        const SettingRecordLayout::FieldInfo &info = SettingRecordLayout::field(index);
        const qsizetype at = SettingRecordLayout::offsetOf(index);
        const QByteArrayView before = file.sliced(at, info.width);
        const QByteArrayView after = QByteArrayView(written).sliced(at, info.width);
        if (info.type == SettingRecordLayout::FieldType::Text) {
            const qsizetype zero = before.indexOf('\0');
            const qsizetype used = zero < 0 ? before.size() : zero;
            if (before.first(used) != after.first(used) || after.sliced(used).count('\0') != info.width - used) {
                __builtin_trap();
            }
        } else if (before != after) {
            __builtin_trap();
        }
    }

    // Text edits are cut to the field without splitting a character.
    SettingRecord edited = record;
    edited.setText(SettingRecordLayout::product_name, QString::fromUtf8(file));
    const QByteArray name = edited.bytes(SettingRecordLayout::FieldCount).sliced(8, 16);
    const QByteArray cut = SettingRecord::encodeText(QString::fromUtf8(file), 16);
    if (cut.size() > 16 || QString::fromUtf8(cut).toUtf8() != cut || !name.startsWith(cut)) {
        __builtin_trap();
    }

    QString modelName;
    const qint64 type = CardRecognition::modelTypeForRecord(file, file.size(), &modelName);
    if (type < -1 || type > 26) {
        __builtin_trap();
    }
    const qint64 region = CardRecognition::localIDFromRecord(file);
    if (region < -1 || region > 6) {
        __builtin_trap();
    }
    const QString version = CardRecognition::versionFromRecord(file);
    (void)CardRecognition::firmwareVersionInt(version);
    return 0;
}
