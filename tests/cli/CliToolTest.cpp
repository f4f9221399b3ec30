#include "cli/CliTool.h"

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
struct CliRun
{
    int status = -1;
    QString out;
    QString err;
    QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
};

CliRun run(const QStringList &arguments)
{
    CliRun result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.status = CliTool::run(arguments, out, err);
    out.flush();
    err.flush();
    return result;
}

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
