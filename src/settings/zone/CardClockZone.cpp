#include "CardClockZone.h"

#include "core/RegularFileReader.h"

#include "settings/editor/TimeZoneTable.h"
#include "settings/ini/KRVSettingText.h"
#include "settings/record/CardRecognition.h"
#include "settings/record/CardSettingFolders.h"
#include "settings/record/SettingRecord.h"
#include "settings/record/SettingRecordLayout.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTimeZone>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {
constexpr int kWestmost = -12 * 60;
constexpr int kEastmost = 14 * 60;
// The record's fields up to tz_key lie in the first 412 bytes; the shortest layout has 432.
constexpr int kRecordFields = 60;
constexpr qint64 kRecordHeadBytes = 432;
// As much as the settings editor reads of the file.
constexpr qint64 kIniLimitBytes = 1024 * 1024;
// The cards keep recordings at most two folders below their root.
constexpr int kLevelsAbove = 2;

bool isOffset(int minutes)
{
    return minutes >= kWestmost && minutes <= kEastmost;
}

// The zone of a Windows-style key name whose standard offset is STANDARD, for its rules.
QByteArray rulesZoneFor(const QString &key, int standard)
{
    if (key.isEmpty()) {
        return {};
    }
    const QByteArray iana = QTimeZone::windowsIdToDefaultIanaId(key.toUtf8());
    if (iana.isEmpty()) {
        return {};
    }
    const QTimeZone zone(iana);
    if (!zone.isValid() || zone.standardTimeOffset(QDateTime::currentDateTimeUtc()) != standard * 60) {
        return {};
    }
    return iana;
}
} // namespace

std::optional<CardTimeZone> CardClockZone::fromRecord(QByteArrayView bytes)
{
    using Field = SettingRecordLayout::Field;
    SettingRecord record;
    if (record.read(bytes, kRecordFields) <= Field::tz_key) {
        return std::nullopt;
    }
    const QString key = record.text(Field::tz_key);
    int standard = record.value(Field::gmt_offset);
    if (!isOffset(standard)) {
        const int caption = TimeZoneTable::captionIndexForKey(key);
        if (caption < 0) {
            return std::nullopt;
        }
        standard = TimeZoneTable::gmtHourList().at(caption);
    }
    const bool observesDaylight = record.value(Field::daylight_offset) != 0;
    return CardTimeZone(standard, observesDaylight, observesDaylight ? rulesZoneFor(key, standard) : QByteArray());
}

std::optional<CardTimeZone> CardClockZone::fromIni(QByteArrayView bytes)
{
    const std::optional<KRVSettingText> text = KRVSettingText::fromBytes(bytes);
    if (!text) {
        return std::nullopt;
    }
    bool ok = false;
    const double hours = text->valueForKey(u"local_time=").value_or(QString()).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(hours)) {
        return std::nullopt;
    }
    const int minutes = int(std::lround(hours * 60.0));
    if (!isOffset(minutes)) {
        return std::nullopt;
    }
    const bool observesDaylight = text->valueForKey(u"summer_time=").value_or(QString()).trimmed() == u"1";
    return CardTimeZone(minutes, observesDaylight, {});
}

std::optional<CardTimeZone> CardClockZone::read(const QString &root)
{
    // A SETTING folder linked out of the card would date the card's recordings by whatever the
    // link points at: such a card states no zone.
    if (root.isEmpty() || !CardSettingFolders::problem(root).isEmpty()) {
        return std::nullopt;
    }
    // A card with a settings record is a record camera, whatever else lies beside it.
    if (const QString record = CardRecognition::settingRecordPath(root); !record.isEmpty()) {
        const std::optional<QByteArray> head = RegularFileReader::readHead(record, kRecordHeadBytes);
        return head ? fromRecord(*head) : std::nullopt;
    }
    const QDir card(root);
    for (const QString &relative : {u"setting/blackbox.cfg"_s, u"SETTING/blackbox.cfg"_s}) {
        const QString path = card.filePath(relative);
        if (RegularFileReader::isRegularFile(path)) {
            const std::optional<QByteArray> bytes = RegularFileReader::readWhole(path, kIniLimitBytes);
            return bytes ? fromIni(*bytes) : std::nullopt;
        }
    }
    return std::nullopt;
}

QString CardClockZone::cardRootFor(const QString &recording)
{
    QString folder = QFileInfo(recording).absolutePath();
    for (int level = 0; level <= kLevelsAbove; ++level) {
        if (!CardRecognition::settingRecordPath(folder).isEmpty() || CardRecognition::hasIniSettings(folder)) {
            return folder;
        }
        const QString parent = QFileInfo(folder).path();
        if (parent == folder) {
            break;
        }
        folder = parent;
    }
    return {};
}

std::optional<CardTimeZone> CardClockZone::forRecording(const QString &recording, const QString &cardRoot)
{
    return read(cardRoot.isEmpty() ? cardRootFor(recording) : cardRoot);
}
