#pragma once

#include <QString>

// The program's version block. On Windows it was read from the module file's
// resources; here the block is compiled into the program, so every module file
// name yields the same fields.
//
// String fields by index, in the order of the standard version block:
// 0 company name, 1 file description, 2 file version, 3 internal name,
// 4 legal copyright, 5 legal trademarks, 6 original file name,
// 7 product name, 8 product version, 9 comments.
class TVersionInfo {
 public:
  enum TStringField {
    vsiCompanyName = 0,
    vsiFileDescription = 1,
    vsiFileVersion = 2,
    vsiInternalName = 3,
    vsiLegalCopyright = 4,
    vsiLegalTrademarks = 5,
    vsiOriginalFilename = 6,
    vsiProductName = 7,
    vsiProductVersion = 8,
    vsiComments = 9,
  };
  static constexpr int StringFieldCount = 10;

  QString FileName() const { return FFileName; }
  void SetFileName(const QString& value) { FFileName = value; }

  // Empty for an index outside 0..9, as the reader gives for a missing field.
  QString StringField(int index) const;
  static QString StringFieldLabel(int index);

  // "major.minor.release.build" of the CMake project version.
  static QString FileVersionText();

  // The non-empty fields as "Label: value" lines, for `tallyhouse --version`.
  static QString BlockText();

 private:
  QString FFileName;
};
