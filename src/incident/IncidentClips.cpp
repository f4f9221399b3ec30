#include "IncidentClips.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

QString IncidentClips::timeArgument(double seconds)
{
    return QString::number(seconds, 'f', 3);
}

QStringList IncidentClips::cutArguments(const QString &input, double from, double length, const QString &output)
{
    // -ss before -i seeks the input (to the keyframe at or before FROM), -t counts from FROM.
    // Only pictures and sound: a subtitle stream of the converted file is the camera's sensor
    // text, which the report carries in its own files. The index goes to the front of the file,
    // so the clip starts playing while it is still being received.
    return {
        u"-v"_s,   u"error"_s, u"-ss"_s,  timeArgument(from), u"-i"_s, input,     u"-t"_s,        timeArgument(length),
        u"-map"_s, u"0:v"_s,   u"-map"_s, u"0:a?"_s,          u"-c"_s, u"copy"_s, u"-movflags"_s, u"+faststart"_s,
        u"-y"_s,   output};
}

QStringList IncidentClips::stillArguments(const QString &input, double at, const QString &output)
{
    return {u"-v"_s,    u"error"_s,     u"-ss"_s, timeArgument(at), u"-i"_s,  input,   u"-map"_s,
            u"0:v:0"_s, u"-frames:v"_s, u"1"_s,   u"-c:v"_s,        u"png"_s, u"-y"_s, output};
}

std::optional<double> IncidentClips::durationFromReport(const QString &report)
{
    static const QRegularExpression duration(u"Duration:\\s*(\\d+):(\\d{2}):(\\d{2}(?:\\.\\d+)?)"_s);
    const QRegularExpressionMatch match = duration.match(report);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return match.captured(1).toDouble() * 3600.0 + match.captured(2).toDouble() * 60.0 + match.captured(3).toDouble();
}
