#include "recording_disk.h"

#include <map>

bool RecordingDisk::writeNew(const std::filesystem::path& file, std::string_view bytes,
                             bool lasting) {
  record({DiskStep::Write, file, {}, lasting});
  return Disk::writeNew(file, bytes, lasting);
}

bool RecordingDisk::link(const std::filesystem::path& from, const std::filesystem::path& to) {
  record({DiskStep::Link, from, to});
  return Disk::link(from, to);
}

bool RecordingDisk::syncFile(int fd, const std::filesystem::path& file) {
  record({DiskStep::SyncFile, file, {}});
  return Disk::syncFile(fd, file);
}

bool RecordingDisk::rename(const std::filesystem::path& from, const std::filesystem::path& to) {
  record({DiskStep::Rename, from, to});
  return Disk::rename(from, to);
}

bool RecordingDisk::remove(const std::filesystem::path& file) {
  record({DiskStep::Remove, file, {}});
  return Disk::remove(file);
}

bool RecordingDisk::syncFolder(const std::filesystem::path& folder) {
  record({DiskStep::SyncFolder, folder, {}});
  return Disk::syncFolder(folder);
}

std::vector<DiskStep> RecordingDisk::steps() const {
  std::lock_guard lock(mutex_);
  return steps_;
}

void RecordingDisk::record(DiskStep step) {
  std::lock_guard lock(mutex_);
  steps_.push_back(std::move(step));
}

RecordingDisk& RecordSteps(App& app) {
  return PutDisk(app, std::make_unique<RecordingDisk>());
}

namespace {

// The write, before step `i`, that made the file step i renames; nothing for a file the
// steps did not make (an old file moved aside or back).
const DiskStep* madeBy(const std::vector<DiskStep>& steps, std::size_t i) {
  for (std::size_t j = i; j-- > 0;)
    if (steps[j].kind == DiskStep::Write && steps[j].path == steps[i].path) return &steps[j];
  return nullptr;
}

bool isPlacement(const std::vector<DiskStep>& steps, std::size_t i) {
  return steps[i].kind == DiskStep::Rename && madeBy(steps, i);
}

bool syncs(const DiskStep& s, const std::filesystem::path& folder) {
  return s.kind == DiskStep::SyncFolder && s.path == folder;
}

}  // namespace

std::vector<std::string> PlacedFiles(const std::vector<DiskStep>& steps) {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < steps.size(); ++i)
    if (isPlacement(steps, i)) names.push_back(steps[i].to.filename().string());
  return names;
}

std::string DurabilityFaults(const std::vector<DiskStep>& steps,
                             const std::function<bool(const std::filesystem::path&)>& mustLast) {
  std::string faults;
  const auto fault = [&faults](const std::filesystem::path& file, const char* what) {
    faults += file.filename().string() + ": " + what + "\n";
  };
  const auto ends = [](const std::filesystem::path& p, const char* suffix) {
    return p.filename().string().ends_with(suffix);
  };
  // Lasting files placed so far, by the name they took: the path they were written under.
  // A newer file in a name needs no sync of the older.
  std::map<std::filesystem::path, std::filesystem::path> placed;
  const auto syncedBefore = [&](const std::filesystem::path& written, std::size_t i) {
    for (std::size_t j = i; j-- > 0;) {
      if (steps[j].kind != DiskStep::SyncFile || steps[j].path != written) continue;
      for (std::size_t k = j + 1; k < i; ++k)
        if (syncs(steps[k], written.parent_path())) return true;
      return false;
    }
    return false;
  };
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const DiskStep& s = steps[i];
    if (s.kind == DiskStep::Write) {
      bool leaves = false;
      for (std::size_t j = i + 1; j < steps.size() && !leaves; ++j)
        leaves = (steps[j].kind == DiskStep::Rename || steps[j].kind == DiskStep::Remove) &&
                 steps[j].path == s.path;
      if (!leaves) fault(s.path, "written where it stays");
    }
    if (isPlacement(steps, i) && mustLast(s.to)) {
      if (!madeBy(steps, i)->lasting) fault(s.to, "took its place and is never synced");
      bool synced = false, replaced = false;
      for (std::size_t j = i + 1; j < steps.size() && !synced && !replaced; ++j) {
        synced = steps[j].kind == DiskStep::SyncFile && steps[j].path == s.path;
        replaced = isPlacement(steps, j) && steps[j].to == s.to;
      }
      if (!synced && !replaced) fault(s.to, "took its place and was not synced after");
      placed[s.to] = s.path;
    }
    const bool undoes = s.kind == DiskStep::Link ||
                        (s.kind == DiskStep::Remove &&
                         (ends(s.path, ".group") || ends(s.path, ".old") || ends(s.path, ".none")));
    if (undoes)
      for (const auto& [name, written] : placed)
        if (!syncedBefore(written, i))
          fault(s.path, "dropped or named before the files were synced");
    if (s.kind == DiskStep::Remove && (ends(s.path, ".old") || ends(s.path, ".none")) &&
        !placed.empty()) {
      bool markerGone = false;
      for (std::size_t j = i; j-- > 0 && !markerGone;)
        if (steps[j].kind == DiskStep::Remove && ends(steps[j].path, ".group"))
          for (std::size_t k = j + 1; k < i && !markerGone; ++k)
            markerGone = syncs(steps[k], s.path.parent_path());
      if (!markerGone) fault(s.path, "removed before its marker's removal was on the disk");
    }
  }
  return faults;
}
