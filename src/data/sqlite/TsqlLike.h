#pragma once

#include <QString>

#include <vector>

// T-SQL's LIKE: % any run of characters, _ one character, [abc] and [a-z]
// one of a set, [^...] one character not in it; compared without regard to
// case, as under the suite's case-insensitive collation.
class TTsqlLikePattern {
 public:
  explicit TTsqlLikePattern(const QString& pattern, QChar escape = QChar());
  bool Matches(const QString& value) const;

 private:
  enum class TKind { Char, One, Any, Set };
  struct TElement {
    TKind Kind = TKind::Char;
    char32_t Char = 0;
    bool Negated = false;
    std::vector<std::pair<char32_t, char32_t>> Ranges;  // inclusive, folded
  };
  bool MatchesAt(const TElement& e, char32_t c) const;
  std::vector<TElement> FElements;
};
