#include "CardCommand.h"

#include "CliOutput.h"

#include "settings/record/QB62SettingManager.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {
QJsonValue textOrNull(const QString &text)
{
    return text.isNull() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}
} // namespace

int CardCommand::run(const QStringList &arguments, CliOutput &io)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(u"info"_s, u"verb"_s);
    parser.addPositionalArgument(u"ROOT"_s, u"card folder"_s);
    if (!parser.parse(QStringList{u"card"_s} + arguments)) {
        return io.usageError(parser.errorText());
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2 || positional.constFirst() != u"info") {
        return io.usageError(u"usage: card info ROOT"_s);
    }
    const QString root = positional.at(1);
    if (!QFileInfo(root).isDir()) {
        return io.inputError(u"no such folder: "_s + root);
    }

    QB62SettingManager manager;
    manager.recognizeCardAtPath(root);
    manager.loadLanguages();

    QJsonArray languages;
    for (const CardLanguage &language : manager.languages()) {
        languages.append(QJsonArray{language.index, language.code});
    }
    return io.printJson(QJsonObject{
        {u"modelType"_s, manager.modelType()},
        {u"modelName"_s, textOrNull(manager.displayModelName())},
        {u"localID"_s, manager.localID()},
        {u"version"_s, textOrNull(manager.text(SettingRecordLayout::version))},
        {u"firmwareVersionInt"_s, manager.firmwareVersionInt()},
        {u"languages"_s, languages},
    });
}
