/* Runs a program and reports its peak resident memory on the error stream:
 *     quessa_peak_run PROGRAM [ARG ...]   ->   "peak_rss_kib N"
 * Kept in C and tiny: a child's peak includes what its parent held when the
 * child was made, so the launcher must be smaller than any program it measures.
 * Exits with the program's status. */
#include <stdio.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv) {
  if (argc < 2) {
    fprintf(stderr, "usage: quessa_peak_run PROGRAM [ARG ...]\n");
    return 2;
  }
  pid_t child = fork();
  if (child == 0) {
    execv(argv[1], argv + 1);
    perror("ERROR: cannot start the program");
    _exit(127);
  }
  int status = 0;
  struct rusage usage;
  if (child < 0 || wait4(child, &status, 0, &usage) < 0) {
    perror("ERROR: cannot run the program");
    return 2;
  }
  fprintf(stderr, "peak_rss_kib %ld\n", usage.ru_maxrss);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
