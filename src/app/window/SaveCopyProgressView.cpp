#include "SaveCopyProgressView.h"

#include "core/VexoLanguages.h"

#include "export/RecordingCopyJob.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {
QString localized(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}

// Long enough that copying a short recording does not flash the window.
constexpr int kShowDelayMs = 400;
constexpr int kSteps = 1000;
} // namespace

SaveCopyProgressView::SaveCopyProgressView(RecordingCopyJob *job, QWidget *parent) : QProgressDialog(parent), m_job(job)
{
    setWindowTitle(localized(u"저장"_s));
    setCancelButtonText(localized(u"취소"_s));
    setWindowModality(Qt::NonModal);
    setAutoClose(false);
    setAutoReset(false);
    setRange(0, kSteps);
    setMinimumWidth(420);
    setMinimumDuration(kShowDelayMs);
    connect(this, &QProgressDialog::canceled, job, &RecordingCopyJob::cancel);
    connect(job, &RecordingCopyJob::progressed, this, &SaveCopyProgressView::refresh);
    refresh();
}

void SaveCopyProgressView::refresh()
{
    if (m_job == nullptr) {
        return;
    }
    const int left = m_job->secondsLeft();
    const QString timeLeft =
        left < 0 ? localized(u"남은 시간 계산 중…"_s) : localized(u"남은 시간: %1"_s).arg(durationText(left));
    setLabelText(localized(u"%1 저장 중…"_s).arg(QFileInfo(m_job->destination()).fileName()) + u'\n' + timeLeft);
    setValue(int(m_job->share() * kSteps));
}

QString SaveCopyProgressView::durationText(int seconds)
{
    const int hours = seconds / 3600;
    const int minutes = seconds / 60 % 60;
    const QString rest =
        u"%1:%2"_s.arg(minutes, hours > 0 ? 2 : 1, 10, QLatin1Char('0')).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return hours > 0 ? u"%1:"_s.arg(hours) + rest : rest;
}
