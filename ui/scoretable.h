/// @file
/// scoretable: a table of the best results, and the text it is kept as.
///
/// Results rank by points, highest first; of equal points, the one added
/// first stays above. The table keeps at most `limit` results. As text it is
/// a header line naming the format and its version, then one result a line:
///
/// ```
///   arcade-kit scores 1
///   482 2026-12-09 14:30 1804289383
/// ```
///
/// (points, the local date and time the result was made, the seed it was played from).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

constexpr std::size_t SCORE_TABLE_SIZE = 10;  ///< results a game keeps
constexpr int SCORE_FORMAT_VERSION = 1;       ///< the version this build reads and writes

/// One result.
struct Score {
  int points = 0;     ///< what it scored
  std::string when;   ///< "YYYY-MM-DD HH:MM", local time
  unsigned seed = 0;  ///< the seed of the round or landing that scored it
};

/// Whether two results are the same in every field.
bool operator==(const Score& a, const Score& b);

/// The best results, at most a limit of them.
class ScoreTable {
 public:
  /// An empty table keeping at most `limit` results. Asserts limit > 0.
  explicit ScoreTable(std::size_t limit = SCORE_TABLE_SIZE);

  /// Places `score` below every result with as many points or more; the one
  /// that then falls past the limit leaves. Its rank (0 heads the table), or
  /// -1 when it ranks below a full table.
  int add(const Score& score);

  /// The results, best first.
  const std::vector<Score>& entries() const { return scores; }
  /// The most results it keeps.
  std::size_t limit() const { return most; }

 private:
  std::size_t most;
  std::vector<Score> scores;
};

/// Why a text is not a table this build can keep.
enum class ScoreTextFault {
  NONE,
  TRUNCATED,  ///< the last line has no end
  NEWER,      ///< a later version of the format
  GARBLED,    ///< not the header, or a line that is not a result
};

/// The table as text, header first, each line ended by '\n'.
std::string toText(const ScoreTable& table);

/// Reads `text` into `table` (which keeps its limit), adding the results in
/// their order. Empty text is an empty table. On a fault, says which and
/// leaves `table` as it was.
ScoreTextFault fromText(const std::string& text, ScoreTable& table);

/// A short word for a fault ("truncated", "newer", "garbled"), fit for a file name.
const char* faultName(ScoreTextFault fault);

/// The local date and time now, as a result's `when`.
std::string localTimeNow();
