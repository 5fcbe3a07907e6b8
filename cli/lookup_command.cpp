// lookup: the rows of a book's reference database that carry an identifier, as JSON.
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/text_encoding.h"
#include "cli/commands.h"
#include "model/json/json_codec.h"
#include "platform/message_sink.h"
#include "refdb/search_processor.h"
#include "refdb/table_names.h"

namespace zulparvo::cli {

namespace {

struct LookupArguments {
  std::string book;
  std::string category;
  int32_t identifier = 0;
  std::string kind;
};

Json FieldToJson(const FieldValue& value) {
  if (const auto* text = std::get_if<CString>(&value)) return BytesToUtf8(*text);
  if (const auto* yesNo = std::get_if<bool>(&value)) return *yesNo;
  return std::get<int32_t>(value);
}

// One object per row: its book code, then its bound columns by name, in binding order.
Json RowsToJson(const std::vector<CReferenceRow>& rows) {
  Json array = Json::array();
  for (const CReferenceRow& row : rows) {
    Json object = {{"book_code", BytesToUtf8(row.GetBookCode())}};
    const std::vector<Column> columns = BoundColumns(row.GetLayout());
    for (std::size_t i = 0; i < columns.size(); ++i) {
      object[std::string(columns[i].name)] = FieldToJson(row.GetValues()[i]);
    }
    array.push_back(std::move(object));
  }
  return array;
}

int RefuseCategory(const std::string& category) { return Fail("category \"" + category + "\" cannot name a table"); }

int Run(const LookupArguments& arguments) {
  const std::optional<std::string> book = Utf8ToBytes(arguments.book);
  const std::optional<std::string> category = Utf8ToBytes(arguments.category);
  if (!book || !category) return Fail("the book code and category must be 8-bit texts");
  if (!IsSafeCategory(*category)) return RefuseCategory(arguments.category);
  const std::optional<ItemKind> kind =
      arguments.kind.empty() ? ItemKindForCategory(*category) : ItemKindFromName(arguments.kind);
  if (!kind) {
    std::fprintf(stderr, "zulparvo lookup: category %s is not one of a kind of record; give --kind\n",
                 arguments.category.c_str());
    return kExitUsage;
  }

  // The messages of a failed open are folded into the one error line.
  CMessageCollector messages;
  CSearchProcessor* processor = GetSearchProcessor();
  if (processor == nullptr) return Fail("the search processor cannot be made");
  CDatabaseItem item(*kind);
  item.SetBookCode(*book);
  item.SetCategory(*category);
  item.SetIdentifier(arguments.identifier);
  const LookupResult result = processor->Lookup(item);
  switch (result.status) {
    case LookupStatus::Found:
    case LookupStatus::NoRow:
      std::cout << RowsToJson(result.rows).dump(2) << "\n";
      return kExitOk;
    case LookupStatus::UnsafeCategory:
      return RefuseCategory(arguments.category);
    case LookupStatus::CannotOpen:
      if (result.entry.empty()) return Fail(arguments.book + ": the profile names no reference database for the book");
      return Fail(BytesToUtf8(result.path) + ": cannot open the reference database of " + arguments.book + ": " +
                  result.error);
    case LookupStatus::QueryFailed:
      return Fail(BytesToUtf8(result.path) + ": cannot read " + BytesToUtf8(TableNameForCategory(*category)) + ": " +
                  result.error);
  }
  return Fail("unknown lookup result");
}

}  // namespace

CommandRunner SetUpLookup(CLI::App& app, const GlobalOptions&) {
  auto arguments = std::make_shared<LookupArguments>();
  app.add_option("BOOK", arguments->book, "The book code, such as B05")->required();
  app.add_option("CATEGORY", arguments->category, "The category whose table is read: AD, SKILL, SPELLS, ...")
      ->required();
  app.add_option("IDENTIFIER", arguments->identifier, "The identifier of the rows")->required();
  std::vector<std::string> kinds;
  for (const ItemKind kind : kAllItemKinds) kinds.emplace_back(ItemKindName(kind));
  app.add_option("--kind", arguments->kind,
                 "The kind of row, for a category that is not one of a kind of record (a sub-table)")
      ->check(CLI::IsMember(kinds));
  app.footer(HelpFooter({"zulparvo lookup B05 SKILL 61", "zulparvo lookup B05 AD-VARIANT 2 --kind advantage"},
                        "docs/reference-databases.md"));
  return [arguments] { return Run(*arguments); };
}

}  // namespace zulparvo::cli
