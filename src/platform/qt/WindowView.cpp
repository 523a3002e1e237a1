#include "platform/menu_item.h"
#include "platform/qt/WindowView.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "platform/qt/menus.h"
#include "platform/qt/activation_token.h"
#include "platform/qt/desktop_notice.h"
#include "platform/qt/pictures.h"
#include "platform/qt/taskbar.h"
#include "platform/qt/text.h"
#include "platform/qt/trace.h"
#include "platform/qt/wayland.h"
#include "platform/qt/widgets.h"
#include "platform/tab_order.h"

namespace kvirlo::qt {
namespace {

// The one place that knows which binding serves which kind of control.
std::unique_ptr<Binding> bindingFor(Control& c, BindingHost& host) {
  switch (c.kind()) {
    case ControlKind::Label: return labelBinding(c, host);
    case ControlKind::Picture: return pictureBinding(c, host);
    case ControlKind::TextBox: return textBoxBinding(c, host);
    case ControlKind::CheckBox: return checkBoxBinding(c, host);
    case ControlKind::OptionButton: return optionButtonBinding(c, host);
    case ControlKind::CommandButton: return commandButtonBinding(c, host);
    case ControlKind::Frame: return frameBinding(c, host);
    case ControlKind::Line: return lineBinding(c, host);
    case ControlKind::Slider: return sliderBinding(c, host);
    case ControlKind::UpDown: return upDownBinding(c, host);
  }
  return nullptr;
}

Qt::WindowFlags flagsOf(const Window& model) {
  Qt::WindowFlags flags = model.taskbarButton ? Qt::Window : Qt::Tool;
  if (model.border == BorderStyle::None) return flags | Qt::FramelessWindowHint;
  flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
  if (model.minButton) flags |= Qt::WindowMinimizeButtonHint;
  if (model.maxButton) flags |= Qt::WindowMaximizeButtonHint;
  return flags;
}

PixelRect pixels(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

WindowView::WindowView(Window& model, EventGate& gate, Scale scale)
    : model_(&model), gate_(gate), scale_(scale) {
  trace("created", windowName(model.id()));
  if (model.neverShown) return;  // it only carries a popup menu
  buildWindow();
  for (Control* c : model.controls()) {
    auto binding = bindingFor(*c, *this);
    binding->build();
    bindings_[c] = std::move(binding);
  }
  applyBackColor();
  applyGeometry();
  if (!model.backgroundPicture.empty()) widget_->background = alertBackground(widget_->size());
  listenToWindow();
}

WindowView::~WindowView() {
  bindings_.clear();
  if (!widget_) return;
  widget_->silence();
  widget_->deleteLater();
}

void WindowView::buildWindow() {
  const std::string name = windowName(model_->id());
  widget_ = new WindowWidget();
  widget_->setWindowTitle(q(model_->caption()));
  widget_->setAccessibleName(q(model_->accessibleName()));
  widget_->setObjectName(q(name));
  widget_->onFirstPaint = [name] { trace("painted", name); };
  widget_->setWindowFlags(flagsOf(*model_));
  if (model_->hasIcon) widget_->setWindowIcon(appIcon());
  widget_->setAutoFillBackground(true);
}

void WindowView::listenToWindow() {
  WindowWidget* w = widget_;
  w->onCloseRequest = [this] { deliver([this] { model_->requestClose(); }); };
  w->onMouseUp = [this](int b, QPoint at) { onMouseUp(b, at); };
  w->onMouseMove = [this](int b) { deliver([this, b] { model_->Form_MouseMove(b); }); };
  w->onMoved = [this] {
    if (applyingGeometry_ || !model_ || !widget_ || !widget_->isVisible()) return;
    // A place the desktop never told is no place: the window keeps the one
    // it had, and the settings file too.
    if (onNativeWayland()) return;
    model_->noteMovedTo(scale_.twips(widget_->x()), scale_.twips(widget_->y()));
  };
  w->onActivation = [this](bool active) { onActivation(active); };
  w->onKey = [this](int key) { deliver([this, key] { model_->keyDown(key); }); };
  w->onTab = [this](bool forward) { return moveFocus(forward); };
}

// Tab and Shift+Tab: the next control in reading order that takes the
// keyboard. Its widget is told it came by Tab, so a field selects its text.
bool WindowView::moveFocus(bool forward) {
  if (!model_ || !widget_) return false;
  const Control* from = nullptr;
  QWidget* focused = widget_->focusWidget();
  for (const auto& [control, binding] : bindings_)
    if (focused && binding->widget() && (binding->widget() == focused || binding->widget()->isAncestorOf(focused)))
      from = control;
  Control* to = nextInTabOrder(*model_, from, forward);
  QWidget* target = to ? widgetOf(*to) : nullptr;
  if (!target) return false;
  target->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

void WindowView::onActivation(bool active) {
  if (!active) {
    reportedActive_ = false;
    return;
  }
  if (reportedActive_) return;
  reportedActive_ = true;
  deliver([this] { model_->activate(); });
}

// A release the controls left to the window: over its bare background, or
// over a disabled control. The innermost frame there answers, else the window.
void WindowView::onMouseUp(int button, QPoint at) {
  if (!model_) return;
  Control* frame = frameAt(*model_, scale_.twips(at.x()), scale_.twips(at.y()));
  if (frame) deliver([frame, button] { frame->mouseUp(button); });
  else deliver([this, button] { model_->Form_MouseUp(button); });
}

QWidget* WindowView::widget() const { return widget_; }

QWidget* WindowView::surface() const { return widget_; }

QWidget* WindowView::widgetOf(const Control& control) const {
  auto it = bindings_.find(&control);
  return it == bindings_.end() ? nullptr : it->second->widget();
}

void WindowView::deliver(const std::function<void()>& event) {
  if (!model_) return;
  gate_.run(event);
}

void WindowView::detach() {
  model_ = nullptr;
  notice_.reset();
  bindings_.clear();
  if (!widget_) return;
  widget_->silence();
  widget_->hide();
  widget_->deleteLater();
  widget_ = nullptr;
}

void WindowView::controlChanged(Control& control, Property property) {
  if (!model_) return;
  auto it = bindings_.find(&control);
  if (it != bindings_.end()) it->second->apply(property);
}

void WindowView::windowChanged(Property property) {
  if (!widget_ || !model_) return;
  switch (property) {
    case Property::Text:
      widget_->setWindowTitle(q(model_->caption()));
      [[fallthrough]];
    case Property::Name: widget_->setAccessibleName(q(model_->accessibleName())); break;
    case Property::Visible: applyVisibility(); break;
    case Property::Geometry: applyGeometry(); break;
    case Property::BackColor: applyBackColor(); break;
    default: break;
  }
}

void WindowView::applyBackColor() {
  QPalette palette = widget_->palette();
  palette.setColor(QPalette::Window, toQColor(model_->backColor()));
  widget_->setPalette(palette);
}

void WindowView::applyGeometry() {
  if (!widget_) return;
  const Window& m = *model_;
  const ClientSize size = clientSize(m);
  applyingGeometry_ = true;
  widget_->setFixedSize(std::max(1, scale_.px(size.width)), std::max(1, scale_.px(size.height)));
  if (!m.centred) {
    widget_->move(scale_.px(m.left()), scale_.px(m.top()));
    keepOnScreen();
  }
  applyingGeometry_ = false;
}

// A window stored off every screen comes back onto the main screen, and the
// program keeps the place it really has.
void WindowView::keepOnScreen() {
  QScreen* primary = QGuiApplication::primaryScreen();
  if (!primary) return;
  std::vector<PixelRect> areas;
  for (QScreen* screen : QGuiApplication::screens()) areas.push_back(pixels(screen->availableGeometry()));
  const auto place = placeOnScreen(pixels(QRect(widget_->pos(), widget_->size())), areas,
                                   pixels(primary->availableGeometry()));
  if (!place) return;
  widget_->move(place->x, place->y);
  model_->noteMovedTo(scale_.twips(place->x), scale_.twips(place->y));
}

void WindowView::applyVisibility() {
  if (!widget_) return;
  if (!model_->visible()) {
    notice_.reset();
    widget_->hide();
    return;
  }
  if (model_->centred && !placed_) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
      const PixelPoint at = centredIn(pixels(screen->availableGeometry()), widget_->width(), widget_->height());
      widget_->move(at.x, at.y);
    }
    placed_ = true;
  }
  widget_->show();
  if (!model_->taskbarButton) keepOffTaskbar(*widget_);
}

void WindowView::setStackingHint(Qt::WindowType hint) {
  if (!widget_) return;
  const Qt::WindowFlags wanted =
      (widget_->windowFlags() & ~(Qt::WindowStaysOnTopHint | Qt::WindowStaysOnBottomHint)) | hint;
  if (wanted == widget_->windowFlags()) return;
  const bool shown = widget_->isVisible();
  widget_->setWindowFlags(wanted);  // hides the window; show it again
  if (shown) showAgain();
}

void WindowView::showAgain() {
  widget_->show();
  if (model_ && !model_->taskbarButton) keepOffTaskbar(*widget_);
}

void WindowView::request(const WindowRequest& r) {
  switch (r.kind) {
    case WindowRequest::Kind::Activate:
      if (widget_ && widget_->isVisible()) {
        reportedActive_ = true;  // the activation that follows is this one
        useHandedOverToken(*widget_);
        // Forward means out of the task bar too.
        if (widget_->isMinimized()) widget_->setWindowState(widget_->windowState() & ~Qt::WindowMinimized);
        widget_->raise();
        widget_->activateWindow();
      }
      break;
    case WindowRequest::Kind::TopMost:
      setStackingHint(Qt::WindowStaysOnTopHint);
      if (widget_) widget_->raise();
      break;
    case WindowRequest::Kind::Bottom:
      setStackingHint(Qt::WindowStaysOnBottomHint);
      if (widget_) widget_->lower();
      break;
    case WindowRequest::Kind::BeginDrag:
      if (widget_ && widget_->windowHandle()) widget_->windowHandle()->startSystemMove();
      break;
    case WindowRequest::Kind::Focus:
      if (QWidget* w = widgetOf(*r.control); w && widget_ && widget_->isVisible()) {
        w->setFocus();
        // What the user types next replaces the text.
        if (auto* line = qobject_cast<QLineEdit*>(w); line && r.selectText) line->selectAll();
      }
      break;
    case WindowRequest::Kind::PopupMenu:
      if (r.menu) showMenu(*r.menu, r.control);
      break;
    case WindowRequest::Kind::Attention:
      callForAttention(r.message);
      break;
  }
}

// Where a window cannot stay above the others (native Wayland) it could lie
// buried while it rings: it asks for attention, and a desktop notification
// says it too. Choosing the notification brings the window forward.
void WindowView::callForAttention(const std::string& message) {
  if (!widget_ || !model_ || !onNativeWayland()) return;
  QApplication::alert(widget_);
  notice_ = std::make_unique<DesktopNotice>(q(model_->caption()), q(message), [this](const QString& token) {
    handOver({token.toStdString(), {}});
    if (token.isEmpty()) mapAnew();
    deliver([this] { model_->show(); });
  }, nullptr);
}

// A desktop that hands its notifications no token (GNOME's) lets no window
// take the focus by asking, yet gives it to a window it maps: the window goes
// from the screen and comes back, a new one to the compositor. The model
// never hears of it; the window keeps its state and the alarm rings on.
void WindowView::mapAnew() {
  if (!widget_ || !widget_->isVisible()) return;
  widget_->hide();
  showAgain();
}

// At the pointer; opened from the keyboard, under the focused control.
void WindowView::showMenu(MenuItem& root, const Control* beside) {
  QMenu menu;
  const auto items = fillMenu(menu, root);
  QWidget* under = beside ? widgetOf(*beside) : nullptr;
  QAction* chosen = menu.exec(under ? under->mapToGlobal(QPoint(0, under->height())) : QCursor::pos());
  if (!chosen || !model_) return;
  auto it = items.find(chosen);
  if (it != items.end()) it->second->click();
}

}  // namespace kvirlo::qt
