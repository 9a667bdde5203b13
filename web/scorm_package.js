// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT
//
// The program's SCORM 1.2 package, for the editor's page: the same manifest and the same page.
// A browser has no zip library, so this page writes the zip itself, its files stored as they are.
"use strict";

// The name of the game's page inside a package.
const scormPage = "index.html";

// The manifest of an exercise's package. `pieces` is the program's manifest split at its places.
function scormManifest(exercise, pieces) {
  const parts = { IDENTIFIER: packageIdentifier(exerciseData(exercise)), TITLE: htmlEscaped(asProgramHolds(exercise.title)) };
  return pieces.map((piece, index) => (index % 2 === 1 ? parts[piece] : piece)).join("");
}

// Files, each a name and its bytes, as one zip archive. Every entry is dated 1980-01-01 00:00,
// as the program dates them, and its name is marked as UTF-8.
function zipped(files) {
  const parts = [];
  const directory = [];
  let offset = 0;
  // A record of little-endian fields, each [bytes, value], then the name.
  const record = (fields, name = new Uint8Array()) => {
    const fixed = new DataView(new ArrayBuffer(fields.reduce((size, [bytes]) => size + bytes, 0)));
    let at = 0;
    for (const [bytes, value] of fields) {
      bytes === 4 ? fixed.setUint32(at, value, true) : fixed.setUint16(at, value, true);
      at += bytes;
    }
    return [new Uint8Array(fixed.buffer), name];
  };
  for (const [name, bytes] of files) {
    const named = new TextEncoder().encode(name);
    const entry = [[2, 20], [2, 0x0800], [2, 0], [2, 0], [2, 33], [4, crc32(bytes)], [4, bytes.length], [4, bytes.length], [2, named.length], [2, 0]];
    const local = record([[4, 0x04034b50], ...entry], named);
    directory.push(...record([[4, 0x02014b50], [2, 20], ...entry, [2, 0], [2, 0], [2, 0], [4, 0], [4, offset]], named));
    parts.push(...local, bytes);
    offset += local[0].length + named.length + bytes.length;
  }
  const size = directory.reduce((total, part) => total + part.length, 0);
  const end = record([[4, 0x06054b50], [2, 0], [2, 0], [2, files.length], [2, files.length], [4, size], [4, offset], [2, 0]]);
  return new Blob([...parts, ...directory, ...end]);
}

// The exercise as a SCORM 1.2 package: the manifest and the game's page.
function scormPackage(exercise, manifestPieces, pagePieces) {
  const encoder = new TextEncoder();
  return zipped([
    ["imsmanifest.xml", encoder.encode(scormManifest(exercise, manifestPieces))],
    [scormPage, encoder.encode(webPage(exercise, pagePieces))],
  ]);
}
