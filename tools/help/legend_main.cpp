// gravmark-legend: draws the guide's legend pictures from the built image archive and writes the
// legend's tables into the guide.
//   gravmark-legend <data/graphic.dxg> <help/pictures> <help/gvm.htm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/help/legend_html.hpp"
#include "tools/help/legend_pictures.hpp"

namespace {

using namespace gm;
using namespace gm::guide;

constexpr int kCell = 60;
constexpr int kMark = 15;
constexpr int kPlainTile = 50;

class Writer {
 public:
  Writer(const TPictureCollection& images, std::filesystem::path folder)
      : images_(images), folder_(std::move(folder)) {}

  LegendCanvas Canvas(int w, int h) const { return LegendCanvas(images_, w, h); }
  bool Write(const LegendCanvas& c, const std::string& file) {
    const Status s = WritePicture(c, folder_ / file);
    if (!s.IsOk()) std::cerr << "gravmark-legend: " << s.Message() << "\n";
    ok_ = ok_ && s.IsOk();
    return s.IsOk();
  }
  bool Ok() const { return ok_; }

 private:
  const TPictureCollection& images_;
  std::filesystem::path folder_;
  bool ok_ = true;
};

void WriteUnits(Writer& out) {
  for (const UnitExample& e : UnitExamples()) {
    for (const bool soviet : {true, false}) {
      const int type = soviet ? e.sovietType : e.germanType;
      if (type == 0) continue;
      LegendCanvas c = out.Canvas(kCell, kCell);
      DrawFormationCell(c, type, true);
      out.Write(c, UnitPicture(e.kind, soviet));
    }
  }
  const auto sizes = SizeExamples();
  for (int i = 0; i < 3; ++i) {
    if (sizes[i] == 0) continue;
    LegendCanvas c = out.Canvas(kCell, kCell);
    DrawFormationCell(c, sizes[i], true);
    out.Write(c, SizePicture(i));
  }
}

void WriteMarks(Writer& out) {
  for (int n = 1; n <= 8; ++n) {
    LegendCanvas mark = out.Canvas(kMark, kMark);
    mark.DrawTile(kPlainTile, 0, -kCell + kMark);
    mark.Draw(sprite::NationMark(n), 0, 0);
    out.Write(mark, NationMarkPicture(n));
    LegendCanvas flag = out.Canvas(2 * kMark, kMark);
    flag.DrawTile(kPlainTile, 0, -kCell + kMark);
    flag.Draw(sprite::SettlementFlag(n, true).left, 0, 0);
    flag.Draw(sprite::SettlementFlag(n, true).right, kMark, 0);
    out.Write(flag, SettlementFlagPicture(n));
  }
  for (int left = 0; left <= 2; ++left) {
    LegendCanvas c = out.Canvas(kMark, kMark);
    c.DrawTile(kPlainTile, -kCell + kMark, -kCell + kMark);
    c.Draw(sprite::OrdersLeftMark(left), 0, 0);
    out.Write(c, OrdersPicture(left));
  }
}

// The reach marks over plain ground, the targets' over Soviet infantry and the selected
// formation's over German infantry.
void WriteReachMarks(Writer& out) {
  UnitExample infantry{art::UnitKind::kInfantry};
  for (const UnitExample& e : UnitExamples()) {
    if (e.kind == art::UnitKind::kInfantry) infantry = e;
  }
  for (const ReachMark& m : kReachMarks) {
    LegendCanvas c = out.Canvas(kCell, kCell);
    c.DrawTile(kPlainTile, 0, 0);
    const bool own = m.mark == kReachMarks[0].mark;
    const int under = m.overEnemy ? infantry.sovietType : own ? infantry.germanType : 0;
    if (under != 0) DrawFormationCell(c, under, true);
    c.Draw(m.mark, 0, 0);
    out.Write(c, std::string(m.file));
  }
}

void WriteTerrain(Writer& out) {
  for (const TerrainExample& t : TerrainExamples()) {
    LegendCanvas c = out.Canvas(kCell, kCell);
    c.DrawTile(t.tile, 0, 0);
    out.Write(c, TerrainPicture(t));
  }
}

bool ReadFile(const std::filesystem::path& file, std::string& text) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  text = s.str();
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: gravmark-legend <data/graphic.dxg> <help/pictures> <help/gvm.htm>\n";
    return 2;
  }
  const std::filesystem::path archive = argv[1], pictures = argv[2], guide = argv[3];
  std::string page;
  if (!ReadFile(guide, page)) {
    std::cerr << "gravmark-legend: cannot read " << guide << "\n";
    return 1;
  }
  const Status spliced = SpliceLegend(page, LegendHtml());
  if (!spliced.IsOk()) {
    std::cerr << "gravmark-legend: " << guide << ": " << spliced.Message() << "\n";
    return 1;
  }
  LegendImages images;
  const Status loaded = images.Load(archive);
  if (!loaded.IsOk()) {
    std::cerr << "gravmark-legend: " << loaded.Message() << "\n";
    return 1;
  }

  // The folder holds the legend's pictures only: old ones go, so none outlives its row.
  const std::filesystem::path folder = pictures / kLegendFolder;
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
  std::filesystem::create_directories(folder, ec);
  if (ec) {
    std::cerr << "gravmark-legend: cannot make " << folder << ": " << ec.message() << "\n";
    return 1;
  }
  Writer out(images.Images(), folder);
  WriteUnits(out);
  WriteMarks(out);
  WriteReachMarks(out);
  WriteTerrain(out);
  if (!out.Ok()) return 1;

  // Written beside the guide and renamed over it, so a failed write leaves the guide whole.
  std::filesystem::path temporary = guide;
  temporary += ".tmp";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file << page;
    if (!file) {
      std::cerr << "gravmark-legend: cannot write " << temporary << "\n";
      return 1;
    }
  }
  std::filesystem::rename(temporary, guide, ec);
  if (ec) {
    std::cerr << "gravmark-legend: cannot replace " << guide << ": " << ec.message() << "\n";
    return 1;
  }
  return 0;
}
