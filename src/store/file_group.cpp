#include "store/file_group.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <map>
#include <optional>
#include <set>

#include "core/disk.h"
#include "store/line_format.h"

namespace fs = std::filesystem;

namespace {

// Temporary files are "<target>.<id>.new", kept old files "<target>.<id>.old", the
// placeholder of a member that did not exist "<target>.<id>.none", the marker of a group
// "<id>.group", where the id is 16 hexadecimal digits the disk draws anew for every
// replacement.
constexpr std::size_t IdLength = 16;
constexpr char MarkerSuffix[] = ".group";
constexpr std::string_view ScratchKinds[] = {".new", ".old", ".none"};

bool isId(std::string_view s) {
  if (s.size() != IdLength) return false;
  for (char c : s)
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  return true;
}

// A scratch file's target name, id and kind; nothing for any other name.
struct Scratch {
  std::string target, id;
  std::string_view kind;
};

std::optional<Scratch> scratchOf(std::string_view name) {
  for (std::string_view kind : ScratchKinds) {
    if (!name.ends_with(kind)) continue;
    std::string_view rest = name.substr(0, name.size() - kind.size());
    if (rest.size() < IdLength + 2 || rest[rest.size() - IdLength - 1] != '.') return std::nullopt;
    const auto id = rest.substr(rest.size() - IdLength);
    if (!isId(id)) return std::nullopt;
    return Scratch{std::string(rest.substr(0, rest.size() - IdLength - 1)), std::string(id), kind};
  }
  return std::nullopt;
}

fs::path scratchPath(const fs::path& target, const std::string& id, std::string_view kind) {
  return target.parent_path() / (target.filename().string() + "." + id + std::string(kind));
}

// A step on `target` failed for `error` (errno, taken before any other call changes it).
FileResult failure(const fs::path& target, int error) {
  return {FileResult::Failed, target.string(), std::error_code(error, std::generic_category())};
}

// The check of a member's content that the marker keeps: 64-bit FNV-1a.
std::uint64_t contentCheck(std::string_view bytes) {
  std::uint64_t h = 0xcbf29ce484222325ULL;
  for (unsigned char c : bytes) h = (h ^ c) * 0x100000001b3ULL;
  return h;
}

std::string hex(std::uint64_t v) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(v));
  return text;
}

// A member as its marker names it.
struct Member {
  std::string name;
  std::size_t size;
  std::string check;
};

std::string markerText(const std::vector<FileBytes>& files) {
  LayoutWriter out;
  for (const FileBytes& f : files) {
    out.text(f.target.filename().string());
    out.integer(static_cast<long>(f.bytes.size()), 0, std::numeric_limits<long>::max());
    out.text(hex(contentCheck(f.bytes)));
    out.endLine();
  }
  return std::move(out.bytes);
}

// A name the marker may act on: a plain file of the marker's own folder.
bool plainName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

// The members a marker names; nothing when it is cut short or damaged, or not one of ours.
std::optional<std::vector<Member>> parseMarker(std::string_view bytes) {
  std::vector<Member> members;
  FieldScanner in(bytes);
  do {
    RawField name, size, check, extra;
    if (!in.nextField(name)) continue;
    if (!name.quoted || !name.closed || !plainName(name.bytes) || !in.nextField(size) ||
        !in.nextField(check) || !check.quoted || check.bytes.size() != IdLength ||
        in.nextField(extra))
      return std::nullopt;
    const auto n = AsInteger(size);
    if (!n || *n < 0) return std::nullopt;
    members.push_back(
        {std::string(name.bytes), static_cast<std::size_t>(*n), std::string(check.bytes)});
  } while (in.nextLine());
  if (members.empty()) return std::nullopt;
  return members;
}

// Puts back what the group of `id` replaced, found by the names of its scratch files:
// a kept old file goes back, a member that did not exist goes, temporary files go. Each
// step can be repeated, so an undo cut short is finished by the next one.
bool undoByNames(Disk& disk, const fs::path& folder, const std::string& id,
                 const std::vector<std::string>& names) {
  bool ok = true;
  for (const std::string& name : names) {
    const auto s = scratchOf(name);
    if (!s || s->id != id) continue;
    if (s->kind == ".old") ok = disk.rename(folder / name, folder / s->target) && ok;
    if (s->kind == ".none") ok = disk.remove(folder / s->target) && ok;
    if (s->kind != ".old") ok = disk.remove(folder / name) && ok;
  }
  return ok;
}

// Removes what the group of `id` kept to undo itself: it stands.
bool dropScratch(Disk& disk, const fs::path& folder, const std::string& id,
                 const std::vector<std::string>& names) {
  bool ok = true;
  for (const std::string& name : names)
    if (const auto s = scratchOf(name); s && s->id == id) ok = disk.remove(folder / name) && ok;
  return ok;
}

std::vector<std::string> namesIn(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    names.push_back(it->path().filename().string());
  return names;
}

bool isWhole(const fs::path& folder, const Member& m) {
  const auto bytes = ReadWholeFile(folder / m.name);
  return bytes && bytes->size() == m.size && hex(contentCheck(*bytes)) == m.check;
}

FileResult replaceGroup(Disk& disk, const fs::path& folder, const std::vector<FileBytes>& files,
                        bool durable) {
  const std::string id = disk.newScratchId();
  const fs::path marker = folder / (id + MarkerSuffix);
  std::vector<std::string> made;  // the scratch names written so far
  const auto fail = [&](const fs::path& target) {
    const FileResult r = failure(target, errno);
    // The marker stays while the old files are not all back, for the next start.
    if (undoByNames(disk, folder, id, made)) disk.remove(marker);
    return r;
  };
  for (const FileBytes& f : files) {
    const fs::path temp = scratchPath(f.target, id, ".new");
    made.push_back(temp.filename().string());
    if (!disk.writeNew(temp, f.bytes, durable)) return fail(f.target);
  }
  for (const FileBytes& f : files) {
    if (!IsMissing(f.target)) continue;
    const fs::path none = scratchPath(f.target, id, ".none");
    made.push_back(none.filename().string());
    if (!disk.writeNew(none, "", false)) return fail(f.target);
  }
  if (!disk.writeNew(marker, markerText(files), durable)) return fail(files[0].target);
  for (const FileBytes& f : files) {
    const fs::path old = scratchPath(f.target, id, ".old");
    if (!IsMissing(f.target)) {
      if (!disk.rename(f.target, old)) return fail(f.target);
      made.push_back(old.filename().string());
    }
    if (!disk.rename(scratchPath(f.target, id, ".new"), f.target)) return fail(f.target);
  }
  // The new files stand; what could undo them goes once they are on the disk: the
  // marker first, and the old files once its removal is there too.
  if (!durable) {
    if (!disk.remove(marker)) return failure(files[0].target, errno);
    dropScratch(disk, folder, id, made);
    return {};
  }
  disk.syncLater(folder, [folder, id, marker, made](Disk& d) {
    return d.remove(marker) && (!d.syncs() || d.syncFolder(folder)) &&
           dropScratch(d, folder, id, made);
  });
  return {};
}

ino_t inodeOf(const fs::path& file) {
  struct stat st {};
  return ::stat(file.c_str(), &st) == 0 ? st.st_ino : 0;
}

// The synced content of `target`, of inode `inode`, takes the copy's name. A newer
// content in its place has a round of its own after this one; a target removed since
// has its copy removed by its removal. The new name is not waited for: until it is on
// the disk, the copy before it stands there, as whole.
bool nameSyncedCopy(Disk& disk, const fs::path& target, ino_t inode, const std::string& id) {
  const fs::path scratch = scratchPath(SyncedCopyOf(target), id, ".new");
  if (!disk.link(target, scratch)) return errno == ENOENT;
  if (inodeOf(scratch) != inode) return disk.remove(scratch);
  return disk.rename(scratch, SyncedCopyOf(target));
}

}  // namespace

fs::path SyncedCopyOf(const fs::path& target) {
  return target.parent_path() / (target.filename().string() + ".synced");
}

FileResult ReplaceFiles(Disk& disk, const std::vector<FileBytes>& files, bool durable) {
  if (files.empty()) return {};
  const fs::path folder = files[0].target.parent_path();
  for (const FileBytes& f : files) {
    // A folder in a target's place is not ours to move aside.
    if (f.target.parent_path() != folder) return failure(f.target, EINVAL);
    if (files.size() > 1 && IsFolder(f.target)) return failure(f.target, EISDIR);
  }
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (files.size() > 1) return replaceGroup(disk, folder, files, durable);

  const FileBytes& f = files[0];
  const std::string id = disk.newScratchId();
  const fs::path temp = scratchPath(f.target, id, ".new");
  if (!disk.writeNew(temp, f.bytes, durable)) {
    const FileResult r = failure(f.target, errno);
    disk.remove(temp);
    return r;
  }
  const ino_t inode = durable ? inodeOf(temp) : 0;
  if (!disk.rename(temp, f.target)) {
    const FileResult r = failure(f.target, errno);
    disk.remove(temp);
    return r;
  }
  if (durable && disk.syncs())
    disk.syncLater(
        folder,
        [target = f.target, inode, id = disk.newScratchId()](Disk& d) {
          return nameSyncedCopy(d, target, inode, id);
        },
        f.target.string());
  return {};
}

void RemoveDurableFile(Disk& disk, const fs::path& target) {
  // The copy first, at once: a content written after the removal must never have the
  // removed one standing in for it.
  disk.remove(SyncedCopyOf(target));
  disk.remove(target);
  if (disk.syncs()) disk.syncLater(target.parent_path());
}

void RecoverReplacedFiles(Disk& disk, const fs::path& folder) {
  std::vector<std::string> names = namesIn(folder);
  if (names.empty()) return;

  // Newest first: a group that stands makes older ones of its members needless, and one
  // undone leaves its members as the older group left them.
  std::vector<std::string> markers;
  for (const std::string& name : names)
    if (name.ends_with(MarkerSuffix) && name.size() == IdLength + sizeof MarkerSuffix - 1 &&
        isId(std::string_view(name).substr(0, IdLength)))
      markers.push_back(name.substr(0, IdLength));
  std::sort(markers.rbegin(), markers.rend());

  std::set<std::string> standing;    // members of a group that stands
  std::set<std::string> unfinished;  // ids whose files could not all be put right
  bool changed = false;
  for (const std::string& id : markers) {
    const fs::path marker = folder / (id + MarkerSuffix);
    const auto bytes = ReadWholeFile(marker);
    const auto members = bytes ? parseMarker(*bytes) : std::nullopt;
    bool ok;
    if (members && std::all_of(members->begin(), members->end(),
                               [&](const Member& m) { return standing.contains(m.name); })) {
      ok = dropScratch(disk, folder, id, names);
    } else if (members && std::all_of(members->begin(), members->end(),
                                      [&](const Member& m) { return isWhole(folder, m); })) {
      ok = dropScratch(disk, folder, id, names);
      for (const Member& m : *members) standing.insert(m.name);
    } else {
      // A marker cut short or damaged has its members named by their scratch files.
      ok = undoByNames(disk, folder, id, names);
    }
    ok = ok && disk.syncFolder(folder) && disk.remove(marker);
    if (!ok) unfinished.insert(id);
    changed = true;
  }
  for (const std::string& name : names) {
    const auto s = scratchOf(name);
    if (s && !unfinished.contains(s->id) && !IsMissing(folder / name)) {
      disk.remove(folder / name);
      changed = true;
    }
  }
  if (changed) disk.syncFolder(folder);
}

void RemoveStaleTemporaries(Disk& disk, const fs::path& folder) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (const auto s = scratchOf(name); s && s->kind == ".new") disk.remove(it->path());
  }
}
