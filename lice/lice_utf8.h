#pragma once
// The UTF-8 walks of the text paths: one code per step. Editor thread; no
// allocation.

namespace lice_detail
{
// Takes the next code point from p, keeping within remaining bytes (negative:
// no limit; a NUL always ends the text). A sequence is decoded only when all
// its bytes lie within the limit; a lead that starts no complete sequence
// stands for itself. False at the end of the text.
inline bool NextUtf8Code(const unsigned char*& p, int& remaining, int& code)
{
  if (remaining == 0 || *p == 0) return false;
  const int avail = remaining < 0 ? 4 : remaining;
  // Short-circuit order matters: p[i] is read only when p[i - 1] was a
  // continuation byte (so not the NUL) and i lies within the limit.
  auto cont = [&](int i) { return i < avail && (p[i] & 0xC0) == 0x80; };
  const unsigned b = p[0];
  int length = 1;
  code = int(b);
  if (b >= 0xC2 && b <= 0xDF && cont(1))
    code = int(((b & 0x1F) << 6) | (p[1] & 0x3F)), length = 2;
  else if (b >= 0xE0 && b <= 0xEF && cont(1) && cont(2))
    code = int(((b & 0x0F) << 12) | ((p[1] & 0x3F) << 6) | (p[2] & 0x3F)), length = 3;
  else if (b >= 0xF0 && b <= 0xF4 && cont(1) && cont(2) && cont(3))
    code = int(((b & 0x07) << 18) | ((p[1] & 0x3F) << 12) | ((p[2] & 0x3F) << 6) | (p[3] & 0x3F)),
    length = 4;
  p += length;
  if (remaining > 0) remaining -= length;
  return true;
}

// NextUtf8Code for the glyph path, whose codes are 16-bit: every four-byte
// sequence gives a space.
inline bool NextGlyphCode(const unsigned char*& p, int& remaining, int& code)
{
  const unsigned char* start = p;
  if (!NextUtf8Code(p, remaining, code)) return false;
  if (p - start == 4) code = 0x20;
  return true;
}

// Writes one 16-bit code as UTF-8 (1 to 3 bytes) and answers the length.
inline int EncodeUtf8(unsigned code, char out[3])
{
  int length = 0;
  if (code < 0x80)
    out[length++] = char(code);
  else if (code < 0x800)
    out[length++] = char(0xC0 | (code >> 6)), out[length++] = char(0x80 | (code & 0x3F));
  else
    out[length++] = char(0xE0 | ((code >> 12) & 0x0F)), out[length++] = char(0x80 | ((code >> 6) & 0x3F)),
    out[length++] = char(0x80 | (code & 0x3F));
  return length;
}
}  // namespace lice_detail
