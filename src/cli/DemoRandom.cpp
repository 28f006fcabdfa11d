#include "cli/DemoRandom.h"

namespace {

// FNV-1a, so the stream name shifts the seed.
quint64 HashName(const char* name) {
  quint64 h = 1469598103934665603ull;
  for (const char* p = name; *p; ++p) {
    h ^= quint64(static_cast<unsigned char>(*p));
    h *= 1099511628211ull;
  }
  return h;
}

const char kKeyAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

}  // namespace

TDemoRandom::TDemoRandom(quint64 seed, const char* stream)
    : FState(seed * 0x9E3779B97F4A7C15ull ^ HashName(stream)) {}

// splitmix64: small, fast and well mixed, and fully defined here.
quint64 TDemoRandom::Next() {
  quint64 z = (FState += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

int TDemoRandom::Int(int lo, int hi) {
  if (hi <= lo) return lo;
  const quint64 span = quint64(qint64(hi) - qint64(lo) + 1);
  return int(qint64(lo) + qint64(Next() % span));
}

double TDemoRandom::Unit() {
  return double(Next() >> 11) * (1.0 / 9007199254740992.0);
}

double TDemoRandom::Real(double lo, double hi) {
  return lo + (hi - lo) * Unit();
}

bool TDemoRandom::Chance(double probability) {
  return Unit() < probability;
}

int TDemoRandom::Weighted(std::initializer_list<int> weights) {
  return Weighted(std::vector<int>(weights));
}

int TDemoRandom::Weighted(const std::vector<int>& weights) {
  int total = 0;
  for (int w : weights) total += w;
  int draw = Int(0, total - 1);
  for (size_t i = 0; i < weights.size(); ++i) {
    if (draw < weights[i]) return int(i);
    draw -= weights[i];
  }
  return int(weights.size()) - 1;
}

QString TDemoRandom::Digits(int length) {
  QString text;
  text.reserve(length);
  for (int i = 0; i < length; ++i) text += QChar('0' + Int(0, 9));
  return text;
}

QString TDemoRandom::Key() {
  QString key;
  key.reserve(22);
  for (int i = 0; i < 22; ++i) key += QLatin1Char(kKeyAlphabet[Int(0, 61)]);
  return key;
}
