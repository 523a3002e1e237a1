#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "platform/window/control.h"
#include "platform/window/view_layout.h"

#include <QWidget>

namespace kvirlo::qt {

class EventLabel;

// What a binding needs of the window view it belongs to.
class BindingHost {
 public:
  virtual ~BindingHost() = default;
  // The window's widget, on which the controls lie.
  virtual QWidget* surface() const = 0;
  virtual Scale scale() const = 0;
  // Runs a user's input as an event of the program; nothing once the
  // window's model is gone.
  virtual void deliver(const std::function<void()>& event) = 0;
};

// One control on its Qt widget: the binding creates the widget, copies the
// model's properties into it and forwards the user's input to the model.
// What all kinds share is here; each kind adds its own widget, properties
// and input.
class Binding : public QObject {
 public:
  Binding(Control& control, BindingHost& host);
  ~Binding() override;
  Binding(const Binding&) = delete;
  Binding& operator=(const Binding&) = delete;

  // Creates the widget with every property of the model, then listens to it.
  void build();
  // Copies one property of the model; a copy is no user's input.
  void apply(Property property);

  Control& control() const { return control_; }
  QWidget* widget() const { return widget_; }

  // Runs a user's input as an event of the program.
  void deliver(const std::function<void()>& event) { host_.deliver(event); }

 protected:
  virtual QWidget* create(QWidget* parent) = 0;
  // The properties only some kinds have: text, value, range, locked.
  virtual void applyOwn(Property property) = 0;
  virtual void forwardInput() = 0;
  // Back and fore colours on the widget's surface; fields override it.
  virtual void applyColours();
  // After the box moved, resized or changed its text.
  virtual void reshaped() {}

  // A handle on this binding for a widget's callbacks: an input may unload
  // the window, and the binding goes with it before the widget does.
  QPointer<Binding> guard() { return this; }
  // A label's or picture's presses, releases, clicks and moves.
  void forwardPointer(EventLabel& label);
  Scale scale() const { return host_.scale(); }

  Control& control_;

 private:
  void applyFontAndTip();
  // The box and font size that show the whole caption.
  void fitCaption();
  int captionMargin() const;

  BindingHost& host_;
  QFont designFont_;
  QPointer<QWidget> widget_;
};

// One binding a kind, in bindings/<Kind>Binding.cpp; bindingFor
// (platform/window/binding_for.h) picks among them.
#define KVIRLO_BINDING_MAKER(kind) std::unique_ptr<Binding> make##kind##Binding(Control& control, BindingHost& host);
KVIRLO_CONTROL_KINDS(KVIRLO_BINDING_MAKER)
#undef KVIRLO_BINDING_MAKER

}  // namespace kvirlo::qt
