#include "LibraryCommand.h"

#include "CliOutput.h"
#include "library/RecordingLibrary.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {
QString colorName(RecordingLibrary::RowColor color)
{
    switch (color) {
    case RecordingLibrary::RowColor::Magenta:
        return u"magenta"_s;
    case RecordingLibrary::RowColor::Yellow:
        return u"yellow"_s;
    case RecordingLibrary::RowColor::Default:
        break;
    }
    return u"default"_s;
}
} // namespace

int LibraryCommand::run(const QStringList &arguments, CliOutput &io)
{
    QCommandLineParser parser;
    const QCommandLineOption filterOption(u"filter"_s, u"filter button 0-4"_s, u"N"_s, u"0"_s);
    parser.addOption(filterOption);
    if (!parser.parse(QStringList{u"library"_s} + arguments)) {
        return io.usageError(parser.errorText());
    }
    if (parser.positionalArguments().size() != 1) {
        return io.usageError(u"library takes exactly one ROOT folder"_s);
    }
    bool isNumber = false;
    const uint filter = parser.value(filterOption).toUInt(&isNumber);
    if (!isNumber || filter > RecordingLibrary::ManualFiles) {
        return io.usageError(u"--filter must be 0, 1, 2, 3 or 4"_s);
    }
    const QFileInfo root(parser.positionalArguments().constFirst());
    if (!root.isDir() || !root.isReadable()) {
        return io.inputError(u"cannot read the folder \""_s + root.filePath() + u'"');
    }

    RecordingLibrary library;
    library.setVideoFileFilter(filter);
    library.refreshVideoFileListWithURL(QUrl::fromLocalFile(root.absoluteFilePath()));
    QJsonArray rows;
    for (int row = 0; row < library.rowCount(); ++row) {
        const QUrl file = library.urlAt(row);
        const int partner = library.partnerRow(row);
        rows.append(QJsonObject{{u"name"_s, file.fileName()},
                                {u"path"_s, file.toLocalFile()},
                                {u"color"_s, colorName(RecordingLibrary::rowColor(file))},
                                {u"partner"_s, partner >= 0 ? QJsonValue(partner) : QJsonValue()}});
    }
    return io.printJson(rows);
}
