#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>

class QSocketNotifier;

namespace kvirlo::qt {

// One running copy per user. The first copy holds a lock (flock on a file
// in the user's runtime folder, which the kernel drops with the process, so
// a killed copy never leaves a lock behind) and listens on a socket there; a later copy (autostart plus a click
// on the icon is the common way) asks the first to bring its main window
// forward, then ends.
class SingleInstance : public QObject {
 public:
  explicit SingleInstance(const QString& folder);
  ~SingleInstance() override;

  // True for the first copy. A later copy has then already asked the first.
  bool first() const { return first_; }
  std::function<void()> onAnotherStart;

 private:
  void listen();
  void askTheFirst();

  int lock_ = -1;
  std::string socket_;
  int listener_ = -1;
  QSocketNotifier* notifier_ = nullptr;
  bool first_ = false;
};

}  // namespace kvirlo::qt
