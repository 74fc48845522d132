#include "app/cli/cli.h"

#include <gtest/gtest.h>

#include <sstream>

namespace wattora {
namespace {

int RunWith(std::vector<std::string> args, std::string& out, std::string& err) {
  std::vector<char*> argv;
  std::string program = "wattora-cli";
  argv.push_back(program.data());
  for (auto& a : args) argv.push_back(a.data());
  std::ostringstream o, e;
  const int status = RunCli(static_cast<int>(argv.size()), argv.data(), o, e);
  out = o.str();
  err = e.str();
  return status;
}

TEST(Cli, VersionAndWrongArguments) {
  std::string out, err;
  EXPECT_EQ(RunWith({"--version"}, out, err), 0);
  EXPECT_EQ(out, "V1.21\n");
  EXPECT_EQ(RunWith({"--bogus"}, out, err), 2);
  EXPECT_FALSE(err.empty());
}

}  // namespace
}  // namespace wattora
