// Runs a program as a child process with given standard input and collects
// what it writes, for tests of the real executables.
#pragma once

#include <string>
#include <vector>

struct ProgramResult {
  int exitStatus = -1;   // the exit status, or -1 when the program did not exit normally
  int signal = 0;        // the signal that ended the program, or 0
  bool timedOut = false; // killed after the time limit
  std::string out;       // everything written to standard output
  std::string err;       // everything written to the error stream
};

// Starts `path` with the argument vector `argv` (argv[0] included; it may be
// empty), feeds `input` to its standard input and closes it, and waits at most
// `timeoutSeconds` for it to end.
ProgramResult runProgram(const std::string& path, const std::vector<std::string>& argv,
                         const std::string& input, double timeoutSeconds = 10.0);

// The same with argv = { path }.
ProgramResult runProgram(const std::string& path, const std::string& input,
                         double timeoutSeconds = 10.0);
