#pragma once
// What the GUI tests share: one QApplication for the executable, a recorder in place of the
// message boxes, and waiting for the event loop.

#include <QApplication>
#include <QThread>
#include <functional>
#include <string>
#include <vector>

#include "workflow/Workbench.h"

namespace jsdebug::testing {

struct RecordedMessage {
  std::string text;
  std::string title;
  workflow::MessageIcon icon;
  QThread* thread;  // the thread that showed it
};

// Message boxes shown since the last clear; the recorder is installed for the whole run.
std::vector<RecordedMessage>& recordedMessages();

// Questions asked since the last clear (their texts), and the answer every question gets:
// yes unless a test says otherwise.
std::vector<std::string>& recordedQuestions();
bool& questionAnswer();

// Runs the event loop until `done` holds or the time is up; returns `done()`.
bool processEventsUntil(const std::function<bool()>& done, int timeoutMs = 10000);

// A file of tests/data, as raw bytes.
std::string testData(const std::string& name);

}  // namespace jsdebug::testing
