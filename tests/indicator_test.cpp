#include <gtest/gtest.h>

#include "alert/Form2.h"
#include "app/App.h"
#include "app/Form1.h"
#include "fakes/world.h"
#include "indicator/Form3.h"
#include "indicator/Form4.h"
#include "settings/numbers.h"
#include "settings/settings_module.h"
#include "tray/frmSlug.h"

namespace kvirlo {
namespace {

using testing::FakeClock;
using testing::World;

struct RequestLog : ModelObserver {
  void windowRequest(Window& w, const WindowRequest& r) override {
    if (w.id() == WindowId::Form3) kinds.push_back(r.kind);
  }
  std::vector<WindowRequest::Kind> kinds;
};

struct Indicator : ::testing::Test {
  void SetUp() override {
    world.clock.setWallClock(FakeClock::at(13, 45, 59));
    ASSERT_TRUE(world.start());
  }
  Form3& indicator() { return world.app->form3(); }
  // The count the indicator shows for a reminder at hour:minute, clock at `now`.
  std::string countAt(double hour, double minute, std::int64_t now) {
    world.app->AlarmHour = hour;
    world.app->AlarmMinute = minute;
    world.clock.setWallClock(now);
    return indicator().Label2.text();
  }
  World world;
};

TEST_F(Indicator, CountsWholeMinutesWithoutWrappingOrClamping) {
  world.clock.advance(Milliseconds(1000));
  EXPECT_EQ(countAt(14, 30, FakeClock::at(13, 45, 59)), "45 Мин.");
  EXPECT_EQ(countAt(14, 30, FakeClock::at(14, 30, 40)), "0 Мин.");
  EXPECT_EQ(countAt(14, 30, FakeClock::at(15, 10)), "-40 Мин.");
  EXPECT_EQ(countAt(0, 10, FakeClock::at(23, 50)), "-1420 Мин.");
}

TEST_F(Indicator, TheCountIsEmptyForTheFirstSecondThenFollowsTheMinutes) {
  world.app->AlarmHour = 14;
  world.app->AlarmMinute = 30;
  world.app->unload(WindowId::Form3);
  EXPECT_EQ(indicator().Label2.text(), "");
  world.clock.advance(Milliseconds(999));
  EXPECT_EQ(indicator().Label2.text(), "");
  world.clock.advance(Milliseconds(1));
  EXPECT_EQ(indicator().Label2.text(), "44 Мин.");
  world.clock.advanceTo(FakeClock::at(13, 47));
  EXPECT_EQ(indicator().Label2.text(), "43 Мин.");
}

// No title bar: a screen reader calls it by what it shows, the count included.
TEST_F(Indicator, AScreenReaderCallsItByItsHeadingAndCount) {
  world.app->unload(WindowId::Form3);
  EXPECT_EQ(indicator().accessibleName(), "До напоминания");
  world.startReminder("x", "18", "05");
  EXPECT_EQ(indicator().accessibleName(), "До напоминания 260 Мин.");
  EXPECT_EQ(world.app->form1().accessibleName(), world.app->form1().caption());
}

TEST_F(Indicator, TheCountIsRightTheMomentItShowsAndSharesTheMinutesWakeUp) {
  world.clock.advance(Milliseconds(1000));  // the indicator has ticked for 0:00 meanwhile
  world.clock.advanceTo(FakeClock::at(10, 0, 30));
  world.startReminder("x", "18", "05");
  EXPECT_EQ(indicator().Label2.text(), "485 Мин.") << "shown by «Пуск»";

  world.app->form1().show();
  world.app->form1().Check1.setValue(check::Unchecked);
  world.startReminder("x", "11", "00");
  world.app->slug().mnuTime.click();
  EXPECT_EQ(indicator().Label2.text(), "60 Мин.") << "shown from the tray";

  world.clock.advance(Milliseconds(0));  // the watch's first look, right after «Пуск»
  const int wakeUps = world.clock.wakeUps();
  world.clock.advanceTo(FakeClock::at(10, 1));
  EXPECT_EQ(indicator().Label2.text(), "59 Мин.");
  EXPECT_EQ(world.clock.wakeUps(), wakeUps + 1) << "the watch and the count wake together";
}

TEST_F(Indicator, AfterEachAlertTheIndicatorComesBackWhereItLastStoodAndTheFileKeepsIt) {
  std::vector<std::string> lines(18, " 0 ");
  lines[15] = " 300 ";
  lines[16] = " 600 ";
  world.writeSettings(lines);
  ASSERT_TRUE(world.start());
  // The place read from the file, then where the user dragged it.
  struct Place {
    double left, top;
  };
  for (const Place place : {Place{300, 600}, Place{9000, 1200}}) {
    world.startReminder("x", "0", "0");  // due at once
    world.clock.advance(Milliseconds(100));
    ASSERT_TRUE(world.app->exists(WindowId::Form2));
    EXPECT_FALSE(world.app->exists(WindowId::Form3));
    world.app->form2().Command2.click();
    world.startReminder("x", "23", "59");
    EXPECT_EQ(indicator().left(), place.left);
    EXPECT_EQ(indicator().top(), place.top);
    const std::string tail = " " + formatNumber(place.left) + " \r\n " + formatNumber(place.top) + " \r\n 0 \r\n";
    EXPECT_TRUE(world.settingsFile().ends_with(tail)) << world.settingsFile();
    indicator().noteMovedTo(9000, 1200);
  }
}

TEST_F(Indicator, OnTopWhenAskedAndThenItTicksTheIndicatorBox) {
  RequestLog log;
  world.app->setObserver(&log);
  Form1& main = world.app->form1();
  main.Check1.setValue(check::Unchecked);
  EXPECT_FALSE(main.Check2.enabled());
  indicator().activate();
  EXPECT_EQ(log.kinds, (std::vector<WindowRequest::Kind>{WindowRequest::Kind::Activate,
                                                         WindowRequest::Kind::TopMost}));
  EXPECT_EQ(main.Check1.value(), 1);
  EXPECT_TRUE(main.Check2.enabled()) << "ticking the box by code ran its handler";
  world.app->setObserver(nullptr);
}

TEST_F(Indicator, WithoutOnTopActivationSendsItToTheBottom) {
  RequestLog log;
  world.app->setObserver(&log);
  world.app->form1().Check2.setValue(check::Unchecked);
  indicator().activate();
  EXPECT_EQ(log.kinds, (std::vector<WindowRequest::Kind>{WindowRequest::Kind::Activate,
                                                         WindowRequest::Kind::Bottom}));
  world.app->setObserver(nullptr);
}

TEST_F(Indicator, AnyButtonOnEitherLabelDragsButNotThePicture) {
  RequestLog log;
  world.app->setObserver(&log);
  indicator().Label1.mouseDown(buttons::Right);
  indicator().Label2.mouseDown(buttons::Middle);
  indicator().Label2.mouseDown(buttons::Left);
  indicator().Picture1.mouseDown(buttons::Left);
  EXPECT_EQ(log.kinds, std::vector<WindowRequest::Kind>(3, WindowRequest::Kind::BeginDrag));
  world.app->setObserver(nullptr);
}

TEST_F(Indicator, TheCloseBoxOpensOneDialog) {
  indicator().Picture1.click();
  Form4* first = &world.app->form4();
  indicator().Picture1.click();
  EXPECT_EQ(&world.app->form4(), first);
  EXPECT_TRUE(first->visible());
}

struct ActionDialog : Indicator {
  void SetUp() override {
    Indicator::SetUp();
    world.app->form1().Check1.setValue(check::Checked);
    world.startReminder("x", "18", "05");
    world.store.writes.clear();
  }
  Form4& dialog() {
    indicator().Picture1.click();
    return world.app->form4();
  }
};

TEST_F(ActionDialog, NothingIsChosenAtFirstAndGoOnlyCloses) {
  Form4& d = dialog();
  EXPECT_EQ(d.Option1.value() + d.Option2.value() + d.Option3.value(), 0);
  d.Command1.click();
  EXPECT_FALSE(world.app->exists(WindowId::Form4));
  EXPECT_TRUE(indicator().visible());
  EXPECT_EQ(world.app->settings.IndicatorAction, 0);
}

TEST_F(ActionDialog, HidingTheIndicatorTwiceLeavesOneTrayIcon) {
  for (int i = 0; i < 2; ++i) {
    indicator().show();
    Form4& d = dialog();
    d.Option1.click();
    d.Command1.click();
    EXPECT_FALSE(indicator().visible());
  }
  EXPECT_EQ(world.tray.icons, std::set<int>{1});
  EXPECT_EQ(world.app->settings.IndicatorAction, 1);
}

TEST_F(ActionDialog, WithoutANotificationAreaTheIndicatorStays) {
  world.tray.hasArea = false;
  Form4& d = dialog();
  d.Option1.click();
  d.Command1.click();
  EXPECT_TRUE(indicator().visible());
  EXPECT_EQ(world.tray.adds, 0);
  EXPECT_EQ(world.app->settings.IndicatorAction, 1);
}

TEST_F(ActionDialog, ChangingTheReminderShowsTheMainWindowWhichHidesTheIndicator) {
  Form4& d = dialog();
  d.Option2.click();
  d.Command1.click();
  EXPECT_TRUE(world.app->form1().visible());
  EXPECT_FALSE(indicator().visible());
  EXPECT_TRUE(world.app->form1().Timer1.enabled()) << "the reminder stays armed";
  EXPECT_EQ(world.app->settings.IndicatorAction, 2);
}

TEST_F(ActionDialog, NoToTheExitQuestionKeepsWaitingButRemembersTheChoice) {
  Form4& d = dialog();
  d.Option3.click();
  world.boxes.answer(mb::AnswerNo);
  EXPECT_FALSE(World::ends([&] { d.Command1.click(); }));
  ASSERT_FALSE(world.boxes.shown.empty());
  EXPECT_EQ(world.boxes.shown.back().text, "Завершить работу квирло?");
  EXPECT_EQ(world.boxes.shown.back().flags, 4);
  EXPECT_EQ(world.boxes.shown.back().title, "Квирло");
  EXPECT_FALSE(world.app->exists(WindowId::Form4));
  EXPECT_EQ(world.app->settings.IndicatorAction, 3);
  EXPECT_TRUE(world.app->form1().Timer1.enabled());
}

TEST_F(ActionDialog, CancelOrTheCloseBoxKeepsTheStoredChoice) {
  world.app->settings.IndicatorAction = 2;
  for (bool closeBox : {false, true}) {
    Form4& d = dialog();
    EXPECT_EQ(d.Option2.value(), 1) << "the next opening preselects it again";
    d.Option1.click();
    closeBox ? d.requestClose() : d.Command2.click();
    EXPECT_FALSE(world.app->exists(WindowId::Form4)) << closeBox;
    EXPECT_TRUE(indicator().visible()) << closeBox;
    EXPECT_EQ(world.app->settings.IndicatorAction, 2) << closeBox;
  }
  EXPECT_EQ(dialog().Option2.value(), 1);
}

TEST_F(ActionDialog, TheChoiceSurvivesASaveAndALoad) {
  Form4& d = dialog();
  d.Option2.click();
  d.Command1.click();
  SaveSettings(*world.app);
  ASSERT_TRUE(world.start());
  EXPECT_EQ(world.app->settings.IndicatorAction, 2);
  world.app->form3().Picture1.click();
  EXPECT_EQ(world.app->form4().Option2.value(), 1);
}

}  // namespace
}  // namespace kvirlo
