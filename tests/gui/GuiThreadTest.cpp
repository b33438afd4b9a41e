#include <gtest/gtest.h>

#include <QThread>
#include <atomic>
#include <thread>

#include "app/Application.h"
#include "app/GuiThread.h"
#include "app/MainWindow.h"
#include "engine/FatalError.h"
#include "tests/gui/GuiTestEnvironment.h"

using namespace jsdebug;
using namespace jsdebug::app;
using jsdebug::testing::processEventsUntil;
using jsdebug::testing::recordedMessages;

namespace {

TEST(GuiThreadTest, WorkFromAWorkerRunsOnTheGuiThreadAndTheWorkerWaitsForIt) {
  GuiThread gui;
  std::atomic<bool> ran{false};
  std::atomic<bool> returned{false};
  QThread* ranOn = nullptr;
  bool accepted = false;
  std::thread worker([&] {
    accepted = gui.run([&] {
      ranOn = QThread::currentThread();
      ran = true;
    });
    returned = true;
  });
  ASSERT_TRUE(processEventsUntil([&] { return returned.load(); }));
  worker.join();
  EXPECT_TRUE(accepted);
  EXPECT_TRUE(ran);
  EXPECT_EQ(QThread::currentThread(), ranOn);
}

TEST(GuiThreadTest, OnTheGuiThreadWorkRunsAtOnce) {
  GuiThread gui;
  int runs = 0;
  EXPECT_TRUE(gui.run([&] { ++runs; }));
  EXPECT_EQ(1, runs);
}

TEST(GuiThreadTest, ClosingReleasesAWaitingWorkerWithoutRunningItsWork) {
  GuiThread gui;
  std::atomic<bool> returned{false};
  std::atomic<bool> ran{false};
  bool accepted = true;
  std::thread worker([&] {
    accepted = gui.run([&] { ran = true; });
    returned = true;
  });
  // The worker hands over its work meanwhile; the GUI thread does not look at its events.
  QThread::msleep(50);
  gui.close();
  worker.join();
  EXPECT_FALSE(accepted);
  // The queued call still arrives, and must not touch the finished worker's work.
  QCoreApplication::processEvents();
  EXPECT_FALSE(ran);

  // Later requests are refused at once.
  std::thread late([&] { accepted = gui.run([&] { ran = true; }); });
  late.join();
  EXPECT_FALSE(accepted);
  EXPECT_FALSE(ran);
}

TEST(GuiThreadTest, ShutdownWaitsForTrackedWorkersBoundedly) {
  GuiThread gui;
  std::function<void()> finished = gui.workerStarted();
  EXPECT_EQ(1, gui.activeWorkers());
  EXPECT_FALSE(gui.waitForWorkers(std::chrono::milliseconds(20)));
  std::thread worker([finished] {
    QThread::msleep(30);
    finished();
    finished();  // counted once
  });
  EXPECT_TRUE(gui.waitForWorkers(std::chrono::milliseconds(5000)));
  worker.join();
  EXPECT_EQ(0, gui.activeWorkers());
}

// The box a fatal error raises on a worker thread is shown by the GUI thread.
TEST(FatalErrorFromAWorker, BoxIsShownOnTheGuiThread) {
  recordedMessages().clear();
  Application app;
  engine::setFatalErrorExit([](int) { throw 1; });
  std::atomic<bool> done{false};
  std::thread worker([&] {
    try {
      engine::FatalError(7, "x");
    } catch (int) {
    }
    done = true;
  });
  ASSERT_TRUE(processEventsUntil([&] { return done.load(); }));
  worker.join();
  engine::setFatalErrorExit({});
  ASSERT_EQ(1u, recordedMessages().size());
  EXPECT_EQ(engine::fatalErrorText(7, "x"), recordedMessages()[0].text);
  EXPECT_EQ(engine::kFatalErrorTitle, recordedMessages()[0].title);
  EXPECT_EQ(workflow::MessageIcon::Error, recordedMessages()[0].icon);
  EXPECT_EQ(QThread::currentThread(), recordedMessages()[0].thread);
}

}  // namespace

namespace {

// A worker that outlives the grace time (a download that hangs) must neither keep the program
// from ending nor find the window and the libraries gone under it: the process ends with its
// exit code, releasing nothing.
TEST(ShutdownDeathTest, AWorkerPastTheGraceEndsTheProcessWithItsExitCode) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        {
          Application app;
          std::function<void()> neverCalled = app.window().guiThread().workerStarted();
          std::thread([] { std::this_thread::sleep_for(std::chrono::minutes(1)); }).detach();
        }
        std::exit(3);  // not reached: the shutdown ends the process
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
