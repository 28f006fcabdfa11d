#include "app/VersionInfo.h"

#include <QStringList>

namespace {
// An empty TH_VERSION_BUILD (a three-part project version) reads as 0.
constexpr int kVersionParts[4] = {TH_VERSION_MAJOR, TH_VERSION_MINOR, TH_VERSION_PATCH,
                                  TH_VERSION_BUILD + 0};

const char* const kFieldLabels[TVersionInfo::StringFieldCount] = {
    "Company name",     "File description",   "File version", "Internal name",   "Legal copyright",
    "Legal trademarks", "Original file name", "Product name", "Product version", "Comments"};
}  // namespace

QString TVersionInfo::FileVersionText() {
  return QStringLiteral("%1.%2.%3.%4")
      .arg(kVersionParts[0])
      .arg(kVersionParts[1])
      .arg(kVersionParts[2])
      .arg(kVersionParts[3]);
}

QString TVersionInfo::StringField(int index) const {
  switch (index) {
    case vsiFileDescription:
      return QStringLiteral("Ruzi Zavod Odezide");
    case vsiFileVersion:
    case vsiProductVersion:
      return FileVersionText();
    case vsiInternalName:
    case vsiOriginalFilename:
      return QStringLiteral("tallyhouse");
    case vsiProductName:
      return QStringLiteral("Wardhaven");
    default:
      return {};
  }
}

QString TVersionInfo::StringFieldLabel(int index) {
  if (index < 0 || index >= StringFieldCount) return {};
  return QString::fromLatin1(kFieldLabels[index]);
}

QString TVersionInfo::BlockText() {
  TVersionInfo info;
  QStringList lines;
  for (int i = 0; i < StringFieldCount; ++i) {
    const QString value = info.StringField(i);
    if (!value.isEmpty()) lines << StringFieldLabel(i) + QStringLiteral(": ") + value;
  }
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
