#include "media/ReadMediaFiles.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>

#include "engines/EngineLibraries.h"
#include "platform/DynamicLibrary.h"
#include "platform/Translation.h"

void ReadMediaFiles(const std::vector<std::string>& files, const std::string& programFolder,
                    std::size_t threads, const std::function<bool()>& stop,
                    const std::function<void(std::size_t, ProbeResult&&)>& onRead) {
    // The engine stays loaded from the first file to the last.
    const platform::DynamicLibrary engineKept(LocateEngineLibraries(programFolder).engine);
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::optional<ProbeResult>> results(files.size());
    std::size_t next = 0;  // the next file to start; files below it were started
    bool stopped = false;
    auto work = [&] {
        for (;;) {
            std::size_t index;
            {
                std::lock_guard lock(mutex);
                if (!stopped && stop && stop())
                    stopped = true;
                if (stopped || next >= files.size()) {
                    changed.notify_all();
                    return;
                }
                index = next++;
            }
            ProbeResult result;
            try {
                result = ReadMediaFile(files[index], programFolder);
            } catch (const std::exception& e) {
                result = RefusedFile(
                    files[index],
                    platform::FillIn(platform::Translate("MediaCheck", "it could not be read (%1)"),
                                     {e.what()}));
            }
            std::lock_guard lock(mutex);
            results[index] = std::move(result);
            changed.notify_all();
        }
    };
    std::vector<std::jthread> workers;
    for (std::size_t i = 0; i < std::clamp<std::size_t>(threads, 1, files.size()); ++i)
        workers.emplace_back(work);
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return results[i].has_value() || (stopped && i >= next); });
        if (!results[i])
            break;  // stopped before it was started
        ProbeResult result = std::move(*results[i]);
        results[i].reset();
        lock.unlock();
        onRead(i, std::move(result));
    }
}
