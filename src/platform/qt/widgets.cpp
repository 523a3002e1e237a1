#include "platform/qt/widgets.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

#include "platform/window/control.h"

namespace kvirlo::qt {

int buttonCode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return buttons::Left;
    case Qt::RightButton: return buttons::Right;
    case Qt::MiddleButton: return buttons::Middle;
    default: return 0;
  }
}

int buttonsCode(Qt::MouseButtons held) {
  int code = 0;
  if (held & Qt::LeftButton) code |= buttons::Left;
  if (held & Qt::RightButton) code |= buttons::Right;
  if (held & Qt::MiddleButton) code |= buttons::Middle;
  return code;
}

// Letters and digits are their ASCII codes.
int keyCode(const QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Backspace: return keys::Backspace;
    case Qt::Key_Space: return keys::Space;
    case Qt::Key_Return:
    case Qt::Key_Enter: return keys::Enter;
    case Qt::Key_Escape: return keys::Escape;
    case Qt::Key_Delete: return keys::Delete;
    default: return event->key() < 256 ? event->key() : 0;
  }
}

KeyFilter::KeyFilter(QObject* parent, std::function<bool(int)> onKey)
    : QObject(parent), onKey_(std::move(onKey)) {}

bool KeyFilter::eventFilter(QObject*, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  return onKey_(keyCode(static_cast<QKeyEvent*>(event)));
}

ArrowFilter::ArrowFilter(QObject* parent, std::function<bool(bool)> onArrow)
    : QObject(parent), onArrow_(std::move(onArrow)) {}

bool ArrowFilter::eventFilter(QObject*, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier)) return false;
  switch (key->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right: return onArrow_(true);
    case Qt::Key_Up:
    case Qt::Key_Left: return onArrow_(false);
    default: return false;
  }
}

MenuKeyFilter::MenuKeyFilter(QObject* parent, std::function<bool()> onMenuKey)
    : QObject(parent), onMenuKey_(std::move(onMenuKey)) {}

bool MenuKeyFilter::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::ContextMenu)
    return static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard && onMenuKey_();
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  return key->key() == Qt::Key_F10 && (key->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier &&
         onMenuKey_();
}

WindowWidget::WindowWidget() { setMouseTracking(true); }

void WindowWidget::silence() {
  onCloseRequest = nullptr;
  onMouseUp = nullptr;
  onMouseMove = nullptr;
  onMoved = nullptr;
  onActivation = nullptr;
  onKey = nullptr;
  onTab = nullptr;
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && onKey) {
    onKey(keys::Escape);
    return;
  }
  QWidget::keyPressEvent(event);
}

// Tab goes in the program's reading order rather than the widgets' order of
// creation.
bool WindowWidget::focusNextPrevChild(bool next) {
  if (onTab) return onTab(next);
  return QWidget::focusNextPrevChild(next);
}

void WindowWidget::closeEvent(QCloseEvent* event) {
  // The program decides: the model unloads the window or ends the program.
  event->ignore();
  if (onCloseRequest) onCloseRequest();
}

void WindowWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (onMouseUp) onMouseUp(buttonCode(event->button()), event->position().toPoint());
}

void WindowWidget::mouseMoveEvent(QMouseEvent* event) {
  if (onMouseMove) onMouseMove(buttonsCode(event->buttons()));
}

void WindowWidget::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (onMoved) onMoved();
}

void WindowWidget::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && onActivation) onActivation(isActiveWindow());
}

void WindowWidget::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (!painted_ && onFirstPaint) {
    painted_ = true;
    onFirstPaint();
  }
  if (background.isNull()) return;
  QPainter painter(this);
  painter.drawPixmap(rect(), background);
}

EventLabel::EventLabel(QWidget* parent) : QLabel(parent) { setMouseTracking(true); }

void EventLabel::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (onMouseDown) onMouseDown(buttonCode(event->button()));
}

void EventLabel::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  const int button = buttonCode(event->button());
  if (onMouseUp) onMouseUp(button);
  if (button == buttons::Left && rect().contains(event->position().toPoint()) && onClick) onClick();
}

void EventLabel::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  if (onMouseMove) onMouseMove();
}

EventGroupBox::EventGroupBox(QWidget* parent) : QGroupBox(parent) {}

void EventGroupBox::mousePressEvent(QMouseEvent* event) { event->accept(); }

void EventGroupBox::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (onMouseUp) onMouseUp(buttonCode(event->button()));
}

SpinArrows::SpinArrows(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  up_->setAutoRepeat(true);
  down_->setAutoRepeat(true);
  up_->setObjectName("up");
  down_->setObjectName("down");
  up_->setAccessibleName("Больше");
  down_->setAccessibleName("Меньше");
  up_->setFocusPolicy(Qt::NoFocus);
  down_->setFocusPolicy(Qt::NoFocus);
  setFocusPolicy(Qt::StrongFocus);
  setFocusProxy(up_);  // the up arrow draws the focus
  up_->installEventFilter(this);
  connect(up_, &QToolButton::clicked, this, [this] {
    if (onStep) onStep(+1);
  });
  connect(down_, &QToolButton::clicked, this, [this] {
    if (onStep) onStep(-1);
  });
}

bool SpinArrows::eventFilter(QObject*, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<QKeyEvent*>(event)->key();
  const int step = key == Qt::Key_Up ? +1 : key == Qt::Key_Down ? -1 : 0;
  if (!step) return false;
  if (onStep) onStep(step);
  return true;
}

void SpinArrows::resizeEvent(QResizeEvent*) {
  const int half = height() / 2;
  up_->setGeometry(0, 0, width(), half);
  down_->setGeometry(0, half, width(), height() - half);
}

}  // namespace kvirlo::qt
