#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>

#include "platform/qt/LinuxServices.h"
#include "platform/qt/PosixFiles.h"
#include "platform/qt/SingleInstance.h"
#include "settings/settings_file.h"

namespace kvirlo {
namespace {

TEST(OneCopy, ASecondCopyIsNotFirstAndALockLeftBehindBlocksNobody) {
  QTemporaryDir dir;
  {
    QFile leftover(dir.path() + "/kvirlo.lock");  // as a killed copy leaves it
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
  }
  auto first = std::make_unique<qt::SingleInstance>(dir.path());
  EXPECT_TRUE(first->first());
  EXPECT_FALSE(qt::SingleInstance(dir.path()).first());
  first.reset();  // the copy ends: the next start is the first again
  EXPECT_TRUE(qt::SingleInstance(dir.path()).first());
}

TEST(QtTexts, TheButtonsOfAQuestionSpeakRussianWhileTheServicesLive) {
  EventGate gate;
  {
    qt::LinuxServices services(gate);
    QMessageBox box(QMessageBox::Question, "Квирло", "?", QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().toStdString(), "&Да");
    EXPECT_EQ(box.button(QMessageBox::No)->text().toStdString(), "&Нет");
  }
  QMessageBox box(QMessageBox::Question, "Квирло", "?", QMessageBox::Yes);
  EXPECT_EQ(box.button(QMessageBox::Yes)->text().toStdString(), "&Yes");
}

struct Files : ::testing::Test {
  QTemporaryDir dir;
  qt::PosixFiles files;
  std::string path(const char* name) { return (dir.path() + "/" + name).toStdString(); }
};

TEST_F(Files, AReplacementIsWholeAndLeavesNoTemporaryBehind) {
  const std::string p = path("Kvir_Config.ini");
  ASSERT_TRUE(files.replace(p, "old\r\n"));
  ASSERT_TRUE(files.replace(p, "new file\r\n"));
  EXPECT_EQ(files.read(p, 1000), "new file\r\n");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(Files, ReadingStopsAtTheLimit) {
  const std::string p = path("big");
  ASSERT_TRUE(files.replace(p, std::string(100000, 'x')));
  EXPECT_EQ(files.read(p, 10)->size(), 10u);
  EXPECT_FALSE(files.read(path("missing"), 10));
}

TEST_F(Files, AGigabyteWithoutALineBreakIsReadOnlyToTheLimit) {
  const std::string p = path("Kvir_Config.ini");
  QFile huge(QString::fromStdString(p));
  ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
  ASSERT_TRUE(huge.resize(qint64(1) << 30));  // sparse: a gigabyte of NUL bytes
  huge.close();
  const auto text = files.read(p, kSettingsReadLimit + 1);
  ASSERT_TRUE(text);
  EXPECT_EQ(text->size(), kSettingsReadLimit + 1);
  SettingsRecord s;
  EXPECT_EQ(parseSettingsFile(std::string_view(*text).substr(0, kSettingsReadLimit), false, s), 0)
      << "a line cut off by the limit is not read";
}

TEST_F(Files, AFolderThatCannotBeWrittenKeepsTheOldFile) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  const std::string p = path("f");
  ASSERT_TRUE(files.replace(p, "old"));
  chmod(dir.path().toLocal8Bit().constData(), 0555);
  EXPECT_FALSE(files.replace(p, "new"));
  chmod(dir.path().toLocal8Bit().constData(), 0755);
  EXPECT_EQ(files.read(p, 100), "old");
}

TEST(WebAddress, ABrowserThatCannotOpenTheAddressIsNoticed) {
  QTemporaryDir bin;
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", bin.path().toUtf8());
  EventGate gate;
  qt::QtShell shell(gate);
  auto opensWith = [&](const char* script) {
    QFile opener(bin.path() + "/xdg-open");
    opener.remove();
    if (script) {
      EXPECT_TRUE(opener.open(QIODevice::WriteOnly));
      opener.write(script);
      opener.close();
      opener.setPermissions(QFile::ExeOwner | QFile::ReadOwner);
    }
    bool failed = false;
    shell.openWebAddress("https://kvirlo.example.org/", [&] { failed = true; });
    QDeadlineTimer deadline(5000);
    while (!failed && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QCoreApplication::processEvents();
    return !failed;
  };
  EXPECT_FALSE(opensWith("#!/bin/sh\nexit 3\n")) << "xdg-open found no browser";
  EXPECT_FALSE(opensWith(nullptr)) << "no xdg-open at all";
  qputenv("PATH", path);
}

TEST(Autostart, TheExecLineQuotesWhatTheFormatWouldReadAsSpecial) {
  EXPECT_EQ(qt::XdgAutostart::execValue("/usr/bin/kvirlo"), "\"/usr/bin/kvirlo\"");
  EXPECT_EQ(qt::XdgAutostart::execValue("/opt/my apps/kvirlo"), "\"/opt/my apps/kvirlo\"");
  EXPECT_EQ(qt::XdgAutostart::execValue("/a$b`c\"d\\e%f"),
            "\"/a\\\\$b\\\\`c\\\\\"d\\\\\\\\e%%f\"");
}

}  // namespace
}  // namespace kvirlo
