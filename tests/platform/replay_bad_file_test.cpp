// Replay files that are missing, foreign, cut or damaged are refused with one line naming
// the file, never misread; a pass cut by a dying writer is dropped; a writer that cannot
// write says why once and keeps what it wrote.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/replay/replay_codec.h"
#include "tests/platform/replay_files.h"

namespace {

using namespace replay_files;
using namespace replay_traffic;

std::string refusal(const std::vector<std::uint8_t>& bytes) {
  platform::ReplayReader reader;
  if (reader.openBytes(bytes.data(), bytes.size(), "r.replay")) return "opened";
  EXPECT_EQ(reader.error().find('\n'), std::string::npos) << reader.error();
  return reader.error();
}

std::vector<std::uint8_t> validFile(const Passes& passes, std::vector<std::uint64_t>* ends = nullptr) {
  const std::string path = tempPath("valid");
  const std::vector<std::uint64_t> written = writeReplay(path, passes, "v1");
  if (ends) *ends = written;
  std::vector<std::uint8_t> bytes = fileBytes(path);
  ::unlink(path.c_str());
  return bytes;
}

TEST(ReplayBadFile, FilesThatAreNoReplayOfThisFormatAreRefusedInOneLine) {
  platform::ReplayReader reader;
  EXPECT_FALSE(reader.open("/nonexistent/r.replay"));
  EXPECT_EQ(reader.error(), "cannot open replay /nonexistent/r.replay: No such file or directory");
  EXPECT_FALSE(reader.open("/"));
  EXPECT_EQ(reader.error(), "cannot read replay /: Is a directory");
  std::uint64_t ms;
  EXPECT_FALSE(reader.clock(ms)) << "a refused file answers nothing";

  EXPECT_EQ(refusal({}), "replay r.replay is empty");
  EXPECT_EQ(refusal({0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'}), "r.replay is not a replay file");
  EXPECT_EQ(refusal({'1', '0', ' ', '2', '0'}), "r.replay is not a replay file");

  std::vector<std::uint64_t> ends;
  const std::vector<std::uint8_t> good = validFile({{clockRead(1)}}, &ends);
  for (std::size_t cut = 1; cut < ends[0]; ++cut)
    EXPECT_EQ(refusal({good.begin(), good.begin() + cut}), "replay r.replay is cut short in its header") << cut << " bytes";
  std::vector<std::uint8_t> newer = good;
  newer[8] = 7;
  EXPECT_EQ(refusal(newer), "replay r.replay has format version 7; this build reads versions 1 to 6");
  newer[8] = 0;
  EXPECT_EQ(refusal(newer), "replay r.replay has format version 0; this build reads versions 1 to 6");
  newer[8] = 0xFF, newer[9] = 0xFF;
  EXPECT_EQ(refusal(newer), "replay r.replay has format version 65535; this build reads versions 1 to 6");
  std::vector<std::uint8_t> damaged = good;
  damaged[12] ^= 0x20;
  EXPECT_EQ(refusal(damaged), "replay r.replay is damaged in its header");
  std::uint32_t check;
  EXPECT_EQ(refusal(platform::encodeReplayHeader("bad\nversion", check)), "replay r.replay is damaged in its header")
      << "a game version that would break the one-line messages";
}

TEST(ReplayBadFile, AFileOverTheSizeLimitIsRefusedBeforeItIsRead) {
  const std::string path = tempPath("huge");
  const std::vector<std::uint8_t> good = validFile({{clockRead(1)}});
  putFileBytes(path, good);
  ASSERT_EQ(::truncate(path.c_str(), off_t(platform::kReplayMaxFileBytes + 1)), 0);
  platform::ReplayReader reader;
  EXPECT_FALSE(reader.open(path));
  EXPECT_EQ(reader.error(), "replay " + path + " is too large: 1073741825 bytes (at most 1073741824)");
  ::unlink(path.c_str());
}

TEST(ReplayBadFile, APassCutAnywhereIsDroppedAndEveryWholePassKept) {
  const Passes passes = gameShaped(60, 11);
  std::vector<std::uint64_t> ends;
  const std::vector<std::uint8_t> bytes = validFile(passes, &ends);
  for (std::size_t pass = 1; pass <= passes.size(); ++pass) {
    for (std::uint64_t cut = ends[pass - 1]; cut < ends[pass]; ++cut) {
      platform::ReplayReader reader;
      ASSERT_TRUE(reader.openBytes(bytes.data(), cut, "r")) << reader.error();
      ASSERT_EQ(reader.passCount(), pass - 1) << "cut at byte " << cut;
      EXPECT_EQ(reader.cutShort(), cut != ends[pass - 1]) << "cut at byte " << cut;
      const Passes whole(passes.begin(), passes.begin() + std::ptrdiff_t(pass - 1));
      ASSERT_EQ(replayAgainst(reader, whole), "") << "cut at byte " << cut;
    }
  }
  platform::ReplayReader reader;
  ASSERT_TRUE(reader.openBytes(bytes.data(), ends[5] + 1, "r"));
  EXPECT_EQ(replayAgainst(reader, {passes.begin(), passes.begin() + 6}),
            "replay departs at pass 6: the game read the clock; the file ends after pass 5 (the pass after it was cut "
            "short)");
}

TEST(ReplayBadFile, ABitFlippedInAPassIsFoundAtThatPassOrSoonAfter) {
  const Passes passes = gameShaped(200, 5);
  std::vector<std::uint64_t> ends;
  const std::vector<std::uint8_t> good = validFile(passes, &ends);
  const std::string damagedAt = "replay r.replay is damaged at pass ";
  for (std::size_t pass : {1, 2, 40, 120}) {
    for (std::uint64_t at = ends[pass - 1]; at < ends[pass]; ++at) {
      for (int bit = 0; bit < 8; ++bit) {
        std::vector<std::uint8_t> bytes = good;
        bytes[at] ^= std::uint8_t(1 << bit);
        const std::string why = refusal(bytes);
        ASSERT_EQ(why.rfind(damagedAt, 0), 0u) << why << " (bit " << bit << " of byte " << at << ")";
        const std::size_t named = std::stoul(why.substr(damagedAt.size()));
        EXPECT_TRUE(named >= pass && named <= pass + 8) << why << " for damage in pass " << pass;
      }
    }
  }
}

TEST(ReplayBadFile, AWriterThatCannotWriteSaysWhyOnceAndKeepsItsWholePasses) {
  platform::ReplayWriter writer;
  EXPECT_FALSE(writer.open("/nonexistent/r.replay", "v"));
  EXPECT_EQ(writer.error(), "cannot create replay /nonexistent/r.replay: No such file or directory");
  EXPECT_FALSE(writer.open("/dev/full", "v"));
  EXPECT_EQ(writer.error(), "cannot write replay /dev/full: No space left on device");
  EXPECT_FALSE(writer.open(tempPath("version"), std::string(300, 'v')));
  EXPECT_EQ(writer.error(), "replay " + tempPath("version") +
                                ": the game version is not printable ASCII of at most 255 characters");

  const std::string path = tempPath("stopped");
  ASSERT_TRUE(writer.open(path, "v"));
  writer.clock(4);
  ASSERT_TRUE(writer.endPass());
  writer.key(300, true);
  writer.clock(5);
  EXPECT_FALSE(writer.endPass());
  writer.key(-1, true);
  EXPECT_FALSE(writer.close());
  EXPECT_EQ(writer.error(), "replay " + path + ": key code 300 is no virtual key") << "the first failure is kept";

  ASSERT_TRUE(writer.open(path, "v"));
  for (std::size_t i = 0; i <= platform::kReplayMaxPassEvents; ++i) writer.clock(i);
  EXPECT_FALSE(writer.endPass());
  EXPECT_EQ(writer.error(), "replay " + path + ": pass 1 holds more than 4096 reads");

  platform::ReplayReader reader;
  ASSERT_TRUE(writer.open(path, "v"));
  writer.clock(4);
  ASSERT_TRUE(writer.endPass());
  writer.key(300, true);
  ASSERT_TRUE(reader.open(path)) << reader.error();
  EXPECT_EQ(replayAgainst(reader, {{clockRead(4)}}), "");
  ::unlink(path.c_str());
  ::unlink(tempPath("version").c_str());
}

}  // namespace
