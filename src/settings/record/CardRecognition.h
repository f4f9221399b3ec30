#pragma once

#include "settings/record/CardLanguage.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// How a camera card and its model are recognised from the card's files: the model table, the
// product names in SETTING/setup.cfg, the region code, the firmware version and the language list
// in SETTING/lang/ver.dat. The readers here take the card's bytes and trust none of them.
class CardRecognition
{
public:
    // No camera card recognised.
    static constexpr qint64 NoModel = -1;
    // The model of the INI settings file (SETTING/blackbox.cfg).
    static constexpr qint64 IniModel = 6;
    // Any other record whose first field holds the record's own length.
    static constexpr qint64 LengthFieldModel = 26;

    // The model table; the model type is the index.
    static const QStringList &modelNameList();

    // The model type a product name stands for (compared in lower case, whole text), or -1.
    static qint64 modelTypeForProductName(const QString &productName);

    // The model type of a settings record FILESIZE bytes long whose first bytes are HEAD: by its
    // product name, else 26 when its first field equals FILESIZE (then MODELNAME, when given,
    // receives the product name as the card spells it), else -1. A record too short to hold a
    // product name is not recognised.
    static qint64 modelTypeForRecord(QByteArrayView head, qint64 fileSize, QString *modelName = nullptr);
    // The bytes modelTypeForRecord needs from the start of a record.
    static constexpr int RecordHeadSize = 24;

    // The region code at offset 460 of a record of at least 464 bytes, when it lies in -1..6;
    // -1 otherwise.
    static qint64 localIDFromRecord(QByteArrayView record);
    static constexpr int LocalIDRecordSize = 464;

    // The firmware version text at offset 40 (10 bytes) of a record of at least 48 bytes; null
    // otherwise. A record that ends inside the field gives the part it holds.
    static QString versionFromRecord(QByteArrayView record);
    static constexpr int VersionRecordSize = 48;
    // The bytes versionFromRecord needs from the start of a record.
    static constexpr int VersionFieldEnd = 50;

    // The number after the last "." of a version (1.02.17 gives 17), 0 when it does not start
    // with digits or the version is null.
    static int firmwareVersionInt(const QString &version);

    // The language list of a ver.dat text: one entry per code on each "# Language ISO Code:" line.
    // Empty when no line names any.
    static CardLanguageList languagesFromVerDat(QByteArrayView text);
    // The list used when a card names no languages: (0 en), (1 fr), (4 es).
    static CardLanguageList defaultLanguages();

    // The settings record of the card at ROOT: "setting/setup.cfg" when it exists, else
    // "SETTING/setup.cfg" when it exists, else a null string.
    static QString settingRecordPath(const QString &root);
    // Whether the INI settings file exists under ROOT (either spelling of the folder).
    static bool hasIniSettings(const QString &root);
};
