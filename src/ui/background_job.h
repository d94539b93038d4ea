#pragma once

#include <QObject>

#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <stop_token>
#include <thread>

// Runs a window's long work away from the window's thread, one request at a
// time. A request is a function over copies of what it works on: it runs on
// a worker thread of its own, watches a stop token, and reaches the window
// only through what it posts back, which runs on the window's thread and only
// while the request is still the newest. A new request asks the running one
// to stop and starts once it has ended; a request still waiting is replaced.
// Nothing on the worker touches a widget, and a failure on the worker comes
// home as failed() instead of ending the program.
class BackgroundJob : public QObject {
    Q_OBJECT

  public:
    // Runs on the window's thread.
    using Delivery = std::function<void()>;

    // What the work sees of its request while it runs on the worker.
    class Worker {
      public:
        std::stop_token stopToken() const { return stop_; }
        bool stopRequested() const { return stop_.stop_requested(); }
        // Lets the window know that the work has moved on: progressed() is
        // emitted there, at most every 50 ms, so that a fast worker never
        // floods the window.
        void progress() const;
        // Runs `delivery` on the window's thread, unless a newer request or a
        // cancel has come meanwhile.
        void post(Delivery delivery) const;

      private:
        friend class BackgroundJob;
        Worker(BackgroundJob* job, std::uint64_t request, std::stop_token stop)
            : job_(job), request_(request), stop_(std::move(stop)) {}

        BackgroundJob* job_;
        std::uint64_t request_;
        std::stop_token stop_;
        // Nanoseconds on the steady clock; the work may report from several threads.
        mutable std::atomic<std::int64_t> lastProgress_{0};
    };

    // The work of one request: returns what to do with its result on the
    // window's thread.
    using Work = std::function<Delivery(const Worker&)>;

    explicit BackgroundJob(QObject* parent = nullptr);
    // Asks the running work to stop and waits for it.
    ~BackgroundJob() override;

    void request(Work work);
    // Asks the running work to end early; what it delivers still reaches the
    // window.
    void stop();
    // Asks the running work to stop; nothing of it reaches the window any more.
    void cancel();
    // Whether a request is running or waiting whose result is still wanted.
    bool busy() const { return busy_; }

  signals:
    void progressed();
    // The newest request's work threw instead of returning.
    void failed(std::exception_ptr failure);

  private:
    void startWaiting();
    void workerEnded(std::uint64_t request, const Delivery& delivery);
    bool isNewest(std::uint64_t request) const { return request == newest_; }

    std::uint64_t newest_ = 0; // numbers the requests
    bool busy_ = false;
    Work waiting_;
    std::uint64_t waitingRequest_ = 0;
    // Last, so that it is joined before anything it uses goes.
    std::jthread worker_;
};
