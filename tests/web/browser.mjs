// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

// What the web tests share: the program, a scratch folder, a browser, and pages opened in it with
// every request, error and dialog noted. ACRONYM names the program, build/default's by default;
// ACRONYM_BROWSER names the engine: Debian's "chromium" (the default) or "firefox" (firefox-esr,
// over WebDriver BiDi).
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, readdirSync, rmSync, statSync } from "node:fs";
import { createRequire } from "node:module";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before } from "node:test";
import { pathToFileURL } from "node:url";
import puppeteer from "puppeteer-core";

export const root = new URL("../../", import.meta.url).pathname;
export const program = process.env.ACRONYM ?? join(root, "build/default/app/acronym");
export const folder = mkdtempSync(join(tmpdir(), "acronym-web-"));
const axe = readFileSync(createRequire(import.meta.url).resolve("axe-core"), "utf8");

// Runs the program in a locale (English by default); returns what it printed.
export function acronym(args, lang = "C.UTF-8") {
  return execFileSync(program, args, { env: { ...process.env, LANG: lang }, encoding: "utf8" });
}

// A table of tests/, as both the program's tests and these read it.
export const table = (path) => JSON.parse(readFileSync(join(root, "tests", path), "utf8"));

export const engine = process.env.ACRONYM_BROWSER ?? "chromium";
const engines = {
  chromium: {
    executablePath: "/usr/bin/chromium",
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking", "--disable-component-update", "--disable-sync"],
  },
  firefox: { browser: "firefox", executablePath: "/usr/bin/firefox-esr", extraPrefsFirefox: { "browser.download.alwaysOpenPanel": false } },
};

export let browser;
before(async () => {
  assert.ok(engine in engines, `ACRONYM_BROWSER: no engine "${engine}"`);
  browser = await puppeteer.launch(engines[engine]);
});
// The scratch folder goes with the browser, once a file's tests are done.
after(async () => {
  await browser?.close();
  rmSync(folder, { recursive: true, force: true });
});

// A browser context of its own, so with storage of its own, whose downloads land in a folder of
// their own: `next` waits for the next one to be whole and gives its name and bytes.
export async function newContext() {
  const into = mkdtempSync(join(folder, "downloads-"));
  const context = await browser.createBrowserContext({ downloadBehavior: { policy: "allow", downloadPath: into } });
  // Each engine writes a download under a name of its own until it is whole; a download is
  // taken once the folder holds no such name and has stood still for a moment.
  const unfinished = (name) => /\.(crdownload|part)$/.test(name);
  const next = async () => {
    for (let before = "", waited = 0; ; waited += 50) {
      assert.ok(waited < 10000, `no download whole after 10 s: ${readdirSync(into)}`);
      await new Promise((resolve) => setTimeout(resolve, 50));
      const names = readdirSync(into);
      const now = names.some(unfinished) ? "" : names.map((name) => `${name} ${statSync(join(into, name)).size}`).join();
      if (now && now === before) {
        const bytes = readFileSync(join(into, names[0]));
        rmSync(join(into, names[0]));
        return { name: names[0], bytes };
      }
      before = now;
    }
  };
  return { context, downloads: { next } };
}

// Opens a page in a context of its own, noting every request besides its own and its pictures',
// every policy violation, every error and every dialog, which is dismissed unless `answer` takes
// it.
export async function open(path, { viewport = { width: 1000, height: 800 }, answer } = {}) {
  const { context, downloads } = await newContext();
  const tab = await context.newPage();
  const trouble = [];
  // A picture inside the page is no request to anywhere.
  const own = (url) => url === pathToFileURL(path).href || url.startsWith("data:");
  tab.on("request", (request) => !own(request.url()) && trouble.push(`request ${request.url()}`));
  tab.on("dialog", async (dialog) => {
    if (!answer?.(dialog)) {
      trouble.push(`${dialog.type()} ${dialog.message()}`);
      await dialog.dismiss();
    }
  });
  await tab.evaluateOnNewDocument(() =>
    document.addEventListener("securitypolicyviolation", (event) => console.error(`blocked ${event.blockedURI} ${event.violatedDirective}`)),
  );
  tab.on("console", (message) => message.type() === "error" && trouble.push(message.text()));
  tab.on("pageerror", (error) => trouble.push(error.message));
  await tab.setViewport(viewport);
  await tab.goto(pathToFileURL(path).href);
  return { tab, trouble, downloads };
}

// Picture files drawn by the browser as the shared table's "files" say, by name, in a tab of the
// editor's page, whose script brings crc32 and dataAddress.
export async function drawnIn(tab, recipes = {}) {
  const drawn = await tab.evaluate(async (recipes) => {
    const draw = async (recipe) => {
      if ("text" in recipe) return new TextEncoder().encode(recipe.text);
      const [width, height] = recipe.size ?? (recipe.noise ? [512, 512] : [320, 200]);
      const canvas = Object.assign(document.createElement("canvas"), { width, height });
      const context = canvas.getContext("2d");
      if (recipe.noise) {
        const image = context.createImageData(canvas.width, canvas.height);
        for (let at = 0; at < image.data.length; at += 65536) crypto.getRandomValues(image.data.subarray(at, at + 65536));
        for (let at = 3; at < image.data.length; at += 4) image.data[at] = 255;
        context.putImageData(image, 0, 0);
      } else {
        context.fillStyle = "#808000";
        context.fillRect(0, 0, canvas.width, canvas.height);
        context.fillStyle = "#8b0000";
        context.fillRect(0, 0, canvas.width / 3, canvas.height);
      }
      const blob = await new Promise((resolve) => canvas.toBlob(resolve, `image/${recipe.draw}`));
      const bytes = new Uint8Array(await blob.arrayBuffer());
      if (recipe.side) {
        // The header claims the size, its checksum mended.
        const view = new DataView(bytes.buffer);
        view.setUint32(16, recipe.side);
        view.setUint32(20, recipe.side);
        view.setUint32(29, crc32(bytes.subarray(12, 29)));
      }
      if (recipe.turned) {
        // An EXIF block that says how the camera was turned, right after the start of the JPEG.
        const exif = Uint8Array.from("ffe100224578696600004d4d002a00000008000101120003000000010000000000000000".match(/../g), (hex) => Number.parseInt(hex, 16));
        exif[29] = recipe.turned;
        return Uint8Array.from([...bytes.subarray(0, 2), ...exif, ...bytes.subarray(2)]);
      }
      return recipe.cut ? bytes.slice(0, bytes.length / 2) : bytes;
    };
    const files = {};
    for (const [name, recipe] of Object.entries(recipes)) files[name] = dataAddress({ bytes: await draw(recipe), type: "" }).split(",")[1];
    return files;
  }, recipes);
  return Object.fromEntries(Object.entries(drawn).map(([name, base64]) => [name, Buffer.from(base64, "base64")]));
}

// `text` with each @data:NAME@ as that picture file's data: address.
export function withDataAddresses(text, pictures) {
  const typeOf = (bytes) => (bytes[0] === 0xff ? "jpeg" : bytes.subarray(0, 4).toString() === "RIFF" ? "webp" : "png");
  return text.replace(/@data:([^@]+)@/g, (_, name) => `data:image/${typeOf(pictures[name])};base64,${pictures[name].toString("base64")}`);
}

// What axe-core finds against WCAG 2.1 A and AA.
export async function violations(tab) {
  if (!(await tab.evaluate(() => "axe" in window))) {
    await tab.evaluate(axe);
  }
  return tab.evaluate(async () =>
    (await window.axe.run({ runOnly: ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa"] })).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(" ")}`),
  );
}

// The policy of a page that the program writes: nothing from anywhere, its own parts by hash, and
// pictures only from inside it.
export function assertSealed(html) {
  const policy = html.match(/http-equiv="Content-Security-Policy" content="([^"]*)"/)?.[1];
  assert.match(policy, /^default-src 'none'; img-src data:; script-src 'sha256-[^']+'; style-src 'sha256-[^']+'; base-uri 'none'; form-action 'none'$/);
  assert.match(html, /^<!DOCTYPE html>\n<html lang="bg">/);
}

// How far the page reaches past the width that it is shown in, its vertical scroll bar aside (Firefox
// draws one, Chromium's headless mode none): 0 when it never scrolls sideways.
export const sideways = (tab) => tab.evaluate(() => document.documentElement.scrollWidth - document.documentElement.clientWidth);

// What the learner sees: the slots, the words left, the selections and what was said.
export const board = (tab) =>
  tab.evaluate(() => ({
    slots: [...document.querySelectorAll("#slots li")].map((slot) => slot.textContent).join(""),
    rows: document.querySelectorAll("#words [role=option]").length,
    selected: document.querySelectorAll("[aria-selected=true]").length,
    said: document.querySelector("#said").textContent,
  }));

// A player of the game page (or of a frame that holds it) by mouse.
export const mouse = {
  async select(tab, list, text) {
    const rows = await tab.$$(`#${list} [role=option]`);
    const texts = await Promise.all(rows.map((row) => row.evaluate((option) => option.textContent)));
    // Scrolled into sight first, as a learner would: inside a frame, Firefox's click misses a row
    // that it has to scroll to itself.
    const row = rows[texts.indexOf(text)];
    await row.evaluate((option) => option.scrollIntoView({ block: "center" }));
    await row.click();
  },
  press: (tab, id) => tab.click(`#${id}`),
  closeEnd: (tab) => tab.click("#done-close"),
};
