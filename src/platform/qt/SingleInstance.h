#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QLockFile;
class QSocketNotifier;

namespace kvirlo::qt {

// One running copy per user. The first copy holds a lock and listens on a
// socket in the user's runtime folder; a later copy (autostart plus a click
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

  std::unique_ptr<QLockFile> lock_;
  std::string socket_;
  int listener_ = -1;
  QSocketNotifier* notifier_ = nullptr;
  bool first_ = false;
};

}  // namespace kvirlo::qt
