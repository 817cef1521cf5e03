#include "child_process.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>

namespace zunpa::testing {

int ExitOfChild(const std::function<int()>& body) {
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid == 0) _exit(body());
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

void FillTheDisk() {
  std::signal(SIGXFSZ, SIG_IGN);
  const rlimit none{0, 0};
  setrlimit(RLIMIT_FSIZE, &none);
}

}  // namespace zunpa::testing
