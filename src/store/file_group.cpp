#include "store/file_group.h"

#include <sys/random.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <set>

#include "core/disk.h"
#include "store/line_format.h"

namespace fs = std::filesystem;

namespace {

// Temporary files are "<target>.<id>.new", kept old files "<target>.<id>.old", and the
// marker of a group "<id>.group", where the id is 16 hexadecimal digits drawn anew for
// every replacement.
constexpr std::size_t IdLength = 16;
constexpr char MarkerSuffix[] = ".group";

std::string newId() {
  std::uint64_t id =
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
      (static_cast<std::uint64_t>(::getpid()) << 40);
  // Without random bytes the clock and the process still make the name unique.
  std::uint64_t random = 0;
  if (::getrandom(&random, sizeof random, GRND_NONBLOCK) == sizeof random) id ^= random;
  char text[IdLength + 1];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(id));
  return text;
}

bool isId(std::string_view s) {
  if (s.size() != IdLength) return false;
  for (char c : s)
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  return true;
}

// The id of a temporary or kept old file, or nothing for any other name.
std::optional<std::string> scratchId(std::string_view name) {
  if (!name.ends_with(".new") && !name.ends_with(".old")) return std::nullopt;
  name.remove_suffix(4);
  if (name.size() < IdLength + 2 || name[name.size() - IdLength - 1] != '.') return std::nullopt;
  const auto id = name.substr(name.size() - IdLength);
  if (!isId(id)) return std::nullopt;
  return std::string(id);
}

// A step on `target` failed for `error` (errno, taken before any other call changes it).
FileResult failure(const fs::path& target, int error) {
  return {FileResult::Failed, target.string(), std::error_code(error, std::generic_category())};
}

// One file of a group and the names its steps use.
struct Member {
  fs::path target, temp, backup;
  // The target stood before the group was replaced; if not, undoing removes it.
  bool existed;
};

struct Group {
  fs::path folder;
  std::string id;
  std::vector<Member> members;

  fs::path marker() const { return folder / (id + MarkerSuffix); }
  void add(const std::string& name, bool existed) {
    members.push_back({folder / name, folder / (name + "." + id + ".new"),
                       folder / (name + "." + id + ".old"), existed});
  }
};

std::string markerText(const Group& g) {
  LayoutWriter out;
  for (const Member& m : g.members) {
    out.text(m.target.filename().string());
    out.integer(m.existed ? 1 : 0, 0, 1);
    out.endLine();
  }
  return std::move(out.bytes);
}

// A name the marker may act on: a plain file of the marker's own folder.
bool plainName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

// The group a marker names; nothing when the marker was cut short while it was written
// (before any file of the group changed) or is not one of ours.
std::optional<Group> parseMarker(const fs::path& folder, const std::string& id,
                                 std::string_view bytes) {
  Group g{folder, id, {}};
  FieldScanner in(bytes);
  do {
    RawField name, existed, extra;
    if (!in.nextField(name)) continue;
    if (!name.quoted || !name.closed || !plainName(name.bytes) || !in.nextField(existed) ||
        in.nextField(extra))
      return std::nullopt;
    const auto flag = AsInteger(existed);
    if (!flag || (*flag != 0 && *flag != 1)) return std::nullopt;
    g.add(std::string(name.bytes), *flag == 1);
  } while (in.nextLine());
  if (g.members.empty()) return std::nullopt;
  return g;
}

// Puts back every file the group replaced and removes its temporary files. Each step
// can be repeated, so an undo that is cut short is finished by the next one.
bool undo(Disk& disk, const Group& g) {
  bool ok = true;
  for (const Member& m : g.members) {
    if (m.existed) {
      if (!IsMissing(m.backup)) ok = disk.rename(m.backup, m.target) && ok;
      ok = disk.remove(m.temp) && ok;
    } else if (!IsMissing(m.temp)) {
      ok = disk.remove(m.temp) && ok;
    } else {
      // The temporary file has become the target, which did not exist before.
      ok = disk.remove(m.target) && ok;
    }
  }
  return ok;
}

// The temporary files are complete; the marker makes every later step undoable.
FileResult switchGroup(Disk& disk, const Group& g, const std::vector<FileBytes>& files,
                       bool durable) {
  const auto sync = [&] { return !durable || disk.syncFolder(g.folder); };
  const auto fail = [&](std::size_t i) {
    const FileResult r = failure(files[i].target, errno);
    // The marker stays while the old files are not all back, for the next start.
    if (undo(disk, g) && sync()) disk.remove(g.marker());
    return r;
  };
  if (!disk.writeNew(g.marker(), markerText(g), durable) || !sync()) return fail(0);
  for (std::size_t i = 0; i < g.members.size(); ++i) {
    const Member& m = g.members[i];
    if (m.existed && !disk.rename(m.target, m.backup)) return fail(i);
    if (!disk.rename(m.temp, m.target)) return fail(i);
  }
  if (!sync()) return fail(0);
  // Without the marker the new files stand.
  if (!disk.remove(g.marker()) || !sync()) return fail(0);
  for (const Member& m : g.members)
    if (m.existed) disk.remove(m.backup);  // else removed at the next start
  return {};
}

}  // namespace

FileResult ReplaceFiles(Disk& disk, const std::vector<FileBytes>& files, bool durable) {
  if (files.empty()) return {};
  Group g{files[0].target.parent_path(), newId(), {}};
  // A single file that need not outlast a power cut takes its target's place in one
  // rename, which also fails by itself over a folder.
  const bool group = files.size() > 1 || durable;
  for (const FileBytes& f : files) {
    // A folder in a target's place is not ours to move aside.
    if (f.target.parent_path() != g.folder) return failure(f.target, EINVAL);
    if (group && IsFolder(f.target)) return failure(f.target, EISDIR);
    g.add(f.target.filename().string(), group && !IsMissing(f.target));
  }
  std::error_code ec;
  fs::create_directories(g.folder, ec);
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (disk.writeNew(g.members[i].temp, files[i].bytes, durable)) continue;
    const FileResult r = failure(files[i].target, errno);
    for (std::size_t j = 0; j <= i; ++j) disk.remove(g.members[j].temp);
    return r;
  }
  if (group) return switchGroup(disk, g, files, durable);
  const Member& m = g.members[0];
  if (disk.rename(m.temp, m.target)) return {};
  const FileResult r = failure(files[0].target, errno);
  disk.remove(m.temp);
  return r;
}

void RecoverReplacedFiles(Disk& disk, const fs::path& folder) {
  std::error_code ec;
  std::vector<std::string> names;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    names.push_back(it->path().filename().string());
  if (ec) return;

  // Groups whose old files could not all be put back keep their marker and files.
  std::set<std::string> unfinished;
  for (const std::string& name : names) {
    if (!name.ends_with(MarkerSuffix) || name.size() != IdLength + sizeof MarkerSuffix - 1)
      continue;
    const std::string id = name.substr(0, IdLength);
    if (!isId(id)) continue;
    const auto bytes = ReadWholeFile(folder / name);
    const auto group = bytes ? parseMarker(folder, id, *bytes) : std::nullopt;
    if (!bytes || (group && !(undo(disk, *group) && disk.syncFolder(folder))) ||
        !disk.remove(folder / name))
      unfinished.insert(id);
  }
  for (const std::string& name : names) {
    const auto id = scratchId(name);
    if (id && !unfinished.contains(*id)) disk.remove(folder / name);
  }
}

void RemoveStaleTemporaries(Disk& disk, const fs::path& folder) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.ends_with(".new") && scratchId(name)) disk.remove(it->path());
  }
}
