#include "table/yomi_worker.h"

#include <QMetaObject>

#include "ui_logic/yomi_hint.h"

namespace zunpa::qt {

void YomiWorker::Cancel() {
  ++generation_;
  cancel_->store(true);
  if (thread_.joinable()) thread_.join();
}

std::uint64_t YomiWorker::SeedFor(const Game& g) {
  return ui::HintSeed(g);
}

void YomiWorker::Ask(const Session& session, Question q, Done done) {
  Cancel();
  cancel_ = std::make_shared<std::atomic<bool>>(false);
  auto input = std::make_shared<const YomiInput>(session.AnalysisInput());
  const std::uint64_t seed = SeedFor(session.game());
  const unsigned generation = generation_;
  // The destructor joins the thread, so `this` outlives it; a reply queued
  // for a worker already gone is dropped by Qt.
  thread_ = std::thread([=, this, cancel = cancel_, done = std::move(done)] {
    const Advice advice = Analyse(*input, q, WindowYomiSettings(), seed, cancel.get());
    if (advice.cancelled) return;
    QMetaObject::invokeMethod(
        this,
        [this, generation, advice, done] {
          if (generation_ == generation) done(advice);
        },
        Qt::QueuedConnection);
  });
}

}  // namespace zunpa::qt
