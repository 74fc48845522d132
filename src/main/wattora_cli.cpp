// The headless program: drives the same core as the desktop program.
#include <iostream>
#include <string_view>

#include "app/cli/cli.h"

int main(int argc, char** argv) {
  return wattora::RunCli(argc, argv, std::cout, std::cerr);
}
