#include "platform/qt/WindowView.h"

#include <QCheckBox>
#include <QCursor>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "platform/qt/pictures.h"
#include "platform/qt/trace.h"
#include "platform/qt/widgets.h"

namespace kvirlo::qt {
namespace {

QColor toQColor(Colour c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

QString q(const std::string& s) { return QString::fromStdString(s); }

// The program's key codes: Backspace 8, Space 32, letters and digits as ASCII.
int keyCode(const QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Backspace) return 8;
  if (key == Qt::Key_Space) return 32;
  if (key == Qt::Key_Return || key == Qt::Key_Enter) return 13;
  if (key == Qt::Key_Escape) return 27;
  if (key == Qt::Key_Delete) return 46;
  return key < 256 ? key : 0;
}

// Keys reach the model before the field acts on them; a locked field then
// refuses the key.
class KeyFilter : public QObject {
 public:
  KeyFilter(QObject* parent, std::function<bool(int)> onKey) : QObject(parent), onKey_(std::move(onKey)) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    return onKey_(keyCode(static_cast<QKeyEvent*>(event)));
  }

 private:
  std::function<bool(int)> onKey_;
};

}  // namespace

WindowView::WindowView(Window& model, EventGate& gate, Scale scale)
    : model_(&model), gate_(gate), scale_(scale) {
  const std::string name = windowName(model.id());
  trace("created", name);
  // The tray's host window is never shown: it only carries the tray menu.
  if (model.id() == WindowId::frmSlug) return;

  widget_ = new WindowWidget();
  WindowWidget* w = widget_;
  w->setWindowTitle(q(model.caption()));
  w->setObjectName(q(name));
  w->onFirstPaint = [name] { trace("painted", name); };
  Qt::WindowFlags flags = Qt::Window;
  if (model.border == BorderStyle::None) {
    flags |= Qt::FramelessWindowHint | Qt::Tool;
  } else {
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (model.minButton) flags |= Qt::WindowMinimizeButtonHint;
    if (model.maxButton) flags |= Qt::WindowMaximizeButtonHint;
  }
  w->setWindowFlags(flags);
  if (model.hasIcon) w->setWindowIcon(appIcon());
  w->setAutoFillBackground(true);

  for (Control* c : model.controls()) {
    QWidget* cw = build(*c);
    controls_[c] = cw;
    for (Property p : {Property::Text, Property::Value, Property::Enabled, Property::Visible,
                       Property::BackColor, Property::ForeColor, Property::Range,
                       Property::Locked, Property::Geometry})
      apply(*c, cw, p);
    wire(*c, cw);
  }
  windowChanged(Property::BackColor);
  applyGeometry();
  if (!model.backgroundPicture.empty()) w->background = alertBackground(w->size());

  w->onCloseRequest = [this] { deliver([this] { model_->requestClose(); }); };
  w->onMouseUp = [this](int b) { deliver([this, b] { model_->Form_MouseUp(b); }); };
  w->onMouseMove = [this](int b) { deliver([this, b] { model_->Form_MouseMove(b); }); };
  w->onMoved = [this] {
    if (applyingGeometry_ || !model_ || !widget_ || !widget_->isVisible()) return;
    model_->noteMovedTo(scale_.twips(widget_->x()), scale_.twips(widget_->y()));
  };
  w->onActivation = [this](bool active) {
    if (!active) {
      reportedActive_ = false;
      return;
    }
    if (reportedActive_) return;
    reportedActive_ = true;
    deliver([this] { model_->activate(); });
  };
}

WindowView::~WindowView() {
  if (widget_) widget_->deleteLater();
}

QWidget* WindowView::widget() const { return widget_; }

QWidget* WindowView::widgetOf(const Control& control) const {
  auto it = controls_.find(const_cast<Control*>(&control));
  return it == controls_.end() ? nullptr : it->second.data();
}

void WindowView::deliver(const std::function<void()>& event) {
  if (!model_) return;
  gate_.run(event);
}

void WindowView::detach() {
  model_ = nullptr;
  controls_.clear();
  if (widget_) {
    widget_->hide();
    widget_->deleteLater();
    widget_ = nullptr;
  }
}

QWidget* WindowView::build(Control& c) {
  QWidget* parent = widget_;
  const QString text = q(c.text());
  switch (c.kind()) {
    case ControlKind::Label: {
      auto* label = new EventLabel(parent);
      label->setWordWrap(c.geometry().height > 300);
      return label;
    }
    case ControlKind::Picture: {
      auto* label = new EventLabel(parent);
      label->setPixmap(picture(q(c.picture), QSize(scale_.px(c.geometry().width),
                                                   scale_.px(c.geometry().height))));
      return label;
    }
    case ControlKind::TextBox: {
      if (c.multiLine) {
        auto* edit = new QPlainTextEdit(parent);
        edit->setVerticalScrollBarPolicy(c.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                             : Qt::ScrollBarAsNeeded);
        edit->setReadOnly(c.readOnly);
        return edit;
      }
      auto* edit = new QLineEdit(parent);
      edit->setReadOnly(c.readOnly);
      return edit;
    }
    case ControlKind::CheckBox:
      return new QCheckBox(parent);
    case ControlKind::OptionButton: {
      auto* radio = new QRadioButton(parent);
      radio->setAutoExclusive(false);  // the model keeps a group's choice
      return radio;
    }
    case ControlKind::CommandButton: {
      auto* button = new QPushButton(parent);
      if (!c.picture.empty()) {
        button->setIcon(QIcon(picture(q(c.picture), QSize(24, 16))));
      }
      button->setAutoDefault(false);
      return button;
    }
    case ControlKind::Frame:
      return new EventGroupBox(parent);
    case ControlKind::Line: {
      auto* line = new QFrame(parent);
      line->setFrameShape(c.geometry().width >= c.geometry().height ? QFrame::HLine
                                                                    : QFrame::VLine);
      line->setFrameShadow(QFrame::Sunken);
      return line;
    }
    case ControlKind::Slider: {
      auto* slider = new QSlider(Qt::Horizontal, parent);
      slider->setSingleStep(c.smallChange);
      slider->setPageStep(c.largeChange);
      return slider;
    }
    case ControlKind::UpDown:
      return new SpinArrows(parent);
  }
  return new QWidget(parent);
}

void WindowView::wire(Control& control, QWidget* widget) {
  Control* c = &control;
  if (!c->toolTip.empty()) widget->setToolTip(q(c->toolTip));
  if (!c->font.face.empty() || c->font.points > 0 || c->font.bold || c->font.underline) {
    QFont font = widget->font();
    if (!c->font.face.empty()) font.setFamilies({q(c->font.face), font.family()});
    if (c->font.points > 0) font.setPointSizeF(c->font.points);
    font.setBold(c->font.bold);
    font.setUnderline(c->font.underline);
    widget->setFont(font);
  }
  if (auto* label = dynamic_cast<EventLabel*>(widget)) {
    label->onMouseDown = [this, c](int b) { deliver([c, b] { c->mouseDown(b); }); };
    label->onMouseUp = [this, c](int b) { deliver([c, b] { c->mouseUp(b); }); };
    label->onClick = [this, c] { deliver([c] { c->click(); }); };
    label->onMouseMove = [this, c] { deliver([c] { c->mouseMove(); }); };
  } else if (auto* frame = dynamic_cast<EventGroupBox*>(widget)) {
    frame->onMouseUp = [this, c](int b) { deliver([c, b] { c->mouseUp(b); }); };
  } else if (auto* edit = dynamic_cast<QLineEdit*>(widget)) {
    connect(edit, &QLineEdit::textEdited, this,
            [this, c](const QString& text) { deliver([c, text] { c->setText(text.toStdString()); }); });
    edit->installEventFilter(new KeyFilter(edit, [this, c](int key) {
      deliver([c, key] { c->keyDown(key); });
      return model_ && c->locked();
    }));
  } else if (auto* edit = dynamic_cast<QPlainTextEdit*>(widget)) {
    connect(edit, &QPlainTextEdit::textChanged, this, [this, c, edit] {
      const std::string text = edit->toPlainText().toStdString();
      deliver([c, text] { c->setText(text); });
    });
  } else if (auto* box = dynamic_cast<QCheckBox*>(widget)) {
    connect(box, &QCheckBox::clicked, this, [this, c, box] {
      deliver([c] { c->click(); });
      if (model_) apply(*c, box, Property::Value);  // the model has the last word
    });
  } else if (auto* radio = dynamic_cast<QRadioButton*>(widget)) {
    connect(radio, &QRadioButton::clicked, this, [this, c, radio] {
      deliver([c] { c->click(); });
      if (model_) apply(*c, radio, Property::Value);
    });
  } else if (auto* button = dynamic_cast<QPushButton*>(widget)) {
    connect(button, &QPushButton::clicked, this, [this, c] { deliver([c] { c->click(); }); });
  } else if (auto* slider = dynamic_cast<QSlider*>(widget)) {
    connect(slider, &QSlider::valueChanged, this,
            [this, c](int value) { deliver([c, value] { c->userMovesTo(value); }); });
  } else if (auto* arrows = dynamic_cast<SpinArrows*>(widget)) {
    arrows->onStep = [this, c](int step) { deliver([c, step] { c->userSpins(step); }); };
  }
}

void WindowView::apply(Control& c, QWidget* widget, Property property) {
  if (!widget) return;
  const QSignalBlocker quiet(widget);  // a copy of the model is no user's input
  switch (property) {
    case Property::Text: {
      const QString text = q(c.text());
      if (auto* label = dynamic_cast<EventLabel*>(widget)) {
        if (c.kind() == ControlKind::Label) label->setText(text);
      } else if (auto* edit = dynamic_cast<QLineEdit*>(widget)) {
        if (c.maxLength > 0) edit->setMaxLength(std::max<int>(c.maxLength, text.size()));
        if (edit->text() != text) edit->setText(text);
      } else if (auto* edit = dynamic_cast<QPlainTextEdit*>(widget)) {
        if (edit->toPlainText() != text) edit->setPlainText(text);
      } else if (auto* button = dynamic_cast<QAbstractButton*>(widget)) {
        button->setText(text);
      } else if (auto* frame = dynamic_cast<QGroupBox*>(widget)) {
        frame->setTitle(text);
      }
      break;
    }
    case Property::Value:
      if (auto* box = dynamic_cast<QCheckBox*>(widget)) {
        box->setTristate(c.value() == check::Grayed);
        box->setCheckState(c.value() == check::Checked   ? Qt::Checked
                           : c.value() == check::Grayed ? Qt::PartiallyChecked
                                                        : Qt::Unchecked);
      } else if (auto* radio = dynamic_cast<QRadioButton*>(widget)) {
        radio->setChecked(c.value() != 0);
      } else if (auto* slider = dynamic_cast<QSlider*>(widget)) {
        slider->setValue(c.value());
      }
      break;
    case Property::Range:
      if (auto* slider = dynamic_cast<QSlider*>(widget)) slider->setRange(c.minimum(), c.maximum());
      break;
    case Property::Enabled:
      widget->setEnabled(c.enabled());
      break;
    case Property::Visible:
      widget->setVisible(c.visible());
      break;
    case Property::Locked:
      break;  // the key filter asks the model at every key
    case Property::BackColor:
    case Property::ForeColor: {
      if (c.kind() == ControlKind::CommandButton || c.kind() == ControlKind::Line ||
          c.kind() == ControlKind::Slider || c.kind() == ControlKind::UpDown)
        break;
      QPalette palette = widget->palette();
      const bool field = c.kind() == ControlKind::TextBox;
      palette.setColor(field ? QPalette::Base : QPalette::Window, toQColor(c.backColor()));
      palette.setColor(field ? QPalette::Text : QPalette::WindowText, toQColor(c.foreColor()));
      widget->setPalette(palette);
      widget->setAutoFillBackground(!field);
      break;
    }
    case Property::Geometry: {
      const Rect& r = c.geometry();
      widget->setGeometry(scale_.px(r.left), scale_.px(r.top), std::max(1, scale_.px(r.width)),
                          std::max(1, scale_.px(r.height)));
      break;
    }
  }
}

void WindowView::controlChanged(Control& control, Property property) {
  if (!model_) return;
  apply(control, widgetOf(control), property);
}

void WindowView::windowChanged(Property property) {
  if (!widget_ || !model_) return;
  switch (property) {
    case Property::Text:
      widget_->setWindowTitle(q(model_->caption()));
      break;
    case Property::Visible:
      applyVisibility();
      break;
    case Property::Geometry:
      applyGeometry();
      break;
    case Property::BackColor: {
      QPalette palette = widget_->palette();
      palette.setColor(QPalette::Window, toQColor(model_->backColor()));
      widget_->setPalette(palette);
      break;
    }
    default:
      break;
  }
}

void WindowView::applyGeometry() {
  if (!widget_) return;
  const Window& m = *model_;
  const Rect& r = m.geometry();
  const ClientSize size = clientSize(m);
  applyingGeometry_ = true;
  widget_->setFixedSize(std::max(1, scale_.px(size.width)), std::max(1, scale_.px(size.height)));
  if (!m.centred) {
    widget_->move(scale_.px(r.left), scale_.px(r.top));
    keepOnScreen();
  }
  applyingGeometry_ = false;
}

// A window stored off every screen comes back onto the main screen, and the
// program keeps the place it really has.
void WindowView::keepOnScreen() {
  QScreen* primary = QGuiApplication::primaryScreen();
  if (!primary) return;
  auto pixels = [](const QRect& r) { return PixelRect{r.x(), r.y(), r.width(), r.height()}; };
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
    widget_->hide();
    return;
  }
  if (model_->centred && !placed_) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
      QRect area = screen->availableGeometry();
      QRect frame(QPoint(0, 0), widget_->size());
      frame.moveCenter(area.center());
      widget_->move(frame.topLeft());
    }
    placed_ = true;
  }
  widget_->show();
}

void WindowView::setStackingHint(Qt::WindowType hint) {
  if (!widget_) return;
  const Qt::WindowFlags wanted =
      (widget_->windowFlags() & ~(Qt::WindowStaysOnTopHint | Qt::WindowStaysOnBottomHint)) | hint;
  if (wanted == widget_->windowFlags()) return;
  const bool shown = widget_->isVisible();
  widget_->setWindowFlags(wanted);  // hides the window; show it again
  if (shown) widget_->show();
}

void WindowView::request(const WindowRequest& r) {
  switch (r.kind) {
    case WindowRequest::Kind::Activate:
      if (widget_ && widget_->isVisible()) {
        reportedActive_ = true;  // the activation that follows is this one
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
      if (QWidget* w = widgetOf(*r.control); w && widget_ && widget_->isVisible()) w->setFocus();
      break;
    case WindowRequest::Kind::PopupMenu:
      if (r.menu) showMenu(*r.menu);
      break;
  }
}

void WindowView::showMenu(MenuItem& root) {
  QMenu menu;
  std::map<QAction*, MenuItem*> items;
  std::function<void(QMenu&, MenuItem&)> fill = [&](QMenu& into, MenuItem& parent) {
    for (MenuItem* item : parent.children()) {
      if (item->isSeparator()) {
        into.addSeparator();
      } else if (!item->children().empty()) {
        fill(*into.addMenu(q(item->caption())), *item);
      } else {
        items[into.addAction(q(item->caption()))] = item;
      }
    }
  };
  fill(menu, root);
  QAction* chosen = menu.exec(QCursor::pos());
  if (!chosen || !model_) return;
  auto it = items.find(chosen);
  if (it != items.end()) it->second->click();
}

}  // namespace kvirlo::qt
