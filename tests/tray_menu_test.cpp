#include <gtest/gtest.h>

#include "app/App.h"
#include "app/Form1.h"
#include "fakes/world.h"
#include "indicator/Form3.h"
#include "tray/about_texts.h"
#include "tray/formAbout.h"
#include "tray/frmSlug.h"

namespace kvirlo {
namespace {

using testing::World;

struct MenuLog : ModelObserver {
  void windowRequest(Window&, const WindowRequest& r) override {
    if (r.kind == WindowRequest::Kind::PopupMenu) menus.push_back(r.menu);
  }
  std::vector<MenuItem*> menus;
};

std::vector<std::string> captions(const MenuItem& menu) {
  std::vector<std::string> out;
  for (const MenuItem* item : menu.children()) out.push_back(item->caption());
  return out;
}

struct TrayMenu : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(world.start());
    world.app->form1().Check1.setValue(check::Unchecked);
    world.startReminder("x", "18", "05");
    world.app->setObserver(&log);
  }
  void TearDown() override {
    if (world.app) world.app->setObserver(nullptr);
  }
  frmSlug& slug() { return world.app->slug(); }
  World world;
  MenuLog log;
};

TEST_F(TrayMenu, OnlyARightClickOpensTheMenu) {
  slug().Form_MouseMove(0);
  slug().Form_MouseMove(buttons::Left);
  slug().Form_MouseMove(buttons::Middle);
  EXPECT_TRUE(log.menus.empty());
  slug().Form_MouseMove(buttons::Right);
  ASSERT_EQ(log.menus.size(), 1u);
  EXPECT_EQ(captions(*log.menus[0]),
            (std::vector<std::string>{"Сайт программы", "О программе", "-", "Время",
                                      "Изм.условия", "Exit"}));
  EXPECT_EQ(world.tray.menu, &slug().mnuMenu) << "a panel that shows the menu itself has the same";
}

TEST_F(TrayMenu, TheEntriesReachTheirWindows) {
  slug().mnuSite_Internet.click();
  EXPECT_EQ(world.shell.addresses, std::vector<std::string>{about::ProductSiteAddress});
  slug().mnuAbout.click();
  EXPECT_TRUE(world.app->about().visible());
  slug().mnuTime.click();
  EXPECT_TRUE(world.app->form3().visible());
  EXPECT_EQ(world.tray.icons.size(), 1u) << "the icon stays beside the indicator";
  slug().mnuUsl.click();
  EXPECT_TRUE(world.app->form1().visible());
}

TEST_F(TrayMenu, TheHostWindowIsNeverShown) {
  EXPECT_FALSE(slug().visible());
  EXPECT_FALSE(slug().hasIcon);
}

struct MainMenu : TrayMenu {};

TEST_F(MainMenu, ARightReleaseOverTheWindowOrTwoOfItsFramesOpensTheMenu) {
  Form1& f = world.app->form1();
  f.Form_MouseUp(buttons::Left);
  f.Form_MouseUp(buttons::Middle);
  f.Frame4.mouseUp(buttons::Right);
  f.Frame2.mouseUp(buttons::Right);
  f.Text1.mouseUp(buttons::Right);
  EXPECT_TRUE(log.menus.empty());
  f.Form_MouseUp(buttons::Right);
  f.Frame3.mouseUp(buttons::Right);
  f.Frame1.mouseUp(buttons::Right);
  ASSERT_EQ(log.menus.size(), 3u);
  EXPECT_EQ(captions(*log.menus[0]),
            (std::vector<std::string>{"О программе", "-", "Настройки", "-", "Выход"}));
  EXPECT_EQ(captions(f.mnuManual), (std::vector<std::string>{"Цвет формы", "Цвет окон ввода", "-",
                                                             "Звуковой сигнал"}));
}

TEST_F(MainMenu, TheAboutWindowIsOne) {
  world.app->form1().mnuAbout.click();
  ASSERT_NE(world.app->existing(WindowId::formAbout), nullptr);
  EXPECT_TRUE(world.app->about().visible());
  formAbout* first = &world.app->about();
  slug().mnuAbout.click();
  EXPECT_EQ(&world.app->about(), first);
}

TEST_F(MainMenu, TheGreyIndicatorValueLeavesTheOnTopBoxAlone) {
  Form1& f = world.app->form1();
  f.Check1.setValue(check::Grayed);
  EXPECT_FALSE(f.Check2.enabled());
  f.Check1.setValue(check::Checked);
  f.Check1.setValue(check::Grayed);
  EXPECT_TRUE(f.Check2.enabled());
  EXPECT_EQ(f.Check2.value(), 1);
}

struct AboutWindow : ::testing::Test {
  void SetUp() override { ASSERT_TRUE(world.start()); }
  World world;
};

TEST_F(AboutWindow, LinksLightUnderThePointerAndOnlyTheBackgroundDarkensThem) {
  formAbout& a = world.app->about();
  EXPECT_EQ(a.Label2_0.foreColor(), formAbout::LinkBlack);
  a.Label2_1.mouseMove();
  EXPECT_EQ(a.Label2_0.foreColor(), formAbout::LinkBlue);
  EXPECT_EQ(a.Label2_1.foreColor(), rgb(0, 0, 0)) << "the explanation keeps its colour";
  a.Label5.mouseMove();
  a.Label1_0.mouseMove();
  a.Label4.mouseMove();
  EXPECT_EQ(a.Label2_0.foreColor(), formAbout::LinkBlue);
  EXPECT_EQ(a.Label5.foreColor(), formAbout::LinkBlue);
  a.Form_MouseMove();
  EXPECT_EQ(a.Label2_0.foreColor(), formAbout::LinkBlack);
  EXPECT_EQ(a.Label5.foreColor(), formAbout::LinkBlack);
}

TEST_F(AboutWindow, ALinkNothingOpensIsSaidWithItsAddress) {
  world.shell.browser = false;
  world.boxes.answer(mb::AnswerOk);
  world.app->about().Label5.click();
  ASSERT_EQ(world.boxes.shown.size(), 1u);
  EXPECT_NE(world.boxes.shown[0].text.find("https://example.org/"), std::string::npos);
  EXPECT_EQ(world.boxes.shown[0].title, "Квирло 3.01");
}

TEST_F(AboutWindow, BothSiteLabelsOpenTheSiteAndTheTownItsOwn) {
  formAbout& a = world.app->about();
  a.Label2_1.click();
  a.Label2_0.click();
  a.Label5.click();
  a.Label4.click();
  ASSERT_EQ(world.shell.addresses.size(), 3u);
  EXPECT_EQ(world.shell.addresses[0], world.shell.addresses[1]);
  EXPECT_NE(world.shell.addresses[2], world.shell.addresses[0]);
  EXPECT_TRUE(a.visible() || !a.isUnloaded()) << "it stays open";
}

}  // namespace
}  // namespace kvirlo
