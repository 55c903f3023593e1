// The recovery journal's worker: one thread that writes the recovery file
// (atomically, as every save) or removes it, so that the disk never holds up
// the window. It holds at most one task besides the one it is doing; a new
// task replaces one not yet started, so a burst of changes costs one write.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

class JournalWriter {
public:
    // Called on the writer's thread after each task: whether it wrote (or
    // removed), whether it succeeded, and the tag a write was given.
    using Done = std::function<void(bool wrote, bool ok, std::uint64_t tag)>;

    JournalWriter(std::string path, Done done);
    // Does what is still to do, then ends the thread.
    ~JournalWriter();
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;

    void Write(std::string bytes, std::uint64_t tag);
    void Remove();
    // A task is waiting or being done.
    bool Busy() const;
    // Until every task is done.
    void Wait() const;

private:
    struct Task {
        std::optional<std::string> bytes;  // none: remove the file
        std::uint64_t tag = 0;
    };
    void Post(Task task);
    void Run();
    bool Perform(const Task& task) const;

    const std::string FPath;
    const Done FDone;
    mutable std::mutex FMutex;
    std::condition_variable FWake;
    mutable std::condition_variable FIdle;
    std::optional<Task> FPending;
    bool FRunning = false;
    bool FStop = false;
    std::thread FThread;
};
