#include "recording_disk.h"

bool RecordingDisk::writeNew(const std::filesystem::path& file, std::string_view bytes, bool sync) {
  record({DiskStep::Write, file, {}, sync});
  return Disk::writeNew(file, bytes, sync);
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
  bool lasting = false;  // a file that must last has taken its place
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const DiskStep& s = steps[i];
    if (s.kind == DiskStep::Remove && lasting && madeBy(steps, i)) {
      bool after = false;
      for (std::size_t j = i + 1; j < steps.size(); ++j)
        after = after || syncs(steps[j], s.path.parent_path());
      if (!after) fault(s.path, "removed and the folder was not synced after");
    }
    if (s.kind == DiskStep::Write) {
      bool leaves = false;
      for (std::size_t j = i + 1; j < steps.size() && !leaves; ++j)
        leaves = (steps[j].kind == DiskStep::Rename || steps[j].kind == DiskStep::Remove) &&
                 steps[j].path == s.path;
      if (!leaves) fault(s.path, "written where it stays");
    }
    if (!isPlacement(steps, i) || !mustLast(s.to)) continue;
    lasting = true;
    const auto folder = s.to.parent_path();
    if (!madeBy(steps, i)->synced) fault(s.to, "took its place unsynced");
    std::size_t lastWrite = i;
    while (lastWrite > 0 && steps[lastWrite].kind != DiskStep::Write) --lastWrite;
    bool before = false;
    for (std::size_t j = lastWrite; j < i; ++j) before = before || syncs(steps[j], folder);
    if (!before) fault(s.to, "took its place before the folder was synced");
    std::size_t next = i + 1;
    while (next < steps.size() && steps[next].kind == DiskStep::Rename) ++next;
    if (next == steps.size() || !syncs(steps[next], folder))
      fault(s.to, "took its place and the folder was not synced after");
  }
  return faults;
}
