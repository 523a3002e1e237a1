#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "alert/Form2.h"
#include "app/App.h"
#include "app/Form1.h"
#include "fakes/world.h"
#include "indicator/Form3.h"
#include "app/Program.h"
#include "platform/qt/QtViewFactory.h"
#include "sound/Player.h"
#include "indicator/Form4.h"
#include "tray/formAbout.h"

namespace kvirlo {
namespace {

using testing::World;

// The real Qt views over a program on fakes, in what only they do; what
// every toolkit's views do alike is in views/view_contract_cases.cpp.
struct Views : ::testing::Test {
  void SetUp() override {
    testing::endWithTheStandIn(program.gate());
    world.app = &program.open(world.services);
    program.run();
  }
  void TearDown() override { program.close(); }
  qt::WindowView* viewOf(const Window& w) { return static_cast<qt::WindowView*>(program.viewOf(w)); }
  template <typename W>
  W* widget(const Control& c) {
    qt::WindowView* v = viewOf(c.window());
    return v ? qobject_cast<W*>(v->widgetOf(c)) : nullptr;
  }
  QWidget* windowWidget(const Window& w) {
    qt::WindowView* v = viewOf(w);
    return v ? v->widget() : nullptr;
  }
  Form1& main() { return world.app->form1(); }

  World world;
  qt::QtViewFactory views{Scale{}};
  Program program{views};
};

TEST_F(Views, TheIndicatorIsBorderlessAndBlackWithItsCount) {
  world.startReminder("x", "18", "05");
  QWidget* indicator = windowWidget(world.app->form3());
  ASSERT_TRUE(indicator);
  EXPECT_TRUE(indicator->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(indicator->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(indicator->palette().color(QPalette::Window), QColor(0, 0, 0));
  world.clock.advance(Milliseconds(1000));
  EXPECT_EQ(widget<QLabel>(world.app->form3().Label2)->text(), "485 Мин.");
  EXPECT_FALSE(windowWidget(main())->isVisible());
}

TEST_F(Views, ClearingOnTopSendsTheIndicatorToTheBottom) {
  main().Check2.setValue(check::Unchecked);
  world.startReminder("x", "18", "05");
  QWidget* indicator = windowWidget(world.app->form3());
  EXPECT_TRUE(indicator->windowFlags() & Qt::WindowStaysOnBottomHint);
  EXPECT_FALSE(indicator->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(Views, MovingASliderSetsTheVolume) {
  main().mnuSound.click();
  QSlider* volume = widget<QSlider>(world.app->player().Slider1);
  ASSERT_TRUE(volume);
  EXPECT_EQ(volume->maximum(), 4999);
  EXPECT_EQ(volume->value(), 4999);
  volume->setFocus();
  QTest::keyClick(volume, Qt::Key_PageDown);
  EXPECT_EQ(world.app->settings.SoundVolume, -6);
  EXPECT_EQ(world.media.volume, -6);
}

// How many popup menus a right-button click at `at` opens; each is closed
// as soon as it shows.
int menusOpenedByRightClick(QWidget* target, QPoint at) {
  int opened = 0;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (QWidget* menu = QApplication::activePopupWidget()) {
      ++opened;
      menu->close();
    }
  });
  closer.start(10);
  QTest::mouseClick(target, Qt::RightButton, {}, at);
  QTest::qWait(30);
  return opened;
}

TEST_F(Views, OnlyTheWindowAndItsMenuFramesOpenTheMenuNeverAControl) {
  main().Command3.click();
  main().Check3.click();  // enables the option buttons
  QWidget* window = windowWidget(main());
  EXPECT_EQ(menusOpenedByRightClick(window, QPoint(2, 2)), 1) << "the bare window";
  for (Control* c : {&main().Command1, &main().Command3, &main().Check1, &main().Option1}) {
    QWidget* w = viewOf(main())->widgetOf(*c);
    EXPECT_EQ(menusOpenedByRightClick(w, w->rect().center()), 0) << c->name();
  }
}

// Each label's text takes the mouse itself, even where another label's box
// lies over it.
TEST_F(Views, TheCentreOfEveryLabelsTextIsThatLabelsOwn) {
  main().Command3.click();  // the extended layout, with the tuner's labels
  main().Text1.setText("x");
  world.app->form2().show();
  world.app->about().show();
  world.app->player().show();
  world.app->form3().show();
  world.app->form4().show();
  for (Window* w : world.app->windows()) {
    QWidget* window = windowWidget(*w);
    for (Control* c : w->controls()) {
      auto* label = qobject_cast<QLabel*>(viewOf(*w)->widgetOf(*c));
      if (c->kind() != ControlKind::Label || !label || label->text().isEmpty() || !c->visible()) continue;
      const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
      const QRect text = label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text());
      EXPECT_EQ(window->childAt(label->mapTo(window, text.center())), label)
          << windowName(w->id()) << "." << c->name();
    }
  }
  // Beside its text, a box no other control shares stays the label's: the
  // indicator is dragged by it.
  QLabel* count = widget<QLabel>(world.app->form3().Label2);
  EXPECT_EQ(windowWidget(world.app->form3())->childAt(count->geometry().topRight() + QPoint(-1, 1)), count);
}

// Pixels of a caption its widget cannot show, as its style lays it out with
// the font it has: 0 when the whole caption shows.
int cutPixels(QWidget* w) {
  const QFontMetrics metrics = w->fontMetrics();
  QStyle* style = w->style();
  if (auto* label = qobject_cast<QLabel*>(w)) {
    const QRect inside = label->contentsRect();
    if (!label->wordWrap())
      return std::max(metrics.horizontalAdvance(label->text()) - inside.width(), metrics.height() - inside.height());
    const QRect need = metrics.boundingRect(QRect(0, 0, inside.width(), 1 << 20), Qt::TextWordWrap, label->text());
    return std::max(need.width() - inside.width(), need.height() - inside.height());
  }
  if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QStyle::SubElement contents = qobject_cast<QCheckBox*>(w)      ? QStyle::SE_CheckBoxContents
                                        : qobject_cast<QRadioButton*>(w) ? QStyle::SE_RadioButtonContents
                                                                         : QStyle::SE_PushButtonContents;
    const QRect room = style->subElementRect(contents, &option, w);
    return std::max(metrics.horizontalAdvance(button->text()) - room.width(), metrics.height() - w->height());
  }
  if (auto* frame = qobject_cast<QGroupBox*>(w)) {
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect title = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, w);
    return std::max(title.right() + 1 - frame->width(), metrics.horizontalAdvance(frame->title()) - title.width());
  }
  return 0;
}

// Every caption, label, box, option, button and frame title of every window
// reads whole, in both layouts of the main window, at no less than 7 points.
TEST_F(Views, EveryCaptionReadsWholeWithTheFontItGets) {
  main().Text1.setText("x");
  world.app->form2().show();
  world.app->about().show();
  world.app->player().show();
  world.startReminder("x", "18", "05");
  world.app->form3().show();
  world.app->form4().show();
  for (const char* layout : {"compact", "extended"}) {
    for (Window* w : world.app->windows()) {
      if (!viewOf(*w) || !windowWidget(*w)) continue;
      for (Control* c : w->controls()) {
        QWidget* widget = viewOf(*w)->widgetOf(*c);
        if (!widget || !showsCaption(*c)) continue;
        EXPECT_LE(cutPixels(widget), 0) << layout << " " << windowName(w->id()) << "." << c->name() << " «"
                                        << c->text() << "» in " << widget->width() << " px";
        EXPECT_GE(widget->font().pointSizeF(), kSmallestPoints) << windowName(w->id()) << "." << c->name();
      }
    }
    main().Command3.click();
  }
}

// Labels the program gave no colour show their window's background; a
// disabled control has the platform's grey text whatever its colours.
TEST_F(Views, UncolouredLabelsShowTheirWindowAndDisabledControlsLookDisabled) {
  main().mnuSound.click();
  for (Control* c : world.app->player().controls()) {
    auto* label = qobject_cast<QLabel*>(viewOf(world.app->player())->widgetOf(*c));
    if (label) {
      EXPECT_FALSE(label->autoFillBackground()) << c->name();
    }
  }
  main().Command3.click();
  QCheckBox* box = widget<QCheckBox>(main().Check1);
  EXPECT_EQ(box->palette().color(box->backgroundRole()), QColor(0xE0, 0xE0, 0xE0)) << "the form's colour";
  QWidget* greyed = viewOf(main())->widgetOf(main().Option1);
  ASSERT_FALSE(greyed->isEnabled());
  EXPECT_EQ(greyed->palette().color(QPalette::Disabled, QPalette::WindowText),
            QApplication::palette().color(QPalette::Disabled, QPalette::WindowText));
  QLineEdit* channel = widget<QLineEdit>(main().Text4);
  ASSERT_FALSE(channel->isEnabled());
  EXPECT_EQ(channel->palette().color(QPalette::Disabled, QPalette::Text),
            QApplication::palette().color(QPalette::Disabled, QPalette::Text));
  // On any form colour, "Час." keeps its own.
  main().paintFormColor(rgb(10, 20, 30));
  QLabel* hour = widget<QLabel>(main().Label4);
  EXPECT_TRUE(hour->autoFillBackground());
  EXPECT_EQ(hour->palette().color(QPalette::Window), QColor(0xE0, 0xE0, 0xE0));
}

}  // namespace
}  // namespace kvirlo

namespace kvirlo {
namespace {

TEST_F(Views, AScreenReaderHearsOptionButtonsAndNamesForFields) {
  QAccessibleInterface* tv = QAccessible::queryAccessibleInterface(widget<QRadioButton>(main().Option1));
  ASSERT_TRUE(tv);
  EXPECT_EQ(tv->role(), QAccessible::RadioButton);
  for (Control* c : main().controls()) {
    if (c->accessibleName.empty()) continue;
    EXPECT_EQ(viewOf(main())->widgetOf(*c)->accessibleName().toStdString(), c->accessibleName);
  }
  // The indicator, with no title bar, is read by its count, as the count changes.
  world.app->form3().Label2.setText("5 Мин.");
  QAccessibleInterface* indicator = QAccessible::queryAccessibleInterface(windowWidget(world.app->form3()));
  EXPECT_EQ(indicator->text(QAccessible::Name).toStdString(), "До напоминания 5 Мин.");
  // Still each its own: choosing FM clears TV through the model only.
  main().Check3.click();
  QTest::mouseClick(widget<QRadioButton>(main().Option2), Qt::LeftButton);
  EXPECT_FALSE(widget<QRadioButton>(main().Option1)->isChecked());
  EXPECT_TRUE(widget<QRadioButton>(main().Option2)->isChecked());
}

// Shift+F10 in a field and the Menu key on a box (a context-menu event from
// the keyboard) open the main menu, whose first entry the arrows and Enter
// then choose.
TEST_F(Views, TheMenuKeysOpenTheMainMenu) {
  QTimer chooser;
  QObject::connect(&chooser, &QTimer::timeout, [] {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
      QTest::keyClick(menu, menu->activeAction() ? Qt::Key_Return : Qt::Key_Down);
  });
  chooser.start(10);
  QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(1, 1), QPoint(1, 1));
  for (int way = 0; way < 2; ++way) {
    QKeyEvent shiftF10(QEvent::KeyPress, Qt::Key_F10, Qt::ShiftModifier);
    if (way == 0) QApplication::sendEvent(widget<QLineEdit>(main().Text2), &shiftF10);
    else QApplication::sendEvent(widget<QCheckBox>(main().Check1), &menuKey);
    ASSERT_TRUE(world.app->exists(WindowId::formAbout)) << way;
    world.app->about().keyDown(keys::Escape);
  }
}

// A screen reader sets a field's whole text, toggles a box or an option and
// presses a button with no key and no click of its own: the model hears each
// as it hears typing and clicking.
TEST_F(Views, WhatAScreenReaderChangesReachesTheModel) {
  auto accessible = [&](const Control& c) {
    return QAccessible::queryAccessibleInterface(viewOf(c.window())->widgetOf(c));
  };
  for (auto [field, text] : {std::pair{&main().Text1, "чай"}, {&main().Text2, "12"}, {&main().Text3, "34"}}) {
    accessible(*field)->setText(QAccessible::Value, text);
    EXPECT_EQ(field->text(), text) << field->name();
  }
  const QString toggle = QAccessibleActionInterface::toggleAction();
  accessible(main().Check1)->actionInterface()->doAction(toggle);
  EXPECT_EQ(main().Check1.value(), check::Unchecked);
  EXPECT_FALSE(widget<QCheckBox>(main().Check2)->isEnabled()) << "its handler ran";
  Form4& dialog = world.app->form4();
  dialog.show();
  for (int twice = 0; twice < 2; ++twice) {
    accessible(dialog.Option2)->actionInterface()->doAction(toggle);
    EXPECT_EQ(dialog.Option2.value(), 1);
    EXPECT_TRUE(widget<QRadioButton>(dialog.Option2)->isChecked()) << "toggled again, it stays chosen";
  }
  accessible(main().Command1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !main().visible(); })) << "«Пуск» started the reminder";
  EXPECT_EQ(world.store.values["running"], "ON");
}

}  // namespace
}  // namespace kvirlo
