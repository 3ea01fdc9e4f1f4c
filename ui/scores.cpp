#include "scores.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

#include "picture.h"
#include "vexel.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const std::string KIT_FOLDER = "arcade-kit";
const std::string SCORES_SUFFIX = ".scores";
const char* const UNREADABLE = "unreadable";  // the name a file that cannot be read is moved aside with

// One line on the error stream.
void say(const std::string& line) { std::fprintf(stderr, "High scores: %s\n", line.c_str()); }

enum class Kept { FOUND, MISSING, UNREADABLE };

// ---------------------------------------------------------------------------
// Where the table is kept: a file natively, the page's storage in the browser.
// Each side gives readKept, Lock, keep and moveAside.
// ---------------------------------------------------------------------------
#ifdef __EMSCRIPTEN__

// The item under `key` in a string made with malloc, or null when there is none.
EM_JS(char*, storageGet, (const char* key), {
  try {
    var text = localStorage.getItem(UTF8ToString(key));
    if (text === null) return 0;
    var size = lengthBytesUTF8(text) + 1;
    var copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
  } catch (e) {
    return 0;
  }
});

// 1 once `text` is stored under `key`, 0 when the storage refuses it.
EM_JS(int, storageSet, (const char* key, const char* text), {
  try {
    localStorage.setItem(UTF8ToString(key), UTF8ToString(text));
    return 1;
  } catch (e) {
    return 0;
  }
});

EM_JS(void, storageRemove, (const char* key), {
  try {
    localStorage.removeItem(UTF8ToString(key));
  } catch (e) {
  }
});

Kept readKept(const std::string& key, std::string& text, std::string&) {
  char* item = storageGet(key.c_str());
  if (!item) return Kept::MISSING;
  text = item;
  std::free(item);
  return Kept::FOUND;
}

// The page's storage is used by one frame at a time: nothing to wait for.
class Lock {
 public:
  Lock(const std::string&, std::string&) {}
  bool held() const { return true; }
};

bool keep(const std::string& key, const std::string& text, std::string& error) {
  if (storageSet(key.c_str(), text.c_str())) return true;
  error = "the page's storage refused it";
  return false;
}

bool moveAside(const std::string& key, const std::string& why, std::string& to, std::string& error) {
  std::string text, ignored;
  readKept(key, text, ignored);
  for (int n = 0;; n++) {
    to = key + "." + why + (n ? "." + std::to_string(n) : "");
    char* taken = storageGet(to.c_str());
    if (taken) {
      std::free(taken);
      continue;
    }
    if (!keep(to, text, error)) return false;
    storageRemove(key.c_str());
    return true;
  }
}

#else

std::string reason() { return std::strerror(errno); }

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes `folder` and the folders above it that are missing.
bool makeFolders(const std::string& folder, std::string& error) {
  for (std::size_t slash = folder.find('/', 1); slash != std::string::npos; slash = folder.find('/', slash + 1))
    mkdir(folder.substr(0, slash).c_str(), 0755);
  if (mkdir(folder.c_str(), 0755) == 0 || errno == EEXIST) return true;
  error = reason();
  return false;
}

Kept readKept(const std::string& path, std::string& text, std::string& error) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = reason();
    return errno == ENOENT ? Kept::MISSING : Kept::UNREADABLE;
  }
  char block[4096];
  ssize_t got;
  while ((got = read(fd, block, sizeof block)) != 0) {
    if (got > 0) {
      text.append(block, std::size_t(got));
    } else if (errno != EINTR) {
      error = reason();
      close(fd);
      return Kept::UNREADABLE;
    }
  }
  close(fd);
  return Kept::FOUND;
}

// An exclusive lock on PATH.lock (made, with the folders, when missing),
// held for as long as the object lives. The lock file itself is never
// removed: a process could be waiting on it.
class Lock {
 public:
  Lock(const std::string& path, std::string& error) {
    if (!makeFolders(folderOf(path), error)) return;
    fd = open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
      error = reason();
      return;
    }
    while (flock(fd, LOCK_EX) != 0) {
      if (errno == EINTR) continue;
      error = reason();
      close(fd);
      fd = -1;
      return;
    }
  }
  ~Lock() {
    if (fd >= 0) close(fd);
  }
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;
  bool held() const { return fd >= 0; }

 private:
  int fd = -1;
};

bool writeAll(int fd, const std::string& text) {
  for (std::size_t done = 0; done < text.size();) {
    const ssize_t wrote = write(fd, text.data() + done, text.size() - done);
    if (wrote < 0 && errno != EINTR) return false;
    if (wrote > 0) done += std::size_t(wrote);
  }
  return true;
}

// Flushes the folder, so that a rename in it lasts through a power cut.
bool syncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = fsync(fd) == 0;
  close(fd);
  return synced;
}

// Writes PATH.new, flushes it to disk and renames it over PATH.
bool keep(const std::string& path, const std::string& text, std::string& error) {
  const std::string fresh = path + ".new";
  const int fd = open(fresh.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    error = reason();
    return false;
  }
  bool written = writeAll(fd, text) && fsync(fd) == 0;
  if (!written) error = reason();
  if (close(fd) != 0 && written) {
    error = reason();
    written = false;
  }
  if (written && rename(fresh.c_str(), path.c_str()) != 0) {
    error = reason();
    written = false;
  }
  if (!written) {
    unlink(fresh.c_str());
    return false;
  }
  if (!syncFolder(folderOf(path))) {
    error = reason();
    return false;
  }
  return true;
}

// Gives the file the first free name PATH.<why>[.n]: a name that is taken is
// never replaced, as the link fails on it.
bool moveAside(const std::string& path, const std::string& why, std::string& to, std::string& error) {
  for (int n = 0;; n++) {
    to = path + "." + why + (n ? "." + std::to_string(n) : "");
    if (link(path.c_str(), to.c_str()) == 0) break;
    if (errno != EEXIST) {
      error = reason();
      return false;
    }
  }
  if (unlink(path.c_str()) == 0) return true;
  error = reason();
  return false;
}

#endif

// The kept table, or an empty one when it cannot be read as one.
void readQuietly(const std::string& path, ScoreTable& table) {
  std::string text, error;
  if (readKept(path, text, error) == Kept::FOUND) fromText(text, table);
}

std::string line(const Score& score) {
  return std::to_string(score.points) + "   " + score.when + "   seed " + std::to_string(score.seed);
}

}  // namespace

HighScores::HighScores(std::string path, bool saving, std::size_t limit)
    : path(std::move(path)), saving(saving), limit(limit) {}

Standing HighScores::add(const Score& score) { return update(&score); }

Standing HighScores::look() { return update(nullptr); }

Standing HighScores::update(const Score* score) {
  Standing standing{ScoreTable(limit)};
  auto place = [&] {
    if (score) standing.rank = standing.table.add(*score);
  };
  std::string error;
  std::optional<Lock> lock;
  if (saving) lock.emplace(path, error);
  if (!lock || !lock->held()) {
    readQuietly(path, standing.table);
    place();
    standing.saved = !score;
    if (saving && score) say("cannot keep " + path + " (" + error + "); this table is not saved");
    return standing;
  }
  std::string text;
  const Kept kept = readKept(path, text, error);
  const char* why = kept == Kept::UNREADABLE ? UNREADABLE
                    : kept == Kept::FOUND    ? faultName(fromText(text, standing.table))
                                             : "";
  if (*why) {
    std::string to;
    if (!moveAside(path, why, to, error)) {
      say(path + " is " + why + " and cannot be moved aside (" + error + "); it is left as it is, and this table is not saved");
      place();
      standing.saved = !score;
      return standing;
    }
    say(path + " was " + why + "; it is kept as " + to + " and a new table starts");
  }
  place();
  if (standing.rank >= 0 && !keep(path, toText(standing.table), error)) {
    say("cannot save " + path + " (" + error + "); this table is not saved");
    standing.saved = false;
  }
  return standing;
}

std::string scoresPath(const std::string& program, const std::string& chosen) {
  if (!chosen.empty()) return chosen;
#ifdef __EMSCRIPTEN__
  return KIT_FOLDER + "/" + program + SCORES_SUFFIX;
#else
  const char* data = std::getenv("XDG_DATA_HOME");
  const char* home = std::getenv("HOME");
  const std::string folder = data && *data ? data : std::string(home ? home : ".") + "/.local/share";
  return folder + "/" + KIT_FOLDER + "/" + program + SCORES_SUFFIX;
#endif
}

HighScores highScoresOf(const Interface& ui) {
  const Options& options = ui.getOptions();
  const bool playedBack = !options.replay.empty() || !options.verify.empty();
  return HighScores(scoresPath(ui.getProgram(), options.scores), !playedBack);
}

void drawStanding(const Standing& standing, const Point& topLeft, float lineHeight) {
  setPictureCounted(false);
  Point at = topLeft;
  auto next = [&](const std::string& text) {
    drawText(at, text.c_str());
    at.setY(at.getY() - lineHeight);
  };
  if (standing.rank == 0) next("New best!");
  next(standing.saved ? "High scores" : "High scores (not saved)");
  const std::vector<Score>& entries = standing.table.entries();
  for (std::size_t i = 0; i < entries.size(); i++) {
    const std::string mark = int(i) == standing.rank ? "> " : "   ";
    next(mark + std::to_string(i + 1) + ".   " + line(entries[i]));
  }
  setPictureCounted(true);
}
