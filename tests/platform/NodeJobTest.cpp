// The node child's job object on Windows, shown by a stand-in started as node is: the child runs
// in a job that bounds its memory at the heap limit plus what node keeps beside its heap, and
// whatever the child starts ends with the job when the child is stopped.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/NodeProcess.h"

namespace {

using jsdebug::platform::NodeProcess;

std::string standIn() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path);
  return dir.substr(0, dir.find_last_of('\\') + 1) + "node_stand_in.exe";
}

std::string ask(NodeProcess& node, const std::string& request) {
  std::string frame(4, '\0');
  frame[0] = static_cast<char>(request.size());
  std::string answer;
  EXPECT_EQ(NodeProcess::Outcome::Answered, node.exchange(frame + request, answer, 30000)) << request;
  return answer;
}

bool underWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

TEST(NodeProcessJob, BoundsTheChildsMemory) {
  NodeProcess node;
  ASSERT_EQ(0, node.start(standIn(), "runner", 16));
  const std::string answer = ask(node, "limits");
  EXPECT_NE("no job", answer);
  // Wine puts the child in the job but neither reports its limits to it nor enforces them.
  if (!underWine()) {
    EXPECT_EQ("kill-on-close=1 memory-mb=" + std::to_string(16 + NodeProcess::kDataBeyondHeapMb) +
                  " past-bound=refused",
              answer);
  }
}

TEST(NodeProcessJob, WhatTheChildStartedEndsWithIt) {
  NodeProcess node;
  ASSERT_EQ(0, node.start(standIn(), "runner", 16));
  const DWORD id = static_cast<DWORD>(std::stoul(ask(node, "grandchild")));
  HANDLE grandchild = OpenProcess(SYNCHRONIZE, FALSE, id);
  ASSERT_NE(nullptr, grandchild);
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(grandchild, 0));
  node.stop();
  EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), WaitForSingleObject(grandchild, 10000));
  CloseHandle(grandchild);
}

}  // namespace
