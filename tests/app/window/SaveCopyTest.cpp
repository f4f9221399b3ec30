#include "core/Preferences.h"
#include "core/VexoLanguages.h"
#include "library/RecordingLibrary.h"
#include "ui_MainWindow.h"

#include "app/window/MainWindow.h"
#include "app/window/MainWindowController.h"
#include "platform/FolderVolumes.h"
#include "settings/record/QB62SettingManager.h"
#include "support/QtPrinters.h"
#include "support/TestSettings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
QString localized(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}

// A card folder with two recordings, opened in the main window.
class SaveCopyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestSettings::reset();
        Preferences::initializeLanguageSetting();
        QB62SettingManager::ChagneQB62SettingManager(std::make_shared<QB62SettingManager>());
        write(u"card/SETTING/blackbox.cfg"_s, "");
        write(u"card/cont_rec/A_F.mp4"_s, "front bytes");
        write(u"card/cont_rec/A_R.mp4"_s, "rear bytes");
        MainWindowController::Options options;
        options.cardPath = folder.filePath(u"card"_s);
        options.volumes = std::make_shared<FolderVolumes>(folder.filePath(u"mounts"_s));
        options.splashMs = 0;
        controller = std::make_unique<MainWindowController>(std::move(options));
        controller->showMainWindow();
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
        }
        ASSERT_EQ(controller->library()->rowCount(), 2);
    }

    void write(const QString &relative, const QByteArray &bytes)
    {
        const QString path = folder.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray read(const QString &relative) const
    {
        QFile file(folder.filePath(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Runs ACT, answering the first modal dialog it opens with ANSWER; whether one opened.
    static bool answeringModal(const std::function<void()> &act, const std::function<void(QWidget *)> &answer)
    {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                opened = true;
                answer(modal);
            }
        });
        act();
        QCoreApplication::processEvents();
        return opened;
    }

    QTemporaryDir folder;
    std::unique_ptr<MainWindowController> controller;
};

TEST_F(SaveCopyTest, TheSavePanelProposesTheRecordingsNameAndCopiesTheRecordingItself)
{
    controller->ui().fileListTableView->selectRow(1);
    QString title;
    QString proposed;
    const bool opened = answeringModal([&] { controller->saveFileButtonTouched(); },
                                       [&](QWidget *modal) {
                                           auto *dialog = qobject_cast<QFileDialog *>(modal);
                                           ASSERT_NE(dialog, nullptr);
                                           title = dialog->windowTitle();
                                           proposed = QFileInfo(dialog->selectedFiles().value(0)).fileName();
                                           dialog->selectFile(folder.filePath(u"saved copy.mp4"_s));
                                           QMetaObject::invokeMethod(dialog, &QDialog::accept);
                                       });
    ASSERT_TRUE(opened);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !controller->isSavingCopy(); }, 30000));
    EXPECT_EQ(title, localized(u"저장"_s));
    EXPECT_EQ(proposed, u"A_R.mp4"_s);
    EXPECT_EQ(read(u"saved copy.mp4"_s), "rear bytes");
    EXPECT_EQ(controller->mainWindow()->findChild<QMessageBox *>(u"saveFailedAlert"_s), nullptr);
}

TEST_F(SaveCopyTest, WithoutASelectedRowTheButtonDoesNothing)
{
    controller->ui().fileListTableView->clearSelection();
    ASSERT_EQ(controller->selectedRow(), -1);
    EXPECT_FALSE(answeringModal([&] { controller->saveFileButtonTouched(); }, [](QWidget *modal) { modal->close(); }));
}

TEST_F(SaveCopyTest, AFailedCopyIsReportedInALocalizedAlert)
{
    const QUrl source = QUrl::fromLocalFile(folder.filePath(u"card/cont_rec/A_F.mp4"_s));
    // A folder name that looks like markup is shown as it is.
    const QString destination = folder.filePath(u"<b>no</b>/A_F.mp4"_s);
    EXPECT_FALSE(controller->saveCopyOfRecording(source, destination));
    auto *alert = controller->mainWindow()->findChild<QMessageBox *>(u"saveFailedAlert"_s);
    ASSERT_NE(alert, nullptr);
    const QString message = localized(u"파일을 저장하지 못했습니다."_s);
    EXPECT_NE(message, u"파일을 저장하지 못했습니다."_s) << "the alert is translated";
    EXPECT_TRUE(alert->text().startsWith(message + u"\n\n"_s)) << alert->text().toStdString();
    EXPECT_TRUE(alert->text().contains(destination)) << "and says which file";
    EXPECT_EQ(alert->textFormat(), Qt::PlainText);
    ASSERT_EQ(alert->buttons().size(), 1);
    EXPECT_EQ(alert->buttons().constFirst()->text(), localized(u"확인"_s));
    alert->close();

    EXPECT_TRUE(controller->saveCopyOfRecording(source, folder.filePath(u"copy.mp4"_s)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !controller->isSavingCopy(); }, 30000));
    EXPECT_EQ(read(u"copy.mp4"_s), "front bytes");
}

TEST_F(SaveCopyTest, TheCopyRunsBesideAUsableWindowAndCancelLeavesNothing)
{
    // Large enough that the copy is still under way when Cancel is pressed, most of the time; the
    // outcome is checked either way.
    QByteArray bytes(64 * 1024 * 1024, 'v');
    write(u"card/cont_rec/B_F.mp4"_s, bytes);
    write(u"kept.mp4"_s, "the user's own file");
    const QUrl source = QUrl::fromLocalFile(folder.filePath(u"card/cont_rec/B_F.mp4"_s));
    ASSERT_TRUE(controller->saveCopyOfRecording(source, folder.filePath(u"kept.mp4"_s)));
    auto *progress = controller->mainWindow()->findChild<QProgressDialog *>(u"saveCopyProgress"_s);
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->windowModality(), Qt::NonModal) << "the main window stays usable";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    progress->cancel();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !controller->isSavingCopy(); }, 30000));
    QCoreApplication::processEvents();
    const QByteArray kept = read(u"kept.mp4"_s);
    EXPECT_TRUE(kept == "the user's own file" || kept == bytes) << "never a part of the copy";
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1) << "no partial file left";
    EXPECT_EQ(controller->mainWindow()->findChild<QMessageBox *>(u"saveFailedAlert"_s), nullptr)
        << "a cancel is no failure";
    QTest::qWait(0);
    EXPECT_EQ(controller->mainWindow()->findChild<QProgressDialog *>(u"saveCopyProgress"_s), nullptr);
}
} // namespace
