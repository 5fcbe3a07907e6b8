#include "platform/message_sink.h"

#include <gtest/gtest.h>

#include <stdexcept>

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
  AfxMessageBox("", MessageIcon::Exclamation);
  const auto& messages = outer.Messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].icon, MessageIcon::Stop);
  EXPECT_EQ(messages[0].text, "Cannot open\nthe database.");
  EXPECT_EQ(messages[1].icon, MessageIcon::Exclamation);
  EXPECT_EQ(messages[1].text, "");
}

TEST(MessageSinkTest, SetMessageSinkReturnsThePreviousSink) {
  int calls = 0;
  MessageSink previous = SetMessageSink([&calls](MessageIcon, const CString&) { ++calls; });
  EXPECT_FALSE(previous) << "the default sink is reported as an empty function";
  AfxMessageBox("x", MessageIcon::Stop);
  EXPECT_TRUE(SetMessageSink(previous));
  EXPECT_EQ(calls, 1);
}

TEST(MessageSinkTest, DefaultSinkWritesOneLineToStandardError) {
  testing::internal::CaptureStderr();
  AfxMessageBox("first\r\nsecond\nthird\r\n", MessageIcon::Stop);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "zulparvo: first second third \n");
  EXPECT_EQ(FormatMessageLine("a\n\nb\rc\td"), "zulparvo: a  b c\td");
}

TEST(MessageSinkTest, ThrowingSinkFallsBackToTheDefault) {
  MessageSink previous =
      SetMessageSink([](MessageIcon, const CString&) { throw std::runtime_error("broken"); });
  testing::internal::CaptureStderr();
  EXPECT_NO_THROW(AfxMessageBox("still shown", MessageIcon::Exclamation));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "zulparvo: still shown\n");
  SetMessageSink(previous);
}

TEST(MessageSinkTest, SinkMayShowMessagesAndReplaceItself) {
  CMessageCollector collector;
  // A one-shot sink that passes the message on and then takes itself out; it must not
  // dead-lock on the sink's own bookkeeping.
  MessageSink outer;
  outer = SetMessageSink([&outer](MessageIcon icon, const CString& text) {
    MessageSink self = SetMessageSink(outer);
    AfxMessageBox("relayed: " + text, icon);
  });
  AfxMessageBox("one", MessageIcon::Stop);
  AfxMessageBox("two", MessageIcon::Stop);
  ASSERT_EQ(collector.Messages().size(), 2u);
  EXPECT_EQ(collector.Messages()[0].text, "relayed: one");
  EXPECT_EQ(collector.Messages()[1].text, "two");
}

}  // namespace
}  // namespace zulparvo
