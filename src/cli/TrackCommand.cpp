#include "TrackCommand.h"

#include "CliOutput.h"
#include "SensorOutput.h"

#include "sensor/QuickTrackReader.h"
#include "sensor/VexoClipData.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <memory>

using namespace Qt::StringLiterals;

int TrackCommand::run(const QStringList &arguments, CliOutput &io)
{
    QCommandLineParser parser;
    const QCommandLineOption krvOption(u"krv"_s, u"read with the KRV cameras' reader"_s);
    parser.addOption(krvOption);
    const QCommandLineOption quickOption(u"quick"_s, u"read only the sensor data, not the pictures and sound"_s);
    parser.addOption(quickOption);
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
    QJsonObject quick;
    if (parser.isSet(quickOption) && QFileInfo(path).suffix() == u"srt"_s) {
        return io.usageError(u"--quick reads recordings, not subtitle files"_s);
    }
    if (parser.isSet(quickOption)) {
        const QuickTrackReader::Result result = SensorOutput::readQuick(path, parser.isSet(krvOption), *track);
        if (const QString problem = SensorOutput::readProblem(path, result); !problem.isEmpty()) {
            return io.inputError(problem);
        }
        quick = {{u"route"_s, QuickTrackReader::routeName(result.route)},
                 {u"note"_s, result.note},
                 {u"durationMs"_s, result.durationMs},
                 {u"stoppedAt"_s, result.stoppedAt}};
    } else {
        SensorOutput::loadTrack(path, parser.isSet(krvOption), *track);
        if (const QString problem = SensorOutput::loadProblem(path, parser.isSet(krvOption), *track);
            !problem.isEmpty()) {
            return io.inputError(problem);
        }
    }
    QJsonArray samples;
    for (int i = 0; i < int(track->clipDataCount()); ++i) {
        samples.append(SensorOutput::sampleJson(*track, i));
    }
    QJsonObject output{{u"clipDataCount"_s, qint64(track->clipDataCount())},
                       {u"gpsDataCount"_s, qint64(track->gpsDataCount())},
                       {u"samples"_s, samples}};
    for (auto it = quick.begin(); it != quick.end(); ++it) {
        output.insert(it.key(), it.value());
    }
    return io.printJson(output);
}
