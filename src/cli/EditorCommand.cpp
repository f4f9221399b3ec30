#include "EditorCommand.h"

#include "CliOutput.h"

#include "settings/editor/EditorLayout.h"
#include "settings/editor/QB62SettingEditor.h"
#include "settings/editor/SettingTimeFile.h"
#include "settings/record/CardSettingFolders.h"
#include "settings/record/QB62SettingManager.h"
#include "settings/record/SettingAlertPresenter.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <optional>

using namespace Qt::StringLiterals;

namespace {
const QString DateForm = u"yyyy-MM-ddTHH:mm:ss"_s;

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
        return number >= 0 && number < modelNames.size() ? std::optional<qint64>(number) : std::nullopt;
    }
    for (qsizetype i = 0; i < modelNames.size(); ++i) {
        if (modelNames.at(i).compare(text, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return std::nullopt;
}

QJsonValue controlValue(const QB62SettingEditor &editor, const EditorControl &control)
{
    switch (control.kind) {
    case EditorControl::Kind::DatePicker:
        return editor.date().isValid() ? QJsonValue(editor.date().toLocalTime().toString(DateForm))
                                       : QJsonValue(QJsonValue::Null);
    case EditorControl::Kind::Button:
        return QJsonValue(QJsonValue::Null);
    default:
        return control.value;
    }
}

QJsonObject controlsAsJson(const QB62SettingEditor &editor)
{
    QJsonObject controls;
    for (const QString &name : editor.controlNames()) {
        const EditorControl &control = editor.control(name);
        QJsonObject entry{{u"shown"_s, editor.isShown(name)},
                          {u"enabled"_s, control.enabled},
                          {u"value"_s, controlValue(editor, control)}};
        if (!control.titles.isEmpty()) {
            entry.insert(u"titles"_s, QJsonArray::fromStringList(editor.displayTitles(name)));
        }
        if (control.kind == EditorControl::Kind::Slider) {
            entry.insert(u"range"_s, QJsonArray{control.minimum, control.maximum});
            entry.insert(u"ticks"_s, control.tickCount);
            entry.insert(u"guideLabels"_s, QJsonArray::fromStringList(control.guideLabels));
            QJsonObject descriptions;
            for (qsizetype i = 0; i < control.descriptions.size(); ++i) {
                if (!control.descriptions.at(i).isEmpty()) {
                    descriptions.insert(QString::number(control.minimum + i), control.descriptions.at(i));
                }
            }
            if (!descriptions.isEmpty()) {
                entry.insert(u"descriptions"_s, descriptions);
            }
        }
        QJsonArray disabledCells;
        for (qsizetype i = 0; i < control.cellEnabled.size(); ++i) {
            if (!control.cellEnabled.at(i)) {
                disabledCells.append(int(i));
            }
        }
        if (!disabledCells.isEmpty()) {
            entry.insert(u"disabledCells"_s, disabledCells);
        }
        controls.insert(name, entry);
    }
    return controls;
}

// Why VALUE cannot be put into the control, or empty when it can.
QString checkPosition(const EditorControl &control, int value)
{
    switch (control.kind) {
    case EditorControl::Kind::RadioGroup:
        if (value < 0 || value >= control.cellCount()) {
            return u"has cells 0 to %1"_s.arg(control.cellCount() - 1);
        }
        if (!control.cellEnabled.value(value, true)) {
            return u"cannot select cell %1 for this model"_s.arg(value);
        }
        return {};
    case EditorControl::Kind::Slider:
        return value < control.minimum || value > control.maximum
                   ? u"takes %1 to %2"_s.arg(control.minimum).arg(control.maximum)
                   : QString();
    case EditorControl::Kind::CheckBox:
        return value == 0 || value == 1 ? QString() : u"takes 0 or 1"_s;
    case EditorControl::Kind::ComboBox:
        return value < 0 || value >= control.cellCount() ? u"has items 0 to %1"_s.arg(control.cellCount() - 1)
                                                         : QString();
    case EditorControl::Kind::PopUp:
        if (!control.tags.contains(value)) {
            QStringList tags;
            for (const int tag : control.tags) {
                tags.append(QString::number(tag));
            }
            return u"has the items tagged "_s + tags.join(u", "_s);
        }
        return {};
    case EditorControl::Kind::DatePicker:
    case EditorControl::Kind::Button:
        break;
    }
    return {};
}

int apply(QB62SettingEditor &editor, const QString &assignment, CliOutput &io)
{
    const qsizetype equals = assignment.indexOf(u'=');
    if (equals <= 0) {
        return io.usageError(u"expected NAME=VALUE, got \""_s + assignment + u'"');
    }
    const QString name = assignment.left(equals);
    const QString text = assignment.mid(equals + 1);
    if (name == u"resetButton") {
        // As the screen's button does: the card's defaults (or the built-in ones) into the controls;
        // the value is not read.
        editor.resetButtonTouched();
        return CliOutput::Success;
    }
    if (!editor.hasControl(name)) {
        return io.usageError(u"no control called "_s + name);
    }
    const EditorControl &control = editor.control(name);
    if (!editor.isShown(name)) {
        return io.usageError(name + u" is not shown for this model"_s);
    }
    if (!control.enabled) {
        return io.usageError(name + u" cannot be changed now (it is disabled)"_s);
    }
    if (control.kind == EditorControl::Kind::Button) {
        return io.usageError(name + u" is a button, not a setting"_s);
    }
    if (control.kind == EditorControl::Kind::DatePicker) {
        QDateTime date = QDateTime::fromString(text, DateForm);
        if (!date.isValid()) {
            return io.usageError(name + u" takes a date as "_s + DateForm);
        }
        editor.setDate(date);
        return CliOutput::Success;
    }
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok) {
        return io.usageError(name + u" takes a whole number"_s);
    }
    const QString problem = checkPosition(control, value);
    if (!problem.isEmpty()) {
        return io.usageError(name + u' ' + problem);
    }
    if (editor.touch(name, value)) {
        // The user is asked before the change takes effect; here the answer is yes.
        editor.alertDidSelected(QB62SettingEditor::YesReturnCode);
    }
    return CliOutput::Success;
}

QJsonValue fieldJson(const QB62SettingManager &manager, int field)
{
    if (SettingRecordLayout::isText(field)) {
        return manager.text(field);
    }
    return manager.value(field);
}
} // namespace

int EditorCommand::run(const QStringList &arguments, CliOutput &io)
{
    QCommandLineParser parser;
    parser.addOption({u"model"_s, u"model type number or name"_s, u"T"_s});
    parser.addPositionalArgument(u"VERB"_s, u"show or save"_s);
    if (!parser.parse(QStringList{u"editor"_s} + arguments)) {
        return io.usageError(parser.errorText());
    }
    const QStringList positional = parser.positionalArguments();
    const QString verb = positional.value(0);
    if ((verb != u"show" || positional.size() != 2) && (verb != u"save" || positional.size() < 2)) {
        return io.usageError(u"usage: editor show ROOT [--model T] | editor save ROOT [--model T] NAME=VALUE..."_s);
    }
    const QString root = positional.at(1);
    if (!QFileInfo(root).isDir()) {
        return io.inputError(u"no such folder: "_s + root);
    }
    if (const QString problem = CardSettingFolders::problem(root); !problem.isEmpty()) {
        return io.inputError(problem);
    }
    auto manager = std::make_shared<QB62SettingManager>();
    const auto alerts = std::make_shared<CollectedAlerts>();
    manager->setAlertPresenter(alerts);
    manager->recognizeCardAtPath(QFileInfo(root).absoluteFilePath());
    if (parser.isSet(u"model"_s)) {
        // As the model chooser does: the type, and the region its defaults need.
        const std::optional<qint64> type = parseModelType(parser.value(u"model"_s), manager->modelNameList());
        if (!type) {
            return io.usageError(u"unknown model type \""_s + parser.value(u"model"_s) + u'"');
        }
        manager->chooseModelType(*type);
        if (*type == 4) {
            manager->setLocalID(3);
        } else if (*type == 3) {
            manager->setLocalID(0);
        }
    }
    const qint64 type = manager->modelType();
    if (type == -1) {
        return io.inputError(u"no camera card recognised in "_s + root + u" (name the model with --model T)"_s);
    }
    if (type == 6) {
        return io.inputError(u"model type 6 keeps its settings in SETTING/blackbox.cfg, not in this editor's record"_s);
    }
    if (type == 16 || type == 17 || (type >= 20 && type <= 26)) {
        return io.inputError(u"model type %1 is set up through the card's own settings page"_s.arg(type));
    }
    if (manager->loadData() == QB62SettingManager::LoadResult::Unreadable) {
        return io.inputError(u"cannot read "_s + QDir(root).filePath(u"SETTING/setup.cfg"_s));
    }
    QB62SettingEditor editor(manager);
    editor.loadView();
    const EditorLayout *layout = editor.layout();
    QJsonObject result{{u"layout"_s, layout != nullptr ? QJsonValue(layout->name) : QJsonValue(QJsonValue::Null)},
                       {u"modelType"_s, type}};
    if (verb == u"show") {
        result.insert(u"controls"_s, controlsAsJson(editor));
        QJsonObject views;
        for (const QString &section : editor.sectionNames()) {
            views.insert(section, editor.isSectionShown(section));
        }
        result.insert(u"views"_s, views);
        return io.printJson(result);
    }
    if (layout == nullptr) {
        return io.inputError(u"model type %1 has no editor layout: nothing would be written"_s.arg(type));
    }
    for (const QString &assignment : positional.mid(2)) {
        if (const int status = apply(editor, assignment, io); status != CliOutput::Success) {
            return status;
        }
    }
    const QString clockPath = editor.timeFilePath();
    const bool clockExisted = !clockPath.isEmpty() && QFileInfo::exists(clockPath);
    alerts->texts.clear();
    const QB62SettingEditor::OkResult ok = editor.okButtonTouched();
    if (!ok.recordWritten) {
        return io.inputError(u"could not write "_s + QDir(root).filePath(u"SETTING/setup.cfg"_s) + u" ("_s +
                             alerts->texts.join(u"; "_s) + u')');
    }
    QJsonObject written;
    for (const int field : ok.changedFields) {
        written.insert(SettingRecordLayout::field(field).name, fieldJson(*editor.manager(), field));
    }
    result.insert(u"written"_s, written);
    QJsonValue clock = QJsonValue(QJsonValue::Null);
    if (!clockPath.isEmpty()) {
        if (!ok.clockHandled) {
            return io.inputError(u"the record was written, but not the clock file "_s + clockPath);
        }
        if (editor.value(u"commonTimeCheckBox"_s) == 1 && editor.date().isValid()) {
            clock = SettingTimeFile::format(editor.date());
        } else if (clockExisted) {
            clock = u"removed"_s;
        }
    }
    result.insert(u"clock"_s, clock);
    return io.printJson(result);
}
