#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>

#include "platform/qt/LinuxServices.h"
#include "platform/qt/file_system.h"
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

// The clock's minute watch on the real kernel and event loop, with the wall
// clock it arms by in the test's hand: the timerfd is armed 20 ms ahead
// instead of at the minute's start it asks for, and can be refused.
struct MinuteWatch : ::testing::Test {
  static constexpr time_t kMinute = 1'800'000'000 / 60 * 60;  // a minute's start
  static timespec at(time_t seconds, long ms) { return {seconds, ms * 1'000'000}; }

  qt::MinuteWatchSystem system(const std::string& refused = "", bool timerfdWakes = true) {
    auto s = qt::MinuteWatchSystem::real();
    const auto create = s.timerfdCreate;
    const auto settime = s.timerfdSettime;
    s.timerfdCreate = [=](int id, int flags) {
      return refused == "timerfd_create" ? (errno = EMFILE, -1) : create(id, flags);
    };
    s.timerfdSettime = [=, this](int fd, int, const itimerspec* next) {
      if (refused == "timerfd_settime") return errno = EINVAL, -1;
      deadlines.push_back(next->it_value.tv_sec);
      const itimerspec soon{{}, {0, 20'000'000}};
      return timerfdWakes ? settime(fd, 0, &soon) : 0;
    };
    s.now = [this] { return wallClock; };
    s.zoneFile = dir.path() + "/localtime";
    return s;
  }
  bool waitFor(const std::function<bool()>& done) {
    QDeadlineTimer deadline(3000);
    while (!done() && !deadline.hasExpired())
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return done();
  }

  QTemporaryDir dir;
  EventGate gate;
  timespec wallClock = at(kMinute - 1, 900);
  std::vector<time_t> deadlines;
  int wakes = 0;
};

TEST_F(MinuteWatch, WakesAtTheMinutesStartAndAfterTheClockIsSetArmsByTheNewTime) {
  const struct { const char* what; timespec clockAtTheWake; time_t nextDeadline; } cases[] = {
      {"the minute starts", at(kMinute, 1), kMinute + 60},
      {"set five hours on", at(kMinute + 5 * 3600 + 17, 500), kMinute + 5 * 3600 + 60},
      {"set back", at(kMinute - 600 + 59, 999), kMinute - 600 + 60}};
  for (const auto& c : cases) {
    wallClock = at(kMinute - 1, 900);
    deadlines.clear();
    qt::TimerfdClock clock(gate, system());
    auto watch = clock.atEveryMinute([&] { ++wakes; });
    ASSERT_EQ(deadlines, std::vector<time_t>{kMinute}) << c.what;
    wallClock = c.clockAtTheWake;
    ASSERT_TRUE(waitFor([&] { return deadlines.size() > 1 && wakes > 0; })) << c.what;
    EXPECT_EQ(deadlines[1], c.nextDeadline) << c.what;
    wakes = 0;
  }
}

TEST_F(MinuteWatch, ARefusedTimerfdFallsBackToATimerAndSaysSoOnce) {
  for (const std::string refused : {"timerfd_create", "timerfd_settime"}) {
    wakes = 0;
    wallClock = at(kMinute - 1, 970);  // 30 ms before a minute starts
    ::testing::internal::CaptureStderr();
    {
      qt::TimerfdClock clock(gate, system(refused));
      auto watch = clock.atEveryMinute([&] { ++wakes; });
      EXPECT_TRUE(waitFor([&] { return wakes >= 2; })) << refused << ": woken " << wakes;
    }
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(QString::fromStdString(said).count(QString::fromStdString(refused)), 1) << said;
  }
}

TEST_F(MinuteWatch, AChangeOfTimeZoneWakesTheWatchersAlsoAfterTheFileWasReplaced) {
  auto write = [&](const char* name, const char* zone) {
    QFile file(dir.path() + name);
    return file.open(QIODevice::WriteOnly) && file.write(zone) > 0;
  };
  ASSERT_TRUE(write("/localtime", "UTC"));
  qt::TimerfdClock clock(gate, system("", false));
  auto watch = clock.atEveryMinute([&] { ++wakes; });
  ASSERT_TRUE(write("/new", "Europe/Moscow"));
  ASSERT_EQ(::rename(qPrintable(dir.path() + "/new"), qPrintable(dir.path() + "/localtime")), 0);
  EXPECT_TRUE(waitFor([&] { return wakes > 0; })) << "replaced, as timedatectl does";
  QCoreApplication::processEvents();
  const int before = wakes;
  ASSERT_TRUE(write("/localtime", "Asia/Tokyo"));
  EXPECT_TRUE(waitFor([&] { return wakes > before; })) << "rewritten in place";
}

TEST(Autostart, TheExecLineQuotesWhatTheFormatWouldReadAsSpecial) {
  EXPECT_EQ(qt::XdgAutostart::execValue("/usr/bin/kvirlo"), "\"/usr/bin/kvirlo\"");
  EXPECT_EQ(qt::XdgAutostart::execValue("/opt/my apps/kvirlo"), "\"/opt/my apps/kvirlo\"");
  EXPECT_EQ(qt::XdgAutostart::execValue("/a$b`c\"d\\e%f"),
            "\"/a\\\\$b\\\\`c\\\\\"d\\\\\\\\e%%f\"");
}

}  // namespace
}  // namespace kvirlo
