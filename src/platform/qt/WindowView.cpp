#include "platform/qt/WindowView.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "platform/window/binding_for.h"
#include "platform/window/menu_item.h"
#include "platform/qt/menus.h"
#include "platform/qt/activation_token.h"
#include "platform/qt/desktop_notice.h"
#include "platform/qt/pictures.h"
#include "platform/qt/taskbar.h"
#include "platform/qt/text.h"
#include "platform/qt/trace.h"
#include "platform/qt/wayland.h"
#include "platform/qt/widgets.h"

namespace kvirlo::qt {
namespace {

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

WindowView::WindowView(Window& model, EventGate& gate, Scale scale) : WindowViewBase(model, gate, scale) {
  trace("created", windowName(model.id()));
  if (model.neverShown) return;  // it only carries a popup menu
  buildWindow();
  BindingHost& host = *this;
  for (Control* c : model.controls()) {
    auto binding = bindingFor<Binding>(*c, host);
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
  const std::string name = windowName(model()->id());
  widget_ = new WindowWidget();
  widget_->setWindowTitle(q(model()->caption()));
  widget_->setAccessibleName(q(model()->accessibleName()));
  widget_->setObjectName(q(name));
  widget_->onFirstPaint = [name] { trace("painted", name); };
  widget_->setWindowFlags(flagsOf(*model()));
  if (model()->hasIcon) widget_->setWindowIcon(appIcon());
  widget_->setAutoFillBackground(true);
}

void WindowView::listenToWindow() {
  WindowWidget* w = widget_;
  w->onCloseRequest = [this] { deliver([this] { model()->requestClose(); }); };
  w->onMouseUp = [this](int b, QPoint at) { releasedOnWindow(b, {at.x(), at.y()}); };
  w->onMouseMove = [this](int b) { movedOnWindow(b); };
  w->onMoved = [this] {
    // A place the desktop never told is no place: the window keeps the one
    // it had, and the settings file too.
    if (!widget_ || onNativeWayland()) return;
    movedTo({widget_->x(), widget_->y()});
  };
  w->onActivation = [this](bool active) { activated(active); };
  w->onKey = [this](int key) { deliver([this, key] { model()->keyDown(key); }); };
  w->onTab = [this](bool forward) { return tab(forward); };
}

const Control* WindowView::focusedControl() const {
  QWidget* focused = widget_ ? widget_->focusWidget() : nullptr;
  if (!focused) return nullptr;
  for (const auto& [control, binding] : bindings_)
    if (binding->widget() && (binding->widget() == focused || binding->widget()->isAncestorOf(focused)))
      return control;
  return nullptr;
}

// Its widget is told it came by Tab, so a field selects its text.
bool WindowView::focusByTab(Control& control, bool forward) {
  QWidget* target = widgetOf(control);
  if (!target) return false;
  target->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

bool WindowView::focusControl(Control& control, bool selectText) {
  QWidget* w = widgetOf(control);
  if (!w) return false;
  w->setFocus();
  // What the user types next replaces the text.
  if (auto* line = qobject_cast<QLineEdit*>(w); line && selectText) line->selectAll();
  return true;
}

QWidget* WindowView::widget() const { return widget_; }

QWidget* WindowView::surface() const { return widget_; }

QWidget* WindowView::widgetOf(const Control& control) const {
  auto it = bindings_.find(&control);
  return it == bindings_.end() ? nullptr : it->second->widget();
}

void WindowView::release() {
  notice_.reset();
  bindings_.clear();
  if (!widget_) return;
  widget_->silence();
  widget_->hide();
  widget_->deleteLater();
  widget_ = nullptr;
}

void WindowView::applyControl(Control& control, Property property) {
  auto it = bindings_.find(&control);
  if (it != bindings_.end()) it->second->apply(property);
}

void WindowView::applyCaption() {
  widget_->setWindowTitle(q(model()->caption()));
  applyAccessibleName();
}

void WindowView::applyAccessibleName() { widget_->setAccessibleName(q(model()->accessibleName())); }

void WindowView::applyBackColor() {
  QPalette palette = widget_->palette();
  palette.setColor(QPalette::Window, toQColor(model()->backColor()));
  widget_->setPalette(palette);
}

// With the title bar and borders, once the desktop has drawn them: a window
// kept on screen or centred is kept or centred whole.
PixelRect WindowView::frame() const { return pixels(widget_->frameGeometry()); }

void WindowView::moveFrameTo(PixelPoint at) { widget_->move(at.x, at.y); }

void WindowView::setClientSize(int width, int height) { widget_->setFixedSize(width, height); }

std::vector<PixelRect> WindowView::workAreas() const {
  std::vector<PixelRect> areas;
  for (QScreen* screen : QGuiApplication::screens()) areas.push_back(pixels(screen->availableGeometry()));
  return areas;
}

PixelRect WindowView::mainWorkArea() const {
  QScreen* primary = QGuiApplication::primaryScreen();
  return primary ? pixels(primary->availableGeometry()) : PixelRect{};
}

bool WindowView::hasWindow() const { return widget_ != nullptr; }

bool WindowView::isShown() const { return widget_ && widget_->isVisible(); }

void WindowView::showWindow() {
  widget_->show();
  if (!model()->taskbarButton) keepOffTaskbar(*widget_);
}

void WindowView::hideWindow() {
  notice_.reset();
  widget_->hide();
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
  if (model() && !model()->taskbarButton) keepOffTaskbar(*widget_);
}

void WindowView::bringForward() {
  useHandedOverToken(*widget_);
  // Forward means out of the task bar too.
  if (widget_->isMinimized()) widget_->setWindowState(widget_->windowState() & ~Qt::WindowMinimized);
  widget_->raise();
  widget_->activateWindow();
}

void WindowView::stayOnTop() {
  setStackingHint(Qt::WindowStaysOnTopHint);
  if (widget_) widget_->raise();
}

void WindowView::stayAtBottom() {
  setStackingHint(Qt::WindowStaysOnBottomHint);
  if (widget_) widget_->lower();
}

void WindowView::startDrag() {
  if (widget_ && widget_->windowHandle()) widget_->windowHandle()->startSystemMove();
}

// Where a window cannot stay above the others (native Wayland) it could lie
// buried while it rings: it asks for attention, and a desktop notification
// says it too. Choosing the notification brings the window forward.
void WindowView::callForAttention(const std::string& message) {
  if (!widget_ || !onNativeWayland()) return;
  QApplication::alert(widget_);
  notice_ = std::make_unique<DesktopNotice>(q(model()->caption()), q(message), [this](const QString& token) {
    handOver({token.toStdString(), {}});
    if (token.isEmpty()) mapAnew();
    deliver([this] { model()->show(); });
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
int WindowView::runMenu(const MenuEntries& entries, const Control* beside) {
  QMenu menu;
  const auto commands = fillMenu(menu, entries);
  QWidget* under = beside ? widgetOf(*beside) : nullptr;
  QAction* chosen = menu.exec(under ? under->mapToGlobal(QPoint(0, under->height())) : QCursor::pos());
  auto it = chosen ? commands.find(chosen) : commands.end();
  return it == commands.end() ? 0 : it->second;
}

}  // namespace kvirlo::qt
