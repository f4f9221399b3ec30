#include "IncidentCommand.h"

#include "CliOutput.h"
#include "SensorOutput.h"
#include "core/Preferences.h"
#include "incident/IncidentTexts.h"
#include "incident/report/IncidentReport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {
// A time given on the command line: a finite number of seconds, 0 or more.
std::optional<double> seconds(const QString &text)
{
    bool isNumber = false;
    const double value = text.toDouble(&isNumber);
    if (!isNumber || !std::isfinite(value) || value < 0.0) {
        return std::nullopt;
    }
    return value;
}
} // namespace

int IncidentCommand::run(const QStringList &arguments, CliOutput &io)
{
    QCommandLineParser parser;
    const QCommandLineOption atOption(u"at"_s, u"the moment of the incident, s of play time"_s, u"SECONDS"_s);
    const QCommandLineOption beforeOption(u"before"_s, u"seconds before the moment (15)"_s, u"S"_s);
    const QCommandLineOption afterOption(u"after"_s, u"seconds after the moment (15)"_s, u"S"_s);
    const QCommandLineOption outputOption(QStringList{u"o"_s, u"output"_s}, u"the report's new folder"_s, u"DIR"_s);
    const QCommandLineOption folderOption(u"working-folder"_s, u"where converted files go"_s, u"DIR"_s);
    const QCommandLineOption languageOption(u"lang"_s, u"language of the report"_s, u"CODE"_s);
    const QCommandLineOption cardOption(u"card"_s, u"the camera card the recording came from, for its clock's zone"_s,
                                        u"ROOT"_s);
    parser.addOptions({atOption, beforeOption, afterOption, outputOption, folderOption, languageOption, cardOption});
    parser.addPositionalArgument(u"RECORDING"_s, u"recording file"_s);
    if (!parser.parse(QStringList{u"incident"_s} + arguments)) {
        return io.usageError(parser.errorText());
    }
    if (parser.positionalArguments().size() != 1) {
        return io.usageError(u"incident takes exactly one RECORDING"_s);
    }
    if (!parser.isSet(outputOption) || parser.value(outputOption).isEmpty()) {
        return io.usageError(u"incident needs -o DIR, the report's new folder"_s);
    }
    IncidentReport::Request request;
    for (const auto &[option, target] :
         {std::pair{&beforeOption, &request.before}, std::pair{&afterOption, &request.after}}) {
        if (parser.isSet(*option)) {
            const std::optional<double> value = seconds(parser.value(*option));
            if (!value) {
                return io.usageError(u"--%1 must be a number of seconds of 0 or more, not \"%2\""_s.arg(
                    option->names().constFirst(), parser.value(*option)));
            }
            *target = *value;
        }
    }
    if (parser.isSet(atOption)) {
        request.at = seconds(parser.value(atOption));
        if (!request.at) {
            return io.usageError(u"--at must be a play time of 0 s or more, not \""_s + parser.value(atOption) + u'"');
        }
    }
    const QString language = parser.isSet(languageOption) ? parser.value(languageOption) : Preferences::language();
    if (!Preferences::isSupportedLanguage(language)) {
        return io.usageError(u"unknown language \""_s + language + u"\" (known: "_s +
                             Preferences::supportedLanguages().join(u", "_s) + u')');
    }
    const QString path = QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath();
    if (const QString problem = SensorOutput::inputProblem(path); !problem.isEmpty()) {
        return io.inputError(problem);
    }
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()) == nullptr) {
        return io.inputError(u"drawing the report needs the program's graphics support, which did not start"_s);
    }
    request.recording = path;
    request.output = QFileInfo(parser.value(outputOption)).absoluteFilePath();
    if (parser.isSet(folderOption)) {
        request.workingFolder = QFileInfo(parser.value(folderOption)).absoluteFilePath();
    }
    if (parser.isSet(cardOption)) {
        if (!QFileInfo(parser.value(cardOption)).isDir()) {
            return io.usageError(u"--card needs the card's folder: "_s + parser.value(cardOption));
        }
        request.cardRoot = QFileInfo(parser.value(cardOption)).absoluteFilePath();
    }
    request.texts = IncidentTexts::forLanguage(language);
    request.producer = u"Velmora "_s + QCoreApplication::applicationVersion();
    const IncidentReport::Result result = IncidentReport::make(request);
    if (!result.ok) {
        return result.badRequest ? io.usageError(result.error) : io.inputError(result.error);
    }
    return io.printJson(result.summary);
}
