#include "media/serial_painting.h"

#include <QSemaphore>
#include <QThread>
#include <QThreadPool>

namespace xc {

void paintSerially(const std::function<void()>& paint)
{
    QThreadPool* pool = QThreadPool::globalInstance();
    if (pool->contains(QThread::currentThread())) {
        paint();
        return;
    }
    QSemaphore done;
    pool->start([&] {
        paint();
        done.release();
    });
    done.acquire();
}

}  // namespace xc
