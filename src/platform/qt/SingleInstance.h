#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;
class QLockFile;

namespace kvirlo::qt {

// One running copy per user. The first copy holds a lock and listens; a
// later copy (autostart plus a click on the icon is the common way) asks
// the first to bring its main window forward, then ends.
class SingleInstance : public QObject {
 public:
  // `folder` holds the lock and the socket: the user's runtime folder.
  explicit SingleInstance(const QString& folder);
  ~SingleInstance() override;

  // True for the first copy. A later copy has then already asked the first.
  bool first() const { return first_; }
  std::function<void()> onAnotherStart;

 private:
  std::unique_ptr<QLockFile> lock_;
  QLocalServer* server_ = nullptr;
  QString socket_;
  bool first_ = false;
};

}  // namespace kvirlo::qt
