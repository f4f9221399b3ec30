#include "CardRecognition.h"

#include "core/TextNumbers.h"

#include "settings/record/SettingRecord.h"
#include "settings/record/SettingRecordLayout.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtEndian>

#include <utility>

using namespace Qt::StringLiterals;

namespace {
// Product names as the cameras write them, lower-cased, in the order they are tried.
constexpr std::pair<QLatin1StringView, qint64> kProductNames[] = {
    {"qa41"_L1, 0},  {"qb62"_L1, 1},   {"qc23"_L1, 2},      {"c23"_L1, 2},          {"qd34"_L1, 3},
    {"qe86"_L1, 5},  {"qr28"_L1, 16},  {"qr28pro"_L1, 17},  {"dvr-qr28pro"_L1, 24}, {"qg38"_L1, 7},
    {"qh49"_L1, 8},  {"qj51"_L1, 9},   {"qk63"_L1, 10},     {"qs391"_L1, 18},       {"qy7"_L1, 11},
    {"qz8"_L1, 20},  {"ql74"_L1, 12},  {"qt-k4-zn"_L1, 19}, {"qm85"_L1, 13},        {"qp17"_L1, 15},
    {"qn96"_L1, 14}, {"qv531"_L1, 22}, {"qu42"_L1, 21},     {"dvr-qu42"_L1, 25},    {"qw64"_L1, 23},
};

constexpr int ProductNameOffset = 8;
constexpr int ProductNameWidth = 16;
constexpr int LocalIDOffset = 460;
constexpr int VersionOffset = 40;
constexpr int VersionWidth = 10;
} // namespace

const QStringList &CardRecognition::modelNameList()
{
    static const QStringList names = {
        u"QA41"_s,        u"QB62"_s,     u"QC23"_s,     u"QD34"_s,     u"QD34 UK"_s,  u"QE86"_s, u"QF27"_s,  u"QG38"_s,
        u"QH49"_s,        u"QJ51"_s,     u"QK63"_s,     u"QY7"_s,      u"QL74"_s,     u"QM85"_s, u"QN96"_s,  u"QP17"_s,
        u"QR28"_s,        u"QR28PRO"_s,  u"QS391"_s,    u"QT-K4-ZN"_s, u"QZ8"_s,      u"QU42"_s, u"QV531"_s, u"QW64"_s,
        u"DVR-QR28PRO"_s, u"DVR-QU42"_s, u"DVR-QX93"_s, u"DVR-QX84"_s, u"DVR-QX75"_s,
    };
    return names;
}

qint64 CardRecognition::modelTypeForProductName(const QString &productName)
{
    const QString lower = productName.toLower();
    for (const auto &[name, type] : kProductNames) {
        if (lower == name) {
            return type;
        }
    }
    return NoModel;
}

qint64 CardRecognition::modelTypeForRecord(QByteArrayView head, qint64 fileSize, QString *modelName)
{
    if (head.size() < RecordHeadSize || fileSize < RecordHeadSize) {
        return NoModel;
    }
    const QString productName = SettingRecord::decodeText(head.sliced(ProductNameOffset, ProductNameWidth));
    const qint64 byName = modelTypeForProductName(productName);
    if (byName != NoModel) {
        return byName;
    }
    // Newer cameras are not listed by name: their record starts with its own length.
    if (qFromLittleEndian<qint32>(head.data()) == fileSize) {
        if (modelName != nullptr) {
            *modelName = productName;
        }
        return LengthFieldModel;
    }
    return NoModel;
}

qint64 CardRecognition::localIDFromRecord(QByteArrayView record)
{
    if (record.size() < LocalIDRecordSize) {
        return -1;
    }
    const qint32 region = qFromLittleEndian<qint32>(record.data() + LocalIDOffset);
    return region >= -1 && region <= 6 ? region : -1;
}

QString CardRecognition::versionFromRecord(QByteArrayView record)
{
    if (record.size() < VersionRecordSize) {
        return {};
    }
    // A record of 48 or 49 bytes ends inside the field: what is there is the version.
    return SettingRecord::decodeText(
        record.sliced(VersionOffset).first(qMin<qsizetype>(VersionWidth, record.size() - VersionOffset)));
}

int CardRecognition::firmwareVersionInt(const QString &version)
{
    if (version.isNull()) {
        return 0;
    }
    const qsizetype dot = version.lastIndexOf(u'.');
    return TextNumbers::leadingInt(QStringView(version).sliced(dot + 1));
}

CardLanguageList CardRecognition::languagesFromVerDat(QByteArrayView text)
{
    // "$" is the end of the line's text: the lines are split off first.
    static const QRegularExpression codeLine(uR"(#\s+Language ISO Code:(.+?)\s*$)"_s,
                                             QRegularExpression::UseUnicodePropertiesOption);
    CardLanguageList languages;
    const QString content = QString::fromUtf8(text);
    for (QStringView line : QStringView(content).split(u'\n')) {
        const QRegularExpressionMatch match = codeLine.match(line);
        if (!match.hasMatch()) {
            continue;
        }
        // Every white-space character separates, so runs of them give empty codes; the camera's
        // numbering counts those too.
        const QStringView codes = match.capturedView(1);
        int index = 0;
        qsizetype start = 0;
        for (qsizetype i = 0; i <= codes.size(); ++i) {
            if (i == codes.size() || codes.at(i).isSpace()) {
                languages.append({index++, codes.sliced(start, i - start).toString()});
                start = i + 1;
            }
        }
    }
    return languages;
}

CardLanguageList CardRecognition::defaultLanguages()
{
    return {{0, u"en"_s}, {1, u"fr"_s}, {4, u"es"_s}};
}

QString CardRecognition::settingRecordPath(const QString &root)
{
    const QDir card(root);
    for (const QString &relative : {u"setting/setup.cfg"_s, u"SETTING/setup.cfg"_s}) {
        const QString path = card.filePath(relative);
        if (QFileInfo::exists(path)) {
            return path;
        }
    }
    return {};
}

bool CardRecognition::hasIniSettings(const QString &root)
{
    const QDir card(root);
    return QFileInfo::exists(card.filePath(u"setting/blackbox.cfg"_s)) ||
           QFileInfo::exists(card.filePath(u"SETTING/blackbox.cfg"_s));
}
