#include "live/StationPage.h"

#include "model/Disciplines.h"
#include "model/Language.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace marvola {

namespace {

// What the page shows a scorer, in the language of the phone's browser.
const char *const PageTexts[] = {
    QT_TRANSLATE_NOOP("StationPage", "Scoring station"),
    QT_TRANSLATE_NOOP("StationPage", "Nothing waiting"),
    QT_TRANSLATE_NOOP("StationPage", "%1 waiting"),
    QT_TRANSLATE_NOOP("StationPage", "Loading…"),
    QT_TRANSLATE_NOOP("StationPage", "Scan the station's QR code on the office screen."),
    QT_TRANSLATE_NOOP("StationPage", "This phone is not paired with a station."),
    QT_TRANSLATE_NOOP("StationPage", "The office refused this station."),
    QT_TRANSLATE_NOOP("StationPage", "The office cannot be reached. Try again."),
    QT_TRANSLATE_NOOP("StationPage", "Discipline"),
    QT_TRANSLATE_NOOP("StationPage", "Last sent"),
    QT_TRANSLATE_NOOP("StationPage", "%1: competitor"),
    QT_TRANSLATE_NOOP("StationPage", "Number or name"),
    QT_TRANSLATE_NOOP("StationPage", "Back"),
    QT_TRANSLATE_NOOP("StationPage", "No competitor found."),
    QT_TRANSLATE_NOOP("StationPage", "Relay"),
    QT_TRANSLATE_NOOP("StationPage", "Point"),
    QT_TRANSLATE_NOOP("StationPage", "All"),
    QT_TRANSLATE_NOOP("StationPage", "Point %1"),
    QT_TRANSLATE_NOOP("StationPage", "Chicken"),
    QT_TRANSLATE_NOOP("StationPage", "Pig"),
    QT_TRANSLATE_NOOP("StationPage", "Turkey"),
    QT_TRANSLATE_NOOP("StationPage", "Ram"),
    QT_TRANSLATE_NOOP("StationPage", "too many"),
    QT_TRANSLATE_NOOP("StationPage", "Total %1 of %2"),
    QT_TRANSLATE_NOOP("StationPage", "Shoot-off"),
    QT_TRANSLATE_NOOP("StationPage", "Summary"),
    QT_TRANSLATE_NOOP("StationPage", "Please check, %1"),
    QT_TRANSLATE_NOOP("StationPage", "Total"),
    QT_TRANSLATE_NOOP("StationPage", "A count is more than the targets shot."),
    QT_TRANSLATE_NOOP("StationPage", "Competitor’s initials (optional)"),
    QT_TRANSLATE_NOOP("StationPage", "Confirm and send"),
    // The office's answers, as the page lists the entries sent.
    QT_TRANSLATE_NOOP("StationPage", "stored"),
    QT_TRANSLATE_NOOP("StationPage", "duplicate"),
    QT_TRANSLATE_NOOP("StationPage", "conflict"),
    QT_TRANSLATE_NOOP("StationPage", "awaiting"),
    QT_TRANSLATE_NOOP("StationPage", "disagreement"),
    QT_TRANSLATE_NOOP("StationPage", "refused"),
};

QByteArray stationPageTemplate();

// The translations of the page's texts and of the disciplines' names, as a script's object.
QByteArray pageTextsJson(const QString &language)
{
    QJsonObject texts;
    const auto add = [&](const char *context, const char *source) {
        const QString translated = translateInto(language, context, source);
        if (translated != QString::fromUtf8(source))
            texts.insert(QString::fromUtf8(source), translated);
    };
    for (const char *source : PageTexts)
        add("StationPage", source);
    for (int d = 0; d < LajiCount; ++d)
        add("Disciplines", discipline(d).title);
    // Inside a script element: no "</script>" can come from a translation.
    return QJsonDocument(texts).toJson(QJsonDocument::Compact).replace('<', "\\u003c");
}

} // namespace

QByteArray stationPage(const QString &language)
{
    const QString shown = language.isEmpty() ? programLanguage() : language;
    QByteArray page = stationPageTemplate();
    page.replace("__LANG__", (shown.isEmpty() ? QStringLiteral("en") : shown).toLatin1());
    page.replace("__TEXTS__", pageTextsJson(shown));
    return page;
}

namespace {

// One hand, bright sunlight: large targets, high contrast, one step per screen. The pairing
// (station id and secret) comes in the link's fragment, which the browser never sends; the page
// keeps it in the phone's storage and drops it from the address bar. Every request is signed
// with the page's own SHA-256 and HMAC (browsers give their crypto API only to HTTPS pages).
// Entries wait in the phone's storage until the office has answered for them, so a sleeping
// phone, a reload or a cut network loses none; a resent entry keeps its id and comes back with
// where it stands (a duplicate when it counts, or held for the office).
QByteArray stationPageTemplate()
{
    return QByteArrayLiteral(R"html(<!DOCTYPE html>
<html lang="__LANG__"><head><meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Scoring station</title>
<style>
:root { color-scheme: light; }
body { margin: 0; font: 18px/1.35 system-ui, "Liberation Sans", sans-serif; color: #000;
  background: #fff; }
header { background: #102a43; color: #fff; padding: 10px 12px; }
header h1 { margin: 0; font-size: 1.1em; }
header p { margin: 2px 0 0; font-size: 0.85em; }
#queue { padding: 8px 12px; font-weight: 700; background: #fde2a7; border-bottom: 2px solid #b7791f; }
#queue.empty { background: #d9f2d9; border-color: #2f7d32; }
main { padding: 12px; }
h2 { font-size: 1.05em; margin: 0 0 8px; }
button { font: inherit; font-weight: 700; min-height: 52px; min-width: 52px; border-radius: 8px;
  border: 2px solid #102a43; background: #fff; color: #000; margin: 4px 4px 4px 0; padding: 6px 12px; }
button.primary { background: #102a43; color: #fff; width: 100%; }
button.wide { width: 100%; text-align: left; }
input { font: inherit; min-height: 48px; width: 100%; box-sizing: border-box; border: 2px solid #333;
  border-radius: 8px; padding: 4px 8px; }
.animal { border-top: 2px solid #ccc; padding: 8px 0; }
.animal h3 { margin: 0 0 4px; font-size: 1em; display: flex; justify-content: space-between; }
.bank { display: inline-flex; margin-right: 10px; }
.target { min-width: 44px; min-height: 52px; margin: 2px; padding: 0; background: #eee; }
.target.hit { background: #2f7d32; color: #fff; }
.count { width: 5em; display: inline-block; }
.mark { color: #b00020; font-weight: 700; }
.finals input { width: 3.2em; display: inline-block; margin-right: 4px; }
.error { color: #b00020; font-weight: 700; }
.summary td { padding: 4px 8px; font-size: 1.1em; }
.pick { display: flex; flex-wrap: wrap; align-items: center; gap: 6px 10px; margin-bottom: 8px; }
.pick select { font: inherit; min-height: 48px; min-width: 5.5em; border: 2px solid #333;
  border-radius: 8px; background: #fff; }
</style></head>
<body>
<header><h1 id="title">Scoring station</h1><p id="station"></p></header>
<div id="queue" class="empty">Nothing waiting</div>
<main id="main"><p>Loading…</p></main>
<script>
"use strict";
// The page's texts in its language, from the office; a text without one stays as written here.
const Texts = __TEXTS__;
const tr = (text, ...values) => values.reduce((t, v, i) => t.replace("%" + (i + 1), v),
  Texts[text] || text);
// SHA-256 (FIPS 180-4) and HMAC-SHA256 (RFC 2104) over byte arrays.
const K = new Uint32Array([0x428a2f98,0x71374491,0xb5c0fbcf,0xe9b5dba5,0x3956c25b,0x59f111f1,
0x923f82a4,0xab1c5ed5,0xd807aa98,0x12835b01,0x243185be,0x550c7dc3,0x72be5d74,0x80deb1fe,0x9bdc06a7,
0xc19bf174,0xe49b69c1,0xefbe4786,0x0fc19dc6,0x240ca1cc,0x2de92c6f,0x4a7484aa,0x5cb0a9dc,0x76f988da,
0x983e5152,0xa831c66d,0xb00327c8,0xbf597fc7,0xc6e00bf3,0xd5a79147,0x06ca6351,0x14292967,0x27b70a85,
0x2e1b2138,0x4d2c6dfc,0x53380d13,0x650a7354,0x766a0abb,0x81c2c92e,0x92722c85,0xa2bfe8a1,0xa81a664b,
0xc24b8b70,0xc76c51a3,0xd192e819,0xd6990624,0xf40e3585,0x106aa070,0x19a4c116,0x1e376c08,0x2748774c,
0x34b0bcb5,0x391c0cb3,0x4ed8aa4a,0x5b9cca4f,0x682e6ff3,0x748f82ee,0x78a5636f,0x84c87814,0x8cc70208,
0x90befffa,0xa4506ceb,0xbef9a3f7,0xc67178f2]);
function sha256(bytes) {
  const length = bytes.length, padded = new Uint8Array(((length + 9 + 63) >> 6) << 6);
  padded.set(bytes); padded[length] = 0x80;
  const view = new DataView(padded.buffer);
  view.setUint32(padded.length - 8, Math.floor(length / 0x20000000));
  view.setUint32(padded.length - 4, (length << 3) >>> 0);
  const h = new Uint32Array([0x6a09e667,0xbb67ae85,0x3c6ef372,0xa54ff53a,0x510e527f,0x9b05688c,
    0x1f83d9ab,0x5be0cd19]);
  const w = new Uint32Array(64);
  const rotr = (x, n) => (x >>> n) | (x << (32 - n));
  for (let block = 0; block < padded.length; block += 64) {
    for (let t = 0; t < 16; t++) w[t] = view.getUint32(block + 4 * t);
    for (let t = 16; t < 64; t++) {
      const s0 = rotr(w[t-15], 7) ^ rotr(w[t-15], 18) ^ (w[t-15] >>> 3);
      const s1 = rotr(w[t-2], 17) ^ rotr(w[t-2], 19) ^ (w[t-2] >>> 10);
      w[t] = (w[t-16] + s0 + w[t-7] + s1) >>> 0;
    }
    let [a, b, c, d, e, f, g, k] = h;
    for (let t = 0; t < 64; t++) {
      const t1 = (k + (rotr(e, 6) ^ rotr(e, 11) ^ rotr(e, 25)) + ((e & f) ^ (~e & g)) + K[t] + w[t]) >>> 0;
      const t2 = ((rotr(a, 2) ^ rotr(a, 13) ^ rotr(a, 22)) + ((a & b) ^ (a & c) ^ (b & c))) >>> 0;
      k = g; g = f; f = e; e = (d + t1) >>> 0; d = c; c = b; b = a; a = (t1 + t2) >>> 0;
    }
    h[0] += a; h[1] += b; h[2] += c; h[3] += d; h[4] += e; h[5] += f; h[6] += g; h[7] += k;
  }
  const out = new Uint8Array(32), outView = new DataView(out.buffer);
  h.forEach((word, i) => outView.setUint32(4 * i, word));
  return out;
}
function hmacSha256(key, message) {
  if (key.length > 64) key = sha256(key);
  const inner = new Uint8Array(64 + message.length), outer = new Uint8Array(96);
  for (let i = 0; i < 64; i++) { inner[i] = (key[i] || 0) ^ 0x36; outer[i] = (key[i] || 0) ^ 0x5c; }
  inner.set(message, 64);
  outer.set(sha256(inner), 64);
  return sha256(outer);
}
const hex = bytes => Array.from(bytes, b => b.toString(16).padStart(2, "0")).join("");
const fromHex = text => new Uint8Array(text.match(/../g).map(p => parseInt(p, 16)));
const utf8 = text => new TextEncoder().encode(text);

// The standard test vectors, for the browser test: /station#selftest.
function selfTest() {
  const cases = [["sha-abc", () => hex(sha256(utf8("abc")))], ["sha-empty", () => hex(sha256(utf8("")))],
    ["sha-448", () => hex(sha256(utf8("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")))],
    ["hmac-1", () => hex(hmacSha256(new Uint8Array(20).fill(0x0b), utf8("Hi There")))],
    ["hmac-2", () => hex(hmacSha256(utf8("Jefe"), utf8("what do ya want for nothing?")))],
    ["hmac-3", () => hex(hmacSha256(new Uint8Array(20).fill(0xaa), new Uint8Array(50).fill(0xdd)))],
    ["hmac-6", () => hex(hmacSha256(new Uint8Array(131).fill(0xaa),
      utf8("Test Using Larger Than Block-Size Key - Hash Key First")))]];
  document.getElementById("main").innerHTML = "<pre id='selftest'>" +
    cases.map(([name, f]) => name + " " + f()).join("\n") + "</pre>";
}

const store = {
  get: (key, fallback) => { try { return JSON.parse(localStorage.getItem("marvola." + key)) ?? fallback; }
    catch (e) { return fallback; } },
  set: (key, value) => localStorage.setItem("marvola." + key, JSON.stringify(value)),
};
let pairing = store.get("pairing", null), info = null, entry = null;
const main = () => document.getElementById("main");
const esc = text => String(text).replace(/[&<>"']/g, c => "&#" + c.charCodeAt(0) + ";");

function nextCounter() {
  const counter = Math.max(store.get("counter", 0) + 1, Date.now());
  store.set("counter", counter);
  return String(counter);
}
function signedFetch(method, path, body) {
  const counter = nextCounter();
  const signature = hex(hmacSha256(fromHex(pairing.secret),
    utf8(method + "\n" + path + "\n" + counter + "\n" + (body || ""))));
  const headers = {"X-Station": pairing.id, "X-Counter": counter, "X-Signature": signature};
  if (body) headers["Content-Type"] = "application/json";
  return fetch(path, {method, headers, body: body || undefined, cache: "no-store"});
}

function showQueue() {
  const waiting = store.get("queue", []).length, box = document.getElementById("queue");
  box.textContent = waiting ? tr("%1 waiting", waiting) : tr("Nothing waiting");
  box.className = waiting ? "" : "empty";
}
let sending = false;
async function sendQueue() {
  if (sending || !pairing) return;
  sending = true;
  try {
    for (let queue = store.get("queue", []); queue.length; queue = store.get("queue", [])) {
      const item = queue[0];
      let answer;
      try {
        const reply = await signedFetch("POST", "/station/api/entries", item.body);
        answer = {status: reply.status, json: await reply.json().catch(() => ({}))};
      } catch (e) { break; } // no network: the entry waits
      if (answer.status >= 500 || answer.status === 429) break;
      store.set("queue", store.get("queue", []).filter(q => q.id !== item.id));
      const done = store.get("done", []);
      done.unshift({id: item.id, label: item.label, status: answer.json.status || "refused",
        error: answer.json.error || "", http: answer.status});
      store.set("done", done.slice(0, 20));
    }
  } finally { sending = false; showQueue(); }
}
setInterval(sendQueue, 4000);
window.addEventListener("online", sendQueue);

function unpaired(text) {
  main().innerHTML = "<h2>" + esc(text) + "</h2><p>" +
    esc(tr("Scan the station's QR code on the office screen.")) + "</p>";
}
async function start() {
  const hash = location.hash.slice(1);
  if (hash === "selftest") return selfTest();
  document.title = document.getElementById("title").textContent = tr("Scoring station");
  main().innerHTML = "<p>" + esc(tr("Loading…")) + "</p>";
  const parts = hash.split(".");
  if (parts.length === 2 && /^[A-Za-z0-9]+$/.test(parts[0]) && /^[0-9a-f]{64}$/.test(parts[1])) {
    // A new station starts its counters afresh: a phone paired again after the largest counter
    // can send once more.
    if (!pairing || pairing.id !== parts[0] || pairing.secret !== parts[1]) store.set("counter", 0);
    pairing = {id: parts[0], secret: parts[1]};
    store.set("pairing", pairing);
    history.replaceState(null, "", location.pathname);
  }
  showQueue();
  if (!pairing) return unpaired(tr("This phone is not paired with a station."));
  try {
    const reply = await signedFetch("GET", "/station/api/station.json", "");
    const json = await reply.json();
    if (reply.status >= 500) {
      // The office cannot store entries now: the pairing holds, and entries wait on the phone.
      main().innerHTML = "<p class='error'>" + esc(json.error || tr("The office cannot be reached. Try again.")) + "</p>";
      return;
    }
    if (!reply.ok) return unpaired(json.error || tr("The office refused this station."));
    info = json;
  } catch (e) {
    info = store.get("info", null);
    if (!info) {
      main().innerHTML = "<p class='error'>" + esc(tr("The office cannot be reached. Try again.")) + "</p>";
      return;
    }
  }
  store.set("info", info);
  document.getElementById("title").textContent = info.name;
  document.getElementById("station").textContent = info.match || "";
  sendQueue();
  chooseDiscipline();
}

function chooseDiscipline() {
  const done = store.get("done", []).slice(0, 5).map(d => "<li>" + esc(d.label) + ": <b>" +
    esc(tr(d.status)) + "</b>" + (d.error ? " – " + esc(d.error) : "") + "</li>").join("");
  main().innerHTML = "<h2>" + esc(tr("Discipline")) + "</h2>" + info.disciplines.map((d, i) =>
    "<button class='wide' data-i='" + i + "'>" + esc(d.code) + " – " + esc(tr(d.name)) + "</button>").join("") +
    (done ? "<h2>" + esc(tr("Last sent")) + "</h2><ul id='done'>" + done + "</ul>" : "");
  main().querySelectorAll("button[data-i]").forEach(b =>
    b.onclick = () => chooseCompetitor(info.disciplines[+b.dataset.i]));
}

// A competitor by number or name, or by relay and point where the office has drawn them: the
// relay chosen is kept for the discipline, as a scorer enters one relay's cards in a row.
async function chooseCompetitor(discipline) {
  main().innerHTML = "<h2>" + esc(tr("%1: competitor", discipline.code)) + "</h2>" +
    "<div id='pick' class='pick' hidden><label for='relay'>" + esc(tr("Relay")) + "</label>" +
    "<select id='relay'></select><label for='point'>" + esc(tr("Point")) + "</label>" +
    "<select id='point'></select></div>" +
    "<input id='find' placeholder='" + esc(tr("Number or name")) + "' inputmode='search' autocomplete='off'>" +
    "<div id='list'><p>" + esc(tr("Loading…")) + "</p></div><button id='back'>" + esc(tr("Back")) + "</button>";
  document.getElementById("back").onclick = chooseDiscipline;
  let competitors = store.get("competitors-" + discipline.code, []);
  try {
    const reply = await fetch("/station/api/competitors.json?discipline=" +
      encodeURIComponent(discipline.code), {cache: "no-store"});
    if (reply.ok) { competitors = await reply.json(); store.set("competitors-" + discipline.code, competitors); }
  } catch (e) { /* the list kept from the last time serves */ }
  const relayBox = document.getElementById("relay"), pointBox = document.getElementById("point");
  const relays = [...new Set(competitors.filter(c => c.relay).map(c => c.relay))].sort((a, b) => a - b);
  const options = values => "<option value=''>" + esc(tr("All")) + "</option>" +
    values.map(v => "<option value='" + v + "'>" + v + "</option>").join("");
  const fillPoints = () => {
    const relay = +relayBox.value;
    pointBox.innerHTML = options(competitors.filter(c => relay && c.relay === relay).map(c => c.point)
      .sort((a, b) => a - b));
    pointBox.disabled = !relay;
  };
  if (relays.length) {
    document.getElementById("pick").hidden = false;
    relayBox.innerHTML = options(relays);
    const kept = store.get("relay-" + discipline.code, "");
    if (relays.includes(+kept)) relayBox.value = String(kept);
  }
  fillPoints();
  const show = () => {
    const text = document.getElementById("find").value.trim().toLowerCase();
    const relay = +relayBox.value, point = +pointBox.value;
    const found = competitors.filter(c => (!relay || c.relay === relay) && (!point || c.point === point) &&
      (!text || String(c.number) === text || c.name.toLowerCase().includes(text)));
    if (relay) found.sort((a, b) => a.point - b.point);
    document.getElementById("list").innerHTML = found.slice(0, 30).map((c, i) =>
      "<button class='wide' data-n='" + c.number + "'>" + (relay ? esc(tr("Point %1", c.point)) + ": " : "") +
      c.number + " " + esc(c.name) + " (" +
      esc(c.club) + ", " + esc(c["class"]) + ")" + (c.stored ? " ✓" : "") + "</button>").join("") ||
      "<p>" + esc(tr("No competitor found.")) + "</p>";
    document.querySelectorAll("#list button").forEach(b => b.onclick = () =>
      enterHits(discipline, competitors.find(c => c.number === +b.dataset.n)));
  };
  document.getElementById("find").oninput = show;
  relayBox.onchange = () => { store.set("relay-" + discipline.code, relayBox.value); fillPoints(); show(); };
  pointBox.onchange = show;
  show();
}

const Animals = [["chicken", "Chicken"], ["pig", "Pig"], ["turkey", "Turkey"], ["ram", "Ram"]];
function enterHits(discipline, competitor) {
  entry = {discipline, competitor, shots: Animals.map(() => new Array(discipline.perAnimal).fill(false)),
    typed: Animals.map(() => null), finals: ["", "", "", "", ""]};
  drawEntry();
}
const hitsOf = a => entry.typed[a] ?? entry.shots[a].filter(Boolean).length;
function drawEntry() {
  const d = entry.discipline, per = d.perAnimal;
  let html = "<h2>" + esc(d.code) + " · " + entry.competitor.number + " " + esc(entry.competitor.name) + "</h2>";
  Animals.forEach(([key, caption], a) => {
    html += "<div class='animal'><h3><span>" + esc(tr(caption)) + "</span><span><input class='count' type='number'" +
      " inputmode='numeric' min='0' max='" + per + "' data-a='" + a + "' value='" + hitsOf(a) + "'> / " + per +
      (hitsOf(a) > per ? " <span class='mark'>" + esc(tr("too many")) + "</span>" : "") + "</span></h3>";
    for (let bank = 0; bank < per; bank += 5) {
      html += "<span class='bank'>";
      for (let t = bank; t < Math.min(bank + 5, per); t++)
        html += "<button class='target" + (entry.shots[a][t] ? " hit" : "") + "' data-a='" + a + "' data-t='" +
          t + "' aria-pressed='" + entry.shots[a][t] + "'>" + (entry.shots[a][t] ? "X" : (t + 1)) + "</button>";
      html += "</span>";
    }
    html += "</div>";
  });
  const total = Animals.reduce((s, _, a) => s + hitsOf(a), 0);
  html += "<p><b>" + esc(tr("Total %1 of %2", total, 4 * per)) + "</b></p>";
  if (d.finals) html += "<p class='finals'>" + esc(tr("Shoot-off")) + ": " + entry.finals.map((f, i) =>
    "<input maxlength='2' data-f='" + i + "' value='" + esc(f) + "'>").join("") + "</p>";
  html += "<button class='primary' id='next'>" + esc(tr("Summary")) + "</button><button id='back'>" +
    esc(tr("Back")) + "</button>";
  main().innerHTML = html;
  main().querySelectorAll("button.target").forEach(b => b.onclick = () => {
    const a = +b.dataset.a, t = +b.dataset.t;
    entry.shots[a][t] = !entry.shots[a][t]; entry.typed[a] = null; drawEntry();
  });
  main().querySelectorAll("input.count").forEach(i => i.onchange = () => {
    const value = parseInt(i.value, 10);
    entry.typed[+i.dataset.a] = Number.isFinite(value) && value >= 0 ? value : null; drawEntry();
  });
  main().querySelectorAll("input[data-f]").forEach(i => i.oninput = () => { entry.finals[+i.dataset.f] = i.value; });
  document.getElementById("back").onclick = () => chooseCompetitor(entry.discipline);
  document.getElementById("next").onclick = summary;
}

function summary() {
  const d = entry.discipline, per = d.perAnimal;
  const wrong = Animals.some((_, a) => hitsOf(a) > per);
  const total = Animals.reduce((s, _, a) => s + hitsOf(a), 0);
  main().innerHTML = "<h2>" + esc(tr("Please check, %1", entry.competitor.name)) + "</h2><table class='summary'>" +
    Animals.map(([, caption], a) => "<tr><td>" + esc(tr(caption)) + "</td><td><b>" + hitsOf(a) + "</b></td></tr>").join("") +
    "<tr><td>" + esc(tr("Total")) + "</td><td><b>" + total + "</b></td></tr>" +
    (d.finals && entry.finals.some(f => f) ? "<tr><td>" + esc(tr("Shoot-off")) + "</td><td>" +
      entry.finals.map(esc).join(" ") + "</td></tr>" : "") +
    "</table>" + (wrong ? "<p class='error'>" + esc(tr("A count is more than the targets shot.")) + "</p>" :
    "<p><input id='initials' maxlength='10' placeholder='" + esc(tr("Competitor’s initials (optional)")) + "'></p>" +
    "<button class='primary' id='send'>" + esc(tr("Confirm and send")) + "</button>") +
    "<button id='back'>" + esc(tr("Back")) + "</button>";
  document.getElementById("back").onclick = drawEntry;
  const send = document.getElementById("send");
  if (send) send.onclick = () => {
    const body = {id: Date.now().toString(36) + "-" + Math.random().toString(36).slice(2, 10),
      competitor: entry.competitor.number, discipline: d.code};
    Animals.forEach(([key], a) => body[key] = hitsOf(a));
    body.total = total;
    if (d.finals) body.finals = entry.finals;
    if (entry.typed.every(t => t === null)) body.shots = entry.shots.map(s => s.map(x => x ? 1 : 0));
    const initials = document.getElementById("initials").value.trim();
    if (initials) body.initials = initials;
    const queue = store.get("queue", []);
    queue.push({id: body.id, label: d.code + " " + entry.competitor.number + " " + entry.competitor.name +
      " " + total, body: JSON.stringify(body)});
    store.set("queue", queue);
    showQueue();
    sendQueue().then(chooseDiscipline);
  };
}
start();
</script></body></html>
)html");
}

} // namespace

} // namespace marvola
