#include "data/sqlite/TsqlLike.h"

#include "data/sqlite/TsqlFunctionGroups.h"
#include "data/sqlite/TsqlValue.h"

namespace {

char32_t Fold(char32_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
  return QChar::toCaseFolded(c);
}

std::vector<char32_t> CodePoints(const QString& text) {
  std::vector<char32_t> out;
  out.reserve(size_t(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    char32_t c = text[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      c = QChar::surrogateToUcs4(text[i], text[i + 1]);
      ++i;
    }
    out.push_back(c);
  }
  return out;
}

}  // namespace

TTsqlLikePattern::TTsqlLikePattern(const QString& pattern, QChar escape) {
  const std::vector<char32_t> p = CodePoints(pattern);
  const char32_t esc = escape.isNull() ? 0 : escape.unicode();
  for (size_t i = 0; i < p.size(); ++i) {
    TElement e;
    const char32_t c = p[i];
    if (esc && c == esc && i + 1 < p.size()) {
      e.Char = Fold(p[++i]);
    } else if (c == '%') {
      if (!FElements.empty() && FElements.back().Kind == TKind::Any) continue;
      e.Kind = TKind::Any;
    } else if (c == '_') {
      e.Kind = TKind::One;
    } else if (c == '[') {
      // A set up to the next "]"; a "[" without one is an ordinary character.
      size_t close = i + 1;
      if (close < p.size() && p[close] == '^') ++close;
      if (close < p.size() && p[close] == ']') ++close;  // "[]]" holds "]"
      while (close < p.size() && p[close] != ']') ++close;
      if (close >= p.size()) {
        e.Char = '[';
      } else {
        e.Kind = TKind::Set;
        size_t j = i + 1;
        if (p[j] == '^' && j + 1 < close) {
          e.Negated = true;
          ++j;
        }
        for (; j < close; ++j) {
          const char32_t lo = p[j];
          if (j + 2 < close && p[j + 1] == '-') {
            const char32_t hi = p[j + 2];
            e.Ranges.emplace_back(Fold(lo), Fold(hi));
            // A range of letters also holds the other case: fold both ends,
            // and keep the unfolded range for characters without case.
            e.Ranges.emplace_back(lo, hi);
            j += 2;
          } else {
            e.Ranges.emplace_back(Fold(lo), Fold(lo));
          }
        }
        i = close;
      }
    } else {
      e.Char = Fold(c);
    }
    FElements.push_back(std::move(e));
  }
}

bool TTsqlLikePattern::MatchesAt(const TElement& e, char32_t c) const {
  switch (e.Kind) {
    case TKind::Char:
      return Fold(c) == e.Char;
    case TKind::One:
      return true;
    case TKind::Set: {
      const char32_t f = Fold(c);
      bool in = false;
      for (const auto& [lo, hi] : e.Ranges) {
        if ((f >= lo && f <= hi) || (c >= lo && c <= hi)) {
          in = true;
          break;
        }
      }
      return in != e.Negated;
    }
    case TKind::Any:
      return false;
  }
  return false;
}

bool TTsqlLikePattern::Matches(const QString& value) const {
  const std::vector<char32_t> v = CodePoints(value);
  // Greedy matching with one backtrack point: every element but % takes
  // exactly one character, so the last % is the only one to move.
  size_t p = 0, s = 0;
  size_t starP = SIZE_MAX, starS = 0;
  while (s < v.size()) {
    if (p < FElements.size() && FElements[p].Kind == TKind::Any) {
      starP = p++;
      starS = s;
    } else if (p < FElements.size() && MatchesAt(FElements[p], v[s])) {
      ++p;
      ++s;
    } else if (starP != SIZE_MAX) {
      p = starP + 1;
      s = ++starS;
    } else {
      return false;
    }
  }
  while (p < FElements.size() && FElements[p].Kind == TKind::Any) ++p;
  return p == FElements.size();
}

namespace {

void DeletePattern(void* p) {
  delete static_cast<TTsqlLikePattern*>(p);
}

// ts_like(value, pattern [, escape])
void Like(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  for (int i = 0; i < argc; ++i) {
    if (TsqlValue::IsNull(argv[i])) {
      sqlite3_result_null(ctx);
      return;
    }
  }
  // The pattern is nearly always a constant: compile it once per statement.
  auto* pattern = static_cast<TTsqlLikePattern*>(sqlite3_get_auxdata(ctx, 1));
  if (!pattern) {
    const QString escape = argc > 2 ? TsqlValue::Text(argv[2]) : QString();
    if (argc > 2 && escape.size() != 1) {
      sqlite3_result_error(ctx, "The escape of LIKE must be a single character.", -1);
      return;
    }
    pattern =
        new TTsqlLikePattern(TsqlValue::Text(argv[1]), escape.isEmpty() ? QChar() : escape[0]);
    sqlite3_set_auxdata(ctx, 1, pattern, DeletePattern);
    pattern = static_cast<TTsqlLikePattern*>(sqlite3_get_auxdata(ctx, 1));
    if (!pattern) {  // SQLite could not keep it: use a local one
      const TTsqlLikePattern local(TsqlValue::Text(argv[1]),
                                   escape.isEmpty() ? QChar() : escape[0]);
      sqlite3_result_int(ctx, local.Matches(TsqlValue::Text(argv[0])) ? 1 : 0);
      return;
    }
  }
  sqlite3_result_int(ctx, pattern->Matches(TsqlValue::Text(argv[0])) ? 1 : 0);
}

}  // namespace

void RegisterTsqlLike(sqlite3* db) {
  TsqlValue::Register(db, "ts_like", 2, Like);
  TsqlValue::Register(db, "ts_like", 3, Like);
}
