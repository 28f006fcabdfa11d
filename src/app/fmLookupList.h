#pragma once

#include "core/UserPrompts.h"

#include <QDialog>

#include <vector>

class QLineEdit;
class QPushButton;
class QTreeWidget;

// The lookup dialog over a pick list (the facility choice and its kin): a
// search-by box, a grid of whole rows, OK and Cancel. The single-choice
// dialog opens with the focus in the search box, which moves to the first
// row whose key begins with what is typed; the multi-choice dialog lets
// several rows be highlighted and remembers the order they were highlighted.
class TfrmLookupList : public QDialog {
  Q_OBJECT

 public:
  TfrmLookupList(const TPickList& list, bool multiSelect, QWidget* parent = nullptr);

  // The row under the cursor (single choice); -1 when there is none.
  int CurrentRow() const;
  // The highlighted rows in the order they were highlighted.
  const std::vector<int>& ChosenRows() const { return FChosen; }

  QLineEdit* edtSearch = nullptr;
  QTreeWidget* grdList = nullptr;
  QPushButton* btnOK = nullptr;
  QPushButton* btnCancel = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void SearchFor(const QString& text);
  void SelectionChanged();

  TPickList FList;
  bool FMultiSelect;
  std::vector<int> FChosen;
};
