// The help desk: a console simulation in which every prompt is one minute.
// Normal requests wait at the back of the line, emergencies go to its front;
// the desk serves one request at a time and never interrupts it.
#pragma once

#include <cstdint>
#include <string>

#include "deque.h"

// One request for help; in the request in service, `minutes` is the time left.
struct Request {
  std::string className;
  std::string studentName;
  int32_t minutes;
  bool emergency;
};

// Writes the request's service line to standard output.
void display(const Request& request);

// Reads a student name and minutes from standard input and appends the request.
void addNormalRequest(Deque<Request>& deque, const std::string& className);

// Reads a class, a student name and minutes from standard input and puts the
// emergency at the front of the line.
void addEmergencyRequest(Deque<Request>& deque);

// Runs the simulation on standard input and output until "finished" or the end
// of input. Throws a `const char *` message beginning "ERROR: " when the input
// ends inside a request or a minutes item is not an integer.
void quessa();
