#include "platform/message_sink.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>
#include <vector>

namespace zulparvo {
namespace {

TEST(MessageSinkTest, CollectorsKeepIconAndExactTextAndNest) {
  CMessageCollector outer;
  {
    CMessageCollector inner;
    AfxMessageBox("inner", MessageIcon::None);
    ASSERT_EQ(inner.Messages().size(), 1u);
  }
  AfxMessageBox("Cannot open\nthe database.", MessageIcon::Stop);
  ASSERT_EQ(outer.Messages().size(), 1u);
  EXPECT_EQ(outer.Messages()[0].icon, MessageIcon::Stop);
  EXPECT_EQ(outer.Messages()[0].text, "Cannot open\nthe database.");
}

TEST(MessageSinkTest, ACollectorTakesOnlyTheMessagesOfItsOwnThread) {
  std::vector<CString> shown;
  const MessageSink previous = SetMessageSink([&shown](MessageIcon, const CString& text) { shown.push_back(text); });
  CMessageCollector collector;
  std::thread([] { AfxMessageBox("from another thread", MessageIcon::Stop); }).join();
  AfxMessageBox("from this thread", MessageIcon::Stop);
  SetMessageSink(previous);
  EXPECT_EQ(shown, std::vector<CString>{"from another thread"});
  ASSERT_EQ(collector.Messages().size(), 1u);
  EXPECT_EQ(collector.Messages()[0].text, "from this thread");
}

TEST(MessageSinkTest, DefaultSinkWritesOneLineToStandardErrorAndStandsInForAThrowingSink) {
  EXPECT_FALSE(SetMessageSink({})) << "the default sink is reported as an empty function";
  testing::internal::CaptureStderr();
  AfxMessageBox("first\r\nsecond\nthird\r\n", MessageIcon::Stop);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "zulparvo: first second third \n");
  EXPECT_EQ(FormatMessageLine("a\n\nb\rc\td"), "zulparvo: a  b c\td");

  SetMessageSink([](MessageIcon, const CString&) { throw std::runtime_error("broken"); });
  testing::internal::CaptureStderr();
  EXPECT_NO_THROW(AfxMessageBox("still shown", MessageIcon::Exclamation));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "zulparvo: still shown\n");
  SetMessageSink({});
}

TEST(MessageSinkTest, SinkMayShowMessagesAndReplaceItself) {
  std::vector<CString> shown;
  const MessageSink previous = SetMessageSink([&shown](MessageIcon, const CString& text) { shown.push_back(text); });
  // A one-shot sink that passes the message on and then takes itself out; it must not
  // dead-lock on the sink's own bookkeeping.
  MessageSink outer;
  outer = SetMessageSink([&outer](MessageIcon icon, const CString& text) {
    MessageSink self = SetMessageSink(outer);
    AfxMessageBox("relayed: " + text, icon);
  });
  AfxMessageBox("one", MessageIcon::Stop);
  AfxMessageBox("two", MessageIcon::Stop);
  SetMessageSink(previous);
  EXPECT_EQ(shown, (std::vector<CString>{"relayed: one", "two"}));
}

}  // namespace
}  // namespace zulparvo
