#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <initializer_list>
#include <vector>

// The demo database's source of chance. Its numbers depend only on the seed
// and the stream name, never on the platform's library, so a seed gives the
// same database everywhere; each subject draws from a stream of its own, so
// adding rows to one subject does not reshuffle the others.
class TDemoRandom {
 public:
  TDemoRandom(quint64 seed, const char* stream);

  quint64 Next();
  // A whole number in [lo, hi].
  int Int(int lo, int hi);
  // A number in [0, 1).
  double Unit();
  double Real(double lo, double hi);
  bool Chance(double probability);
  // An index drawn with the given relative weights.
  int Weighted(std::initializer_list<int> weights);
  int Weighted(const std::vector<int>& weights);

  template <typename T>
  const T& Pick(const std::vector<T>& items) {
    return items[size_t(Int(0, int(items.size()) - 1))];
  }
  template <typename T>
  T Pick(std::initializer_list<T> items) {
    return items.begin()[Int(0, int(items.size()) - 1)];
  }

  template <typename T>
  void Shuffle(std::vector<T>& items) {
    for (size_t i = items.size(); i > 1; --i)
      std::swap(items[i - 1], items[size_t(Int(0, int(i) - 1))]);
  }

  // A string of `length` digits.
  QString Digits(int length);
  // A 22-character key of letters and digits, as the suite's unique keys.
  QString Key();

 private:
  quint64 FState;
};
