// tesserin-cli as a process on Linux: output to a full disk, a closed descriptor or a reader
// that stops early; standard error closed or full; output cut short part-way, input that is
// closed, a folder, or fails part-way (stream_fault_shim); a pipe used as a conversation; and
// the language of its messages.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "CliRun.h"

extern char** environ;

namespace tesserin {
namespace {

namespace fs = std::filesystem;

// The start of a command that runs the reader with the fault shim preloaded.
const std::string kWithShim =
    "ASAN_OPTIONS=$ASAN_OPTIONS:verify_asan_link_order=0 LD_PRELOAD=" TESSERIN_STREAM_FAULT_SHIM;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// A scratch folder with a batch input of 20,000 different dates, $DIR to the commands.
class ProcessTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(nullptr, std::getenv("TESSERIN_CLI")) << "run by CTest, which names the reader";
    char pattern[] = "/tmp/tesserin-cli-test-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(pattern));
    dir_ = pattern;
    setenv("DIR", dir_.c_str(), 1);
    std::ofstream input(dir_ / "in.tsv", std::ios::binary);
    for (int i = 0; i < 20000; ++i) {
      const std::string line = std::to_string(1950 + i % 76) + "\t" + std::to_string(1 + i % 12) + "\t" +
                               std::to_string(1 + i % 29) + (i % 2 ? "\tsolar\n" : "\tlunar\n");
      input << line;
      if (i < 12500) bytesOf12500Lines_ += line.size();
    }
  }
  void TearDown() override { fs::remove_all(dir_); }

  struct Run {
    int status;  // the exit status, or 128 + the signal that ended it
    std::string out, err;
  };

  // `sh -c command` with SIGPIPE at its default, as a terminal's shell has it; its standard
  // output and error collected unless the command sends them elsewhere.
  Run Shell(const std::string& command) {
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, (dir_ / "out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&files, 2, (dir_ / "err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &pipe);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    const char* argv[] = {"sh", "-c", command.c_str(), nullptr};
    pid_t pid = 0;
    EXPECT_EQ(0, posix_spawn(&pid, "/bin/sh", &files, &attributes, const_cast<char**>(argv), environ));
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attributes);
    int status = 0;
    waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), ReadFile(dir_ / "out"),
            ReadFile(dir_ / "err")};
  }

  fs::path dir_;
  std::size_t bytesOf12500Lines_ = 0;
};

TEST_F(ProcessTest, OutputThatCannotBeWrittenEndsWithStatus74) {
  struct Case {
    const char* what;
    const char* command;
    const char* err;
  };
  const char* kFull = "tesserin-cli: error writing standard output: No space left on device\n";
  const char* kClosed = "tesserin-cli: error writing standard output: Bad file descriptor\n";
  const Case kCases[] = {
      {"a batch to a full disk", R"("$TESSERIN_CLI" --batch < "$DIR/in.tsv" > /dev/full)", kFull},
      {"one reading to a full disk", R"("$TESSERIN_CLI" 1990 5 12 > /dev/full)", kFull},
      {"the usage to a full disk", R"("$TESSERIN_CLI" --help > /dev/full)", kFull},
      {"a batch to a closed output", R"("$TESSERIN_CLI" --batch < "$DIR/in.tsv" >&-)", kClosed},
      {"one reading to a closed output", R"("$TESSERIN_CLI" 1990 5 12 >&-)", kClosed},
      {"the usage to a closed output", R"("$TESSERIN_CLI" --help >&-)", kClosed},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    Run r = Shell(c.command);
    EXPECT_EQ(74, r.status);
    EXPECT_EQ(c.err, r.err);
  }
}

// A reader that stops early, as head does: no message. With SIGPIPE at its default the signal
// ends the reader; ignored, the failed write does, with status 74.
TEST_F(ProcessTest, AReaderThatStopsEarlyGetsNoMessage) {
  const std::string first = LinesOf(Shell(R"("$TESSERIN_CLI" --batch < "$DIR/in.tsv")").out).at(0) + "\n";
  struct Case {
    const char* what;
    const char* command;
    int status;
  };
  const Case kCases[] = {
      {"SIGPIPE at its default", R"({ "$TESSERIN_CLI" --batch < "$DIR/in.tsv"; echo $? > "$DIR/status"; } | head -n 1)",
       128 + SIGPIPE},
      {"SIGPIPE ignored",
       R"(trap '' PIPE; { "$TESSERIN_CLI" --batch < "$DIR/in.tsv"; echo $? > "$DIR/status"; } | head -n 1)", 74},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    Run r = Shell(c.command);
    EXPECT_EQ(first, r.out);
    EXPECT_EQ("", r.err);
    EXPECT_EQ(std::to_string(c.status) + "\n", ReadFile(dir_ / "status"));
  }
}

// Input that cannot be read: the answers to the complete lines read before it, whole; then what
// failed, and status 74.
TEST_F(ProcessTest, InputThatCannotBeReadEndsWithStatus74AfterTheAnswers) {
  const std::string all = Shell(R"("$TESSERIN_CLI" --batch < "$DIR/in.tsv")").out;
  std::string first12500;
  for (std::size_t at = 0, line = 0; line < 12500; ++line) {
    const std::size_t end = all.find('\n', at) + 1;
    first12500 += all.substr(at, end - at);
    at = end;
  }
  struct Case {
    const char* what;
    std::string command;
    std::string out, err;
  };
  const Case kCases[] = {
      {"a closed input", R"("$TESSERIN_CLI" --batch <&-)", "",
       "tesserin-cli: error reading standard input: Bad file descriptor\n"},
      {"a folder", R"("$TESSERIN_CLI" --batch < /)", "", "tesserin-cli: error reading standard input: Is a directory\n"},
      {"a failure after 12,500 lines and a half",
       kWithShim + " TESSERIN_READ_FAULT_AFTER=" + std::to_string(bytesOf12500Lines_ + 7) +
           R"( "$TESSERIN_CLI" --batch < "$DIR/in.tsv")",
       first12500, "tesserin-cli: error reading standard input: Input/output error\n"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    Run r = Shell(c.command);
    EXPECT_EQ(74, r.status);
    EXPECT_EQ(c.err, r.err);
    EXPECT_TRUE(c.out == r.out) << r.out.size() << " bytes out, expected " << c.out.size();
  }
}

// Standard error that cannot be written: the message is lost, the exit status stays what it
// would have been, and nothing aborts.
TEST_F(ProcessTest, StandardErrorThatCannotBeWrittenKeepsTheExitStatus) {
  struct Case {
    const char* what;
    const char* command;
    int status;
  };
  const Case kCases[] = {
      {"a refusal, standard error closed", R"("$TESSERIN_CLI" 1900 1 1 2>&-)", 2},
      {"a refusal, standard error full", R"("$TESSERIN_CLI" 1900 1 1 2>/dev/full)", 2},
      {"both outputs full", R"("$TESSERIN_CLI" 1990 5 12 >/dev/full 2>/dev/full)", 74},
      {"both outputs closed", R"("$TESSERIN_CLI" --batch < "$DIR/in.tsv" >&- 2>&-)", 74},
      {"a usage error, standard error full", R"("$TESSERIN_CLI" --bogus 2>/dev/full)", 64},
      {"a bare call, standard error closed", R"("$TESSERIN_CLI" 2>&-)", 64},
      {"input that cannot be read, standard error full", R"("$TESSERIN_CLI" --batch < / 2>/dev/full)", 74},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.status, Shell(c.command).status);
  }
}

// Output cut short part-way, by a disk that refuses a write or takes only part of it: the file
// holds whole lines, those of the output up to the last line end it could take.
TEST_F(ProcessTest, OutputCutShortEndsAtALineEnd) {
  struct Output {
    const char* what;
    std::string args;
  };
  const Output kOutputs[] = {
      {"JSON Lines", R"(--batch < "$DIR/in.tsv")"},
      {"CSV", R"(--batch --format=csv < "$DIR/in.tsv")"},
      {"one reading", "1990 5 12"},
  };
  for (const Output& run : kOutputs) {
    SCOPED_TRACE(run.what);
    const std::string whole = Shell(R"("$TESSERIN_CLI" )" + run.args).out;
    for (std::size_t limit : {std::size_t{0}, std::size_t{10}, std::size_t{100}, std::size_t{65536},
                              std::size_t{65536 + 100}, std::size_t{100 * 1024}, std::size_t{300000}}) {
      if (limit >= whole.size()) continue;
      SCOPED_TRACE(limit);
      const std::string shim =
          kWithShim + " TESSERIN_WRITE_FAULT_AFTER=" + std::to_string(limit) + " TESSERIN_WRITE_FAULT=";
      const std::string untilLineEnd = whole.substr(0, whole.rfind('\n', limit == 0 ? 0 : limit - 1) + 1);

      // A part of a write taken: cut back to the last line end.
      Run shortened = Shell(shim + R"(shorten "$TESSERIN_CLI" )" + run.args + R"( > "$DIR/file")");
      EXPECT_EQ(74, shortened.status);
      EXPECT_EQ("tesserin-cli: error writing standard output: No space left on device\n", shortened.err);
      const std::string file = ReadFile(dir_ / "file");
      EXPECT_TRUE(file == untilLineEnd) << file.size() << " bytes, expected " << untilLineEnd.size();

      // Whole writes refused, to a file and through a pipe: whole lines only were handed on.
      for (const char* to : {R"( > "$DIR/file")", R"( | cat > "$DIR/file")"}) {
        SCOPED_TRACE(to);
        Run refused = Shell(shim + R"(refuse "$TESSERIN_CLI" )" + run.args + to);
        const std::string got = ReadFile(dir_ / "file");
        EXPECT_LE(got.size(), limit);
        EXPECT_TRUE(whole.starts_with(got) && (got.empty() || got.ends_with("\n")))
            << got.size() << " bytes, ending " << got.substr(got.size() - std::min<std::size_t>(got.size(), 20));
      }
    }
  }
}

// A program that writes one line into the pipe and waits for its answer before it writes the
// next: each answer comes while the reader waits for more input.
TEST_F(ProcessTest, APipeUsedAsAConversation) {
  int toCli[2], fromCli[2];
  ASSERT_EQ(0, pipe(toCli));
  ASSERT_EQ(0, pipe(fromCli));
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_adddup2(&files, toCli[0], 0);
  posix_spawn_file_actions_adddup2(&files, fromCli[1], 1);
  for (int fd : {toCli[0], toCli[1], fromCli[0], fromCli[1]}) posix_spawn_file_actions_addclose(&files, fd);
  const char* argv[] = {std::getenv("TESSERIN_CLI"), "--batch", nullptr};
  pid_t pid = 0;
  ASSERT_EQ(0, posix_spawn(&pid, argv[0], &files, nullptr, const_cast<char**>(argv), environ));
  posix_spawn_file_actions_destroy(&files);
  close(toCli[0]);
  close(fromCli[1]);

  // The answer to one line, waited for at most 20 s: a reader that holds it back has none.
  auto answer = [&](const std::string& line) {
    EXPECT_EQ(static_cast<ssize_t>(line.size()), write(toCli[1], line.data(), line.size()));
    std::string got;
    pollfd ready{fromCli[0], POLLIN, 0};
    while (!got.ends_with("\n") && poll(&ready, 1, 20000) == 1) {
      char buffer[4096];
      const ssize_t n = read(fromCli[0], buffer, sizeof buffer);
      if (n <= 0) break;
      got.append(buffer, static_cast<std::size_t>(n));
    }
    return got;
  };
  const std::string lines[] = {"1990\t5\t12\tlunar\n", "1990-02-30\tsolar\n", "nonsense\n"};
  for (const std::string& line : lines) {
    const std::string expected = RunCliOn({"--batch"}, line).out, got = answer(line);
    EXPECT_EQ(expected, got) << line;
    if (got != expected) break;  // no waiting again for what will not come
  }
  close(toCli[1]);
  int status = 0;
  waitpid(pid, &status, 0);
  close(fromCli[0]);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

// The messages in Chinese where the locale variables say Chinese, whether or not that locale is
// installed: the first of LC_ALL, LC_MESSAGES and LANG that is set and not empty decides.
TEST_F(ProcessTest, MessagesInTheUsersLanguage) {
  const std::string english = "tesserin-cli: unknown option --bogus\n", chinese = "tesserin-cli: 无法识别的选项 --bogus\n";
  struct Case {
    const char* locale;
    const std::string& first;
  };
  const Case kCases[] = {
      {"LC_ALL=zh_CN.UTF-8", chinese},
      {"LC_MESSAGES=zh_TW.UTF-8", chinese},
      {"LANG=zh_CN.GBK", chinese},
      {"LANG=zh", chinese},
      {"LANG=en_US.UTF-8", english},
      {"LC_ALL=C LANG=zh_CN.UTF-8", english},
      {"LC_MESSAGES=en_GB.UTF-8 LANG=zh_CN.UTF-8", english},
      {"LC_ALL= LC_MESSAGES= LANG=zh_CN.UTF-8", chinese},
      {"", english},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.locale);
    Run r = Shell(std::string("unset LC_ALL LC_MESSAGES LANG; ") + c.locale + R"( "$TESSERIN_CLI" --bogus)");
    EXPECT_EQ(64, r.status);
    EXPECT_EQ(c.first, LinesOf(r.err).at(0) + "\n");
  }
}

}  // namespace
}  // namespace tesserin
