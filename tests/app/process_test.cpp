// The program as its own process: ended by the system while it saves or while it fetches.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <random>

#include "temp_directory.h"
#include "window_fixture.h"

extern char** environ;

namespace {

class Program {
 public:
  Program(const std::filesystem::path& runDirectory, const std::string& action = "") {
    const std::string url = PassingVersionServer().Url(kVersionPath);
    std::vector<std::string> arguments = {PROGRAM_UNDER_TEST, runDirectory.string(), url, TlsServer::CaFile()};
    if (!action.empty()) arguments.push_back(action);
    std::vector<char*> argv;
    for (auto& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (posix_spawn(&pid_, PROGRAM_UNDER_TEST, nullptr, nullptr, argv.data(), environ) != 0) pid_ = -1;
  }
  ~Program() {
    if (pid_ > 0 && !exited_) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
  }
  bool Started() const { return pid_ > 0; }
  void Signal(int signal) { ::kill(pid_, signal); }
  // The exit status, or nullopt when the program is still running after the time.
  std::optional<int> WaitForExit(std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
      int status = 0;
      if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        exited_ = true;
        return status;
      }
      if (std::chrono::steady_clock::now() > deadline) return std::nullopt;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }

 private:
  pid_t pid_ = -1;
  bool exited_ = false;
};

std::filesystem::path VisitorFile(const std::filesystem::path& directory) {
  return directory / std::filesystem::path(u8"实时访客.ini");
}

// The loader has written the notes back by the time the visitor text is being loaded.
bool WaitForLoader(const std::filesystem::path& directory) {
  const auto settings = directory / std::filesystem::path(u8"配置.ini");
  return WaitUntil([&] { return ReadBytes(settings).find(G("备注6=")) != std::string::npos; });
}

TEST(ProgramProcess, KilledAtAnyMomentOfTheSaveItLeavesTheOldOrTheNewFile) {
  const Text old = G("旧的访客文本\r\n第二行");
  const Text saved = Concat(G("[数据]\r\n数据1="), old, "\r\n");
  std::mt19937 random(11);
  for (int run = 0; run < 8; ++run) {
    TemporaryDirectory directory;
    WriteBytes(VisitorFile(directory.path()), old);
    Program program(directory.path());
    ASSERT_TRUE(program.Started());
    ASSERT_TRUE(WaitForLoader(directory.path()));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    program.Signal(SIGTERM);  // the close request: the save begins with its wait
    std::this_thread::sleep_for(std::chrono::milliseconds(random() % 900));
    program.Signal(SIGKILL);
    ASSERT_TRUE(program.WaitForExit(std::chrono::seconds(10)));
    const Text content = ReadBytes(VisitorFile(directory.path()));
    EXPECT_TRUE(content == old || content == saved) << "run " << run << ": " << content;
  }
}

// Ended by the system while a fetch adds rows, while a count appends its rows, or while the
// save of a first termination request waits: every time the program ends at once, cleanly,
// with the visitor text saved.
class EndedDuringALongOperation : public ::testing::TestWithParam<const char*> {};

TEST_P(EndedDuringALongOperation, EndsPromptlyAndCleanlyWithTheTextSaved) {
  const std::string operation = GetParam();
  Text visitors;
  for (int i = 0; i < 200000; ++i) visitors += Concat("A src", IntegerToText(i % 60000), G(" B\r\nloc\r\n访客1\r\n"));
  std::mt19937 random(17);
  for (int run = 0; run < 3; ++run) {
    TemporaryDirectory directory;
    WriteBytes(directory.path() / std::filesystem::path(u8"配置.ini"),
               G("[备注]\r\n备注5=A\r\n[标题]\r\n标题1=B\r\n[配置]\r\n配置1=1\r\n"));
    WriteBytes(VisitorFile(directory.path()), visitors);
    Program program(directory.path(), operation == "save" ? "" : operation);
    ASSERT_TRUE(program.Started());
    if (operation == "save") {
      ASSERT_TRUE(WaitForLoader(directory.path()));
      std::this_thread::sleep_for(std::chrono::seconds(2));
      program.Signal(SIGTERM);
    } else {
      ASSERT_TRUE(WaitUntil([&] { return std::filesystem::exists(directory.path() / "pressed"); },
                            std::chrono::seconds(60)));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(random() % 300));
    program.Signal(SIGTERM);
    const auto status = program.WaitForExit(std::chrono::seconds(20));
    ASSERT_TRUE(status.has_value()) << operation << " run " << run << ": the program did not end";
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << operation << " run " << run;
    EXPECT_EQ(ReadBytes(VisitorFile(directory.path())), Concat(G("[数据]\r\n数据1="), visitors, "\r\n"))
        << operation << " run " << run;
  }
}

INSTANTIATE_TEST_SUITE_P(Operations, EndedDuringALongOperation, ::testing::Values("fetch", "count", "save"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
