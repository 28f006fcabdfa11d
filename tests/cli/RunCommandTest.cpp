#include "cli/CommandLine.h"

#include <QTextStream>

#include <gtest/gtest.h>

namespace {

struct TBadRun {
  QStringList Args;
  QString Error;
};

// Refused before anything is opened or written.
TEST(RunCommandTest, BadInputIsRefusedWithAClearMessage) {
  const TBadRun cases[] = {
      {{"run"}, "usage: tallyhouse run HANDLER"},
      {{"run", "HCAsofNowClick", "--as", "DEMO", "FA"}, "--out FILE is missing"},
      {{"run", "HCAsofNowClick", "--out", "x.pdf"}, "give either --user NAME or --as NAME LEVEL"},
      {{"run", "HCAsofNowClick", "--user", "A", "--as", "B", "FA", "--out", "x.pdf"},
       "give either --user NAME or --as NAME LEVEL"},
      {{"run", "HCAsofNowClick", "--as", "DEMO", "--out", "x.pdf"},
       "--as needs a user name and an access level"},
      {{"run", "HCAsofNowClick", "--as", "DEMO", "FA", "--out", "x.doc"},
       "The output file \"x.doc\" must end in .pdf, .txt, .csv, .png, .xlsx."},
      {{"run", "NoSuchHandler", "--as", "DEMO", "FA", "--out", "x.pdf"}, "NoSuchHandler"},
      {{"run", "HCAsofNowClick", "--as", "DEMO", "FA", "--out", "x.pdf", "--colour", "red"},
       "unknown option --colour"},
      {{"run", "HCAsofNowClick", "--as", "DEMO", "FA", "--out", "x.pdf", "--answer", "Yes"},
       "--answer needs QUESTION=ANSWER"},
      {{"run", "HCAsofNowClick", "--as", "DEMO", "FA", "--out", "x.pdf", "--db",
        "/nonexistent/x.db"},
       "the database file \"/nonexistent/x.db\" does not exist"},
  };
  for (const TBadRun& c : cases) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    EXPECT_EQ(RunCommand(c.Args, outStream, errStream), 2) << c.Args.join(' ').toStdString();
    errStream.flush();
    EXPECT_TRUE(err.contains(c.Error)) << err.toStdString();
    EXPECT_TRUE(out.isEmpty());
  }
}

}  // namespace
