#include "refdb/jet_process.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

extern char** environ;

namespace zulparvo {

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kConverterName = "zulparvo-jet-convert";
constexpr std::size_t kMaxLine = 4096;
constexpr std::size_t kMaxNote = 300;

// Marks libzulparvo's place in memory, to find the folder it was loaded from.
const char kLibraryAnchor = 0;

bool IsExecutable(const std::filesystem::path& path) { return access(path.c_str(), X_OK) == 0; }

// Closes a descriptor on every way out.
class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : m_fd(fd) {}
  ~Descriptor() { Reset(); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return m_fd; }
  void Reset(int fd = -1) {
    if (m_fd >= 0) close(m_fd);
    m_fd = fd;
  }

 private:
  int m_fd;
};

// What the child said and how it ended.
struct ChildReport {
  bool done = false;
  CString error;     // its "error" line
  CString lastNote;  // the last line that was not one of its own (libmdb's and glib's complaints)
  bool timedOut = false;
  bool waited = false;
  int status = 0;
};

void TakeLine(std::string_view line, ChildReport& report, const JetProgressCallback& progress,
              JetConversionSummary* summary) {
  const std::size_t first = line.find_first_not_of(" \t\r");
  const std::string_view note = first == std::string_view::npos ? std::string_view() : line.substr(first);
  auto field = [&line]() {
    const std::size_t tab = line.find('\t');
    const std::string_view value = line.substr(0, tab);
    line = tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
    return std::string(value);
  };
  const std::string kind = field();
  if (kind == "table") {
    JetProgress table;
    table.index = std::atoi(field().c_str());
    table.count = std::atoi(field().c_str());
    table.rows = std::atoll(field().c_str());
    table.table = CString(line);
    if (progress) progress(table);
  } else if (kind == "done") {
    report.done = true;
    const int tables = std::atoi(field().c_str());
    if (summary) *summary = {tables, std::atoll(field().c_str())};
  } else if (kind == "error") {
    report.error = CString(line.substr(0, kMaxNote));
  } else if (!note.empty()) {
    report.lastNote = CString(note.substr(0, kMaxNote));
  }
}

// Reads the child's lines until it closes its end or the deadline passes.
void ReadReport(int fd, Clock::time_point deadline, ChildReport& report, const JetProgressCallback& progress,
                JetConversionSummary* summary) {
  std::string pending;
  char buffer[4096];
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) {
      report.timedOut = true;
      return;
    }
    pollfd wanted{fd, POLLIN, 0};
    const int ready = poll(&wanted, 1, static_cast<int>(std::min<long long>(left, 1000)));
    if (ready < 0 && errno != EINTR) return;
    if (ready <= 0) continue;
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (got <= 0) break;
    pending.append(buffer, static_cast<std::size_t>(got));
    std::size_t end;
    while ((end = pending.find('\n')) != std::string::npos) {
      TakeLine(std::string_view(pending).substr(0, end), report, progress, summary);
      pending.erase(0, end + 1);
    }
    if (pending.size() > kMaxLine) pending.clear();  // a line that long is nobody's message
  }
  if (!pending.empty()) TakeLine(pending, report, progress, summary);
}

// Waits for the child until the deadline, then kills it.
void Reap(pid_t pid, Clock::time_point deadline, ChildReport& report) {
  for (;;) {
    const pid_t waited = waitpid(pid, &report.status, WNOHANG);
    if (waited == pid) {
      report.waited = true;
      return;
    }
    if (waited < 0 && errno == EINTR) continue;
    if (waited < 0) return;  // ECHILD: a host that ignores SIGCHLD has its children reaped for it
    if (report.timedOut || Clock::now() >= deadline) {
      report.timedOut = true;
      kill(pid, SIGKILL);
      pid_t killed;
      while ((killed = waitpid(pid, &report.status, 0)) < 0 && errno == EINTR) {
      }
      report.waited = killed == pid;
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

CString Reason(const ChildReport& report, const JetLimits& limits) {
  if (report.timedOut) return "the conversion took longer than " + std::to_string(limits.wallClock.count()) + " s";
  if (!report.error.empty()) return report.error;
  const CString note = report.lastNote.empty() ? CString() : ": " + report.lastNote;
  if (!report.waited) return "the converter's end cannot be told" + note;
  if (WIFEXITED(report.status)) {
    return "the converter ended with status " + std::to_string(WEXITSTATUS(report.status)) + note;
  }
  const int signal = WIFSIGNALED(report.status) ? WTERMSIG(report.status) : 0;
  if (signal == SIGXCPU) {
    return "the conversion needed more than " + std::to_string(limits.processorTime.count()) + " s of processor time";
  }
  if (signal == SIGXFSZ) return "the converted copy grew past " + std::to_string(limits.outputMiB) + " MiB";
  if (report.lastNote.find("alloc") != CString::npos) {
    return "the conversion needed more than " + std::to_string(limits.memoryMiB) + " MiB of memory" + note;
  }
  const char* name = sigdescr_np(signal);
  return "the converter crashed (" + (name != nullptr ? CString(name) : "signal " + std::to_string(signal)) + ")" +
         note;
}

// Runs the converter from `input` into the file `temporary`.
bool RunConverter(const CString& converter, const CString& input, const CString& temporary, CString& error,
                  const JetProgressCallback& progress, const JetLimits& limits, JetConversionSummary* summary) {
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) {
    error = "cannot make a pipe: " + CString(std::strerror(errno));
    return false;
  }
  Descriptor readEnd(ends[0]);
  // Kept above the standard descriptors, which the child's are made of.
  Descriptor writeEnd(ends[1] > 2 ? ends[1] : fcntl(ends[1], F_DUPFD_CLOEXEC, 3));
  if (ends[1] <= 2) close(ends[1]);

  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
  posix_spawn_file_actions_init(&actions);
  posix_spawnattr_init(&attributes);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, writeEnd.Get(), 1);
  posix_spawn_file_actions_adddup2(&actions, writeEnd.Get(), 2);
  posix_spawn_file_actions_addclosefrom_np(&actions, 3);
  // The child starts with no signal blocked and every signal at its default, whatever
  // the host set up for itself.
  sigset_t signals;
  sigemptyset(&signals);
  posix_spawnattr_setsigmask(&attributes, &signals);
  sigfillset(&signals);
  posix_spawnattr_setsigdefault(&attributes, &signals);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

  const std::vector<std::string> arguments = {converter,
                                              "--max-memory-mb",
                                              std::to_string(limits.memoryMiB),
                                              "--max-cpu-seconds",
                                              std::to_string(limits.processorTime.count()),
                                              "--max-output-mb",
                                              std::to_string(limits.outputMiB),
                                              "--",
                                              input,
                                              temporary};
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int started = posix_spawn(&pid, converter.c_str(), &actions, &attributes, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  writeEnd.Reset();
  if (started != 0) {
    error = "cannot start the converter " + converter + ": " + std::strerror(started);
    return false;
  }

  const Clock::time_point deadline = Clock::now() + limits.wallClock;
  ChildReport report;
  ReadReport(readEnd.Get(), deadline, report, progress, summary);
  Reap(pid, deadline, report);
  const bool exitedWell = report.waited ? WIFEXITED(report.status) && WEXITSTATUS(report.status) == 0 : true;
  if (report.done && !report.timedOut && exitedWell) return true;
  error = Reason(report, limits);
  return false;
}

}  // namespace

CString FindJetConverter() {
  if (const char* named = std::getenv("ZULPARVO_JET_CONVERTER"); named != nullptr && *named != '\0') return named;
  Dl_info library{};
  if (dladdr(&kLibraryAnchor, &library) != 0 && library.dli_fname != nullptr) {
    std::error_code ignored;
    const std::filesystem::path beside =
        std::filesystem::absolute(library.dli_fname, ignored).parent_path().parent_path() / "libexec" / "zulparvo" /
        kConverterName;
    if (IsExecutable(beside)) return beside.lexically_normal().string();
  }
  const std::filesystem::path installed = std::filesystem::path(ZULPARVO_LIBEXEC_DIR) / "zulparvo" / kConverterName;
  return IsExecutable(installed) ? installed.string() : CString();
}

bool ConvertJetDatabase(const CString& input, const CString& output, CString& error,
                        const JetProgressCallback& progress, const JetLimits& limits, JetConversionSummary* summary) {
  const CString converter = FindJetConverter();
  if (converter.empty()) {
    error = CString("the converter ") + kConverterName + " is not installed (ZULPARVO_JET_CONVERTER may name it)";
    return false;
  }
  std::string temporary = output + ".XXXXXX";
  const Descriptor made(mkostemp(temporary.data(), O_CLOEXEC));
  if (made.Get() < 0) {
    error = "cannot write beside " + output + ": " + std::strerror(errno);
    return false;
  }
  fchmod(made.Get(), 0644);
  bool converted = RunConverter(converter, input, temporary, error, progress, limits, summary);
  // On disk before it takes the place of the old file.
  if (converted && fsync(made.Get()) != 0) {
    error = "cannot write " + output + ": " + std::strerror(errno);
    converted = false;
  }
  if (converted && rename(temporary.c_str(), output.c_str()) != 0) {
    error = "cannot write " + output + ": " + std::strerror(errno);
    converted = false;
  }
  if (!converted) unlink(temporary.c_str());
  return converted;
}

}  // namespace zulparvo
