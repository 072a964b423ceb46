// The reader's streams in use: answers written before the reader waits for input, and input
// that cannot be read or output that cannot be written, reported as exit status 74.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <streambuf>

#include "CliRun.h"
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
      if (failAtEnd_) throw StreamFailure("error reading standard input: Input/output error");
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
      throw StreamFailure(brokenPipe_ ? "error writing standard output: Broken pipe"
                                      : "error writing standard output: No space left on device",
                          brokenPipe_);
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
  }
  // A stream that fails without saying why is still a failure.
  FailingOutput sink(10, false);
  std::ostream quiet(&sink);
  std::istringstream in;
  std::ostringstream err;
  EXPECT_EQ(kExitIoError, RunCli({"1990", "5", "12"}, in, quiet, err));
  EXPECT_EQ("tesserin-cli: error writing standard output\n", err.str());
}

}  // namespace
}  // namespace tesserin
