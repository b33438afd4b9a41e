#include "app/GuiThread.h"

#include <QThread>
#include <condition_variable>
#include <cstdio>
#include <exception>
#include <list>
#include <mutex>

namespace jsdebug::app {

namespace {

enum class TaskState { Pending, Running, Done, Cancelled };

struct Task {
  explicit Task(const std::function<void()>& w) : work(w) {}
  // Lives on the waiting worker's stack; touched only while the worker waits (Pending/Running).
  const std::function<void()>& work;
  TaskState state = TaskState::Pending;
};

}  // namespace

struct GuiThread::State {
  mutable std::mutex mutex;
  std::condition_variable changed;
  bool closed = false;
  int activeWorkers = 0;
  std::list<std::shared_ptr<Task>> pending;
};

GuiThread::GuiThread() : state_(std::make_shared<State>()) {}

GuiThread::~GuiThread() { close(); }

bool GuiThread::run(const std::function<void()>& work) {
  if (QThread::currentThread() == thread()) {
    work();
    return true;
  }
  auto task = std::make_shared<Task>(work);
  {
    std::lock_guard lock(state_->mutex);
    if (state_->closed) return false;
    state_->pending.push_back(task);
  }
  // The queued call holds the state, not this object: it may arrive after close(), when the
  // task has been cancelled and the worker has long gone on.
  QMetaObject::invokeMethod(
      this,
      [state = state_, task] {
        {
          std::lock_guard lock(state->mutex);
          if (task->state != TaskState::Pending) return;
          task->state = TaskState::Running;
        }
        // A throwing command must still release its worker; what it threw is a fault, so it is
        // said on standard error rather than lost.
        try {
          task->work();
        } catch (const std::exception& e) {
          std::fprintf(stderr, "jsdebug: a task on the GUI thread failed: %s\n", e.what());
        } catch (...) {
          std::fputs("jsdebug: a task on the GUI thread failed\n", stderr);
        }
        std::lock_guard lock(state->mutex);
        task->state = TaskState::Done;
        state->pending.remove(task);
        state->changed.notify_all();
      },
      Qt::QueuedConnection);

  std::unique_lock lock(state_->mutex);
  state_->changed.wait(lock, [&] {
    return task->state == TaskState::Done || task->state == TaskState::Cancelled;
  });
  return task->state == TaskState::Done;
}

void GuiThread::close() {
  std::lock_guard lock(state_->mutex);
  state_->closed = true;
  // A Running task is being carried out by this very thread further up the stack (a message
  // box's event loop); it finishes when that returns.
  for (auto it = state_->pending.begin(); it != state_->pending.end();) {
    if ((*it)->state == TaskState::Pending) {
      (*it)->state = TaskState::Cancelled;
      it = state_->pending.erase(it);
    } else {
      ++it;
    }
  }
  state_->changed.notify_all();
}

std::function<void()> GuiThread::workerStarted() {
  {
    std::lock_guard lock(state_->mutex);
    ++state_->activeWorkers;
  }
  // Counts once however often a copy of it is called.
  return [state = state_, done = std::make_shared<bool>(false)] {
    std::lock_guard lock(state->mutex);
    if (*done) return;
    *done = true;
    --state->activeWorkers;
    state->changed.notify_all();
  };
}

int GuiThread::activeWorkers() const {
  std::lock_guard lock(state_->mutex);
  return state_->activeWorkers;
}

bool GuiThread::waitForWorkers(std::chrono::milliseconds timeout) {
  std::unique_lock lock(state_->mutex);
  return state_->changed.wait_for(lock, timeout, [&] { return state_->activeWorkers == 0; });
}

}  // namespace jsdebug::app
