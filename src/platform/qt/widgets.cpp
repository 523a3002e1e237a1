#include "platform/qt/widgets.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

namespace kvirlo::qt {

int buttonCode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
  }
}

int buttonsCode(Qt::MouseButtons buttons) {
  int code = 0;
  if (buttons & Qt::LeftButton) code |= 1;
  if (buttons & Qt::RightButton) code |= 2;
  if (buttons & Qt::MiddleButton) code |= 4;
  return code;
}

WindowWidget::WindowWidget() { setMouseTracking(true); }

void WindowWidget::closeEvent(QCloseEvent* event) {
  // The program decides: the model unloads the window or ends the program.
  event->ignore();
  if (onCloseRequest) onCloseRequest();
}

void WindowWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (onMouseUp) onMouseUp(buttonCode(event->button()));
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
  if (button == 1 && rect().contains(event->position().toPoint()) && onClick) onClick();
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
  connect(up_, &QToolButton::clicked, this, [this] {
    if (onStep) onStep(+1);
  });
  connect(down_, &QToolButton::clicked, this, [this] {
    if (onStep) onStep(-1);
  });
}

void SpinArrows::resizeEvent(QResizeEvent*) {
  const int half = height() / 2;
  up_->setGeometry(0, 0, width(), half);
  down_->setGeometry(0, half, width(), height() - half);
}

}  // namespace kvirlo::qt
