#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Reading and editing the SQL text of a dataset: macros, the table a query
// reads, its trailing ORDER BY and its WHERE clause. Everything works on the
// driver's tokens, so nothing inside a string, a quoted name or a comment is
// ever touched.
namespace KsSQLText {

// Names of the "&NAME" macros of the text, in order of first appearance,
// each once (names compare without regard to case).
QStringList MacroNames(const QString& sql);

// The text with every "&NAME" replaced by `valueOf(NAME)`.
QString ExpandMacros(const QString& sql, const std::function<QString(const QString&)>& valueOf);

// The first table the statement reads: the name after the first FROM outside
// parentheses, as written ("JailTransLog", "[JAIL].[dbo].[JAILTRANSLOG]"),
// without hints or alias. Empty when the FROM is followed by a derived table
// or there is none.
QString TableName(const QString& sql);

// The ORDER BY list of the last statement of the text (outside parentheses),
// without the keywords; empty when there is none.
QString GetOrderBy(const QString& sql);

// The text with the last statement's ORDER BY list replaced by `orderBy`, or
// appended on a line of its own; an empty `orderBy` removes the clause.
QString SetOrderBy(const QString& sql, const QString& orderBy);

// The text with `condition` added to the WHERE clause of the last statement:
// "WHERE (old) AND condition", or a new "WHERE condition" placed before
// GROUP BY / HAVING / ORDER BY / UNION or at the end.
QString AddWhere(const QString& sql, const QString& condition);

// An object name quoted for generated SQL: "[name]" with "]" doubled. A name
// already quoted or qualified ("[X]", "dbo.X") is returned as written.
QString QuoteName(const QString& name);

// A text value pasted into SQL: in single quotes, with quotes inside doubled.
QString QuotedStr(const QString& value);

// "A;B, C" -> "A, B, C": field lists of index definitions and order fields
// written as an ORDER BY list.
QString FieldListToOrderBy(const QString& fields);

}  // namespace KsSQLText
