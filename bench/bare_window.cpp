// Reference for the benchmark: the floor of any Qt program, one window with
// one label. It notes when it is first painted, as the program does.
#include <QApplication>
#include <QLabel>
#include <chrono>
#include <cstdio>
#include <cstdlib>

class Label : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* e) override {
    QLabel::paintEvent(e);
    if (done_) return;
    done_ = true;
    if (const char* path = std::getenv("KVIRLO_TRACE")) {
      const long long us = std::chrono::duration_cast<std::chrono::microseconds>(
                               std::chrono::system_clock::now().time_since_epoch()).count();
      if (std::FILE* f = std::fopen(path, "a")) {
        std::fprintf(f, "painted Bare %lld.%03lld\n", us / 1000, us % 1000);
        std::fclose(f);
      }
    }
  }

 private:
  bool done_ = false;
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  Label label("Bare");
  label.setWindowTitle("Bare");
  label.resize(200, 60);
  label.show();
  return app.exec();
}
