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

namespace wattora {
namespace {

TEST(CliCalc, IncompletePumpEndsEarlyWithTheStepTwoMessage) {
  std::string out, err;
  EXPECT_EQ(RunWith({"calc", "--new", "pump"}, out, err), 1);
  EXPECT_NE(out.find("\"application\":\"PUMP\""), std::string::npos);
  EXPECT_NE(out.find("\"page\":1"), std::string::npos);
  EXPECT_NE(out.find("{\"type\":\"information\",\"key\":\"IDS_22\",\"text\":\"Please fill out all "
                     "fields in STEP 2 to continue to the next step.\"}"),
            std::string::npos);
  for (const char* key : {"\"curve\":", "\"duty\":", "\"results\":", "\"costs\":", "\"fields\":",
                          "\"labels\":", "\"ThrottlingValveResult\":", "\"A159\":"}) {
    EXPECT_NE(out.find(key), std::string::npos) << key;
  }
  EXPECT_EQ(out.find("OutletDamperResult"), std::string::npos);
}

TEST(CliCalc, SetTypesWithTheKeyFilterAndLeavesTheField) {
  std::string out, err;
  RunWith({"calc", "--option", "NTU=2", "--new", "fan", "--set", "A109=1234,6", "--set",
           "QNUM1=Pla:nt", "--page", "1"},
          out, err);
  EXPECT_NE(out.find("\"A109\":\"1.235\""), std::string::npos) << out;
  EXPECT_NE(out.find("\"QNUM\":\"Plant\""), std::string::npos);
}

TEST(CliCalc, WrongArgumentsExitWithTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {"calc"},
      {"calc", "--new", "boat"},
      {"calc", "--new", "fan", "--option", "FPU=5"},
      {"calc", "--new", "fan", "--option", "XYZ=1"},
      {"calc", "--new", "fan", "--set", "NOPE=1"},
      {"calc", "--new", "fan", "--set", "A101"},
      {"calc", "--new", "fan", "--click", "R3"},
      {"calc", "--new", "fan", "--page", "6"},
      {"calc", "--new", "fan", "--page"},
      {"calc", "/nonexistent/file.DMC"},
  };
  for (const auto& args : cases) {
    std::string out, err;
    EXPECT_EQ(RunWith(args, out, err), 2) << args.back();
    EXPECT_FALSE(err.empty());
  }
}

}  // namespace
}  // namespace wattora
