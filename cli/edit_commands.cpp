// add and remove: a character file changed the way the host changes a character, and
// saved so that a failure leaves the old file as it was.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>

#include "base/text_encoding.h"
#include "base/utilities.h"
#include "cli/commands.h"
#include "cli/streams.h"
#include "frame/host_operations.h"
#include "model/character_file.h"
#include "platform/message_sink.h"

namespace zulparvo::cli {

namespace {

// "42" is an identifier, anything else a name.
BookReference Reference(const std::string& book, const std::string& entry) {
  BookReference reference;
  reference.book = book;
  int32_t identifier = 0;
  const auto [end, error] = std::from_chars(entry.data(), entry.data() + entry.size(), identifier);
  if (error == std::errc() && end == entry.data() + entry.size()) {
    reference.identifier = identifier;
  } else {
    reference.name = entry;
  }
  return reference;
}

std::string Points(double points) { return DoubletoString(points, 1, 1, 0); }

// The report of a change goes to standard output, or to standard error when the
// character itself goes there.
std::FILE* ReportStream(const std::string& file) { return IsStandardStream(file) ? stderr : stdout; }

void PrintLines(std::FILE* out, const std::vector<CString>& lines,
                const std::vector<CMessageCollector::Message>& shown) {
  for (const CString& line : lines) std::fprintf(out, "    %s\n", BytesToUtf8(line).c_str());
  for (const auto& message : WithoutOpenFailures(shown)) {
    std::fprintf(out, "    [message] %s\n", BytesToUtf8(message.text).c_str());
  }
}

std::unique_ptr<CChar_Character> LoadForChange(const std::string& file) {
  if (!IsStandardStream(file) && !std::filesystem::exists(file)) {
    throw CCharacterFileException(file + ": no such file; a new character: echo '{}' | zulparvo import - -o " + file);
  }
  return LoadCharacter(file);
}

struct AddOptionsText {
  std::string file, book, entry, kind, description, variant, skill;
  std::optional<int32_t> level, quantity;
  std::optional<double> points;
};

std::optional<BookReference> SkillReference(const std::string& text) {
  const std::size_t blank = text.find(' ');
  if (blank == std::string::npos) return std::nullopt;
  BookReference reference = Reference(text.substr(0, blank), text.substr(blank + 1));
  reference.kinds.assign(SkillBookKinds().begin(), SkillBookKinds().end());
  return reference;
}

int Add(const AddOptionsText& o, const GlobalOptions& global) {
  if (!HaveProfile(global, "no entry of a book can be added")) return kExitInvalidInput;
  const std::optional<std::string> book = Utf8ToBytes(o.book);
  const std::optional<std::string> entry = Utf8ToBytes(o.entry);
  const std::optional<std::string> description = Utf8ToBytes(o.description);
  const std::optional<std::string> variant = Utf8ToBytes(o.variant);
  if (!book || !entry || !description || !variant) {
    return Fail("the texts must be of the 8-bit character set of the books");
  }
  BookReference reference = Reference(*book, *entry);
  if (!o.kind.empty()) reference.kinds = {*BookKindFromCategory(o.kind)};
  RecordChoices choices;
  choices.level = o.level;
  choices.points = o.points;
  choices.quantity = o.quantity;
  if (!o.description.empty()) choices.description = *description;
  if (!o.variant.empty()) choices.variant = Reference("", *variant);
  if (!o.skill.empty()) {
    choices.skill = SkillReference(o.skill);
    if (!choices.skill) {
      return Fail("--skill takes the skill's book and its name or identifier: --skill \"B05 Staffplay\"");
    }
  }
  try {
    auto character = LoadForChange(o.file);
    const BookRow row = FindBookRow(reference);
    const std::unique_ptr<CObject> record = RecordFromRow(row, choices);
    const CMessageCollector messages;
    const HostOperationResult done = AddRecord(*character, *record);
    if (done.record == nullptr) return Fail(o.file + ": the entry was not filed; nothing is saved");
    const CString name = ShownName(*done.record);
    SaveCharacter(o.file, *character);
    std::FILE* out = ReportStream(o.file);
    const bool item = std::ranges::find(ItemBookKinds(), row.kind) != ItemBookKinds().end();
    std::fprintf(out, "Added %s (%s %s %d)%s\n", BytesToUtf8(name).c_str(),
                 BytesToUtf8(row.row.GetBookCode()).c_str(), BookKindCategory(row.kind), row.row.GetLong("Identifier"),
                 item ? "" : (", " + Points(done.pointsSpent) + " points").c_str());
    PrintLines(out, done.changes, messages.Messages());
    return kExitOk;
  } catch (const BookReferenceError& error) {
    return Fail(error.what());
  } catch (const CCharacterFileException& error) {
    return Fail(error.what());
  }
}

bool HasSpecialCalculations(CharacterList list) {
  return list == CharacterList::Advantages || list == CharacterList::Disadvantages ||
         list == CharacterList::SuperAdvantages || list == CharacterList::SuperDisadvantages ||
         list == CharacterList::Skills || list == CharacterList::Spells;
}

int Remove(const std::string& file, const std::string& listName, std::size_t index, const GlobalOptions& global) {
  const std::optional<CharacterList> list = ListFromName(listName);
  if (!list) {
    std::string names;
    for (std::size_t i = 0; i < kCharacterListCount; ++i) {
      names += (i == 0 ? "" : ", ") + std::string(ListName(static_cast<CharacterList>(i)));
    }
    std::fprintf(stderr, "zulparvo remove: no list is called \"%s\"; the lists: %s\n", listName.c_str(), names.c_str());
    return kExitUsage;
  }
  try {
    auto character = LoadForChange(file);
    const CMessageCollector messages;
    const std::size_t size = character->GetList(*list).GetSize();
    if (index >= size) {
      return Fail(file + ": the " + listName + " list holds " + std::to_string(size) + " records (from index 0); " +
                  "zulparvo show " + file + " lists them");
    }
    CObject& record = *character->GetList(*list).GetAt(index);
    ReportUnreadableBooks(record, global);
    const CString name = ShownName(record);
    const HostOperationResult done = RemoveRecord(*character, *list, index);
    SaveCharacter(file, *character);
    std::FILE* out = ReportStream(file);
    std::fprintf(out, "Removed %s from %s, %s points given back\n", BytesToUtf8(name).c_str(), listName.c_str(),
                 Points(-done.pointsSpent).c_str());
    if (HasSpecialCalculations(*list)) {
      std::fprintf(out, "    The effects of its special calculations stay: the rules have none that take them back.\n");
    }
    PrintLines(out, done.changes, messages.Messages());
    return kExitOk;
  } catch (const CCharacterFileException& error) {
    return Fail(error.what());
  }
}

}  // namespace

CommandRunner SetUpAdd(CLI::App& app, const GlobalOptions& global) {
  auto o = std::make_shared<AddOptionsText>();
  app.add_option("FILE", o->file, "The character file, changed in place (- for standard input and output)")->required();
  app.add_option("BOOK", o->book, "The book's code, such as B05")->required();
  app.add_option("NAME|ID", o->entry, "The entry's name or identifier")->required();
  std::vector<std::string> kinds;
  for (const BookKind kind : AllBookKinds()) kinds.emplace_back(BookKindCategory(kind));
  app.add_option("--kind", o->kind, "Where to look (without it, every kind): AD, DISAD, SKILL, SPELLS, ...")
      ->check(CLI::IsMember(kinds));
  app.add_option("--level", o->level, "Level of an advantage or super power");
  app.add_option("--points", o->points, "Points spent on a skill or spell; the cost chosen for an advantage");
  app.add_option("--description", o->description, "An advantage's description, such as \"Keen Ears (+2)\"");
  app.add_option("--variant", o->variant, "The variant of an advantage (a row of its sub-table): name or identifier");
  app.add_option("--skill", o->skill, "The skill that an advantage modifies: \"BOOK NAME|ID\"");
  app.add_option("--quantity", o->quantity, "How many of an item (default 1)");
  app.footer(
      HelpFooter({"zulparvo add hero.zul B05 \"Honeyvoice Charm\"", "zulparvo add hero.zul B05 Staffplay --points 4"},
                 "docs/records-from-books.md"));
  return [o, &global] { return Add(*o, global); };
}

CommandRunner SetUpRemove(CLI::App& app, const GlobalOptions& global) {
  auto file = std::make_shared<std::string>();
  auto list = std::make_shared<std::string>();
  auto index = std::make_shared<std::size_t>();
  app.add_option("FILE", *file, "The character file, changed in place (- for standard input and output)")->required();
  app.add_option("LIST", *list, "The list: advantages, disadvantages, skills, spells, equipment, ...")->required();
  app.add_option("INDEX", *index, "The record's place in the list, from 0, in the order show lists them")->required();
  app.footer(
      HelpFooter({"zulparvo remove hero.zul advantages 0", "zulparvo remove hero.zul skills 2"}, "docs/commands.md"));
  return [file, list, index, &global] { return Remove(*file, *list, *index, global); };
}

}  // namespace zulparvo::cli
