// search and books: the entries of every book the profile names, found by name, and
// the books themselves with what they hold.
#include <algorithm>
#include <iostream>

#include "base/text_encoding.h"
#include "cli/commands.h"
#include "model/records_from_books.h"
#include "model/skill_base.h"
#include "refdb/book_catalog.h"
#include "refdb/table_names.h"

namespace zulparvo::cli {

namespace {

// What a player weighs an entry by: its cost, or a skill's difficulty.
std::string CostOf(BookKind kind, const CReferenceRow& row) {
  switch (kind) {
    case BookKind::SuperPower:
      return BytesToUtf8(row.GetText("Power Cost"));
    case BookKind::Skill:
    case BookKind::Spell:
    case BookKind::Language:
      return CChar_Skill_Base::GetDifficultyCode(row.GetLong("Skill Type Identifier"));
    case BookKind::Maneuver:
      return CChar_Skill_Base::GetDifficultyCode(row.GetLong("Maneuver Type Identifier"));
    default:
      return BytesToUtf8(row.GetText("Cost"));
  }
}

std::vector<BookKind> KindsAsked(const std::string& kind) {
  if (kind.empty()) return {AllBookKinds().begin(), AllBookKinds().end()};
  return {*BookKindFromCategory(kind)};
}

std::vector<std::string> KindWords() {
  std::vector<std::string> words;
  for (const BookKind kind : AllBookKinds()) words.emplace_back(BookKindCategory(kind));
  return words;
}

// The books asked for: the one named, or every book the profile names.
std::vector<CString> BooksAsked(const std::string& book) {
  if (!book.empty()) return {CString(book)};
  return BooksNamedByProfile();
}

// The characters of a UTF-8 text: the bytes that do not continue one.
std::size_t Utf8Length(std::string_view text) {
  return static_cast<std::size_t>(
      std::ranges::count_if(text, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// Prints the rows as columns, each as wide as its widest text.
void PrintColumns(const std::vector<std::vector<std::string>>& lines) {
  std::vector<std::size_t> widths;
  for (const auto& line : lines) {
    widths.resize(std::max(widths.size(), line.size()));
    for (std::size_t i = 0; i < line.size(); ++i) widths[i] = std::max(widths[i], Utf8Length(line[i]));
  }
  for (const auto& line : lines) {
    std::string text;
    for (std::size_t i = 0; i < line.size(); ++i) {
      text += line[i];
      if (i + 1 < line.size()) text += std::string(widths[i] - Utf8Length(line[i]) + 2, ' ');
    }
    std::cout << text << "\n";
  }
}

struct SearchOptions {
  std::string text, book, kind;
  bool json = false;
};

int Search(const SearchOptions& o, const GlobalOptions& global) {
  if (!HaveProfile(global, "there are no books to search")) return kExitInvalidInput;
  const std::optional<std::string> text = Utf8ToBytes(o.text);
  if (!text) return Fail("the text must be of the 8-bit character set of the books");
  const std::vector<CString> books = BooksAsked(o.book);
  if (books.empty()) return Fail("the profile " + global.profileLookedAt.string() + " names no books under [DATABASE]");
  int status = kExitOk;
  Json found = Json::array();
  std::vector<std::vector<std::string>> lines;
  for (const CString& book : books) {
    CBookCatalog catalog(book);
    if (!catalog.IsOpen()) {
      status = Fail(BytesToUtf8(book) + ": " + BytesToUtf8(BookProblem(catalog.Status())));
      continue;
    }
    for (const BookKind kind : KindsAsked(o.kind)) {
      CString error;
      const auto rows = catalog.Rows(BookKindRows(kind), BookKindCategory(kind), error,
                                     [&](const CReferenceRow& row) { return EntryNameContains(row.GetName(), *text); });
      for (const CReferenceRow& row : rows.value_or(std::vector<CReferenceRow>{})) {
        const std::string id = std::to_string(row.GetLong("Identifier"));
        found.push_back({{"book", BytesToUtf8(book)},
                         {"kind", BookKindCategory(kind)},
                         {"identifier", row.GetLong("Identifier")},
                         {"name", BytesToUtf8(row.GetName())},
                         {"cost", CostOf(kind, row)},
                         {"page", BytesToUtf8(row.GetText("Page"))}});
        lines.push_back({BytesToUtf8(book), BookKindCategory(kind), id, BytesToUtf8(row.GetName()), CostOf(kind, row),
                         BytesToUtf8(row.GetText("Page"))});
      }
    }
  }
  if (o.json) {
    std::cout << found.dump(2) << "\n";
  } else if (lines.empty()) {
    std::cout << "No entry's name contains \"" << o.text << "\".\n";
  } else {
    PrintColumns(lines);
  }
  return status;
}

int Books(bool json, const GlobalOptions& global) {
  if (!HaveProfile(global, "no books are named")) return kExitInvalidInput;
  const std::vector<CString> books = BooksNamedByProfile();
  if (books.empty()) return Fail("the profile " + global.profileLookedAt.string() + " names no books under [DATABASE]");
  Json all = Json::array();
  std::vector<std::vector<std::string>> lines;
  for (const CString& book : books) {
    CBookCatalog catalog(book);
    const BookStatus& status = catalog.Status();
    Json entry = {{"book", BytesToUtf8(book)}, {"path", BytesToUtf8(status.path)}, {"opens", status.opens}};
    std::string counts;
    if (status.opens) {
      entry["rows"] = Json::object();
      for (const BookKind kind : AllBookKinds()) {
        const std::optional<int64_t> count = catalog.CountRows(BookKindCategory(kind));
        if (!count || *count == 0) continue;
        entry["rows"][BookKindCategory(kind)] = *count;
        counts += (counts.empty() ? "" : ", ") + std::string(BookKindCategory(kind)) + " " + std::to_string(*count);
      }
    } else {
      entry["error"] = BytesToUtf8(status.error);
    }
    all.push_back(std::move(entry));
    lines.push_back(
        {BytesToUtf8(book), BytesToUtf8(status.path),
         status.opens ? (counts.empty() ? "no entries" : counts) : "cannot be opened: " + BytesToUtf8(status.error)});
  }
  if (json) {
    std::cout << all.dump(2) << "\n";
  } else {
    PrintColumns(lines);
  }
  return kExitOk;
}

}  // namespace

CommandRunner SetUpSearch(CLI::App& app, const GlobalOptions& global) {
  auto o = std::make_shared<SearchOptions>();
  app.add_option("TEXT", o->text, "What the entries' names contain (letters compared without regard to case)")
      ->required();
  app.add_option("--book", o->book, "Only this book, such as B05");
  app.add_option("--kind", o->kind, "Only this kind: AD, DISAD, SKILL, SPELLS, ...")->check(CLI::IsMember(KindWords()));
  app.add_flag("--json", o->json, "Print JSON for programs");
  app.footer(
      HelpFooter({"zulparvo search staff", "zulparvo search gift --kind AD --json"}, "docs/records-from-books.md"));
  return [o, &global] { return Search(*o, global); };
}

CommandRunner SetUpBooks(CLI::App& app, const GlobalOptions& global) {
  auto json = std::make_shared<bool>(false);
  app.add_flag("--json", *json, "Print JSON for programs");
  app.footer(HelpFooter({"zulparvo books", "zulparvo --profile build/data/zulparvo.ini books --json"},
                        "docs/reference-databases.md"));
  return [json, &global] { return Books(*json, global); };
}

}  // namespace zulparvo::cli
