#pragma once

#include "cli/DemoContext.h"
#include "cli/DemoRandom.h"

#include <QDateTime>

#include <vector>

// What the writers of the jail's records share: the context, a random
// stream of their own, the officers, and who was in custody when.
class TDemoSubjectWriter {
 protected:
  TDemoSubjectWriter(TDemoContext& context, const char* stream);

  const TDemoEmployee& Officer() { return R.Pick(C.Officers); }
  // A booking of the facility in custody at `at` (within the last two
  // years), drawn at random; -1 when none is found.
  int InCustodyAt(int facility, const QDateTime& at);
  // A moment of the last `days` days, to the minute as the suite's forms
  // record them.
  QDateTime RecentMoment(int days);

  TDemoContext& C;
  TDemoRandom R;

 private:
  std::vector<std::vector<int>> FRecent;  // per facility: bookings of the last two years
};
