// Cold figures: work timed in a fresh process. The benchmark program starts itself again with a
// flag; the child runs one registered task and writes its figures to the parent through a pipe.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace bench {

// A task a child runs: takes the arguments after the flag, returns its figures.
using ColdTask = std::function<std::vector<double>(const std::vector<std::string>&)>;

// Registers a task under a flag (at load time, so that the child finds it too).
struct AddColdTask {
  AddColdTask(const std::string& flag, ColdTask task);
};

// When argv names a registered flag, runs its task, writes its figures to stdout and returns the
// exit status; otherwise nothing. Called first in main.
std::optional<int> run_cold_child(int argc, char** argv);

// Runs the task of a flag in a fresh copy of this program; its figures, or empty on failure.
// The child starts on memory the machine has backed (see back_free_memory).
std::vector<double> run_in_child(const std::string& flag, const std::vector<std::string>& args);

// The thread's CPU time in seconds, system time (page faults) included.
double thread_seconds();

// Touches and frees 256 MiB of fresh memory (more than a cold task of 1 000 000 elements takes),
// so that a child started right after gets pages the machine has backed. A virtual machine that
// takes back memory left free for a second or two (free page reporting) charges the next process
// for backing it again, at a fraction of the speed the kernel clears pages; a process on a
// machine of its own never pays that.
void back_free_memory();

// The rate, in GB/s, at which the kernel clears fresh memory the machine has backed, measured in
// this process: the floor of what a first fill pays beyond a warm one.
double clear_rate_gb_s();

// The middle value (the mean of the two middle ones for an even count); NaN when empty.
double median(std::vector<double> values);

}  // namespace bench
