#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QWidget>
#include <functional>

class QKeyEvent;
class QToolButton;

namespace kvirlo::qt {

// The program's numbers for the mouse buttons and keys.
int buttonCode(Qt::MouseButton button);
int buttonsCode(Qt::MouseButtons buttons);
int keyCode(const QKeyEvent* event);

// Keys reach `onKey` before the widget acts on them; true refuses the key.
class KeyFilter : public QObject {
 public:
  KeyFilter(QObject* parent, std::function<bool(int key)> onKey);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<bool(int)> onKey_;
};

// The arrow keys without Ctrl or Alt reach `onArrow` (forward: Down or
// Right) before the widget acts on them; true takes the key.
class ArrowFilter : public QObject {
 public:
  ArrowFilter(QObject* parent, std::function<bool(bool forward)> onArrow);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<bool(bool)> onArrow_;
};

// Shift+F10 and the Menu key (which Qt hands on as a context-menu event from
// the keyboard) reach `onMenuKey` before the widget's own menu; true takes them.
class MenuKeyFilter : public QObject {
 public:
  MenuKeyFilter(QObject* parent, std::function<bool()> onMenuKey);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<bool()> onMenuKey_;
};

// A top-level window that reports what happens to it instead of acting.
class WindowWidget : public QWidget {
 public:
  WindowWidget();
  std::function<void()> onCloseRequest;
  // A button released over the bare window or over a disabled control.
  std::function<void(int button, QPoint at)> onMouseUp;
  std::function<void(int buttons)> onMouseMove;
  std::function<void()> onMoved;
  std::function<void(bool active)> onActivation;
  std::function<void()> onFirstPaint;
  // A key no control took (Esc); Tab or Shift+Tab, true when the focus moved.
  std::function<void(int key)> onKey;
  std::function<bool(bool forward)> onTab;
  QPixmap background;
  // The view is gone while the widget waits for its deletion: it reports
  // nothing more.
  void silence();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;

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

// Up and down arrows without a field of their own. They take the keyboard
// as one control, shown by the up arrow: the Up and Down keys step.
class SpinArrows : public QWidget {
 public:
  explicit SpinArrows(QWidget* parent);
  std::function<void(int step)> onStep;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace kvirlo::qt
