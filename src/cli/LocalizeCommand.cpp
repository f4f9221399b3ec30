#include "LocalizeCommand.h"

#include "CliOutput.h"
#include "core/Preferences.h"
#include "core/VexoLanguages.h"

#include <QCommandLineParser>
#include <QJsonObject>

using namespace Qt::StringLiterals;

int LocalizeCommand::run(const QStringList &arguments, CliOutput &io)
{
    QCommandLineParser parser;
    const QCommandLineOption languageOption(u"lang"_s, u"language code"_s, u"CODE"_s);
    parser.addOption(languageOption);
    parser.addPositionalArgument(u"KEY"_s, u"Korean key"_s);
    if (!parser.parse(QStringList{u"localize"_s} + arguments)) {
        return io.usageError(parser.errorText());
    }
    if (parser.positionalArguments().size() != 1) {
        return io.usageError(u"localize takes exactly one KEY"_s);
    }
    // Without --lang the user's language applies, as start-up would settle it; nothing is written.
    const QString language = parser.isSet(languageOption) ? parser.value(languageOption) : Preferences::language();
    if (!Preferences::isSupportedLanguage(language)) {
        return io.usageError(u"unknown language \""_s + language + u"\" (known: "_s +
                             Preferences::supportedLanguages().join(u", "_s) + u')');
    }
    const QString key = parser.positionalArguments().constFirst();
    return io.printJson(QJsonObject{{u"key"_s, key},
                                    {u"language"_s, language},
                                    {u"text"_s, VexoLanguages::SharedVexoLanguages().localized(key, language)}});
}
