#include "cli/DemoSubjectWriter.h"

TDemoSubjectWriter::TDemoSubjectWriter(TDemoContext& context, const char* stream)
    : C(context), R(context.Random(stream)) {
  const QDateTime from = C.Now().addDays(-2 * 366);
  FRecent.resize(C.Facilities.size());
  for (size_t i = 0; i < C.Bookings.size(); ++i) {
    const TDemoBooking& b = C.Bookings[i];
    if (b.InCustody() || b.Released > from) FRecent[size_t(b.Facility)].push_back(int(i));
  }
}

int TDemoSubjectWriter::InCustodyAt(int facility, const QDateTime& at) {
  const std::vector<int>& list = FRecent[size_t(facility)];
  if (list.empty()) return -1;
  for (int attempt = 0; attempt < 30; ++attempt) {
    const int i = R.Pick(list);
    const TDemoBooking& b = C.Bookings[size_t(i)];
    if (b.Booked <= at && (b.InCustody() || b.Released > at)) return i;
  }
  return -1;
}

QDateTime TDemoSubjectWriter::RecentMoment(int days) {
  const QDateTime at = C.Now().addSecs(-60 * qint64(R.Unit() * days * 1440.0) - 60);
  return DemoTime::At(at.date(), at.time().hour(), at.time().minute());
}
