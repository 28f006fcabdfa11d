#include "app/QtUserPrompts.h"
#include "app/fmLookupList.h"

#include "ModalHelper.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

// Characters typed into a widget one key at a time.
void Type(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
  }
}

TPickList Facilities() {
  TPickList list;
  list.Caption = QStringLiteral("Select Your Facility");
  list.Columns = {{QStringLiteral("Facility"), 10}, {QStringLiteral("Description"), 45}};
  list.Rows = {{QStringLiteral("ANNEX"), QStringLiteral("North Annex")},
               {QStringLiteral("MAIN"), QStringLiteral("Main Jail")},
               {QStringLiteral("MAXSEC"), QStringLiteral("Maximum Security")},
               {QStringLiteral("WORK"), QStringLiteral("Work Release")}};
  list.MaxHeight = 209;
  return list;
}

TEST(LookupList, TypingSearchesTheKeyInCapitalsAndOkTakesThatRow) {
  TQtUserPrompts prompts;
  QString title;
  QStringList headers;
  int maxHeight = 0;
  WithNextModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<TfrmLookupList*>(modal);
    ASSERT_NE(dialog, nullptr);
    title = dialog->windowTitle();
    for (int c = 0; c < dialog->grdList->columnCount(); ++c)
      headers << dialog->grdList->headerItem()->text(c);
    maxHeight = dialog->maximumHeight();
    EXPECT_EQ(dialog->focusWidget(), dialog->edtSearch);
    Type(dialog->edtSearch, QStringLiteral("max"));
    EXPECT_EQ(dialog->edtSearch->text(), QStringLiteral("MAX"));
    dialog->btnOK->click();
  });
  EXPECT_EQ(prompts.PickFromList(Facilities()), 2);
  EXPECT_EQ(title, QStringLiteral("Select Your Facility"));
  EXPECT_EQ(headers, QStringList({"Facility", "Description"}));
  EXPECT_EQ(maxHeight, 209);
}

TEST(LookupList, EscapeCancels) {
  TQtUserPrompts prompts;
  WithNextModal([](QWidget* modal) { PressEscape(modal); });
  EXPECT_EQ(prompts.PickFromList(Facilities()), -1);
}

TEST(LookupList, SeveralRowsComeBackInTheOrderTheyWereHighlighted) {
  TQtUserPrompts prompts;
  WithNextModal([](QWidget* modal) {
    auto* dialog = qobject_cast<TfrmLookupList*>(modal);
    ASSERT_NE(dialog, nullptr);
    QTreeWidget* grid = dialog->grdList;
    grid->topLevelItem(3)->setSelected(true);
    grid->topLevelItem(0)->setSelected(true);
    grid->topLevelItem(2)->setSelected(true);
    grid->topLevelItem(3)->setSelected(false);
    dialog->btnOK->click();
  });
  std::vector<int> chosen;
  EXPECT_TRUE(prompts.PickManyFromList(Facilities(), chosen));
  EXPECT_EQ(chosen, std::vector<int>({0, 2}));
}

TEST(LookupList, OkWithNothingHighlightedGivesNoRows) {
  TQtUserPrompts prompts;
  WithNextModal([](QWidget* modal) { qobject_cast<TfrmLookupList*>(modal)->btnOK->click(); });
  std::vector<int> chosen{7};
  EXPECT_TRUE(prompts.PickManyFromList(Facilities(), chosen));
  EXPECT_TRUE(chosen.empty());
}

}  // namespace
