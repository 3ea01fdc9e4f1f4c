#include "scoretable.h"

#include <algorithm>
#include <cassert>
#include <cctype>
#include <climits>
#include <cstdint>
#include <ctime>

namespace {

const std::string HEADER = "arcade-kit scores ";
constexpr std::size_t WHEN_LENGTH = 16;  // "YYYY-MM-DD HH:MM"

// A run of digits at `at` (with a leading '-' when `signed`) as a number no
// larger than `most` in size; moves `at` past it. False if there is none or it is too large.
bool readNumber(const std::string& line, std::size_t& at, bool allowMinus, int64_t most, int64_t& value) {
  const bool minus = allowMinus && at < line.size() && line[at] == '-';
  std::size_t i = at + (minus ? 1 : 0);
  const std::size_t first = i;
  int64_t magnitude = 0;
  for (; i < line.size() && std::isdigit(static_cast<unsigned char>(line[i])); i++) {
    magnitude = magnitude * 10 + (line[i] - '0');
    if (magnitude > most + 1) return false;
  }
  if (i == first || magnitude > most + (minus ? 1 : 0)) return false;
  value = minus ? -magnitude : magnitude;
  at = i;
  return true;
}

// Whether `when` reads as a date and a time of day: "YYYY-MM-DD HH:MM".
bool isWhen(const std::string& when) {
  static const char PATTERN[] = "dddd-dd-dd dd:dd";
  if (when.size() != WHEN_LENGTH) return false;
  for (std::size_t i = 0; i < WHEN_LENGTH; i++) {
    const bool digit = std::isdigit(static_cast<unsigned char>(when[i]));
    if (PATTERN[i] == 'd' ? !digit : when[i] != PATTERN[i]) return false;
  }
  auto field = [&when](std::size_t at) { return std::stoi(when.substr(at, 2)); };
  const int month = field(5), day = field(8), hour = field(11), minute = field(14);
  return month >= 1 && month <= 12 && day >= 1 && day <= 31 && hour <= 23 && minute <= 59;
}

// One result line (without its '\n'): points, when and seed, one space apart.
bool readScore(const std::string& line, Score& score) {
  std::size_t at = 0;
  int64_t points = 0, seed = 0;
  if (!readNumber(line, at, true, INT_MAX, points) || at >= line.size() || line[at++] != ' ') return false;
  score.when = line.substr(at, WHEN_LENGTH);
  if (!isWhen(score.when)) return false;
  at += WHEN_LENGTH;
  if (at >= line.size() || line[at++] != ' ') return false;
  if (!readNumber(line, at, false, UINT32_MAX, seed) || at != line.size()) return false;
  score.points = int(points);
  score.seed = unsigned(seed);
  return true;
}

// The header's verdict: NONE for this version.
ScoreTextFault readHeader(const std::string& line) {
  if (line.compare(0, HEADER.size(), HEADER) != 0) return ScoreTextFault::GARBLED;
  std::size_t at = HEADER.size();
  int64_t version = 0;
  if (!readNumber(line, at, false, INT_MAX, version) || at != line.size() || version < 1)
    return ScoreTextFault::GARBLED;
  return version > SCORE_FORMAT_VERSION ? ScoreTextFault::NEWER : ScoreTextFault::NONE;
}

}  // namespace

bool operator==(const Score& a, const Score& b) {
  return a.points == b.points && a.when == b.when && a.seed == b.seed;
}

ScoreTable::ScoreTable(std::size_t limit) : most(limit) { assert(limit > 0); }

int ScoreTable::add(const Score& score) {
  auto below = std::upper_bound(scores.begin(), scores.end(), score,
                                [](const Score& a, const Score& b) { return a.points > b.points; });
  const std::size_t rank = std::size_t(below - scores.begin());
  if (rank >= most) return -1;
  scores.insert(below, score);
  if (scores.size() > most) scores.pop_back();
  return int(rank);
}

std::string toText(const ScoreTable& table) {
  std::string text = HEADER + std::to_string(SCORE_FORMAT_VERSION) + "\n";
  for (const Score& s : table.entries())
    text += std::to_string(s.points) + " " + s.when + " " + std::to_string(s.seed) + "\n";
  return text;
}

ScoreTextFault fromText(const std::string& text, ScoreTable& table) {
  if (text.empty()) return ScoreTextFault::NONE;
  ScoreTable read(table.limit());
  std::size_t start = 0;
  for (bool header = true; start < text.size(); header = false) {
    const std::size_t end = text.find('\n', start);
    const std::string line = text.substr(start, end == std::string::npos ? end : end - start);
    if (end == std::string::npos) {  // cut short, unless it never began as a table
      const bool headed = line.compare(0, HEADER.size(), HEADER, 0, line.size()) == 0;
      return header && !headed ? ScoreTextFault::GARBLED : ScoreTextFault::TRUNCATED;
    }
    start = end + 1;
    if (header) {
      const ScoreTextFault fault = readHeader(line);
      if (fault != ScoreTextFault::NONE) return fault;
      continue;
    }
    Score score;
    if (!readScore(line, score)) return ScoreTextFault::GARBLED;
    read.add(score);
  }
  table = read;
  return ScoreTextFault::NONE;
}

const char* faultName(ScoreTextFault fault) {
  switch (fault) {
    case ScoreTextFault::TRUNCATED: return "truncated";
    case ScoreTextFault::NEWER: return "newer";
    case ScoreTextFault::GARBLED: return "garbled";
    case ScoreTextFault::NONE: break;
  }
  return "";
}

std::string localTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char when[WHEN_LENGTH + 1];
  std::strftime(when, sizeof when, "%Y-%m-%d %H:%M", &local);
  return when;
}
