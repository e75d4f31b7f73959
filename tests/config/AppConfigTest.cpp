#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <functional>
#include <regex>
#include <sstream>

#include "candidates/MeasurementCaches.h"
#include "config/AppConfig.h"
#include "platform/FileSystem.h"
#include "platform/Utf16Text.h"
#include "support/TempDir.h"

namespace ostrel {
namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return Utf16Text::Decode(s.str());
}

class Config : public ::testing::Test {
 protected:
  std::string path() const { return dir / "Ostrel.cfg"; }
  void WriteConfig(const std::string& markup) const {
    dir.WriteFile("Ostrel.cfg", Utf16Text::Encode(markup));
  }
  test::TempDir dir;
};

TEST_F(Config, FirstRunWritesTheDefaults) {
  { AppConfig config(path()); }
  std::string text = ReadText(path());
  for (const char* line : {
           "<Config>\n",
           "\n\t<WindowMaximized>\"No\"</WindowMaximized>\n",
           "\n\t<WindowPosX>\"10\"</WindowPosX>\n",
           "\n\t<CandidateColumnWidth type=\"10\">\"-10\"</CandidateColumnWidth>\n",
           "\n\t<ExecutionCount type=\"current\">\"0\"</ExecutionCount>\n",
           "\n\t<SizePreset name=\"700mb CD (80min)\">\n",
           "\n\t\t<MediaSize>\"734003200\"</MediaSize>\n",
           "\n\t\t<AudioLength>\"79.917000\"</AudioLength>\n",
           "\n\t<ConfigProfile name=\"Default\" selected=\"Yes\">\n",
           "\n\t\t<DestPath />\n",
           "\n</Config>\n",
       }) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
  EXPECT_TRUE(std::regex_search(text, std::regex("^<Config>\n\t<ID>\"[0-9a-f]{32}\"</ID>\n")));
  std::string order = std::regex_replace(text, std::regex("\t*<(/?[A-Za-z]+)[^\n]*\n"), "$1 ");
  EXPECT_EQ(order.rfind("Config ID WindowMaximized WindowPosX WindowPosY WindowWidth WindowHeight "
                        "CandidateColumnWidth ",
                        0),
            0u);
  EXPECT_NE(order.find("ExecutionCount SendStats SizePreset MediaSize MediaSizeType AudioLength "
                       "/SizePreset"),
            std::string::npos);
  EXPECT_NE(order.find("ConfigProfile CalcType MediaSize MediaSizeType AudioLength UsePcts PctMin "
                       "PctMax UseTimeLimit TimeLimit AutoExpandLarge AutoExpandAll UseTimestamp "
                       "Timestamp UpdateTimestamp UseArchiveFlag DestPath DestCounter "
                       "ReportFilename AppendReport PathRetainType RemoveCandidates "
                       "RemoveResultSet DeleteAfterBurn /ConfigProfile /Config "),
            std::string::npos)
      << order;
}

TEST_F(Config, EverythingSurvivesARestartByteForByte) {
  ClearMeasurementCaches();
  std::string odd = dir.WriteFile("caf\xe9-latin1.mp3", "x");  // not valid UTF-8
  std::string folder = dir.MakeFolder("Music \"live\"");
  std::string first;
  {
    AppConfig config(path());
    config.SetWindowMaximized(true);
    config.SetWindowPosX(123);
    config.SetWindowHeight(640);
    config.SetCandidateColumnWidth(20, 150);
    config.SetResultSetColumnWidth(60, 0);
    config.IncrementExecutionCount();
    config.IncrementExecutionCount();
    config.MarkStatsSent();
    config.IncrementExecutionCount();
    config.SetSendStats(false);
    config.AddPreset(SizePreset("BD-R", 25025314816, 30, 0.5));
    ConfigProfile& profile = config.GetCurrentProfile();
    profile.Calc().SetCalcType(10);
    profile.Calc().SetPctMin(95.5);
    profile.Options().SetTimestamp(1700000000);
    profile.Actions().SetDestPath("/media/usb/Disc ###");
    profile.Actions().SetReportFilename("C:\\old\\report.txt");
    CandidateVector candidates;
    candidates.push_back(std::make_unique<Candidate>(odd));
    candidates.push_back(std::make_unique<Candidate>(folder));
    candidates.back()->SetGroup(4);
    config.StoreCurrentCandidates(std::move(candidates));
    ASSERT_TRUE(config.AddProfile("Second"));
    config.GetCurrentProfile().Calc().SetMediaSize(4700000000);
    config.SelectProfile(0);
    RSStats record;
    record.calcType = 10;
    record.actualAudioLength = 4790.125;
    record.iterationNum = 3000000000;
    config.RSStatsRecords().push_back(record);
  }
  first = ReadText(path());
  {
    AppConfig config(path());
    EXPECT_TRUE(config.GetWindowMaximized());
    EXPECT_EQ(config.GetWindowPosX(), 123);
    EXPECT_EQ(config.GetCandidateColumnWidth(20), 150);
    EXPECT_EQ(config.GetResultSetColumnWidth(60), -20);
    EXPECT_EQ(config.GetExecutionCount(), 3);
    EXPECT_EQ(config.GetPriorExecutionCount(), 2);
    EXPECT_FALSE(config.GetSendStats());
    EXPECT_EQ(config.GetPresets().size(), 11u);
    EXPECT_EQ(config.GetProfileNames(), (std::vector<std::string>{"Default", "Second"}));
    EXPECT_EQ(config.GetCurrentProfileIndex(), 0);
    const ConfigProfile& p = config.GetCurrentProfile();
    EXPECT_EQ(p.Calc().GetCalcType(), CalcType::Audio);
    EXPECT_EQ(p.Calc().GetPctMin(), 95.5);
    EXPECT_EQ(p.Options().GetTimestamp(), 1700000000);
    EXPECT_EQ(p.Actions().GetReportFilename(), "C:\\old\\report.txt");
    ASSERT_EQ(p.Candidates().size(), 2u);
    EXPECT_EQ(p.Candidates()[0]->GetFullPath(), odd);
    EXPECT_EQ(p.Candidates()[1]->GetGroup(), 4);
    ASSERT_EQ(config.GetRSStats().size(), 1u);
    EXPECT_EQ(config.GetRSStats()[0].iterationNum, 3000000000);
  }
  EXPECT_EQ(ReadText(path()), first);
}

TEST_F(Config, RejectedValuesKeepTheirDefaults) {
  struct Case {
    const char* what;
    std::string markup;
    std::function<bool(AppConfig&)> holds;
  } cases[] = {
      {"negative position", "<WindowPosX>\"-5\"</WindowPosX>",
       [](AppConfig& c) { return c.GetWindowPosX() == 10; }},
      {"zero width", "<WindowWidth>\"0\"</WindowWidth>",
       [](AppConfig& c) { return c.GetWindowWidth() == 700; }},
      {"later value wins", "<WindowPosY>\"5\"</WindowPosY><WindowPosY>\"7\"</WindowPosY>",
       [](AppConfig& c) { return c.GetWindowPosY() == 7; }},
      {"unknown column", "<CandidateColumnWidth type=\"90\">\"100\"</CandidateColumnWidth>",
       [](AppConfig& c) { return c.GetCandidateColumnWidth(90) == -20; }},
      {"width 0 hides", "<CandidateColumnWidth type=\"20\">\"0\"</CandidateColumnWidth>",
       [](AppConfig& c) { return c.GetCandidateColumnWidth(20) == -20; }},
      {"name keeps width 0", "<CandidateColumnWidth type=\"10\">\"0\"</CandidateColumnWidth>",
       [](AppConfig& c) { return c.GetCandidateColumnWidth(10) == 0; }},
      {"width -15", "<CandidateColumnWidth type=\"40\">\"-15\"</CandidateColumnWidth>",
       [](AppConfig& c) { return c.GetCandidateColumnWidth(40) == -10; }},
      {"no type", "<ResultSetColumnWidth>\"99\"</ResultSetColumnWidth>",
       [](AppConfig& c) { return c.GetResultSetColumnWidth(10) == -10; }},
      {"first matching type counts",
       "<ExecutionCount type=\"other\" type=\"prior\" type=\"current\">\"4\"</ExecutionCount>",
       [](AppConfig& c) { return c.GetPriorExecutionCount() == 4 && c.GetExecutionCount() == 0; }},
      {"int max fails", "<ExecutionCount type=\"current\">\"2147483647\"</ExecutionCount>",
       [](AppConfig& c) { return c.GetExecutionCount() == 0; }},
      {"PctMin 0", "<ConfigProfile name=\"P\"><PctMin>\"0.000000\"</PctMin></ConfigProfile>",
       [](AppConfig& c) { return c.GetCurrentProfile().Calc().GetPctMin() == 99.99; }},
      {"profile without children", "<ConfigProfile name=\"Bare\"></ConfigProfile>",
       [](AppConfig& c) {
         return c.GetProfileNames() == std::vector<std::string>{"Bare"} &&
                c.GetCurrentProfile().Calc().GetMediaSize() == 734003200;
       }},
      {"profile without name dropped", "<ConfigProfile><CalcType>\"10\"</CalcType></ConfigProfile>",
       [](AppConfig& c) {
         return c.GetProfileNames() == std::vector<std::string>{"Default"} &&
                c.GetCurrentProfile().Calc().GetCalcType() == CalcType::Data;
       }},
      {"first selected is current",
       "<ConfigProfile name=\"A\"/><ConfigProfile name=\"B\" selected=\"Yes\"/>"
       "<ConfigProfile name=\"C\" selected=\"yes\"/>",
       [](AppConfig& c) { return c.GetCurrentProfileIndex() == 1; }},
      {"a single profile is current anyway", "<ConfigProfile name=\"A\" selected=\"No\"/>",
       [](AppConfig& c) { return c.GetCurrentProfileIndex() == 0; }},
      {"bad calc values",
       "<ConfigProfile name=\"P\"><CalcType>\"5\"</CalcType><MediaSizeType>\"15\"</MediaSizeType>"
       "<PathRetainType>\"30\"</PathRetainType><DestCounter>\"-1\"</DestCounter>"
       "<Timestamp>\"4294967295\"</Timestamp></ConfigProfile>",
       [](AppConfig& c) {
         const ConfigProfile& p = c.GetCurrentProfile();
         return p.Calc().GetCalcType() == CalcType::Data && p.Calc().GetMediaSizeType() == 20 &&
                p.Actions().GetPathRetainType() == PathRetainType::Full &&
                p.Actions().GetDestCounter() == 1 && p.Options().GetTimestamp() == 0;
       }},
      {"timestamp takes the low 32 bits",
       "<ConfigProfile name=\"P\"><Timestamp>\"4294967296000\"</Timestamp>"
       "<Timestamp>\"4294967297\"</Timestamp></ConfigProfile>",
       [](AppConfig& c) { return c.GetCurrentProfile().Options().GetTimestamp() == 1; }},
      {"candidate whose path vanished is dropped",
       "<ConfigProfile name=\"P\"><Candidate><FullName>\"/nonexistent/x\"</FullName>"
       "</Candidate></ConfigProfile>",
       [](AppConfig& c) { return c.GetCurrentProfile().Candidates().empty(); }},
      {"preset missing a part is dropped",
       "<SizePreset name=\"X\"><MediaSize>\"100\"</MediaSize><AudioLength>\"1.0\"</AudioLength>"
       "</SizePreset>",
       [](AppConfig& c) { return c.GetPresets().size() == 10u; }},
      {"preset keeps the first accepted value",
       "<SizePreset name=\"X\"><MediaSize>\"0\"</MediaSize><MediaSize>\"100\"</MediaSize>"
       "<MediaSize>\"200\"</MediaSize><MediaSizeType>\"0\"</MediaSizeType>"
       "<AudioLength>\"1.5\"</AudioLength></SizePreset>",
       [](AppConfig& c) {
         return c.GetPresets().size() == 1u && c.GetPresets()[0].GetSize() == 100 &&
                c.GetPresets()[0].GetSizeType() == 0;
       }},
      {"statistics record",
       "<RSStats><IterationNum>\"3000000000\"</IterationNum>"
       "<TimeElapsed>\"0\"</TimeElapsed><ExitType>\"4\"</ExitType></RSStats>",
       [](AppConfig& c) {
         return c.GetRSStats().size() == 1u && c.GetRSStats()[0].iterationNum == 3000000000 &&
                c.GetRSStats()[0].exitType == 4 && c.GetRSStats()[0].timeElapsed == 0.0;
       }},
      {"client id is kept", "<ID>\"abc\"</ID>",
       [](AppConfig& c) { return c.GetClientId() == "abc"; }},
  };
  for (const Case& c : cases) {
    WriteConfig("<Config>" + c.markup + "</Config>");
    AppConfig config(path());
    EXPECT_TRUE(c.holds(config)) << c.what;
  }
}

TEST_F(Config, EmptyOrDamagedFileStartsFromTheDefaults) {
  WriteConfig("<Config></Config>");
  {
    AppConfig config(path());
    EXPECT_EQ(config.GetProfileNames(), (std::vector<std::string>{"Default"}));
    EXPECT_EQ(config.GetPresets().size(), 10u);
    EXPECT_EQ(config.GetClientId().size(), 32u);
  }
  EXPECT_FALSE(FileSystem::LookUp(path() + ".bad").exists);

  WriteConfig("<Config><WindowPosX>\"55\"</WindowPosX>");
  std::string damaged = ReadText(path());
  {
    AppConfig config(path());
    EXPECT_EQ(config.GetWindowPosX(), 10);
    EXPECT_EQ(ReadText(path() + ".bad"), damaged) << "kept at once, before anything is written";
    EXPECT_EQ(config.LoadProblem(), "Ostrel.cfg could not be read and was kept as " + path() +
                                        ".bad; the defaults are used.");
  }
  AppConfig reloaded(path());
  EXPECT_EQ(reloaded.GetProfileNames(), (std::vector<std::string>{"Default"}));
  EXPECT_EQ(reloaded.LoadProblem(), "");
}

// Every damaged file is kept, none overwrites an earlier one; a file that
// cannot even be copied is never overwritten.
TEST_F(Config, DamagedFilesAreKeptUnderNewNames) {
  for (const char* markup : {"<Config>", "<Config><A>", "<Config><B>"}) {
    WriteConfig(markup);
    AppConfig config(path());
  }
  EXPECT_EQ(ReadText(path() + ".bad"), "<Config>");
  EXPECT_EQ(ReadText(path() + ".bad.2"), "<Config><A>");
  EXPECT_EQ(ReadText(path() + ".bad.3"), "<Config><B>");

  WriteConfig("<Config><C>");
  chmod(dir.Path().c_str(), 0777);
  chmod(path().c_str(), 0222);  // writable, not readable
  const std::string file = path();
  std::optional<bool> told = test::AsUnprivilegedUser([&] {
    std::string problem;
    {
      AppConfig config(file);
      problem = config.LoadProblem();
    }
    return problem == "Ostrel.cfg could not be read; the defaults are used, and " + file +
                          " will not be overwritten.";
  });
  chmod(path().c_str(), 0644);
  if (!told) GTEST_SKIP() << "no unprivileged user to be";
  EXPECT_TRUE(*told);
  EXPECT_EQ(ReadText(path()), "<Config><C>");
  EXPECT_FALSE(FileSystem::LookUp(path() + ".bad.4").exists);
}

TEST_F(Config, UnreadableNamesAreRefusedAndValuesStayReadable) {
  {
    AppConfig config(path());
    for (const char* bad : {"", "=", "/>", "<?", "!"}) EXPECT_FALSE(config.AddProfile(bad)) << bad;
    EXPECT_TRUE(config.AddProfile("a/b <c>"));
    EXPECT_FALSE(config.AddPreset(SizePreset("=", 1, 0, 1.0)));
    config.GetCurrentProfile().Actions().SetDestPath("<");
  }
  AppConfig config(path());
  EXPECT_EQ(config.GetProfileNames(), (std::vector<std::string>{"Default", "a/b <c>"}));
  EXPECT_EQ(config.GetCurrentProfile().Actions().GetDestPath(), "");
  EXPECT_FALSE(FileSystem::LookUp(path() + ".bad").exists);
}

TEST_F(Config, ProfilesAndPresets) {
  ClearMeasurementCaches();
  AppConfig config(path());
  config.GetCurrentProfile().Calc().SetMediaSize(1000);
  CandidateVector mine;
  mine.push_back(std::make_unique<Candidate>(dir.WriteFile("a", "1")));
  config.StoreCurrentCandidates(std::move(mine));
  ASSERT_TRUE(config.AddProfile("Second"));
  EXPECT_EQ(config.GetCurrentProfileIndex(), 1);
  EXPECT_EQ(config.GetCurrentProfile().Calc().GetMediaSize(), 734003200) << "all defaults";
  EXPECT_TRUE(config.GetCurrentCandidates().empty());
  EXPECT_FALSE(config.SelectProfile(2));
  EXPECT_FALSE(config.SelectProfile(-1));
  ASSERT_TRUE(config.SelectProfile(0));
  CandidateVector back = config.GetCurrentCandidates();
  ASSERT_EQ(back.size(), 1u);
  EXPECT_EQ(back[0]->GetFullPath(), dir / "a");

  EXPECT_FALSE(config.ApplyPreset(10));
  ASSERT_TRUE(config.ApplyPreset(2));
  EXPECT_EQ(config.GetCurrentProfile().Calc().GetMediaSize(), 4700000000);
  EXPECT_EQ(config.GetCurrentProfile().Calc().GetMediaSizeType(), 30);
  EXPECT_EQ(config.GetCurrentProfile().Calc().GetAudioLength(), 511.41);
  config.StoreCurrentCandidates(std::move(back));
}

TEST_F(Config, TypedTextSetters) {
  ConfigProfile p;
  EXPECT_TRUE(p.SetMediaSizeText("700"));
  EXPECT_EQ(p.Calc().GetMediaSize(), 734003200);
  p.Calc().SetMediaSizeType(30);
  EXPECT_TRUE(p.SetMediaSizeText("0.68359375"));
  EXPECT_EQ(p.Calc().GetMediaSize(), 734003200);
  EXPECT_FALSE(p.SetMediaSizeText("0"));
  EXPECT_FALSE(p.SetMediaSizeText("abc"));
  EXPECT_FALSE(p.SetPctMinText("0"));
  EXPECT_TRUE(p.SetPctMinText(" 99.5%"));
  EXPECT_EQ(p.Calc().GetPctMin(), 99.5);
  EXPECT_FALSE(p.SetTimeLimitText("-3"));
  EXPECT_TRUE(p.SetDestCounterText("42abc"));
  EXPECT_EQ(p.Actions().GetDestCounter(), 42);
  EXPECT_FALSE(p.SetDestCounterText("99999999999"));
}

}  // namespace
}  // namespace ostrel
