/*
 * framemeter: measures a GLUT program's frame rate and CPU use from outside.
 *
 * Preloaded into an unchanged program (LD_PRELOAD), it counts the program's
 * buffer swaps. FRAMEMETER_AFTER seconds (default 0) after the first swap it
 * measures FRAMEMETER_SECONDS (default 10) of wall time, then prints the
 * frames per second, the CPU time as a share of one core and the voluntary
 * context switches (one per sleep), and ends the program.
 */
#define _GNU_SOURCE
#include <GL/glx.h>
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

static double seconds_now(void) {
  struct timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return ts.tv_sec + ts.tv_nsec / 1e9;
}

static double cpu_seconds(const struct rusage* u) {
  return u->ru_utime.tv_sec + u->ru_utime.tv_usec / 1e6 + u->ru_stime.tv_sec +
         u->ru_stime.tv_usec / 1e6;
}

void glXSwapBuffers(Display* display, GLXDrawable drawable) {
  static void (*real)(Display*, GLXDrawable);
  static long frames = -1;
  static double first, after, start, duration;
  static struct rusage startUsage;

  if (!real) {
    real = (void (*)(Display*, GLXDrawable))dlsym(RTLD_NEXT, "glXSwapBuffers");
    const char* env = getenv("FRAMEMETER_SECONDS");
    duration = env ? atof(env) : 10.0;
    const char* wait = getenv("FRAMEMETER_AFTER");
    after = wait ? atof(wait) : 0.0;
    first = seconds_now();
  }
  real(display, drawable);

  if (frames < 0) {
    if (seconds_now() - first < after) return;
    start = seconds_now();
    getrusage(RUSAGE_SELF, &startUsage);
  }
  frames++;
  double elapsed = seconds_now() - start;
  if (elapsed < duration) return;

  struct rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  double cpu = cpu_seconds(&usage) - cpu_seconds(&startUsage);
  fprintf(stderr,
          "framemeter: %ld frames in %.3f s = %.2f frames per second; "
          "CPU %.3f s = %.1f%% of one core; %ld voluntary context switches\n",
          frames, elapsed, frames / elapsed, cpu, 100.0 * cpu / elapsed,
          usage.ru_nvcsw - startUsage.ru_nvcsw);
  fflush(stderr);
  _exit(0);
}
