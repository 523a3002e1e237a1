// The view tests need a QApplication; they run on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// The offscreen platform says what it cannot do (raise, lower) at every
// window; that is expected here and only hides real messages.
void quietOffscreen(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (text.startsWith("This plugin does not support")) return;
  if (text.startsWith("QStandardPaths: XDG_RUNTIME_DIR")) return;
  if (type != QtDebugMsg) fprintf(stderr, "%s\n", qPrintable(text));
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  qInstallMessageHandler(quietOffscreen);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
