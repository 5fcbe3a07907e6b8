// What the command tells its user about the profile and the books, and how it shows the
// library's messages.
#include <cstdio>
#include <cstdlib>
#include <set>
#include <stdexcept>

#include "base/text_encoding.h"
#include "cli/commands.h"
#include "cli/host_script.h"
#include "platform/message_sink.h"
#include "platform/profile.h"
#include "refdb/book_catalog.h"

namespace zulparvo::cli {

namespace {

constexpr std::string_view kOpenFailure = "Failure to open Database: ";

std::string ProfileHint() {
  return "give one with --profile FILE or ZULPARVO_PROFILE=FILE (docs/reference-databases.md)";
}

}  // namespace

int Fail(const std::string& message) {
  std::fprintf(stderr, "zulparvo: %s\n", message.c_str());
  return kExitInvalidInput;
}

std::string HelpFooter(std::initializer_list<const char*> examples, const char* document) {
  std::string footer = "Examples:\n";
  for (const char* example : examples) footer += std::string("  ") + example + "\n";
  return footer + "\nRead " + document + " for more.";
}

void InstallProfile(GlobalOptions& global) {
  const char* variable = std::getenv("ZULPARVO_PROFILE");
  if (global.profile.empty() && variable != nullptr && *variable != '\0' &&
      !std::filesystem::is_regular_file(variable)) {
    throw std::runtime_error(std::string("ZULPARVO_PROFILE names ") + variable +
                             ", which is not a file; name the profile there, or unset it");
  }
  const std::filesystem::path path =
      FindProfilePath(global.profile.empty() ? std::nullopt : std::optional<std::filesystem::path>(global.profile));
  global.profileLookedAt = path;
  global.profileFound = !path.empty() && std::filesystem::is_regular_file(path);
  try {
    SetAppProfile(CProfile::Load(path));
  } catch (const std::exception& error) {
    throw std::runtime_error(std::string("the profile cannot be read: ") + error.what());
  }
}

bool HaveProfile(const GlobalOptions& global, const std::string& without) {
  if (global.profileFound) return true;
  const std::string where = global.profileLookedAt.empty()
                                ? std::string("neither ZULPARVO_PROFILE, XDG_CONFIG_HOME nor HOME names a place")
                                : "looked for " + global.profileLookedAt.string();
  Fail("no profile found (" + where + "), so " + without + "; " + ProfileHint());
  return false;
}

void ReportUnreadableBooks(CObject& record, const GlobalOptions& global) {
  static std::set<std::string> reported;
  const std::set<std::string> books = BooksOf(record);
  if (books.empty()) return;
  if (!global.profileFound) {
    if (reported.insert("").second) HaveProfile(global, "the names of the books' entries cannot be looked up");
    return;
  }
  for (const std::string& book : books) {
    if (reported.contains(book)) continue;
    const CBookCatalog catalog(book);
    if (catalog.IsOpen()) continue;
    reported.insert(book);
    const BookStatus& status = catalog.Status();
    const std::string profile = global.profileLookedAt.string();
    const std::string remedy =
        status.entry.empty() ? "add \"" + book + " = FILE\" under [DATABASE] in " + profile : "check that file";
    Fail(book + ": " + BytesToUtf8(BookProblem(status)) + "; its entries are shown without names (" + remedy + ")");
  }
}

std::vector<CMessageCollector::Message> WithoutOpenFailures(const std::vector<CMessageCollector::Message>& messages) {
  std::vector<CMessageCollector::Message> kept;
  for (std::size_t i = 0; i < messages.size(); ++i) {
    const bool failure = messages[i].text.starts_with(kOpenFailure);
    const bool beforeFailure = i + 1 < messages.size() && messages[i + 1].text.starts_with(kOpenFailure);
    if (!failure && !beforeFailure) kept.push_back(messages[i]);
  }
  return kept;
}

void ShowOtherMessages(const std::function<void()>& work) {
  std::vector<CMessageCollector::Message> messages;
  {
    const CMessageCollector collector;
    work();
    messages = WithoutOpenFailures(collector.Messages());
  }
  for (const auto& message : messages) AfxMessageBox(message.text, message.icon);
}

}  // namespace zulparvo::cli
