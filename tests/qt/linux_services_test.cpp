#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>

#include "platform/qt/LinuxServices.h"
#include "platform/qt/PosixFiles.h"

namespace kvirlo {
namespace {

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

TEST_F(Files, AFolderThatCannotBeWrittenKeepsTheOldFile) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  const std::string p = path("f");
  ASSERT_TRUE(files.replace(p, "old"));
  chmod(dir.path().toLocal8Bit().constData(), 0555);
  EXPECT_FALSE(files.replace(p, "new"));
  chmod(dir.path().toLocal8Bit().constData(), 0755);
  EXPECT_EQ(files.read(p, 100), "old");
}

TEST(Autostart, TheExecLineQuotesWhatTheFormatWouldReadAsSpecial) {
  EXPECT_EQ(qt::XdgAutostart::execValue("/usr/bin/kvirlo"), "\"/usr/bin/kvirlo\"");
  EXPECT_EQ(qt::XdgAutostart::execValue("/opt/my apps/kvirlo"), "\"/opt/my apps/kvirlo\"");
  EXPECT_EQ(qt::XdgAutostart::execValue("/a$b`c\"d\\e%f"),
            "\"/a\\\\$b\\\\`c\\\\\"d\\\\\\\\e%%f\"");
}

}  // namespace
}  // namespace kvirlo
