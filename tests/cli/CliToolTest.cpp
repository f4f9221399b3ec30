#include "CliRun.h"

#include "support/CardFolder.h"
#include "support/QtPrinters.h"
#include "support/TestSettings.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
class CliToolTest : public ::testing::Test
{
protected:
    void SetUp() override { TestSettings::reset(); }
};

TEST_F(CliToolTest, LocalizesAKeyInTheRequestedLanguage)
{
    const CliRun result = run({u"localize"_s, u"언어"_s, u"--lang"_s, u"fr"_s});
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.json().value(u"text"_s).toString(), u"Langue"_s);
    EXPECT_EQ(result.json().value(u"key"_s).toString(), u"언어"_s);
    EXPECT_EQ(result.json().value(u"language"_s).toString(), u"fr"_s);
}

TEST_F(CliToolTest, UnknownKeysComeBackUnchanged)
{
    const CliRun result = run({u"localize"_s, u"모르는 말"_s, u"--lang"_s, u"ja"_s});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.json().value(u"text"_s).toString(), u"모르는 말"_s);
}

TEST_F(CliToolTest, WithoutALanguageUsesTheUsersWithoutWritingIt)
{
    {
        QSettings settings;
        settings.setValue(u"VexoViewerLanguage"_s, u"ja"_s);
    }
    EXPECT_EQ(run({u"localize"_s, u"예"_s}).json().value(u"text"_s).toString(), u"はい"_s);

    TestSettings::reset();
    {
        QSettings settings;
        settings.setValue(u"VexoViewerLanguage"_s, u"de"_s);
    }
    EXPECT_EQ(run({u"localize"_s, u"예"_s}).json().value(u"language"_s).toString(), u"en"_s);
    EXPECT_EQ(QSettings().value(u"VexoViewerLanguage"_s).toString(), u"de"_s);
    EXPECT_FALSE(QSettings().contains(u"AppleLanguages"_s));
}

TEST_F(CliToolTest, BadUsageExitsWithTwoAndSaysWhyOnStandardError)
{
    const QList<QStringList> bad = {{},
                                    {u"frobnicate"_s},
                                    {u"card"_s},
                                    {u"card"_s, u"info"_s},
                                    {u"card"_s, u"show"_s, u"/"_s},
                                    {u"record"_s},
                                    {u"record"_s, u"load"_s},
                                    {u"record"_s, u"load"_s, u"/tmp"_s, u"--local-id"_s, u"3"_s},
                                    {u"record"_s, u"load"_s, u"/tmp"_s, u"--model"_s, u"QX"_s},
                                    {u"record"_s, u"defaults"_s},
                                    {u"record"_s, u"defaults"_s, u"--model"_s, u"29"_s},
                                    {u"record"_s, u"defaults"_s, u"--model"_s, u"-2"_s},
                                    {u"record"_s, u"defaults"_s, u"--model"_s, u"1"_s, u"--local-id"_s, u"x"_s},
                                    {u"record"_s, u"defaults"_s, u"--model"_s, u"1"_s, u"--firmware"_s, u"3"_s},
                                    {u"volumes"_s, u"now"_s},
                                    {u"localize"_s},
                                    {u"localize"_s, u"a"_s, u"b"_s},
                                    {u"localize"_s, u"언어"_s, u"--lang"_s, u"de"_s},
                                    {u"localize"_s, u"언어"_s, u"--lang"_s}};
    for (const QStringList &arguments : bad) {
        const CliRun result = run(arguments);
        EXPECT_EQ(result.status, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_FALSE(result.err.isEmpty());
    }
}

TEST_F(CliToolTest, CardInfoRecognisesACardFolder)
{
    CardFolder card;
    QByteArray record = CardFolder::record(504, "qd34");
    record.replace(40, 7, "1.02.17");
    CardFolder::putInt32(record, 460, 3);
    card.write(u"SETTING/setup.cfg"_s, record);
    card.write(u"SETTING/lang/ver.dat"_s, "# Language ISO Code:en ko\n");

    const CliRun result = run({u"card"_s, u"info"_s, card.path()});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QJsonObject info = result.json();
    EXPECT_EQ(info.value(u"modelType"_s).toInt(), 3);
    EXPECT_EQ(info.value(u"modelName"_s).toString(), u"QD34"_s);
    EXPECT_EQ(info.value(u"localID"_s).toInt(), 3);
    EXPECT_EQ(info.value(u"version"_s).toString(), u"1.02.17"_s);
    EXPECT_EQ(info.value(u"firmwareVersionInt"_s).toInt(), 17);
    EXPECT_EQ(info.value(u"languages"_s).toArray(), (QJsonArray{QJsonArray{0, u"en"_s}, QJsonArray{1, u"ko"_s}}));
    // Recognition only reads.
    EXPECT_EQ(card.read(u"SETTING/setup.cfg"_s), record);

    CardFolder empty;
    const QJsonObject none = run({u"card"_s, u"info"_s, empty.path()}).json();
    EXPECT_EQ(none.value(u"modelType"_s).toInt(), -1);
    EXPECT_TRUE(none.value(u"modelName"_s).isNull());
    EXPECT_TRUE(none.value(u"version"_s).isNull());
    EXPECT_EQ(none.value(u"languages"_s).toArray().size(), 3);

    const CliRun missing = run({u"card"_s, u"info"_s, empty.filePath(u"nowhere"_s)});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.out.isEmpty());
}

TEST_F(CliToolTest, RecordLoadReadsAndRewritesTheCardsRecord)
{
    CardFolder card;
    QByteArray record = CardFolder::record(432, "QE86", 432);
    CardFolder::putInt32(record, 372, -480);
    card.write(u"SETTING/setup.cfg"_s, record);

    const CliRun result = run({u"record"_s, u"load"_s, card.path()});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QJsonObject fields = result.json();
    EXPECT_EQ(fields.size(), 116);
    EXPECT_EQ(fields.value(u"product_name"_s).toString(), u"QE86"_s);
    EXPECT_EQ(fields.value(u"gmt_offset"_s).toInt(), -480);
    EXPECT_EQ(fields.value(u"checksum"_s).toInt(), 432);
    // Texts read from the card are strings, empty ones included.
    EXPECT_TRUE(fields.value(u"micom_version"_s).isString());
    EXPECT_EQ(fields.value(u"serial_number"_s).toString(), u""_s);
    // Model 5 keeps 79 fields.
    EXPECT_EQ(card.read(u"SETTING/setup.cfg"_s).size(), 508);

    // An explicit model and firmware choose the layout.
    card.write(u"SETTING/setup.cfg"_s, record);
    ASSERT_EQ(run({u"record"_s, u"load"_s, card.path(), u"--model"_s, u"QD34"_s, u"--firmware"_s, u"16"_s}).status, 0);
    EXPECT_EQ(card.read(u"SETTING/setup.cfg"_s).size(), 464);

    QDir().mkpath(card.filePath(u"broken/SETTING/setup.cfg"_s));
    const CliRun unreadable = run({u"record"_s, u"load"_s, card.filePath(u"broken"_s)});
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_TRUE(unreadable.out.isEmpty());
    EXPECT_TRUE(unreadable.err.contains(u"setup.cfg"_s));
}

TEST_F(CliToolTest, RecordDefaultsShowsAModelsFactorySettings)
{
    const QJsonObject uk = run({u"record"_s, u"defaults"_s, u"--model"_s, u"4"_s, u"--local-id"_s, u"3"_s}).json();
    EXPECT_EQ(uk.value(u"tz_key"_s).toString(), u"GMT Standard Time"_s);
    EXPECT_EQ(uk.value(u"setting_path"_s).toString(), u"SETTING\\QD34_Setting.exe"_s);
    EXPECT_EQ(uk.value(u"checksum"_s).toInt(), 464);

    const QJsonObject qc23 = run({u"record"_s, u"defaults"_s, u"--model"_s, u"qc23"_s}).json();
    EXPECT_EQ(qc23.value(u"lcd_off_timer"_s).toInt(), 300000);
    EXPECT_TRUE(qc23.value(u"serial_number"_s).isNull());

    const QJsonObject web = run({u"record"_s, u"defaults"_s, u"--model"_s, u"26"_s}).json();
    EXPECT_EQ(web.size(), 116);
    EXPECT_EQ(web.value(u"checksum"_s).toInt(), 0);
    EXPECT_TRUE(web.value(u"product_name"_s).isNull());
}

TEST_F(CliToolTest, VolumesListsTheMountsWithTheirFlags)
{
    const CliRun result = run({u"volumes"_s});
    ASSERT_EQ(result.status, 0);
    const QJsonArray volumes = result.array();
    ASSERT_FALSE(volumes.isEmpty());
    for (const auto &value : volumes) {
        const QJsonObject volume = value.toObject();
        EXPECT_TRUE(volume.value(u"path"_s).isString());
        EXPECT_TRUE(volume.value(u"local"_s).isBool());
        EXPECT_TRUE(volume.value(u"removable"_s).isBool());
        // Removable means a local medium.
        EXPECT_FALSE(volume.value(u"removable"_s).toBool() && !volume.value(u"local"_s).toBool());
    }
}

TEST_F(CliToolTest, ListsACardsRecordingsWithColoursAndPartners)
{
    QTemporaryDir card;
    for (const QString &name : {u"cont_rec/X_F.mp4"_s, u"cont_rec/X_R.mp4"_s, u"Saved_Videos/S.avi"_s}) {
        QDir().mkpath(QFileInfo(card.filePath(name)).path());
        QFile file(card.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const CliRun all = run({u"library"_s, card.path()});
    ASSERT_EQ(all.status, 0) << all.err.toStdString();
    const QJsonArray rows = QJsonDocument::fromJson(all.out.toUtf8()).array();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows.at(0)[u"name"_s].toString(), u"S.avi"_s);
    EXPECT_EQ(rows.at(0)[u"color"_s].toString(), u"magenta"_s);
    EXPECT_TRUE(rows.at(0)[u"partner"_s].isNull());
    EXPECT_EQ(rows.at(1)[u"partner"_s].toInt(), 2);
    EXPECT_EQ(rows.at(2)[u"partner"_s].toInt(), 1);
    EXPECT_EQ(rows.at(2)[u"path"_s].toString(), card.filePath(u"cont_rec/X_R.mp4"_s));

    const CliRun continuous = run({u"library"_s, card.path(), u"--filter"_s, u"1"_s});
    EXPECT_EQ(QJsonDocument::fromJson(continuous.out.toUtf8()).array().size(), 2);
    EXPECT_EQ(run({u"library"_s, card.path(), u"--filter"_s, u"5"_s}).status, 2);
    EXPECT_EQ(run({u"library"_s, card.filePath(u"missing"_s)}).status, 1);
}

TEST_F(CliToolTest, ReportsItsVersion)
{
    const CliRun result = run({u"--version"_s});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.json().value(u"version"_s).toString(), QStringLiteral(VELMORA_VERSION));
}
} // namespace
