#include "ui/document/WorkerThread.h"

WorkerThread::WorkerThread(std::function<void()> idle) : FIdleHook(std::move(idle)), FThread([this] { Run(); }) {}

WorkerThread::~WorkerThread() {
    {
        std::lock_guard lock(FMutex);
        FStop = true;
    }
    FWake.notify_one();
    FThread.join();
}

void WorkerThread::Post(Task task) {
    {
        std::lock_guard lock(FMutex);
        FPending = std::move(task);
    }
    FWake.notify_one();
}

bool WorkerThread::Busy() const {
    std::lock_guard lock(FMutex);
    return FPending || FRunning;
}

void WorkerThread::Wait() const {
    std::unique_lock lock(FMutex);
    FIdle.wait(lock, [this] { return !FPending && !FRunning; });
}

void WorkerThread::Run() {
    std::unique_lock lock(FMutex);
    for (;;) {
        FWake.wait(lock, [this] { return FStop || FPending; });
        if (!FPending) return;
        const Task task = std::move(*FPending);
        FPending.reset();
        FRunning = true;
        lock.unlock();
        task();
        lock.lock();
        FRunning = false;
        FIdle.notify_all();
        if (FIdleHook) {
            lock.unlock();
            FIdleHook();
            lock.lock();
        }
    }
}
