#include "ExportCommand.h"

#include "CliOutput.h"
#include "SensorOutput.h"
#include "core/AtomicFileWriter.h"
#include "incident/SampleClock.h"

#include "sensor/TrackExport.h"
#include "sensor/VexoClipData.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QJsonObject>

#include <memory>

using namespace Qt::StringLiterals;

int ExportCommand::run(const QStringList &arguments, CliOutput &io)
{
    QCommandLineParser parser;
    const QCommandLineOption outputOption(QStringList{u"o"_s, u"output"_s}, u"write to FILE"_s, u"FILE"_s);
    const QCommandLineOption krvOption(u"krv"_s, u"read with the KRV cameras' reader"_s);
    const QCommandLineOption cardOption(u"card"_s,
                                        u"the camera card the recording came from, for its clock's time zone "
                                        u"(default: looked for in the recording's folder and the two above)"_s,
                                        u"ROOT"_s);
    parser.addOptions({outputOption, krvOption, cardOption});
    parser.addPositionalArgument(u"FORMAT"_s, u"csv, gpx or geojson"_s);
    parser.addPositionalArgument(u"PATH"_s, u"recording or subtitle file"_s);
    if (!parser.parse(QStringList{u"export"_s} + arguments)) {
        return io.usageError(parser.errorText());
    }
    if (parser.positionalArguments().size() != 2) {
        return io.usageError(u"export takes a FORMAT (csv, gpx or geojson) and one PATH"_s);
    }
    const QString format = parser.positionalArguments().at(0);
    if (format != u"csv" && format != u"gpx" && format != u"geojson") {
        return io.usageError(u"unknown export format \""_s + format + u"\" (known: csv, gpx, geojson)"_s);
    }
    const QString path = parser.positionalArguments().at(1);
    if (const QString problem = SensorOutput::inputProblem(path); !problem.isEmpty()) {
        return io.inputError(problem);
    }
    const QString card = parser.value(cardOption);
    if (parser.isSet(cardOption) && !QFileInfo(card).isDir()) {
        return io.usageError(u"--card needs the card's folder: "_s + card);
    }
    const QString output = parser.value(outputOption);
    if (parser.isSet(outputOption)) {
        if (output.isEmpty()) {
            return io.usageError(u"-o needs a FILE"_s);
        }
        const QFileInfo target(output);
        if (target.exists() && target.canonicalFilePath() == QFileInfo(path).canonicalFilePath()) {
            return io.usageError(u"refusing to write the export over the recording itself: "_s + output);
        }
        if (target.isDir() && !target.isSymLink()) {
            return io.usageError(u"is a folder: "_s + output);
        }
        // A pipe, device or link named as the output is never replaced by a plain file.
        if (const QString problem = AtomicFileWriter::targetProblem(output); !problem.isEmpty()) {
            return io.usageError(u"refusing to replace the output: "_s + problem);
        }
    }

    const auto track = std::make_unique<VexoClipData>();
    SensorOutput::loadTrack(path, parser.isSet(krvOption), *track);
    const QString name = QFileInfo(path).fileName();
    const TrackTimes times = SampleClock::times(path, card, *track);
    QByteArray bytes;
    if (format == u"csv") {
        bytes = TrackExport::csv(*track, TrackExport::WholeTrack, times);
    } else if (format == u"gpx") {
        bytes = TrackExport::gpx(*track, name, TrackExport::WholeTrack, times);
    } else {
        bytes = TrackExport::geoJson(*track, name, times);
    }

    if (!parser.isSet(outputOption)) {
        io.out() << QString::fromUtf8(bytes);
        io.out().flush();
        return CliOutput::Success;
    }
    if (QString error; !AtomicFileWriter::writeFile(output, bytes, &error)) {
        return io.inputError(u"cannot write "_s + output + u": "_s + error);
    }
    const int points = format == u"csv" ? int(track->clipDataCount()) : TrackExport::fixCount(*track);
    return io.printJson(QJsonObject{{u"format"_s, format},
                                    {u"output"_s, output},
                                    {u"samples"_s, qint64(track->clipDataCount())},
                                    {u"points"_s, points},
                                    {u"clock"_s, times.clockName()}});
}
