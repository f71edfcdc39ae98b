#include "store/recovery_file.h"

#include <algorithm>

#include "store/data_file.h"
#include "store/line_format.h"

namespace {

// The first line of the section: the recovery file of this program, layout 1.
constexpr char SectionMark[] = "00 Varnet resume";
constexpr long LayoutVersion = 1;

template <class Io, class V>
void walkVerdict(Io& io, V& v) {
  io.text(v.caption);
  io.integer(v.fore.value, -2, 0xFFFFFF);
  io.integer(v.back.value, -2, 0xFFFFFF);
  io.integer(v.picture, 0, 1);
  io.endLine();
}

// The recovery file's own section (its lines before the undo snapshot). The writer walks
// const values, the reader mutable ones.
template <class Io, class S, class Mark>
void walkResume(Io& io, S& s, Mark& mark, int& version) {
  io.text(mark);
  io.integer(version, LayoutVersion, LayoutVersion);
  io.endLine();
  io.integer(s.lastIndex, 0, 100);
  io.integer(s.lastArea, 0, 6);
  io.integer(s.lastColour, 0, 4);
  io.integer(s.unsaved, 0, 2);
  io.endLine();
  io.integer(s.expectColour, 0, 4);
  io.integer(s.pointExpectVoid, 0, 1);
  io.integer(s.expectArea, 0, 6);
  io.integer(s.playing, 0, 1);
  io.integer(s.playInterval, 0, 65535);
  io.integer(s.blinkArea, 0, 100);
  io.integer(s.blinkPoint, 0, 100);
  io.integer(s.blinkPhase, 0, 100);
  io.endLine();
  io.figure(s.holdCount, Figure::Count);
  io.endLine();
  walkVerdict(io, s.orVerdict);
  walkVerdict(io, s.pointVerdict);
  walkVerdict(io, s.totalVerdict);
  for (auto& v : s.areaVerdict) walkVerdict(io, v);
  io.integer(s.blackLight, 0, 1);
  io.integer(s.redLight, 0, 1);
  io.endLine();
  for (auto& lit : s.pointLight) io.integer(lit, 0, 1);
  io.endLine();
  for (auto& lit : s.areaLight) io.integer(lit, 0, 1);
  io.endLine();
  for (auto& hit : s.areaHit) io.integer(hit, 0, 1);
  io.endLine();
  for (auto& w : s.drawWeight) io.figure(w, Figure::Amount);
  io.endLine();
  io.figure(s.totalHits, Figure::Amount);
  io.figure(s.totalOuts, Figure::Amount);
  io.figure(s.totalRate, Figure::Shown);
  io.endLine();
  walkVerdict(io, s.totalVerdictBefore);
}

std::string resumeBytes(const ResumeState& s) {
  LayoutWriter out;
  const std::string mark = SectionMark;
  int version = LayoutVersion;
  walkResume(out, s, mark, version);
  return std::move(out.bytes);
}

std::size_t lineCount(std::string_view bytes) {
  return static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
}

// The first `lines` lines of `rest`, taken off it; nothing when it has fewer.
std::optional<std::string_view> takeLines(std::string_view& rest, std::size_t lines) {
  std::size_t end = 0;
  for (std::size_t n = 0; n < lines; ++n) {
    const auto at = rest.find('\n', end);
    if (at == std::string_view::npos) return std::nullopt;
    end = at + 1;
  }
  const std::string_view part = rest.substr(0, end);
  rest.remove_prefix(end);
  return part;
}

}  // namespace

std::string RecoveryFileBytes(const RecoveryFile& f) {
  return SlotFileBytes(f.game) +
         SnapshotFileBytes(f.snapshot.expectDone, f.snapshot.buffers, &f.snapshot.areas) +
         resumeBytes(f.resume) + f.resume.undoSnapshot;
}

std::optional<RecoveryFile> ParseRecoveryFile(std::string_view bytes) {
  // Every layout has a fixed number of lines.
  static const AreaTables NoAreas{};
  static const std::size_t gameLines = lineCount(SlotFileBytes(SlotFile{}));
  static const std::size_t snapshotLines =
      lineCount(SnapshotFileBytes(0, SnapshotBuffers{}, &NoAreas));
  static const std::size_t resumeLines = lineCount(resumeBytes(ResumeState{}));

  std::string_view rest = bytes;
  const auto game = takeLines(rest, gameLines);
  const auto snapshot = takeLines(rest, snapshotLines);
  const auto resume = takeLines(rest, resumeLines);
  if (!game || !snapshot || !resume) return std::nullopt;
  RecoveryFile f;
  auto parsedGame = ParseSlotFile(*game);
  auto parsedSnapshot = ParseSnapshotFile(*snapshot, true);
  std::string mark;
  int version = 0;
  if (!parsedGame || !parsedSnapshot ||
      !ParseLayout(*resume, [&](LayoutReader& in) { walkResume(in, f.resume, mark, version); }) ||
      mark != SectionMark || (!rest.empty() && !ParseSnapshotFile(rest, false)))
    return std::nullopt;
  f.game = std::move(*parsedGame);
  f.snapshot = std::move(*parsedSnapshot);
  f.resume.undoSnapshot = std::string(rest);
  // Only what this program writes is taken: anything else would not save back the same.
  if (RecoveryFileBytes(f) != bytes) return std::nullopt;
  return f;
}
