#include "cli/CliTool.h"

#include "support/QtPrinters.h"
#include "support/TestSettings.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>

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

TEST_F(CliToolTest, ReportsItsVersion)
{
    const CliRun result = run({u"--version"_s});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.json().value(u"version"_s).toString(), QStringLiteral(VELMORA_VERSION));
}
} // namespace
