#include "IniCommand.h"

#include "CliOutput.h"

#include "settings/ini/KRVSettingEditorModel.h"
#include "settings/ini/KRVSettingManager.h"
#include "settings/record/CardSettingFolders.h"
#include "settings/record/QB62SettingManager.h"
#include "settings/record/SettingAlertPresenter.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

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

QJsonValue jsonValue(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
        return value.toInt();
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::QDateTime:
        return value.toDateTime().toString(Qt::ISODate);
    case QMetaType::QString:
        return value.toString();
    default:
        return QJsonValue::Null;
    }
}

QJsonArray linesJson(const QStringList &lines)
{
    QJsonArray array;
    for (const QString &line : lines) {
        array.append(line);
    }
    return array;
}

QJsonObject controlsJson(const KRVSettingEditorModel &model)
{
    QJsonObject controls;
    const QMap<QString, KRVSettingEditorModel::ControlState> &states = model.controls();
    for (auto it = states.cbegin(); it != states.cend(); ++it) {
        controls.insert(it.key(), QJsonObject{{u"shown"_s, it->shown},
                                              {u"enabled"_s, it->enabled},
                                              {u"value"_s, jsonValue(it->value)},
                                              {u"titles"_s, QJsonArray::fromStringList(it->titles)}});
    }
    return controls;
}

struct Editor
{
    std::shared_ptr<QB62SettingManager> card = std::make_shared<QB62SettingManager>();
    std::shared_ptr<KRVSettingManager> manager = std::make_shared<KRVSettingManager>();
    std::shared_ptr<CollectedAlerts> alerts = std::make_shared<CollectedAlerts>();
    std::unique_ptr<KRVSettingEditorModel> model;
};

// Opens the editor on the card in ROOT; an error text when the card's file cannot be read.
QString openEditor(const QString &root, Editor &editor)
{
    editor.card->recognizeCardAtPath(root);
    editor.manager->setCardSettings(editor.card);
    editor.manager->setAlertPresenter(editor.alerts);
    if (editor.manager->loadData() == KRVSettingManager::LoadResult::Unreadable) {
        return u"cannot read "_s + editor.manager->settingFilePath() +
               u" (not a file, not UTF-8 text, or larger than "_s +
               QString::number(KRVSettingManager::MaxSettingFileSize) + u" bytes)"_s;
    }
    editor.model = std::make_unique<KRVSettingEditorModel>(editor.manager);
    editor.model->load();
    return {};
}
} // namespace

int IniCommand::run(const QStringList &arguments, CliOutput &io)
{
    const QString verb = arguments.value(0);
    const QString usage = u"usage: ini show ROOT | ini save ROOT NAME=VALUE..."_s;
    if ((verb != u"show" || arguments.size() != 2) && (verb != u"save" || arguments.size() < 2)) {
        return io.usageError(usage);
    }
    const QString root = arguments.at(1);
    if (!QFileInfo(root).isDir()) {
        return io.inputError(u"no such folder: "_s + root);
    }
    QList<std::pair<QString, QString>> positions;
    for (const QString &argument : arguments.mid(2)) {
        const qsizetype equals = argument.indexOf(u'=');
        if (equals <= 0) {
            return io.usageError(u"\""_s + argument + u"\" is not NAME=VALUE; "_s + usage);
        }
        positions.append({argument.first(equals), argument.sliced(equals + 1)});
    }

    if (const QString problem = CardSettingFolders::problem(root); !problem.isEmpty()) {
        return io.inputError(problem);
    }
    Editor editor;
    if (const QString error = openEditor(root, editor); !error.isEmpty()) {
        return io.inputError(error);
    }
    if (verb == u"show") {
        return io.printJson(QJsonObject{{u"controls"_s, controlsJson(*editor.model)},
                                        {u"lines"_s, linesJson(editor.model->linedSettings())}});
    }
    for (const auto &[name, value] : positions) {
        if (const QString error = editor.model->applyPosition(name, value); !error.isEmpty()) {
            return io.usageError(error);
        }
    }
    // A change whose key has no line in the file would be lost without a word: nothing is written.
    if (const QStringList missing = editor.model->missingKeys(); !missing.isEmpty()) {
        return io.inputError(u"the settings file has no line for "_s + missing.join(u", "_s) +
                             u": nothing was written"_s);
    }
    bool saved = false;
    editor.model->okButtonTouched(&saved);
    if (!saved) {
        return io.inputError(u"could not write "_s + QDir(root).filePath(u"SETTING/blackbox.cfg"_s) + u" ("_s +
                             editor.alerts->texts.join(u"; "_s) + u')');
    }
    return io.printJson(QJsonObject{{u"lines"_s, linesJson(editor.model->linedSettings())}});
}
