#pragma once
// Long sums for the newest input only, off the window's thread: Start runs
// a job on a thread of its own and cancels the job before it (its cancel
// flag turns true); a job's result is handed back on the window's thread
// only when no newer job was started meanwhile, so a stale result never
// shows. Destroying the object cancels and waits for every job.

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QThread;

class LatestOnly : public QObject {
    Q_OBJECT
public:
    // Hands a closure to the window's thread, where it runs unless a newer
    // job has started by then.
    using Post = std::function<void(std::function<void()>)>;
    // A job works out its result on its thread and returns what delivers it
    // on the window's thread; on the way it may Post partial results.
    using Job = std::function<std::function<void()>(const std::atomic<bool>& cancel, const Post& post)>;

    explicit LatestOnly(QObject* parent = nullptr);
    ~LatestOnly() override;

    void Start(Job job);
    // Cancels the running job, if any; its result is dropped.
    void Cancel();
    bool Running() const { return !threads_.empty(); }

private:
    std::vector<QThread*> threads_;
    std::shared_ptr<std::atomic<bool>> cancel_;
    unsigned long long generation_ = 0;
};
