#pragma once

#include <QObject>
#include <QPointer>
#include <map>

#include "platform/event_gate.h"
#include "platform/view_layout.h"
#include "platform/window.h"

class QWidget;

namespace kvirlo::qt {

class WindowWidget;

// The humble view of one window: it builds the real widgets from the model,
// copies every change of the model into them, and turns the user's input
// into the same model calls that code makes. It holds no program logic.
class WindowView : public QObject {
 public:
  WindowView(Window& model, EventGate& gate, Scale scale);
  ~WindowView() override;

  void windowChanged(Property property);
  void controlChanged(Control& control, Property property);
  void request(const WindowRequest& request);
  // The model is gone: the widgets go too, once the current event is over.
  void detach();

  QWidget* widget() const;
  QWidget* widgetOf(const Control& control) const;

 private:
  QWidget* build(Control& control);
  void wire(Control& control, QWidget* widget);
  void apply(Control& control, QWidget* widget, Property property);
  void applyGeometry();
  void applyVisibility();
  void keepOnScreen();
  void setStackingHint(Qt::WindowType hint);
  void showMenu(MenuItem& menu);
  void deliver(const std::function<void()>& event);

  Window* model_;
  EventGate& gate_;
  Scale scale_;
  QPointer<WindowWidget> widget_;
  std::map<Control*, QPointer<QWidget>> controls_;
  bool placed_ = false;
  bool applyingGeometry_ = false;
  bool reportedActive_ = false;
};

}  // namespace kvirlo::qt
