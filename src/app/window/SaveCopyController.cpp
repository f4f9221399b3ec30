#include "SaveCopyController.h"

#include "SaveCopyProgressView.h"
#include "core/VexoLanguages.h"

#include "export/RecordingCopyJob.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
QString localized(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}
} // namespace

SaveCopyController::SaveCopyController(QWidget *window, QObject *parent) : QObject(parent), m_window(window)
{
}

void SaveCopyController::askAndSave(const QUrl &source)
{
    QFileDialog dialog(m_window, localized(u"저장"_s));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setLabelText(QFileDialog::Accept, localized(u"저장"_s));
    dialog.setLabelText(QFileDialog::Reject, localized(u"취소"_s));
    const QString videos = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    dialog.setDirectory(QDir(videos).exists() ? videos : QDir::homePath());
    dialog.selectFile(source.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    save(source, dialog.selectedFiles().constFirst());
}

bool SaveCopyController::save(const QUrl &source, const QString &destination)
{
    auto *job = new RecordingCopyJob(this);
    if (!job->start(source.toLocalFile(), destination)) {
        showFailed(job->errorString());
        delete job;
        return false;
    }
    auto *view = new SaveCopyProgressView(job, m_window);
    view->setObjectName(u"saveCopyProgress"_s);
    connect(job, &RecordingCopyJob::finished, this, [this, job, view] {
        view->deleteLater();
        job->deleteLater();
        if (!job->wasSaved() && !job->wasCancelled()) {
            showFailed(job->errorString());
        }
    });
    return true;
}

bool SaveCopyController::isSaving() const
{
    const auto jobs = findChildren<RecordingCopyJob *>(Qt::FindDirectChildrenOnly);
    return std::any_of(jobs.begin(), jobs.end(), [](const RecordingCopyJob *job) { return job->isRunning(); });
}

void SaveCopyController::showFailed(const QString &reason)
{
    // A copy the user believes made but that is not there is worse than no copy: say so.
    // The reason goes into the main text, which is shown as plain text: a file name is no markup.
    auto *alert = new QMessageBox(QMessageBox::Warning, localized(u"저장"_s),
                                  localized(u"파일을 저장하지 못했습니다."_s) + u"\n\n"_s + reason,
                                  QMessageBox::NoButton, m_window);
    alert->setObjectName(u"saveFailedAlert"_s);
    alert->setTextFormat(Qt::PlainText);
    alert->addButton(localized(u"확인"_s), QMessageBox::AcceptRole);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    alert->open();
}
