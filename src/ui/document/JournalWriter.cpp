#include "ui/document/JournalWriter.h"

#include "base/Errors.h"
#include "base/FileIO.h"

#include <filesystem>

JournalWriter::JournalWriter(std::string path, Done done)
    : FPath(std::move(path)), FDone(std::move(done)), FThread([this] { Run(); }) {}

JournalWriter::~JournalWriter() {
    {
        std::lock_guard lock(FMutex);
        FStop = true;
    }
    FWake.notify_one();
    FThread.join();
}

void JournalWriter::Write(std::string bytes, std::uint64_t tag) { Post({std::move(bytes), tag}); }

void JournalWriter::Remove() { Post({}); }

void JournalWriter::Post(Task task) {
    {
        std::lock_guard lock(FMutex);
        FPending = std::move(task);
    }
    FWake.notify_one();
}

bool JournalWriter::Busy() const {
    std::lock_guard lock(FMutex);
    return FPending || FRunning;
}

void JournalWriter::Wait() const {
    std::unique_lock lock(FMutex);
    FIdle.wait(lock, [this] { return !FPending && !FRunning; });
}

void JournalWriter::Run() {
    std::unique_lock lock(FMutex);
    for (;;) {
        FWake.wait(lock, [this] { return FStop || FPending; });
        if (!FPending) return;
        const Task task = std::move(*FPending);
        FPending.reset();
        FRunning = true;
        lock.unlock();
        const bool ok = Perform(task);
        FDone(task.bytes.has_value(), ok, task.tag);
        lock.lock();
        FRunning = false;
        FIdle.notify_all();
    }
}

bool JournalWriter::Perform(const Task& task) const {
    std::error_code error;
    if (!task.bytes) {
        std::filesystem::remove(FPath, error);
        return !error;
    }
    std::filesystem::create_directories(std::filesystem::path(FPath).parent_path(), error);
    try {
        return FileIO::ReplaceFile(FPath, *task.bytes);
    } catch (const Exception&) {
        return false;
    }
}
