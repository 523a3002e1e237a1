#include "app/Program.h"

#include "app/App.h"

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
