#include "platform/collections.h"

#include <gtest/gtest.h>

#include "platform/archive_test_support.h"

namespace zulparvo::testing {
namespace {

TEST(CObArray, RefusesRecordsOfAnotherClassAndEmptyPlaces) {
  CTypedObArray<TestRecord> list;
  EXPECT_THROW(list.Add(std::make_unique<CStringArray>()), std::invalid_argument);
  EXPECT_THROW(list.Add(nullptr), std::invalid_argument);
  CObArray anything;
  EXPECT_NO_THROW(anything.Add(std::make_unique<CStringArray>()));
}

TEST(CObArray, RemoveAtHandsTheRecordOver) {
  CTypedObArray<TestRecord> list;
  list.Add(std::make_unique<TestRecord>(1, "a"));
  list.Add(std::make_unique<TestRecord>(2, "b"));
  const auto removed = list.RemoveAt(0);
  EXPECT_EQ(static_cast<TestRecord&>(*removed).m_text, "a");
  ASSERT_EQ(list.GetSize(), 1u);
  EXPECT_EQ(list.GetAt(0)->m_text, "b");
  EXPECT_THROW(list.RemoveAt(5), std::out_of_range);
}

TEST(RuntimeClasses, CreationByNameAndKinds) {
  const CRuntimeClass* found = CRuntimeClass::FromName("CObArray");
  ASSERT_EQ(found, ZP_RUNTIME_CLASS(CObArray));
  EXPECT_TRUE(found->CreateObject()->IsKindOf(ZP_RUNTIME_CLASS(CObject)));
  EXPECT_EQ(CRuntimeClass::FromName("cobarray"), nullptr);
  EXPECT_EQ(CRuntimeClass::FromName("CObject"), nullptr);  // abstract: never in a file
  EXPECT_EQ(DynamicDownCast<CStringArray>(found->CreateObject().get()), nullptr);
}

}  // namespace
}  // namespace zulparvo::testing
