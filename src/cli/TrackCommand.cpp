#include "TrackCommand.h"

#include "CliOutput.h"
#include "SensorOutput.h"

#include "sensor/VexoClipData.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonObject>

#include <memory>

using namespace Qt::StringLiterals;

int TrackCommand::run(const QStringList &arguments, CliOutput &io)
{
    QCommandLineParser parser;
    const QCommandLineOption krvOption(u"krv"_s, u"read with the KRV cameras' reader"_s);
    parser.addOption(krvOption);
    parser.addPositionalArgument(u"PATH"_s, u"recording or subtitle file"_s);
    if (!parser.parse(QStringList{u"track"_s} + arguments)) {
        return io.usageError(parser.errorText());
    }
    if (parser.positionalArguments().size() != 1) {
        return io.usageError(u"track takes exactly one PATH"_s);
    }
    const QString path = parser.positionalArguments().constFirst();
    if (const QString problem = SensorOutput::inputProblem(path); !problem.isEmpty()) {
        return io.inputError(problem);
    }
    const auto track = std::make_unique<VexoClipData>();
    SensorOutput::loadTrack(path, parser.isSet(krvOption), *track);
    QJsonArray samples;
    for (int i = 0; i < int(track->clipDataCount()); ++i) {
        samples.append(SensorOutput::sampleJson(*track, i));
    }
    return io.printJson(QJsonObject{{u"clipDataCount"_s, qint64(track->clipDataCount())},
                                    {u"gpsDataCount"_s, qint64(track->gpsDataCount())},
                                    {u"samples"_s, samples}});
}
