#pragma once
// 読み thinks on a thread of its own: the window hands it what the user's
// seat may know of the table and goes on; the advice comes back on the
// window's thread, unless a newer question or a move came first. Nothing
// runs unless asked.

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "analysis/yomi.h"
#include "session/session.h"

namespace zunpa::qt {

class YomiWorker : public QObject {
 public:
  explicit YomiWorker(QObject* parent = nullptr) : QObject(parent) {}
  ~YomiWorker() override { Cancel(); }

  // The same table always gets the same advice: the seed comes from where
  // the game stands.
  static std::uint64_t SeedFor(const Game& g);

  using Done = std::function<void(const Advice&)>;
  void Ask(const Session& session, Question q, Done done);
  // Ends the thinking under way; its advice never arrives.
  void Cancel();

 private:
  std::thread thread_;
  std::shared_ptr<std::atomic<bool>> cancel_ = std::make_shared<std::atomic<bool>>(false);
  unsigned generation_ = 0;
};

}  // namespace zunpa::qt
