#pragma once

#include <QObject>
#include <QPointer>
#include <map>
#include <memory>

#include "platform/event_gate.h"
#include "platform/qt/bindings/Binding.h"
#include "platform/view.h"
#include "platform/view_layout.h"
#include "platform/window.h"

#include <QWidget>

namespace kvirlo::qt {

class DesktopNotice;
class WindowWidget;

// The humble view of one window: its top-level widget, and one binding per
// control that does the control's part. It copies every change of the model
// into them and turns the user's input into the same model calls that code
// makes. It holds no program logic.
class WindowView : public QObject, public View, private BindingHost {
 public:
  WindowView(Window& model, EventGate& gate, Scale scale);
  ~WindowView() override;

  void windowChanged(Property property) override;
  void controlChanged(Control& control, Property property) override;
  void request(const WindowRequest& request) override;
  // The model is gone: the widgets go too, once the current event is over.
  void detach() override;

  QWidget* widget() const;
  QWidget* widgetOf(const Control& control) const;

 private:
  QWidget* surface() const override;
  Scale scale() const override { return scale_; }
  void deliver(const std::function<void()>& event) override;

  void buildWindow();
  void listenToWindow();
  void onActivation(bool active);
  bool moveFocus(bool forward);
  void onMouseUp(int button, QPoint at);
  void applyGeometry();
  void applyVisibility();
  void applyBackColor();
  void keepOnScreen();
  void setStackingHint(Qt::WindowType hint);
  void showAgain();
  void mapAnew();
  void showMenu(MenuItem& menu, const Control* beside);
  void callForAttention(const std::string& message);

  Window* model_;
  EventGate& gate_;
  Scale scale_;
  QPointer<WindowWidget> widget_;
  std::map<const Control*, std::unique_ptr<Binding>> bindings_;
  std::unique_ptr<DesktopNotice> notice_;
  bool placed_ = false;
  bool applyingGeometry_ = false;
  bool reportedActive_ = false;
};

}  // namespace kvirlo::qt
