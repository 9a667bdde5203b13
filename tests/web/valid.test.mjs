// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

// Every page that the program writes, checked by the Nu Html Checker (vnu.jar, from npm, which
// Java runs): the game's page without pictures and with them, the editor's page, the player's
// page, and the page in the SCORM package.
import assert from "node:assert/strict";
import { execFileSync, spawnSync } from "node:child_process";
import { writeFileSync } from "node:fs";
import { createRequire } from "node:module";
import { join } from "node:path";
import { test } from "node:test";
import { acronym, drawnIn, folder, open } from "./browser.mjs";

const checker = createRequire(import.meta.url)("vnu-jar");

test("writes every page as valid HTML", async () => {
  acronym(["--html-editor", join(folder, "valid-editor.html")]);
  const drawing = await open(join(folder, "valid-editor.html"));
  const pictures = await drawnIn(drawing.tab, { "coin.png": { draw: "png" }, "photo.jpg": { draw: "jpeg", size: [800, 600], turned: 6 } });
  await drawing.tab.close();
  for (const [name, bytes] of Object.entries(pictures)) writeFileSync(join(folder, name), bytes);
  const pictured = join(folder, "valid.acronym");
  writeFileSync(pictured, "монета = пари от метал\nкартина: coin.png\nконник = релефът от Мадара\nкартина: photo.jpg\nтаран = стенобойна машина\n");
  acronym(["--html", join(folder, "valid-built-in.html")]);
  acronym(["--html-player", join(folder, "valid-player.html")]);
  acronym([pictured, "--html", join(folder, "valid-pictured.html")]);
  acronym([pictured, "--scorm", join(folder, "valid.zip")]);
  writeFileSync(join(folder, "valid-scorm.html"), execFileSync("unzip", ["-p", join(folder, "valid.zip"), "index.html"]));
  const pages = ["valid-built-in.html", "valid-pictured.html", "valid-editor.html", "valid-player.html", "valid-scorm.html"].map((name) => join(folder, name));
  const checked = spawnSync("java", ["-jar", checker, "--errors-only", ...pages], { encoding: "utf8" });
  assert.equal(checked.error, undefined, "java is missing: scripts/setup installs default-jre-headless");
  assert.deepEqual([checked.status, checked.stderr.trim()], [0, ""]);
});
