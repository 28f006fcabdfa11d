#include "app/fmLookupList.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>

namespace {

// Takes what is typed in capitals.
class TUpperCaseValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    input = input.toUpper();
    return Acceptable;
  }
};

}  // namespace

TfrmLookupList::TfrmLookupList(const TPickList& list, bool multiSelect, QWidget* parent)
    : QDialog(parent), FList(list), FMultiSelect(multiSelect) {
  setWindowTitle(list.Caption);

  auto* searchLabel = new QLabel(tr("Search for:"), this);
  edtSearch = new QLineEdit(this);
  edtSearch->setObjectName(QStringLiteral("edtSearch"));
  if (list.UpperCaseSearch) edtSearch->setValidator(new TUpperCaseValidator(edtSearch));
  searchLabel->setBuddy(edtSearch);

  grdList = new QTreeWidget(this);
  grdList->setObjectName(QStringLiteral("grdList"));
  grdList->setRootIsDecorated(false);
  grdList->setUniformRowHeights(true);
  grdList->setSelectionBehavior(QAbstractItemView::SelectRows);
  grdList->setSelectionMode(multiSelect ? QAbstractItemView::MultiSelection
                                        : QAbstractItemView::SingleSelection);
  grdList->setStyleSheet(QStringLiteral("QTreeWidget { background: white; }"));
  QStringList titles;
  for (const TPickListColumn& column : list.Columns) titles << column.Title;
  grdList->setHeaderLabels(titles);
  grdList->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  const int charWidth = grdList->fontMetrics().averageCharWidth();
  for (int c = 0; c < int(list.Columns.size()); ++c)
    grdList->setColumnWidth(c, list.Columns[size_t(c)].Width * charWidth + 8);
  for (const QStringList& row : list.Rows) new QTreeWidgetItem(grdList, row);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  btnOK = buttons->button(QDialogButtonBox::Ok);
  btnCancel = buttons->button(QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* search = new QHBoxLayout;
  search->addWidget(searchLabel);
  search->addWidget(edtSearch, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(search);
  layout->addWidget(grdList, 1);
  layout->addWidget(buttons);

  int width = 0;
  for (int c = 0; c < grdList->columnCount(); ++c) width += grdList->columnWidth(c);
  resize(width + 40, sizeHint().height());
  if (list.MaxHeight > 0) setMaximumHeight(list.MaxHeight);

  connect(edtSearch, &QLineEdit::textChanged, this, &TfrmLookupList::SearchFor);
  connect(grdList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &TfrmLookupList::SelectionChanged);
  if (!multiSelect) {
    connect(grdList, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    if (QTreeWidgetItem* current = grdList->topLevelItem(std::max(list.Current, 0)))
      grdList->setCurrentItem(current);
  }
}

void TfrmLookupList::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!FMultiSelect) edtSearch->setFocus();
}

int TfrmLookupList::CurrentRow() const {
  QTreeWidgetItem* item = grdList->currentItem();
  return item ? grdList->indexOfTopLevelItem(item) : -1;
}

void TfrmLookupList::SearchFor(const QString& text) {
  if (text.isEmpty()) return;
  const int key = FList.KeyColumn;
  for (int r = 0; r < grdList->topLevelItemCount(); ++r) {
    QTreeWidgetItem* item = grdList->topLevelItem(r);
    if (!item->text(key).startsWith(text, Qt::CaseInsensitive)) continue;
    if (FMultiSelect) {
      grdList->scrollToItem(item);
      grdList->setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
    } else {
      grdList->setCurrentItem(item);
    }
    return;
  }
}

void TfrmLookupList::SelectionChanged() {
  std::vector<int> selected;
  for (QTreeWidgetItem* item : grdList->selectedItems())
    selected.push_back(grdList->indexOfTopLevelItem(item));
  // Keep the earlier rows in their order, then add the new ones.
  std::erase_if(FChosen, [&selected](int row) {
    return std::find(selected.begin(), selected.end(), row) == selected.end();
  });
  std::sort(selected.begin(), selected.end());
  for (int row : selected)
    if (std::find(FChosen.begin(), FChosen.end(), row) == FChosen.end()) FChosen.push_back(row);
}
