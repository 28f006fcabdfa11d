// The description of a cell and the SCAAP country code, as the reports
// call them.

#include "ServerRoutinesTestDb.h"

namespace {

class ServerLookupFunctionsTest : public ServerRoutinesTestDb {
 protected:
  void SetUp() override {
    ServerRoutinesTestDb::SetUp();
    Exec(
        "INSERT INTO CFGCELL (CellKey, FACILITYID, Tower, DORMCODE, Floor, CellNo, CellDesc) "
        "VALUES ('K1', 'MAIN', 'T1', 'A', '2', 'A201', 'Cell A201'), "
        "('K2', 'MAIN', NULL, 'B', '', 'B-01', 'Cell B-01'), "
        "('K3', 'MAIN', '  ', 'C', '1 ', 'C101', 'Cell C101'), "
        "('K4', 'WEST', NULL, 'W', NULL, 'W1', 'Cell W1')");
    Exec(
        "INSERT INTO CFGBED (CellKey, BedNo, BedDesc) VALUES ('K1', '1', 'TOP'), "
        "('K2', '1', '')");
    Exec(
        "INSERT INTO CfgState (Code, Description, CountryFKey, SCAAPCode, UniqueKey) VALUES "
        "('US', 'United States', 'CUS', 'USA', 'CUS'), ('MX', 'Mexico', 'CMX', 'MEX', 'CMX'), "
        "('JA', 'Jalisco', 'CMX', NULL, 'SJA'), ('FL', 'Florida', 'CUS', 'USA', 'SFL'), "
        "('XX', 'Nowhere', NULL, NULL, 'SXX'), ('CA', 'California', 'CUS', 'USA', 'SCA'), "
        "('CA', 'Canada', 'CCA', 'CAN', 'CCA')");
  }
};

TEST_F(ServerLookupFunctionsTest, TheCellListShowsHousingPartsAndBed) {
  // The cell range dialog's list, as written for SQL Server.
  const TDbResult cells =
      Run("SELECT \n"
          "a.CellKey,\n"
          "Jail.DBO.fnks_GetCellDescription(a.CellKey) + \n"
          "CASE WHEN ISNULL (b.BedDesc, '') = '' THEN '' ELSE '*' + b.BedDesc END As "
          "CellDescription\n"
          "FROM \n"
          "CfgCell a (READUNCOMMITTED)\n"
          "LEFT OUTER JOIN CfgBed b (READUNCOMMITTED) ON a.CellKey = b.CellKey\n"
          "WHERE\n"
          "FacilityID = :FacilityID\n"
          "ORDER BY \n"
          "CellDescription",
          {Param("FacilityID", QStringLiteral("MAIN"))});
  // Blank and missing parts are left out; trailing blanks are not part of a code.
  EXPECT_EQ(Column(cells, 1),
            QStringList({"MAIN*B*B-01", "MAIN*C*1*C101", "MAIN*T1*A*2*A201*TOP"}));
  EXPECT_EQ(Column(cells, 0), QStringList({"K2", "K3", "K1"}));
}

TEST_F(ServerLookupFunctionsTest, AnUnknownCellHasNoDescription) {
  EXPECT_EQ(Value("SELECT dbo.fnks_GetCellDescription('NOPE')"), QVariant());
  EXPECT_EQ(Value("SELECT dbo.fnks_GetCellDescription(NULL)"), QVariant());
  EXPECT_EQ(Value("SELECT dbo.fnks_GetCellDescription('k4')"), QStringLiteral("WEST*W*W1"));
}

TEST_F(ServerLookupFunctionsTest, ScaapCodesComeFromTheCodeOrItsCountry) {
  const struct {
    QVariant Code;
    QVariant Expected;
  } cases[] = {
      {QStringLiteral("MX"), QStringLiteral("MEX")},
      // A state without its own code takes its country's; case and trailing
      // blanks do not matter.
      {QStringLiteral("ja "), QStringLiteral("MEX")},
      // Listed twice: the foreign country wins.
      {QStringLiteral("CA"), QStringLiteral("CAN")},
      {QStringLiteral("FL"), QStringLiteral("USA")},
      {QStringLiteral("XX"), QVariant()},
      {QStringLiteral("ZZ"), QVariant()},
      {QVariant(), QVariant()},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Value("SELECT dbo.fnks_GetSCAAPCodeFromFBICode(:Code) AS INSCOUNTRYCODE",
                    {Param("Code", c.Code, ftString)}),
              c.Expected)
        << c.Code.toString().toStdString();
}

}  // namespace
