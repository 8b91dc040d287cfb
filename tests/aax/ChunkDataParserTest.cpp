#include "AAX_CChunkDataParser.h"
#include "ChunkBuffer.h"
#include "FakeHost.h"
#include "HostString.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

namespace {

using testing::ElementsAreArray;
using Bytes = std::vector<uint8_t>;

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}
Bytes Text(const char* text, size_t paddedTo) {
  Bytes bytes(text, text + std::strlen(text));
  bytes.resize(paddedTo, 0);
  return bytes;
}
const Bytes kMagic = {1, 1, 1, 1};

// Writes the parser into an exactly sized record and returns its data.
Bytes Written(const AAX_CChunkDataParser& parser) {
  ChunkBuffer buffer = ChunkBuffer::WithRoom(static_cast<size_t>(parser.ComputeChunkSize()));
  EXPECT_EQ(AAX_SUCCESS, parser.GetChunkData(buffer.Chunk()));
  EXPECT_EQ(parser.ComputeChunkSize(), buffer.Chunk()->size);
  return buffer.Data(buffer.Length());
}

AAX_CChunkDataParser ParsedWithSize(const Bytes& data, int32_t declaredSize) {
  ChunkBuffer buffer(data, declaredSize);
  AAX_CChunkDataParser parser;
  parser.ReadChunk(buffer.Chunk());
  return parser;
}
AAX_CChunkDataParser Parsed(const Bytes& data) {
  return ParsedWithSize(data, static_cast<int32_t>(data.size()));
}

TEST(ChunkDataWriter, LaysOutMagicAlignedEntriesAndBigEndianValues) {
  AAX_CChunkDataParser empty;
  EXPECT_EQ(4, empty.ComputeChunkSize());
  EXPECT_THAT(Written(empty), ElementsAreArray(kMagic));

  AAX_CChunkDataParser one;
  one.AppendDouble("x", 1.0);
  EXPECT_EQ(16, one.ComputeChunkSize());
  EXPECT_THAT(Written(one),
              ElementsAreArray(Join({kMagic, Text("d_x", 4), {0x3F, 0xF0, 0, 0, 0, 0, 0, 0}})));

  AAX_CChunkDataParser mixed;
  mixed.AppendInt32("gain", -2);
  mixed.AppendString("s", AAX_CString("abc"));
  mixed.AppendString("t", AAX_CString("abcd"));
  EXPECT_EQ(4 + (8 + 4) + (4 + 4) + (4 + 8), mixed.ComputeChunkSize());
  EXPECT_THAT(Written(mixed), ElementsAreArray(Join({kMagic, Text("l_gain", 8), {0xFF, 0xFF, 0xFF, 0xFE},
                                                     Text("r_s", 4), Text("abc", 4),
                                                     Text("r_t", 4), Text("abcd", 8)})));
}

TEST(ChunkDataWriter, RefusesWithoutARecord) {
  AAX_CChunkDataParser parser;
  EXPECT_EQ(AAX_CHUNK_DATA_OVERFLOW, parser.GetChunkData(nullptr));
}

TEST(ChunkDataReader, ReadsBackWhatWasWrittenInOrder) {
  AAX_CChunkDataParser written;
  written.AppendDouble("1", -0.25);
  written.AppendInt32("2", 123456789);
  written.AppendString("name", AAX_CString("abcd"));
  written.AppendString("", AAX_CString(""));
  written.AppendInt32("last", INT32_MIN);

  const AAX_CChunkDataParser read = Parsed(Written(written));
  ASSERT_EQ(5, read.NumEntries());
  EXPECT_EQ(7, read.ChunkVersion());
  for (int32_t i = 0; i < 5; ++i) {
    EXPECT_EQ(written.EntryAt(i).type, read.EntryAt(i).type) << i;
    EXPECT_STREQ(written.EntryAt(i).identifier.Get(), read.EntryAt(i).identifier.Get()) << i;
    EXPECT_STREQ(written.EntryAt(i).stringValue.Get(), read.EntryAt(i).stringValue.Get()) << i;
  }
  AAX_CChunkDataParser lookups = read;
  double d = 0;
  int32_t n = 0;
  AAX_CString s;
  EXPECT_TRUE(lookups.LookUpDouble("1", &d));
  EXPECT_EQ(-0.25, d);
  EXPECT_TRUE(lookups.LookUpInt32("2", &n));
  EXPECT_EQ(123456789, n);
  EXPECT_TRUE(lookups.LookUpString("name", &s));
  EXPECT_STREQ("abcd", s.Get());
  EXPECT_TRUE(lookups.LookUpInt32("last", &n));
  EXPECT_EQ(INT32_MIN, n);
}

TEST(ChunkDataReader, ReadsTheFormatsFloatAndShortEntriesAndWritesThemBack) {
  const Bytes data = Join({kMagic, Text("f_f", 4), {0x3F, 0xC0, 0, 0}, Text("s_k", 4), {0x00, 0x05, 0, 0},
                           Text("dx_y", 8), {0x40, 0, 0, 0, 0, 0, 0, 0}});
  const AAX_CChunkDataParser parser = Parsed(data);
  ASSERT_EQ(3, parser.NumEntries());
  EXPECT_EQ(AAX_CChunkDataParser::kFloat, parser.EntryAt(0).type);
  EXPECT_EQ(0x3FC00000u, parser.EntryAt(0).value);
  EXPECT_EQ(AAX_CChunkDataParser::kInt16, parser.EntryAt(1).type);
  EXPECT_EQ(5u, parser.EntryAt(1).value);
  // A tag is recognised by its first character: "dx" is a double.
  EXPECT_EQ(AAX_CChunkDataParser::kDouble, parser.EntryAt(2).type);
  EXPECT_STREQ("_y", parser.EntryAt(2).identifier.Get());
  EXPECT_THAT(Written(parser), ElementsAreArray(Join({kMagic, Text("f_f", 4), {0x3F, 0xC0, 0, 0},
                                                      Text("s_k", 4), {0x00, 0x05, 0, 0},
                                                      Text("d__y", 8), {0x40, 0, 0, 0, 0, 0, 0, 0}})));
}

TEST(ChunkDataReader, SmallOrForeignChunksParseToNothing) {
  EXPECT_EQ(0, Parsed(kMagic).NumEntries());  // size exactly 4
  EXPECT_EQ(0, Parsed(Join({{1, 1, 1, 2}, Text("l_a", 4), {0, 0, 0, 1}})).NumEntries());
  EXPECT_EQ(0, ParsedWithSize(Join({kMagic, Text("l_a", 4), {0, 0, 0, 1}}), -12).NumEntries());
  AAX_CChunkDataParser parser;
  parser.AppendInt32("a", 1);
  parser.ReadChunk(nullptr);
  EXPECT_EQ(0, parser.NumEntries());
  int32_t n = 0;
  EXPECT_FALSE(parser.LookUpInt32("a", &n));
}

TEST(ChunkDataLookup, ResumesAfterTheLastHitAndWrapsAround) {
  AAX_CChunkDataParser parser;
  parser.AppendInt32("a", 1);
  parser.AppendInt32("b", 2);
  parser.AppendInt32("a", 3);
  int32_t n = 0;
  EXPECT_TRUE(parser.LookUpInt32("a", &n));
  EXPECT_EQ(1, n);
  EXPECT_TRUE(parser.LookUpInt32("a", &n));
  EXPECT_EQ(3, n);
  EXPECT_EQ(2, parser.LastFoundIndex());
  EXPECT_TRUE(parser.LookUpInt32("a", &n));
  EXPECT_EQ(1, n);
  EXPECT_TRUE(parser.LookUpInt32("b", &n));
  EXPECT_EQ(1, parser.LastFoundIndex());
  EXPECT_FALSE(parser.LookUpInt32("c", &n));
  EXPECT_EQ(1, parser.LastFoundIndex());
  parser.RemoveAll();
  EXPECT_EQ(-1, parser.LastFoundIndex());
  EXPECT_EQ(-1, parser.ChunkVersion());
}

TEST(ChunkDataLookup, AnotherTypeIsNotFoundAndLeavesTheOutputAlone) {
  AAX_CChunkDataParser parser;
  parser.AppendInt32("n", 4);
  parser.AppendDouble(nullptr, 2.5);  // a null identifier is the empty one
  double d = -1.0;
  EXPECT_FALSE(parser.LookUpDouble("n", &d));
  EXPECT_EQ(-1.0, d);
  AAX_CString s("untouched");
  EXPECT_FALSE(parser.LookUpString("n", &s));
  EXPECT_STREQ("untouched", s.Get());
  EXPECT_TRUE(parser.LookUpDouble(nullptr, &d));
  EXPECT_EQ(2.5, d);
}

TEST(ChunkDataLookup, AHostStringIsWrittenThroughItsInterface) {
  AAX_CChunkDataParser parser;
  parser.AppendString("label", AAX_CString("dB"));
  fakehost::Host host;
  fakehost::HostString out(host, "out");
  EXPECT_TRUE(parser.LookUpString("label", static_cast<AAX_IString*>(out.Interface())));
  EXPECT_EQ("dB", out.Text());
  EXPECT_THAT(host.Lines(), testing::ElementsAre("out.string[4](\"dB\")"));
}

// Untrusted chunks: every buffer below ends exactly where the chunk's size
// says, so AddressSanitizer catches any read past it.
TEST(ChunkDataReaderHostile, ValuesCutShortEndTheParse) {
  const Bytes ok = Join({kMagic, Text("l_a", 4), {0, 0, 0, 9}});
  EXPECT_EQ(1, Parsed(Join({ok, Text("d_x", 4), {0x3F, 0xF0, 0, 0}})).NumEntries());
  EXPECT_EQ(1, Parsed(Join({ok, Text("l_y", 4), {0, 0}})).NumEntries());
  EXPECT_EQ(1, Parsed(Join({ok, Text("f_y", 4)})).NumEntries());
  EXPECT_EQ(1, Parsed(Join({ok, Text("s_y", 4), {7}})).NumEntries());
  // A short value that still fits is read; its padding may be missing.
  const AAX_CChunkDataParser shortOk = Parsed(Join({ok, Text("s_y", 4), {0, 7}}));
  ASSERT_EQ(2, shortOk.NumEntries());
  EXPECT_EQ(7u, shortOk.EntryAt(1).value);
}

TEST(ChunkDataReaderHostile, ShortTagsGiveAnEmptyIdentifier) {
  const AAX_CChunkDataParser oneChar = Parsed(Join({kMagic, Text("d", 4), {0x3F, 0xF0, 0, 0, 0, 0, 0, 0}}));
  ASSERT_EQ(1, oneChar.NumEntries());
  EXPECT_EQ(AAX_CChunkDataParser::kDouble, oneChar.EntryAt(0).type);
  EXPECT_STREQ("", oneChar.EntryAt(0).identifier.Get());

  // What the writer makes of an unrecognised entry: two zero tag bytes.
  const AAX_CChunkDataParser zeroTag = Parsed(Join({kMagic, {0, 0, 'q', 0}}));
  ASSERT_EQ(1, zeroTag.NumEntries());
  EXPECT_EQ(AAX_CChunkDataParser::kUnknownType, zeroTag.EntryAt(0).type);
  EXPECT_STREQ("", zeroTag.EntryAt(0).identifier.Get());
}

TEST(ChunkDataReaderHostile, TextsRunningPastTheEndEndTheParse) {
  EXPECT_EQ(0, Parsed(Join({kMagic, {'d', '_', 'x', 'y', 'z'}})).NumEntries());
  EXPECT_EQ(0, Parsed(Join({kMagic, Text("r_s", 4), {'a', 'b', 'c'}})).NumEntries());
  EXPECT_EQ(0, Parsed(Join({kMagic, Text("r_s", 4)})).NumEntries());
  // A size field smaller than the bytes present bounds the parse.
  EXPECT_EQ(0, ParsedWithSize(Join({kMagic, Text("l_a", 4), {0, 0, 0, 1}}), 10).NumEntries());
  Bytes longText = kMagic;
  longText.resize(4 + 255, 'a');
  EXPECT_EQ(0, Parsed(longText).NumEntries());
}

TEST(ChunkDataReaderHostile, RandomChunksNeverReadOutside) {
  std::mt19937 random(12345);
  const char tags[] = {'d', 'f', 'l', 's', 'r', 'x', 0};
  for (int round = 0; round < 3000; ++round) {
    Bytes data = kMagic;
    const size_t length = random() % 96;
    for (size_t i = 0; i < length; ++i) {
      const uint32_t pick = random() % 8;
      data.push_back(pick < 2 ? 0 : pick < 4 ? static_cast<uint8_t>(tags[random() % 7])
                                             : static_cast<uint8_t>(random()));
    }
    const AAX_CChunkDataParser parser = Parsed(data);
    EXPECT_LE(parser.NumEntries(), static_cast<int32_t>(data.size()));
  }
}

}  // namespace
