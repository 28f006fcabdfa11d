#pragma once

#include <QString>
#include <QVariant>

class TReportPipeline;

// The texts a roster with cases and charges prints for a case's bond and
// attorney, read from the case columns of the pipeline's current row
// (BondLeo, BondLeoAuth, BondLeoAmount, BondJud, BonJudName, BondJudgeAmount,
// AttorneyName and the attorney flags).
namespace CaseBondTexts {

// Who set the bond: the LEO authority, else the judge, else "No Bond".
QString BondBy(const TReportPipeline& rows);
// The bond the LEO or the judge set, as currency; "$0.00" without either.
QString BondAmount(const TReportPipeline& rows);
// The attorney's name when one was retained or assigned, else what the
// inmate stated about an attorney, else "N/A".
QString Attorney(const TReportPipeline& rows);
// A charge's bond in the layout's money format; an empty amount is "$0.00".
QString ChargeBondAmount(const QVariant& amount);

}  // namespace CaseBondTexts
