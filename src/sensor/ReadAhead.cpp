#include "ReadAhead.h"

ReadAhead::ReadAhead(QIODevice &device, qint64 size, qsizetype blockBytes)
    : m_device(device), m_size(size), m_blockBytes(blockBytes),
      m_threaded(size >= qint64(blockBytes) * kThreadedFromBlocks)
{
    m_slots.resize(m_threaded ? kSlots : 1);
    for (Slot &slot : m_slots) {
        slot.memory.resize(std::size_t(kPrefixBytes + blockBytes));
    }
    if (m_threaded) {
        m_thread = std::thread(&ReadAhead::readLoop, this);
    }
}

ReadAhead::~ReadAhead()
{
    if (m_thread.joinable()) {
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }
}

bool ReadAhead::fill(Slot &slot)
{
    slot.length = 0;
    while (slot.length < m_blockBytes && m_read < m_size) {
        const qint64 wanted = qMin<qint64>(m_blockBytes - slot.length, m_size - m_read);
        const qint64 got = m_device.read(slot.memory.data() + kPrefixBytes + slot.length, wanted);
        if (got <= 0) {
            m_short = true;
            break;
        }
        slot.length += qsizetype(got);
        m_read += got;
    }
    return slot.length > 0;
}

void ReadAhead::readLoop()
{
    for (std::size_t index = 0;; index = (index + 1) % m_slots.size()) {
        Slot &slot = m_slots[index];
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [&] { return m_stop || !slot.filled; });
            if (m_stop) {
                return;
            }
        }
        // The slot is free: only this thread touches it until it is marked filled.
        const bool more = fill(slot);
        {
            std::lock_guard lock(m_mutex);
            slot.filled = true;
            if (!more) {
                m_finished = true;
            }
        }
        m_changed.notify_all();
        if (!more) {
            return;
        }
    }
}

ReadAhead::Block ReadAhead::next()
{
    if (!m_threaded) {
        Slot &slot = m_slots.front();
        fill(slot);
        return {slot.memory.data() + kPrefixBytes, slot.length};
    }
    std::unique_lock lock(m_mutex);
    if (m_current >= 0) {
        m_slots[std::size_t(m_current)].filled = false;
        m_changed.notify_all();
    }
    m_current = (m_current + 1) % int(m_slots.size());
    Slot &slot = m_slots[std::size_t(m_current)];
    m_changed.wait(lock, [&] { return slot.filled || m_finished; });
    if (!slot.filled) {
        return {};
    }
    return {slot.memory.data() + kPrefixBytes, slot.length};
}

bool ReadAhead::isShort() const
{
    return m_short;
}
