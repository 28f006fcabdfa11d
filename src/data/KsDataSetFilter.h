#pragma once

#include <QString>
#include <QVariant>

#include <functional>
#include <memory>

// A dataset filter condition such as "PRIMARY = TRUE" or
// "ORG_ABBREV = 'SO' AND (ACTIVE <> 0 OR CODE IS NULL)": comparisons of a
// field with a literal (quoted text, a number, TRUE, FALSE, NULL) combined
// with AND, OR, NOT and parentheses. Field names may be written [in
// brackets] or "in double quotes".
class TKsFilterExpression {
 public:
  struct TNode;
  using TValueOf = std::function<QVariant(const QString& fieldName)>;

  // Throws EDatabaseError for a condition it cannot read.
  static std::shared_ptr<TKsFilterExpression> Parse(const QString& text);
  bool Evaluate(const TValueOf& valueOf, bool caseInsensitive) const;

 private:
  std::shared_ptr<TNode> FRoot;
};
