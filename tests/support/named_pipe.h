#pragma once
// A named pipe for tests of readers that must refuse one at once. Should a
// reader wait on it all the same, a writer opens and closes it after a grace
// period, again and again until the pipe goes, so the reader sees an empty
// file and the test fails instead of hanging.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace testsupport {

class NamedPipe {
 public:
  explicit NamedPipe(std::string path) : path_(std::move(path)) {
    made_ = mkfifo(path_.c_str(), 0644) == 0;
    guard_ = std::thread([this] {
      using namespace std::chrono_literals;
      std::unique_lock lock(mutex_);
      if (gone_.wait_for(lock, 2s, [this] { return done_; })) return;
      while (!gone_.wait_for(lock, 10ms, [this] { return done_; })) {
        int fd = open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) close(fd);
      }
    });
  }
  ~NamedPipe() {
    {
      std::lock_guard lock(mutex_);
      done_ = true;
    }
    gone_.notify_all();
    guard_.join();
    unlink(path_.c_str());
  }
  NamedPipe(const NamedPipe&) = delete;
  NamedPipe& operator=(const NamedPipe&) = delete;

  bool Made() const { return made_; }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  bool made_ = false;
  std::mutex mutex_;
  std::condition_variable gone_;
  bool done_ = false;
  std::thread guard_;
};

}  // namespace testsupport
