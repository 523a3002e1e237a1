#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QProcess;

namespace kvirlo::qt {

// The program's end of the sound helper, "kvirlo-sound" (sound_helper/,
// found by soundHelperPath): a process that lives only while something sounds.
class SoundHelper : public QObject {
 public:
  explicit SoundHelper(QString program);
  ~SoundHelper() override;
  void send(const QByteArray& command);
  bool reportedBad() const { return bad_; }
  bool running() const;
  void forgetBad() { bad_ = false; }

 private:
  QProcess* process_;
  bool bad_ = false;
};

// Where the helper is: beside the program's executable.
QString soundHelperPath();

}  // namespace kvirlo::qt
