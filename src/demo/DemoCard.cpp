#include "DemoCard.h"

#include "DemoDrive.h"
#include "core/AppResources.h"
#include "core/AtomicFileWriter.h"

#include "export/FfmpegRunner.h"
#include "export/RecordingCopy.h"
#include "export/Utils.h"
#include "sensor/AviWriter.h"
#include "sensor/SubtitleFileWriter.h"
#include "sensor/TailBlockWriter.h"
#include "settings/record/QB62SettingManager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {
using Sample = DemoDrive::Sample;

constexpr QLatin1StringView FrontPicture{"testsrc2=size=320x180:rate=15"};
constexpr QLatin1StringView RearPicture{"testsrc=size=256x144:rate=15"};
// Brown noise sounds like a car's cabin.
constexpr QLatin1StringView CabinSound{"anoisesrc=color=brown:amplitude=0.06:sample_rate=8000"};
constexpr QLatin1StringView Date{"071226"};

// Thrown out of the generation steps with what went wrong.
struct Failure
{
    QString message;
};

QStringList input(QLatin1StringView source)
{
    return {u"-f"_s, u"lavfi"_s, u"-i"_s, source + u":duration="_s + QString::number(DemoCard::Seconds)};
}

void ffmpeg(const QStringList &arguments)
{
    const QString program = Utils::GetFFMPEGPath();
    if (program.isEmpty()) {
        throw Failure{u"no ffmpeg found: install it or name it in $"_s +
                      QString::fromLatin1(Utils::FFMPEGEnvironmentVariable)};
    }
    const FfmpegRunner::Result result =
        FfmpegRunner::runProgram(program, QStringList{u"-v"_s, u"error"_s, u"-nostdin"_s} + arguments);
    if (!result.succeeded()) {
        throw Failure{u"ffmpeg failed making "_s + arguments.constLast() + u": "_s + result.output.trimmed()};
    }
}

// No B-frames, as the cameras' encoders: AVI keeps no decoding times, and pictures out of order
// would make stream copies of it stutter at the end.
QStringList videoCodec()
{
    return {u"-c:v"_s, u"libx264"_s, u"-preset"_s,  u"veryfast"_s, u"-crf"_s,     u"30"_s,
            u"-g"_s,   u"15"_s,      u"-pix_fmt"_s, u"yuv420p"_s,  u"-threads"_s, u"2"_s};
}

// An AVI of the front camera (and the rear one) with the cabin sound after the pictures, as the
// cameras lay them out: streams 0 and 1 pictures, the last one sound.
void makeAvi(const QString &path, bool bothCameras, const QString &tag = {})
{
    QStringList arguments = input(FrontPicture);
    if (bothCameras) {
        arguments << input(RearPicture);
    }
    arguments << input(CabinSound);
    const int inputs = bothCameras ? 3 : 2;
    for (int i = 0; i < inputs; ++i) {
        arguments << u"-map"_s << QString::number(i);
    }
    arguments << videoCodec();
    if (!tag.isEmpty()) {
        arguments << u"-vtag"_s << tag;
    }
    arguments << u"-c:a"_s << u"pcm_s16le"_s << u"-y"_s << path;
    ffmpeg(arguments);
}

void makeMp4(const QString &path, QLatin1StringView picture, const QString &subtitles)
{
    QStringList arguments = input(picture);
    arguments << input(CabinSound) << u"-i"_s << subtitles;
    arguments << u"-map"_s << u"0"_s << u"-map"_s << u"1"_s << u"-map"_s << u"2"_s;
    arguments << videoCodec() << u"-c:a"_s << u"aac"_s << u"-b:a"_s << u"24k"_s << u"-c:s"_s << u"mov_text"_s;
    arguments << u"-y"_s << path;
    ffmpeg(arguments);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw Failure{u"cannot read "_s + path};
    }
    return file.readAll();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    if (QString error; !AtomicFileWriter::writeFile(path, bytes, &error)) {
        throw Failure{u"cannot write "_s + path + u": "_s + error};
    }
}

QString rmcFields(const Sample &sample, int second)
{
    return DemoDrive::nmeaTime(second) + u",A,"_s + DemoDrive::nmeaLatitude(sample.lat) + u",N,"_s +
           DemoDrive::nmeaLongitude(sample.lng) + u",E,"_s + DemoDrive::nmeaKnots(sample.speedKmh) + u',' +
           QString::number(sample.heading, 'f', 1) + u',' + Date + u",,,A"_s;
}

// Subtitle entries of the QB62 family's MP4 recordings: one "gsensori" record every 100 ms, the
// tenth of each second joined by ";" with the "GPRMC" record of that second.
QByteArray subtitleFile(const QList<Sample> &samples, int firstSecond)
{
    QList<SubtitleFileWriter::Entry> entries;
    for (qsizetype i = 0; i < samples.size(); ++i) {
        const Sample &s = samples.at(i);
        // Scale 1/128: the values are the counts themselves.
        QString text = u"gsensori,1,128,%1,%2,%3"_s.arg(s.x).arg(s.y).arg(s.z);
        if (i % DemoDrive::SamplesPerSecond == DemoDrive::SamplesPerSecond - 1) {
            text += u";GPRMC,"_s + rmcFields(s, firstSecond + int(i / DemoDrive::SamplesPerSecond));
        }
        entries.append({i * 100, i * 100 + 100, text});
    }
    return SubtitleFileWriter::file(entries);
}

// A raw acceleration byte of the older cameras, whose readers take 128 - raw.
char olderRaw(int value)
{
    return char(std::clamp(128 - value, 0, 255));
}

DemoCard::Recording makeMp4Pair(const QString &root, const QString &staging)
{
    const QList<Sample> samples = DemoDrive::drive(60, DemoCard::Seconds);
    const QString subtitles = QDir(staging).filePath(u"drive.srt"_s);
    writeAll(subtitles, subtitleFile(samples, 60));
    makeMp4(QDir(root).filePath(u"cont_rec/20261207_081500_F.mp4"_s), FrontPicture, subtitles);
    makeMp4(QDir(root).filePath(u"cont_rec/20261207_081500_R.mp4"_s), RearPicture, subtitles);
    return {u"cont_rec/20261207_081500_F.mp4"_s, u"mp4-front"_s, int(samples.size()), int(samples.size())};
}

DemoCard::Recording makeSosMp4(const QString &root, const QString &staging)
{
    const QList<Sample> samples = DemoDrive::drive(105, DemoCard::Seconds, true);
    const QString subtitles = QDir(staging).filePath(u"sos.srt"_s);
    writeAll(subtitles, subtitleFile(samples, 105));
    makeMp4(QDir(root).filePath(u"sos_rec/20261207_081700_SOS.mp4"_s), FrontPicture, subtitles);
    return {u"sos_rec/20261207_081700_SOS.mp4"_s, u"mp4-front-only"_s, int(samples.size()), int(samples.size())};
}

// Both cameras and the sound in one AVI; every second ten "gsensor" records and a "GNRMC" record
// in "02tx" chunks.
DemoCard::Recording makeEventAvi(const QString &root)
{
    const QString relative = u"evt_rec/20261207_081600_EVT.avi"_s;
    const QString path = QDir(root).filePath(relative);
    makeAvi(path, true);
    const QList<Sample> samples = DemoDrive::drive(75, DemoCard::Seconds, true);
    QByteArray chunks;
    for (qsizetype i = 0; i < samples.size(); ++i) {
        const Sample &s = samples.at(i);
        chunks += AviWriter::chunkBytes("02tx", u"gsensor,%1,%2,%3"_s.arg(s.x).arg(s.y).arg(s.z).toLatin1());
        if (i % DemoDrive::SamplesPerSecond == DemoDrive::SamplesPerSecond - 1) {
            const int second = 75 + int(i / DemoDrive::SamplesPerSecond);
            chunks += AviWriter::chunkBytes("02tx", (u"GNRMC,"_s + rmcFields(s, second)).toLatin1());
        }
    }
    const QByteArray avi = AviWriter::withChunksInMovi(readAll(path), chunks);
    if (avi.isEmpty()) {
        throw Failure{u"ffmpeg wrote an AVI without a \"movi\" list: "_s + path};
    }
    writeAll(path, avi);
    return {relative, u"avi-both-cameras"_s, int(samples.size()), int(samples.size())};
}

// An older camera, parked and woken by motion: "M" records, a "T" record for each second before
// the receiver has a fix, then "$GPRMC" sentences.
DemoCard::Recording makeMotionAvi(const QString &root)
{
    const QString relative = u"motion_rec/20261207_081400_MOT.avi"_s;
    const QString path = QDir(root).filePath(relative);
    makeAvi(path, false);
    const QList<Sample> samples = DemoDrive::parked(DemoCard::Seconds);
    static constexpr int SecondsWithoutFix = 5;
    QByteArray chunks;
    for (qsizetype i = 0; i < samples.size(); ++i) {
        const Sample &s = samples.at(i);
        chunks += AviWriter::chunkBytes(
            "02tx", AviWriter::accelerationRecord(quint8(olderRaw(s.x)), quint8(olderRaw(s.y)), quint8(olderRaw(s.z))));
        if (i % DemoDrive::SamplesPerSecond == DemoDrive::SamplesPerSecond - 1) {
            const int second = int(i / DemoDrive::SamplesPerSecond);
            chunks += AviWriter::chunkBytes("02tx", second < SecondsWithoutFix
                                                        ? QByteArray("T")
                                                        : (u"$GPRMC,"_s + rmcFields(s, second)).toLatin1());
        }
    }
    const QByteArray avi = AviWriter::withChunksInMovi(readAll(path), chunks);
    if (avi.isEmpty()) {
        throw Failure{u"ffmpeg wrote an AVI without a \"movi\" list: "_s + path};
    }
    writeAll(path, avi);
    const int fixes = int(samples.size()) - SecondsWithoutFix * DemoDrive::SamplesPerSecond;
    return {relative, u"avi-older-camera"_s, int(samples.size()), fixes};
}

// The oldest cameras: one "0,lat,lng,speed,x,y,z" line per sample after "ETKVL3" at the end.
DemoCard::Recording makeManualAvi(const QString &root)
{
    const QString relative = u"manual_rec/20261207_081800_MAN.avi"_s;
    const QString path = QDir(root).filePath(relative);
    makeAvi(path, false);
    const QList<Sample> samples = DemoDrive::drive(90, DemoCard::Seconds);
    QStringList lines;
    for (const Sample &s : samples) {
        lines.append(TailBlockWriter::line(s.lat, s.lng, std::lround(s.speedKmh), s.x, s.y, s.z));
    }
    if (!TailBlockWriter::appendToFile(path, TailBlockWriter::block(lines, u"\r\n"_s))) {
        throw Failure{u"cannot write "_s + path};
    }
    return {relative, u"avi-tail-block"_s, int(samples.size()), int(samples.size())};
}

// The INI-settings camera: "M" records with three validity bytes and "$GPRMC" sentences, pictures
// under the code "AVC1".
DemoCard::Recording makeIniCameraAvi(const QString &root)
{
    const QString relative = u"cont_rec/Rec_20261207_081900.avi"_s;
    const QString path = QDir(root).filePath(relative);
    makeAvi(path, false, u"AVC1"_s);
    const QList<Sample> samples = DemoDrive::drive(120, DemoCard::Seconds);
    // Its readers take (raw - 128) × 10.
    const auto raw = [](int value) {
        return quint8(std::clamp(128 + value, 0, 255));
    };
    QByteArray chunks;
    for (qsizetype i = 0; i < samples.size(); ++i) {
        const Sample &s = samples.at(i);
        chunks += AviWriter::chunkBytes("02tx", AviWriter::krvAccelerationRecord(raw(s.x), raw(s.y), raw(s.z)));
        if (i % DemoDrive::SamplesPerSecond == DemoDrive::SamplesPerSecond - 1) {
            const int second = 120 + int(i / DemoDrive::SamplesPerSecond);
            chunks += AviWriter::chunkBytes("02tx", (u"$GPRMC,"_s + rmcFields(s, second)).toLatin1());
        }
    }
    const QByteArray avi = AviWriter::withChunksInMovi(readAll(path), chunks);
    if (avi.isEmpty()) {
        throw Failure{u"ffmpeg wrote an AVI without a \"movi\" list: "_s + path};
    }
    writeAll(path, avi);
    return {relative, u"avi-ini-camera"_s, int(samples.size()), int(samples.size())};
}

void writeSettings(const QString &root)
{
    QB62SettingManager manager;
    manager.setModelType(1);
    manager.setLocalID(0);
    manager.setFirmwareVersionInt(DemoCard::FirmwareMinor);
    manager.loadDefaultValue();
    manager.setText(SettingRecordLayout::version, QString::fromLatin1(DemoCard::Version));
    manager.setSettingDirPath(root);
    if (!manager.saveData()) {
        throw Failure{u"cannot write the settings record in "_s + root + u": "_s + manager.lastError()};
    }
    writeAll(QDir(root).filePath(u"SETTING/lang/ver.dat"_s),
             "# Firmware Version:" + QByteArray(DemoCard::Version) + "\n# Language ISO Code:en fr ja pt ko\n");
}
// The QF27 camera's factory settings with this card's firmware version, a partition of no preset
// and a voltage between the choices, so the editor's reading rules show on first opening.
void writeQF27Settings(const QString &root)
{
    QByteArray text = readAll(AppResources::pathForResource(u"default_QF27"_s, u"cfg"_s));
    text.replace("version=1.00\r\n", QByteArray("version=" + QByteArray(DemoCard::QF27Version) + "\r\n"));
    text.replace("const=60\r\n", "const=50\r\n");
    text.replace("power_off_vlt=12000\r\n", "power_off_vlt=11850\r\n");
    text.replace("local_time=-8.000000\r\n", "local_time=9.500000\r\n");
    writeAll(QDir(root).filePath(u"SETTING/blackbox.cfg"_s), text);
}
// The web-page camera's record: its product name, firmware version, a few settings its page edits,
// the first language of the card, and the region.
QByteArray webRecord(int soundVolume, int parkingMode)
{
    QByteArray record(DemoCard::WebRecordSize, '\0');
    const auto put = [&record](int offset, qint32 value) {
        qToLittleEndian(value, record.data() + offset);
    };
    const QByteArray name(DemoCard::WebModelName);
    record.replace(8, name.size(), name);
    const QByteArray version(DemoCard::Version);
    record.replace(40, version.size(), version);
    put(100, 1);           // audio_record: on
    put(104, soundVolume); // audio_record_volume
    put(120, 2);           // acceleration_sensor: middle
    put(180, parkingMode); // parking_mode_set
    put(420, 1);           // lcd_brightness: normal
    put(428, 0);           // cur_language: the first of ver.dat
    put(460, 0);           // local_id
    return record;
}
} // namespace

bool DemoCard::writeWebSettings(const QString &root, QString *error)
{
    const QDir setting(QDir(root).filePath(u"SETTING"_s));
    if (!QDir().mkpath(setting.filePath(u"html"_s)) || !QDir().mkpath(setting.filePath(u"lang"_s))) {
        if (error != nullptr) {
            *error = u"cannot create "_s + setting.path();
        }
        return false;
    }
    QList<std::pair<QString, QByteArray>> files = {
        {u"setup.cfg"_s, webRecord(2, 1)},
        {u"default.cfg"_s, webRecord(4, 0)},
        {u"time.dat"_s, "2026,12,07,08,15,00,+0900"},
        {u"ADAS_CAL.dat"_s, QByteArray(64, '\x5a')},
        {u"lang/ver.dat"_s, "# Firmware Version:" + QByteArray(Version) + "\n# Language ISO Code:en fr ja pt ko\n"},
    };
    for (const QString &page : {u"index.html"_s, u"setting.js"_s, u"setting.css"_s}) {
        QFile resource(u":/demo/websetting/"_s + page);
        if (!resource.open(QIODevice::ReadOnly)) {
            if (error != nullptr) {
                *error = u"the program lacks its demo settings page: "_s + resource.fileName();
            }
            return false;
        }
        files.append({u"html/"_s + page, resource.readAll()});
    }
    for (const auto &[name, bytes] : std::as_const(files)) {
        if (!AtomicFileWriter::writeFile(setting.filePath(name), bytes, error)) {
            return false;
        }
    }
    return true;
}

DemoCard::Result DemoCard::generate(const QString &root, Camera camera)
{
    Result result;
    const QFileInfo target(root);
    if (target.exists() && (!target.isDir() || !QDir(root).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                                   QDir::Hidden | QDir::System))) {
        result.error = root + u" exists and is not an empty folder: the demo card is only written into a new one"_s;
        return result;
    }
    const QString parent = target.absolutePath();
    if (!QDir().mkpath(parent)) {
        result.error = u"cannot create "_s + parent;
        return result;
    }
    QTemporaryDir staging(QDir(parent).filePath(u".democard-XXXXXX"_s));
    QTemporaryDir scratch;
    if (!staging.isValid() || !scratch.isValid()) {
        result.error = u"cannot create a folder beside "_s + root;
        return result;
    }
    const QString card = staging.path();
    try {
        for (const QString &folder :
             {u"cont_rec"_s, u"motion_rec"_s, u"evt_rec"_s, u"manual_rec"_s, u"sos_rec"_s, u"Saved_Videos"_s}) {
            QDir(card).mkpath(folder);
        }
        const Recording pair = makeMp4Pair(card, scratch.path());
        result.recordings.append(pair);
        result.recordings.append({u"cont_rec/20261207_081500_R.mp4"_s, u"mp4-rear"_s, pair.samples, pair.positions});
        result.recordings.append(makeIniCameraAvi(card));
        result.recordings.append(makeMotionAvi(card));
        const Recording event = makeEventAvi(card);
        result.recordings.append(event);
        result.recordings.append(makeManualAvi(card));
        result.recordings.append(makeSosMp4(card, scratch.path()));
        const QString saved = u"Saved_Videos/20261207_081600_EVT.avi"_s;
        if (QString error; !RecordingCopy::save(QDir(card).filePath(event.path), QDir(card).filePath(saved), &error)) {
            throw Failure{error};
        }
        result.recordings.append({saved, u"saved-copy"_s, event.samples, event.positions});
        if (camera == Camera::QF27) {
            writeQF27Settings(card);
        } else if (camera == Camera::QR28) {
            QString error;
            if (!writeWebSettings(card, &error)) {
                throw Failure{error};
            }
        } else {
            writeSettings(card);
        }
    } catch (const Failure &failure) {
        result.recordings.clear();
        result.error = failure.message;
        return result;
    }
    if (target.exists()) {
        QDir().rmdir(root);
    }
    if (!QDir().rename(card, root)) {
        result.recordings.clear();
        result.error = u"cannot move the finished card to "_s + root;
        return result;
    }
    staging.setAutoRemove(false);
    result.ok = true;
    return result;
}
