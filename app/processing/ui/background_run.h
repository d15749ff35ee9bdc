#pragma once
// Long work of a window (a conversion, a workbook) on a worker thread, so the window keeps
// repainting and its progress bars move. The work must not touch widgets; its progress
// and its result come back on the window's thread. While one run is active the window
// keeps the buttons that could start another disabled.

#include <QObject>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

namespace kovu3 {

class BackgroundRun final : public QObject {
  public:
    using Progress = std::function<void(uint64_t done, uint64_t expected)>;

    explicit BackgroundRun(QObject* parent = nullptr) : QObject(parent) {}
    // Waits for a run still going: its result is then dropped.
    ~BackgroundRun() override {
        if (!thread_) return;
        thread_->wait();
        delete thread_;
    }
    BackgroundRun(const BackgroundRun&) = delete;
    BackgroundRun& operator=(const BackgroundRun&) = delete;

    bool running() const { return thread_ != nullptr; }

    // Runs `work` on a worker thread and `done` with its result here. `work` gets a progress
    // function that is safe to call from the worker, as often as it likes: only changes of
    // a thousandth reach `showProgress`, on this thread.
    template <typename Result>
    void start(std::function<Result(const Progress&)> work, std::function<void(Result)> done,
               Progress showProgress = {}) {
        if (thread_) return;
        auto shared = std::make_shared<Result>();
        auto lastPermille = std::make_shared<std::atomic<int>>(-1);
        Progress progress = [this, lastPermille, showProgress](uint64_t done, uint64_t expected) {
            if (!showProgress || expected == 0) return;
            const int permille =
                static_cast<int>(std::min<uint64_t>(done, expected) * 1000 / expected);
            if (lastPermille->exchange(permille) == permille) return;
            QMetaObject::invokeMethod(
                this, [showProgress, done, expected] { showProgress(done, expected); },
                Qt::QueuedConnection);
        };
        thread_ = QThread::create(
            [work = std::move(work), progress, shared] { *shared = work(progress); });
        connect(thread_, &QThread::finished, this, [this, shared, done = std::move(done)] {
            thread_->deleteLater();
            thread_ = nullptr;
            done(std::move(*shared));
        });
        thread_->start();
    }

  private:
    QThread* thread_ = nullptr;
};

}  // namespace kovu3
