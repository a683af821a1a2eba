#include "live/LiveAssets.h"

namespace marvola {

QByteArray liveStyleSheet()
{
    // Phone first: the optional columns give way below 700 px, the hit captions shorten.
    return QByteArrayLiteral(R"css(:root { color-scheme: light; }
body { margin: 0; padding: 8px; font: 15px/1.35 system-ui, -apple-system, "Segoe UI", Roboto,
  "Liberation Sans", sans-serif; color: #111; background: #fff; }
header h1 { margin: 4px 0 0; font-size: 1.4em; }
header p { margin: 2px 0; }
.title { font-weight: 600; }
.match { color: #444; font-size: 0.9em; }
.match span { margin-right: 0.8em; display: inline-block; }
a.back { font-size: 0.9em; }
table { border-collapse: collapse; width: 100%; margin-top: 8px;
  font-variant-numeric: tabular-nums; }
th, td { padding: 3px 5px; text-align: left; vertical-align: top; }
thead th { position: sticky; top: 0; background: #dde3ea; font-size: 0.85em; }
td.num, th.num { text-align: right; }
tbody tr:nth-child(even) td { background: #f3f5f8; }
tr.heading th { background: #c0c0c0; padding-top: 6px; }
tr.team td { border-top: 2px solid #99a; }
tr.sum td { font-weight: 700; border-top: 1px solid #bbb; }
td.total { font-weight: 700; }
tbody tr.shoot-off td { background: #fde2e1; }
.list-status { margin: 4px 0 0; font-weight: 600; }
.list-status.provisional { color: #7a4b00; }
.list-status.official { color: #0b6b2f; }
.shoot-off-mark { color: #b42318; font-weight: 700; font-size: 0.85em; white-space: nowrap; }
.status p { margin: 0 0 4px; }
.heard { color: #555; font-size: 0.85em; }
.stale, .gone { padding: 8px 10px; border-radius: 6px; font-weight: 600; }
/* Old results stay readable; the banner stays in view wherever the page is scrolled. */
.stale { background: #fde2a7; color: #3d2a00; border: 2px solid #b7791f; position: fixed;
  left: 8px; right: 8px; bottom: 8px; margin: 0; z-index: 10;
  box-shadow: 0 2px 8px rgba(0, 0, 0, 0.3); }
.gone { background: #fde2e1; color: #5c0b07; border: 2px solid #b42318; }
html.is-stale body { padding-bottom: 6em; }
html.is-stale main table { outline: 3px dashed #b7791f; outline-offset: 2px; }
.list-title { color: #333; font-size: 0.9em; }
form.search { margin: 8px 0 12px; display: flex; flex-wrap: wrap; gap: 6px; align-items: center; }
form.search input { font: inherit; padding: 6px 8px; min-width: 12em; flex: 1 1 12em; max-width: 24em; }
form.search button { font: inherit; padding: 6px 14px; }
ul.found { padding-left: 1.2em; }
table.relay caption { text-align: left; font-weight: 600; margin-top: 12px; }
main section h2, h2#relays-heading { font-size: 1.1em; margin: 14px 0 0; }
.relays-link a { font-weight: 600; }
ul.found li { margin: 6px 0; }
[hidden] { display: none !important; }
/* Read out by screen readers, not shown: the page's heading already says it. */
.unseen { position: absolute; width: 1px; height: 1px; overflow: hidden; clip: rect(0 0 0 0);
  white-space: nowrap; }
body.screen { font-size: clamp(20px, 2.7vh, 44px); padding: 0.4em 2em 0; height: 100vh;
  box-sizing: border-box; display: flex; flex-direction: column; overflow: hidden; }
body.screen main { flex: 1 1 auto; overflow: hidden; width: 100%; }
body.screen table { margin-top: 0; }
body.screen header { display: flex; align-items: baseline; gap: 1em; flex-wrap: wrap; }
body.screen header h1 { font-size: 1.5em; }
body.screen .match, body.screen .heard { font-size: 0.7em; }
body.screen main table { max-width: 60em; margin: 0 auto; }
body.screen .opt { display: none; }
body.screen th, body.screen td { padding: 0.15em 0.5em; }
body.screen thead th { font-size: 0.8em; }
nav section { margin: 10px 0; }
nav h2 { font-size: 1.05em; margin: 0 0 4px; }
nav ul { list-style: none; padding: 0; margin: 0; display: grid; gap: 6px 14px;
  grid-template-columns: repeat(auto-fill, minmax(19em, 1fr)); }
nav li { display: flex; align-items: center; gap: 10px; }
nav a { display: inline-block; padding: 8px 12px; border: 1px solid #99a; border-radius: 6px;
  text-decoration: none; color: #123; background: #eef2f6; min-width: 3.5em; text-align: center; }
@media (max-width: 700px) {
  body { padding: 4px; font-size: 14px; }
  .opt { display: none; }
  th, td { padding: 4px 3px; }
  td.num, th.num { padding-left: 7px; white-space: nowrap; }
  td:first-child, th:first-child { min-width: 1.8em; padding-right: 7px; }
  nav ul { grid-template-columns: 1fr; }
  /* The full caption stays for screen readers; the short one is only seen. */
  th[data-short] span { position: absolute; width: 1px; height: 1px; overflow: hidden;
    clip: rect(0 0 0 0); white-space: nowrap; }
  th[data-short]::after { content: attr(data-short); content: attr(data-short) / ""; }
  td:nth-child(2) { word-break: break-word; }
}
)css");
}

QByteArray liveScript()
{
    return QByteArrayLiteral(R"js((function () {
  'use strict';
  var body = document.body;
  var url = body.getAttribute('data-json');
  var etag = body.getAttribute('data-etag');
  if (!url || !window.fetch) return;

  var pollMs = 5000;
  var staleMs = 15000; // three polls missed
  var timeoutMs = 10000;
  var heard = Date.now(); // the page itself has just come from the server
  var failed = false;

  function byId(id) { return document.getElementById(id); }
  function element(name, className, text) {
    var e = document.createElement(name);
    if (className) e.className = className;
    if (text !== undefined) e.textContent = text;
    return e;
  }
  function pad(n) { return (n < 10 ? '0' : '') + n; }
  function clock(ms) {
    var d = new Date(ms);
    return pad(d.getHours()) + ':' + pad(d.getMinutes()) + ':' + pad(d.getSeconds());
  }
  function replaceChildren(parent, fragment) {
    while (parent.firstChild) parent.removeChild(parent.firstChild);
    parent.appendChild(fragment);
  }

  function showHeard() {
    var time = byId('heard-time');
    if (!time) return;
    time.textContent = clock(heard);
    time.setAttribute('datetime', new Date(heard).toISOString());
    byId('heard').hidden = false;
  }

  // The results shown are marked old when the last poll failed or nothing came for a while.
  function showStale() {
    var banner = byId('stale');
    if (!banner) return;
    var old = failed || Date.now() - heard > staleMs;
    var text = (banner.getAttribute('data-text')
      || 'Not up to date: no answer from the results server since %1.').replace('%1', clock(heard));
    if (old && banner.textContent !== text) banner.textContent = text;
    banner.hidden = !old;
    document.documentElement.classList.toggle('is-stale', old);
  }

  var onGone = null;
  function showGone(gone) {
    if (gone && onGone) return onGone();
    var notice = byId('gone');
    var table = byId('table');
    if (notice) notice.hidden = !gone;
    if (table) table.hidden = gone;
  }

  function renderMatch(match) {
    var line = byId('match');
    if (!line || !match || !match.summary) return;
    var fragment = document.createDocumentFragment();
    match.summary.forEach(function (text, i) {
      if (i) fragment.appendChild(document.createTextNode(' '));
      fragment.appendChild(element('span', '', text));
    });
    replaceChildren(line, fragment);
  }

  // The total column by its role: named so in the JSON, or marked in the page's own head (its
  // caption is in the page's language).
  var pageTotals = null;
  function isTotal(columns, i) {
    if (columns[i].role) return columns[i].role === 'total';
    if (!pageTotals) {
      pageTotals = [];
      var marked = document.querySelectorAll('#table thead th');
      for (var j = 0; j < marked.length; j++)
        pageTotals.push(marked[j].classList.contains('total') ||
          marked[j].getAttribute('data-role') === 'total');
    }
    return pageTotals.length === columns.length && pageTotals[i];
  }

  function renderHead(columns) {
    var head = byId('head');
    if (!head) return;
    var tr = element('tr');
    columns.forEach(function (column, i) {
      var classes = (column.numeric ? 'num' : '') + (column.optional ? ' opt' : '') +
        (isTotal(columns, i) ? ' total' : '');
      var th = element('th', classes.trim(), column.caption);
      th.scope = 'col';
      tr.appendChild(th);
    });
    var fragment = document.createDocumentFragment();
    fragment.appendChild(tr);
    replaceChildren(head, fragment);
  }

  function renderRows(data) {
    var tbody = byId('rows');
    if (!tbody) return;
    renderHead(data.columns);
    var fragment = document.createDocumentFragment();
    data.rows.forEach(function (row) {
      var tr;
      if (row.kind === 'heading') {
        tr = element('tr', 'heading');
        var th = element('th', '', row.text);
        th.colSpan = data.columns.length;
        th.scope = 'rowgroup';
        tr.appendChild(th);
      } else {
        tr = element('tr', row.kind + (row.shootOffPending ? ' shoot-off' : ''));
        data.columns.forEach(function (column, i) {
          var classes = (column.numeric ? 'num' : '') + (column.optional ? ' opt' : '') +
            (isTotal(data.columns, i) ? ' total' : '');
          var td = element('td', classes.trim());
          if (i === 0 && row.link) {
            var a = element('a', '', row.cells[i] || '');
            a.href = row.link;
            td.appendChild(a);
          } else {
            td.textContent = row.cells[i] || '';
          }
          // Beside the name: the ranking cannot say who of the tied goes first.
          if (i === 1 && row.shootOffPending) {
            td.appendChild(document.createTextNode(' '));
            td.appendChild(element('span', 'shoot-off-mark', data.shootOffPendingText || ''));
          }
          tr.appendChild(td);
        });
      }
      fragment.appendChild(tr);
    });
    replaceChildren(tbody, fragment);
    var caption = byId('caption'), title = byId('title'), tableCaption = byId('table-caption');
    if (caption) caption.textContent = data.caption;
    if (title) title.textContent = data.title;
    if (tableCaption) tableCaption.textContent = data.caption + ' - ' + data.title;
    document.title = data.caption + ' - ' + data.title;
    renderStatus(data);
  }

  // The list's stage; while its challenge window runs, the minutes left by this device's clock.
  function renderStatus(data) {
    var p = byId('list-status');
    if (!p || data.status === undefined) return;
    p.hidden = !data.status;
    p.className = 'list-status ' + (data.status || '');
    p.setAttribute('data-text', data.statusText || '');
    if (data.challengeUntil) {
      p.setAttribute('data-until', data.challengeUntil);
      p.setAttribute('data-left', data.minutesLeftText || '');
    } else {
      p.removeAttribute('data-until');
    }
    showMinutesLeft();
  }
  function showMinutesLeft() {
    var p = byId('list-status');
    if (!p || p.hidden) return;
    if (!p.hasAttribute('data-text')) p.setAttribute('data-text', p.textContent);
    var text = p.getAttribute('data-text');
    var until = Date.parse(p.getAttribute('data-until') || '');
    var left = Math.ceil((until - Date.now()) / 60000);
    if (left > 0) text += ' (' + (p.getAttribute('data-left') || '%1').replace('%1', left) + ')';
    if (p.textContent !== text) p.textContent = text;
  }

  // Rows of plain cells (a relay's, a competitor's relays), the link on the cell that names it.
  function plainRows(columns, rows, linkCell) {
    var fragment = document.createDocumentFragment();
    rows.forEach(function (row) {
      var tr = element('tr', 'line');
      columns.forEach(function (column, i) {
        var td = element('td', column.numeric ? 'num' : '');
        if (i === linkCell && row.link) {
          var a = element('a', '', row.cells[i] || '');
          a.href = row.link;
          td.appendChild(a);
        } else {
          td.textContent = row.cells[i] || '';
        }
        tr.appendChild(td);
      });
      fragment.appendChild(tr);
    });
    return fragment;
  }

  function renderCompetitorRelays(relays) {
    var tbody = byId('relay-rows');
    if (tbody && relays) replaceChildren(tbody, plainRows(relays.columns, relays.rows, 0));
  }

  // The relays shooting now and next: a section each, a table for each relay.
  function renderRelays(data) {
    var box = byId('relays');
    if (!box) return;
    var fragment = document.createDocumentFragment();
    data.sections.forEach(function (section) {
      var part = element('section');
      part.appendChild(element('h2', '', section.heading));
      if (!section.relays.length) part.appendChild(element('p', '', section.empty));
      section.relays.forEach(function (relay) {
        var table = element('table', 'relay');
        table.appendChild(element('caption', '', relay.caption));
        var head = element('thead'), tr = element('tr');
        data.columns.forEach(function (column) {
          var th = element('th', column.numeric ? 'num' : '', column.caption);
          th.scope = 'col';
          tr.appendChild(th);
        });
        head.appendChild(tr);
        table.appendChild(head);
        var tbody = element('tbody');
        tbody.appendChild(plainRows(data.columns, relay.rows, 2));
        table.appendChild(tbody);
        part.appendChild(table);
      });
      fragment.appendChild(part);
    });
    replaceChildren(box, fragment);
    var time = byId('relays-time');
    if (time) time.textContent = data.time;
  }

  function renderIndex(data) {
    var nav = byId('lists');
    if (!nav) return;
    var fragment = document.createDocumentFragment();
    var list = null, group = null;
    data.lists.forEach(function (entry) {
      if (entry.group !== group) {
        group = entry.group;
        var section = element('section');
        section.appendChild(element('h2', '', group));
        list = element('ul');
        section.appendChild(list);
        fragment.appendChild(section);
      }
      var a = element('a', '', entry.caption);
      a.href = entry.page;
      var li = element('li');
      li.appendChild(a);
      li.appendChild(document.createTextNode(' '));
      li.appendChild(element('span', 'list-title', entry.title));
      list.appendChild(li);
    });
    replaceChildren(nav, fragment);
  }

  function render(data) {
    renderMatch(data.match);
    if (data.lists) renderIndex(data);
    else if (data.sections) renderRelays(data);
    else {
      renderRows(data);
      renderCompetitorRelays(data.relays);
    }
  }

  function answered(gone) {
    heard = Date.now();
    failed = false;
    showGone(gone);
  }

  var pollTimer = 0;
  function schedule(ms) {
    clearTimeout(pollTimer);
    pollTimer = setTimeout(poll, ms);
  }

  function poll() {
    var asked = url;
    var controller = window.AbortController ? new AbortController() : null;
    var timer = controller ? setTimeout(function () { controller.abort(); }, timeoutMs) : 0;
    var headers = {};
    if (etag) headers['If-None-Match'] = etag;
    schedule(pollMs + timeoutMs); // should this poll hang, the next one still comes
    fetch(asked, { headers: headers, cache: 'no-store',
      signal: controller ? controller.signal : undefined })
      .then(function (response) {
        if (asked !== url) return null; // the screen has gone on to another list
        if (response.status === 304) return answered(false);
        // The list is no longer served: say so instead of showing its old table.
        if (response.status === 404) return answered(true);
        if (response.status !== 200) { failed = true; return null; }
        return response.json().then(function (data) {
          if (asked !== url) return;
          // The tag of the form this page received, compressed or not.
          etag = response.headers.get('ETag');
          answered(false);
          render(data);
        });
      })
      .catch(function () {
        // The results computer may be restarting: the banner says so, and polling goes on.
        if (asked === url) failed = true;
      })
      .then(function () {
        clearTimeout(timer);
        showHeard();
        showStale();
        schedule(pollMs);
      });
  }

  // The clubhouse screen: one list at a time in large type, scrolled slowly, then the next.
  // "?lists=bbpr,bbp-aggr" chooses the lists (all of the index by default), "&seconds=20" how
  // long a screenful stays.
  function screen() {
    var params = new URLSearchParams(location.search);
    var seconds = Math.min(600, Math.max(5, parseInt(params.get('seconds'), 10) || 20));
    var ids = (params.get('lists') || '').split(',').filter(function (id) {
      return /^[a-z0-9-]+$/.test(id);
    });
    var pauseMs = 4000; // at the top and the bottom of each list
    var current = -1, shownAt = 0, endAt = 0;

    function show(k) {
      current = ids.length ? k % ids.length : 0;
      url = '/api/list/' + ids[current] + '.json';
      etag = null;
      shownAt = Date.now();
      endAt = 0;
      byId('main').scrollTop = 0;
      poll();
    }
    function tick() {
      if (!ids.length) return;
      // The table scrolls under the list's title, a screenful every `seconds`.
      var main = byId('main');
      var now = Date.now();
      var bottom = main.scrollHeight - main.clientHeight;
      var moving = now - shownAt - pauseMs;
      if (bottom > 0 && moving > 0 && !endAt) {
        var y = Math.min(bottom, moving / (seconds * 1000) * main.clientHeight);
        main.scrollTop = y;
        if (y >= bottom) endAt = now;
      }
      if (bottom <= 0 && !endAt && now - shownAt > seconds * 1000) endAt = now - pauseMs;
      if (endAt && now - endAt > pauseMs) show(current + 1);
    }
    onGone = function () { if (ids.length > 1) show(current + 1); };
    function start() {
      show(0);
      setInterval(tick, 50);
    }
    if (ids.length) return start();
    fetch('/api/lists.json', { cache: 'no-store' }).then(function (r) { return r.json(); })
      .then(function (data) {
        ids = data.lists.map(function (entry) { return entry.id; });
        start();
      }).catch(function () { setTimeout(screen, pollMs); });
  }

  showHeard();
  showMinutesLeft();
  setInterval(function () { showStale(); showMinutesLeft(); }, 1000);
  if (body.classList.contains('screen')) screen(); else schedule(pollMs);
})();
)js");
}

} // namespace marvola
