// Sound archives: RIFF waves and .dxw round trips, name look-up, plays on one-shot buffers.
#include <gtest/gtest.h>

#include <vector>

#include "media/media_error.hpp"
#include "media/sound_device.hpp"
#include "media/wave_collection.hpp"
#include "platform/headless/headless_platform.hpp"

namespace gm {
namespace {

TWave Tone(uint16_t bits, size_t samples) {
  std::vector<int16_t> s;
  for (size_t i = 0; i < samples; ++i) s.push_back(int16_t((i % 2 ? 1 : -1) * int(i * 256)));
  TWave w;
  w.SetPcm(1, 22050, bits, s);
  return w;
}

std::vector<uint8_t> Riff(const TWave& w) {
  ByteWriter out;
  w.WriteRiff(out);
  return out.Data();
}

TEST(RiffWave, WriteThenReadAndDecode) {
  for (uint16_t bits : {8, 16}) {
    TWave w = Tone(bits, 33);  // odd length: no pad byte after the data
    const auto bytes = Riff(w);
    TWave back;
    ByteReader in(bytes);
    back.ReadRiff(in);
    EXPECT_EQ(back.Format, w.Format);
    EXPECT_EQ(back.Data, w.Data);
    auto pcm = back.Pcm();
    ASSERT_TRUE(pcm.has_value());
    EXPECT_EQ(pcm->bitsPerSample, bits);
    EXPECT_EQ(pcm->samplesPerSec, 22050u);
    const auto s = back.SamplesS16();
    ASSERT_EQ(s.size(), 33u);
    EXPECT_EQ(s[2], -512);
    EXPECT_EQ(s[3], 768);
  }
}

TEST(RiffWave, ChunksBetweenFormatAndDataAreSkipped) {
  TWave w = Tone(16, 4);
  ByteWriter out;
  out.Text("RIFF");
  out.U32(0);
  out.Text("WAVE");
  out.Text("fmt ");
  out.U32(uint32_t(w.Format.size()));
  out.Bytes(w.Format);
  out.Text("LIST");
  out.U32(3);  // odd size, and no pad byte follows
  out.Text("abc");
  out.Text("data");
  out.U32(uint32_t(w.Data.size()));
  out.Bytes(w.Data);
  TWave back;
  ByteReader in(out.Data());
  back.ReadRiff(in);
  EXPECT_EQ(back.Data, w.Data);
  EXPECT_EQ(back.Format, w.Format);
}

std::vector<uint8_t> Save(const TWaveCollection& list) {
  ByteWriter out;
  list.SaveToStream(out);
  return out.Data();
}

TEST(SoundArchive, WriteThenReadKeepsEveryItem) {
  TWaveCollection list;
  auto& click = list.Add();
  click.SetName("click");
  click.Wave = Tone(8, 100);
  auto& move = list.Add();
  move.SetName("move");
  move.Wave = Tone(16, 50);
  move.SetLooped(true);
  move.SetMaxPlayingCount(3);
  list.Add().SetName("silent");

  TWaveCollection back;
  const auto bytes = Save(list);
  ByteReader in(bytes);
  back.LoadFromStream(in);
  ASSERT_EQ(back.Count(), 3);
  EXPECT_EQ(back.Find("CLICK").Wave.Data, click.Wave.Data);
  EXPECT_EQ(back.Find("Move").Wave.Format, move.Wave.Format);
  EXPECT_TRUE(back.Find("move").Looped());
  EXPECT_EQ(back.Find("move").MaxPlayingCount(), 3);
  EXPECT_FALSE(back.Find("click").Looped());
  EXPECT_TRUE(back.Find("silent").Wave.Empty());
  EXPECT_EQ(Save(back), bytes);
  try {
    back.Find("fighting");
    FAIL();
  } catch (const EWaveCollectionError& e) {
    EXPECT_STREQ(e.what(), "Wave 'fighting' not found");
  }
  move.SetMaxPlayingCount(-4);
  EXPECT_EQ(move.MaxPlayingCount(), 0);
}

class WavePlays : public ::testing::Test {
 protected:
  void SetUp() override {
    sound_ = std::make_unique<TDXSound>(&platform_);
    auto& click = list_.Items.Add();
    click.SetName("click");
    click.Wave = Tone(16, 22050);  // one second: still sounding when asked again
    list_.Items.Add().SetName("empty");
    list_.SetDXSound(sound_.get());
    sound_->Initialize();
  }
  void TearDown() override {
    list_.SetDXSound(nullptr);
    sound_.reset();
  }
  HeadlessPlatform platform_;
  std::unique_ptr<TDXSound> sound_;
  TDXWaveList list_;
};

TEST_F(WavePlays, EveryPlayWithinAFrameGetsItsOwnBuffer) {
  auto& click = list_.Items.Find("click");
  ASSERT_TRUE(click.Initialized());
  for (int i = 0; i < 3; ++i) click.Play(false);
  ASSERT_EQ(click.BufferCount(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(click.Buffer(i).Playing());
  list_.Items.Find("empty").Play(false);  // no wave, no buffer, no error
}

TEST_F(WavePlays, AtTheLimitTheOldestPlayRestarts) {
  auto& click = list_.Items.Find("click");
  click.SetMaxPlayingCount(2);
  click.Play(false);
  click.Play(false);
  TDirectSoundBuffer* first = &click.Buffer(0);
  TDirectSoundBuffer* second = &click.Buffer(1);
  platform_.RenderAudio(100);
  click.Play(false);
  ASSERT_EQ(click.BufferCount(), 2);
  EXPECT_EQ(&click.Buffer(0), second);
  EXPECT_EQ(&click.Buffer(1), first);
  EXPECT_TRUE(first->Playing());
}

TEST_F(WavePlays, FinalisingTheSoundDropsTheBuffers) {
  auto& click = list_.Items.Find("click");
  click.Play(false);
  sound_->Finalize();
  EXPECT_FALSE(click.Initialized());
  EXPECT_EQ(click.BufferCount(), 0);
  click.Play(false);  // does nothing
  EXPECT_EQ(click.BufferCount(), 0);
}

TEST(WaveList, LetsGoOfASoundDestroyedFirst) {
  HeadlessPlatform platform;
  auto sound = std::make_unique<TDXSound>(&platform);
  sound->Initialize();
  TDXWaveList list;
  auto& click = list.Items.Add();
  click.SetName("click");
  click.Wave = Tone(8, 100);
  list.SetDXSound(sound.get());  // registering with a started sound builds the buffers at once
  ASSERT_TRUE(click.Initialized());
  click.Play(false);
  sound.reset();
  EXPECT_EQ(list.DXSound(), nullptr);
  EXPECT_FALSE(click.Initialized());
  click.Play(false);
}

}  // namespace
}  // namespace gm
