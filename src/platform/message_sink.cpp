#include "platform/message_sink.h"

#include <cstdio>
#include <mutex>
#include <utility>

namespace zulparvo {

namespace {

std::mutex& SinkMutex() {
  static std::mutex mutex;
  return mutex;
}

// The innermost collector of this thread.
thread_local CMessageCollector* t_collector = nullptr;

// Empty while the default sink is in use.
MessageSink& InstalledSink() {
  static MessageSink sink;
  return sink;
}

void DefaultSink(MessageIcon /*icon*/, const CString& text) {
  CString line = FormatMessageLine(text);
  line += '\n';
  // One write for the whole line, so that lines from other writers do not cut into it.
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

}  // namespace

CString FormatMessageLine(const CString& text) {
  CString line = "zulparvo: ";
  line.reserve(line.size() + text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      // "\r\n" is one line break, not two.
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      line += ' ';
    } else {
      line += c;
    }
  }
  return line;
}

MessageSink SetMessageSink(MessageSink sink) {
  std::lock_guard<std::mutex> lock(SinkMutex());
  return std::exchange(InstalledSink(), std::move(sink));
}

void AfxMessageBox(const CString& text, MessageIcon icon) {
  if (t_collector != nullptr) {
    try {
      t_collector->m_messages.push_back({icon, text});
      return;
    } catch (...) {
      // Out of memory: shown instead.
    }
  }
  MessageSink sink;
  {
    // The sink is called outside the lock, so that a sink may itself show a message
    // or install another sink.
    std::lock_guard<std::mutex> lock(SinkMutex());
    sink = InstalledSink();
  }
  if (sink) {
    try {
      sink(icon, text);
      return;
    } catch (...) {
      // A broken sink must not lose the message nor end the caller; fall through.
    }
  }
  DefaultSink(icon, text);
}

const char* MessageIconName(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Stop:
      return "stop";
    case MessageIcon::Exclamation:
      return "exclamation";
    case MessageIcon::None:
      return "none";
  }
  return "none";
}

CMessageCollector::CMessageCollector() : m_outer(std::exchange(t_collector, this)) {}

CMessageCollector::~CMessageCollector() { t_collector = m_outer; }

}  // namespace zulparvo
