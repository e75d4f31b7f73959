#include "cli/CliApp.h"

int main(int argc, char** argv) {
  return ostrel::CliApp::Run(std::vector<std::string>(argv + 1, argv + argc));
}
