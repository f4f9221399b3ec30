// The disk-service route of the reformat helper against a stand-in UDisks2 on a private bus.
#include "platform/UdisksCardReformatter.h"

#include "support/QtPrinters.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QMutex>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
// What the stand-in service knows about its one card, and what it was asked to do.
struct FakeDisk
{
    QMutex mutex;
    QString label = u"CAM"_s;
    QList<QByteArray> mountPoints = {QByteArray("/media/user/CAM\0", 16)};
    bool formatFails = false;
    // The connection the service answers on.
    QString busName;
    QStringList calls;

    void record(const QString &call)
    {
        const QMutexLocker lock(&mutex);
        calls.append(call);
    }
};

class FakeManager : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.UDisks2.Manager")

public:
    explicit FakeManager(QObject *parent) : QDBusAbstractAdaptor(parent) {}

public slots:
    QList<QDBusObjectPath> ResolveDevice(const QVariantMap &byPath, const QVariantMap &)
    {
        if (byPath.value(u"path"_s).toString() == u"/dev/sdd1"_s) {
            return {QDBusObjectPath(u"/org/freedesktop/UDisks2/block_devices/sdd1"_s)};
        }
        return {};
    }
};

class FakeBlock : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.UDisks2.Block")
    Q_PROPERTY(QString IdLabel READ idLabel)

public:
    FakeBlock(QObject *parent, FakeDisk *disk) : QDBusAbstractAdaptor(parent), m_disk(disk) {}
    QString idLabel() const
    {
        const QMutexLocker lock(&m_disk->mutex);
        return m_disk->label;
    }

public slots:
    void Format(const QString &type, const QVariantMap &options, const QDBusMessage &message)
    {
        QStringList words = {u"Format"_s, type};
        for (auto it = options.cbegin(); it != options.cend(); ++it) {
            words.append(it.key() + u'=' + it.value().toString());
        }
        m_disk->record(words.join(u' '));
        const QMutexLocker lock(&m_disk->mutex);
        if (m_disk->formatFails) {
            message.setDelayedReply(true);
            QDBusConnection(m_disk->busName)
                .send(message.createErrorReply(u"org.freedesktop.UDisks2.Error.Failed"_s, u"device busy"_s));
        }
    }

private:
    FakeDisk *m_disk;
};

class FakeFilesystem : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.UDisks2.Filesystem")
    Q_PROPERTY(QList<QByteArray> MountPoints READ mountPoints)

public:
    FakeFilesystem(QObject *parent, FakeDisk *disk) : QDBusAbstractAdaptor(parent), m_disk(disk) {}
    QList<QByteArray> mountPoints() const
    {
        const QMutexLocker lock(&m_disk->mutex);
        return m_disk->mountPoints;
    }

public slots:
    void Unmount(const QVariantMap &) { m_disk->record(u"Unmount"_s); }
    QString Mount(const QVariantMap &)
    {
        m_disk->record(u"Mount"_s);
        return u"/media/user/CAM"_s;
    }

private:
    FakeDisk *m_disk;
};
} // namespace

namespace {
// A private message bus for the test's lifetime, with the stand-in service on it, served from a
// thread of its own so that the reformatter's blocking calls get their answers.
class UdisksCardReformatterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString daemon = QStandardPaths::findExecutable(u"dbus-daemon"_s);
        if (daemon.isEmpty()) {
            GTEST_SKIP() << "dbus-daemon is missing: the disk-service route was not run";
        }
        // The bus's socket goes into a folder of the test's own, not the system's temporary folder.
        ASSERT_TRUE(m_socketFolder.isValid());
        m_daemon.start(daemon, {u"--session"_s, u"--nofork"_s, u"--print-address=1"_s,
                                u"--address=unix:dir="_s + m_socketFolder.path()});
        ASSERT_TRUE(m_daemon.waitForStarted());
        ASSERT_TRUE(m_daemon.waitForReadyRead(10000));
        const QString address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        ASSERT_FALSE(address.isEmpty());

        qDBusRegisterMetaType<QList<QByteArray>>();
        disk.busName = u"fake-udisks"_s;
        QDBusConnection service = QDBusConnection::connectToBus(address, disk.busName);
        ASSERT_TRUE(service.isConnected());
        m_manager = std::make_unique<QObject>();
        new FakeManager(m_manager.get());
        m_block = std::make_unique<QObject>();
        new FakeBlock(m_block.get(), &disk);
        new FakeFilesystem(m_block.get(), &disk);
        m_manager->moveToThread(&m_serviceThread);
        m_block->moveToThread(&m_serviceThread);
        m_serviceThread.start();
        ASSERT_TRUE(service.registerObject(u"/org/freedesktop/UDisks2/Manager"_s, m_manager.get(),
                                           QDBusConnection::ExportAdaptors));
        ASSERT_TRUE(service.registerObject(u"/org/freedesktop/UDisks2/block_devices/sdd1"_s, m_block.get(),
                                           QDBusConnection::ExportAdaptors));
        ASSERT_TRUE(service.registerService(u"org.freedesktop.UDisks2"_s));

        m_client = u"fake-udisks-client"_s;
        ASSERT_TRUE(QDBusConnection::connectToBus(address, m_client).isConnected());
        card.mountPath = u"/media/user/CAM"_s;
        card.device = u"/dev/sdd1"_s;
        card.fileSystemType = u"vfat"_s;
        card.label = u"CAM"_s;
    }

    void TearDown() override
    {
        if (m_serviceThread.isRunning()) {
            QDBusConnection::disconnectFromBus(disk.busName);
            QDBusConnection::disconnectFromBus(m_client);
            // Back to this thread, so that they end where they are deleted.
            QThread *here = QThread::currentThread();
            for (QObject *object : {m_manager.get(), m_block.get()}) {
                QMetaObject::invokeMethod(
                    object, [object, here] { object->moveToThread(here); }, Qt::BlockingQueuedConnection);
            }
            m_serviceThread.quit();
            m_serviceThread.wait();
        }
        m_manager.reset();
        m_block.reset();
        if (m_daemon.state() != QProcess::NotRunning) {
            m_daemon.kill();
            m_daemon.waitForFinished();
        }
    }

    UdisksCardReformatter reformatter() const { return UdisksCardReformatter(QDBusConnection(m_client)); }
    QStringList calls()
    {
        const QMutexLocker lock(&disk.mutex);
        return disk.calls;
    }

    FakeDisk disk;
    CardReformatPlan card;

private:
    QTemporaryDir m_socketFolder;
    QProcess m_daemon;
    QThread m_serviceThread;
    std::unique_ptr<QObject> m_manager;
    std::unique_ptr<QObject> m_block;
    QString m_client;
};

TEST_F(UdisksCardReformatterTest, FindsTheServiceAndTheLabel)
{
    EXPECT_TRUE(reformatter().isAvailable());
    EXPECT_EQ(reformatter().labelOf(u"/dev/sdd1"_s), u"CAM"_s);
    EXPECT_EQ(reformatter().labelOf(u"/dev/sdz9"_s), QString());
    // Without a bus there is no service to ask.
    EXPECT_FALSE(UdisksCardReformatter(QDBusConnection(u"no-such-connection"_s)).isAvailable());
}

TEST_F(UdisksCardReformatterTest, UnmountsFormatsWithTheSameTypeAndLabelAndMountsAgain)
{
    QString error;
    ASSERT_TRUE(reformatter().reformat(card, &error)) << error.toStdString();
    EXPECT_EQ(calls(), QStringList({u"Unmount"_s, u"Format vfat label=CAM"_s, u"Mount"_s}));

    // An ext card is handed to the user who asked, as the old one was.
    card.fileSystemType = u"ext4"_s;
    ASSERT_TRUE(reformatter().reformat(card, &error)) << error.toStdString();
    EXPECT_EQ(calls().at(4), u"Format ext4 label=CAM take-ownership=true"_s);
}

TEST_F(UdisksCardReformatterTest, LeavesAVolumeAloneThatIsNoLongerMountedThere)
{
    {
        const QMutexLocker lock(&disk.mutex);
        disk.mountPoints.clear();
    }
    QString error;
    EXPECT_FALSE(reformatter().reformat(card, &error));
    EXPECT_TRUE(error.contains(u"no longer mounted"_s)) << error.toStdString();
    card.device = u"/dev/sdz9"_s;
    EXPECT_FALSE(reformatter().reformat(card, &error));
    EXPECT_TRUE(calls().isEmpty());
}

TEST_F(UdisksCardReformatterTest, AFailedFormatIsReportedAndTheCardMountedAgain)
{
    {
        const QMutexLocker lock(&disk.mutex);
        disk.formatFails = true;
    }
    QString error;
    EXPECT_FALSE(reformatter().reformat(card, &error));
    EXPECT_TRUE(error.contains(u"device busy"_s)) << error.toStdString();
    EXPECT_EQ(calls(), QStringList({u"Unmount"_s, u"Format vfat label=CAM"_s, u"Mount"_s}));
}
} // namespace

#include "UdisksCardReformatterTest.moc"
