#include "CardMaintenance.h"

#include "core/AtomicFileWriter.h"
#include "core/VexoLanguages.h"

#include "export/Utils.h"
#include "platform/SystemVolumes.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <QUrl>

#include <optional>

using namespace Qt::StringLiterals;

namespace {
QString localized(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}

// Lookup keys are whole literals, each on one line, so that the check of the translation tables
// finds them.
// clang-format off
const QString FormatTitle = u"메모리 카드 포멧"_s;
const QString FormatCaution = u"주의 : 포맷 시 메모리 카드의 모든 데이터가 삭제됩니다. \r\n포맷하려면 (예)를, 취소하려면 (아니오)를 선택 하십시오."_s;
const QString CannotFormat = u"메모리 카드를 포멧할 수 없습니다."_s;
const QString Formatting = u"포맷 중 입니다.\r\n잠시만 기다려 주십시오."_s;
const QString FormatDone = u"메모리 카드 포맷이 완료 되었습니다."_s;
const QString FormatFailed = u"메모리 카드를 포멧할 수 없습니다.\r\n\r\nORBIVX에서 동영상을 재생 중이거나 GPS 데이터를 수집중인 경우\r\nORBIVEX를 종료하고 다시 포맷하십시오.\r\n메모리카드를 사용하고 있는 디스크 유틸리티나 다른 프로그램을 종료하고\r\n메모리카드의 내용을 표시하고 있는 창이 없는지 확인한 다음 다시 포맷하십시오."_s;
const QString FormatCannotStart = u"메모리 카드를 포멧할 수 없습니다.\r\n\r\n포맷 프로그램을 실행할 수 없습니다.\r\n프로그램을 다시 설치하십시오."_s;
const QString NothingMounted = u"이 경로에 마운트된 볼륨이 없습니다."_s;
const QString NotLocal = u"볼륨이 이 컴퓨터의 디스크에 있지 않습니다."_s;
const QString NotRemovable = u"볼륨이 이동식 매체에 있지 않습니다."_s;
const QString Untitled = u"이름 없는 볼륨은 카메라 카드로 보지 않습니다."_s;
const QString TouchTitle = u"초기화하기"_s;
const QString TouchCaution = u"주의 : 현재 설정된 화면 터치 정확도 값이 초기화 됩니다.\r\n초기화하려면 (예)를, 취소하려면 (아니오)를 선택 하십시오."_s;
const QString TouchDone = u"화면 터치 정확도 초기화가 완료되었습니다."_s;
const QString TouchFailed = u"화면 터치 정확도를 초기화할 수 없습니다.\r\n메모리카드를 확인하여 주시기 바랍니다."_s;
const QString No = u"아니오"_s;
const QString Yes = u"예"_s;
const QString Ok = u"OK"_s;
// clang-format on

// env's own statuses for a program it cannot find (127) or cannot run (126).
constexpr int EnvCannotFind = 127;
constexpr int EnvCannotRun = 126;
// How often the output channels are emptied while the helper runs.
constexpr int DrainIntervalMs = 100;
constexpr int DefaultFormatTimeoutMs = 60 * 60 * 1000;

// Runs the format command to its end on the calling thread, reading and discarding what it
// prints on both channels as it arrives.
CardMaintenance::FormatResult runFormatCommand(const QString &program, const QStringList &arguments, int timeoutMs)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForStarted()) {
        return CardMaintenance::FormatResult::CannotStart;
    }
    const QDeadlineTimer deadline(timeoutMs);
    while (process.state() != QProcess::NotRunning) {
        process.waitForFinished(DrainIntervalMs);
        process.readAllStandardOutput();
        process.readAllStandardError();
        if (deadline.hasExpired() && process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
            return CardMaintenance::FormatResult::Failed;
        }
    }
    if (process.exitStatus() != QProcess::NormalExit) {
        return CardMaintenance::FormatResult::Failed;
    }
    if (process.exitCode() == EnvCannotFind || process.exitCode() == EnvCannotRun) {
        return CardMaintenance::FormatResult::CannotStart;
    }
    return process.exitCode() == 0 ? CardMaintenance::FormatResult::Succeeded : CardMaintenance::FormatResult::Failed;
}
} // namespace

CardMaintenance::CardMaintenance(QObject *parent)
    : QObject(parent), m_volumes(SystemVolumes::system()),
      m_formatProgram(u"/usr/bin/env"_s), m_formatArguments{formatHelper(), u"reformat"_s},
      m_formatTimeoutMs(DefaultFormatTimeoutMs)
{
    qRegisterMetaType<CardMaintenance::FormatResult>();
}

CardMaintenance::~CardMaintenance()
{
    if (m_formatThread != nullptr) {
        m_formatThread->wait();
    }
}

void CardMaintenance::setVolumeSource(std::shared_ptr<const VolumeSource> volumes)
{
    if (volumes) {
        m_volumes = std::move(volumes);
    }
}

void CardMaintenance::setFormatCommand(const QString &program, const QStringList &arguments)
{
    m_formatProgram = program;
    m_formatArguments = arguments;
}

QString CardMaintenance::formatHelper()
{
    const QString chosen = qEnvironmentVariable("VELMORA_FORMAT_CARD");
    if (!chosen.isEmpty()) {
        return chosen;
    }
    if (QCoreApplication::instance() != nullptr) {
        const QFileInfo beside(QDir(QCoreApplication::applicationDirPath()).filePath(FormatHelperName));
        if (beside.isFile() && beside.isExecutable()) {
            return beside.absoluteFilePath();
        }
    }
    return FormatHelperName;
}

void CardMaintenance::showSheet(Sheet sheet)
{
    m_sheet = std::move(sheet);
    emit sheetChanged();
}

void CardMaintenance::showFormatAlertWithInformativeText(const QString &text)
{
    showSheet({SheetKind::FormatMessage, localized(FormatTitle), text, {Ok}, true, false});
}

void CardMaintenance::showMemoryCardFormatAlert()
{
    showSheet({SheetKind::FormatConfirmation,
               localized(FormatTitle),
               localized(FormatCaution),
               {localized(No), localized(Yes)},
               true,
               false});
}

void CardMaintenance::memoryCardFormatButtonTouched()
{
    if (m_sheet.kind != SheetKind::None) {
        return;
    }
    const QString refusal = formatRefusal();
    if (!refusal.isEmpty()) {
        // The reason is known: say it, so the user can do something about it.
        showFormatAlertWithInformativeText(localized(CannotFormat) + u"\n\n"_s + localized(refusal));
        return;
    }
    showMemoryCardFormatAlert();
}

QString CardMaintenance::formatRefusal() const
{
    // Only a whole volume is formatted: a card copied to disk, or a folder picked inside a volume,
    // is refused here rather than by the helper after the user has confirmed.
    const std::optional<MountedVolume> volume =
        m_cardRoot.isEmpty() ? std::nullopt : m_volumes->volumeContaining(m_cardRoot);
    if (!volume || QDir::cleanPath(volume->path) != QDir::cleanPath(QFileInfo(m_cardRoot).absoluteFilePath())) {
        return NothingMounted;
    }
    if (!Utils::isEXteranlMemoryWithURL(QUrl::fromLocalFile(m_cardRoot), *m_volumes)) {
        return volume->isLocal ? NotRemovable : NotLocal;
    }
    // A freshly made, unnamed volume is not taken for a camera card.
    if (QFileInfo(volume->path).fileName().startsWith(u"Untitled"_s)) {
        return Untitled;
    }
    return {};
}

void CardMaintenance::initializeTouchButtonTouched()
{
    if (m_sheet.kind != SheetKind::None) {
        return;
    }
    showSheet({SheetKind::TouchConfirmation,
               localized(TouchTitle),
               localized(TouchCaution),
               {localized(No), localized(Yes)},
               true,
               false});
}

void CardMaintenance::alertDidSelected(int returnCode)
{
    switch (m_sheet.kind) {
    case SheetKind::None:
        return;
    case SheetKind::FormatConfirmation:
        if (returnCode >= SecondButton) {
            showSheet({SheetKind::FormatProgress, localized(FormatTitle), localized(Formatting), {Ok}, false, true});
            eraseVolumeTask();
        } else {
            showSheet({});
        }
        return;
    case SheetKind::FormatProgress:
        if (isFormatting()) {
            return;
        }
        showSheet({});
        return;
    case SheetKind::TouchConfirmation:
        if (returnCode >= SecondButton) {
            resetTouchCalibration();
        } else {
            showSheet({});
        }
        return;
    case SheetKind::FormatMessage:
    case SheetKind::TouchMessage:
        showSheet({});
        return;
    }
}

void CardMaintenance::eraseVolumeTask()
{
    const QString program = m_formatProgram;
    const QStringList arguments = QStringList(m_formatArguments) << m_cardRoot;
    const int timeoutMs = m_formatTimeoutMs;
    m_formatThread.reset(QThread::create([this, program, arguments, timeoutMs] {
        const FormatResult result = runFormatCommand(program, arguments, timeoutMs);
        // The sheet, the list and the signals belong to the window's thread.
        QMetaObject::invokeMethod(
            this, [this, result] { finishFormat(result); }, Qt::QueuedConnection);
    }));
    m_formatThread->start(QThread::LowPriority);
}

void CardMaintenance::finishFormat(FormatResult result)
{
    if (m_formatThread != nullptr) {
        m_formatThread->wait();
        m_formatThread.reset();
    }
    QString text;
    switch (result) {
    case FormatResult::Succeeded:
        text = localized(FormatDone);
        break;
    case FormatResult::Failed:
        text = localized(FormatFailed);
        break;
    case FormatResult::CannotStart:
        text = localized(FormatCannotStart);
        break;
    }
    showSheet({SheetKind::FormatProgress, localized(FormatTitle), text, {Ok}, true, false});
    emit refreshVideoFileList();
    emit formatFinished(result);
}

void CardMaintenance::resetTouchCalibration()
{
    bool written = false;
    if (!m_cardRoot.isEmpty() && QFileInfo(m_cardRoot).isDir()) {
        written = AtomicFileWriter::writeFile(QDir(m_cardRoot).filePath(TouchCalibrationMarker), QByteArray());
    }
    showSheet({SheetKind::TouchMessage,
               localized(TouchTitle),
               localized(written ? TouchDone : TouchFailed),
               {Ok},
               true,
               false});
}
