#include "reports/engine/ReportComponent.h"

#include "reports/engine/ReportBand.h"
#include "reports/engine/ReportPipeline.h"

TReport* TReportComponent::Report() const {
  return FBand ? FBand->Report() : nullptr;
}

int TReportComponent::Measure(TRenderContext&, std::vector<int>&) {
  return Box.height();
}

TSaveInfo TReportComponent::SaveInfo(const TRenderContext& ctx, TSaveAlign align, bool memo) const {
  TSaveInfo info = ctx.SaveBase;
  info.Save = info.Save && Save;
  info.ComponentSaveNo = SaveOrder >= 0 ? SaveOrder : FIndex;
  info.SaveLength = SaveLength;
  info.Alignment = align;
  info.IsMemo = memo;
  return info;
}

QVariant TFieldLink::Value() const {
  if (!Pipeline || DataField.isEmpty()) return {};
  if (FCachedPipeline != Pipeline || FCachedSerial != Pipeline->Serial() ||
      FCachedField != DataField) {
    FCachedPipeline = Pipeline;
    FCachedSerial = Pipeline->Serial();
    FCachedField = DataField;
    FCachedIndex = Pipeline->FieldIndex(DataField);
  }
  return Pipeline->GetFieldValue(FCachedIndex);
}
