#include "bench/cold.h"

#include <spawn.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>

extern char** environ;

namespace bench {

namespace {

std::map<std::string, ColdTask>& tasks() {
  static std::map<std::string, ColdTask> t;
  return t;
}

constexpr std::size_t kBackedBytes = std::size_t{256} << 20;

// Maps bytes of fresh memory in large pages and has the kernel back all of it at once; nullptr
// when the system refuses.
void* populate(std::size_t bytes) {
  void* p = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (p == MAP_FAILED) return nullptr;
#ifdef MADV_HUGEPAGE
  madvise(p, bytes, MADV_HUGEPAGE);
#endif
#ifdef MADV_POPULATE_WRITE
  if (madvise(p, bytes, MADV_POPULATE_WRITE) == 0) return p;
#endif
  for (std::size_t at = 0; at < bytes; at += 4096)
    static_cast<volatile unsigned char*>(p)[at] = 1;
  return p;
}

}  // namespace

AddColdTask::AddColdTask(const std::string& flag, ColdTask task) {
  tasks()[flag] = std::move(task);
}

std::optional<int> run_cold_child(int argc, char** argv) {
  if (argc < 2) return std::nullopt;
  const auto it = tasks().find(argv[1]);
  if (it == tasks().end()) return std::nullopt;
  const std::vector<std::string> args(argv + 2, argv + argc);
  const std::vector<double> figures = it->second(args);
  for (double f : figures)
    std::printf("%.17g\n", f);
  std::fflush(stdout);
  return figures.empty() ? 1 : 0;
}

std::vector<double> run_in_child(const std::string& flag, const std::vector<std::string>& args) {
  back_free_memory();
  int pipe_ends[2];
  if (pipe(pipe_ends) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipe_ends[0]);
  posix_spawn_file_actions_addclose(&actions, pipe_ends[1]);
  std::vector<std::string> words = {"/proc/self/exe", flag};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& w : words)
    argv.push_back(w.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  const int spawned =
      posix_spawn(&child, "/proc/self/exe", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_ends[1]);
  std::string out;
  char buffer[256];
  ssize_t n;
  while ((n = read(pipe_ends[0], buffer, sizeof buffer)) > 0)
    out.append(buffer, static_cast<std::size_t>(n));
  close(pipe_ends[0]);
  if (spawned != 0) return {};
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return {};
  std::vector<double> figures;
  std::istringstream in(out);
  double f;
  while (in >> f)
    figures.push_back(f);
  return figures;
}

double thread_seconds() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void back_free_memory() {
  if (void* p = populate(kBackedBytes)) munmap(p, kBackedBytes);
}

double clear_rate_gb_s() {
  back_free_memory();
  const double start = thread_seconds();
  void* p = populate(kBackedBytes);
  const double seconds = thread_seconds() - start;
  if (p == nullptr) return std::nan("");
  munmap(p, kBackedBytes);
  return static_cast<double>(kBackedBytes) / seconds * 1e-9;
}

double median(std::vector<double> values) {
  if (values.empty()) return std::nan("");
  std::sort(values.begin(), values.end());
  const std::size_t mid = values.size() / 2;
  return values.size() % 2 != 0 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

}  // namespace bench
