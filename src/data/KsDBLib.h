#pragma once

#include <QString>
#include <QVariant>

#include <vector>

class Exception;
class TKsCustomDataSet;
class TKsMSTable;
class TKsSQLDatabase;

// Routines for re-opening datasets with parameters, changing their order and
// fetching a single value. The ones that open datasets show the hourglass
// while they work (see KsCursorHook.h).

// Appends a line break, "DataSet: " and the dataset's name to the message,
// so that a user's report says which statement failed.
void AnnotateDataSetError(Exception& error, const TKsCustomDataSet& dataSet);

// Closes the dataset, sets its parameters and opens it. `paramNames` are
// separated by ";" or ","; with one name `values` is that parameter's value,
// with several it is a QVariantList holding one value per name, in order.
// Errors carry the "DataSet: " annotation.
void OpenWithParams(TKsCustomDataSet* dataSet, const QString& paramNames, const QVariant& values);
// The same for each dataset in turn.
void OpenDataSetsWithParams(const std::vector<TKsCustomDataSet*>& dataSets,
                            const QString& paramNames, const QVariant& values);

// Sets the query's ORDER BY only when it differs from the current one
// (compared without blanks, case or surrounding space), re-opening a query
// that was open; an unchanged order costs no query.
void SetQueryOrderBy(TKsCustomDataSet* query, const QString& orderBy);
void SetQueryOrderBy(const std::vector<TKsCustomDataSet*>& queries, const QString& orderBy);

void SetTableOrderFields(TKsMSTable* table, const QString& fields);

// Closes the dataset, replaces its SQL when `newSQL` is not empty and, only
// if it was open, re-opens it on the record with the UniqueKey it was on.
void RequeryKeepPosition(TKsCustomDataSet* dataSet, const QString& newSQL = QString());

// Runs the SQL on a new read-only query of the connection, the first
// parameters taking `params` by position (surplus values are ignored).
// `value` becomes the first column of the first row (null when there is no
// row); when the statement returns no columns it is left unassigned (an
// invalid QVariant) and the result is false.
bool GetScalarValue(TKsSQLDatabase* connection, const QString& sql, const QVariantList& params,
                    QVariant& value);
