// Message boxes: every message that the system shows to its user goes through one
// replaceable sink, with its icon and its text exactly as the caller gave it.
//
// The default sink writes one line to standard error. A host installs its own sink to
// show messages in its own way; a test, or a host that wants the messages of one call,
// makes a CMessageCollector to look at them. Showing a message never ends the process
// and never throws. Messages may be shown from any thread: the sink is one for the
// process (and is called on the thread that shows the message), a collector is the
// calling thread's own.
#pragma once

#include <functional>
#include <vector>

#include "platform/object.h"

namespace zulparvo {

enum class MessageIcon { Stop, Exclamation, None };

using MessageSink = std::function<void(MessageIcon, const CString&)>;

// Installs a sink for the whole process and returns the one it replaces. An empty
// function restores the default sink (the default sink is then returned as an empty
// function, too). The sink may be called from several threads at once.
MessageSink SetMessageSink(MessageSink sink);

// Shows the text: to the innermost collector of the calling thread when there is one,
// else through the current sink. Should that sink throw, the message goes to the
// default sink instead, so that it is never lost and the caller goes on.
void AfxMessageBox(const CString& text, MessageIcon icon);

// "stop", "exclamation" or "none".
const char* MessageIconName(MessageIcon icon);

// The one line that the default sink writes for a text (without its line end): the
// program name, ": " and the text, with every line break turned into one blank.
CString FormatMessageLine(const CString& text);

// While it lives, collects every message that its own thread shows instead of showing
// it; messages of other threads go their usual way. Collectors nest, innermost first.
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
  friend void AfxMessageBox(const CString& text, MessageIcon icon);

  std::vector<Message> m_messages;
  CMessageCollector* m_outer;
};

}  // namespace zulparvo
