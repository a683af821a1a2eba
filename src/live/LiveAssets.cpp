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
.refreshed { color: #555; font-size: 0.85em; }
nav section { margin: 10px 0; }
nav h2 { font-size: 1.05em; margin: 0 0 4px; }
nav ul { list-style: none; padding: 0; margin: 0; display: flex; flex-wrap: wrap; gap: 6px; }
nav a { display: inline-block; padding: 8px 12px; border: 1px solid #99a; border-radius: 6px;
  text-decoration: none; color: #123; background: #eef2f6; min-width: 3.5em; text-align: center; }
@media (max-width: 700px) {
  body { padding: 4px; font-size: 14px; }
  .opt { display: none; }
  th, td { padding: 3px 2px; }
  th[data-short] span { display: none; }
  th[data-short]::after { content: attr(data-short); }
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

  function element(name, className, text) {
    var e = document.createElement(name);
    if (className) e.className = className;
    if (text !== undefined) e.textContent = text;
    return e;
  }

  function renderRows(data) {
    var tbody = document.getElementById('rows');
    if (!tbody) return;
    var fragment = document.createDocumentFragment();
    data.rows.forEach(function (row) {
      var tr;
      if (row.kind === 'heading') {
        tr = element('tr', 'heading');
        var th = element('th', '', row.text);
        th.colSpan = data.columns.length;
        tr.appendChild(th);
      } else {
        tr = element('tr', row.kind);
        data.columns.forEach(function (column, i) {
          var classes = (column.numeric ? 'num' : '') + (column.optional ? ' opt' : '') +
            (column.caption === 'Total' ? ' total' : '');
          tr.appendChild(element('td', classes.trim(), row.cells[i] || ''));
        });
      }
      fragment.appendChild(tr);
    });
    while (tbody.firstChild) tbody.removeChild(tbody.firstChild);
    tbody.appendChild(fragment);
  }

  function renderIndex(data) {
    var nav = document.getElementById('lists');
    if (!nav) return;
    var fragment = document.createDocumentFragment();
    var section = null, list = null, group = null;
    data.lists.forEach(function (entry) {
      if (entry.group !== group) {
        group = entry.group;
        section = element('section');
        section.appendChild(element('h2', '', group));
        list = element('ul');
        section.appendChild(list);
        fragment.appendChild(section);
      }
      var a = element('a', '', entry.caption);
      a.href = entry.page;
      a.title = entry.title;
      var li = element('li');
      li.appendChild(a);
      list.appendChild(li);
    });
    while (nav.firstChild) nav.removeChild(nav.firstChild);
    nav.appendChild(fragment);
  }

  function render(data) {
    if (data.lists) renderIndex(data); else renderRows(data);
    var time = document.getElementById('refreshed');
    if (time) {
      time.textContent = data.refreshed;
      time.setAttribute('datetime', data.refreshedAt);
    }
  }

  function poll() {
    var headers = {};
    if (etag) headers['If-None-Match'] = etag;
    fetch(url, { headers: headers, cache: 'no-store' }).then(function (response) {
      if (response.status !== 200) return null;
      etag = response.headers.get('ETag');
      return response.json();
    }).then(function (data) {
      if (data) render(data);
    }).catch(function () {
      // The results computer may be restarting: keep the last table and try again.
    }).then(function () {
      setTimeout(poll, 5000);
    });
  }
  setTimeout(poll, 5000);
})();
)js");
}

} // namespace marvola
