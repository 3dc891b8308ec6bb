// The menu movies made on a thread of their own while the last videos are
// converted: they need only the videos' thumbnails, names and order.
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

#include "pipeline/Stages.h"

class MenuWorker {
  public:
    // Takes the videos as the menus will show them; makes nothing yet.
    explicit MenuWorker(JobContext& job);
    // Stops a making still running and waits for it; movies not handed out
    // by Finish are removed.
    ~MenuWorker();
    MenuWorker(const MenuWorker&) = delete;
    MenuWorker& operator=(const MenuWorker&) = delete;

    // Begins the making on its own thread; later calls do nothing. Any thread.
    void Start();
    // Starts the making if it has not begun and waits for its end: Done with
    // the movies, Failed (the job failed with the reason), or Aborted when
    // the job was. On the job's thread.
    StageOutcome Finish(MenuMovies& movies);

  private:
    // Waits for the making, if it was started.
    void Join();

    JobContext& job_;
    const MediaList videos_;
    std::mutex starting_;
    bool started_ = false;  // under starting_
    std::atomic<bool> stop_{false};
    MenuMovies movies_;               // written by the thread, read after it ended
    platform::Result<void> outcome_;  // likewise
    bool handedOut_ = false;
    std::thread thread_;
};
