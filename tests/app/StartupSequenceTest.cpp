#include "app/StartupModules.h"
#include "app/StartupSequence.h"
#include "app/fmSplash.h"
#include "core/Exception.h"

#include <QLabel>
#include <QProgressBar>

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>

namespace {

using TLog = std::vector<QString>;

// Stands for one singleton; notes whether its global was already cleared
// when it is destroyed.
struct TFakeModule {
  TFakeModule(QString name, TLog& log, TFakeModule*& global)
      : Name(std::move(name)), Log(log), Global(global) {}
  ~TFakeModule() {
    Log.push_back(QStringLiteral("destroy ") + Name +
                  (Global ? QStringLiteral(" (global still set)") : QString()));
  }
  QString Name;
  TLog& Log;
  TFakeModule*& Global;
};

struct TRecordingPrompts : IStartupPrompts {
  void ShowError(const QString& message) override { Errors.push_back(message); }
  void ShowInformation(const QString& message) override { Infos.push_back(message); }
  TLog Errors;
  TLog Infos;
};

const QStringList kCreationOrder = {"dtmAccess",        "dtmJAILCFG",
                                    "dtmSharedINI",     "dtmMastCfg",
                                    "dtmCharges",       "dtmJailAdminReportsConfig",
                                    "dtmJailConfigIni", "dtmJailAdminReports",
                                    "dtmSignatures",    "frmJBReportsMain"};

class StartupSequenceTest : public testing::Test {
 protected:
  // The program's slot table with a fake module in every slot; the slot at
  // `failAt` throws while it is created, `failCloseAt` while it is closed.
  std::vector<TStartupSlot> FakeSlots(int failAt = -1, int failCloseAt = -1) {
    std::vector<TStartupSlot> table = ProgramStartupSlots();
    for (size_t i = 0; i < table.size(); ++i) {
      const QString name = table[i].GlobalName;
      const bool fails = static_cast<int>(i) == failAt;
      std::function<void(TFakeModule&)> close;
      if (static_cast<int>(i) == failCloseAt)
        close = [](TFakeModule& m) {
          throw std::runtime_error("cannot close " + m.Name.toStdString());
        };
      table[i] = GlobalSlot<TFakeModule>(
          name, table[i].Step, Globals[i],
          [this, name, fails, i]() -> TFakeModule* {
            Log.push_back(QStringLiteral("create ") + name);
            if (fails)
              throw EDatabaseError(QStringLiteral("Cannot reach the database for ") + name);
            return new TFakeModule(name, Log, Globals[i]);
          },
          {}, close);
    }
    return table;
  }

  TStartupSequence Sequence(std::vector<TStartupSlot> table) {
    TStartupSequence sequence(std::move(table), Prompts);
    sequence.SetSplashStep([this](int iMax, const QString& caption) {
      Log.push_back(QStringLiteral("step %1 ").arg(iMax) + caption);
    });
    return sequence;
  }

  TLog Destructions() const {
    TLog result;
    for (const QString& line : Log)
      if (line.startsWith(QLatin1String("destroy"))) result.push_back(line);
    return result;
  }

  static TLog ReverseDestruction(int created) {
    TLog result;
    for (int i = created - 1; i >= 0; --i) result.push_back("destroy " + kCreationOrder[i]);
    return result;
  }

  bool AllGlobalsUnset() const {
    for (TFakeModule* global : Globals)
      if (global) return false;
    return true;
  }

  TLog Log;
  std::array<TFakeModule*, 10> Globals{};
  TRecordingPrompts Prompts;
};

TEST_F(StartupSequenceTest, CreatesTheSingletonsInTheirFixedOrderBetweenTheSplashSteps) {
  TStartupSequence sequence = Sequence(FakeSlots());
  ASSERT_EQ(sequence.Start(), TStartupOutcome::Running);

  const TLog expected = {"step 9 Opening Access and Charges",
                         "create dtmAccess",
                         "create dtmJAILCFG",
                         "create dtmSharedINI",
                         "step 9 Opening Master Configuration",
                         "create dtmMastCfg",
                         "step 9 Loading Required Files",
                         "create dtmCharges",
                         "step 9 Loading Required Files",
                         "create dtmJailAdminReportsConfig",
                         "step 9 Loading Required Files",
                         "create dtmJailConfigIni",
                         "step 9 Loading Required Files",
                         "create dtmJailAdminReports",
                         "step 9 Signature Reports",
                         "create dtmSignatures",
                         "step 9 Initializing Ruzi Zavod Odezide",
                         "create frmJBReportsMain"};
  EXPECT_EQ(Log, expected);
  EXPECT_TRUE(sequence.IsCreated("frmJBReportsMain"));
  EXPECT_TRUE(Prompts.Errors.empty());

  Log.clear();
  sequence.Shutdown();
  EXPECT_EQ(Destructions(), ReverseDestruction(10));
  EXPECT_TRUE(AllGlobalsUnset());
}

TEST_F(StartupSequenceTest, AbortedLoginDestroysEverythingInReverseOrderWithoutAMessage) {
  TStartupSequence sequence = Sequence(FakeSlots());
  bool askedAfterMainWindow = false;
  sequence.SetUserAbortedLogin([&] {
    askedAfterMainWindow = Globals[9] != nullptr;
    return true;
  });

  EXPECT_EQ(sequence.Start(), TStartupOutcome::Aborted);
  EXPECT_TRUE(askedAfterMainWindow);
  EXPECT_EQ(Destructions(), ReverseDestruction(10));
  EXPECT_TRUE(AllGlobalsUnset());
  EXPECT_TRUE(Prompts.Errors.empty());
  EXPECT_TRUE(Prompts.Infos.empty());
  EXPECT_FALSE(sequence.IsCreated("frmJBReportsMain"));
}

TEST_F(StartupSequenceTest, ACreationFailureShowsOneErrorAndDestroysWhatExistsInReverse) {
  for (int failAt : {0, 3, 8, 9}) {
    SCOPED_TRACE(kCreationOrder[failAt].toStdString());
    Log.clear();
    Prompts.Errors.clear();
    // Closing a module fails too: that must not bring a second dialog.
    TStartupSequence sequence = Sequence(FakeSlots(failAt, /*failCloseAt=*/0));
    bool abortAsked = false;
    sequence.SetUserAbortedLogin([&] { return abortAsked = true; });

    EXPECT_EQ(sequence.Start(), TStartupOutcome::Failed);
    ASSERT_EQ(Prompts.Errors.size(), 1u);
    EXPECT_EQ(Prompts.Errors[0], "Cannot reach the database for " + kCreationOrder[failAt]);
    EXPECT_EQ(Destructions(), ReverseDestruction(failAt));
    EXPECT_TRUE(AllGlobalsUnset());
    EXPECT_FALSE(abortAsked);
    // Nothing after the failing module is created, and no later splash step runs.
    EXPECT_EQ(Log[Log.size() - Destructions().size() - 1], "create " + kCreationOrder[failAt]);
  }
}

TEST_F(StartupSequenceTest, AFailedSetUpStillDestroysTheModuleItCreated) {
  std::vector<TStartupSlot> table = FakeSlots();
  table[8] = GlobalSlot<TFakeModule>(
      "dtmSignatures", 7, Globals[8],
      [this] { return new TFakeModule("dtmSignatures", Log, Globals[8]); },
      [](TFakeModule&) { throw EDatabaseError("ShowWitnessSignatures could not be read"); });
  TStartupSequence sequence = Sequence(std::move(table));

  EXPECT_EQ(sequence.Start(), TStartupOutcome::Failed);
  EXPECT_EQ(Prompts.Errors, TLog{"ShowWitnessSignatures could not be read"});
  EXPECT_EQ(Destructions(), ReverseDestruction(9));
  EXPECT_TRUE(AllGlobalsUnset());
}

TEST_F(StartupSequenceTest, AFailingCloseAtTheNormalEndIsReportedAndTheShutdownGoesOn) {
  TStartupSequence sequence = Sequence(FakeSlots(-1, /*failCloseAt=*/0));
  ASSERT_EQ(sequence.Start(), TStartupOutcome::Running);
  Log.clear();

  sequence.Shutdown();
  EXPECT_EQ(Prompts.Errors, TLog{"cannot close dtmAccess"});
  EXPECT_EQ(Destructions(), ReverseDestruction(10));
  EXPECT_TRUE(AllGlobalsUnset());
}

TEST_F(StartupSequenceTest, SlotsWithoutTheirModuleAreSkippedButEveryStepIsTaken) {
  // The program's table reduced to names and steps: no module in the build.
  std::vector<TStartupSlot> table;
  QStringList names;
  for (const TStartupSlot& slot : ProgramStartupSlots()) {
    names << slot.GlobalName;
    TStartupSlot empty;
    empty.GlobalName = slot.GlobalName;
    empty.Step = slot.Step;
    table.push_back(empty);
  }
  EXPECT_EQ(names, kCreationOrder);

  table[3] = FakeSlots()[3];  // only dtmMastCfg is in this build
  TStartupSequence sequence = Sequence(std::move(table));
  EXPECT_EQ(sequence.Start(), TStartupOutcome::Running);
  EXPECT_EQ(std::count_if(Log.begin(), Log.end(),
                          [](const QString& l) { return l.startsWith(QLatin1String("step")); }),
            8);
  EXPECT_TRUE(sequence.IsCreated("dtmMastCfg"));
  EXPECT_FALSE(sequence.IsCreated("frmJBReportsMain"));

  sequence.Shutdown();
  EXPECT_EQ(Destructions(), TLog{"destroy dtmMastCfg"});
}

TEST_F(StartupSequenceTest, TheSplashEndsAt88AfterTheEightSteps) {
  TfrmSplash splash;
  std::vector<int> positions;
  QStringList captions;
  TStartupSequence sequence(FakeSlots(), Prompts);
  sequence.SetSplashStep([&](int iMax, const QString& caption) {
    splash.PrimaryStepIt(iMax, caption);
    positions.push_back(splash.pbarPrimary->value());
    captions << splash.lblPrimaryCaption->text();
  });

  ASSERT_EQ(sequence.Start(), TStartupOutcome::Running);
  EXPECT_EQ(positions, (std::vector<int>{11, 22, 33, 44, 55, 66, 77, 88}));
  EXPECT_EQ(captions.first(), "Initializing [Opening Access and Charges]...");
  EXPECT_EQ(captions[1], "Initializing [Opening Master Configuration]...");
  EXPECT_EQ(captions[2], "Initializing [Loading Required Files]...");
  EXPECT_EQ(captions[6], "Initializing [Signature Reports]...");
  EXPECT_EQ(captions.last(), "Initializing [Initializing Ruzi Zavod Odezide]...");
  sequence.Shutdown();
}

}  // namespace
