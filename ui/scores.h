/// @file
/// scores: a game's high scores, kept from one run to the next.
///
/// Natively a table lives in a file (scoretable.h has its text). It is never
/// rewritten in place: each save writes a new file beside it, flushes it to
/// disk and renames it over the old one, so a crash at any moment leaves the
/// old table or the new one, whole. The read, merge and write happen under a
/// lock on FILE.lock, so two games that finish at once both keep their
/// results. A file that cannot be read or does not parse is moved aside to
/// `FILE.<why>` (garbled, truncated, newer, unreadable; `FILE.<why>.1` and on when
/// that is taken), never overwritten, and a new table starts. Each trouble
/// costs one line on the error stream; normal play writes none.
///
/// In the browser the table lives in the page's localStorage, under
/// `"arcade-kit/<program>.scores"`, with the same text and the same rules.
///
/// A table is read and written only when a result comes (a round's or a
/// landing's end), never while frames are drawn.
#pragma once

#include <cstddef>
#include <string>

#include "point.h"
#include "scoretable.h"
#include "tessik.h"

/// The table as it stands after a result, ready to be shown.
struct Standing {
  ScoreTable table;   ///< the table, the new result in its place
  int rank = -1;      ///< the new result's place (0 heads the table), -1 when none
  bool saved = true;  ///< false: the table shown could not be kept, or is not to be
};

/// A game's table of high scores, where it is kept.
class HighScores {
 public:
  /// The table kept at `path` (in the browser: the storage key), keeping
  /// `limit` results. With `saving` false, results are shown but never kept.
  explicit HighScores(std::string path, bool saving = true, std::size_t limit = SCORE_TABLE_SIZE);

  /// Reads the kept table, adds `score` and keeps the table again, under the lock.
  Standing add(const Score& score);
  /// The kept table, for an end that scores nothing.
  Standing look();

  /// Where the table is kept.
  const std::string& getPath() const { return path; }

 private:
  Standing update(const Score* score);

  std::string path;
  bool saving;
  std::size_t limit;
};

/// Where `program` keeps its table: `chosen` when not empty, else
/// `$XDG_DATA_HOME/arcade-kit/<program>.scores` (~/.local/share when
/// XDG_DATA_HOME is unset or empty). The folders are made when a result is kept.
std::string scoresPath(const std::string& program, const std::string& chosen);

/// The table of the game the shell runs: `--scores FILE` or the usual place. A
/// recording played back or verified shows its results but never keeps them.
HighScores highScoresOf(const Interface& ui);

/// The table in lines of text from `topLeft` down, each `lineHeight` below
/// the last: "New best!" when the new result heads it, a title (saying "not
/// saved" when so), then one result a line with the new one marked. Drawn
/// uncounted in the frame's checksum: it depends on more than seed and keys.
void drawStanding(const Standing& standing, const Point& topLeft, float lineHeight);
