#pragma once

#include <QObject>
#include <QPointer>
#include <map>
#include <memory>

#include "platform/window/event_gate.h"
#include "platform/qt/bindings/Binding.h"
#include "platform/window/view_layout.h"
#include "platform/window/window.h"
#include "platform/window/window_view_base.h"

#include <QWidget>

namespace kvirlo::qt {

class DesktopNotice;
class WindowWidget;

// The humble view of one window: its top-level widget, and one binding per
// control that does the control's part. What every window does the same way
// is the base's; this supplies the widgets' primitives.
class WindowView : public QObject, public WindowViewBase, private BindingHost {
 public:
  WindowView(Window& model, EventGate& gate, Scale scale);
  ~WindowView() override;

  QWidget* widget() const;
  QWidget* widgetOf(const Control& control) const;

 private:
  QWidget* surface() const override;
  Scale scale() const override { return viewScale(); }
  void deliver(const std::function<void()>& event) override { WindowViewBase::deliver(event); }

  bool hasWindow() const override;
  PixelRect frame() const override;
  void moveFrameTo(PixelPoint at) override;
  void setClientSize(int width, int height) override;
  std::vector<PixelRect> workAreas() const override;
  PixelRect mainWorkArea() const override;
  bool isShown() const override;
  void showWindow() override;
  void hideWindow() override;
  void applyCaption() override;
  void applyAccessibleName() override;
  void applyBackColor() override;
  void applyControl(Control& control, Property property) override;
  void bringForward() override;
  void stayOnTop() override;
  void stayAtBottom() override;
  void startDrag() override;
  void callForAttention(const std::string& message) override;
  const Control* focusedControl() const override;
  bool focusControl(Control& control, bool selectText) override;
  bool focusByTab(Control& control, bool forward) override;
  int runMenu(const MenuEntries& menu, const Control* beside) override;
  // The widgets go too, once the current event is over.
  void release() override;

  void buildWindow();
  void listenToWindow();
  void setStackingHint(Qt::WindowType hint);
  void showAgain();
  void mapAnew();

  QPointer<WindowWidget> widget_;
  std::map<const Control*, std::unique_ptr<Binding>> bindings_;
  std::unique_ptr<DesktopNotice> notice_;
};

}  // namespace kvirlo::qt
