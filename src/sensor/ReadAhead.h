#pragma once

#include <QIODevice>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// Reads a device front to back in blocks of a fixed size. For large inputs a helper thread reads
// the next blocks while the caller works on the current one, so that scanning a recording costs
// little more than reading it; small inputs are read on the caller's thread. Memory is bounded by
// a few blocks, whatever the device's size. Each block has kPrefixBytes of spare room in front of
// it, where the caller may put the last bytes of the previous block to see both as one run.
class ReadAhead
{
public:
    static constexpr qsizetype kPrefixBytes = 256;

    struct Block
    {
        char *data = nullptr;
        qsizetype length = 0;
    };

    // Reads the first SIZE bytes of DEVICE (open, positioned at its start) in blocks of BLOCK_BYTES,
    // on a helper thread when SIZE is at least kThreadedFromBlocks blocks. DEVICE must not be used
    // by anyone else until this object is gone.
    ReadAhead(QIODevice &device, qint64 size, qsizetype blockBytes);
    ~ReadAhead();
    ReadAhead(const ReadAhead &) = delete;
    ReadAhead &operator=(const ReadAhead &) = delete;

    // The next block; an empty one at the end. The block returned before is given back and must
    // not be used any more.
    Block next();
    // True once the device delivered fewer bytes than SIZE.
    bool isShort() const;

    static constexpr int kThreadedFromBlocks = 8;

private:
    static constexpr int kSlots = 4;

    struct Slot
    {
        std::vector<char> memory;
        qsizetype length = 0;
        bool filled = false;
    };

    // Fills SLOT from the device; false at the end (nothing more to read, or a failed read).
    bool fill(Slot &slot);
    void readLoop();

    QIODevice &m_device;
    qint64 m_size;
    qint64 m_read = 0;
    qsizetype m_blockBytes;
    std::vector<Slot> m_slots;
    int m_current = -1;
    bool m_threaded;
    std::atomic<bool> m_short = false;
    bool m_finished = false;
    bool m_stop = false;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::thread m_thread;
};
