#pragma once

#include "engine/console.h"
#include "engine/failure.h"
#include "engine/run_outcome.h"

namespace vesmar {

// What a dialogue does once its run has succeeded: wait at "PAUSE", so a
// window opened for the program stays open until the user has read it, or
// end at once (the programs whose dialogue never paused).
enum class AfterRun { Pause, End };

// Every program's dialogue: asks its questions, runs on the answers, then
// pauses or ends. A failed question or run ends it without the pause.
template <class Settings>
Status ask_then_run(Console& console, Result<Settings> (*ask)(Console&),
                    Result<RunOutcome> (*run)(const Settings&, Console&), AfterRun after) {
  Result<Settings> settings = ask(console);
  if (!settings.ok()) return settings.failure();
  if (Result<RunOutcome> outcome = run(settings.value(), console); !outcome.ok()) return outcome.failure();
  if (after == AfterRun::Pause) console.shell("PAUSE");
  return {};
}

}  // namespace vesmar
