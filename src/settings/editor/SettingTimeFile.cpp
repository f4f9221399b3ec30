#include "settings/editor/SettingTimeFile.h"

#include "core/AtomicFileWriter.h"
#include "core/RegularFileReader.h"

#include "settings/record/CardSettingFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTimeZone>

#include <optional>

using namespace Qt::StringLiterals;

namespace {
// The clock file is always SETTING/time.dat under the card's root (pathForCard).
QString cardRootOf(const QString &path)
{
    return QFileInfo(QFileInfo(path).absolutePath()).absolutePath();
}

void setError(QString *error, const QString &why)
{
    if (error != nullptr) {
        *error = why;
    }
}
} // namespace

QString SettingTimeFile::pathForCard(const QString &settingDirPath)
{
    if (settingDirPath.isEmpty()) {
        return {};
    }
    return QDir(settingDirPath).filePath(u"SETTING/time.dat"_s);
}

SettingTimeFile::Reading SettingTimeFile::read(const QString &path)
{
    Reading reading;
    const QFileInfo info(path);
    if (path.isEmpty() || (!info.exists() && !info.isSymLink())) {
        return reading;
    }
    reading.state = State::Unreadable;
    // A regular file of the card only: not through a link, not from a pipe (which would block),
    // not in a SETTING folder that leads out of the card.
    if (!CardSettingFolders::isCardFile(path, cardRootOf(path))) {
        return reading;
    }
    const std::optional<QByteArray> bytes = RegularFileReader::readWhole(path, MaxFileSize);
    if (!bytes) {
        return reading;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(*bytes);
    if (decoder.hasError()) {
        return reading;
    }
    reading.moment = parse(text);
    reading.state = reading.moment.isValid() ? State::Read : State::Unparseable;
    return reading;
}

QDateTime SettingTimeFile::parse(const QString &text)
{
    static const QRegularExpression form(
        uR"(^\s*(\d{4}),(\d{1,2}),(\d{1,2}),(\d{1,2}),(\d{1,2}),(\d{1,2}),([+-])(\d{2}):?(\d{2})\s*$)"_s);
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) {
        return {};
    }
    const auto number = [&match](int group) {
        return match.capturedView(group).toInt();
    };
    const QDate date(number(1), number(2), number(3));
    const QTime time(number(4), number(5), number(6));
    const int offsetHours = number(8);
    const int offsetMinutes = number(9);
    if (!date.isValid() || !time.isValid() || offsetHours > 14 || offsetMinutes > 59) {
        return {};
    }
    const int sign = match.capturedView(7) == u"-" ? -1 : 1;
    const int offsetSeconds = sign * (offsetHours * 3600 + offsetMinutes * 60);
    return QDateTime(date, time, QTimeZone(offsetSeconds));
}

QString SettingTimeFile::format(const QDateTime &moment)
{
    const QDateTime local = moment.toLocalTime();
    const int offset = local.offsetFromUtc();
    const int magnitude = std::abs(offset) / 60;
    return local.toString(u"yyyy,MM,dd,HH,mm,ss,"_s) + (offset < 0 ? u'-' : u'+') +
           u"%1%2"_s.arg(magnitude / 60, 2, 10, QChar(u'0')).arg(magnitude % 60, 2, 10, QChar(u'0'));
}

bool SettingTimeFile::write(const QString &path, const QDateTime &moment, QString *error)
{
    if (path.isEmpty() || !moment.isValid()) {
        if (error != nullptr) {
            *error = path.isEmpty() ? u"no card folder"_s : u"no date to write"_s;
        }
        return false;
    }
    // The card's own root is never made: a card taken out would have its clock written to this
    // computer's disk. Its SETTING folder may be.
    const QString root = cardRootOf(path);
    if (!QFileInfo(root).isDir()) {
        setError(error, u"the card folder %1 is gone"_s.arg(root));
        return false;
    }
    const QString folder = QFileInfo(path).absolutePath();
    const QFileInfo folderInfo(folder);
    if (!folderInfo.exists() && !folderInfo.isSymLink() && !QDir(root).mkdir(folderInfo.fileName())) {
        setError(error, u"cannot create "_s + folder);
        return false;
    }
    if (!CardSettingFolders::isCardFile(path, root)) {
        setError(error, u"%1 lies outside the card: not written"_s.arg(path));
        return false;
    }
    return AtomicFileWriter::writeFile(path, format(moment).toUtf8(), error);
}

bool SettingTimeFile::remove(const QString &path, QString *error)
{
    const QFileInfo info(path);
    if (path.isEmpty() || (!info.exists() && !info.isSymLink())) {
        return true;
    }
    if (!CardSettingFolders::isCardFile(path, cardRootOf(path))) {
        setError(error, u"%1 lies outside the card: not removed"_s.arg(path));
        return false;
    }
    QFile file(path);
    if (!file.remove()) {
        if (error != nullptr) {
            *error = file.errorString();
        }
        return false;
    }
    return true;
}
