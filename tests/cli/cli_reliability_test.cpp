// Radio commands under faults that once lost data or left it where it could
// not be used: radios sharing a file name, a band that went unanswered, a
// backup read that changed what the write checks.
#include "radio_fixture.h"

#include "base/text_ids.h"

#include <nlohmann/json.hpp>

#include <poll.h>
#include <pty.h>
#include <sys/stat.h>
#include <termios.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <fstream>

#include <set>

namespace vex {
namespace {

using test::CliResult;
using test::SimProcess;

class CliReliability : public test::CliRadio {
 protected:
  std::string rangeOf(const std::string& codeplug) {
    return nlohmann::json::parse(run({"info", codeplug, "--json"}).out)["range"];
  }
};

TEST_F(CliReliability, RadiosWhosePortsShareALastNameGetAFileEach) {
  SimProcess a({"--band", "430-440"});
  SimProcess b({"--band", "440-450"});
  ASSERT_FALSE(a.device().empty());
  ASSERT_FALSE(b.device().empty());
  std::filesystem::create_directories(file("a"));
  std::filesystem::create_directories(file("b"));
  std::filesystem::create_symlink(a.device(), file("a/radio"));
  std::filesystem::create_symlink(b.device(), file("b/radio"));

  const CliResult r = run({"read", "--port", file("a/radio"), "--port", file("b/radio"), "-o", file("out.dat")});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ((std::set<std::string>{rangeOf(file("out-radio.dat")), rangeOf(file("out-radio-2.dat"))}),
            (std::set<std::string>{"430-440", "440-450"}));
}

// Requests 3 to 5 are the three tries of the band item.
TEST_F(CliReliability, AnUnansweredBandFailsTheReadAndReachesNoFileOrSetting) {
  SimProcess sim({"--no-reply", "3:3"});
  ASSERT_FALSE(sim.device().empty());
  const std::string settingsBefore = settings();
  const std::string catalogueBefore = catalogue();

  const CliResult read =
      run({"read", "--port", sim.device(), "-o", file("out.dat"), "--add-range", "yes", "--remember"});
  EXPECT_EQ(read.exitCode, 1);
  EXPECT_NE(read.err.find(message(text::kMsgIdentityFailed)), std::string::npos) << read.err;
  EXPECT_EQ(read.out.find(message(text::kMsgReadDone)), std::string::npos) << read.out;
  EXPECT_FALSE(std::filesystem::exists(file("out.dat")));
  EXPECT_EQ(settings(), settingsBefore);
  EXPECT_EQ(catalogue(), catalogueBefore);

  const std::string codeplug = codeplugWithPasswords("w.dat", "");
  const CliResult backup = run({"write", "--port", sim.device(), "--backup", file("backups"), codeplug});
  EXPECT_EQ(backup.exitCode, 1);
  EXPECT_NE(backup.err.find("nothing was written"), std::string::npos) << backup.err;
}

TEST_F(CliReliability, DetectSaysABandThatWentUnansweredIsUnknown) {
  SimProcess sim({"--no-reply", "3:3"});
  ASSERT_FALSE(sim.device().empty());
  const CliResult text = run({"detect", "--port", sim.device()});
  ASSERT_EQ(text.exitCode, 0) << text.err;
  EXPECT_NE(text.out.find("band unknown"), std::string::npos) << text.out;
  EXPECT_EQ(text.out.find("0-0"), std::string::npos) << text.out;
}

// The file's range is not inside the radio's band: the backup read must not
// make the write check the radio's band against itself.
TEST_F(CliReliability, ABackupReadLeavesTheWritesChecksToTheFile) {
  SimProcess sim({"--model-name", "VX-446", "--band", "430-440", "--save", file("end.bin")});
  ASSERT_FALSE(sim.device().empty());
  const std::string codeplug = codeplugWithPasswords("w.dat", "");
  const CliResult r = run({"write", "--port", sim.device(), "--backup", file("backups"), codeplug});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("radio's range 430-440 MHz"), std::string::npos) << r.err;
  ASSERT_TRUE(sim.stop());
  std::vector<std::filesystem::path> backups;
  for (const auto& entry : std::filesystem::directory_iterator(file("backups"))) backups.push_back(entry.path());
  ASSERT_EQ(backups.size(), 1u);
  EXPECT_EQ(test::ImageOf(backups[0].string()), test::ReadBytes(file("end.bin")));  // nothing was written
}

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
  return info.st_mode & 07777;
}

TEST_F(CliReliability, ATraceNeverTakesTheCommandsOwnFilesOrAnothersContent) {
  SimProcess sim({"--model-name", "VX-446"});
  ASSERT_FALSE(sim.device().empty());
  const std::string codeplug = codeplugWithPasswords("mine.dat", "");
  const std::string before = test::Slurp(codeplug);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"write", "--port", sim.device(), codeplug, "--trace", codeplug},
        {"verify", "--port", sim.device(), codeplug, "--trace", codeplug},
        {"read", "--port", sim.device(), "--model-name", "VX-446", "-o", file("out.dat"), "--trace", file("out.dat")}}) {
    const CliResult r = run(args);
    EXPECT_NE(r.exitCode, 0) << args[0];
    EXPECT_NE(r.err.find("--trace"), std::string::npos) << r.err;
  }
  EXPECT_EQ(test::Slurp(codeplug), before);
  EXPECT_FALSE(std::filesystem::exists(file("out.dat")));

  // Notes that are no trace are kept; the trace follows them.
  std::ofstream(file("notes.txt")) << "my notes\n";
  ASSERT_EQ(run({"read", "--port", sim.device(), "--model-name", "VX-446", "-o", file("out.dat"), "--trace",
                 file("notes.txt")}).exitCode, 0);
  const std::string notes = test::Slurp(file("notes.txt"));
  EXPECT_EQ(notes.rfind("my notes\n\n# vexprog-cli trace\n", 0), 0u) << notes.substr(0, 80);
  EXPECT_GT(test::TracedRequests(notes, "45 62"), 0u);
}

TEST_F(CliReliability, FilesWithTheRadiosPasswordsArePrivateAndReadOnlyFilesNeedForce) {
  SimProcess sim({"--model-name", "VX-446"});
  ASSERT_FALSE(sim.device().empty());
  const mode_t mask = ::umask(022);
  const CliResult read = run({"read", "--port", sim.device(), "--model-name", "VX-446", "-o", file("radio.dat")});
  ASSERT_EQ(read.exitCode, 0) << read.err;
  EXPECT_EQ(ModeOf(file("radio.dat")), 0600u);
  const std::string codeplug = codeplugWithPasswords("w.dat", "");
  const CliResult write = run({"write", "--port", sim.device(), "--backup", file("backups"), codeplug});
  ASSERT_EQ(write.exitCode, 0) << write.err;
  EXPECT_EQ(ModeOf(file("backups")), 0700u);
  for (const auto& entry : std::filesystem::directory_iterator(file("backups")))
    EXPECT_EQ(ModeOf(entry.path().string()), 0600u) << entry.path();
  ::umask(mask);

  // A read-only target is kept unless forced; forced, it keeps its mode.
  ASSERT_EQ(::chmod(file("radio.dat").c_str(), 0444), 0);
  const std::string kept = test::Slurp(file("radio.dat"));
  const CliResult refused = run({"recode", codeplug, "-o", file("radio.dat")});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.err.find("read-only"), std::string::npos) << refused.err;
  EXPECT_EQ(test::Slurp(file("radio.dat")), kept);
  ASSERT_EQ(run({"recode", codeplug, "-o", file("radio.dat"), "--force"}).exitCode, 0);
  EXPECT_NE(test::Slurp(file("radio.dat")), kept);
  EXPECT_EQ(ModeOf(file("radio.dat")), 0444u);
}

TEST_F(CliReliability, AFailedBackupReadLeavesNoEmptyBackupDirectory) {
  SimProcess sim({"--model-name", "VX-446", "--fail-address", "64"});
  ASSERT_FALSE(sim.device().empty());
  const std::string codeplug = codeplugWithPasswords("w.dat", "");
  const CliResult r = run({"write", "--port", sim.device(), "--backup", file("new/backups"), codeplug});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_FALSE(std::filesystem::exists(file("new/backups")));
}

TEST_F(CliReliability, ARadioThatAnswersIsNotCalledSilent) {
  SimProcess refusing({"--model-name", "VX-446", "--refuse-mode", "3"});
  SimProcess garbled({"--bad-checksum", "2:40"});  // greeted, then every reply garbled
  ASSERT_FALSE(refusing.device().empty());
  ASSERT_FALSE(garbled.device().empty());
  const CliResult write = run({"write", "--port", refusing.device(), codeplugWithPasswords("w.dat", "")});
  EXPECT_EQ(write.exitCode, 1);
  EXPECT_NE(write.err.find(message(text::kMsgModeRefused)), std::string::npos) << write.err;
  const CliResult detect = run({"detect", "--port", garbled.device()});
  EXPECT_EQ(detect.exitCode, 1);
  EXPECT_NE(detect.err.find(message(text::kMsgIdentityFailed)), std::string::npos) << detect.err;
  for (const CliResult* r : {&write, &detect})
    EXPECT_EQ(r->err.find(message(text::kMsgNoRadio)), std::string::npos) << r->err;
}

TEST_F(CliReliability, RadioTextsReachTheTerminalEscapedAndHintsQuotedForTheShell) {
  SimProcess sim({"--model-name", "\x1b]0;$(id)\x07"});
  ASSERT_FALSE(sim.device().empty());
  const CliResult r = run({"read", "--port", sim.device(), "-o", file("out.dat")});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err.find('\x1b'), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("model name \"\\x1b]0;$(id)\\x07\""), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("--model-name $'\\x1b]0;$(id)\\x07'"), std::string::npos) << r.err;
  const CliResult detect = run({"detect", "--port", sim.device()});
  EXPECT_EQ(detect.out.find('\x1b'), std::string::npos) << detect.out;
}

TEST_F(CliReliability, AFilesCommentReachesTheTerminalEscapedLineByLine) {
  const std::string codeplug = codeplugWithPasswords("w.dat", "");
  std::ofstream(file("comment.yaml")) << "file:\n  comment: \"bench 2\\nshelf \\e]0;x\\a\"\n";
  ASSERT_EQ(run({"apply", file("comment.yaml"), "--base", codeplug, "-o", file("c.dat")}).exitCode, 0);
  const CliResult info = run({"info", file("c.dat")});
  EXPECT_NE(info.out.find("Comment:     bench 2\n             shelf \\x1b]0;x\\x07\n"), std::string::npos) << info.out;
}

TEST_F(CliReliability, ChannelsComeInFromAPipe) {
  const std::string codeplug = codeplugWithPasswords("w.dat", "");
  ASSERT_EQ(run({"export-csv", codeplug, "-o", file("w.csv")}).exitCode, 0);
  ASSERT_EQ(::mkfifo(file("pipe.csv").c_str(), 0600), 0);
  const pid_t writer = ::fork();
  if (writer == 0) {
    std::ofstream(file("pipe.csv"), std::ios::binary) << test::Slurp(file("w.csv"));
    ::_exit(0);
  }
  const CliResult r = run({"import-csv", codeplug, file("pipe.csv"), "-o", file("out.dat")});
  ::waitpid(writer, nullptr, 0);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(run({"export-csv", file("out.dat")}).out, test::Slurp(file("w.csv")));
}

TEST_F(CliReliability, AControllingTerminalThatIsNotThereIsNotCalledMissing) {
  const CliResult r =
      test::RunCli({"read", "--port", "/dev/tty", "-o", file("out.dat")}, dir.path().string(), data.string(), "setsid -w ");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("No such device or address"), std::string::npos) << r.err;
}

// vexprog-cli started with its standard error on a pipe, so that a test can
// wait for what it prints and then send it a signal.
class RunningCli {
 public:
  RunningCli(const std::vector<std::string>& args, const std::string& dataDir) {
    int err[2];
    if (::pipe(err) != 0) return;
    std::vector<std::string> words{std::string(VEX_BIN_DIR) + "/vexprog-cli", "--data-dir", dataDir};
    words.insert(words.end(), args.begin(), args.end());
    pid_ = ::fork();
    if (pid_ == 0) {
      ::dup2(err[1], STDERR_FILENO);
      ::close(err[0]);
      ::close(err[1]);
      std::vector<char*> argv;
      for (std::string& w : words) argv.push_back(w.data());
      argv.push_back(nullptr);
      ::execv(argv[0], argv.data());
      ::_exit(127);
    }
    ::close(err[1]);
    err_ = ::fdopen(err[0], "r");
  }
  ~RunningCli() { finish(); }

  // Reads standard error until a line holds `text`; false at its end.
  bool waitFor(const std::string& text) {
    char line[512];
    while (err_ != nullptr && std::fgets(line, sizeof line, err_) != nullptr) {
      printed_ += line;
      if (std::string(line).find(text) != std::string::npos) return true;
    }
    return false;
  }
  void send(int signal) const { ::kill(pid_, signal); }
  // Waits for the end; the wait status.
  int finish() {
    if (pid_ <= 0) return status_;
    waitFor("\x01never");
    ::waitpid(pid_, &status_, 0);
    pid_ = -1;
    std::fclose(err_);
    err_ = nullptr;
    return status_;
  }
  const std::string& printed() const { return printed_; }

 private:
  pid_t pid_ = -1;
  std::FILE* err_ = nullptr;
  std::string printed_;
  int status_ = -1;
};

TEST_F(CliReliability, CtrlCDuringAWriteEndsTheBlockTellsTheRadioAndSaysHowToRecover) {
  SimProcess sim({"--model-name", "VX-446", "--save", file("end.bin")});
  ASSERT_FALSE(sim.device().empty());
  const std::string codeplug = codeplugWithPasswords("w.dat", "");
  const std::vector<std::string> args{"write",   "--port",          sim.device(),   codeplug, "--verbose",
                                      "--trace", file("trace.txt"), "--reply-timeout", "1000"};
  RunningCli interrupted(args, data.string());
  ASSERT_TRUE(interrupted.waitFor("%"));  // the first block is written
  interrupted.send(SIGINT);
  const int status = interrupted.finish();
  ASSERT_TRUE(WIFEXITED(status)) << interrupted.printed();
  EXPECT_EQ(WEXITSTATUS(status), 128 + SIGINT);
  EXPECT_NE(interrupted.printed().find("stopped by a signal after"), std::string::npos) << interrupted.printed();
  EXPECT_NE(interrupted.printed().find(message(text::kMsgWritePartial)), std::string::npos);
  const std::string trace = test::Slurp(file("trace.txt"));
  EXPECT_NE(trace.rfind("> 02 4D 61 01 00 03"), std::string::npos);  // the closing mode command
  EXPECT_GT(trace.rfind("> 02 4D 61 01 00 03"), trace.rfind("> 02 45 61"));

  // The radio takes the write again; a second Ctrl+C ends at once.
  const CliResult again = run({"write", "--port", sim.device(), codeplug});
  EXPECT_EQ(again.exitCode, 0) << again.err;
  RunningCli twice(args, data.string());
  ASSERT_TRUE(twice.waitFor("%"));
  twice.send(SIGINT);
  twice.send(SIGINT);
  const int killed = twice.finish();
  EXPECT_TRUE(WIFSIGNALED(killed) || WEXITSTATUS(killed) == 128 + SIGINT) << twice.printed();
}

// A read or a verify stopped by Ctrl+C: the radio is told the session is
// over, the command says so and no file is left behind. The late replies keep
// the transfer going while the signal arrives.
TEST_F(CliReliability, CtrlCDuringAReadOrAVerifyClosesTheSessionAndSavesNothing) {
  SimProcess sim({"--model-name", "VX-446", "--late-reply", "8:1000000", "--late-ms", "200"});
  ASSERT_FALSE(sim.device().empty());
  const std::string codeplug = codeplugWithPasswords("v.dat", "");
  const struct {
    std::vector<std::string> args;
    const char* notice;
  } cases[] = {
      {{"read", "--port", sim.device(), "--model-name", "VX-446", "-o", file("out.dat")}, "left no file"},
      {{"verify", "--port", sim.device(), codeplug}, "nothing was compared"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"--verbose", "--trace", file("trace.txt"), "--reply-timeout", "1000"});
    RunningCli interrupted(args, data.string());
    ASSERT_TRUE(interrupted.waitFor("%")) << args[0];
    interrupted.send(SIGINT);
    const int status = interrupted.finish();
    ASSERT_TRUE(WIFEXITED(status)) << interrupted.printed();
    EXPECT_EQ(WEXITSTATUS(status), 128 + SIGINT) << args[0];
    EXPECT_NE(interrupted.printed().find(c.notice), std::string::npos) << interrupted.printed();
    const std::string trace = test::Slurp(file("trace.txt"));
    EXPECT_EQ(trace.rfind("> 02 "), trace.rfind("> 02 4D 61 01 00 03")) << args[0];  // the last request
  }
  EXPECT_FALSE(std::filesystem::exists(file("out.dat")));
}

// The password is typed with the echo off; Ctrl+C on the terminal, as the
// terminal sends it, leaves the echo on again.
TEST_F(CliReliability, CtrlCAtThePasswordPromptGivesTheTerminalItsEchoBack) {
  SimProcess sim({"--read-password", "1234"});
  ASSERT_FALSE(sim.device().empty());
  std::vector<std::string> words{std::string(VEX_BIN_DIR) + "/vexprog-cli", "--data-dir", data.string(), "read",
                                 "--port", sim.device(), "-o", file("out.dat")};
  int terminal = -1;
  const pid_t pid = ::forkpty(&terminal, nullptr, nullptr, nullptr);
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  const auto echoOn = [terminal] {
    termios state{};
    return ::tcgetattr(terminal, &state) == 0 && (state.c_lflag & ECHO) != 0;
  };
  std::string shown;
  while (shown.find("read password: ") == std::string::npos) {
    pollfd wait{terminal, POLLIN, 0};
    char chunk[256];
    const ssize_t got = ::poll(&wait, 1, 10000) == 1 ? ::read(terminal, chunk, sizeof chunk) : -1;
    ASSERT_GT(got, 0) << shown;
    shown.append(chunk, static_cast<std::size_t>(got));
  }
  // The prompt is shown before the echo goes off.
  for (int tries = 0; echoOn() && tries < 1000; ++tries) ::poll(nullptr, 0, 10);
  ASSERT_FALSE(echoOn());
  ASSERT_EQ(::write(terminal, "12\x03", 3), 3);
  int status = 0;
  ::waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 128 + SIGINT) << shown;
  EXPECT_TRUE(echoOn());
  ::close(terminal);
  EXPECT_FALSE(std::filesystem::exists(file("out.dat")));
}

}  // namespace
}  // namespace vex
