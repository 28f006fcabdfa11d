#pragma once

#include "reports/engine/ReportComponent.h"
#include "reports/engine/TextLayout.h"

#include <QColor>
#include <QFont>

#include <functional>

// Base of the components that print one text: labels, DB texts, memos,
// variables and system variables.
class TReportTextComponent : public TReportComponent {
 public:
  using TReportComponent::TReportComponent;

  QFont Font = QFont(QStringLiteral("Arial"), 8);
  QColor Color = Qt::black;
  QColor Background;  // invalid: transparent
  Qt::Alignment Alignment = Qt::AlignLeft | Qt::AlignTop;
  bool WordWrap = false;
  bool AutoSize = false;
  bool Stretch = false;  // with WordWrap: grows to the text's height
  // May replace the text just before it prints.
  std::function<void(QString& text)> OnGetText;

  // The text as it prints at the current record.
  QString Text();

  bool Stretches() const override { return Stretch && WordWrap; }
  int Measure(TRenderContext& ctx, std::vector<int>& breaks) override;
  void Render(TRenderContext& ctx, const QRect& box) override;

 protected:
  virtual QString BaseText() = 0;
  virtual bool IsMemo() const { return false; }
  TTextStyle Style() const;

 private:
  QString FMeasuredText;
  bool FHasMeasuredText = false;
};

class TReportLabel : public TReportTextComponent {
 public:
  explicit TReportLabel(QString name = {}, QString caption = {})
      : TReportTextComponent(std::move(name)), Caption(std::move(caption)) {
    AutoSize = true;
  }
  QString Caption;

 protected:
  QString BaseText() override { return Caption; }
};

// A field of a pipeline under a display format.
class TReportDBText : public TReportTextComponent {
 public:
  using TReportTextComponent::TReportTextComponent;
  TFieldLink Field;
  QString DisplayFormat;
  bool BlankWhenZero = false;

 protected:
  QString BaseText() override;
};

// Several lines of text: static, or a text field (rich text in it prints as
// plain text). Wraps and stretches by default.
class TReportMemo : public TReportTextComponent {
 public:
  explicit TReportMemo(QString name = {}) : TReportTextComponent(std::move(name)) {
    WordWrap = true;
    Stretch = true;
  }
  TFieldLink Field;
  QString Lines;

 protected:
  QString BaseText() override;
  bool IsMemo() const override { return true; }
};
