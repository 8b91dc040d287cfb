// The WAV reader and writer the render tool and the test hosts share: every
// taken sample format decodes to the right values whatever the chunk layout
// or the block size read, the writer's header states what was written, its
// size limit holds, and it replaces an earlier file only when complete; the
// one 64-to-32-bit sample conversion they share.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "AudioCompare.h"
#include "FloatSample.h"
#include "WavFile.h"
#include "WavReader.h"
#include "WavWriter.h"

namespace {

using Bytes = std::vector<unsigned char>;

void Put(Bytes& b, uint32_t v, int n) {
  for (int i = 0; i < n; ++i) b.push_back(static_cast<unsigned char>(v >> (8 * i)));
}
void Put(Bytes& b, const char* four) { b.insert(b.end(), four, four + 4); }

Bytes FormatChunk(uint32_t tag, uint32_t channels, uint32_t rate, uint32_t bits, bool extensible = false) {
  Bytes f;
  Put(f, "fmt ");
  Put(f, extensible ? 40 : 16, 4);
  Put(f, extensible ? 0xFFFE : tag, 2);
  Put(f, channels, 2);
  Put(f, rate, 4);
  Put(f, rate * channels * bits / 8, 4);
  Put(f, channels * bits / 8, 2);
  Put(f, bits, 2);
  if (extensible) {
    Put(f, 22, 2);
    Put(f, bits, 2);
    Put(f, 3, 4);
    Put(f, tag, 2);  // the sub-format's first two bytes are the sample format
    for (int i = 0; i < 14; ++i) f.push_back(0);
  }
  return f;
}

Bytes Chunk(const char* id, const Bytes& body, uint32_t declared) {
  Bytes c;
  Put(c, id);
  Put(c, declared, 4);
  c.insert(c.end(), body.begin(), body.end());
  if (body.size() & 1) c.push_back(0);
  return c;
}

Bytes Riff(const std::vector<Bytes>& chunks) {
  Bytes b;
  Put(b, "RIFF");
  Put(b, 0, 4);
  Put(b, "WAVE");
  for (const Bytes& c : chunks) b.insert(b.end(), c.begin(), c.end());
  const uint32_t size = static_cast<uint32_t>(b.size() - 8);
  for (int i = 0; i < 4; ++i) b[4 + i] = static_cast<unsigned char>(size >> (8 * i));
  return b;
}

std::string WriteFile(const std::string& name, const Bytes& bytes) {
  const std::string path = "wavfiles_test_" + name + ".wav";
  FILE* f = std::fopen(path.c_str(), "wb");
  EXPECT_NE(nullptr, f);
  if (f) {
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  return path;
}

// Reads every frame of the first `count` channels in blocks of `block`.
std::vector<std::vector<double>> ReadAll(vo::WavReader& reader, int count, int64_t block) {
  std::vector<std::vector<double>> out(static_cast<size_t>(count));
  std::vector<std::vector<double>> buffer(static_cast<size_t>(count), std::vector<double>(block));
  std::vector<double*> pointers;
  for (auto& b : buffer) pointers.push_back(b.data());
  for (;;) {
    const int64_t n = reader.Read(pointers.data(), count, block);
    for (int c = 0; c < count; ++c) out[c].insert(out[c].end(), buffer[c].begin(), buffer[c].begin() + n);
    if (n < block) return out;
  }
}

TEST(WavReader, DecodesEachTakenSampleFormatExactly) {
  struct Case {
    const char* name;
    uint32_t tag, bits;
    Bytes data;  // two frames of one channel
    double first, second;
  };
  Bytes f32, f64;
  const float floats[2] = {0.25f, -1.5f};
  const double doubles[2] = {1e-300, -0.125};
  f32.resize(8);
  std::memcpy(f32.data(), floats, 8);
  f64.resize(16);
  std::memcpy(f64.data(), doubles, 16);
  const Case cases[] = {
      {"pcm16", 1, 16, {0x00, 0x80, 0xFF, 0x7F}, -1.0, 32767.0 / 32768.0},
      {"pcm24", 1, 24, {0x00, 0x00, 0x80, 0x01, 0x00, 0x00}, -1.0, 1.0 / 8388608.0},
      {"pcm32", 1, 32, {0x00, 0x00, 0x00, 0xC0, 0xFF, 0xFF, 0xFF, 0xFF}, -0.5, -1.0 / 2147483648.0},
      {"float32", 3, 32, f32, 0.25, -1.5},
      {"float64", 3, 64, f64, 1e-300, -0.125},
  };
  for (const Case& c : cases) {
    for (const bool extensible : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (extensible ? " extensible" : ""));
      const std::string path =
          WriteFile(c.name, Riff({FormatChunk(c.tag, 1, 44100, c.bits, extensible),
                                  Chunk("data", c.data, static_cast<uint32_t>(c.data.size()))}));
      vo::WavReader reader;
      std::string error;
      ASSERT_TRUE(reader.Open(path, &error)) << error;
      EXPECT_EQ(2, reader.Frames());
      const auto samples = ReadAll(reader, 1, 1);
      ASSERT_EQ(2u, samples[0].size());
      EXPECT_EQ(c.first, samples[0][0]);
      EXPECT_EQ(c.second, samples[0][1]);
    }
  }
}

TEST(WavReader, FindsChunksInAnyOrderAndReadsInAnyBlockSize) {
  // Three channels of 16-bit PCM, frame i channel c = 100 * i + c; an odd-
  // sized chunk (padded) before the format, the data before a trailing list.
  const int frames = 1001;
  Bytes data;
  for (int i = 0; i < frames; ++i)
    for (int c = 0; c < 3; ++c) Put(data, static_cast<uint32_t>((100 * i + c) % 30000), 2);
  const Bytes odd = {1, 2, 3};
  const std::string path = WriteFile(
      "layout", Riff({Chunk("junk", odd, 3), Chunk("data", data, static_cast<uint32_t>(data.size())),
                      FormatChunk(1, 3, 96000, 16), Chunk("LIST", Bytes(10, 0), 10)}));
  for (const int64_t block : {1, 7, 1000, 1001, 5000}) {
    SCOPED_TRACE(block);
    vo::WavReader reader;
    std::string error;
    ASSERT_TRUE(reader.Open(path, &error)) << error;
    EXPECT_EQ(96000, reader.SampleRate());
    EXPECT_EQ(3, reader.Channels());
    const auto samples = ReadAll(reader, 2, block);  // the first two of three
    ASSERT_EQ(static_cast<size_t>(frames), samples[1].size());
    for (int i = 0; i < frames; i += 97) {
      EXPECT_EQ(((100 * i) % 30000) / 32768.0, samples[0][i]) << i;
      EXPECT_EQ(((100 * i + 1) % 30000) / 32768.0, samples[1][i]) << i;
    }
  }
}

TEST(WavReader, DataCutShortByTheFileEndReadsTheWholeFramesThere) {
  // Declared as a thousand frames (as a recorder that stopped writing leaves
  // it), five and a half present.
  Bytes data;
  for (int i = 0; i < 11; ++i) Put(data, 0x4000, 2);
  Bytes file = Riff({FormatChunk(1, 2, 44100, 16)});
  const Bytes chunk = Chunk("data", data, 4000);
  file.insert(file.end(), chunk.begin(), chunk.end() - (data.size() & 1));
  vo::WavReader reader;
  std::string error;
  ASSERT_TRUE(reader.Open(WriteFile("cut", file), &error)) << error;
  EXPECT_EQ(5, reader.Frames());
  EXPECT_EQ(1000, reader.DeclaredFrames());
  EXPECT_EQ(5u, ReadAll(reader, 2, 512)[1].size());
  EXPECT_EQ("wavfiles_test_cut.wav ends before its declared data: it holds 5 of 1000 frames", reader.Warning());
}

// Mono 16-bit PCM whose frame i holds i - 1000.
Bytes Ramp(int frames) {
  Bytes data;
  for (int i = 0; i < frames; ++i) Put(data, static_cast<uint32_t>(i - 1000) & 0xFFFF, 2);
  return data;
}

TEST(WavReader, DataSizeNeverWrittenReadsToTheEndOfTheFile) {
  // Recorders that never patch the header leave 0, streaming writers
  // 0xFFFFFFFF or 0x7FFFF000; the frames follow all the same. The test hosts
  // read through ReadWavFile, the render tool through the reader itself.
  const Bytes data = Ramp(2000);
  for (const char* stated : {"0", "0xFFFFFFFF", "0x7FFFF000"}) {
    SCOPED_TRACE(stated);
    const auto declared = static_cast<uint32_t>(std::stoul(stated, nullptr, 0));
    Bytes file = Riff({FormatChunk(1, 1, 44100, 16)});
    Put(file, "data");
    Put(file, declared, 4);
    file.insert(file.end(), data.begin(), data.end());
    const std::string path = WriteFile("unwritten", file);
    vo::WavReader reader;
    std::string error;
    ASSERT_TRUE(reader.Open(path, &error)) << error;
    EXPECT_EQ(2000, reader.Frames());
    EXPECT_EQ("wavfiles_test_unwritten.wav: the data chunk's size was never written (it states " +
                  std::string(stated) + "); the 2000 frames to the end of the file are read",
              reader.Warning());
    const auto samples = ReadAll(reader, 1, 777);
    ASSERT_EQ(2000u, samples[0].size());
    EXPECT_EQ(-1000 / 32768.0, samples[0][0]);
    EXPECT_EQ(999 / 32768.0, samples[0][1999]);
    vo::AudioData audio;
    ASSERT_TRUE(vo::ReadWavFile(path, &audio, &error)) << error;
    EXPECT_EQ(2000, audio.Frames());
  }
}

// A chunk with its declared size and body, then the pad byte `pad` after an
// odd body (none when pad is -1).
Bytes PaddedChunk(const char* id, const Bytes& body, int pad) {
  Bytes out;
  Put(out, id);
  Put(out, static_cast<uint32_t>(body.size()), 4);
  out.insert(out.end(), body.begin(), body.end());
  if ((body.size() & 1) && pad >= 0) out.push_back(static_cast<unsigned char>(pad));
  return out;
}

TEST(WavReader, OddChunksAreSteppedOverWithOrWithoutTheirPadByte) {
  // An odd LIST before the data, odd 24-bit data (five frames, 15 bytes),
  // another odd LIST, then the format: unpadded, padded with 0, and padded
  // with a byte that cannot start an id.
  Bytes samples;
  for (int i = 0; i < 5; ++i) Put(samples, static_cast<uint32_t>(i * 4096), 3);
  for (const int pad : {-1, 0, 0xFF}) {
    SCOPED_TRACE(pad);
    const std::string path =
        WriteFile("oddchunks", Riff({PaddedChunk("LIST", Bytes(37, 'a'), pad), PaddedChunk("data", samples, pad),
                                     PaddedChunk("LIST", Bytes(3, 'b'), pad), FormatChunk(1, 1, 8000, 24)}));
    vo::WavReader reader;
    std::string error;
    ASSERT_TRUE(reader.Open(path, &error)) << error;
    EXPECT_EQ(8000, reader.SampleRate());
    EXPECT_EQ("", reader.Warning());
    const auto read = ReadAll(reader, 1, 64);
    ASSERT_EQ(5u, read[0].size());
    EXPECT_EQ(4096 / 8388608.0, read[0][1]);
    EXPECT_EQ(4 * 4096 / 8388608.0, read[0][4]);
  }
}

TEST(WavReader, OddChunkFollowedByNoIdIsRefusedByName) {
  // Neither at the chunk's end nor one byte on do four printable characters
  // stand; an id that is not printable itself is shown escaped.
  const Bytes stray = {0x01, 0x02, 0x03, 0x04, 0x05};
  const Bytes tail = Riff({FormatChunk(1, 1, 8000, 16), Chunk("data", Ramp(4), 8)});
  struct Case {
    const char* id;
    const char* named;
  };
  for (const Case c : {Case{"LIST", "LIST"}, Case{"ju\x7Fk", "ju\\x7Fk"}}) {
    SCOPED_TRACE(c.named);
    Bytes file = Riff({PaddedChunk(c.id, Bytes(5, 'z'), -1)});
    file.insert(file.end(), stray.begin(), stray.end());
    file.insert(file.end(), tail.begin() + 12, tail.end());
    const std::string path = WriteFile("oddbad", file);
    vo::WavReader reader;
    std::string error;
    EXPECT_FALSE(reader.Open(path, &error));
    EXPECT_EQ(std::string("wavfiles_test_oddbad.wav: no chunk id follows the \"") + c.named +
                  "\" chunk of odd size 5, with or without a pad byte",
              error);
  }
}

TEST(WavWriter, HeaderStatesWhatWasWrittenAndReadsBack) {
  const std::string path = "wavfiles_test_written.wav";
  vo::WavWriter writer;
  std::string error;
  ASSERT_TRUE(writer.Open(path, 48000, 2, &error)) << error;
  std::vector<float> left(3000), right(3000);
  for (size_t i = 0; i < left.size(); ++i) {
    left[i] = static_cast<float>(i) / 4096.0f;
    right[i] = -left[i];
  }
  for (int written = 0; written < 3000; written += 1000) {
    const float* channels[2] = {left.data() + written, right.data() + written};
    ASSERT_TRUE(writer.Write(channels, 1000));
  }
  ASSERT_TRUE(writer.Close(&error)) << error;

  vo::AudioData audio;
  ASSERT_TRUE(vo::ReadWavFile(path, &audio, &error)) << error;
  EXPECT_EQ(48000, audio.sampleRate);
  ASSERT_EQ(3000, audio.Frames());
  EXPECT_EQ(left[2999], audio.samples[0][2999]);
  EXPECT_EQ(right[1234], audio.samples[1][1234]);
  FILE* f = std::fopen(path.c_str(), "rb");
  ASSERT_NE(nullptr, f);
  unsigned char header[58];
  ASSERT_EQ(58u, std::fread(header, 1, 58, f));
  std::fclose(f);
  auto le32 = [&](int at) {
    return uint32_t{header[at]} | uint32_t{header[at + 1]} << 8 | uint32_t{header[at + 2]} << 16 |
           uint32_t{header[at + 3]} << 24;
  };
  // A float format chunk with its extension size (0), a fact chunk.
  EXPECT_EQ(50u + 24000u, le32(4));
  EXPECT_EQ(18u, le32(16));
  EXPECT_EQ(0u, le32(36) & 0xFFFF);
  EXPECT_EQ(0, std::memcmp(header + 38, "fact", 4));
  EXPECT_EQ(3000u, le32(46));
  EXPECT_EQ(24000u, le32(54));
}

Bytes FileBytes(const std::string& path) {
  Bytes bytes;
  if (FILE* f = std::fopen(path.c_str(), "rb")) {
    for (int c; (c = std::fgetc(f)) != EOF;) bytes.push_back(static_cast<unsigned char>(c));
    std::fclose(f);
  }
  return bytes;
}

TEST(WavWriter, ReplacesAnEarlierFileOnlyWhenClosed) {
  // Abandoned (destroyed unclosed), failed, or closed: the earlier file stays
  // byte for byte or is replaced whole, and no temporary stays beside it.
  const std::string path = "wavfiles_test_replaced.wav";
  const Bytes earlier = {'e', 'a', 'r', 'l', 'i', 'e', 'r'};
  const float sample = 0.5f;
  const float* channels[1] = {&sample};
  enum Ending { kAbandoned, kFailed, kClosed };
  for (const Ending ending : {kAbandoned, kFailed, kClosed}) {
    SCOPED_TRACE(ending);
    WriteFile("replaced", earlier);
    std::string temporary, error;
    {
      vo::WavWriter writer;
      ASSERT_TRUE(writer.Open(path, 8000, 1, &error)) << error;
      temporary = writer.TemporaryPath();
      EXPECT_EQ(0u, temporary.find(".wavfiles_test_replaced.wav.")) << temporary;
      // More than the header can state fails the file.
      const int64_t frames = ending == kFailed ? vo::WavWriter::MaxFrames(1) + 1 : 1;
      EXPECT_EQ(ending != kFailed, writer.Write(channels, frames));
      if (ending != kAbandoned) {
        EXPECT_EQ(ending == kClosed, writer.Close(&error));
      }
    }
    EXPECT_EQ(nullptr, std::fopen(temporary.c_str(), "rb"));
    const Bytes now = FileBytes(path);
    EXPECT_EQ(ending == kClosed ? 58u + 4u : earlier.size(), now.size());
    if (ending != kClosed) {
      EXPECT_EQ(earlier, now);
    }
  }
}

TEST(WavWriter, RefusesMoreThanTheHeaderCanStateAndLeavesNoFile) {
  // Stereo 32-bit float: 8 bytes a frame within 4 GB less the header's 36.
  EXPECT_EQ((0xFFFFFFFFLL - 50) / 8, vo::WavWriter::MaxFrames(2));
  const std::string path = "wavfiles_test_limit.wav";
  std::string error;
  {
    vo::WavWriter writer;
    ASSERT_TRUE(writer.Open(path, 44100, 2, &error)) << error;
    float sample = 0.0f;
    const float* channels[2] = {&sample, &sample};
    EXPECT_FALSE(writer.Write(channels, vo::WavWriter::MaxFrames(2) + 1));
    EXPECT_FALSE(writer.Close(&error));
    EXPECT_NE(std::string::npos, error.find("more audio than a WAV file can hold")) << error;
  }
  EXPECT_EQ(nullptr, std::fopen(path.c_str(), "rb"));
}

TEST(AudioCompare, NanCountsAsAnInfiniteDifference) {
  vo::AudioData reference;
  reference.channels = 2;
  reference.samples = {{0.5, 0.25}, {0.0, -0.5}};
  std::string error;
  vo::WavWriter writer;
  ASSERT_TRUE(writer.Open("wavfiles_test_reference.wav", 44100, 2, &error)) << error;
  ASSERT_TRUE(vo::FinishWavFile(writer, reference, &error)) << error;
  EXPECT_EQ(0, vo::CompareWithWavFile(reference, "wavfiles_test_reference.wav", 0.0));
  vo::AudioData output = reference;
  output.samples[1][1] = NAN;
  EXPECT_EQ(1, vo::CompareWithWavFile(output, "wavfiles_test_reference.wav", 1e300));
  output.samples.pop_back();
  output.channels = 1;
  EXPECT_EQ(1, vo::CompareWithWavFile(output, "wavfiles_test_reference.wav", 1e300));
  vo::AudioData otherRate = reference;
  otherRate.sampleRate = 48000;
  EXPECT_EQ(1, vo::CompareWithWavFile(otherRate, "wavfiles_test_reference.wav", 1e300));
}

TEST(FloatSample, ClampsFiniteValuesBeyondTheFloatRangeAndPassesNonFinite) {
  const double beyond = std::nextafter(static_cast<double>(FLT_MAX), INFINITY);
  const std::pair<double, float> cases[] = {{0.25, 0.25f},      {FLT_MAX, FLT_MAX},     {-FLT_MAX, -FLT_MAX},
                                            {1e-300, 0.0f},     {beyond, FLT_MAX},      {-1e300, -FLT_MAX},
                                            {INFINITY, INFINITY}, {-INFINITY, -INFINITY}, {NAN, NAN}};
  vo::FloatSampleTally tally;
  for (const auto& [in, out] : cases) {
    const float got = vo::FloatSample(in, &tally);
    EXPECT_TRUE(got == out || (std::isnan(got) && std::isnan(out))) << in << " -> " << got;
  }
  EXPECT_EQ(2, tally.clamped);
  EXPECT_EQ(3, tally.nonFinite);
  // The writer converts 64-bit samples the same way: no infinity for 1e300.
  const double loud[2] = {1e300, -1e300};
  const double* channel[1] = {loud};
  std::string error;
  vo::WavWriter writer;
  ASSERT_TRUE(writer.Open("wavfiles_test_clamped.wav", 44100, 1, &error) && writer.Write(channel, 2) &&
              writer.Close(&error))
      << error;
  vo::AudioData audio;
  ASSERT_TRUE(vo::ReadWavFile("wavfiles_test_clamped.wav", &audio, &error)) << error;
  EXPECT_EQ((std::vector<double>{FLT_MAX, -FLT_MAX}), audio.samples[0]);
}

}  // namespace
