// vexprog-sim as a program: prints its terminal, answers, saves on SIGTERM.
#include "link/port_discovery.h"
#include "link/protocol.h"
#include "sim/image_file.h"
#include "sim_timing.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>

#include <sys/wait.h>
#include <unistd.h>

namespace vex {
namespace {

TEST(SimApp, PrintsItsTerminalAndSavesMemoryOnSigterm) {
  const auto dir = std::filesystem::temp_directory_path() / ("vexsim-app-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string start = (dir / "start.bin").string();
  const std::string saved = (dir / "saved.bin").string();
  sim::Image image{};
  image.fill(0x11);
  std::string error;
  ASSERT_TRUE(sim::SaveImageFile(start, image, error));

  int out[2];
  ASSERT_EQ(pipe(out), 0);
  const std::string program = std::string(VEX_BIN_DIR) + "/vexprog-sim";
  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    dup2(out[1], 1);
    close(out[0]);
    execl(program.c_str(), program.c_str(), "--image", start.c_str(), "--save", saved.c_str(), "--no-pacing",
          static_cast<char*>(nullptr));
    _exit(127);
  }
  close(out[1]);
  FILE* lines = fdopen(out[0], "r");
  char path[256] = {};
  ASSERT_NE(fgets(path, sizeof path, lines), nullptr);
  std::string device(path);
  device.erase(device.find_last_not_of('\n') + 1);

  CRadioLink link(test::QuickTiming());
  ASSERT_TRUE(TryDevice(link, device, Greeting::Short));
  ASSERT_EQ(link.SetMode(protocol::kModeWrite), 1);
  const std::uint8_t data[3] = {1, 2, 3};
  ASSERT_EQ(link.WriteMemory(100, 3, data), 1);
  link.Close();

  kill(pid, SIGTERM);
  int status = 0;
  waitpid(pid, &status, 0);
  fclose(lines);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  sim::Image back{};
  ASSERT_TRUE(sim::LoadImageFile(saved, back, error)) << error;
  EXPECT_EQ(back[99], 0x11);
  EXPECT_EQ(back[100], 1);
  EXPECT_EQ(back[102], 3);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace vex
