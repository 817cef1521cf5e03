// zunpa-sim: headless tournaments of the six characters. See --help.

#include <chrono>
#include <fstream>
#include <iostream>
#include <variant>

#include "sim_runner.h"

int main(int argc, char** argv) {
  using namespace zunpa::sim;
  const auto parsed = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (const auto* error = std::get_if<std::string>(&parsed)) {
    std::cerr << *error << '\n';
    return 2;
  }
  const SimOptions& options = std::get<SimOptions>(parsed);
  if (options.help) {
    std::cout << HelpText();
    return 0;
  }
  if (!kHaveThreads && options.threads > 1)
    std::cerr << "zunpa-sim: this build has no threads; all games are played on one, with the same results\n";
  std::ofstream logFile;
  if (!options.logPath.empty()) {
    logFile.open(options.logPath, std::ios::binary | std::ios::trunc);
    if (!logFile) {
      std::cerr << "zunpa-sim: cannot write the log file " << options.logPath << '\n';
      return 2;
    }
  }
  const auto start = std::chrono::steady_clock::now();
  const RunStats stats = RunGames(options, logFile.is_open() ? &logFile : nullptr);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (logFile.is_open() && !logFile) {
    std::cerr << "zunpa-sim: writing the log file " << options.logPath << " failed\n";
    return 2;
  }
  const auto seats = SeatLabels(options);
  std::cout << (options.json ? FormatJson(stats, seats, seconds) : FormatTable(stats, seats, seconds));
  return 0;
}
