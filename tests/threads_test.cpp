// Several threads at once, each on characters of its own, as a host with worker threads
// calls the library: the three entry points with name lookups in a reference database
// that is replaced meanwhile, the profile loaded and the search processor made on first
// use by whichever thread comes first, and each thread collecting its own messages.
// Every character must come out as the same calls make it on one thread. CI runs this
// under ThreadSanitizer.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <thread>
#include <vector>

#include "frame/entry_points.h"
#include "model/character.h"
#include "platform/message_sink.h"
#include "refdb/reference_books.h"

namespace zulparvo {
namespace {

CChar_Skill_Base KeysOnly(int32_t identifier, const char* book) {
  CChar_Skill_Base skill;
  skill.SetIdentifier(identifier);
  skill.SetBookCode(book);
  return skill;
}

// A character built by the three entry points, and the messages shown meanwhile.
std::pair<std::vector<CString>, std::size_t> BuildCharacter() {
  const CMessageCollector messages;
  CChar_Character character;
  character.AddAdDisad("RACAD", CChar_Ad_Disad(95, 0, "Knack (2)", "B01", 7, "B05", "RACAD"));
  for (const int32_t identifier : {1, 13, 40}) character.AddAdDisad("AD", CChar_Ad_Disad(identifier, 15, "", "B05", 0, "", "AD"));
  for (std::size_t i = 0; i < character.GetAdvantageCount(); ++i) {
    speccalc_DoSpecialCalcAdProc(&character, character.GetAdvantageAt(i), 1, false);
  }
  character.AddSkillFamilyRecord(KeysOnly(7, "B05"), "", -1);
  character.AddSkillFamilyRecord(KeysOnly(20, "B05"), "", -1);
  for (std::size_t i = 0; i < character.GetSkillCount(); ++i) {
    speccalc_DoSpecialCalcSkillProc(&character, character.GetSkillAt(i), 1);
  }
  speccalc_UpdateSpecialIQSkills(9, 12, &character);
  return {{character.GetChangeLog().begin(), character.GetChangeLog().end()}, messages.Messages().size()};
}

TEST(Threads, SeparateCharactersComeOutAsOnOneThread) {
  testing::ReferenceBooks books;
  for (const int32_t identifier : {1, 13, 40}) books.AddName("B05", ItemKind::Advantage, "AD", identifier, "Gift");
  books.AddName("B05", ItemKind::Skill, "SKILL", 7, "Knotwork");
  books.AddName("B05", ItemKind::Skill, "SKILL", 20, "Star Reckoning");
  books.SetEntry("B99", "missing.db");
  std::filesystem::copy_file(books.PathOf("B05"), books.PathOf("spare"));
  setenv("ZULPARVO_PROFILE", (books.Folder() / "zulparvo.ini").c_str(), 1);
  ResetAppProfile();

  constexpr std::size_t kThreads = 4;
  constexpr std::size_t kCharacters = 15;
  std::vector<std::pair<std::vector<CString>, std::size_t>> built(kThreads * kCharacters);
  std::vector<std::size_t> ownMessages(built.size());
  std::atomic<bool> done{false};
  // A copy of the same database renamed over it again and again: lookups meet a file
  // that has just been replaced, or is replaced while they read.
  std::thread replacer([&] {
    while (!done) {
      std::filesystem::copy_file(books.PathOf("spare"), books.PathOf("next"),
                                 std::filesystem::copy_options::overwrite_existing);
      std::filesystem::rename(books.PathOf("next"), books.PathOf("B05"));
    }
  });
  std::vector<std::thread> workers;
  for (std::size_t t = 0; t < kThreads; ++t) {
    workers.emplace_back([&built, &ownMessages, t] {
      for (std::size_t i = t * kCharacters; i < (t + 1) * kCharacters; ++i) {
        built[i] = BuildCharacter();
        // Book B99 cannot be opened: its two messages go to this thread's collector only.
        const CMessageCollector own;
        KeysOnly(1, "B99").GetDisplayName();
        ownMessages[i] = own.Messages().size();
      }
    });
  }
  for (std::thread& worker : workers) worker.join();
  done = true;
  replacer.join();
  unsetenv("ZULPARVO_PROFILE");

  const auto expected = BuildCharacter();
  ASSERT_NE(std::ranges::find(expected.first, CString("+2 to Star Reckoning from Current Intelligence")),
            expected.first.end());
  for (std::size_t i = 0; i < built.size(); ++i) {
    EXPECT_EQ(built[i], expected) << "character " << i;
    EXPECT_EQ(ownMessages[i], 2U) << "character " << i;
  }
}

}  // namespace
}  // namespace zulparvo
