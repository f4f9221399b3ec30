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
    parser.addOption({u"camera"_s, u"QB62 (default), QF27 or QR28"_s, u"MODEL"_s});
    if (!parser.parse(QStringList{u"democard"_s} + arguments)) {
        return io.usageError(parser.errorText());
    }
    if (parser.positionalArguments().size() != 1) {
        return io.usageError(u"democard takes exactly one DIR"_s);
    }
    const QString cameraName = parser.value(u"camera"_s).toUpper();
    if (parser.isSet(u"camera"_s) && cameraName != u"QB62" && cameraName != u"QF27" && cameraName != u"QR28") {
        return io.usageError(u"--camera takes QB62, QF27 or QR28"_s);
    }
    const bool qf27 = cameraName == u"QF27";
    const bool qr28 = cameraName == u"QR28";
    const QString root = QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath();
    const DemoCard::Result result = DemoCard::generate(
        root, qf27 ? DemoCard::Camera::QF27 : (qr28 ? DemoCard::Camera::QR28 : DemoCard::Camera::QB62));
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
    return io.printJson(QJsonObject{
        {u"card"_s, root},
        {u"modelName"_s,
         QString::fromLatin1(qf27 ? DemoCard::QF27ModelName : (qr28 ? DemoCard::WebModelName : DemoCard::ModelName))},
        {u"version"_s, QString::fromLatin1(qf27 ? DemoCard::QF27Version : DemoCard::Version)},
        {u"recordings"_s, recordings}});
}
