// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT
//
// The pictures that a puzzle file gives its explanations, for the editor's page: the program's
// rules, with the sizes read from the pictures' headers and the browser's decoder for the rest.
"use strict";

const maxPictureBytes = 512 * 1024;
const maxPictureSide = 4096;

// The format that a picture's first bytes name; empty for none.
function formatOf(bytes) {
  const starts = (...values) => values.every((value, at) => bytes[at] === value);
  const text = (from, to) => String.fromCharCode(...bytes.slice(from, to));
  if (starts(0xff, 0xd8, 0xff)) return "jpeg";
  if (starts(0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a)) return "png";
  if (bytes.length >= 12 && text(0, 4) === "RIFF" && text(8, 12) === "WEBP") return "webp";
  return "";
}

// Whether the bytes end where their format says: a JPEG with its end-of-image marker, a PNG with
// its end chunk, a WebP at the length that its header gives. Decoders show a picture that was cut
// short without a word, its missing part grey.
function endsWhole(bytes, format) {
  const ends = (...values) => bytes.length >= values.length && values.every((value, at) => bytes[bytes.length - values.length + at] === value);
  if (format === "jpeg") return ends(0xff, 0xd9);
  if (format === "png") return ends(0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82);
  return new DataView(bytes.buffer, bytes.byteOffset).getUint32(4, true) + 8 === bytes.length;
}

// The width and height that a picture's header gives, before anything is decoded; undefined
// where the header says none.
function sizeOf(bytes, format) {
  const view = new DataView(bytes.buffer, bytes.byteOffset, bytes.length);
  try {
    if (format === "png") {
      return [view.getUint32(16), view.getUint32(20)];
    }
    if (format === "webp") {
      const chunk = String.fromCharCode(...bytes.slice(12, 16));
      if (chunk === "VP8X") return [1 + (view.getUint32(24, true) & 0xffffff), 1 + (view.getUint32(27, true) & 0xffffff)];
      if (chunk === "VP8L") return [1 + (view.getUint16(21, true) & 0x3fff), 1 + ((view.getUint32(21, true) >>> 14) & 0x3fff)];
      if (chunk === "VP8 ") return [view.getUint16(26, true) & 0x3fff, view.getUint16(28, true) & 0x3fff];
      return undefined;
    }
    // A JPEG's frame header, among the segments after its start: every SOF marker but DHT (C4),
    // JPG (C8) and DAC (CC).
    for (let at = 2; at + 9 < bytes.length; at += 2 + view.getUint16(at + 2)) {
      if (bytes[at] !== 0xff) return undefined;
      const marker = bytes[at + 1];
      if (marker >= 0xc0 && marker <= 0xcf && ![0xc4, 0xc8, 0xcc].includes(marker)) {
        return [view.getUint16(at + 7), view.getUint16(at + 5)];
      }
    }
  } catch {
    // A header cut short says no size.
  }
  return undefined;
}

// The picture that `bytes` hold, as { bytes, type }, or why they are none that a puzzle takes:
// another kind of file, more than 512 KiB, more than 4096 pixels a side, or a picture whose
// header or end is missing. Sizes are checked before anything is decoded; decodesWhole decodes.
function pictureOf(bytes) {
  if (bytes.length > maxPictureBytes) {
    return "картината е по-голяма от 512 KiB";
  }
  const format = formatOf(bytes);
  if (format === "") {
    return "картината не е файл JPEG, PNG или WebP";
  }
  const size = sizeOf(bytes, format);
  if (size && (size[0] > maxPictureSide || size[1] > maxPictureSide)) {
    return filledIn("картината е %1 × %2 пиксела, повече от %3 на страна", size[0], size[1], maxPictureSide);
  }
  if (!size || size[0] === 0 || size[1] === 0 || !endsWhole(bytes, format)) {
    return wholeProblem;
  }
  return { bytes, type: `image/${format}` };
}
const wholeProblem = "картината не може да се прочете цяла";

// Whether the browser decodes the whole picture.
async function decodesWhole(picture) {
  try {
    (await createImageBitmap(new Blob([picture.bytes], { type: picture.type }))).close();
    return true;
  } catch {
    return false;
  }
}

// Reads the value of a picture line: { file } for a file's name, { bytes } for a data: address, or
// why a data: address is none.
function readPictureName(value) {
  if (!/^data:/i.test(value)) {
    return { file: value };
  }
  const base64 = /^data:[^,;]*;base64,(.*)$/i.exec(value)?.[1];
  if (base64 === undefined || !/^[A-Za-z0-9+/]*={0,2}$/.test(base64) || base64.length % 4 === 1) {
    return "адресът «data:» не съдържа байтове в base64";
  }
  return { bytes: Uint8Array.from(atob(base64), (character) => character.charCodeAt(0)) };
}

// A picture as a data: address, as the editors save it.
function dataAddress(picture) {
  let text = "";
  for (let at = 0; at < picture.bytes.length; at += 0x8000) {
    text += String.fromCharCode(...picture.bytes.subarray(at, at + 0x8000));
  }
  return `data:${picture.type};base64,${btoa(text)}`;
}
