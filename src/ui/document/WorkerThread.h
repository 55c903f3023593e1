// The thread that does a window's disk work for it (writing a file that
// follows the game, removing one), so that the disk never holds up the
// window. It holds at most one task besides the one it is doing; a new task
// replaces one not yet started, so a burst of changes costs one write. The
// recovery journal and the live results page each have one.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

class WorkerThread {
public:
    // Runs on the worker's thread; it reports its own outcome.
    using Task = std::function<void()>;

    // `idle` runs on the worker's thread after each task, once the worker
    // counts as no longer busy with it.
    explicit WorkerThread(std::function<void()> idle = {});
    // Does what is still to do, then ends the thread.
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    void Post(Task task);
    // A task is waiting or being done.
    bool Busy() const;
    // Until every task is done.
    void Wait() const;

private:
    void Run();

    const std::function<void()> FIdleHook;

    mutable std::mutex FMutex;
    std::condition_variable FWake;
    mutable std::condition_variable FIdle;
    std::optional<Task> FPending;
    bool FRunning = false;
    bool FStop = false;
    std::thread FThread;
};
