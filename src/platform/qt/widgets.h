#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QWidget>
#include <functional>

class QToolButton;

namespace kvirlo::qt {

// The program's numbers for the mouse buttons.
int buttonCode(Qt::MouseButton button);
int buttonsCode(Qt::MouseButtons buttons);

// A top-level window that reports what happens to it instead of acting.
class WindowWidget : public QWidget {
 public:
  WindowWidget();
  std::function<void()> onCloseRequest;
  std::function<void(int button)> onMouseUp;
  std::function<void(int buttons)> onMouseMove;
  std::function<void()> onMoved;
  std::function<void(bool active)> onActivation;
  std::function<void()> onFirstPaint;
  QPixmap background;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool painted_ = false;
};

// A label or picture that reports presses, releases, clicks and moves, and
// keeps them from reaching the window beneath.
class EventLabel : public QLabel {
 public:
  explicit EventLabel(QWidget* parent);
  std::function<void(int button)> onMouseDown;
  std::function<void(int button)> onMouseUp;
  std::function<void()> onClick;
  std::function<void()> onMouseMove;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
};

// A frame that reports a released button over its own surface.
class EventGroupBox : public QGroupBox {
 public:
  explicit EventGroupBox(QWidget* parent);
  std::function<void(int button)> onMouseUp;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

// Up and down arrows without a field of their own.
class SpinArrows : public QWidget {
 public:
  explicit SpinArrows(QWidget* parent);
  std::function<void(int step)> onStep;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace kvirlo::qt
