// The sound archive the build makes: every sound the game plays, loadable by the game's own
// reader as playable PCM, the same bytes on every build; and recipe lines that would build a
// wrong archive refused with their line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "media/wave_collection.hpp"
#include "platform/posix_file_system.hpp"
#include "tests/support/text_file.hpp"
#include "tools/sound/synth.hpp"

namespace gm::sound {
namespace {

using testing::ReadText;

std::vector<Effect> CommittedEffects() {
  std::vector<Effect> effects;
  const std::string path = std::string(GM_SOUND_SOURCE_DIR) + "/effects.txt";
  Status s = ParseEffects(ReadText(path), path, effects);
  EXPECT_TRUE(s) << s.Message();
  return effects;
}

// Every name the game looks up, with the length its use allows: a button tick must be short.
struct GameSound {
  const char* name;
  double minSeconds, maxSeconds;
};
constexpr GameSound kGameSounds[] = {
    {"click", 0.02, 0.2},    // buttons and page controls
    {"start", 0.5, 3.0},     // the title screen's Start
    {"move", 0.5, 3.0},      // a human ground move
    {"art_fire", 0.5, 3.0},  // artillery fire and air strikes
    {"fighting", 0.5, 3.0},  // assaults
    {"desant", 0.5, 3.0},    // airborne drops
};

TEST(SoundArchive, TheBuiltArchiveHoldsEveryGameSoundAsPlayablePcm) {
  const char* buildDir = std::getenv("GM_BUILD_DIR");
  if (buildDir == nullptr) GTEST_SKIP() << "GM_BUILD_DIR is not set";
  PosixFileSystem fs(std::string(buildDir) + "/");
  TWaveCollection waves;
  ASSERT_NO_THROW(waves.LoadFromFile(fs, std::string(buildDir) + "/data/snd_eng.dxw"));
  EXPECT_EQ(waves.Count(), int32_t(std::size(kGameSounds)));  // no stray or misspelt items
  for (const GameSound& g : kGameSounds) {
    SCOPED_TRACE(g.name);
    const TWaveCollectionItem* item = nullptr;
    ASSERT_NO_THROW(item = &waves.Find(g.name));
    EXPECT_FALSE(item->Looped());
    EXPECT_EQ(item->MaxPlayingCount(), 0);
    const auto f = item->Wave.Pcm();
    ASSERT_TRUE(f.has_value());
    EXPECT_EQ(f->formatTag, 1);
    EXPECT_EQ(f->channels, 1);
    EXPECT_EQ(f->samplesPerSec, 22050u);
    EXPECT_EQ(f->bitsPerSample, 16);
    EXPECT_EQ(f->blockAlign, 2);
    EXPECT_EQ(f->avgBytesPerSec, 44100u);
    ASSERT_EQ(item->Wave.Size() % 2, 0);
    const std::vector<int16_t> s = item->Wave.SamplesS16();
    const double seconds = double(s.size()) / 22050;
    EXPECT_GE(seconds, g.minSeconds);
    EXPECT_LE(seconds, g.maxSeconds);
    int peak = 0, flat = 0;
    for (int16_t v : s) {
      peak = std::max(peak, std::abs(int(v)));
      if (std::abs(int(v)) >= 31000) ++flat;
    }
    EXPECT_GT(peak, 8000) << "too quiet to hear";
    EXPECT_LT(flat, int(s.size()) / 100) << "clipped";
    EXPECT_LT(std::abs(int(s.back())), 500) << "ends with a tick";
  }
}

TEST(SoundArchive, EveryBuildWritesTheSameBytes) {
  const std::vector<Effect> effects = CommittedEffects();
  const std::vector<uint8_t> first = BuildSoundArchive(effects);
  EXPECT_EQ(BuildSoundArchive(effects), first);
  const char* buildDir = std::getenv("GM_BUILD_DIR");
  if (buildDir == nullptr) return;
  const std::string built = ReadText(std::string(buildDir) + "/data/snd_eng.dxw");
  EXPECT_TRUE(built == std::string(first.begin(), first.end())) << "the built archive differs";
}

TEST(SoundArchive, BadRecipeLinesAreRefusedWithTheirLine) {
  const struct {
    const char* text;
    const char* message;
  } kCases[] = {
      {"  noise len=1\n", "x:1: a layer before any sound"},
      {"sound a\n  tone freq=-3\n", "x:2: 'freq' needs a number of zero or more, not '-3'"},
      {"sound a\n  tone wave=triangle\n", "x:2: unknown wave 'triangle'"},
      {"sound a\n  hum len=1\n", "x:2: unknown layer 'hum'"},
      {"sound a\n  noise repeat=0\n", "x:2: 'repeat' needs 1 or more"},
      {"sound a\n  noise lenght=1\n", "x:2: unknown setting 'lenght'"},
      {"sound a length=0\n", "x:1: 'length' needs seconds above 0, at most 10"},
      {"sound a\n  noise\nsound a\n", "x:3: sound 'a' twice"},
      {"sound a\n", "x: sound 'a' has no layers"},
      {"noise len=1\n", "x:1: expected 'sound <name>'"},
  };
  for (const auto& c : kCases) {
    std::vector<Effect> effects;
    Status s = ParseEffects(c.text, "x", effects);
    EXPECT_FALSE(s) << c.text;
    EXPECT_EQ(s.Message(), c.message) << c.text;
  }
}

TEST(SoundArchive, LayersSoundOnlyWhereTheirRecipePlacesThem) {
  // A tone from 0.5 s on in a one-second sound: silence before it, sound after; a repeated
  // layer sounds once per repeat.
  std::vector<Effect> effects;
  ASSERT_TRUE(
      ParseEffects("sound a length=1\n  tone start=0.5 len=0.2 gain=0.8 freq=500\n"
                   "  noise start=0.8 len=0.01 repeat=3 every=0.05 gain=0.8\n",
                   "x", effects));
  const std::vector<int16_t> s = RenderEffect(effects[0]);
  ASSERT_EQ(s.size(), 22050u);
  auto loudest = [&](double from, double to) {
    int peak = 0;
    for (size_t i = size_t(from * 22050); i < size_t(to * 22050); ++i) {
      peak = std::max(peak, std::abs(int(s[i])));
    }
    return peak;
  };
  EXPECT_EQ(loudest(0, 0.5), 0);
  EXPECT_GT(loudest(0.5, 0.7), 10000);
  EXPECT_EQ(loudest(0.71, 0.8), 0);
  for (double at : {0.8, 0.85, 0.9}) EXPECT_GT(loudest(at, at + 0.01), 1000) << at;
  EXPECT_EQ(loudest(0.95, 1.0), 0);
}

}  // namespace
}  // namespace gm::sound
