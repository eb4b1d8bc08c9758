// Start-up of a game without drawing.
#include "flow/start_up.hpp"

#include "flow/screen_flags.hpp"
#include "world/formation_lists.hpp"
#include "world/random.hpp"
#include "world/scenario_file.hpp"

namespace gm {

Status StartUp(World& w, const FileSystem& fs, Clock& clock, const StartSettings& settings) {
  SeedFromClock(w, clock);
  ShowTitleScreen(w);
  SaveScreenFlags(w);
  w.Selection = {0, 0, 0};
  w.ActionTick = 0;
  w.ActionKind = ActionKind::kNone;
  ApplyStartSettings(w, settings);
  if (Status s = LoadScenario(w, fs); !s) return s;
  ReadyAllFormations(w);
  w.GameHeader.OpeningCoalition = w.FirstCoalition;
  return Status::Ok();
}

}  // namespace gm
