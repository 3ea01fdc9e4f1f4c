#include "quessa.h"

#include <cerrno>
#include <cstdlib>
#include <iostream>

namespace {

const char* const HELP_TEXT =
    "Every prompt is one minute.  The following input is accepted:\n"
    "\t<class> <name> <#minutes>    : a normal help request\n"
    "\t!! <class> <name> <#minutes> : an emergency help request\n"
    "\tnone                         : no new request this minute\n"
    "\tfinished                     : end simulation\n";
const char* const CLOSING_LINE = "End of simulation\n";

const char* const EMERGENCY = "!!";
const char* const NO_REQUEST = "none";
const char* const FINISHED = "finished";

const char* const NO_CLASS = "ERROR: input ended where a class name was expected";
const char* const NO_NAME = "ERROR: input ended where a student name was expected";
const char* const NO_MINUTES = "ERROR: input ended where the number of minutes was expected";
const char* const BAD_MINUTES = "ERROR: expected the number of minutes as a whole number";

// The next word of standard input; throws `missing` when the input has ended.
std::string readWord(const char* missing) {
  std::string word;
  if (!(std::cin >> word)) throw missing;
  return word;
}

// The next item of standard input, which must be a whole number that fits.
// The whole word must be digits: a NUL byte inside it ends no number early.
int32_t readMinutes() {
  std::string word = readWord(NO_MINUTES);
  const char* const wordEnd = word.c_str() + word.size();
  char* end = nullptr;
  errno = 0;
  long value = std::strtol(word.c_str(), &end, 10);
  if (end == word.c_str() || end != wordEnd || errno == ERANGE || value < INT32_MIN ||
      value > INT32_MAX)
    throw BAD_MINUTES;
  return static_cast<int32_t>(value);
}

// The request in service loses a minute, or the desk takes the next one.
void serve(Deque<Request>& line, Request& current) {
  if (current.minutes >= 2) {
    --current.minutes;
  } else if (!line.empty()) {
    current = line.front();
    line.pop_front();
  } else {
    current.minutes = 0;
  }
}

}  // namespace

void display(const Request& request) {
  std::cout << (request.emergency ? "\tEmergency for " : "\tCurrently serving ")
            << request.studentName << " for class " << request.className << ". "
            << "Time left: " << request.minutes << std::endl;
}

void addNormalRequest(Deque<Request>& deque, const std::string& className) {
  Request request;
  request.className = className;
  request.studentName = readWord(NO_NAME);
  request.minutes = readMinutes();
  request.emergency = false;
  deque.push_back(request);
}

void addEmergencyRequest(Deque<Request>& deque) {
  Request request;
  request.className = readWord(NO_CLASS);
  request.studentName = readWord(NO_NAME);
  request.minutes = readMinutes();
  request.emergency = true;
  deque.push_front(request);
}

void quessa() {
  std::cout << HELP_TEXT;
  std::string command;
  int32_t minute = 0;
  Deque<Request> line;
  Request current;
  current.minutes = 0;
  current.emergency = false;

  for (;; ++minute) {
    std::cout << "<" << minute << "> ";
    if (!(std::cin >> command) || command == FINISHED) break;  // end of input ends the run too
    if (command == EMERGENCY) addEmergencyRequest(line);
    else if (command != NO_REQUEST) addNormalRequest(line, command);
    serve(line, current);
    if (current.minutes > 0) display(current);
  }
  std::cout << CLOSING_LINE;
}
