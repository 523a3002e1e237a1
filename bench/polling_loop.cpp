// Reference for the benchmark: the waiting loop as a straightforward
// reminder has it, the clock polled every 10 ms and a label refreshed every
// second, in a small window.
#include <QApplication>
#include <QLabel>
#include <QTime>
#include <QTimer>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel label("0 Мин.");
  label.setWindowTitle("Polling");
  label.resize(100, 35);
  label.show();
  bool fired = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    const QTime now = QTime::currentTime();
    if (now.hour() >= 23 && now.minute() >= 59) fired = true;
  });
  poll.start(10);
  QTimer refresh;
  QObject::connect(&refresh, &QTimer::timeout, [&] {
    const QTime now = QTime::currentTime();
    label.setText(QString::number((23 - now.hour()) * 60 + 59 - now.minute()) + " Мин.");
  });
  refresh.start(1000);
  return app.exec();
}
