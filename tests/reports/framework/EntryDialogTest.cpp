#include "DialogTestFixture.h"
#include "reports/framework/AveLengthYearPickerModel.h"
#include "reports/framework/DateEntryModels.h"
#include "reports/framework/DateTimeEntryModel.h"
#include "reports/framework/InmatePicker.h"

#include <functional>

namespace {

struct TEntryCase {
  const char* Name;
  std::function<QString()> Run;  // the message shown, empty when accepted
  QString Message;
};

template <typename Model>
QString AcceptMessage(Model& model, TScriptedPrompts& prompts) {
  prompts.ClearPrompts();
  model.BeginShow();
  const bool accepted = model.Accept();
  const QStringList texts = prompts.Texts(TPromptKind::pkWarning);
  EXPECT_EQ(accepted, texts.isEmpty());
  return texts.join('|');
}

}  // namespace

TEST_F(DialogTest, EntryDialogsValidationMessages) {
  auto entry = [this](const char* df, const char* dt, const char* tf, const char* tt) {
    TDateTimeEntryModel m;
    m.DateFrom.SetText(df);
    m.DateTo.SetText(dt);
    m.TimeFrom.SetText(tf);
    m.TimeTo.SetText(tt);
    return AcceptMessage(m, FPrompts);
  };
  auto asOf = [this](const char* d, const char* t) {
    TAsOfDateTimeModel m;
    m.Date.SetText(d);
    m.Time.SetText(t);
    return AcceptMessage(m, FPrompts);
  };
  auto years = [this](int n) {
    TAveLengthYearPickerModel m;
    m.Years = n;
    return AcceptMessage(m, FPrompts);
  };
  const std::vector<TEntryCase> cases = {
      {"entry: one date empty", [&] { return entry("03/05/2015", "", "1:00 PM", ""); },
       "Range of days must be entered."},
      {"entry: both times empty", [&] { return entry("03/05/2015", "03/06/2015", "", ""); },
       "Range of times must be entered."},
      {"entry: one time is enough",
       [&] { return entry("03/05/2015", "03/06/2015", "", "1:00 PM"); }, ""},
      {"entry: no calendar date", [&] { return entry("02/30/2015", "03/06/2015", "1:00 PM", ""); },
       "'02/30/2015' is not a valid date"},
      {"as of: no date", [&] { return asOf("", "1:00 PM"); }, "An as of date must be entered."},
      {"as of: no time", [&] { return asOf("03/05/2015", ""); }, "A time must be entered."},
      {"as of: both", [&] { return asOf("03/05/2015", "1:00 PM"); }, ""},
      {"years: below range", [&] { return years(0); }, "The number of years must be from 1 to 10."},
      {"years: above range", [&] { return years(11); },
       "The number of years must be from 1 to 10."},
      {"years: ten", [&] { return years(10); }, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(c.Run(), c.Message);
  }
}

TEST_F(DialogTest, DateTimeEntryResultsAreMmDdYyyyAndClearedOnShow) {
  TDateTimeEntryModel m;
  FDialogs.SetAnswer("from", "3/5/15 2:07 PM");
  FDialogs.SetAnswer("to", "3/6/2015");
  ASSERT_TRUE(ParameterDialogs().ShowDateTimeEntry(m));
  EXPECT_EQ(m.xsDateStart, "03/05/2015");
  EXPECT_EQ(m.xsDateEnd, "03/06/2015");
  EXPECT_EQ(m.xsTimeStart, "02:07:00 PM");
  EXPECT_TRUE(m.xsTimeEnd.isEmpty());
  FDialogs.SetAnswer("cancel", "yes");
  EXPECT_FALSE(ParameterDialogs().ShowDateTimeEntry(m));
  EXPECT_TRUE(m.xsDateStart.isEmpty() && m.xsTimeStart.isEmpty());
}

TEST_F(DialogTest, ExecuteDateEntryReturnsTheDateOrNothing) {
  FDialogs.SetAnswer("date", "12/31/2014");
  EXPECT_EQ(ExecuteDateEntry("Caption", "Pick", QDate(2020, 1, 1)), QDate(2014, 12, 31));
  FDialogs.ClearAnswers();
  EXPECT_EQ(ExecuteDateEntry("Caption", "Pick", QDate(2020, 1, 1)), QDate(2020, 1, 1));
  FDialogs.SetAnswer("date", "02/30/2015");
  EXPECT_FALSE(ExecuteDateEntry("Caption", "Pick", QDate(2020, 1, 1)).isValid());
  EXPECT_EQ(FDialogs.Refusal(), "'02/30/2015' is not a valid date");
}

TEST_F(DialogTest, ExecuteDateRangeEntryWritesBackWhateverTheResult) {
  QDate start(2020, 1, 1), end(2020, 1, 2);
  FDialogs.SetAnswer("from", "03/01/2015");
  FDialogs.SetAnswer("to", "03/31/2015");
  EXPECT_TRUE(ExecuteDateRangeEntry("C", "I", start, end));
  EXPECT_EQ(start, QDate(2015, 3, 1));
  EXPECT_EQ(end, QDate(2015, 3, 31));
  FDialogs.SetAnswer("from", "04/01/2015");
  FDialogs.SetAnswer("cancel", "yes");
  EXPECT_FALSE(ExecuteDateRangeEntry("C", "I", start, end));
  EXPECT_EQ(start, QDate(2015, 3, 1));  // cancelled before the answer was typed
}

TEST_F(DialogTest, ExecuteDateTimeRangeEntryTakesFullMoments) {
  QDateTime start, end;
  FDialogs.SetAnswer("from", "03/01/2015 8:00 AM");
  FDialogs.SetAnswer("to", "03/01/2015 5:30 PM");
  EXPECT_TRUE(ExecuteDateTimeRangeEntry("C", "I", start, end));
  EXPECT_EQ(start, QDateTime(QDate(2015, 3, 1), QTime(8, 0), Qt::UTC));
  EXPECT_EQ(end, QDateTime(QDate(2015, 3, 1), QTime(17, 30), Qt::UTC));
}

TEST_F(DialogTest, InmatePickerListsThePopulationWithoutExpungedNames) {
  TInmatePickerModel picker(&FLists);
  QString bookNo;
  FDialogs.SetAnswer("inmate", "B1");
  ASSERT_TRUE(SelectInmateBookNo(picker, bookNo, true));
  EXPECT_EQ(bookNo, "B1");
  QStringList books;
  for (const auto& row : picker.Population()) books << row.BookNo;
  EXPECT_EQ(books, QStringList({"B2", "B4", "B1"}));  // by name; other facility left out
  FDialogs.SetAnswer("inmate", "B3");
  EXPECT_FALSE(SelectInmateBookNo(picker, bookNo, true));
  EXPECT_TRUE(bookNo.isEmpty());
  EXPECT_EQ(FDialogs.Refusal(), "Booking number 'B3' is not in the list.");
  FDialogs.SetAnswer("inmate", "H1");
  EXPECT_TRUE(SelectInmateBookNo(picker, bookNo, false));
  EXPECT_EQ(bookNo, "H1");
}
