#include "app/Program.h"

#include "app/App.h"
#include "app/Form1.h"
#include "tray/frmSlug.h"

namespace kvirlo {

Program::Program(ViewFactory& views) : views_(views, gate_) {
  if (views.freesAfterEachEvent()) gate_.afterEvent = [this] { collectGarbage(); };
}

Program::~Program() { close(); }

App& Program::open(Services services) {
  app_ = std::make_unique<App>(services, &views_);
  return *app_;
}

void Program::run() {
  if (app_) gate_.run([this] { app_->run(); });
}

void Program::trayMouse(int button) {
  if (app_) app_->slug().Form_MouseMove(button);
}

void Program::anotherStart() {
  deliver([this] { if (app_) app_->form1().show(); });
}

void Program::closeRequest() {
  deliver([this] { if (app_) app_->form1().requestClose(); });
}

void Program::collectGarbage() {
  if (app_) app_->collectGarbage();
  views_.collectGarbage();
}

void Program::close() {
  views_.detachAll();
  app_.reset();
  views_.collectGarbage();
}

}  // namespace kvirlo
