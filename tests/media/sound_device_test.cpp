// Sound device over our mixer: overlapping plays summed without wrap-around, looping, rates,
// volume and pan, duplicates sharing data, locks, and the component's notifications.
#include "media/sound_device.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "media/device_errors.hpp"
#include "platform/headless/headless_platform.hpp"
#include "platform/log.hpp"

namespace gm {
namespace {

std::vector<std::uint8_t> Format(int channels, int rate, int bits) {
  std::vector<std::uint8_t> f(18, 0);
  auto put16 = [&](int at, int v) {
    f[at] = static_cast<std::uint8_t>(v);
    f[at + 1] = static_cast<std::uint8_t>(v >> 8);
  };
  auto put32 = [&](int at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) f[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  const int align = channels * bits / 8;
  put16(0, 1);
  put16(2, channels);
  put32(4, static_cast<std::uint32_t>(rate));
  put32(8, static_cast<std::uint32_t>(rate * align));
  put16(12, align);
  put16(14, bits);
  return f;
}

// A mono 16-bit buffer of `frames` samples, all `value`, written through a lock.
std::unique_ptr<TDirectSoundBuffer> Constant(TDirectSound& ds, std::int16_t value, int frames,
                                             int rate = kOutputRate) {
  auto b = std::make_unique<TDirectSoundBuffer>(ds);
  TDSBufferDesc desc;
  desc.dwFlags = DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;
  desc.dwBufferBytes = static_cast<std::uint32_t>(frames * 2);
  desc.format = Format(1, rate, 16);
  EXPECT_TRUE(b->CreateBuffer(desc));
  std::uint8_t *p1, *p2;
  std::uint32_t s1, s2;
  EXPECT_TRUE(b->Lock(0, desc.dwBufferBytes, p1, s1, p2, s2));
  for (std::uint32_t i = 0; i < s1; i += 2) {
    p1[i] = static_cast<std::uint8_t>(value);
    p1[i + 1] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(value) >> 8);
  }
  b->Unlock();
  return b;
}

TEST(SoundMixing, OverlappingPlaysSaturateInsteadOfWrapping) {
  struct Case {
    std::vector<std::int16_t> voices;
    std::int16_t want;
  };
  const std::vector<Case> cases = {
      {{30000, 30000}, 32767},        {{-30000, -30000, -30000}, -32768}, {{20000, -20000}, 0},
      {{10000, 10000, 10000}, 30000}, {{32767, 32767, -32768}, 32766},  // summed first, clamped
                                                                        // once
  };
  for (const auto& c : cases) {
    HeadlessPlatform p;
    TDirectSound ds(&p);
    std::vector<std::unique_ptr<TDirectSoundBuffer>> buffers;
    for (auto v : c.voices) {
      buffers.push_back(Constant(ds, v, 1000));
      buffers.back()->Play(false);
    }
    const auto out = p.RenderAudio(500);
    for (std::size_t i = 0; i < out.size(); ++i) {
      ASSERT_EQ(out[i], c.want) << "sample " << i << " of voices " << c.voices.size();
    }
  }
}

TEST(SoundMixing, OneShotEndsLoopKeepsGoingAndRatesAreConverted) {
  HeadlessPlatform p;
  TDirectSound ds(&p);
  auto shot = Constant(ds, 1000, 100);
  auto loop = Constant(ds, 2000, 100);
  auto slow = Constant(ds, 4000, 100, kOutputRate / 2);  // lasts 200 output frames
  shot->Play(false);
  loop->Play(true);
  slow->Play(false);
  EXPECT_EQ(shot->Status(), DSBSTATUS_PLAYING);
  EXPECT_EQ(loop->Status(), DSBSTATUS_PLAYING | DSBSTATUS_LOOPING);
  auto out = p.RenderAudio(150);
  EXPECT_EQ(out[2 * 50], 7000);
  EXPECT_EQ(out[2 * 120], 6000);  // the one-shot has ended
  EXPECT_FALSE(shot->Playing());
  out = p.RenderAudio(100);
  EXPECT_EQ(out[2 * 40], 6000);
  EXPECT_EQ(out[2 * 60], 2000);  // the slow one ended at 200
  EXPECT_FALSE(slow->Playing());
  EXPECT_TRUE(loop->Playing());
  loop->Stop();
  EXPECT_EQ(loop->Status(), 0u);
  out = p.RenderAudio(10);
  EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](auto s) { return s == 0; }));
}

TEST(SoundMixing, VolumePanAndPosition) {
  HeadlessPlatform p;
  TDirectSound ds(&p);
  auto b = Constant(ds, 10000, 1000);
  b->SetPan(10000);  // right only
  b->Play(false);
  auto out = p.RenderAudio(4);
  EXPECT_EQ(out[0], 0);
  EXPECT_EQ(out[1], 10000);
  b->SetPan(0);
  b->SetVolume(-600);  // -6 dB: about half
  out = p.RenderAudio(4);
  EXPECT_NEAR(out[0], 5012, 2);
  b->SetVolume(-10000);
  out = p.RenderAudio(4);
  EXPECT_EQ(out[0], 0);
  b->SetVolume(1);  // out of range: refused, kept
  EXPECT_EQ(b->Volume(), -10000);
  EXPECT_NE(b->DXResult(), 0);
  b->SetVolume(0);
  b->SetPosition(2 * 999);
  out = p.RenderAudio(4);
  EXPECT_EQ(out[0], 10000);
  EXPECT_EQ(out[2], 0);  // one frame was left
}

TEST(SoundBuffers, DuplicatesShareDataAndLocksAreSingle) {
  HeadlessPlatform p;
  TDirectSound ds(&p);
  auto main = Constant(ds, 100, 64);
  TDirectSoundBuffer dup(ds);
  dup.Assign(*main);
  ASSERT_TRUE(dup.HasBuffer());
  EXPECT_EQ(dup.Caps().dwBufferBytes, 128u);
  std::uint8_t *p1, *p2, *q1, *q2;
  std::uint32_t s1, s2, t1, t2;
  ASSERT_TRUE(main->Lock(100, 60, p1, s1, p2, s2));  // wraps: 28 bytes, then 32 from the start
  EXPECT_EQ(s1, 28u);
  EXPECT_EQ(s2, 32u);
  EXPECT_FALSE(main->Lock(0, 10, q1, t1, q2, t2));
  std::memset(p2, 0, s2);
  main->Unlock();
  main->Unlock();  // nothing held: nothing happens
  dup.Play(false);
  const auto out = p.RenderAudio(20);
  EXPECT_EQ(out[0], 0);  // written through the original
  EXPECT_EQ(out[2 * 16], 100);
  // A buffer object without a buffer: assigning it empties the target; using it raises.
  TDirectSoundBuffer empty(ds);
  dup.Assign(empty);
  EXPECT_FALSE(dup.HasBuffer());
  EXPECT_THROW(dup.Play(false), EDirectSoundBufferError);
  EXPECT_FALSE(dup.Lock(0, 1, q1, t1, q2, t2));
}

TEST(SoundBuffers, FormatsTheMixerCannotPlayAreRefused) {
  HeadlessPlatform p;
  TDirectSound ds(&p);
  struct Case {
    std::vector<std::uint8_t> format;
    std::uint32_t bytes;
    std::int32_t result;
  };
  auto adpcm = Format(1, 22050, 16);
  adpcm[0] = 2;
  const Case cases[] = {
      {Format(1, 22050, 12), 100, DSERR_BADFORMAT},
      {Format(3, 22050, 16), 96, DSERR_BADFORMAT},
      {adpcm, 100, DSERR_BADFORMAT},
      {{1, 0, 1, 0}, 100, DSERR_BADFORMAT},
      {Format(2, 22050, 16), 6, DSERR_INVALIDPARAM},
      {Format(1, 22050, 8), 0, DSERR_INVALIDPARAM},
      {Format(2, 11025, 8), 6, 0},
  };
  for (const auto& c : cases) {
    TDirectSoundBuffer b(ds);
    TDSBufferDesc desc;
    desc.format = c.format;
    desc.dwBufferBytes = c.bytes;
    EXPECT_EQ(b.CreateBuffer(desc), c.result == 0);
    EXPECT_EQ(b.DXResult(), c.result);
    EXPECT_EQ(b.HasBuffer(), c.result == 0);
  }
}

TEST(SoundComponent, NotificationsFollowTheLifeCycle) {
  std::vector<std::string> log;  // outlives the component, which tells it of its destruction
  HeadlessPlatform p;
  TDXSound sound(&p);
  auto rec = [&log](const char* who) {
    return [&log, who](TCustomDXSound&, TDXSoundNotifyType k) {
      log.push_back(who + std::to_string(k));
    };
  };
  int a = 0, b = 0;
  sound.RegisterNotifyEvent(&a, rec("a"));
  EXPECT_TRUE(log.empty());  // not initialised: nothing
  sound.Finalize();          // never initialised: nothing
  EXPECT_TRUE(log.empty());
  sound.RegisterNotifyEvent(&b, rec("b"));
  int finalized = 0;
  sound.OnFinalize = [&](TCustomDXSound&) { ++finalized; };
  sound.Initialize();
  EXPECT_EQ(log, (std::vector<std::string>{"b1", "a1", "b2", "a2", "b4", "a4"}));
  log.clear();
  sound.RegisterNotifyEvent(&a, rec("a"));
  EXPECT_EQ(log, (std::vector<std::string>{"a3", "a2", "a4"}));
  log.clear();
  sound.UnRegisterNotifyEvent(&log);  // not registered: nothing
  EXPECT_TRUE(log.empty());
  sound.Finalize();
  EXPECT_EQ(log, (std::vector<std::string>{"a3", "b3"}));
  EXPECT_EQ(finalized, 1);
  EXPECT_FALSE(sound.Initialized());
  EXPECT_EQ(sound.DSound(), nullptr);

  TDXSound noForm(nullptr);
  noForm.RegisterNotifyEvent(&a, rec("x"));
  log.clear();
  EXPECT_THROW(noForm.Initialize(), EDXSoundError);
  EXPECT_TRUE(log.empty());
}

TEST(SoundComponent, OptionsAndFocusFlags) {
  HeadlessPlatform p;
  TDXSound sound(&p);
  sound.SetOptions(soStickyFocus);
  sound.Initialize();
  EXPECT_FALSE(sound.DSound()->StickyFocus);
  EXPECT_FALSE(sound.DSound()->GlobalFocus);
  sound.SetOptions(soStickyFocus | soExclusive);
  EXPECT_TRUE(sound.DSound()->StickyFocus);
  EXPECT_EQ(sound.NowOptions(), soStickyFocus);  // exclusive only at initialisation
  sound.Finalize();
  EXPECT_EQ(sound.NowOptions(), sound.Options());
}

TEST(SoundComponent, NoSoundDeviceMeansSilenceAndOneLogLine) {
  std::vector<std::string> lines;
  SetLogSink([&lines](std::string_view l) { lines.emplace_back(l); });
  HeadlessPlatform p;
  p.SetAudioAvailable(false);
  TDXSound sound(&p);
  sound.Loaded();
  SetLogSink({});
  ASSERT_TRUE(sound.Initialized());
  EXPECT_FALSE(sound.DSound()->OutputRunning());
  EXPECT_EQ(lines.size(), 1u);
  // Sounds still play (unheard), so the game runs the same.
  auto b = Constant(*sound.DSound(), 5, 10);
  b->Label = "click";
  EXPECT_TRUE(b->Play(false));
  ASSERT_EQ(p.Sounds().size(), 1u);
  EXPECT_EQ(p.Sounds()[0].label, "click");
}

// The game starts its sound at load and again after the settings dialog, and starts a track at
// every turn change: a missing device or synthesiser is still told in one line each.
TEST(SoundComponent, MissingDevicesAreToldOnceAcrossTheGamesStarts) {
  struct Case {
    bool audio;
    bool music;
    std::size_t lines;
  };
  for (const Case c :
       {Case{false, true, 1}, Case{true, false, 1}, Case{false, false, 2}, Case{true, true, 0}}) {
    std::vector<std::string> lines;
    SetLogSink([&lines](std::string_view l) { lines.emplace_back(l); });
    HeadlessPlatform p;
    p.SetAudioAvailable(c.audio);
    p.SetMusicAvailable(c.music);
    {
      TDXSound sound(&p);
      sound.Loaded();      // the form is read
      sound.Initialize();  // sound chosen in the settings
      for (const char* track : {"data/001.mid", "data/007.mid", "data/003.mid"}) {
        EXPECT_EQ(p.PlayMusic(track), c.music);
      }
      sound.Finalize();
      EXPECT_EQ(sound.Initialized(), false);
    }
    SetLogSink({});
    EXPECT_EQ(lines.size(), c.lines) << "audio " << c.audio << " music " << c.music;
  }
}

TEST(SoundComponent, BuffersOutlivingTheDeviceAreEmptied) {
  HeadlessPlatform p;
  auto sound = std::make_unique<TDXSound>(&p);
  sound->Initialize();
  auto b = Constant(*sound->DSound(), 5, 10);
  b->Play(true);
  sound->Finalize();
  EXPECT_FALSE(b->HasBuffer());
  EXPECT_FALSE(p.AudioRunning());
  b.reset();  // must not touch the freed device
}

}  // namespace
}  // namespace gm
