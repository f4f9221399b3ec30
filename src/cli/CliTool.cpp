#include "CliTool.h"

#include "CardCommand.h"
#include "CliOutput.h"
#include "ConvertCommand.h"
#include "DemoCardCommand.h"
#include "EditorCommand.h"
#include "ExportCommand.h"
#include "IncidentCommand.h"
#include "IniCommand.h"
#include "LibraryCommand.h"
#include "LocalizeCommand.h"
#include "RecordCommand.h"
#include "SnapshotCommand.h"
#include "SubtitleCommand.h"
#include "TrackCommand.h"
#include "TripsCommand.h"
#include "VolumesCommand.h"

#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {
struct Command
{
    const char16_t *name;
    int (*run)(const QStringList &arguments, CliOutput &io);
    const char16_t *synopsis;
};

// Each command takes the arguments after its own name.
constexpr Command kCommands[] = {
    {u"library", &LibraryCommand::run, u"library ROOT [--filter 0-4]   the recordings the list shows"},
    {u"localize", &LocalizeCommand::run, u"localize KEY [--lang CODE]   the text shown for a Korean key"},
    {u"track", &TrackCommand::run, u"track [--krv] [--quick] PATH   the sensor track of a recording or subtitle file"},
    {u"subtitle", &SubtitleCommand::run,
     u"subtitle PATH [--sensor I]... [--gps I]...   the subtitle track and its lookups at sample I"},
    {u"export", &ExportCommand::run,
     u"export csv|gpx|geojson PATH [-o FILE] [--krv] [--card ROOT]   the track as a table or a route for other tools"},
    {u"card", &CardCommand::run, u"card info ROOT   the camera model, region, firmware and languages of a card folder"},
    {u"record", &RecordCommand::run,
     u"record load ROOT [--model T] [--firmware N]   read (and rewrite) a card's settings record\n"
     u"       velmora-cli record defaults --model T [--local-id L]   a model's factory settings"},
    {u"editor", &EditorCommand::run,
     u"editor show ROOT [--model T]   the settings screen's controls for a card, as JSON\n"
     u"       velmora-cli editor save ROOT [--model T] NAME=VALUE...   set controls as on screen, then OK"},
    {u"ini", &IniCommand::run,
     u"ini show ROOT   the QF27 settings editor's controls and the file's lines for a card folder\n"
     u"       velmora-cli ini save ROOT NAME=VALUE...   set controls by outlet name, then OK (writes the card)"},
    {u"convert", &ConvertCommand::run,
     u"convert RECORDING [--print-commands] [--working-folder DIR]   the files the viewer plays for a recording"},
    {u"snapshot", &SnapshotCommand::run,
     u"snapshot RECORDING SECONDS [--rear] [-o FILE] [--working-folder DIR]   the frame at SECONDS as a PNG file"},
    {u"incident", &IncidentCommand::run,
     u"incident RECORDING [--at S] [--before S] [--after S] -o DIR [--working-folder W] [--lang CODE] [--card ROOT]   "
     u"the clips, track, picture and one-page report of a moment, in a new folder"},
    {u"democard", &DemoCardCommand::run,
     u"democard DIR [--camera QB62|QF27|QR28]   write a camera card with short recordings of every kind"},
    {u"volumes", &VolumesCommand::run, u"volumes   the mounted volumes, with their local and removable flags"},
    {u"trips", &TripsCommand::run,
     u"trips ROOT [--gap SECONDS] [--no-cache]   the drives on a card: recordings joined into trips"},
};
} // namespace

QString CliTool::usage()
{
    QString text = u"usage: velmora-cli --version\n"_s;
    for (const Command &command : kCommands) {
        text += u"       velmora-cli "_s + QString::fromUtf16(command.synopsis) + u'\n';
    }
    return text;
}

bool CliTool::needsGraphics(const QStringList &arguments)
{
    return !arguments.isEmpty() && arguments.constFirst() == u"incident";
}

int CliTool::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    CliOutput io(out, err);
    if (arguments.isEmpty()) {
        err << usage();
        return CliOutput::BadUsage;
    }
    const QString &name = arguments.constFirst();
    if (name == u"--version") {
        return io.printJson(
            QJsonObject{{u"name"_s, u"velmora-cli"_s}, {u"version"_s, QStringLiteral(VELMORA_VERSION)}});
    }
    if (name == u"--help" || name == u"-h") {
        out << usage();
        return CliOutput::Success;
    }
    for (const Command &command : kCommands) {
        if (name == QStringView(command.name)) {
            return command.run(arguments.mid(1), io);
        }
    }
    io.usageError(u"unknown command \""_s + name + u'"');
    err << usage();
    return CliOutput::BadUsage;
}
