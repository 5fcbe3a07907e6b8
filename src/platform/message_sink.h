// Message boxes: every message that the system shows to its user goes through one
// replaceable sink, with its icon and its text exactly as the caller gave it.
//
// The default sink writes one line to standard error. A host installs its own sink to
// show messages in its own way; a test installs a CMessageCollector to look at them.
// Showing a message never ends the process and never throws.
#pragma once

#include <functional>
#include <vector>

#include "platform/object.h"

namespace zulparvo {

enum class MessageIcon { Stop, Exclamation, None };

using MessageSink = std::function<void(MessageIcon, const CString&)>;

// Installs a sink and returns the one it replaces. An empty function restores the
// default sink (the default sink is then returned as an empty function, too).
MessageSink SetMessageSink(MessageSink sink);

// Shows the text through the current sink. Should that sink throw, the message goes to
// the default sink instead, so that it is never lost and the caller goes on.
void AfxMessageBox(const CString& text, MessageIcon icon);

// "stop", "exclamation" or "none".
const char* MessageIconName(MessageIcon icon);

// The one line that the default sink writes for a text (without its line end): the
// program name, ": " and the text, with every line break turned into one blank.
CString FormatMessageLine(const CString& text);

// While it lives, collects every message instead of showing it; its destructor puts
// back the sink that was installed before. Collectors nest, innermost first.
class CMessageCollector {
 public:
  struct Message {
    MessageIcon icon;
    CString text;
  };

  CMessageCollector();
  ~CMessageCollector();
  CMessageCollector(const CMessageCollector&) = delete;
  CMessageCollector& operator=(const CMessageCollector&) = delete;

  const std::vector<Message>& Messages() const { return m_messages; }

 private:
  std::vector<Message> m_messages;
  MessageSink m_previous;
};

}  // namespace zulparvo
