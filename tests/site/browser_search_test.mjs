// The site's search page in a real browser: headless Chromium loads a site
// made by `ecview-cli site` from file://, the test types into the search box
// through the DevTools protocol (over --remote-debugging-pipe, file
// descriptors 3 and 4, NUL-separated JSON) and reads the results. The
// answers must be those of tests/site/match_vectors.json, which the C++ name
// matcher is checked against too.
//
// node browser_search_test.mjs ECVIEW-CLI MAKE-NAMED-MODULE VECTORS.json
// Exit status 0 passed, 1 failed, 77 skipped (no chromium).
import { spawn, spawnSync } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { pathToFileURL } from "node:url";

const [cli, makeModule, vectorsFile] = process.argv.slice(2);
const chromium = ["chromium", "chromium-browser"].find(
  (name) => spawnSync("sh", ["-c", `command -v ${name}`]).status === 0,
);
if (!chromium) {
  console.log("SKIP: chromium is not installed");
  process.exit(77);
}

const vectors = JSON.parse(readFileSync(vectorsFile, "utf8")).vectors;
const work = mkdtempSync(join(tmpdir(), "ecview-site-browser-"));
let failures = 0;
function fail(message) {
  console.log("FAIL: " + message);
  ++failures;
}

function run(program, args) {
  const r = spawnSync(program, args, { encoding: "utf8" });
  if (r.status !== 0) throw new Error(`${program} ${args.join(" ")}: ${r.stderr}`);
}

// One module per vector, named v1, v2 …, declaring the vector's names.
const folder = join(work, "modules");
run("mkdir", ["-p", folder]);
vectors.forEach((v, i) => run(makeModule, [join(folder, `v${i + 1}.ec`), `v${i + 1}`, ...v.names]));
const site = join(work, "site");
run(cli, ["site", folder, site, "--title", "浏览器测试"]);

// ---- a minimal DevTools client over the pipe --------------------------------
const browser = spawn(
  chromium,
  ["--headless", "--no-sandbox", "--disable-gpu", "--remote-debugging-pipe", `--user-data-dir=${join(work, "profile")}`, "about:blank"],
  { stdio: ["ignore", "ignore", "ignore", "pipe", "pipe"] },
);
const toBrowser = browser.stdio[3];
const fromBrowser = browser.stdio[4];
let nextId = 1;
const waiting = new Map();
const events = [];
let buffer = Buffer.alloc(0);
fromBrowser.on("data", (chunk) => {
  buffer = Buffer.concat([buffer, chunk]);
  for (let end; (end = buffer.indexOf(0)) >= 0; buffer = buffer.subarray(end + 1)) {
    const message = JSON.parse(buffer.subarray(0, end).toString("utf8"));
    if (message.id && waiting.has(message.id)) {
      const { resolve, reject } = waiting.get(message.id);
      waiting.delete(message.id);
      if (message.error) reject(new Error(JSON.stringify(message.error)));
      else resolve(message.result);
    } else if (message.method) {
      events.push(message);
    }
  }
});
function send(method, params = {}, sessionId = undefined) {
  const id = nextId++;
  const message = { id, method, params };
  if (sessionId) message.sessionId = sessionId;
  toBrowser.write(JSON.stringify(message) + "\0");
  return new Promise((resolve, reject) => waiting.set(id, { resolve, reject }));
}
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

async function main() {
  const { targetId } = await send("Target.createTarget", { url: "about:blank" });
  const { sessionId } = await send("Target.attachToTarget", { targetId, flatten: true });
  const page = (method, params) => send(method, params, sessionId);
  const evaluate = async (expression) => {
    const r = await page("Runtime.evaluate", { expression, returnByValue: true, awaitPromise: true });
    if (r.exceptionDetails) throw new Error(JSON.stringify(r.exceptionDetails));
    return r.result.value;
  };
  await page("Page.enable");
  await page("Page.navigate", { url: pathToFileURL(join(site, "search.html")).href });
  for (let i = 0; i < 100 && !(await evaluate("!!(window.EcSiteSearch && EcSiteSearch.index)").catch(() => false)); ++i)
    await sleep(50);
  if (!(await evaluate("!!(window.EcSiteSearch && EcSiteSearch.index)"))) throw new Error("the search page did not start");

  // The matcher itself, on every vector.
  for (const v of vectors) {
    const got = await evaluate(
      `${JSON.stringify(v.names)}.filter((n) => EcSiteSearch.matchName(${JSON.stringify(v.query)}, n))`,
    );
    if (JSON.stringify(got) !== JSON.stringify(v.matches))
      fail(`matchName(${v.query}): ${JSON.stringify(got)}, expected ${JSON.stringify(v.matches)}`);
  }

  // Typing into the search box: the results of each module are its
  // vector's matches, each a link to the module page's anchor.
  await evaluate("document.getElementById('search-text').focus()");
  for (const query of ["qwb", "取*本", "wb", "a|b", "bm"]) {
    const i = vectors.findIndex((v) => v.query === query);
    await evaluate("document.getElementById('search-text').select()");
    await page("Input.insertText", { text: query });
    const shown = await evaluate(`(() => {
      const out = {};
      for (const group of document.querySelectorAll('.hit-module')) {
        const a = group.querySelector('h2 a');
        out[a.textContent] = [...group.querySelectorAll('a.name')].map((x) => [x.textContent, x.getAttribute('href')]);
      }
      return { value: document.getElementById('search-text').value, out,
               ms: Number(document.getElementById('search-form').dataset.milliseconds) };
    })()`);
    if (shown.value !== query) fail(`the box holds ${shown.value}, typed ${query}`);
    const mine = (shown.out[`v${i + 1}`] || []).map((x) => x[0]);
    if (JSON.stringify(mine) !== JSON.stringify(vectors[i].matches))
      fail(`typing ${query}: module v${i + 1} lists ${JSON.stringify(mine)}, expected ${JSON.stringify(vectors[i].matches)}`);
    for (const hits of Object.values(shown.out))
      for (const [, href] of hits)
        if (!/^modules\/[^/]+\.html#[a-z-]+[0-9-]+$/.test(href)) fail(`link ${href}`);
  }

  // The kinds: with only 常量 ticked no subroutine is listed.
  await evaluate(`(() => {
    const f = document.getElementById('search-form');
    f.querySelector('input[value=all]').checked = false;
    for (const b of f.querySelectorAll('input[data-kinds]')) b.checked = b.dataset.kinds === '5';
    f.dispatchEvent(new Event('change'));
  })()`);
  const left = await evaluate("document.querySelectorAll('.hit').length");
  if (left !== 0) fail(`${left} hits with only constants ticked`);
}

const timer = setTimeout(() => {
  fail("timed out");
  finish();
}, 30000);
async function finish() {
  clearTimeout(timer);
  // Closed through the protocol, so it stops writing its profile before the
  // folder is removed.
  const exited = new Promise((resolve) => browser.once("exit", resolve));
  send("Browser.close").catch(() => {});
  await Promise.race([exited, sleep(3000)]);
  browser.kill();
  try {
    rmSync(work, { recursive: true, force: true, maxRetries: 3 });
  } catch (error) {
    console.log("note: could not remove " + work + ": " + error.message);
  }
  console.log(failures === 0 ? "PASS" : `${failures} failure(s)`);
  process.exit(failures === 0 ? 0 : 1);
}
main().then(finish, (error) => {
  fail(error.stack || String(error));
  finish();
});
