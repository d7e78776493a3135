#pragma once

#include "core/result.h"
#include "media/frame_writer.h"

#include <QImage>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace xc {

// Writes frames on a thread of its own, so frame n is encoded while the caller composes n + 1.
// Frames are written in the order they are queued, so the output is the same as writing them
// on the caller's thread.
class EncodeWorker {
public:
    explicit EncodeWorker(FrameWriter& writer);
    ~EncodeWorker();
    EncodeWorker(const EncodeWorker&) = delete;
    EncodeWorker& operator=(const EncodeWorker&) = delete;

    // Queues the next frame, waiting while the queue is full. False once writing has failed.
    bool push(QImage frame);

    // Waits for the queued frames (all of them, or none when dropPending), then stops the
    // thread. Answers the first failure of the writer.
    Status stop(bool dropPending);

    qint64 framesWritten() const;

private:
    void run();

    static constexpr std::size_t kQueueDepth = 2;
    FrameWriter& m_writer;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<QImage> m_queue;
    bool m_stopping = false;
    bool m_failed = false;
    Status m_status = Status::success();
    qint64 m_written = 0;
    std::thread m_thread;
};

}  // namespace xc
