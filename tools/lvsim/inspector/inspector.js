"use strict";
// The inspector: the report embedded above, its snapshots' pictures beside the page. One
// snapshot is shown ("a"), optionally a second beside it ("b") with what changed marked.
// A view is known by its id, its index path from the window ("0/3/1").

const report = JSON.parse(document.getElementById("report").textContent);
const snapshots = report.snapshots || [];
const state = { a: 0, b: null, picked: null, query: "" };

const VIEW_FIELDS = ["frame", "windowFrame", "hidden", "alpha", "transform", "cornerRadius", "maskedCorners",
                     "clipsToBounds", "text", "contentOffset", "contentSize", "mask", "presentation", "properties"];

function element(tag, attributes, ...children) {
  const node = document.createElement(tag);
  for (const [key, value] of Object.entries(attributes || {})) {
    if (key === "class") node.className = value;
    else if (key.startsWith("on")) node.addEventListener(key.slice(2), value);
    else node.setAttribute(key, value);
  }
  for (const child of children) if (child !== null && child !== undefined) node.append(child);
  return node;
}

function same(x, y) { return JSON.stringify(x) === JSON.stringify(y); }

function shown(value) {
  if (value === undefined) return "\u2014";
  if (value === null) return "nil";
  if (Array.isArray(value) && value.length && value.every((n) => typeof n === "number")) return value.join(", ");
  if (isObjectRef(value)) return value.id === undefined ? value.class : value.class + " " + value.id;
  if (typeof value === "object") return JSON.stringify(value);
  return String(value);
}

// An object a global or a property holds: {"class"}, and {"id"} too for a view of the window.
function isObjectRef(value) {
  return value !== null && typeof value === "object" && typeof value.class === "string" &&
    Object.keys(value).every((k) => k === "class" || k === "id");
}

// A table cell; a view of the window in it is a link that selects the view.
function cell(value) {
  if (isObjectRef(value) && value.id !== undefined)
    return element("td", {}, element("button", { class: "link", "data-id": value.id, onclick: () => pick(value.id) },
                                     shown(value)));
  return element("td", {}, shown(value));
}

// --- Views of a snapshot, in drawing order ----------------------------------------------

function intersect(r, s) {
  const x = Math.max(r[0], s[0]), y = Math.max(r[1], s[1]);
  const right = Math.min(r[0] + r[2], s[0] + s[2]), bottom = Math.min(r[1] + r[3], s[1] + s[3]);
  return [x, y, Math.max(0, right - x), Math.max(0, bottom - y)];
}

function contains(r, x, y) { return x >= r[0] && y >= r[1] && x < r[0] + r[2] && y < r[1] + r[3]; }

// The origin of a view's bounds on screen: a scroll view's content offset.
function boundsOrigin(view) {
  const p = view.presentation;
  return (p && p.contentOffset) || view.contentOffset || [0, 0];
}

// Every view with its id, parent, rectangle on screen (window coordinates, presentation
// values where something is in flight), whether it is shown, and the clip its ancestors
// (and the window, which is all the picture shows) put on it. Parents come before their subviews, later siblings after earlier ones: the
// order in which they are drawn.
function flatten(tree) {
  const views = [];
  const byId = new Map();
  const visit = (view, id, parent, moving) => {
    const p = view.presentation;
    moving = moving || Boolean(p);
    let rect = view.windowFrame;
    if (parent && moving) {
      const frame = p ? p.frame : view.frame;
      const origin = boundsOrigin(parent.view);
      rect = [parent.rect[0] + frame[0] - origin[0], parent.rect[1] + frame[1] - origin[1], frame[2], frame[3]];
    }
    const alpha = p ? p.alpha : view.alpha;
    const entry = {
      view, id: view.id || id, parent, rect, children: [],
      shown: !view.hidden && alpha >= 0.01 && (!parent || parent.shown),
      clip: !parent ? rect : parent.view.clipsToBounds ? intersect(parent.clip, parent.rect) : parent.clip,
    };
    views.push(entry);
    byId.set(entry.id, entry);
    if (parent) parent.children.push(entry);
    view.subviews.forEach((sub, i) => visit(sub, entry.id + "/" + i, entry, moving));
  };
  visit(tree, "0", null, false);
  return { views, byId };
}

// The topmost shown view at a point of the window: the last drawn that holds it.
function viewAt(flat, x, y) {
  for (let i = flat.views.length - 1; i >= 0; --i) {
    const entry = flat.views[i];
    if (entry.shown && contains(entry.rect, x, y) && contains(entry.clip, x, y)) return entry;
  }
  return null;
}

const flats = snapshots.map((s) => flatten(s.tree));

// --- What changed between two snapshots ---------------------------------------------------

function viewChanges(a, b) {
  const changes = [];
  for (const [id, entry] of a.byId) {
    const other = b.byId.get(id);
    if (!other) changes.push({ id, kind: "removed", className: entry.view.class, fields: [] });
    else if (other.view.class !== entry.view.class)
      changes.push({ id, kind: "replaced", className: entry.view.class + " \u2192 " + other.view.class, fields: [] });
    else {
      const fields = VIEW_FIELDS.filter((f) => !same(entry.view[f], other.view[f]));
      if (fields.length) changes.push({ id, kind: "changed", className: entry.view.class, fields });
    }
  }
  for (const [id, entry] of b.byId)
    if (!a.byId.has(id)) changes.push({ id, kind: "added", className: entry.view.class, fields: [] });
  return changes;
}

function changedKeys(x, y) {
  const keys = new Set([...Object.keys(x || {}), ...Object.keys(y || {})]);
  return [...keys].filter((k) => !same((x || {})[k], (y || {})[k]));
}

function currentChanges() {
  if (state.b === null) return null;
  return viewChanges(flats[state.a], flats[state.b]);
}

// --- Drawing ------------------------------------------------------------------------------

function about() {
  const settings = Object.entries(report.settings || {}).map(([k, v]) => k + "=" + v).join(" ");
  document.getElementById("title").textContent = "lvsim inspector: " + (report.scenario || "");
  document.getElementById("about").textContent =
    [report.profile, report.system && "system " + report.system, report.library && "library " + report.library,
     settings || "nothing stored"].filter(Boolean).join(" \u00b7 ");
}

function snapshotTitle(i) {
  const s = snapshots[i];
  return (i + 1) + " " + s.name + " (" + s.time + " s)";
}

function strip() {
  const nav = document.getElementById("strip");
  const select = document.getElementById("compare");
  snapshots.forEach((s, i) => {
    const picture = s.picture ? element("img", { src: s.picture, alt: s.name }) : element("div", { class: "blank" });
    nav.append(element("figure", { "data-index": i, title: s.caption || s.name, onclick: () => pickSnapshot(i) },
                       picture, element("figcaption", {}, snapshotTitle(i))));
    select.append(element("option", { value: i }, snapshotTitle(i)));
  });
  select.addEventListener("change", () => {
    state.b = select.value === "" ? null : Number(select.value);
    drawAll();
  });
}

function pickSnapshot(i) {
  state.a = i;
  if (state.b === i) state.b = null;
  drawAll();
}

function pick(id) {
  state.picked = id;
  drawStages();
  drawPanel();
  drawTree();
}

// A snapshot's picture with the picked view outlined, and the changed ones when comparing.
function stage(index, changes) {
  const snapshot = snapshots[index];
  const windowSize = [snapshot.tree.frame[2], snapshot.tree.frame[3]];
  const box = element("div", { class: "stage", "data-index": index });
  box.style.aspectRatio = windowSize[0] + " / " + windowSize[1];
  if (windowSize[0] <= windowSize[1]) box.style.height = "70vh";
  else box.style.width = "560px";
  const picture = snapshot.picture ? element("img", { src: snapshot.picture, alt: snapshot.name, draggable: "false" }) : null;
  if (picture) box.append(picture);
  // From a click on the shown picture to the window's points: the picture's own pixels
  // first, then its pixels per point (its size against the window's).
  box.addEventListener("click", (event) => {
    const shownRect = box.getBoundingClientRect();
    const pixelsWide = picture && picture.naturalWidth ? picture.naturalWidth : windowSize[0];
    const pixelsHigh = picture && picture.naturalHeight ? picture.naturalHeight : windowSize[1];
    const px = (event.clientX - shownRect.left) * pixelsWide / shownRect.width;
    const py = (event.clientY - shownRect.top) * pixelsHigh / shownRect.height;
    const hit = viewAt(flats[index], px / (pixelsWide / windowSize[0]), py / (pixelsHigh / windowSize[1]));
    if (hit) pick(hit.id);
  });
  const outline = (rect, kind) => {
    const o = element("div", { class: "outline " + kind });
    o.style.left = (100 * rect[0] / windowSize[0]) + "%";
    o.style.top = (100 * rect[1] / windowSize[1]) + "%";
    o.style.width = (100 * rect[2] / windowSize[0]) + "%";
    o.style.height = (100 * rect[3] / windowSize[1]) + "%";
    box.append(o);
  };
  for (const change of changes || []) {
    const entry = flats[index].byId.get(change.id);
    if (entry && entry.shown) outline(entry.rect, "changed");
  }
  const picked = flats[index].byId.get(state.picked);
  if (picked) outline(picked.rect, "pick");
  return element("div", { class: "stage-box" }, element("h2", {}, snapshotTitle(index)),
                 snapshot.caption ? element("p", { class: "caption" }, snapshot.caption) : null, box);
}

function drawStages() {
  const changes = currentChanges();
  const stages = document.getElementById("stages");
  stages.replaceChildren(stage(state.a, changes));
  if (state.b !== null) stages.append(stage(state.b, changes));
}

// Rows of values, a column per snapshot shown; rows whose values differ are marked.
function valueTable(rows, columns) {
  const table = element("table");
  if (columns.length > 1)
    table.append(element("tr", {}, element("th"), ...columns.map((c) => element("th", {}, c))));
  for (const [key, values] of rows) {
    const changed = values.length > 1 && !same(values[0], values[1]);
    table.append(element("tr", { "data-key": key, class: changed ? "changed" : "" }, element("th", {}, key),
                         ...values.map(cell)));
  }
  return table;
}

function shownSnapshots() { return state.b === null ? [state.a] : [state.a, state.b]; }

function viewRows(entries) {
  const rows = [["on screen", entries.map((e) => e && e.rect)]];
  for (const field of VIEW_FIELDS) {
    if (entries.every((e) => !e || e.view[field] === undefined)) continue;
    if (field === "properties") {
      const names = new Set(entries.flatMap((e) => (e ? Object.keys(e.view.properties) : [])));
      for (const name of names) rows.push(["property " + name, entries.map((e) => e && e.view.properties[name])]);
    } else rows.push([field, entries.map((e) => e && e.view[field])]);
  }
  return rows;
}

function drawPanel() {
  const panel = document.getElementById("panel");
  const indices = shownSnapshots();
  const entries = indices.map((i) => flats[i].byId.get(state.picked));
  const entry = entries.find(Boolean);
  if (!entry) {
    panel.replaceChildren(element("p", { class: "empty" }, "No view selected."));
    return;
  }
  const ancestors = [];
  for (let a = entry.parent; a; a = a.parent) ancestors.unshift(a);
  panel.replaceChildren(
    element("h2", {}, element("span", { id: "picked-class" }, entry.view.class), " ",
            element("span", { class: "id", id: "picked-id" }, entry.id)),
    valueTable(viewRows(entries), indices.map((i) => snapshots[i].name)),
    element("h3", {}, "Ancestors"),
    element("ol", { id: "ancestors" }, ...ancestors.map((a) => element("li", {},
      element("button", { class: "link", "data-id": a.id, onclick: () => pick(a.id) }, a.view.class), " ",
      element("span", { class: "id" }, a.id), " ", element("code", {}, shown(a.view.frame))))));
}

function treeRow(entry, changed) {
  const v = entry.view;
  const classes = ["row"];
  if (entry.id === state.picked) classes.push("picked");
  if (!entry.shown) classes.push("hidden-view");
  if (changed.has(entry.id)) classes.push("changed");
  return element("span", { class: classes.join(" "), "data-id": entry.id, onclick: () => pick(entry.id) },
                 v.class, element("span", { class: "id" }, entry.id),
                 typeof v.text === "string" ? element("span", { class: "text" }, JSON.stringify(v.text)) : null);
}

// A view matches a search when its class or text holds the words, or its id is them.
function matches(entry, query) {
  const q = query.toLowerCase();
  return entry.view.class.toLowerCase().includes(q) || entry.id === query ||
    (typeof entry.view.text === "string" && entry.view.text.toLowerCase().includes(q));
}

function drawTree() {
  const flat = flats[state.a];
  const changes = currentChanges() || [];
  const changed = new Set(changes.map((c) => c.id));
  const tree = document.getElementById("tree");
  const results = document.getElementById("results");
  const found = document.getElementById("found");
  const query = state.query.trim();
  if (query) {
    const hits = flat.views.filter((e) => matches(e, query));
    found.textContent = hits.length === 1 ? "1 view" : hits.length + " views";
    found.dataset.count = hits.length;
    results.replaceChildren(...hits.map((e) => element("li", {}, treeRow(e, changed))));
    tree.replaceChildren();
    return;
  }
  found.textContent = flat.views.length + " views in " + snapshots[state.a].name;
  delete found.dataset.count;
  results.replaceChildren();
  const branch = (entry) => {
    const item = element("li", {}, treeRow(entry, changed));
    if (entry.children.length) item.append(element("ul", {}, ...entry.children.map(branch)));
    return item;
  };
  tree.replaceChildren(branch(flat.views[0]));
  const picked = tree.querySelector(".row.picked");
  if (picked) picked.scrollIntoView({ block: "nearest" });
}

function drawState() {
  const indices = shownSnapshots();
  const part = (title, key) => {
    const values = indices.map((i) => snapshots[i][key] || {});
    const names = [...new Set(values.flatMap((v) => Object.keys(v)))];
    return element("div", {}, element("h2", {}, title),
                   valueTable(names.map((n) => [n, values.map((v) => v[n])]), indices.map((i) => snapshots[i].name)));
  };
  document.getElementById("state").replaceChildren(
    element("div", { class: "tables" }, part("Globals", "globals"), part("Events", "events")));
}

function drawChanges() {
  const section = document.getElementById("changes");
  const changes = currentChanges();
  if (!changes) {
    section.replaceChildren();
    return;
  }
  const a = snapshots[state.a], b = snapshots[state.b];
  const globals = changedKeys(a.globals, b.globals), events = changedKeys(a.events, b.events);
  section.replaceChildren(
    element("h2", {}, "From " + a.name + " to " + b.name + ": " + changes.length + " views changed"),
    element("p", {}, "Globals: " + (globals.join(", ") || "none changed") +
                     "; events: " + (events.join(", ") || "none changed")),
    element("ol", { id: "change-list" }, ...changes.map((c) => element("li", { "data-kind": c.kind },
      element("button", { class: "link", onclick: () => pick(c.id) }, c.className), " ",
      element("span", { class: "id" }, c.id), " " + c.kind + (c.fields.length ? ": " + c.fields.join(", ") : "")))));
}

function drawAll() {
  document.querySelectorAll("#strip figure").forEach((f) => {
    const i = Number(f.dataset.index);
    f.classList.toggle("a", i === state.a);
    f.classList.toggle("b", i === state.b);
  });
  document.getElementById("compare").value = state.b === null ? "" : String(state.b);
  drawStages();
  drawPanel();
  drawTree();
  drawState();
  drawChanges();
}

about();
if (snapshots.length) {
  strip();
  document.getElementById("search").addEventListener("input", (event) => {
    state.query = event.target.value;
    drawTree();
  });
  drawAll();
} else {
  document.getElementById("stages").append(element("p", { class: "empty" }, "The report has no snapshots."));
}
