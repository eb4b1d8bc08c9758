// The sim's frame loop over whole computer turns, with a line per turn and a summary.
#include "sim_game.hpp"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "flow/computer_frame.hpp"
#include "flow/media_sinks.hpp"
#include "flow/screen_flags.hpp"
#include "flow/start_game.hpp"
#include "flow/start_up.hpp"
#include "flow/turn_change.hpp"
#include "platform/clock.hpp"
#include "platform/posix_file_system.hpp"
#include "rules/war_end.hpp"
#include "world/holdings.hpp"
#include "world/save_slots.hpp"
#include "world/world_access.hpp"
#include "world/world_check.hpp"

namespace gm {

namespace {

constexpr std::uint32_t kFrameMilliseconds = 20;
// No turn needs this many frames: two looks at each of 10,000 formations, each with an animation.
constexpr long kMaxFramesPerTurn = 5'000'000;

// Orders and decisions counted over a turn.
struct Tally {
  long move = 0, fire = 0, assault = 0, drop = 0, stay = 0, merge = 0, none = 0, dropped = 0;
  void Add(const ComputerFrameReport& r) {
    if (r.handled) {
      if (r.decision == kAiStay) ++stay;
      if (r.decision == kAiMerge) ++merge;
      if (r.decision == kAiNone) ++none;
    }
    if (r.order == OrderKind::kMove) ++move;
    if (r.order == OrderKind::kFire) ++fire;
    if (r.order == OrderKind::kAssault) ++assault;
    if (r.order == OrderKind::kAirDrop) ++drop;
    if (r.dropped) ++dropped;
  }
  void Add(const Tally& t) {
    move += t.move, fire += t.fire, assault += t.assault, drop += t.drop;
    stay += t.stay, merge += t.merge, none += t.none, dropped += t.dropped;
  }
  std::string Text() const {
    char buf[160];
    std::snprintf(buf, sizeof buf,
                  "move %ld fire %ld assault %ld drop %ld stay %ld merge %ld none %ld dropped %ld",
                  move, fire, assault, drop, stay, merge, none, dropped);
    return buf;
  }
};

struct SideTotals {
  long formations[2] = {0, 0};
  long value[2] = {0, 0};
};

SideTotals Totals(const World& w) {
  SideTotals t;
  for (const TFormation& f : w.Formations) {
    if (f.Branch == 0) continue;
    const int n = NationOf(f);
    if (InNationSet(w.SovietCoalition, n)) ++t.formations[kSovietSide];
    if (InNationSet(w.GermanCoalition, n)) ++t.formations[kGermanSide];
  }
  for (const TSettlement& s : w.Settlements) {
    if (s.Value == 0) continue;
    if (InNationSet(w.SovietCoalition, s.HolderNation)) t.value[kSovietSide] += s.Value;
    if (InNationSet(w.GermanCoalition, s.HolderNation)) t.value[kGermanSide] += s.Value;
  }
  return t;
}

std::string DateText(const World& w) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04u-%02u-%02u", w.GameHeader.Year % 10000u,
                w.GameHeader.Month % 100u, w.GameHeader.Day % 100u);
  return buf;
}

const char* SideName(int side) {
  return side == kSovietSide ? "Soviet" : "German";
}

const char* ResultText(std::uint8_t r) {
  switch (r) {
    case kSovietVictory:
      return "the Soviet coalition has won";
    case kGermanVictory:
      return "the German coalition has won";
    case kEndDateReached:
      return "the end date has come";
    default:
      return "the war goes on";
  }
}

// Processor time: what the game costs, whatever else the machine runs meanwhile.
double ProcessorMs() {
  return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const std::size_t m = v.size() / 2;
  return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

// The game's own start-up with both coalitions played by the computer, then either a new game
// from the title screen's Start or a saved game loaded as the save/load page does.
Status StartSim(World& w, const SimOptions& o, const FileSystem& fs, Clock& clock) {
  StartSettings settings;
  settings.firstCoalition = kGermanSide;
  settings.germanPlayer = 1;
  settings.sovietPlayer = 1;
  settings.turnLength = o.turnLength == 4 ? 1 : 0;
  settings.soundOn = 0;
  if (Status s = StartUp(w, fs, clock, settings); !s) return s;
  if (o.load.empty()) {
    StartGame(w);
    return Status::Ok();
  }
  if (Status s = LoadGameFile(w, fs, o.load); !s) return s;
  // The saved game goes on with both coalitions played by the computer.
  w.GameHeader.GermanCpu = 1;
  w.GameHeader.SovietCpu = 1;
  if (o.turnLengthGiven) w.GameHeader.TurnLength = w.TurnLength;
  w.TurnLength = w.GameHeader.TurnLength;
  HandOverToSideOnMove(w);
  return Status::Ok();
}

// Why the report could not be written whole, 0 while it could: taken as the stream first fails,
// for stdio drops what it could not write and a later flush cannot tell. errno is cleared before
// each write.
int ReportFault(const std::ostream& out, int known) {
  if (known != 0 || out) return known;
  return errno != 0 ? errno : EIO;
}

}  // namespace

int RunSim(const SimOptions& o, std::ostream& out, std::ostream& err) {
  auto w = std::make_unique<World>();
  PosixFileSystem fs;
  FixedClock clock(o.seed % FixedClock::kMillisecondsPerDay, 0);
  NullSound sound;
  NullMusic music;
  FlowServices services{sound, music, clock};

  // A save that could not be written is found out before the war is played, not after.
  if (!o.save.empty()) {
    if (Status s = fs.CheckWritable(o.save); !s) {
      err << "gravmark-sim: cannot save: " << s.Message() << "\n";
      return 1;
    }
  }
  if (Status s = StartSim(*w, o, fs, clock); !s) {
    err << "gravmark-sim: " << s.Message() << "\n";
    return 1;
  }

  const std::string startDate = DateText(*w);
  const double runStart = ProcessorMs();
  Tally all;
  std::array<std::vector<double>, 2> turnMs;
  long daysPassed = 0, turns = 0;
  int reportFault = 0;
  bool stop = o.days.has_value() && *o.days <= 0;
  while (!stop && w->WarResult == kWarGoesOn && w->ScreenFlags[kFlagComputerTurn] == 1) {
    const int side = w->SideOnMove;
    const std::string date = DateText(*w);
    const double turnStart = ProcessorMs();
    Tally turn;
    bool changed = false;
    for (long frame = 0; !changed; ++frame) {
      if (frame >= kMaxFramesPerTurn) {
        err << "gravmark-sim: the " << SideName(side) << " turn of " << date
            << " did not end after " << kMaxFramesPerTurn << " frames\n";
        return 2;
      }
      clock.Advance(kFrameMilliseconds);
      const ComputerFrameReport r = ComputerTurnFrame(*w, services);
      turn.Add(r);
      changed = r.turnChanged;
      // A move or a fight that ended the war leaves the computer turn for the final screen.
      if (w->ScreenFlags[kFlagComputerTurn] != 1) break;
    }
    const double ms = ProcessorMs() - turnStart;
    turnMs[side].push_back(ms);
    all.Add(turn);
    ++turns;
    if (changed && side != w->OpeningCoalition) daysPassed += TurnDays(*w);
    const SideTotals t = Totals(*w);
    char line[128];
    std::snprintf(line, sizeof line, " | formations S %ld G %ld | value S %ld G %ld | ",
                  t.formations[kSovietSide], t.formations[kGermanSide], t.value[kSovietSide],
                  t.value[kGermanSide]);
    char time[32];
    std::snprintf(time, sizeof time, " | %.1f ms", ms);
    errno = 0;
    out << date << " " << SideName(side) << line << turn.Text() << time << "\n";
    reportFault = ReportFault(out, reportFault);
    if (o.check) {
      Status s = CheckWholeWorld(*w);
      if (s) s = CheckHoldings(*w);  // the index of who holds what, against the records
      if (!s) {
        err << "gravmark-sim: after the " << SideName(side) << " turn of " << date << ": "
            << s.Message() << "\n";
        return 3;
      }
    }
    if (o.days.has_value() && daysPassed >= *o.days) stop = true;
  }
  const double totalS = (ProcessorMs() - runStart) / 1000;

  char summary[256];
  std::snprintf(summary, sizeof summary,
                "summary: %ld turns, %ld days, %s to %s; %s; median turn Soviet %.1f ms, German "
                "%.1f ms; %.2f s in all (processor time)\n",
                turns, daysPassed, startDate.c_str(), DateText(*w).c_str(),
                ResultText(w->WarResult), Median(turnMs[kSovietSide]), Median(turnMs[kGermanSide]),
                totalS);
  errno = 0;
  out << summary << "orders: " << all.Text() << "\n" << std::flush;
  reportFault = ReportFault(out, reportFault);

  if (!o.save.empty()) {
    if (Status s = SaveGameFile(*w, fs, o.save); !s) {
      err << "gravmark-sim: cannot save: " << s.Message() << "\n";
      return 1;
    }
  }
  // A report cut short (a full disk, a file-size limit) must not end as if it were whole.
  if (reportFault != 0) {
    err << "gravmark-sim: cannot write the report: " << std::strerror(reportFault) << "\n";
    return 1;
  }
  return 0;
}

}  // namespace gm
