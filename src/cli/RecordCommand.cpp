#include "RecordCommand.h"

#include "CliOutput.h"

#include "settings/record/CardSettingFolders.h"
#include "settings/record/QB62SettingManager.h"
#include "settings/record/SettingAlertPresenter.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QJsonObject>

#include <optional>

using namespace Qt::StringLiterals;

namespace {
// Keeps what the user would have been told, so the command can say it on standard error.
class CollectedAlerts : public SettingAlertPresenter
{
public:
    void showAlert(const QString &title, const QString &message, const QString &) override
    {
        texts.append(title + u": "_s + message);
    }
    QStringList texts;
};

std::optional<qint64> parseModelType(const QString &text, const QStringList &modelNames)
{
    bool isNumber = false;
    const qint64 number = text.toLongLong(&isNumber);
    if (isNumber) {
        return number >= -1 && number < modelNames.size() ? std::optional<qint64>(number) : std::nullopt;
    }
    for (qsizetype i = 0; i < modelNames.size(); ++i) {
        if (modelNames.at(i).compare(text, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<qint32> parseInt(const QString &text)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok ? std::optional<qint32>(number) : std::nullopt;
}

QJsonObject fieldsAsJson(const QB62SettingManager &manager)
{
    QJsonObject fields;
    for (const SettingRecordLayout::FieldInfo &info : SettingRecordLayout::fields()) {
        if (info.type == SettingRecordLayout::FieldType::Text) {
            const QString text = manager.text(info.field);
            fields.insert(info.name, text.isNull() ? QJsonValue(QJsonValue::Null) : QJsonValue(text));
        } else {
            fields.insert(info.name, manager.value(info.field));
        }
    }
    return fields;
}

int load(const QCommandLineParser &parser, const QString &root, CliOutput &io, const QStringList &modelNames)
{
    if (!QFileInfo(root).isDir()) {
        return io.inputError(u"no such folder: "_s + root);
    }
    if (const QString problem = CardSettingFolders::problem(root); !problem.isEmpty()) {
        return io.inputError(problem);
    }
    QB62SettingManager manager;
    const auto alerts = std::make_shared<CollectedAlerts>();
    manager.setAlertPresenter(alerts);
    manager.recognizeCardAtPath(root);
    if (parser.isSet(u"model"_s)) {
        const std::optional<qint64> type = parseModelType(parser.value(u"model"_s), modelNames);
        if (!type) {
            return io.usageError(u"unknown model type \""_s + parser.value(u"model"_s) + u'"');
        }
        manager.chooseModelType(*type);
    }
    if (parser.isSet(u"firmware"_s)) {
        const std::optional<qint32> firmware = parseInt(parser.value(u"firmware"_s));
        if (!firmware) {
            return io.usageError(u"--firmware takes a whole number"_s);
        }
        manager.setFirmwareVersionInt(*firmware);
    }
    const QB62SettingManager::LoadResult result = manager.loadData();
    if (result == QB62SettingManager::LoadResult::Unreadable) {
        return io.inputError(u"cannot read the settings record: "_s + manager.lastError());
    }
    if (!alerts->texts.isEmpty()) {
        return io.inputError(u"could not rewrite the settings record ("_s + alerts->texts.join(u"; "_s) + u"): "_s +
                             manager.lastError());
    }
    if (result == QB62SettingManager::LoadResult::ReadNotRewritten) {
        io.err() << u"velmora-cli: "_s << manager.lastError() << u" (choose the model with --model to rewrite it)\n"_s;
        io.err().flush();
    }
    return io.printJson(fieldsAsJson(manager));
}

int defaults(const QCommandLineParser &parser, CliOutput &io, const QStringList &modelNames)
{
    if (!parser.isSet(u"model"_s)) {
        return io.usageError(u"record defaults needs --model T"_s);
    }
    const std::optional<qint64> type = parseModelType(parser.value(u"model"_s), modelNames);
    if (!type) {
        return io.usageError(u"unknown model type \""_s + parser.value(u"model"_s) + u'"');
    }
    QB62SettingManager manager;
    manager.setModelType(*type);
    if (parser.isSet(u"local-id"_s)) {
        const std::optional<qint32> region = parseInt(parser.value(u"local-id"_s));
        if (!region) {
            return io.usageError(u"--local-id takes a whole number"_s);
        }
        manager.setLocalID(*region);
    }
    manager.loadDefaultValue();
    return io.printJson(fieldsAsJson(manager));
}
} // namespace

int RecordCommand::run(const QStringList &arguments, CliOutput &io)
{
    QCommandLineParser parser;
    parser.addOption({u"model"_s, u"model type number or name"_s, u"T"_s});
    parser.addOption({u"firmware"_s, u"firmware number"_s, u"N"_s});
    parser.addOption({u"local-id"_s, u"region code"_s, u"L"_s});
    parser.addPositionalArgument(u"VERB"_s, u"load or defaults"_s);
    if (!parser.parse(QStringList{u"record"_s} + arguments)) {
        return io.usageError(parser.errorText());
    }
    const QStringList positional = parser.positionalArguments();
    const QString verb = positional.value(0);
    QB62SettingManager names;
    const QStringList &modelNames = names.modelNameList();
    if (verb == u"load" && positional.size() == 2 && !parser.isSet(u"local-id"_s)) {
        return load(parser, positional.at(1), io, modelNames);
    }
    if (verb == u"defaults" && positional.size() == 1 && !parser.isSet(u"firmware"_s)) {
        return defaults(parser, io, modelNames);
    }
    return io.usageError(
        u"usage: record load ROOT [--model T] [--firmware N] | record defaults --model T [--local-id L]"_s);
}
