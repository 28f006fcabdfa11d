#include "data/sqlite/TsqlCollation.h"

#include "core/Exception.h"

#include <QChar>

#include <sqlite3.h>

namespace {

// Next code point of UTF-8 text; malformed bytes stand for themselves.
char32_t NextCodePoint(const unsigned char*& p, const unsigned char* end) {
  const unsigned char c = *p++;
  if (c < 0x80) return c;
  int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
  char32_t cp = c & (0x3F >> extra);
  while (extra-- > 0 && p < end && (*p & 0xC0) == 0x80) cp = (cp << 6) | (*p++ & 0x3F);
  return cp;
}

char32_t Fold(char32_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
  return QChar::toCaseFolded(c);
}

int Collate(void*, int lengthA, const void* a, int lengthB, const void* b) {
  return TsqlCompareText(static_cast<const char*>(a), lengthA, static_cast<const char*>(b),
                         lengthB);
}

}  // namespace

int TsqlCompareText(const char* a, int lengthA, const char* b, int lengthB) {
  while (lengthA > 0 && a[lengthA - 1] == ' ') --lengthA;
  while (lengthB > 0 && b[lengthB - 1] == ' ') --lengthB;
  auto pa = reinterpret_cast<const unsigned char*>(a);
  auto pb = reinterpret_cast<const unsigned char*>(b);
  const unsigned char* const ea = pa + lengthA;
  const unsigned char* const eb = pb + lengthB;
  while (pa < ea && pb < eb) {
    char32_t ca, cb;
    if (*pa < 0x80 && *pb < 0x80) {
      ca = *pa++;
      cb = *pb++;
      if (ca == cb) continue;
    } else {
      ca = NextCodePoint(pa, ea);
      cb = NextCodePoint(pb, eb);
    }
    ca = Fold(ca);
    cb = Fold(cb);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (pa < ea) return 1;
  if (pb < eb) return -1;
  return 0;
}

void RegisterTsqlCollation(sqlite3* db) {
  if (sqlite3_create_collation_v2(db, "TSQL", SQLITE_UTF8, nullptr, Collate, nullptr) != SQLITE_OK)
    throw EDatabaseError(QStringLiteral("Cannot register the TSQL collation: %1")
                             .arg(QString::fromUtf8(sqlite3_errmsg(db))));
}
