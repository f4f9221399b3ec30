// The translation tables must cover every key the program can look up: the key list in
// resources/translations/keys.json, and every key written in the sources.
#include "core/AppResources.h"
#include "core/Preferences.h"
#include "core/VexoLanguages.h"

#include "support/QtPrinters.h"

#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const QString kSourceDir = QStringLiteral(VELMORA_SOURCE_DIR);

QStringList keyList()
{
    QFile file(kSourceDir + u"/resources/translations/keys.json"_s);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringList keys;
    const QJsonArray array = QJsonDocument::fromJson(file.readAll()).array();
    for (const auto &value : array) {
        keys.append(value.toString());
    }
    return keys;
}

// A C++ string literal's text with the escapes the sources use turned back into characters.
QString unescape(QStringView literal)
{
    QString text;
    for (qsizetype i = 0; i < literal.size(); ++i) {
        const QChar c = literal.at(i);
        if (c != u'\\' || i + 1 == literal.size()) {
            text.append(c);
            continue;
        }
        const QChar next = literal.at(++i);
        switch (next.unicode()) {
        case u'n':
            text.append(u'\n');
            break;
        case u'r':
            text.append(u'\r');
            break;
        case u't':
            text.append(u'\t');
            break;
        default:
            text.append(next);
        }
    }
    return text;
}

struct SourceKey
{
    QString key;
    QString file;
};

// Every literal that holds Korean text is a lookup key, and so is any literal passed straight to
// localized(...).
QList<SourceKey> keysInSources()
{
    static const QRegularExpression literal(uR"re("((?:[^"\\\n]|\\.)*)")re"_s);
    static const QRegularExpression localizedCall(
        uR"re(localized\(\s*(?:QStringLiteral\(|u8?)?"((?:[^"\\\n]|\\.)*)")re"_s);
    static const QRegularExpression hangul(u"[\\x{AC00}-\\x{D7A3}]"_s);
    QList<SourceKey> keys;
    QDirIterator it(kSourceDir + u"/src"_s, {u"*.cpp"_s, u"*.h"_s}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QString text = QString::fromUtf8(file.readAll());
        for (auto match = literal.globalMatch(text); match.hasNext();) {
            const QString key = unescape(match.next().capturedView(1));
            if (key.contains(hangul)) {
                keys.append({key, path});
            }
        }
        for (auto match = localizedCall.globalMatch(text); match.hasNext();) {
            keys.append({unescape(match.next().capturedView(1)), path});
        }
    }
    return keys;
}
} // namespace

TEST(TranslationTablesTest, EveryListedKeyIsTranslatedInEveryLanguage)
{
    const QStringList keys = keyList();
    ASSERT_GT(keys.size(), 70) << "resources/translations/keys.json missing or truncated";
    for (const QString &language : Preferences::supportedLanguages()) {
        QTranslator table;
        ASSERT_TRUE(table.load(AppResources::translationTablePath(language))) << language.toStdString();
        for (const QString &key : keys) {
            const QString text = table.translate(VexoLanguages::TableName, key.toUtf8().constData());
            EXPECT_FALSE(text.trimmed().isEmpty()) << language.toStdString() << ": " << key.toStdString();
        }
    }
}

TEST(TranslationTablesTest, EveryKeyInTheSourcesIsListed)
{
    const QStringList keys = keyList();
    const QSet<QString> listed(keys.cbegin(), keys.cend());
    ASSERT_FALSE(listed.isEmpty());
    for (const SourceKey &found : keysInSources()) {
        EXPECT_TRUE(listed.contains(found.key)) << found.file.toStdString() << " looks up \"" << found.key.toStdString()
                                                << "\", which resources/translations/keys.json and the tables lack";
    }
}

TEST(TranslationTablesTest, SourceScanSeesEscapedLineBreaks)
{
    // Guards the scanner itself: a key written with \r\n in the sources is compared with real
    // line breaks, as the tables hold it.
    EXPECT_EQ(unescape(uR"(a\r\nb\"c\\)"), u"a\r\nb\"c\\"_s);
}
