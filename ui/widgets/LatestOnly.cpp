#include "ui/widgets/LatestOnly.h"

#include <QThread>

#include <algorithm>

LatestOnly::LatestOnly(QObject* parent) : QObject(parent) {}

LatestOnly::~LatestOnly()
{
    Cancel();
    for (QThread* thread : threads_) {
        thread->wait();
        delete thread;
    }
}

void LatestOnly::Cancel()
{
    if (cancel_)
        *cancel_ = true;
    ++generation_;
}

void LatestOnly::Start(Job job)
{
    Cancel();
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    const unsigned long long generation = generation_;
    QThread* thread = QThread::create([this, job = std::move(job), cancel = cancel_, generation] {
        const Post post = [this, generation](std::function<void()> deliver) {
            QMetaObject::invokeMethod(
                this,
                [this, deliver = std::move(deliver), generation] {
                    if (generation == generation_ && deliver)
                        deliver();
                },
                Qt::QueuedConnection);
        };
        post(job(*cancel, post));
    });
    threads_.push_back(thread);
    connect(thread, &QThread::finished, this, [this, thread] {
        threads_.erase(std::remove(threads_.begin(), threads_.end(), thread), threads_.end());
        thread->deleteLater();
    });
    thread->start(QThread::LowPriority);
}
