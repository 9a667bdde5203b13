// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT
//
// Links that carry a puzzle in their fragment, for the pages, as the program writes them
// (web/puzzle_link.cpp): the editor's page writes them, the player's page reads them.
"use strict";

// What a link's fragment starts with: the version of its format, then a '.'.
const linkVersion = "1";

// The text that a link carries for an exercise: its puzzle as the editors write it, without
// comments and without pictures.
function linkText(exercise) {
  const draft = draftOf(exercise);
  draft.rows.forEach((row) => {
    row.picture = "";
    delete row.checked;
  });
  return draftText(draft);
}

// The link to `player` that carries `text`: "PLAYER#1." and the text packed with raw DEFLATE and
// written in base64url, without padding.
async function puzzleLink(player, text) {
  const packed = new Uint8Array(await new Response(new Blob([text]).stream().pipeThrough(new CompressionStream("deflate-raw"))).arrayBuffer());
  let binary = "";
  for (let at = 0; at < packed.length; at += 0x8000) {
    binary += String.fromCharCode(...packed.subarray(at, at + 0x8000));
  }
  return `${player}#${linkVersion}.${btoa(binary).replaceAll("+", "-").replaceAll("/", "_").replace(/=+$/, "")}`;
}

function hasPictures(exercise) {
  return (exercise.pictures ?? []).some((picture) => picture.bytes.length > 0);
}

// The puzzle file's bytes that a link's fragment carries (what follows '#'), inflated in steps
// and stopped at the size that a puzzle file may have; throws an Error that says in Bulgarian
// what is wrong with the link.
async function linkedBytes(fragment) {
  const [, version, packed] = /^([^.]*)\.(.*)$/s.exec(fragment) ?? [];
  if (version !== linkVersion) {
    throw new Error(version === undefined || !/^\d+$/.test(version) ? "Това не е връзка към пъзел." : "Връзката е от по-нова програма, която тази страница не познава.");
  }
  if (!/^[A-Za-z0-9_-]*$/.test(packed) || packed.length % 4 === 1) {
    throw new Error("Връзката е повредена: в нея има знаци, които не са нейни.");
  }
  const binary = atob(packed.replaceAll("-", "+").replaceAll("_", "/"));
  const stream = new Blob([Uint8Array.from(binary, (character) => character.charCodeAt(0))]).stream().pipeThrough(new DecompressionStream("deflate-raw"));
  const reader = stream.getReader();
  const chunks = [];
  let length = 0;
  try {
    for (let read = await reader.read(); !read.done; read = await reader.read()) {
      length += read.value.length;
      if (length > maxFileBytes) {
        reader.cancel();
        throw new RangeError();
      }
      chunks.push(read.value);
    }
  } catch (error) {
    throw new Error(error instanceof RangeError ? "Пъзелът във връзката е по-голям от 1 MiB." : "Връзката е непълна: вероятно е отрязана, когато е копирана.");
  }
  const bytes = new Uint8Array(length);
  chunks.reduce((at, chunk) => (bytes.set(chunk, at), at + chunk.length), 0);
  return bytes;
}
