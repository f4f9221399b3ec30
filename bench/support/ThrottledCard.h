#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <sys/types.h>

// A memory card as slow as a real one, for cold-cache figures: an ext4 image on a loop device,
// mounted in a temporary folder, whose reads by this process (and the processes it starts) are
// throttled to a card reader's speed through the cgroup v1 block I/O controller. dropCaches()
// empties the page cache so that the next read goes to the "card". Everything is set up by the
// constructor and torn down by the destructor (the process leaves the group, the group is
// removed, the image unmounted and detached), also when a benchmark stops half way; a card that
// could not be set up says why (skipReason()) and has nothing left behind.
//
// It needs root, a cgroup v1 "blkio" hierarchy, losetup and mkfs.ext4; dropping the page cache
// slows every program of the machine for a moment, so benchmarks use it only when asked.
//
//     ThrottledCard card;
//     if (!card.isReady()) { state.SkipWithError(card.skipReason().toUtf8()); return; }
//     card.placeSparse(recording, "DCIM/20261207_081500_F.avi");
//     card.dropCaches();
//     const ThrottledCard::IoCounts before = ThrottledCard::ioOf(::getpid());
//     ... open card.mountPath() + "/DCIM/..." ...
class ThrottledCard
{
public:
    // What a card in a USB reader gives: 60 MB/s.
    static constexpr qint64 kCardReadBytesPerSecond = 60 * 1024 * 1024;

    struct Options
    {
        // The image's size: the file system's room, not its disk use (the image is sparse).
        qint64 imageBytes = qint64(2) * 1024 * 1024 * 1024;
        qint64 readBytesPerSecond = kCardReadBytesPerSecond;
        // Where the image and the mount folder go; the system's temporary folder when empty.
        QString parentFolder;
    };

    ThrottledCard();
    explicit ThrottledCard(const Options &options);
    ~ThrottledCard();
    ThrottledCard(const ThrottledCard &) = delete;
    ThrottledCard &operator=(const ThrottledCard &) = delete;

    bool isReady() const { return m_ready; }
    // Why the card is not there ("needs root", the step that failed and its message).
    QString skipReason() const { return m_skipReason; }
    // The card's root folder.
    QString mountPath() const { return m_mountPath; }
    // The loop device ("/dev/loop3") and its "major:minor".
    QString devicePath() const { return m_device; }
    QString deviceNumbers() const { return m_deviceNumbers; }

    // Writes everything out and empties the whole machine's page cache; false when it could not.
    bool dropCaches() const;
    // Copies SOURCE to RELATIVE_PATH on the card (folders made as needed), keeping its holes: a
    // sparse recording stays sparse on the card. False when it could not.
    bool placeSparse(const QString &source, const QString &relativePath) const;

    // What process PID has read so far: RCHAR every byte its reads returned (page cache included),
    // READ_BYTES what came from a storage device. With CHILDREN, its living descendants' counts
    // are added (a finished child's counts are already in its parent's once it was waited for).
    // -1 when /proc does not say.
    struct IoCounts
    {
        qint64 rchar = -1;
        qint64 readBytes = -1;
    };
    static IoCounts ioOf(pid_t pid, bool children = true);

private:
    void setUp(const Options &options);
    void tearDown();
    bool fail(const QString &reason);

    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_image;
    QString m_mountPath;
    QString m_device;
    QString m_deviceNumbers;
    QString m_group;
    bool m_mounted = false;
    bool m_joined = false;
    bool m_ready = false;
    QString m_skipReason;
};
