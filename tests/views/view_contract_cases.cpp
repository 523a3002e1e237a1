// The cases every toolkit's views pass alike, on the probe of the test
// program they are built into.

#include <gtest/gtest.h>

#include "alert/Form2.h"
#include "app/App.h"
#include "app/Form1.h"
#include "indicator/Form3.h"
#include "indicator/Form4.h"
#include "platform/window/tab_order.h"
#include "tray/formAbout.h"
#include "views/view_contract.h"

namespace kvirlo::testing {
namespace {

struct ViewContract : ::testing::Test {
  App& app() { return probe->app(); }
  Form1& main() { return app().form1(); }
  std::unique_ptr<ViewProbe> probe = makeViewProbe();
};

TEST_F(ViewContract, EveryControlOfTheMainWindowAndTheIndicatorExistsWithItsText) {
  ASSERT_TRUE(probe->hasWindow(main()));
  EXPECT_TRUE(probe->shown(main()));
  EXPECT_EQ(probe->caption(main()), "Квирло 3.0");
  for (Window* w : {static_cast<Window*>(&main()), static_cast<Window*>(&app().form3())})
    for (Control* c : w->controls()) EXPECT_TRUE(probe->hasWidget(*c)) << windowName(w->id()) << "." << c->name();
  EXPECT_EQ(probe->text(main().Command1), "Пуск");
  EXPECT_EQ(probe->text(main().Check1), "Показывать индикатор времени.");
  EXPECT_TRUE(probe->checked(main().Check1));
  EXPECT_EQ(probe->text(main().Frame1), "Управление тюнером Behold TV");
  EXPECT_EQ(probe->text(main().Label5), "Мни.");
  EXPECT_EQ(probe->text(main().Text4), "1");
  EXPECT_EQ(probe->text(main().Text6), "\"");
  EXPECT_FALSE(probe->enabled(main().Text5));
}

TEST_F(ViewContract, TheLayoutButtonGrowsTheWindowAndRenamesItself) {
  EXPECT_EQ(probe->client(main()).width, 488);   // 7320 twips
  EXPECT_EQ(probe->client(main()).height, 160);  // 2400 twips: the compact client area
  probe->click(main().Command3);
  EXPECT_EQ(main().Command3.text(), "Кратко");
  EXPECT_EQ(probe->text(main().Command3), "Кратко");
  EXPECT_EQ(probe->client(main()).height, 296);  // 4440 twips: the whole client area
}

TEST_F(ViewContract, TypingReachesTheHandlersAndTheirAnswerReachesTheField) {
  probe->focus(main().Text1, true);
  probe->type("Позвонить & «Ёж»");
  EXPECT_EQ(main().Text1.text(), "Позвонить & «Ёж»");
  probe->click(main().Check3);
  ASSERT_TRUE(probe->enabled(main().Text4));
  probe->focus(main().Text4, true);
  probe->type("42");
  EXPECT_EQ(app().settings.TunerChannel, 42);
  probe->press(Key::Backspace);
  probe->press(Key::Backspace);
  EXPECT_EQ(probe->text(main().Text4), "1") << "the emptied field refills itself";
  EXPECT_EQ(app().settings.TunerChannel, 1);
}

TEST_F(ViewContract, TheSpaceBarNeverReachesTheChannel) {
  probe->click(main().Check3);
  probe->focus(main().Text4, false);
  probe->press(Key::Space);
  probe->type("2");
  EXPECT_EQ(probe->text(main().Text4), "12");
  EXPECT_EQ(main().Text4.text(), "12");
}

TEST_F(ViewContract, ACheckBoxClickRunsItsHandlerOnceAndTheModelKeepsTheTick) {
  int clicks = 0;
  auto handler = main().Check1.onChange;
  main().Check1.onChange = [&] {
    ++clicks;
    handler();
  };
  probe->click(main().Check1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(main().Check1.value(), check::Unchecked);
  EXPECT_FALSE(probe->checked(main().Check1));
  EXPECT_FALSE(probe->enabled(main().Check2));
  EXPECT_TRUE(probe->checked(main().Check2));
  for (int tick : {check::Checked, check::Unchecked}) {
    probe->click(main().Check3);
    EXPECT_EQ(main().Check3.value(), tick);
    EXPECT_EQ(probe->checked(main().Check3), tick == check::Checked);
  }
}

TEST_F(ViewContract, AChosenOptionClickedAgainStaysChosen) {
  main().Check3.click();
  ASSERT_TRUE(probe->checked(main().Option1));
  probe->click(main().Option1);
  EXPECT_TRUE(probe->checked(main().Option1)) << "the model has the last word";
  EXPECT_EQ(main().Option1.value(), 1);
}

// The view copies a change by code into its widget and does not hear the
// copy as the user's: each change handler runs once.
TEST_F(ViewContract, AModelChangeReachesTheWidgetWithoutComingBack) {
  int changes = 0;
  main().Text2.onChange = [&] { ++changes; };
  main().Text2.setText("123");  // longer than a user may type
  EXPECT_EQ(probe->text(main().Text2), "123");
  EXPECT_EQ(main().Text2.text(), "123");
  EXPECT_EQ(changes, 1);
  int channelChanges = 0;
  auto rule = main().Text4.onChange;
  main().Text4.onChange = [&] {
    ++channelChanges;
    rule();
  };
  main().Text4.setText("27");
  EXPECT_EQ(probe->text(main().Text4), "27");
  EXPECT_EQ(channelChanges, 1);
  main().Text1.setText("строка");
  EXPECT_EQ(probe->text(main().Text1), "строка");
  main().paintFieldColor(rgb(10, 20, 30));
  EXPECT_EQ(probe->fieldColour(main().Text3), rgb(10, 20, 30));
}

TEST_F(ViewContract, TheAlertsCloseBoxIsContinue) {
  main().Command3.click();  // the extended layout, with the tuner's labels
  main().Text1.setText("x");
  app().form2().show();
  ASSERT_TRUE(probe->hasWindow(app().form2()));
  EXPECT_TRUE(probe->shown(app().form2()));
  probe->closeBox(app().form2());
  EXPECT_FALSE(app().exists(WindowId::Form2));
  EXPECT_FALSE(app().exists(WindowId::Player));
  EXPECT_TRUE(probe->shown(main()));
}

TEST_F(ViewContract, AnUnloadedWindowsWidgetsGo) {
  app().about().show();
  const std::function<bool()> aboutExists = probe->watch(app().about());
  ASSERT_TRUE(aboutExists());
  probe->closeBox(app().about());
  EXPECT_FALSE(app().exists(WindowId::formAbout));
  probe->settle();
  EXPECT_FALSE(aboutExists());
}

TEST_F(ViewContract, TheIndicatorStaysOnTopWhenAskedAndGoesDownWhenNot) {
  Form3& indicator = app().form3();
  indicator.show();
  indicator.setTopMost();
  EXPECT_TRUE(probe->staysOnTop(indicator));
  indicator.sendToBottom();
  EXPECT_FALSE(probe->staysOnTop(indicator));
}

bool inside(const PixelRect& area, const PixelRect& r) {
  return r.x >= area.x && r.y >= area.y && r.x + r.width <= area.x + area.width &&
         r.y + r.height <= area.y + area.height;
}

TEST_F(ViewContract, AWindowStoredOffEveryScreenOpensWhereItCanBeSeen) {
  const PixelRect area = probe->workArea();
  main().hide();
  main().setLeft(-3000000);
  main().setTop(900000);
  main().show();
  const PixelRect frame = probe->frame(main());
  EXPECT_TRUE(inside(area, frame)) << "with its borders";
  EXPECT_EQ(main().left(), frame.x * 15) << "the save writes the place it really has";
  EXPECT_EQ(main().top(), frame.y * 15);
  main().setTop(-90000);  // while it shows
  main().setLeft(900000);
  EXPECT_TRUE(inside(area, probe->frame(main())));
  app().form3().show();
  app().form3().setLeft(-5000000);
  EXPECT_TRUE(inside(area, probe->frame(app().form3())));
}

// Each control's name, as the probe finds the one with the focus.
std::string focusedName(ViewProbe& probe, const Window& w) {
  const Control* c = probe.focused(w);
  return c ? c->name() : "?";
}

TEST_F(ViewContract, TabGoesThroughTheControlsInReadingOrderAndLeavesTheReminderText) {
  probe->focus(main().Command3, false);
  probe->press(Key::Enter);
  ASSERT_EQ(main().height(), Form1::ExtendedHeight) << "Enter presses the focused button";
  main().Check3.click();  // the tuner group in sight and in use
  probe->focus(main().Text1, false);
  std::vector<std::string> reached{focusedName(*probe, main())};
  for (std::size_t i = 0; i < tabOrder(main()).size(); ++i) {
    probe->press(Key::Tab);
    reached.push_back(focusedName(*probe, main()));
  }
  std::vector<std::string> expected;
  for (Control* c : tabOrder(main())) expected.push_back(c->name());
  expected.push_back("Text1");  // round again
  EXPECT_EQ(reached, expected);
  EXPECT_EQ(main().Text1.text(), "") << "no tab character typed into the reminder text";
}

TEST_F(ViewContract, TheKeyboardAloneSetsAReminderAndEscClosesTheAlert) {
  main().Text3.setText("07");
  probe->focus(main().Text1, false);
  probe->type("Чай");
  probe->press(Key::Tab);
  probe->type("12");
  ASSERT_EQ(focusedName(*probe, main()), "Text3") << "the hour's two characters move on";
  probe->type("34");
  EXPECT_EQ(main().Text2.text(), "12");
  EXPECT_EQ(main().Text3.text(), "34") << "the minute's «07» was selected and replaced";
  probe->press(Key::Enter);
  EXPECT_FALSE(main().visible()) << "Enter in the minute field starts the reminder";
  EXPECT_EQ(main().Text1.text(), "Чай");

  Form2& alert = app().form2();
  alert.show();
  probe->focus(alert.Command2, false);
  probe->press(Key::Escape);
  EXPECT_FALSE(app().exists(WindowId::Form2)) << "Esc reached the alert through its button";
}

TEST_F(ViewContract, TheArrowsGoRoundAnOptionGroupChoosingAsTheyGo) {
  Form4& dialog = app().form4();
  dialog.show();
  probe->focus(dialog.Option1, false);
  probe->press(Key::Down);
  EXPECT_EQ(focusedName(*probe, dialog), "Option2");
  EXPECT_TRUE(probe->checked(dialog.Option2)) << "and chose it";
  probe->press(Key::Up);
  probe->press(Key::Up);
  EXPECT_EQ(focusedName(*probe, dialog), "Option3") << "round the group";
  EXPECT_EQ(dialog.Option3.value(), 1);
  EXPECT_TRUE(probe->checked(dialog.Option3));
}

}  // namespace
}  // namespace kvirlo::testing
