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
              int interrupts = 1) {
  int outPipe[2];
  int errPipe[2];
  if (pipe(outPipe) != 0 || pipe(errPipe) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
  posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
  posix_spawn_file_actions_addclose(&actions, outPipe[0]);
  posix_spawn_file_actions_addclose(&actions, errPipe[0]);
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

class Cli : public ::testing::Test {
 protected:
  std::string Sized(const std::string& name, uint64_t size) { return dir.MakeSparse(name, size); }
  test::TempDir dir;
};

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
      {{"compute", "--media", "12Q", file}, "--media: not a size: 12Q"},
      {{"compute", "--pct", "99", file}, "--pct must be MIN:MAX"},
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
