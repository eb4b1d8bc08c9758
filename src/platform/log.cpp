// The log: standard error, or a sink installed by a test.
#include "platform/log.hpp"

#include <cstdio>
#include <mutex>
#include <string>
#include <utility>

namespace gm {

namespace {

std::mutex& LogMutex() {
  static std::mutex m;
  return m;
}

std::function<void(std::string_view)>& Sink() {
  static std::function<void(std::string_view)> sink;
  return sink;
}

}  // namespace

void LogLine(std::string_view line) {
  std::lock_guard lock(LogMutex());
  if (Sink()) {
    Sink()(line);
    return;
  }
  std::string text = "gravmark: ";
  text.append(line);
  text.push_back('\n');
  std::fputs(text.c_str(), stderr);
}

void SetLogSink(std::function<void(std::string_view)> sink) {
  std::lock_guard lock(LogMutex());
  Sink() = std::move(sink);
}

}  // namespace gm
