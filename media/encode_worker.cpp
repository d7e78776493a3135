#include "media/encode_worker.h"

namespace xc {

EncodeWorker::EncodeWorker(FrameWriter& writer) : m_writer(writer), m_thread([this] { run(); })
{
}

EncodeWorker::~EncodeWorker()
{
    stop(true);
}

bool EncodeWorker::push(QImage frame)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_queue.size() < kQueueDepth || m_failed; });
    if (m_failed)
        return false;
    m_queue.push_back(std::move(frame));
    m_changed.notify_all();
    return true;
}

Status EncodeWorker::stop(bool dropPending)
{
    {
        std::lock_guard lock(m_mutex);
        if (dropPending)
            m_queue.clear();
        m_stopping = true;
        m_changed.notify_all();
    }
    if (m_thread.joinable())
        m_thread.join();
    std::lock_guard lock(m_mutex);
    return m_status;
}

qint64 EncodeWorker::framesWritten() const
{
    std::lock_guard lock(m_mutex);
    return m_written;
}

void EncodeWorker::run()
{
    std::unique_lock lock(m_mutex);
    while (true) {
        m_changed.wait(lock, [this] { return !m_queue.empty() || m_stopping; });
        if (m_queue.empty())
            return;
        // The frame stays queued while it is written, so the queue bounds the frames held.
        const QImage frame = m_queue.front();
        lock.unlock();
        Status written = m_writer.writeFrame(frame);
        lock.lock();
        if (!m_queue.empty())
            m_queue.pop_front();
        if (!written.ok()) {
            m_status = written;
            m_failed = true;
            m_queue.clear();
        } else {
            ++m_written;
        }
        m_changed.notify_all();
        if (m_failed)
            return;
    }
}

}  // namespace xc
