// The reader's streams in use: answers written before the reader waits for input, and input
// that cannot be read or output that cannot be written, reported as exit status 74.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <streambuf>

#include "CliRun.h"
#include "cli/Messages.h"
#include "cli/StreamFailure.h"

namespace tesserin {
namespace {

using namespace std::string_literals;

// An input of lines given one a read, that notes how much output there was at each read, and
// that may fail after its lines as a failing disk or a closed descriptor does.
class LineByLine : public std::streambuf {
 public:
  LineByLine(std::vector<std::string> lines, const std::ostringstream& out, bool failAtEnd = false)
      : lines_(std::move(lines)), out_(out), failAtEnd_(failAtEnd) {}
  std::vector<std::size_t> outputAtRead;

 protected:
  std::streamsize xsgetn(char* s, std::streamsize n) override {
    outputAtRead.push_back(out_.str().size());
    if (next_ == lines_.size()) {
      if (failAtEnd_) throw StreamFailure::Reading(EIO);
      return 0;
    }
    const std::string& line = lines_[next_++];
    EXPECT_LE(line.size(), static_cast<std::size_t>(n));
    std::memcpy(s, line.data(), line.size());
    return static_cast<std::streamsize>(line.size());
  }

 private:
  std::vector<std::string> lines_;
  const std::ostringstream& out_;
  bool failAtEnd_;
  std::size_t next_ = 0;
};

// Before each read, everything answered so far has gone to the stream: a program that writes
// a line into a pipe reads its answer before it writes the next.
TEST(CliStreams, AnswersGoOutBeforeTheReaderWaits) {
  std::ostringstream out, err;
  LineByLine source({"1990\t5\t12\tlunar\n", "1990\t5", "\t12\tsolar\n2030\t1\t1\tsolar\n"}, out);
  std::istream in(&source);
  ASSERT_EQ(kExitOk, RunCli({"--batch"}, in, out, err));
  const std::vector<std::string> answers = LinesOf(out.str());
  ASSERT_EQ(3u, answers.size());
  ASSERT_EQ(4u, source.outputAtRead.size());
  EXPECT_EQ(0u, source.outputAtRead[0]);
  EXPECT_EQ(answers[0].size() + 1, source.outputAtRead[1]);
  EXPECT_EQ(answers[0].size() + 1, source.outputAtRead[2]);  // half a line read: nothing new
  EXPECT_EQ(out.str().size(), source.outputAtRead[3]);
}

// Input that fails: the answers to every complete line first, then the failure on standard
// error and status 74; the line cut short by the failure gets no answer.
TEST(CliStreams, ReadFailureAfterEveryCompleteAnswer) {
  std::ostringstream out, err;
  LineByLine source({"1990\t5\t12\tlunar\n", "1990\t5\t12\tsolar\n1990\t5"}, out, true);
  std::istream in(&source);
  EXPECT_EQ(kExitIoError, RunCli({"--batch"}, in, out, err));
  EXPECT_EQ(RunCliOn({"--batch"}, "1990\t5\t12\tlunar\n1990\t5\t12\tsolar\n").out, out.str());
  EXPECT_EQ("tesserin-cli: error reading standard input: Input/output error\n", err.str());
}

// An output that takes `room` bytes, then fails as a full disk or a broken pipe does.
class FailingOutput : public std::streambuf {
 public:
  FailingOutput(std::size_t room, bool brokenPipe) : room_(room), brokenPipe_(brokenPipe) {}
  std::string written;

 protected:
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    if (written.size() + static_cast<std::size_t>(n) > room_) {
      throw StreamFailure::Writing(brokenPipe_ ? EPIPE : ENOSPC, brokenPipe_);
    }
    written.append(s, static_cast<std::size_t>(n));
    return n;
  }
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char byte = traits_type::to_char_type(c);
    return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
  }

 private:
  std::size_t room_;
  bool brokenPipe_;
};

TEST(CliStreams, WriteFailureEndsWithStatus74AndItsReason) {
  std::string batch;
  for (int i = 0; i < 2000; ++i) batch += "1990\t5\t12\tlunar\n";
  struct Case {
    const char* what;
    std::vector<std::string> args;
    std::size_t room;
    bool brokenPipe;
    const char* err;
  };
  const Case kCases[] = {
      {"a batch on a full disk", {"--batch"}, 100000, false, "tesserin-cli: error writing standard output: No space left on device\n"},
      {"a batch to a reader that stopped", {"--batch"}, 100000, true, ""},
      {"one reading", {"1990", "5", "12"}, 10, false, "tesserin-cli: error writing standard output: No space left on device\n"},
      {"the usage", {"--help"}, 10, false, "tesserin-cli: error writing standard output: No space left on device\n"},
      {"the version", {"--version"}, 0, false, "tesserin-cli: error writing standard output: No space left on device\n"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    FailingOutput sink(c.room, c.brokenPipe);
    std::istringstream in(batch);
    std::ostream out(&sink);
    out.exceptions(std::ios::badbit);
    std::ostringstream err;
    EXPECT_EQ(kExitIoError, RunCli(c.args, in, out, err));
    EXPECT_EQ(c.err, err.str());
    EXPECT_LE(sink.written.size(), c.room);
    EXPECT_TRUE(sink.written.empty() || sink.written.ends_with("\n")) << "a line cut short";
  }
  // A stream that fails without saying why is still a failure.
  FailingOutput sink(10, false);
  std::ostream quiet(&sink);
  std::istringstream in;
  std::ostringstream err;
  EXPECT_EQ(kExitIoError, RunCli({"1990", "5", "12"}, in, quiet, err));
  EXPECT_EQ("tesserin-cli: error writing standard output\n", err.str());
}

// The output goes to the stream in whole lines, a line longer than the output's blocks of 64 KiB
// too: a stream that takes no more leaves no line cut short.
TEST(CliStreams, WholeLinesGoToTheStream) {
  const std::string good = "1990\t5\t12\tlunar\n", goodAnswer = RunCliOn({"--batch"}, good).out;
  std::string input, before;
  for (int i = 0; i < 10; ++i) input += good, before += goodAnswer;
  input += std::string(200000, '7') + "\t5\t12\tsolar\n";  // its echo and its error: 400,000 bytes
  for (int i = 0; i < 10; ++i) input += good;
  const std::string whole = RunCliOn({"--batch"}, input).out;
  ASSERT_GT(whole.size(), before.size() + 400000);
  for (std::size_t room : {before.size() + 1000, before.size() + 70000, before.size() + 399000}) {
    SCOPED_TRACE(room);
    FailingOutput sink(room, false);
    std::istringstream in(input);
    std::ostream out(&sink);
    out.exceptions(std::ios::badbit);
    std::ostringstream err;
    EXPECT_EQ(kExitIoError, RunCli({"--batch"}, in, out, err));
    EXPECT_TRUE(sink.written == before) << sink.written.size() << " bytes, expected " << before.size();
  }
}

// What failed and why, in the user's language.
TEST(CliStreams, FailuresAreToldInTheUsersLanguage) {
  struct Case {
    Language language;
    StreamFailure failure;
    const char* text;
  };
  const Case kCases[] = {
      {Language::kEnglish, StreamFailure::Writing(ENOSPC), "error writing standard output: No space left on device"},
      {Language::kChinese, StreamFailure::Writing(ENOSPC), "写入标准输出时出错：磁盘空间不足"},
      {Language::kEnglish, StreamFailure::Reading(EIO), "error reading standard input: Input/output error"},
      {Language::kChinese, StreamFailure::Reading(EIO), "读取标准输入时出错：输入/输出错误"},
      {Language::kChinese, StreamFailure::Writing(0), "写入标准输出时出错"},
      {Language::kEnglish, StreamFailure::WritingToConsole(6), "error writing standard output to the console (Windows error 6)"},
      {Language::kChinese, StreamFailure::WritingToConsole(6), "向控制台写入标准输出时出错（Windows 错误代码 6）"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(c.text, StreamFailureText(c.failure, c.language));
  }
  FailingOutput sink(10, false);
  std::istringstream in;
  std::ostream out(&sink);
  out.exceptions(std::ios::badbit);
  std::ostringstream err;
  EXPECT_EQ(kExitIoError, RunCli({"1990", "5", "12"}, in, out, err, Language::kChinese));
  EXPECT_EQ("tesserin-cli: 写入标准输出时出错：磁盘空间不足\n", err.str());
}

}  // namespace
}  // namespace tesserin
