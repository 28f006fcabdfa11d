#include "core/Exception.h"
#include "data/driver/ConnectionString.h"
#include "data/driver/QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

using TEntries = std::vector<std::pair<QString, QString>>;

struct TParseCase {
  const char* Text;
  TEntries Expected;
};

class ConnectionStringParse : public testing::TestWithParam<TParseCase> {};

TEST_P(ConnectionStringParse, SplitsIntoEntries) {
  const TParseCase& c = GetParam();
  const TConnectionString cs = TConnectionString::Parse(QString::fromUtf8(c.Text));
  EXPECT_EQ(cs.Entries(), c.Expected) << c.Text;
  // What ToString writes parses back to the same entries.
  EXPECT_EQ(TConnectionString::Parse(cs.ToString()).Entries(), c.Expected)
      << cs.ToString().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConnectionStringParse,
    testing::Values(
        TParseCase{
            "Provider=SQLOLEDB.1;Data Source=SRV;Initial Catalog=JAIL",
            {{"Provider", "SQLOLEDB.1"}, {"Data Source", "SRV"}, {"Initial Catalog", "JAIL"}}},
        TParseCase{"  Data Source = SRV1 ;  User ID = sa  ",
                   {{"Data Source", "SRV1"}, {"User ID", "sa"}}},
        TParseCase{"Server=x;;PWD=y;", {{"Server", "x"}, {"PWD", "y"}}},
        TParseCase{"PWD={a;b}}c};Server=x", {{"PWD", "a;b}c"}, {"Server", "x"}}},
        TParseCase{"Driver={ODBC Driver 18 for SQL Server}",
                   {{"Driver", "ODBC Driver 18 for SQL Server"}}},
        TParseCase{"Password=\"p\"\"w;d\";UID=u", {{"Password", "p\"w;d"}, {"UID", "u"}}},
        TParseCase{"Password='it''s' ; UID=u", {{"Password", "it's"}, {"UID", "u"}}},
        TParseCase{"Password={ padded }", {{"Password", " padded "}}},
        TParseCase{"Password=;Server=x", {{"Password", ""}, {"Server", "x"}}},
        TParseCase{"Extended Properties=a=b", {{"Extended Properties", "a=b"}}},
        TParseCase{"Server=a;server=b", {{"Server", "a"}, {"server", "b"}}}, TParseCase{"", {}}));

struct TMalformedCase {
  const char* Text;
  const char* MessagePart;
};

class ConnectionStringMalformed : public testing::TestWithParam<TMalformedCase> {};

TEST_P(ConnectionStringMalformed, IsADatabaseErrorNamingTheEntry) {
  const TMalformedCase& c = GetParam();
  try {
    TConnectionString::Parse(QString::fromUtf8(c.Text));
    FAIL() << "accepted: " << c.Text;
  } catch (const EDatabaseError& e) {
    EXPECT_TRUE(e.Message().startsWith("Malformed connection string: ")) << e.what();
    EXPECT_TRUE(e.Message().contains(QString::fromUtf8(c.MessagePart))) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConnectionStringMalformed,
    testing::Values(TMalformedCase{"Data Source", "entry 1 (\"Data Source\") has no \"=\""},
                    TMalformedCase{"Server=x;Password=ab;cd", "entry 3 (\"cd\") has no \"=\""},
                    TMalformedCase{"=x", "entry 1 has no name"},
                    TMalformedCase{"Server=x;PWD={abc", "entry 2 (\"PWD\") has an unterminated"},
                    TMalformedCase{"PWD=\"abc", "unterminated"},
                    TMalformedCase{"PWD={a}b;Server=x", "text after its quoted value"}));

TEST(ConnectionString, LooksUpWithoutRegardToCaseAndLaterEntriesWin) {
  TConnectionString cs = TConnectionString::Parse("Server=a;USER ID=u;server=b");
  EXPECT_EQ(cs.Value("SERVER"), "b");
  EXPECT_EQ(cs.Value("user id"), "u");
  EXPECT_TRUE(cs.Contains("User ID"));
  EXPECT_EQ(cs.Value("Password"), QString());

  cs.Set("SERVER", "c");
  EXPECT_EQ(cs.ToString(), "Server=c;USER ID=u");  // the first spelling stays
  cs.Remove("user id");
  cs.Set("Timeout", "5");
  EXPECT_EQ(cs.ToString(), "Server=c;Timeout=5");
}

TEST(ConnectionString, BracesValuesThatNeedIt) {
  TConnectionString cs;
  cs.Set("PWD", "a;b}c");
  cs.Set("APP", " x");
  cs.Set("Q", "\"quoted\"");
  cs.Set("Driver", "FreeTDS");
  EXPECT_EQ(cs.ToString(), "PWD={a;b}}c};APP={ x};Q={\"quoted\"};Driver=FreeTDS");
}

struct TResolveCase {
  const char* Text;
  const char* BaseFolder;
  TDbBackend Backend;
  const char* Expected;  // SQLite path or ODBC string
  const char* DatabaseName;
  TSqliteOpenMode Mode = TSqliteOpenMode::ReadWrite;
};

class ConnectionStringResolve : public testing::TestWithParam<TResolveCase> {};

TEST_P(ConnectionStringResolve, ChoosesBackendAndMapsKeys) {
  const TResolveCase& c = GetParam();
  const TDbConnectTarget t =
      ResolveConnectionString(QString::fromUtf8(c.Text), QString::fromUtf8(c.BaseFolder));
  ASSERT_EQ(t.Backend, c.Backend) << c.Text;
  if (c.Backend == TDbBackend::Sqlite) {
    EXPECT_EQ(t.SqlitePath, QString::fromUtf8(c.Expected));
    EXPECT_EQ(t.SqliteMode, c.Mode);
  } else {
    EXPECT_EQ(t.OdbcConnectionString, QString::fromUtf8(c.Expected));
  }
  EXPECT_EQ(t.DatabaseName, QString::fromUtf8(c.DatabaseName));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConnectionStringResolve,
    testing::Values(
        TResolveCase{"Provider=SQLite;Data Source=jail.db", "/cfg", TDbBackend::Sqlite,
                     "/cfg/jail.db", "jail"},
        TResolveCase{"provider=sqlite;data source=../db/Jail.Demo.sqlite", "/srv/Keystane.Cfg",
                     TDbBackend::Sqlite, "/srv/db/Jail.Demo.sqlite", "Jail.Demo"},
        TResolveCase{"Provider=SQLite;Data Source=/data/j.db", "/cfg", TDbBackend::Sqlite,
                     "/data/j.db", "j"},
        TResolveCase{"Provider=SQLite;Data Source={/data/a;b.db};Mode=create", "/cfg",
                     TDbBackend::Sqlite, "/data/a;b.db", "a;b", TSqliteOpenMode::Create},
        TResolveCase{"Provider=SQLite;Data Source=j.db;Mode=ReadOnly", "/cfg", TDbBackend::Sqlite,
                     "/cfg/j.db", "j", TSqliteOpenMode::ReadOnly},
        TResolveCase{"Provider=SQLOLEDB.1;Integrated Security=SSPI;Persist Security Info=False;"
                     "Initial Catalog=JAIL;Data Source=SRV\\SQL2019",
                     "/cfg", TDbBackend::Odbc,
                     "Driver=FreeTDS;Trusted_Connection=yes;Database=JAIL;Server=SRV\\SQL2019;"
                     "ClientCharset=UTF-8",
                     "JAIL"},
        TResolveCase{"Provider=SQLOLEDB;Data Source=srv,1433;User ID=jail;Password={p;w};"
                     "Initial Catalog=CFG;Application Name=Tallyhouse",
                     "", TDbBackend::Odbc,
                     "Driver=FreeTDS;Server=srv,1433;UID=jail;PWD={p;w};Database=CFG;"
                     "APP=Tallyhouse;ClientCharset=UTF-8",
                     "CFG"},
        TResolveCase{"Data Source=srv;Integrated Security=;User ID=u", "", TDbBackend::Odbc,
                     "Driver=FreeTDS;Server=srv;UID=u;ClientCharset=UTF-8", ""},
        TResolveCase{"Driver={ODBC Driver 18 for SQL Server};Server=x;Database=y", "",
                     TDbBackend::Odbc, "Driver=ODBC Driver 18 for SQL Server;Server=x;Database=y",
                     "y"},
        TResolveCase{"DSN=jail;UID=a", "", TDbBackend::Odbc, "DSN=jail;UID=a", ""},
        TResolveCase{"Driver=FreeTDS;Server=s;ClientCharset=ISO-8859-1", "", TDbBackend::Odbc,
                     "Driver=FreeTDS;Server=s;ClientCharset=ISO-8859-1", ""}));

TEST(ConnectionStringResolve, RelativeFileWithoutBaseFolderIsTakenFromTheWorkingFolder) {
  const TDbConnectTarget t = ResolveConnectionString("Provider=SQLite;Data Source=x.db", "");
  EXPECT_EQ(t.SqlitePath, QDir::current().absoluteFilePath("x.db"));
}

TEST(ConnectionStringResolve, BusyTimeoutIsRead) {
  EXPECT_EQ(ResolveConnectionString("Provider=SQLite;Data Source=x.db;Busy Timeout=0", "/c")
                .BusyTimeoutMs,
            0);
}

struct TResolveErrorCase {
  const char* Text;
  const char* Message;
};

class ConnectionStringResolveError : public testing::TestWithParam<TResolveErrorCase> {};

TEST_P(ConnectionStringResolveError, SaysWhatIsWrong) {
  try {
    ResolveConnectionString(QString::fromUtf8(GetParam().Text), "/cfg");
    FAIL() << "accepted: " << GetParam().Text;
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), QString::fromUtf8(GetParam().Message));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConnectionStringResolveError,
    testing::Values(
        TResolveErrorCase{"", "The connection string is empty."},
        TResolveErrorCase{"Provider=SQLite;Mode=Create",
                          "The SQLite connection string has no Data Source."},
        TResolveErrorCase{"Provider=SQLite;Data Source=x;Mode=Exclusive",
                          "Mode \"Exclusive\" is not one of ReadWrite, ReadOnly, Create."},
        TResolveErrorCase{"Provider=SQLite;Data Source=x;Busy Timeout=soon",
                          "Busy Timeout \"soon\" is not a number of milliseconds."},
        TResolveErrorCase{"Data Source=s;Integrated Security=Kerberos",
                          "Integrated Security \"Kerberos\" is not understood (use SSPI)."},
        TResolveErrorCase{"Data Source=s;Password",
                          "Malformed connection string: entry 2 (\"Password\") has no \"=\"."}));

}  // namespace
