// The legend's examples, taken from the formation type and terrain tile tables.
#include "tools/help/legend_choice.hpp"

#include <cctype>

#include "world/tables/tables.hpp"
#include "world/world_access.hpp"

namespace gm::guide {

using art::UnitKind;
using art::UnitSize;

std::string_view KindLabel(UnitKind kind) {
  switch (kind) {
    case UnitKind::kNone:
      return "";
    case UnitKind::kArmoured:
      return "Armour";
    case UnitKind::kMechanised:
      return "Mechanised infantry";
    case UnitKind::kMotorised:
      return "Motorised infantry";
    case UnitKind::kInfantry:
      return "Infantry";
    case UnitKind::kMarine:
      return "Marines";
    case UnitKind::kMountain:
      return "Mountain troops";
    case UnitKind::kCavalry:
      return "Cavalry";
    case UnitKind::kMountainCavalry:
      return "Mountain cavalry";
    case UnitKind::kAirborne:
      return "Airborne troops";
    case UnitKind::kSecurity:
      return "Security troops";
    case UnitKind::kBorderGuard:
      return "Border guards";
    case UnitKind::kGuerrilla:
      return "Partisans";
    case UnitKind::kMilitia:
      return "Militia";
    case UnitKind::kArtillery:
      return "Artillery";
    case UnitKind::kRocketArtillery:
      return "Mortars and rockets";
    case UnitKind::kAssaultArtillery:
      return "Assault guns";
    case UnitKind::kAntiTank:
      return "Anti-tank";
    case UnitKind::kAirDefence:
      return "Air defence";
    case UnitKind::kFortified:
      return "Fortified region";
    case UnitKind::kFighter:
      return "Fighters";
    case UnitKind::kAssaultAir:
      return "Ground-attack aircraft";
    case UnitKind::kTacticalBomber:
      return "Tactical bombers";
    case UnitKind::kBomber:
      return "Bombers";
    case UnitKind::kMixedAir:
      return "Mixed air group";
    case UnitKind::kTorpedoBomber:
      return "Torpedo bombers";
    case UnitKind::kLevelBomber:
      return "Level bombers";
  }
  return "";
}

std::string_view KindSlug(UnitKind kind) {
  switch (kind) {
    case UnitKind::kNone:
      return "none";
    case UnitKind::kArmoured:
      return "armour";
    case UnitKind::kMechanised:
      return "mechanised";
    case UnitKind::kMotorised:
      return "motorised";
    case UnitKind::kInfantry:
      return "infantry";
    case UnitKind::kMarine:
      return "marines";
    case UnitKind::kMountain:
      return "mountain";
    case UnitKind::kCavalry:
      return "cavalry";
    case UnitKind::kMountainCavalry:
      return "mountain-cavalry";
    case UnitKind::kAirborne:
      return "airborne";
    case UnitKind::kSecurity:
      return "security";
    case UnitKind::kBorderGuard:
      return "border-guards";
    case UnitKind::kGuerrilla:
      return "partisans";
    case UnitKind::kMilitia:
      return "militia";
    case UnitKind::kArtillery:
      return "artillery";
    case UnitKind::kRocketArtillery:
      return "mortars";
    case UnitKind::kAssaultArtillery:
      return "assault-guns";
    case UnitKind::kAntiTank:
      return "anti-tank";
    case UnitKind::kAirDefence:
      return "air-defence";
    case UnitKind::kFortified:
      return "fortified";
    case UnitKind::kFighter:
      return "fighters";
    case UnitKind::kAssaultAir:
      return "ground-attack";
    case UnitKind::kTacticalBomber:
      return "tactical-bombers";
    case UnitKind::kBomber:
      return "bombers";
    case UnitKind::kMixedAir:
      return "mixed-air";
    case UnitKind::kTorpedoBomber:
      return "torpedo-bombers";
    case UnitKind::kLevelBomber:
      return "level-bombers";
  }
  return "none";
}

std::string_view NationName(int nation) {
  static constexpr std::string_view kNames[] = {"Hungary", "Germany", "Italy",    "Romania",
                                                "USSR",    "Finland", "Slovakia", "Mongolia"};
  return nation >= 1 && nation <= 8 ? kNames[nation - 1] : std::string_view{};
}

std::string_view TerrainClassName(int kind) {
  static constexpr std::string_view kNames[] = {"Armour",   "Infantry",  "Airborne",   "Cavalry",
                                                "Mountain", "Artillery", "Air defence"};
  return kind >= kFirstGroundKind && kind <= kLastGroundKind ? kNames[kind - kFirstGroundKind]
                                                             : std::string_view{};
}

std::vector<UnitExample> UnitExamples() {
  std::vector<UnitExample> examples;
  for (int k = static_cast<int>(UnitKind::kArmoured); k <= static_cast<int>(UnitKind::kLevelBomber);
       ++k) {
    UnitExample e{static_cast<UnitKind>(k)};
    for (int t = 1; t <= kFormationTypeRows; ++t) {
      const TFormationType& type = FormationTypes[static_cast<std::size_t>(t)];
      if (art::KindOf(type) != e.kind) continue;
      const int nation = type.Nation;
      if (e.sovietType == 0 && InNationSet(kSovietNations, nation)) e.sovietType = t;
      if (e.germanType == 0 && InNationSet(kGermanNations, nation)) e.germanType = t;
    }
    if (e.sovietType != 0 || e.germanType != 0) examples.push_back(e);
  }
  return examples;
}

std::array<int, 3> SizeExamples() {
  std::array<int, 3> sizes{};
  constexpr UnitSize kOrder[] = {UnitSize::kDivision, UnitSize::kBrigade, UnitSize::kRegiment};
  for (int i = 0; i < 3; ++i) {
    for (int t = 1; t <= kFormationTypeRows && sizes[i] == 0; ++t) {
      const TFormationType& type = FormationTypes[static_cast<std::size_t>(t)];
      if (art::KindOf(type) != UnitKind::kNone && art::SizeOf(type) == kOrder[i]) sizes[i] = t;
    }
  }
  return sizes;
}

std::vector<TerrainExample> TerrainExamples() {
  std::vector<TerrainExample> terrains;
  for (int tile = 0; tile < kTerrainTileCount; ++tile) {
    const std::string name(TerrainTiles[static_cast<std::size_t>(tile)].Name.View());
    bool seen = false;
    for (const TerrainExample& t : terrains) seen = seen || t.name == name;
    if (!seen) terrains.push_back({name, tile});
  }
  return terrains;
}

std::string Slug(std::string_view name) {
  std::string slug;
  for (const char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (std::isalnum(u)) {
      slug += static_cast<char>(std::tolower(u));
    } else if (!slug.empty() && slug.back() != '-') {
      slug += '-';
    }
  }
  while (!slug.empty() && slug.back() == '-') slug.pop_back();
  return slug;
}

}  // namespace gm::guide
