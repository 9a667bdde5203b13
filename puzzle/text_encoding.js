// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT
//
// The program's reading of a text file's bytes, for the editor's page: the same encodings,
// decided the same way, the same lines. The browser decodes; this only decides.
"use strict";

// The length of the UTF-8 sequence that `lead` starts, or 0 when no sequence starts with it.
function sequenceLength(lead) {
  if (lead >= 0xc2 && lead <= 0xdf) {
    return 2;
  }
  if (lead >= 0xe0 && lead <= 0xef) {
    return 3;
  }
  return lead >= 0xf0 && lead <= 0xf4 ? 4 : 0;
}

// Whether a well-formed multi-byte sequence starts at `at`. The second byte's range rules out
// overlong forms, surrogates and code points past U+10FFFF.
function wellFormedAt(bytes, at) {
  const lead = bytes[at];
  const length = sequenceLength(lead);
  if (length === 0 || at + length > bytes.length) {
    return false;
  }
  const low = lead === 0xe0 ? 0xa0 : lead === 0xf0 ? 0x90 : 0x80;
  const high = lead === 0xed ? 0x9f : lead === 0xf4 ? 0x8f : 0xbf;
  for (let next = 1; next < length; ++next) {
    const byte = bytes[at + next];
    if (byte < (next === 1 ? low : 0x80) || byte > (next === 1 ? high : 0xbf)) {
      return false;
    }
  }
  return true;
}

// How much of a line reads as UTF-8: its well-formed multi-byte sequences, and the bytes that
// belong to no well-formed sequence.
function census(bytes) {
  const found = { sequences: 0, strays: 0 };
  let at = 0;
  while (at < bytes.length) {
    if (bytes[at] < 0x80) {
      ++at;
    } else if (wellFormedAt(bytes, at)) {
      ++found.sequences;
      at += sequenceLength(bytes[at]);
    } else {
      ++found.strays;
      ++at;
    }
  }
  return found;
}

// The lines of 8-bit text, split at LF, each without its CR LF or LF. A last line end ends the
// last line; it does not start another.
function byteLines(text) {
  const lines = [];
  let start = 0;
  do {
    let end = text.indexOf(0x0a, start);
    if (end < 0) {
      end = text.length;
    }
    lines.push(text.subarray(start, end > start && text[end - 1] === 0x0d ? end - 1 : end));
    start = end + 1;
  } while (start < text.length);
  return lines;
}

// The same for UTF-16, split at the code unit U+000A. An odd last byte stays on the last line.
function utf16Lines(text, bigEndian) {
  const unitAt = (at) => (bigEndian ? (text[at] << 8) | text[at + 1] : (text[at + 1] << 8) | text[at]);
  const lines = [];
  let start = 0;
  for (let at = 0; at + 1 < text.length; at += 2) {
    if (unitAt(at) === 0x0a) {
      let end = at;
      if (end - start >= 2 && unitAt(end - 2) === 0x0d) {
        end -= 2;
      }
      lines.push(text.subarray(start, end));
      start = at + 2;
    }
  }
  if (start < text.length || lines.length === 0) {
    lines.push(text.subarray(start));
  }
  return lines;
}

function refused(encoding, index, problem) {
  return { encoding, lines: [], badLine: index + 1, problem };
}

// Decodes every line on its own, stopping at the first one that fails.
function decodeLines(encoding, lines) {
  const decoder = new TextDecoder(encoding, { fatal: true });
  const decoded = [];
  for (const [index, line] of lines.entries()) {
    try {
      decoded.push(decoder.decode(line));
    } catch {
      return refused(encoding, index, `не е текст в ${encoding}`);
    }
  }
  return { encoding, lines: decoded, badLine: 0, problem: "" };
}

// 0x98 is the one byte that windows-1251 leaves without a character.
function decodeWindows1251(lines) {
  const index = lines.findIndex((line) => line.includes(0x98));
  if (index >= 0) {
    return refused("windows-1251", index, "съдържа байта 0x98, който не е знак в windows-1251");
  }
  return decodeLines("windows-1251", lines);
}

// Decodes a file, deciding its encoding in this order: a UTF-8 byte-order mark; a UTF-16 LE or BE
// byte-order mark; valid UTF-8; otherwise windows-1251. A file that is mostly UTF-8 but has broken
// lines is UTF-8, and its first broken line is the bad one. Returns the encoding's name ("UTF-8",
// "UTF-16LE", "UTF-16BE", "windows-1251"), the lines, and the bad line (from 1) with its problem.
function decodeText(bytes) {
  const startsWith = (...mark) => mark.every((byte, at) => bytes[at] === byte);
  if (startsWith(0xef, 0xbb, 0xbf)) {
    return decodeLines("UTF-8", byteLines(bytes.subarray(3)));
  }
  if (startsWith(0xff, 0xfe)) {
    return decodeLines("UTF-16LE", utf16Lines(bytes.subarray(2), false));
  }
  if (startsWith(0xfe, 0xff)) {
    return decodeLines("UTF-16BE", utf16Lines(bytes.subarray(2), true));
  }

  const lines = byteLines(bytes);
  const whole = { sequences: 0, strays: 0 };
  let utf8Line = false; // a line that is valid UTF-8 beyond ASCII
  for (const line of lines) {
    const found = census(line);
    whole.sequences += found.sequences;
    whole.strays += found.strays;
    utf8Line = utf8Line || (found.strays === 0 && found.sequences > 0);
  }
  if (whole.strays === 0 || utf8Line || whole.sequences >= whole.strays) {
    return decodeLines("UTF-8", lines);
  }
  return decodeWindows1251(lines);
}
