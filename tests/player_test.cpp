#include <gtest/gtest.h>

#include "app/App.h"
#include "app/Form1.h"
#include "fakes/world.h"
#include "sound/Player.h"

namespace kvirlo {
namespace {

using testing::World;

struct SoundSettings : ::testing::Test {
  void SetUp() override { ASSERT_TRUE(world.start()); }
  Player& open() {
    world.app->form1().mnuSound.click();
    return world.app->player();
  }
  SettingsRecord& s() { return world.app->settings; }
  World world;
};

TEST_F(SoundSettings, DefaultsPlaceTheSlidersAndPlayTheFile) {
  Player& p = open();
  EXPECT_TRUE(p.visible());
  EXPECT_EQ(p.Slider1.value(), 4999);
  EXPECT_EQ(p.Slider2.value(), 13);
  EXPECT_EQ(p.Slider3.value(), 7);
  EXPECT_EQ(p.Text1.text(), "C:\\WINDOWS\\media\\tada.wav");
  EXPECT_EQ(world.media.volume, -1);
  EXPECT_TRUE(world.media.playing);
  for (Control* c : {&p.Label3_0, &p.Label3_1, &p.Slider2, &p.Slider3, &p.Command2})
    EXPECT_FALSE(c->enabled()) << c->name();
  EXPECT_TRUE(p.Slider1.enabled());
  EXPECT_EQ(s().BeepFrequency, 670) << "placing a slider changes no setting";
}

TEST_F(SoundSettings, TheFileStartsAgainWithin100msOfItsEnd) {
  open();
  world.clock.advance(Milliseconds(1000));
  EXPECT_EQ(world.media.starts, 1);
  world.media.finish();
  world.clock.advance(Milliseconds(100));
  EXPECT_TRUE(world.media.playing);
  EXPECT_EQ(world.media.starts, 2);
}

TEST_F(SoundSettings, SlidersSetTheirSettings) {
  Player& p = open();
  p.Slider1.userMovesTo(3000);
  EXPECT_EQ(s().SoundVolume, -2000);
  EXPECT_EQ(world.media.volume, -2000) << "the loudness changes at once";
  p.Slider1.userMovesTo(5000);
  EXPECT_EQ(s().SoundVolume, -1) << "the volume slider stops at 4999";
  p.Check1.click();
  p.Slider2.userMovesTo(12);
  EXPECT_EQ(s().BeepFrequency, 600);
  p.Slider3.userMovesTo(20);
  EXPECT_EQ(s().BeepDuration, 2000);
}

TEST_F(SoundSettings, SwitchingToTheSoundCardEndsASpeakerTest) {
  Player& p = open();
  p.Check1.click();
  EXPECT_EQ(s().SoundOutput, "SystemDinamyc");
  EXPECT_FALSE(world.media.playing);
  EXPECT_FALSE(p.Slider1.enabled());
  p.Command2.click();
  EXPECT_EQ(p.Command2.text(), "Стоп");
  world.clock.advance(Milliseconds(2000));
  EXPECT_EQ(world.tone.tones.size(), 2u);
  p.Check1.click();
  EXPECT_EQ(s().SoundOutput, "SoundCard");
  EXPECT_EQ(p.Command2.text(), "Проба звука");
  EXPECT_TRUE(world.media.playing);
  world.clock.advance(Milliseconds(3000));
  EXPECT_EQ(world.tone.tones.size(), 2u);
  const int starts = world.media.starts;
  world.media.finish();
  world.clock.advance(Milliseconds(100));
  EXPECT_EQ(world.media.starts, starts + 1) << "the file repeats again";
}

TEST_F(SoundSettings, TheTestButtonTogglesTheBeeps) {
  Player& p = open();
  p.Check1.click();
  p.Command2.click();
  world.clock.advance(Milliseconds(1000));
  p.Command2.click();
  EXPECT_EQ(p.Command2.text(), "Проба звука");
  world.clock.advance(Milliseconds(3000));
  EXPECT_EQ(world.tone.tones.size(), 1u);
}

TEST_F(SoundSettings, AZeroDurationIsSilent) {
  Player& p = open();
  p.Check1.click();
  p.Slider3.userMovesTo(0);
  p.Command2.click();
  world.clock.advance(Milliseconds(3000));
  EXPECT_TRUE(world.tone.tones.empty());
}

TEST_F(SoundSettings, LongTonesFollowEachOtherWithoutOverlapping) {
  s().BeepDuration = 2000;
  Player& p = open();
  p.Check1.click();
  p.Command2.click();
  world.clock.advance(Milliseconds(9000));
  ASSERT_GE(world.tone.tones.size(), 3u);
  for (std::size_t i = 1; i < world.tone.tones.size(); ++i)
    EXPECT_EQ(world.tone.tones[i].at - world.tone.tones[i - 1].at, 2000) << i;
}

TEST_F(SoundSettings, ChoosingAFilePlaysItAndCancellingChangesNothing) {
  Player& p = open();
  world.dialogs.files.push_back(std::nullopt);
  p.Command1.click();
  EXPECT_EQ(s().SoundFile, "C:\\WINDOWS\\media\\tada.wav");
  ASSERT_FALSE(world.dialogs.fileRequests.empty());
  EXPECT_EQ(world.dialogs.fileRequests[0].filter, "*.wav *.mp3");
  world.dialogs.files.push_back("D:\\Музыка\\звонок.mp3");
  p.Command1.click();
  EXPECT_EQ(s().SoundFile, "D:\\Музыка\\звонок.mp3");
  EXPECT_EQ(p.Text1.text(), "D:\\Музыка\\звонок.mp3");
  EXPECT_EQ(world.media.file, "D:\\Музыка\\звонок.mp3");
  world.dialogs.files.push_back(std::nullopt);
  p.Command1.click();
  ASSERT_EQ(world.dialogs.fileRequests.size(), 3u);
  EXPECT_EQ(world.dialogs.fileRequests[0].folder, "C:\\WINDOWS\\media") << "opens at the sound";
  EXPECT_EQ(world.dialogs.fileRequests[2].folder, "D:\\Музыка");
}

TEST_F(SoundSettings, StoredSpeakerOutputOpensInSpeakerModeAndPlaysTheFileOnce) {
  s().SoundOutput = "SystemDinamyc";
  Player& p = open();
  EXPECT_EQ(p.Check1.value(), 1);
  EXPECT_TRUE(p.Slider2.enabled());
  EXPECT_FALSE(p.Timer1.enabled());
  EXPECT_EQ(world.media.starts, 1);
  world.media.finish();
  world.clock.advance(Milliseconds(1000));
  EXPECT_EQ(world.media.starts, 1) << "it does not repeat";
}

TEST_F(SoundSettings, AnUnknownOutputOpensForTheSoundCardAndIsKept) {
  s().SoundOutput = "Наушники";
  Player& p = open();
  EXPECT_EQ(p.Check1.value(), 0);
  EXPECT_TRUE(p.Slider1.enabled());
  EXPECT_EQ(s().SoundOutput, "Наушники");
}

TEST_F(SoundSettings, StoredValuesOutsideTheSlidersStopAtTheirEnds) {
  s().BeepFrequency = 2000;
  s().BeepDuration = -50;
  s().SoundVolume = 3;
  Player& p = open();
  EXPECT_EQ(p.Slider2.value(), 20);
  EXPECT_EQ(p.Slider3.value(), 0);
  EXPECT_EQ(p.Slider1.value(), 4999);
}

TEST_F(SoundSettings, ClosingTheWindowStopsEverySound) {
  Player& p = open();
  p.Check1.click();
  p.Command2.click();
  p.requestClose();
  EXPECT_FALSE(world.app->exists(WindowId::Player));
  EXPECT_EQ(world.media.alive, 0);
  world.clock.advance(Milliseconds(3000));
  EXPECT_TRUE(world.tone.tones.empty());
}

TEST_F(SoundSettings, AFrequencyTheSpeakerCannotSoundGivesNoToneAndHoldsNothingUp) {
  Player& p = open();
  p.Check1.click();
  for (double hz : {36.0, 32768.0}) {
    s().BeepFrequency = hz;
    p.Command2.click();
    world.clock.advance(Milliseconds(3000));
    p.Command2.click();
  }
  EXPECT_TRUE(world.tone.tones.empty()) << "no tone clamped into range";
  s().BeepFrequency = 37;
  p.Command2.click();
  world.clock.advance(Milliseconds(1000));
  EXPECT_EQ(world.tone.tones.size(), 1u);
}

TEST_F(SoundSettings, StoredValuesSoundRoundedHalfToEvenAndAToneStopsAtTenSeconds) {
  const struct {
    double hz, ms, volume;
    int toneHz, toneMs, playerVolume;
  } cases[] = {
      {440, 250, -300, 440, 250, -300},  // frequency first, then duration
      {440.5, 250.5, -2.5, 440, 250, -2},
      {441.5, 251.5, -3.5, 442, 252, -4},
      {800, 60000, -1, 800, Tone::LongestMs, -1},  // a settings file may ask for a minute
      {800, 1e12, -1, 800, Tone::LongestMs, -1},
  };
  for (const auto& c : cases) {
    s().SoundOutput = "SystemDinamyc";
    s().BeepFrequency = c.hz;
    s().BeepDuration = c.ms;
    s().SoundVolume = c.volume;
    Player& p = open();
    EXPECT_EQ(world.media.volume, c.playerVolume) << c.volume;
    world.tone.tones.clear();
    p.Command2.click();
    const int gap = std::max(1000, c.toneMs);
    world.clock.advance(Milliseconds(1000 + gap));
    ASSERT_EQ(world.tone.tones.size(), 2u) << c.ms;
    EXPECT_EQ(world.tone.tones[0].frequency, c.toneHz) << c.hz;
    EXPECT_EQ(world.tone.tones[0].duration, c.toneMs) << c.ms;
    EXPECT_EQ(world.tone.tones[1].at - world.tone.tones[0].at, gap) << c.ms;
    p.requestClose();
  }
}

TEST_F(SoundSettings, ATickHeldBackByALongToneDiesWithTheSpeaker) {
  s().BeepDuration = 2000;
  Player& p = open();
  p.Check1.click();
  p.Command2.click();
  world.clock.advance(Milliseconds(1500));  // the first tone sounds, the next tick waits
  ASSERT_EQ(world.tone.tones.size(), 1u);
  p.Check1.click();  // back to the sound card
  world.clock.advance(Milliseconds(5000));
  EXPECT_EQ(world.tone.tones.size(), 1u) << "no stray tone after the switch";
}

}  // namespace
}  // namespace kvirlo
