#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <string>

#include "platform/qt/activation_token.h"

class QSocketNotifier;

namespace kvirlo::qt {

// One running copy per user. The first copy holds a lock (flock on a file
// in the user's runtime folder, which the kernel drops with the process, so
// a killed copy never leaves a lock behind) and listens on a socket there; a
// later copy (autostart plus a click on the icon is the common way) asks the
// first to bring its main window forward, handing over the token its
// launcher gave it so that the desktop lets the first copy take the focus,
// waits for the answer and ends.
//
// Built before the application object: a later copy needs no display, and
// the launcher's token is read before the toolkit takes it for itself.
class SingleInstance : public QObject {
 public:
  explicit SingleInstance(const QString& folder);
  ~SingleInstance() override;

  // True for the first copy. A later copy has then already asked the first.
  bool first() const { return first_; }
  // The first copy answers later copies from here on (the event loop exists).
  void onAnotherStart(std::function<void(const ActivationToken&)> handler);

 private:
  void listen();
  void askTheFirst();
  void acceptAll();
  void readFrom(int peer);
  void drop(int peer);

  int lock_ = -1;
  std::string socket_;
  int listener_ = -1;
  QSocketNotifier* notifier_ = nullptr;
  std::map<int, std::pair<QSocketNotifier*, std::string>> peers_;
  std::function<void(const ActivationToken&)> handler_;
  bool first_ = false;
};

}  // namespace kvirlo::qt
