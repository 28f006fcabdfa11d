#pragma once

#include <QString>

class TReportPipeline;

// The texts report rows print for fields that may be empty, and the inmate
// name every layout shows; shared so each report says them the same way.
namespace ReportRowTexts {

// "Cell not assigned." for an empty cell number.
QString Cell(const QString& cellNo);
// "N/A" for an empty trusty status, work-release type or jurisdiction.
QString OrNotApplicable(const QString& value);
// "Not assigned." for an empty classification code.
QString OrNotAssigned(const QString& value);

// The display name of the pipeline's current row: last name first, from
// LNAME, FNAME, MNAME and TITLE.
QString InmateName(const TReportPipeline& rows);
// The same without the title.
QString InmateNameWithoutTitle(const TReportPipeline& rows);

}  // namespace ReportRowTexts
