#include "ConvertCommand.h"

#include "CliOutput.h"
#include "SensorOutput.h"

#include "export/ConversionFailure.h"
#include "export/Utils.h"
#include "export/VideoConverter.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::StringLiterals;

int ConvertCommand::run(const QStringList &arguments, CliOutput &io)
{
    QCommandLineParser parser;
    const QCommandLineOption printOption(u"print-commands"_s, u"list the ffmpeg runs without converting"_s);
    const QCommandLineOption folderOption(u"working-folder"_s, u"where converted files go"_s, u"DIR"_s);
    parser.addOption(printOption);
    parser.addOption(folderOption);
    parser.addPositionalArgument(u"RECORDING"_s, u"recording file"_s);
    if (!parser.parse(QStringList{u"convert"_s} + arguments)) {
        return io.usageError(parser.errorText());
    }
    if (parser.positionalArguments().size() != 1) {
        return io.usageError(u"convert takes exactly one RECORDING"_s);
    }
    const QString path = QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath();
    if (const QString problem = SensorOutput::inputProblem(path); !problem.isEmpty()) {
        return io.inputError(problem);
    }
    const QString extension = QFileInfo(path).suffix().toLower();
    if ((extension == u"avi" || extension == u"mp4") && Utils::GetFFMPEGPath().isEmpty()) {
        return io.inputError(u"no ffmpeg found: install it or name it in $"_s +
                             QString::fromLatin1(Utils::FFMPEGEnvironmentVariable));
    }

    VideoConverter converter;
    converter.setPlanOnly(parser.isSet(printOption));
    if (parser.isSet(folderOption)) {
        const QString folder = QFileInfo(parser.value(folderOption)).absoluteFilePath();
        if (!parser.isSet(printOption) && !QDir().mkpath(folder)) {
            return io.inputError(u"cannot create "_s + folder);
        }
        converter.setWorkingDirectory(folder);
    }
    const VideoConverter::Playable files = converter.checkAndConvertVideo(QUrl::fromLocalFile(path));

    QJsonArray fileList;
    for (const QUrl &file : files.value_or(QList<QUrl>())) {
        fileList.append(file.toLocalFile());
    }
    QJsonArray runs;
    for (const QStringList &run : converter.runner().runs()) {
        runs.append(QJsonArray::fromStringList(run));
    }
    io.printJson(QJsonObject{{u"files"_s, fileList}, {u"ffmpegRuns"_s, runs}});
    if (fileList.isEmpty()) {
        if (!files.has_value()) {
            return io.inputError(u"cannot convert "_s + path + u": no working folder"_s);
        }
        if (ConversionFailure::classify(converter.failure(), path, converter.usedWorkingDirectory()) ==
            ConversionFailure::Reason::Damaged) {
            return io.inputError(path + u" is damaged and cannot be played"_s);
        }
        return io.inputError(u"nothing playable in "_s + path);
    }
    return CliOutput::Success;
}
