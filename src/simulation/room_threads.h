#pragma once
// Rooms simulated side by side: a few threads take the rooms in order, one
// room at a time each, and report each room's progress as it goes; the
// caller takes those reports room by room in room order, so what it makes of
// them (the run log, the zone files, which failure it reports) never depends
// on how many threads ran or which of them was faster.
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace simulation {

class RoomThreads {
 public:
  // What a room's simulation reports while it runs.
  class Progress {
   public:
    // A month of the room's year begins.
    void Month(int month);
    // The run has been stopped: the room is to be given up.
    bool Stopped() const;

   private:
    friend class RoomThreads;
    Progress(RoomThreads& owner, int room) : owner_(owner), room_(room) {}
    RoomThreads& owner_;
    int room_;
  };

  // Simulates room `room` (0 .. rooms - 1) on thread `thread` (0 .. threads
  // - 1, so each thread can keep a working state of its own); false when the
  // room failed or was given up. An exception counts as a failure.
  using Simulate = std::function<bool(int thread, int room, Progress& progress)>;

  // Starts min(threads, rooms) threads (at least one when there are rooms).
  RoomThreads(int rooms, int threads, Simulate simulate);
  // Stops the run and waits for the threads.
  ~RoomThreads();
  RoomThreads(const RoomThreads&) = delete;
  RoomThreads& operator=(const RoomThreads&) = delete;

  struct Report {
    bool done = false;  // the room has ended (ok tells how); otherwise a month began
    bool ok = false;
    int month = 0;
  };
  // Waits for the next report of `room` not taken yet: a month begun, in the
  // order they began, then the room's end.
  Report Next(int room);

  // Lets no further room begin, asks the running ones to give up and waits
  // for the threads.
  void Stop();

 private:
  struct RoomState {
    std::vector<int> months;  // months begun
    std::size_t taken = 0;    // months reported to the caller
    bool done = false, ok = false;
  };

  void Work(int thread);

  Simulate simulate_;
  std::vector<RoomState> rooms_;
  std::atomic<int> next_{0};
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::thread> threads_;
};

}  // namespace simulation
