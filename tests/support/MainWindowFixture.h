#pragma once
// The whole application with its main window, as the GUI tests start it, and the window shown
// and active for tests that send it keys. A test that swapped the host factory gets the default
// back afterwards.

#include <gtest/gtest.h>

#include <QTest>

#include <memory>

#include "app/Application.h"
#include "app/MainWindow.h"
#include "engine/ScriptHost.h"

namespace jsdebug::testsupport {

class MainWindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<::jsdebug::app::Application>();
    window = &app->window();
  }
  void TearDown() override {
    app.reset();
    engine::setScriptHostFactory({});
  }

  // Keys go to the active window only; call through ASSERT_NO_FATAL_FAILURE in a SetUp.
  void showActive() {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }

  std::unique_ptr<::jsdebug::app::Application> app;
  ::jsdebug::app::MainWindow* window = nullptr;
};

}  // namespace jsdebug::testsupport
