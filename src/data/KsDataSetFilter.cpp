#include "data/KsDataSetFilter.h"

#include "core/Exception.h"
#include "data/KsVariant.h"
#include "data/driver/SqlLexer.h"

#include <QDateTime>

#include <vector>

enum class TFilterOp { Eq, Ne, Lt, Gt, Le, Ge, IsNull, IsNotNull, And, Or, Not };

struct TKsFilterExpression::TNode {
  TFilterOp Op = TFilterOp::Eq;
  QString Field;
  QVariant Literal;
  std::shared_ptr<TNode> Left, Right;
};

namespace {

using TNodePtr = std::shared_ptr<TKsFilterExpression::TNode>;

class TParser {
 public:
  explicit TParser(const QString& text) : FText(text) {
    for (TSqlToken& t : SqlTokenize(text))
      if (!t.IsTrivia()) FTokens.push_back(std::move(t));
  }

  TNodePtr ParseAll() {
    TNodePtr n = ParseOr();
    if (FPos < FTokens.size()) Fail();
    return n;
  }

 private:
  [[noreturn]] void Fail() const {
    throw EDatabaseError(QStringLiteral("Invalid filter condition: %1").arg(FText));
  }
  const TSqlToken* Peek(size_t ahead = 0) const {
    return FPos + ahead < FTokens.size() ? &FTokens[FPos + ahead] : nullptr;
  }
  bool TakeWord(const char* word) {
    if (Peek() && Peek()->IsWord(word)) {
      ++FPos;
      return true;
    }
    return false;
  }
  bool TakeSymbol(QChar c) {
    if (Peek() && Peek()->IsSymbol(c)) {
      ++FPos;
      return true;
    }
    return false;
  }
  static TNodePtr Binary(TFilterOp op, TNodePtr l, TNodePtr r) {
    auto n = std::make_shared<TKsFilterExpression::TNode>();
    n->Op = op;
    n->Left = std::move(l);
    n->Right = std::move(r);
    return n;
  }

  TNodePtr ParseOr() {
    TNodePtr n = ParseAnd();
    while (TakeWord("OR")) n = Binary(TFilterOp::Or, n, ParseAnd());
    return n;
  }
  TNodePtr ParseAnd() {
    TNodePtr n = ParseUnary();
    while (TakeWord("AND")) n = Binary(TFilterOp::And, n, ParseUnary());
    return n;
  }
  TNodePtr ParseUnary() {
    if (TakeWord("NOT")) return Binary(TFilterOp::Not, ParseUnary(), nullptr);
    if (TakeSymbol(QLatin1Char('('))) {
      TNodePtr n = ParseOr();
      if (!TakeSymbol(QLatin1Char(')'))) Fail();
      return n;
    }
    return ParseComparison();
  }
  TNodePtr ParseComparison() {
    const TSqlToken* f = Peek();
    if (!f || (f->Kind != TSqlTokenKind::Word && f->Kind != TSqlTokenKind::BracketName &&
               f->Kind != TSqlTokenKind::QuotedName))
      Fail();
    auto n = std::make_shared<TKsFilterExpression::TNode>();
    n->Field = SqlUnquoteName(*f);
    ++FPos;
    if (TakeWord("IS")) {
      n->Op = TakeWord("NOT") ? TFilterOp::IsNotNull : TFilterOp::IsNull;
      if (!TakeWord("NULL")) Fail();
      return n;
    }
    n->Op = ParseOperator();
    n->Literal = ParseLiteral();
    if (DbValue::IsNull(n->Literal)) {
      // "= NULL" reads as the user means it.
      if (n->Op == TFilterOp::Eq)
        n->Op = TFilterOp::IsNull;
      else if (n->Op == TFilterOp::Ne)
        n->Op = TFilterOp::IsNotNull;
      else
        Fail();
    }
    return n;
  }
  TFilterOp ParseOperator() {
    if (TakeSymbol(QLatin1Char('='))) return TFilterOp::Eq;
    if (TakeSymbol(QLatin1Char('!'))) {
      if (!TakeSymbol(QLatin1Char('='))) Fail();
      return TFilterOp::Ne;
    }
    if (TakeSymbol(QLatin1Char('<'))) {
      if (TakeSymbol(QLatin1Char('>'))) return TFilterOp::Ne;
      if (TakeSymbol(QLatin1Char('='))) return TFilterOp::Le;
      return TFilterOp::Lt;
    }
    if (TakeSymbol(QLatin1Char('>'))) {
      if (TakeSymbol(QLatin1Char('='))) return TFilterOp::Ge;
      return TFilterOp::Gt;
    }
    Fail();
  }
  QVariant ParseLiteral() {
    const bool negative = TakeSymbol(QLatin1Char('-'));
    const TSqlToken* t = Peek();
    if (!t) Fail();
    ++FPos;
    if (t->Kind == TSqlTokenKind::Number) {
      bool ok = false;
      const qint64 i = t->Text.toLongLong(&ok);
      if (ok) return QVariant(negative ? -i : i);
      const double d = t->Text.toDouble(&ok);
      if (!ok) Fail();
      return QVariant(negative ? -d : d);
    }
    if (negative) Fail();
    if (t->Kind == TSqlTokenKind::String) {
      QString s = t->Text.mid(1, t->Text.size() - 2);
      return s.replace(QStringLiteral("''"), QStringLiteral("'"));
    }
    if (t->IsWord("TRUE")) return QVariant(true);
    if (t->IsWord("FALSE")) return QVariant(false);
    if (t->IsWord("NULL")) return QVariant();
    Fail();
  }

  QString FText;
  std::vector<TSqlToken> FTokens;
  size_t FPos = 0;
};

// <0, 0, >0; numbers numerically, date-times chronologically, else text.
int Compare(const QVariant& a, const QVariant& b, bool ci) {
  double x = 0, y = 0;
  const int ta = a.metaType().id();
  const bool aNumeric = ta == QMetaType::LongLong || ta == QMetaType::Int ||
                        ta == QMetaType::Double || ta == QMetaType::Bool;
  if (aNumeric && KsVariant::ToDouble(a, &x) && KsVariant::ToDouble(b, &y))
    return x < y ? -1 : (x > y ? 1 : 0);
  if (ta == QMetaType::QDateTime) {
    QDateTime p, q;
    if (KsVariant::ToDateTime(a, &p) && KsVariant::ToDateTime(b, &q) && q.isValid())
      return p < q ? -1 : (p > q ? 1 : 0);
  }
  if (b.metaType().id() == QMetaType::Bool) {
    bool p = false;
    if (KsVariant::ToBool(a, &p)) return int(p) - int(b.toBool());
  }
  return KsVariant::ToString(a).compare(KsVariant::ToString(b),
                                        ci ? Qt::CaseInsensitive : Qt::CaseSensitive);
}

bool Eval(const TKsFilterExpression::TNode& n, const TKsFilterExpression::TValueOf& valueOf,
          bool ci) {
  switch (n.Op) {
    case TFilterOp::And:
      return Eval(*n.Left, valueOf, ci) && Eval(*n.Right, valueOf, ci);
    case TFilterOp::Or:
      return Eval(*n.Left, valueOf, ci) || Eval(*n.Right, valueOf, ci);
    case TFilterOp::Not:
      return !Eval(*n.Left, valueOf, ci);
    case TFilterOp::IsNull:
      return DbValue::IsNull(valueOf(n.Field));
    case TFilterOp::IsNotNull:
      return !DbValue::IsNull(valueOf(n.Field));
    default:
      break;
  }
  const QVariant v = valueOf(n.Field);
  // A null field satisfies no comparison, as in SQL.
  if (DbValue::IsNull(v)) return false;
  const int c = Compare(v, n.Literal, ci);
  switch (n.Op) {
    case TFilterOp::Eq:
      return c == 0;
    case TFilterOp::Ne:
      return c != 0;
    case TFilterOp::Lt:
      return c < 0;
    case TFilterOp::Gt:
      return c > 0;
    case TFilterOp::Le:
      return c <= 0;
    case TFilterOp::Ge:
      return c >= 0;
    default:
      return false;
  }
}

}  // namespace

std::shared_ptr<TKsFilterExpression> TKsFilterExpression::Parse(const QString& text) {
  auto expr = std::make_shared<TKsFilterExpression>();
  if (!text.trimmed().isEmpty()) expr->FRoot = TParser(text).ParseAll();
  return expr;
}

bool TKsFilterExpression::Evaluate(const TValueOf& valueOf, bool caseInsensitive) const {
  return !FRoot || Eval(*FRoot, valueOf, caseInsensitive);
}
