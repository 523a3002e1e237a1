#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/App.h"
#include "app/Form1.h"
#include "fakes/world.h"
#include "platform/window/tab_order.h"
#include "settings/settings_module.h"

namespace kvirlo {
namespace {

using testing::World;

struct MainWindow : ::testing::Test {
  void SetUp() override { ASSERT_TRUE(world.start()); }
  Form1& f() { return world.app->form1(); }
  World world;
};

TEST_F(MainWindow, TheFormColourPaintsItsListAndNothingElse) {
  const Colour label4 = f().Label4.backColor();
  const Colour button = f().Command1.backColor();
  const Colour text6 = f().Text6.backColor();
  world.dialogs.colours.push_back(rgb(10, 20, 30));
  f().mnuFormColor.click();
  EXPECT_EQ(world.app->settings.FormColor, rgb(10, 20, 30));
  EXPECT_EQ(f().backColor(), rgb(10, 20, 30));
  for (Control* c : {&f().Check1, &f().Check2, &f().Check3, &f().Check5, &f().Check6,
                     &f().Option1, &f().Option2, &f().Frame1, &f().Frame2, &f().Frame3,
                     &f().Frame4, &f().Label7, &f().Label9})
    EXPECT_EQ(c->backColor(), rgb(10, 20, 30)) << c->name();
  EXPECT_EQ(f().Label4.backColor(), label4);
  EXPECT_EQ(f().Label5.backColor(), label4);
  EXPECT_EQ(f().Command1.backColor(), button);
  EXPECT_EQ(f().Command3.backColor(), button);
  EXPECT_EQ(f().Text6.backColor(), text6);
  EXPECT_EQ(f().Text1.backColor(), rgb(255, 255, 255));
}

// What a view last heard of each control's own back, as it mirrors the model.
struct BackLog : ModelObserver {
  void controlChanged(Control& c, Property p) override {
    if (p == Property::BackColor) paints[c.name()] = c.paintsBack();
  }
  std::map<std::string, bool> paints;
};

TEST_F(MainWindow, HourAndMinuteLabelsShowTheirOwnColourOnAnyFormColour) {
  BackLog log;
  world.app->setObserver(&log);
  for (Colour chosen : {rgb(10, 20, 30), Form1::DesignFormColour}) {
    world.dialogs.colours.push_back(chosen);
    f().mnuFormColor.click();
    const bool own = chosen != Form1::DesignFormColour;
    EXPECT_EQ(log.paints["Label4"], own) << chosen;
    EXPECT_EQ(log.paints["Label5"], own) << chosen;
    EXPECT_FALSE(log.paints["Label7"]) << "it takes the form's colour";
  }
  world.writeSettings({" 255 ", " 16777215 "});
  BackLog atStart;
  App stored(world.services, &atStart);
  stored.run();
  EXPECT_TRUE(atStart.paints["Label4"]) << "a colour stored in the settings file";
  EXPECT_TRUE(stored.form1().Label5.paintsBack());
  world.app->setObserver(nullptr);
}

TEST_F(MainWindow, TheFieldColourPaintsTheFiveFieldsDisabledOnesToo) {
  world.dialogs.colours.push_back(rgb(200, 200, 0));
  f().mnuTextPoleColor.click();
  for (Control* c : {&f().Text1, &f().Text2, &f().Text3, &f().Text4, &f().Text5})
    EXPECT_EQ(c->backColor(), rgb(200, 200, 0)) << c->name();
  EXPECT_FALSE(f().Text5.enabled());
  EXPECT_NE(f().Text6.backColor(), rgb(200, 200, 0));
}

TEST_F(MainWindow, ACancelledColourDialogChangesNothingAndTheDialogRemembers) {
  world.dialogs.colours.push_back(std::nullopt);
  f().mnuFormColor.click();
  EXPECT_EQ(world.app->settings.FormColor, 14737632);
  world.dialogs.colours.push_back(rgb(1, 2, 3));
  f().mnuFormColor.click();
  world.dialogs.colours.push_back(std::nullopt);
  f().mnuTextPoleColor.click();
  EXPECT_EQ(world.dialogs.colourRequests,
            (std::vector<Colour>{0, 0, rgb(1, 2, 3)}))
      << "both entries share one dialog, which opens on its last colour";
}

TEST_F(MainWindow, ChosenColoursComeBackAfterARestart) {
  world.dialogs.colours.push_back(rgb(1, 2, 3));
  f().mnuFormColor.click();
  world.dialogs.colours.push_back(rgb(4, 5, 6));
  f().mnuTextPoleColor.click();
  EXPECT_TRUE(World::ends([&] { f().requestClose(); }));
  ASSERT_TRUE(world.start());
  EXPECT_EQ(f().Frame4.backColor(), rgb(1, 2, 3));
  EXPECT_EQ(f().Text2.backColor(), rgb(4, 5, 6));
}

TEST_F(MainWindow, ColoursTheWindowCannotTakeLeaveTheDesignColours) {
  world.writeSettings({"-5", "99999999", "", "0", "0", "0", "", "0", "0", "NO", "", "OFF",
                       "-m:tv", "", "1", "0", "0", "0"});
  ASSERT_TRUE(world.start());
  EXPECT_EQ(f().backColor(), rgb(0xE0, 0xE0, 0xE0));
  EXPECT_EQ(f().Text1.backColor(), rgb(0xFF, 0xFF, 0xFF));
  SaveSettings(*world.app);
  EXPECT_EQ(world.settingsFile().substr(0, 4), "-5 \r") << "the stored value is kept as it was";
}

TEST_F(MainWindow, TheLayoutButtonTogglesBothWays) {
  f().Command3.click();
  EXPECT_EQ(f().Command3.text(), "Кратко");
  EXPECT_EQ(f().height(), Form1::ExtendedHeight);
  f().Command3.click();
  EXPECT_EQ(f().Command3.text(), "Дополнительно");
  EXPECT_EQ(f().height(), Form1::CompactHeight);
}

TEST_F(MainWindow, TheTunerOptionAloneDoesNotChangeTheLayout) {
  f().Check3.click();
  EXPECT_EQ(f().height(), Form1::CompactHeight);
  world.writeSettings({"0", "0", "", "0", "0", "0", "", "0", "0", "YES", "D:\\tv.exe", "OFF",
                       "-m:tv", "", "1", "0", "0", "0"});
  ASSERT_TRUE(world.start());
  EXPECT_EQ(f().height(), Form1::ExtendedHeight);
  f().Command3.click();
  EXPECT_EQ(f().height(), Form1::CompactHeight);
}

TEST_F(MainWindow, TwoCharactersOfAnyKindMoveOnToTheMinute) {
  f().Text2.setText("1");
  EXPECT_EQ(f().focusedControl(), nullptr);
  f().Text2.setText("12");
  EXPECT_EQ(f().focusedControl(), &f().Text3);
  f().noteFocus(&f().Text2);
  f().Text2.setText("чч");
  EXPECT_EQ(f().focusedControl(), &f().Text3) << "two Cyrillic letters are two characters";
  EXPECT_EQ(f().Text2.maxLength, 2);
  EXPECT_EQ(f().Text3.maxLength, 2);
}

TEST_F(MainWindow, BackspaceInAnEmptyMinuteGoesBackToTheHour) {
  f().noteFocus(&f().Text3);
  f().Text3.setText("5");
  f().Text3.keyDown(keys::Backspace);
  EXPECT_EQ(f().focusedControl(), &f().Text3) << "the first Backspace deletes";
  f().Text3.setText("");
  f().Text3.keyDown(keys::Backspace);
  EXPECT_EQ(f().focusedControl(), &f().Text2);
  f().noteFocus(&f().Text2);
  f().Text2.keyDown(keys::Backspace);
  EXPECT_EQ(f().focusedControl(), &f().Text2);
}

TEST_F(MainWindow, ASoundMenuEntryOpensTheSoundWindowShown) {
  f().mnuSound.click();
  ASSERT_TRUE(world.app->exists(WindowId::Player));
  EXPECT_TRUE(world.app->existing(WindowId::Player)->visible());
}

}  // namespace
}  // namespace kvirlo

namespace kvirlo {
namespace {

std::string namesInTabOrder(const Window& window) {
  std::string names;
  for (const Control* c : tabOrder(window)) names += (names.empty() ? "" : " ") + c->name();
  return names;
}

TEST_F(MainWindow, TabGoesInReadingOrderThroughWhatIsEnabledAndInSight) {
  EXPECT_EQ(namesInTabOrder(f()), "Text1 Text2 Text3 Check1 Command1 Check2 Command3");
  f().Command3.click();  // the tuner group comes into sight, its options off
  f().Check3.click();
  EXPECT_EQ(namesInTabOrder(f()),
            "Text1 Text2 Text3 Check1 Command1 Check2 Command3 Check3 Text4 UpDown1 Text6 Text5 "
            "Command4 Option1 Option2 Check5 Check6");
  EXPECT_EQ(nextInTabOrder(f(), &f().Check6, true), &f().Text1);
  EXPECT_EQ(nextInTabOrder(f(), &f().Text1, false), &f().Check6);
  EXPECT_EQ(nextInTabOrder(f(), &f().Label4, true), &f().Text1);
}

}  // namespace
}  // namespace kvirlo
