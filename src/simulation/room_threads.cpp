#include "simulation/room_threads.h"

#include <algorithm>

namespace simulation {

void RoomThreads::Progress::Month(int month) {
  {
    std::lock_guard lock(owner_.mutex_);
    owner_.rooms_[static_cast<std::size_t>(room_)].months.push_back(month);
  }
  owner_.changed_.notify_all();
}

bool RoomThreads::Progress::Stopped() const { return owner_.stop_.load(std::memory_order_relaxed); }

RoomThreads::RoomThreads(int rooms, int threads, Simulate simulate)
    : simulate_(std::move(simulate)), rooms_(static_cast<std::size_t>(std::max(rooms, 0))) {
  const int count = rooms > 0 ? std::clamp(threads, 1, rooms) : 0;
  threads_.reserve(static_cast<std::size_t>(count));
  for (int t = 0; t < count; ++t) threads_.emplace_back([this, t] { Work(t); });
}

RoomThreads::~RoomThreads() { Stop(); }

void RoomThreads::Work(int thread) {
  for (;;) {
    if (stop_.load(std::memory_order_relaxed)) return;
    const int room = next_.fetch_add(1);
    if (room >= static_cast<int>(rooms_.size())) return;
    Progress progress(*this, room);
    bool ok = false;
    try {
      ok = simulate_(thread, room, progress);
    } catch (...) {
      ok = false;
    }
    {
      std::lock_guard lock(mutex_);
      auto& state = rooms_[static_cast<std::size_t>(room)];
      state.done = true;
      state.ok = ok;
    }
    changed_.notify_all();
  }
}

RoomThreads::Report RoomThreads::Next(int room) {
  std::unique_lock lock(mutex_);
  auto& state = rooms_.at(static_cast<std::size_t>(room));
  changed_.wait(lock, [&] { return state.taken < state.months.size() || state.done; });
  if (state.taken < state.months.size()) return {false, false, state.months[state.taken++]};
  return {true, state.ok, 0};
}

void RoomThreads::Stop() {
  stop_ = true;
  for (auto& t : threads_)
    if (t.joinable()) t.join();
}

}  // namespace simulation
