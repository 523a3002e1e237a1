// The shared view cases' probe over the Qt views, offscreen, on a program
// on fakes.

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include "app/Program.h"
#include "fakes/world.h"
#include "platform/qt/QtViewFactory.h"
#include "platform/qt/WindowView.h"
#include "views/view_contract.h"

namespace kvirlo::testing {
namespace {

PixelRect pixels(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

class QtProbe : public ViewProbe {
 public:
  QtProbe() {
    world_.app = &program_.open(world_.services);
    program_.run();
  }
  ~QtProbe() override { program_.close(); }

  App& app() override { return *world_.app; }
  bool hasWindow(const Window& w) override { return windowOf(w); }
  bool hasWidget(const Control& c) override { return widgetOf(c); }
  std::string caption(const Window& w) override { return windowOf(w)->windowTitle().toStdString(); }

  std::string text(const Control& c) override {
    QWidget* w = widgetOf(c);
    if (auto* line = qobject_cast<QLineEdit*>(w)) return line->text().toStdString();
    if (auto* lines = qobject_cast<QPlainTextEdit*>(w)) return lines->toPlainText().toStdString();
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text().toStdString();
    if (auto* frame = qobject_cast<QGroupBox*>(w)) return frame->title().toStdString();
    return {};
  }
  bool checked(const Control& c) override { return qobject_cast<QAbstractButton*>(widgetOf(c))->isChecked(); }
  bool enabled(const Control& c) override { return widgetOf(c)->isEnabled(); }
  Colour fieldColour(const Control& c) override {
    const QColor colour = widgetOf(c)->palette().color(QPalette::Base);
    return rgb(colour.red(), colour.green(), colour.blue());
  }
  bool shown(const Window& w) override { return windowOf(w) && windowOf(w)->isVisible(); }
  bool staysOnTop(const Window& w) override { return windowOf(w)->windowFlags() & Qt::WindowStaysOnTopHint; }
  PixelRect frame(const Window& w) override { return pixels(windowOf(w)->frameGeometry()); }
  PixelRect client(const Window& w) override { return pixels(windowOf(w)->geometry()); }
  PixelRect workArea() override { return pixels(QGuiApplication::primaryScreen()->availableGeometry()); }
  const Control* focused(const Window& w) override {
    QWidget* focus = windowOf(w)->focusWidget();
    for (Control* c : w.controls())
      if (QWidget* own = widgetOf(*c); focus && own && (own == focus || own->isAncestorOf(focus))) return c;
    return nullptr;
  }
  std::function<bool()> watch(const Window& w) override {
    return [window = QPointer<QWidget>(windowOf(w))] { return !window.isNull(); };
  }

  void click(const Control& c) override { QTest::mouseClick(widgetOf(c), Qt::LeftButton); }
  void closeBox(const Window& w) override { windowOf(w)->close(); }
  void focus(const Control& c, bool selectText) override {
    QWidget* w = widgetOf(c);
    w->setFocus();
    if (auto* line = qobject_cast<QLineEdit*>(w)) selectText ? line->selectAll() : line->end(false);
    typingWindow_ = windowOf(c.window());
  }
  // Any letter, as a keyboard of its script sends it.
  void type(const std::string& text) override {
    for (QChar ch : QString::fromStdString(text))
      QTest::sendKeyEvent(QTest::Click, target(), Qt::Key(ch.toUpper().unicode()), QString(ch), Qt::NoModifier);
  }
  void press(Key key) override {
    static const Qt::Key keys[] = {Qt::Key_Tab,   Qt::Key_Return, Qt::Key_Escape, Qt::Key_Backspace,
                                   Qt::Key_Space, Qt::Key_Up,     Qt::Key_Down};
    QTest::keyClick(target(), keys[static_cast<int>(key)]);
  }
  void settle() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

 private:
  qt::WindowView* viewOf(const Window& w) { return static_cast<qt::WindowView*>(program_.viewOf(w)); }
  QWidget* windowOf(const Window& w) { return viewOf(w) ? viewOf(w)->widget() : nullptr; }
  QWidget* widgetOf(const Control& c) { return viewOf(c.window()) ? viewOf(c.window())->widgetOf(c) : nullptr; }
  // The keys go where the focus is in the window last given it.
  QWidget* target() {
    QWidget* window = typingWindow_.data();
    return window && window->focusWidget() ? window->focusWidget() : window;
  }

  World world_;
  qt::QtViewFactory views_{Scale{}};
  Program program_{views_};
  QPointer<QWidget> typingWindow_;
};

}  // namespace

std::unique_ptr<ViewProbe> makeViewProbe() { return std::make_unique<QtProbe>(); }

}  // namespace kvirlo::testing
