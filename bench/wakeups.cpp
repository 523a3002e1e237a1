// Counts how often processes wake while they wait, for the Windows benchmark.
// Under Wine every request to the Wine server and every X round trip blocks
// the thread that makes it, so one wake-up (a timer, then a repaint) shows
// as a dozen context switches. A wake-up here is a run of context switches
// with at least QUIET_MS of silence before it, sampled every 10 ms from
// /proc/PID/task/*/status.
//   wakeups SECONDS QUIET_MS PID...
// prints one line a process: PID, context switches, wake-ups.
#include <dirent.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

// Voluntary and involuntary switches summed over the process's threads.
long long switches(const std::string& pid) {
  long long sum = 0;
  const std::string tasks = "/proc/" + pid + "/task";
  DIR* dir = opendir(tasks.c_str());
  if (!dir) return -1;
  while (dirent* entry = readdir(dir)) {
    if (entry->d_name[0] == '.') continue;
    std::ifstream status(tasks + "/" + entry->d_name + "/status");
    std::string key;
    long long value = 0;
    while (status >> key) {
      if (key == "voluntary_ctxt_switches:" || key == "nonvoluntary_ctxt_switches:") {
        status >> value;
        sum += value;
      }
    }
  }
  closedir(dir);
  return sum;
}

struct Watched {
  std::string pid;
  long long first = -1;
  long long last = -1;
  long long wakeups = 0;
  std::chrono::steady_clock::time_point lastChange;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: wakeups SECONDS QUIET_MS PID...\n");
    return 2;
  }
  const auto seconds = std::chrono::seconds(std::atoi(argv[1]));
  const auto quiet = std::chrono::milliseconds(std::atoi(argv[2]));
  const auto start = std::chrono::steady_clock::now();
  std::vector<Watched> watched;
  for (int i = 3; i < argc; ++i) {
    Watched w;
    w.pid = argv[i];
    w.first = w.last = switches(w.pid);
    w.lastChange = start - quiet;
    watched.push_back(w);
  }
  auto next = start;
  while (std::chrono::steady_clock::now() - start < seconds) {
    next += std::chrono::milliseconds(10);
    std::this_thread::sleep_until(next);
    const auto now = std::chrono::steady_clock::now();
    for (Watched& w : watched) {
      const long long count = switches(w.pid);
      if (count < 0 || count == w.last) continue;
      if (now - w.lastChange >= quiet) ++w.wakeups;
      w.last = count;
      w.lastChange = now;
    }
  }
  for (const Watched& w : watched) std::printf("%s %lld %lld\n", w.pid.c_str(), w.last - w.first, w.wakeups);
  return 0;
}
