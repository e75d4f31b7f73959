#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <regex>
#include <string>
#include <vector>

#include "config/AppConfig.h"
#include "support/TempDir.h"

extern char** environ;

namespace ostrel {
namespace {

struct Result {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs ostrel-cli with the arguments; when interruptOn is not empty, sends
// SIGINT once standard error has shown that text, and again for each
// further count.
Result RunCli(const std::vector<std::string>& args, const std::string& interruptOn = "",
              int interrupts = 1, const std::string& folder = "") {
  int outPipe[2];
  int errPipe[2];
  if (pipe(outPipe) != 0 || pipe(errPipe) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
  posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
  posix_spawn_file_actions_addclose(&actions, outPipe[0]);
  posix_spawn_file_actions_addclose(&actions, errPipe[0]);
  if (!folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  std::vector<std::string> all = {OSTREL_CLI};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid;
  int rc = posix_spawn(&pid, OSTREL_CLI, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(outPipe[1]);
  close(errPipe[1]);
  Result result;
  if (rc != 0) return result;
  struct pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
  int open = 2;
  while (open > 0 && poll(fds, 2, 60000) > 0) {
    for (int k = 0; k < 2; ++k) {
      if (fds[k].fd < 0 || !(fds[k].revents & (POLLIN | POLLHUP))) continue;
      char buffer[4096];
      ssize_t n = read(fds[k].fd, buffer, sizeof buffer);
      if (n <= 0) {
        close(fds[k].fd);
        fds[k].fd = -1;
        --open;
        continue;
      }
      (k == 0 ? result.out : result.err).append(buffer, static_cast<size_t>(n));
      if (k == 1 && interrupts > 0 && !interruptOn.empty() &&
          result.err.find(interruptOn) != std::string::npos) {
        for (; interrupts > 0; --interrupts) kill(pid, SIGINT);
      }
    }
  }
  int status = 0;
  waitpid(pid, &status, 0);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return result;
}

// Elapsed times depend on the machine; they are blanked before comparing.
std::string WithoutTimes(const std::string& text) {
  std::string out =
      std::regex_replace(text, std::regex("\"timeElapsed\":[0-9.e+-]+"), "\"timeElapsed\":T");
  out = std::regex_replace(out, std::regex("Elapsed Time: [0-9.]+ seconds"), "Elapsed Time: T");
  return std::regex_replace(out, std::regex("; [0-9.]+s elapsed"), "; Ts elapsed");
}

// Each test has its own Ostrel.cfg, which the command line only reads.
class Cli : public ::testing::Test {
 protected:
  void SetUp() override { setenv("OSTREL_CONFIG", (dir / "Ostrel.cfg").c_str(), 1); }
  std::string Sized(const std::string& name, uint64_t size) { return dir.MakeSparse(name, size); }
  test::TempDir dir;
};

// The "mediaSize" of the first result set, or -1.
int64_t MediaSizeOf(const Result& r) {
  std::smatch m;
  if (!std::regex_search(r.out, m, std::regex("\"mediaSize\":([0-9]+)"))) return -1;
  return std::stoll(m[1]);
}

TEST_F(Cli, FillsOneMediumAndReportsTheOutcome) {
  std::vector<std::string> args = {"compute", "--media", "1000", "--pct", "99:100"};
  for (int size : {300, 700, 200, 500}) args.push_back(Sized(std::to_string(size), size));
  Result r = RunCli(args);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(WithoutTimes(r.out),
            "Result Set #1\n"
            "  700 bytes\t" +
                dir / "700" +
                "\n"
                "  300 bytes\t" +
                dir / "300" +
                "\n"
                "  2 items; 1000 of 1000; Combo #3; Ts elapsed\n\n"
                "Optimal Combination Found\n"
                "Optimal combination found!\n\nCombination #: 3\nElapsed Time: T\n\n"
                "Percentage Filled: 100%\nBytes Filled: 1000 of 1000\n");
}

TEST_F(Cli, JsonListsEveryResultSetOfComputeAll) {
  std::string a = Sized("a", 600);
  std::string b = Sized("b", 600);
  std::string big = Sized("big", 5000);
  std::string grouped = Sized("g", 100);
  Result r = RunCli({"compute", "--media", "1K", "--no-pct", "--all", "--json", a, "--group",
                     "3=" + grouped, b, big});
  // Of the two equal sizes, b (from the second half of the merge) is tried
  // first, so the first medium holds b and the group.
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(
      WithoutTimes(r.out),
      "{\"exclusions\":[{\"candidate\":\"" + big +
          "\",\"reason\":\"Too Large (5000 bytes)\"}],"
          "\"resultSets\":["
          "{\"exitType\":6,\"calcType\":0,\"iterationNum\":17,\"timeElapsed\":T,"
          "\"totalSize\":700,\"mediaSize\":1024,\"totalAudioLength\":0,\"mediaAudioLength\":0,"
          "\"percentFilled\":68.359375,\"items\":["
          "{\"path\":\"" +
          b +
          "\",\"size\":600,\"audioLength\":0,\"group\":0},"
          "{\"path\":\"" +
          grouped +
          "\",\"size\":100,\"audioLength\":0,\"group\":3}]},"
          "{\"exitType\":3,\"calcType\":0,\"iterationNum\":0,\"timeElapsed\":T,"
          "\"totalSize\":600,\"mediaSize\":1024,\"totalAudioLength\":0,\"mediaAudioLength\":0,"
          "\"percentFilled\":58.59375,\"items\":["
          "{\"path\":\"" +
          a +
          "\",\"size\":600,\"audioLength\":0,\"group\":0}]}],"
          "\"exitType\":3}\n");
}

TEST_F(Cli, RefusedPathsAreListedAndTheRestComputed) {
  std::string folder = dir.MakeFolder("music");
  std::string inside = dir.MakeSparse("music/a", 10);
  Result r = RunCli({"compute", "--media", "100", folder, inside});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.err.find("Warning: The following file(s)/folder(s) could not be added:\n\n" + inside +
                       "\n\nPlease note that any new candidates added must not be\n"),
            std::string::npos)
      << r.err;
  EXPECT_NE(r.out.find("All Candidates Fit"), std::string::npos);
}

TEST_F(Cli, UsageErrorsExitWithTwo) {
  std::string file = Sized("f", 1);
  struct Case {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"compute", dir / "missing"}, "missing: no such file or folder"},
      {{"compute", "--media", "12Q", file},
       "--media: cannot read \"12Q\"; give bytes (734003200), a number with K, M, G or T"},
      {{"compute", "--media", "0", file}, "--media: cannot read \"0\""},
      {{"compute", "--media", "MB", file}, "--media: cannot read \"MB\""},
      {{"compute", "--pct", "99", file}, "--pct must be MIN:MAX"},
      {{"compute", "--pct", "100:50", file},
       "Maximum Percentage should be greater than Minimum Percentage."},
      {{"compute", "--pct", "-1:100", file}, "--pct must be MIN:MAX"},
      {{"compute", "--pct", "50:0", file}, "--pct must be MIN:MAX"},
      {{"compute", "--mode", "video", file}, "--mode must be data or audio"},
      {{"compute", "--group", "-1=" + file}, "--group must be N=PATH"},
      {{"compute", "--frobnicate", file}, "unknown option --frobnicate"},
      {{"compute"}, "no PATH given"},
      {{"compute", "--time-limit"}, "--time-limit needs a value"},
      {{"bogus"}, "unknown command bogus"},
  };
  for (const Case& c : cases) {
    Result r = RunCli(c.args);
    EXPECT_EQ(r.status, 2) << c.message;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
}

// What people type for a medium, and presets by their short names or by
// their names in Ostrel.cfg.
TEST_F(Cli, MediaSizesAsPeopleTypeThem) {
  {
    AppConfig config(dir / "Ostrel.cfg");
    config.AddPreset(SizePreset("My Disc", 123456789, 20, 12.0));
  }
  const std::string file = Sized("f", 1);
  const std::pair<const char*, int64_t> cases[] = {
      {"700M", 734003200},       {"700MB", 734003200},   {"700mib", 734003200},
      {"4.7G", 5046586572},      {"4.7GB", 5046586572},  {"1T", 1099511627776},
      {"734003200B", 734003200}, {"1.5K", 1536},         {"cd74", 681574400},
      {"cd80", 734003200},       {"dvd", 4700000000},    {"dvd+r", 4700372992},
      {"DVD-RAM", 4700307456},   {"dvd-dl", 8543666176}, {"bd25", 25025314816},
      {"bd50", 50050629632},     {"My Disc", 123456789}, {"my disc", 123456789},
  };
  for (const auto& [text, bytes] : cases) {
    Result r = RunCli({"compute", "--json", "--media", text, file});
    EXPECT_EQ(r.status, 0) << text << r.err;
    EXPECT_EQ(MediaSizeOf(r), bytes) << text;
  }
  Result minutes = RunCli({"compute", "--json", "--mode", "audio", "--media", "cd74", file});
  EXPECT_NE(minutes.out.find("\"mediaAudioLength\":4433.4"), std::string::npos) << minutes.out;
  Result given = RunCli(
      {"compute", "--json", "--mode", "audio", "--audio-minutes", "10", "--media", "cd74", file});
  EXPECT_NE(given.out.find("\"mediaAudioLength\":600"), std::string::npos) << given.out;

  Result listing = RunCli({"presets"});
  EXPECT_EQ(listing.status, 0);
  for (const char* line : {"  cd80", "  bd50", "  \"My Disc\""}) {
    EXPECT_NE(listing.out.find(line), std::string::npos) << line << "\n" << listing.out;
  }
}

TEST_F(Cli, RelativePathsBecomeAbsolute) {
  const std::string file = dir.MakeSparse("rel/a", 10);
  for (const char* given : {"rel/a", "./rel/../rel/a"}) {
    Result r = RunCli({"compute", "--json", given}, "", 0, dir.Path());
    EXPECT_NE(r.out.find("\"path\":\"" + file + "\""), std::string::npos) << given << r.out;
  }
  Result measured = RunCli({"measure", "rel"}, "", 0, dir.Path());
  EXPECT_EQ(measured.out.rfind(dir / "rel" + "\t", 0), 0u) << measured.out;
}

TEST_F(Cli, SearchesWithoutEndAreWarnedOf) {
  const std::string file = Sized("f", 1);
  Result none = RunCli({"compute", "--no-pct", file});
  EXPECT_NE(none.err.find("Warning: \"Use Percentages\" and \"Use Time Limit\" are both "
                          "disabled.\n\nThis means that calculations will run until manually "
                          "halted.\n"),
            std::string::npos)
      << none.err;
  Result equal = RunCli({"compute", "--pct", "100:100", file});
  EXPECT_NE(equal.err.find("Warning: The Minimum and Maximum percentages are equal.\n\n"),
            std::string::npos)
      << equal.err;
  Result limited = RunCli({"compute", "--pct", "100:100", "--time-limit", "5", file});
  EXPECT_EQ(limited.err.find("Warning:"), std::string::npos) << limited.err;
}

// Candidates that no medium can take are easy to miss: after the result
// sets the command line counts them, with the way out.
TEST_F(Cli, WhatIsLeftOutIsCounted) {
  std::vector<std::string> args = {"compute", "--media", "dvd"};
  for (int i = 0; i < 10; ++i)
    args.push_back(dir.MakeSparse("big" + std::to_string(i) + "/f", 6442450944));
  Result r = RunCli(args);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("\nLeft out: 10 candidates, 64,424,509,440 bytes (60.0gb), larger than "
                       "the medium.\nHint: --expand fit splits folders larger than the medium "
                       "into parts that fit; --expand all breaks every folder into its files.\n"),
            std::string::npos)
      << r.out;

  Result partly = RunCli({"compute", "--all", "--media", "1000", "--pct", "10:50", Sized("s", 100),
                          Sized("m", 600), Sized("l", 700), Sized("xl", 1200)});
  EXPECT_EQ(partly.status, 0) << partly.err;
  EXPECT_NE(partly.out.find("Left out: 1 candidate, 1200 bytes (1.17kb), larger than the medium."),
            std::string::npos)
      << partly.out;
  EXPECT_NE(partly.out.find("Not placed: 2 candidates, 1300 bytes (1.27kb): none of them fits "
                            "below the maximum percentage.\n"),
            std::string::npos)
      << partly.out;
}

TEST_F(Cli, NothingKeptExitsWithOne) {
  Result r = RunCli({"compute", "--media", "10", Sized("big", 100)});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("No Valid Candidates Remaining"), std::string::npos);
}

TEST_F(Cli, RequiredCandidatesAreAlwaysPlaced) {
  std::string small = Sized("small", 100);
  std::string fits = Sized("fits", 900);
  Result r = RunCli({"compute", "--media", "1000", "--no-pct", "--json", "--require", small, fits,
                     Sized("other", 950)});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("\"path\":\"" + small + "\""), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"totalSize\":1000"), std::string::npos) << r.out;
}

TEST_F(Cli, ARepeatedPathKeepsItsFirstFlags) {
  std::string a = Sized("a", 600);
  std::string b = Sized("b", 500);
  Result r = RunCli({"compute", "--all", "--media", "1000", "--no-pct", "--json", a, "--require", a,
                     "--group", "2=" + b, "--group", "3=" + b});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"path\":\"" + b + "\",\"size\":500,\"audioLength\":0,\"group\":2}"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("\"totalSize\":600,"), std::string::npos) << "a alone fills the first disc";
}

// Forty groups that cannot fill the medium exactly: the search runs until
// it is interrupted.
class CliInterrupt : public Cli {
 protected:
  std::vector<std::string> Hard(std::vector<std::string> args) {
    for (int i = 0; i < 40; ++i) {
      args.push_back(Sized(std::string("g") + std::to_string(i), 2 * (1000 + i * 37)));
    }
    return args;
  }
};

TEST_F(CliInterrupt, FirstCtrlCKeepsTheBestSoFar) {
  Result r = RunCli(Hard({"compute", "--media", "40001", "--no-pct"}), "Searching;");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Cancelled; Using best combination so far."), std::string::npos) << r.out;
}

TEST_F(CliInterrupt, FirstCtrlCEndsComputeAllWithTheBest) {
  Result r =
      RunCli(Hard({"compute", "--all", "--json", "--media", "40001", "--no-pct"}), "Searching;");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"exitType\":8"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace ostrel
