// Streaming reads and safe writes of the simulations' long files.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <random>

#include "common/data_file.h"
#include "common/number_text.h"
#include "simulation/cooling_load_io.h"
#include "simulation/data_stream.h"
#include "support/named_pipe.h"
#include "support/temp_folder.h"

namespace {

TEST(BlockReader, LinesRunOnAcrossBlocksAndErrorsNameTheFileLine) {
  testsupport::TempFolder tmp;
  std::string text;
  const int lines = 150000;  // about 2.5 MB: three blocks
  for (int n = 1; n <= lines; ++n) text += std::to_string(n) + ",\"row\"," + std::to_string(n) + ".25\r\n";
  text.replace(text.find("\r\n140000,") + 2, 6, "14x000");
  tmp.Write("long.txt", text);
  simulation::BlockReader in;
  std::string error;
  ASSERT_TRUE(in.Open(tmp.Path() + "long.txt", error)) << error;
  int n = 0;
  for (;;) {
    common::DataReader* r = in.Line();
    ASSERT_NE(r, nullptr) << in.Error();
    common::Long a = 0;
    std::string s;
    double b = 0;
    r->Read(a), r->Read(s), r->Read(b);
    if (!r->Ok()) break;
    ++n;
    ASSERT_EQ(a, n);
    ASSERT_EQ(s, "row");
    ASSERT_EQ(b, n + 0.25);
  }
  EXPECT_EQ(n, 139999);
  EXPECT_EQ(in.Error(), "\"14x000\" is not a number (line 140000)");
  EXPECT_EQ(in.Line(), nullptr);
}

TEST(BlockReader, EndOfFileAndMissingFile) {
  testsupport::TempFolder tmp;
  tmp.Write("two.txt", "1\r\n2");  // the last line has no line end
  simulation::BlockReader in;
  std::string error;
  ASSERT_TRUE(in.Open(tmp.Path() + "two.txt", error));
  common::Integer v = 0;
  ASSERT_NE(in.Line(), nullptr);
  in.Line()->Read(v);
  EXPECT_EQ(v, 1);
  ASSERT_NE(in.Line(), nullptr);
  in.Line()->Read(v);
  EXPECT_EQ(v, 2);
  EXPECT_EQ(in.Line(), nullptr);
  EXPECT_EQ(in.Error(), "unexpected end of file (line 3)");  // the line that is missing
  EXPECT_FALSE(in.Open(tmp.Path() + "none.txt", error));
}

TEST(BlockReader, WhatIsNoRegularFileOrTooLargeIsRefusedAtOnce) {
  testsupport::TempFolder tmp;
  testsupport::NamedPipe pipe(tmp.Path() + "AnHSpCL.TXT");
  ASSERT_TRUE(pipe.Made());
  const std::string huge = tmp.Write("huge.ZLF", "");
  ASSERT_EQ(truncate(huge.c_str(), static_cast<off_t>(common::kMaxHourlyFileBytes + 1)), 0);
  const std::pair<std::string, const char*> cases[] = {
      {pipe.Path(), "not a regular file"},
      {"/dev/zero", "not a regular file"},
      {tmp.Path(), "not a regular file"},
      {huge, "more than any file of its kind"},
  };
  // Each is refused without a byte read: waiting on the pipe or reading
  // the endless device would hold the test until ctest's timeout.
  for (const auto& [path, reason] : cases) {
    SCOPED_TRACE(path);
    simulation::BlockReader in;
    std::string error;
    EXPECT_FALSE(in.Open(path, error));
    EXPECT_NE(error.find(reason), std::string::npos) << error;
    EXPECT_EQ(in.Line(), nullptr);
    EXPECT_EQ(in.BytesSearched(), 0u);
  }
}

// Long lines over many blocks: each block read is searched once for its
// last line end, not the whole line so far again, so the bytes searched
// never exceed the file (searching the whole line again for each block
// searches 36 MB of an 8 MB file without a line end).
TEST(BlockReader, LongLinesAreSearchedInOnePass) {
  testsupport::TempFolder tmp;
  const std::string threeLines = tmp.Write("three.RLF", [] {
    std::string line = "\"" + std::string(3 << 20, 'x') + "\"\r\n";
    return line + line + line;
  }());
  const std::string noLineEnd = tmp.Write("noline.RLF", "");
  ASSERT_EQ(truncate(noLineEnd.c_str(), off_t{8} << 20), 0);
  const struct {
    std::string path;
    int lines;
    std::size_t itemBytes;  // of each line's one item
  } cases[] = {{threeLines, 3, 3 << 20}, {noLineEnd, 1, 8 << 20}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    simulation::BlockReader in;
    std::string error;
    ASSERT_TRUE(in.Open(c.path, error)) << error;
    for (int n = 1; n <= c.lines; ++n) {
      common::DataReader* r = in.Line();
      ASSERT_NE(r, nullptr) << in.Error();
      std::string item;
      r->Read(item);
      EXPECT_EQ(item.size(), c.itemBytes);
    }
    EXPECT_LE(in.BytesSearched(), std::filesystem::file_size(c.path));
    EXPECT_GT(in.BytesSearched(), 0u);
  }
}

TEST(BlockWriter, CommitReplacesAbandonKeepsTheOldFile) {
  testsupport::TempFolder tmp;
  tmp.Write("out.txt", "old\r\n");
  const std::string path = tmp.Path() + "out.txt";
  {
    simulation::BlockWriter w;
    std::string error;
    ASSERT_TRUE(w.Open(path, error));
    for (int i = 0; i < 100000; ++i) {
      w.Out().Int(i).Sng(0.5f).Str("x").EndLine();
      ASSERT_TRUE(w.Flush());
    }
    // Dropped without Commit: the old file stays and no temporary is left.
  }
  EXPECT_EQ(tmp.Read("out.txt"), "old\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp.Path()), {}), 1);
  simulation::BlockWriter w;
  std::string error;
  ASSERT_TRUE(w.Open(path, error));
  w.Out().Int(7).Sng(1.5f).EndLine();
  ASSERT_TRUE(w.Commit(error)) << error;
  EXPECT_EQ(tmp.Read("out.txt"), "7,1.5\r\n");
  EXPECT_FALSE(w.Open(tmp.Path() + "no/such/folder/x.txt", error));
}

// The writer replaces files as every save does: through a link, keeping the
// link and the permissions, and never over a read-only file.
TEST(BlockWriter, CommitGoesThroughLinksAndKeepsPermissions) {
  testsupport::TempFolder tmp;
  const std::string target = tmp.Write("runs/BCLnEQW.SDF", "old\r\n");
  ASSERT_EQ(chmod(target.c_str(), 0600), 0);
  std::filesystem::create_symlink("runs/BCLnEQW.SDF", tmp.Path() + "BCLnEQW.SDF");
  simulation::BlockWriter w;
  std::string error;
  ASSERT_TRUE(w.Open(tmp.Path() + "BCLnEQW.SDF", error)) << error;
  w.Out().Int(1).EndLine();
  ASSERT_TRUE(w.Commit(error)) << error;
  EXPECT_TRUE(std::filesystem::is_symlink(tmp.Path() + "BCLnEQW.SDF"));
  EXPECT_EQ(tmp.Read("runs/BCLnEQW.SDF"), "1\r\n");
  struct stat st;
  ASSERT_EQ(stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);

  ASSERT_EQ(chmod(target.c_str(), 0444), 0);
  EXPECT_FALSE(w.Open(target, error));
  EXPECT_NE(error.find("read-only"), std::string::npos) << error;
}

// What a value written to a room load file becomes in the annual file: the
// room, zone and annual files each write it and the next one reads it back.
// AnnualText must give exactly that text, also where reading back moves the
// value to another text (just above 1E+28 and 1E-38, which come back as
// 9.999999E+27 and 9.999999E-39), and where the Singles' spacing exceeds a
// unit of the 7th digit (magnitudes just below 1E-3, 1E-6 and 1E+10).
TEST(AnnualText, AsTheRoomZoneAndAnnualFilesWouldGiveIt) {
  auto chain = [](float v) {
    std::string text;
    for (int pass = 0; pass < 3; ++pass) {
      common::DataWriter w;
      w.Sng(v).EndLine();
      text = w.Text().substr(0, w.Text().size() - 2);
      if (pass == 2) break;
      common::DataReader r(w.Text());
      if (!r.Read(v)) return std::string();
    }
    return text;
  };
  std::vector<float> values = {
      0.0f,         -0.0f,      1,       -1,      24,       23.999998f,      0.001f,          0.00099999f,
      9.765625e-4f, 9.9999e-4f, 1e-6f,   9.6e-7f, 9.9e-10f, 8.6e9f,          9.99e9f,         1e10f,
      12345.678f,   -98765.43f, 3.4e38f, 1e-38f,  1e-40f,   1.00000008e-38f, 1.00000036e-38f, 1.00000006e+28f};
  std::mt19937 gen(5);
  std::uniform_int_distribution<int> exponent(-40, 38);
  std::uniform_real_distribution<float> mantissa(1, 10);
  for (int i = 0; i < 200000; ++i) {
    float v = mantissa(gen) * std::pow(10.0f, static_cast<float>(exponent(gen)));
    if (std::isfinite(v)) values.push_back(i % 2 ? -v : v);
  }
  // Many values where the spacing of Singles exceeds the 7th digit's unit.
  std::uniform_real_distribution<float> band(9.765625e-4f, 1e-3f);
  for (int i = 0; i < 100000; ++i) values.push_back(band(gen));
  int moved = 0;
  for (float v : values) {
    const std::string expected = chain(v);
    ASSERT_EQ(ModRoutine::AnnualText(v), expected) << std::scientific << v;
    moved += expected != common::DisplayText(v);
  }
  EXPECT_EQ(moved, 3);  // the three values above 1E+28 and 1E-38
  EXPECT_EQ(ModRoutine::AnnualText(std::numeric_limits<float>::infinity()), "");
  EXPECT_EQ(ModRoutine::AnnualText(std::nanf("")), "");
}

}  // namespace
