// Runs a command and records its wall time and peak resident memory, as
// /usr/bin/time does, without needing that package:
//
//   run_measured RESULT_FILE COMMAND [ARGUMENTS...]
//
// The command inherits standard input, output and error. RESULT_FILE gets one
// line "WALL_SECONDS CPU_SECONDS PEAK_KIB EXIT_STATUS": CPU time is user plus
// system time, which other work on the machine disturbs less than wall time;
// the peak is the largest resident set of the command or of any process it
// waited for (such as the shell of a system() call). Exits with the command's exit status (128 + signal number
// when a signal ended it).
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

double seconds_now() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: run_measured RESULT_FILE COMMAND [ARGUMENTS...]\n");
    return 2;
  }
  const double started = seconds_now();
  const pid_t child = fork();
  if (child < 0) {
    std::fprintf(stderr, "run_measured: cannot start %s: %s\n", argv[2], std::strerror(errno));
    return 2;
  }
  if (child == 0) {
    execvp(argv[2], argv + 2);
    std::fprintf(stderr, "run_measured: cannot run %s: %s\n", argv[2], std::strerror(errno));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  while (wait4(child, &status, 0, &usage) < 0) {
    if (errno != EINTR) {
      std::fprintf(stderr, "run_measured: lost %s: %s\n", argv[2], std::strerror(errno));
      return 2;
    }
  }
  const double elapsed = seconds_now() - started;
  const int exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  const double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                     static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
  std::FILE* result = std::fopen(argv[1], "w");
  if (result == nullptr || std::fprintf(result, "%.3f %.3f %ld %d\n", elapsed, cpu, usage.ru_maxrss, exit_status) < 0 ||
      std::fclose(result) != 0) {
    std::fprintf(stderr, "run_measured: cannot write %s\n", argv[1]);
    return 2;
  }
  return exit_status;
}
