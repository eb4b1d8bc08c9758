// Writing the legend's tables and putting them into the guide.
#include "tools/help/legend_html.hpp"

#include "world/tables/tables.hpp"

namespace gm::guide {

namespace {

constexpr int kImpassable = 255;
constexpr std::string_view kSizeNames[] = {"division (XX)", "brigade (X)",
                                           "air regiment or group (III)"};
constexpr std::string_view kSizeSlugs[] = {"division", "brigade", "regiment"};
constexpr std::string_view kOrdersMeaning[] = {"no orders left (the symbol is dimmed too)",
                                               "one order left", "two orders left"};

std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Img(std::string_view file, std::string_view alt, int width, int height) {
  return "<img src=\"pictures/" + std::string(kLegendFolder) + "/" + std::string(file) +
         "\" alt=\"" + Escaped(alt) + "\" width=\"" + std::to_string(width) + "\" height=\"" +
         std::to_string(height) + "\">";
}

std::string TypeName(int type) {
  const TFormationType& t = FormationTypes[static_cast<std::size_t>(type)];
  return std::string(t.Name.View()) + " (" + std::string(NationName(t.Nation)) + ")";
}

int GroundKindOf(int type) {
  return type == 0 ? 0 : FormationTypes[static_cast<std::size_t>(type)].Kind;
}

// The terrain column that counts for a symbol's formations: the class of their kind, or none
// for air regiments.
std::string FightsAs(const UnitExample& e) {
  std::string out;
  for (const int type : {e.sovietType, e.germanType}) {
    if (type == 0) continue;
    const int kind = GroundKindOf(type);
    std::string name(TerrainClassName(kind));
    if (name.empty()) name = "none (air)";
    if (out.find(name) == std::string::npos) out += (out.empty() ? "" : " / ") + name;
  }
  return out;
}

std::string UnitRows() {
  std::string html =
      "<table class=\"legend\">\n<tr><th>Soviet</th><th>German</th><th>Symbol</th>"
      "<th>Terrain column</th><th>First types of the kind</th></tr>\n";
  for (const UnitExample& e : UnitExamples()) {
    const std::string label(KindLabel(e.kind));
    html += "<tr>";
    for (const bool soviet : {true, false}) {
      const int type = soviet ? e.sovietType : e.germanType;
      html += "<td>";
      if (type != 0) html += Img(UnitPicture(e.kind, soviet), TypeName(type), 60, 60);
      html += "</td>";
    }
    html += "<td>" + Escaped(label) + "</td><td>" + Escaped(FightsAs(e)) + "</td><td>";
    bool first = true;
    for (const int type : {e.sovietType, e.germanType}) {
      if (type == 0) continue;
      html += (first ? "" : "; ") + Escaped(TypeName(type));
      first = false;
    }
    html += "</td></tr>\n";
  }
  return html + "</table>\n";
}

std::string SizeRows() {
  std::string html = "<table class=\"legend\">\n<tr>";
  const auto sizes = SizeExamples();
  for (int i = 0; i < 3; ++i) {
    html += "<td>";
    if (sizes[i] != 0) {
      html += Img(SizePicture(i), TypeName(sizes[i]), 60, 60) + "<br>" + Escaped(kSizeNames[i]) +
              ": " + Escaped(TypeName(sizes[i]));
    }
    html += "</td>";
  }
  return html + "</tr>\n</table>\n";
}

std::string MarkRows() {
  std::string html =
      "<table class=\"legend\">\n<tr><th>Formation mark</th><th>Settlement flag</th>"
      "<th>Nation</th><th>Coalition</th></tr>\n";
  for (int n = 1; n <= 8; ++n) {
    const std::string name(NationName(n));
    const bool soviet = n == 5 || n == 8;
    html += "<tr><td>" + Img(NationMarkPicture(n), name, 30, 30) + "</td><td>" +
            Img(SettlementFlagPicture(n), name, 60, 30) + "</td><td>" + name + "</td><td>" +
            (soviet ? "Soviet" : "German") + "</td></tr>\n";
  }
  html += "</table>\n<table class=\"legend\">\n<tr><th>Orders mark</th><th>Meaning</th></tr>\n";
  for (int left = 2; left >= 0; --left) {
    html += "<tr><td>" + Img(OrdersPicture(left), kOrdersMeaning[left], 30, 30) + "</td><td>" +
            std::string(kOrdersMeaning[left]) + "</td></tr>\n";
  }
  html += "</table>\n<table class=\"legend\">\n<tr><th>Mark</th><th>Meaning</th></tr>\n";
  for (const ReachMark& m : kReachMarks) {
    html += "<tr><td>" + Img(m.file, m.meaning, 60, 60) + "</td><td>" + std::string(m.meaning) +
            "</td></tr>\n";
  }
  return html + "</table>\n";
}

std::string TerrainRows() {
  std::string html =
      "<table class=\"legend\">\n<tr><th>Tile</th><th>Terrain</th><th>Cost to enter</th>";
  for (int k = kFirstGroundKind; k <= kLastGroundKind; ++k) {
    html += "<th>" + std::string(TerrainClassName(k)) + "</th>";
  }
  html += "<th>Against air strikes</th></tr>\n";
  for (const TerrainExample& t : TerrainExamples()) {
    const TTerrainTile& tile = TerrainTiles[static_cast<std::size_t>(t.tile)];
    html +=
        "<tr><td>" + Img(TerrainPicture(t), t.name, 60, 60) + "</td><td>" + Escaped(t.name) +
        "</td><td>" +
        (tile.MoveCost == kImpassable ? std::string("impassable") : std::to_string(tile.MoveCost)) +
        "</td>";
    for (int k = kFirstGroundKind; k <= kLastGroundKind; ++k) {
      html += "<td>" + std::to_string(tile.AttackBonus[k - kFirstGroundKind]) + "</td>";
    }
    html += "<td>" + std::to_string(tile.AirDefenceBonus) + "</td></tr>\n";
  }
  return html + "</table>\n";
}

}  // namespace

std::string UnitPicture(art::UnitKind kind, bool soviet) {
  return "unit-" + std::string(KindSlug(kind)) + (soviet ? "-soviet.png" : "-german.png");
}

std::string SizePicture(int index) {
  return "size-" + std::string(kSizeSlugs[index]) + ".png";
}

std::string NationMarkPicture(int nation) {
  return "nation-" + Slug(NationName(nation)) + ".png";
}

std::string SettlementFlagPicture(int nation) {
  return "flag-" + Slug(NationName(nation)) + ".png";
}

std::string OrdersPicture(int ordersLeft) {
  return "orders-" + std::to_string(ordersLeft) + ".png";
}

std::string TerrainPicture(const TerrainExample& terrain) {
  return "terrain-" + Slug(terrain.name) + ".png";
}

std::string LegendHtml() {
  return "<h3 id=\"legend-units\">Unit symbols</h3>\n" + UnitRows() +
         "<h3 id=\"legend-sizes\">Size markers</h3>\n" + SizeRows() +
         "<h3 id=\"legend-marks\">Marks on the map</h3>\n" + MarkRows() +
         "<h3 id=\"legend-terrain\">Terrain</h3>\n" + TerrainRows();
}

Status SpliceLegend(std::string& page, std::string_view legend) {
  const std::size_t begin = page.find(kLegendBegin);
  if (begin == std::string::npos) return Status::Error("the guide has no legend begin line");
  const std::size_t after = begin + kLegendBegin.size();
  const std::size_t end = page.find(kLegendEnd, after);
  if (end == std::string::npos)
    return Status::Error("the guide has no legend end line after its begin line");
  page.replace(after, end - after, "\n" + std::string(legend));
  return Status::Ok();
}

}  // namespace gm::guide
