#include "DemoCardCommand.h"

#include "CliOutput.h"
#include "demo/DemoCard.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::StringLiterals;

int DemoCardCommand::run(const QStringList &arguments, CliOutput &io)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(u"DIR"_s, u"new card folder"_s);
    const QCommandLineOption webOption(u"web"_s, u"a camera that keeps its own settings page on the card"_s);
    parser.addOption(webOption);
    if (!parser.parse(QStringList{u"democard"_s} + arguments)) {
        return io.usageError(parser.errorText());
    }
    if (parser.positionalArguments().size() != 1) {
        return io.usageError(u"democard takes exactly one DIR"_s);
    }
    const QString root = QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath();
    const bool web = parser.isSet(webOption);
    const DemoCard::Result result =
        DemoCard::generate(root, web ? DemoCard::Settings::WebPage : DemoCard::Settings::Record);
    if (!result.ok) {
        return io.inputError(result.error);
    }
    QJsonArray recordings;
    for (const DemoCard::Recording &recording : result.recordings) {
        recordings.append(QJsonObject{{u"path"_s, recording.path},
                                      {u"kind"_s, recording.kind},
                                      {u"samples"_s, recording.samples},
                                      {u"positions"_s, recording.positions}});
    }
    return io.printJson(
        QJsonObject{{u"card"_s, root},
                    {u"modelName"_s, QString::fromLatin1(web ? DemoCard::WebModelName : DemoCard::ModelName)},
                    {u"version"_s, QString::fromLatin1(DemoCard::Version)},
                    {u"recordings"_s, recordings}});
}
