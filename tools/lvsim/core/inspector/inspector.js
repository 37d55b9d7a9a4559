"use strict";
// The inspector: the report embedded above, its snapshots' pictures beside the page. One
// snapshot is shown ("a"), optionally a second beside it ("b") with what changed marked.
// A view is known by its id, its index path from the window ("0/3/1").
// A comparison page (compare.html) embeds what lvsim compare found instead, with the two
// reports of one file: their snapshots are listed expected first, then actual, and each
// expected one is shown beside the actual one at its position, marked as compare found.

const embedded = JSON.parse(document.getElementById("report").textContent);
const comparison = embedded.comparison || null;
const inspected = comparison && comparison.inspected;
const report = comparison ? {} : embedded;
const sides = inspected ? [inspected.expected, inspected.actual] : comparison ? [] : [embedded];
const snapshots = sides.flatMap((r) => r.snapshots || []);
const expectedCount = inspected ? inspected.expected.snapshots.length : snapshots.length;
const SIDE_NAMES = ["expected", "actual"];

window.addEventListener("error", (event) => {
  document.body.prepend(element("p", { class: "empty", id: "failure" }, "This page cannot show the report: " + event.message));
});

function sideOf(i) { return i < expectedCount ? 0 : 1; }
function positionOf(i) { return i < expectedCount ? i : i - expectedCount; }

// The snapshots shown together from each button of the strip: one, or in a comparison the
// expected and the actual snapshot at one position.
const places = !inspected ? snapshots.map((s, i) => [i]) :
  Array.from({ length: Math.max(expectedCount, snapshots.length - expectedCount) }, (_, p) =>
    [p < expectedCount ? p : null, expectedCount + p < snapshots.length ? expectedCount + p : null]
      .filter((i) => i !== null));

// In a comparison the first expected snapshot starts beside the first actual one.
const state = { a: 0, b: places.length && places[0].length > 1 ? places[0][1] : null, picked: null, query: "" };

// A file's address from the page, its path's parts escaped ("#" and "%" in folder names).
function fileUrl(path) { return path.split("/").map(encodeURIComponent).join("/"); }

function pictureSrc(i) {
  const picture = snapshots[i].picture;
  if (!picture) return null;
  if (!inspected) return fileUrl(picture);
  return fileUrl([inspected.expectedFolder, inspected.actualFolder][sideOf(i)] + "/" + picture);
}

const VIEW_FIELDS = ["frame", "windowFrame", "hidden", "alpha", "transform", "cornerRadius", "maskedCorners",
                     "clipsToBounds", "backgroundColor", "text", "textColor", "font", "textAlignment", "contentOffset", "contentSize", "mask", "presentation", "properties"];

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
    (view.subviews || []).forEach((sub, i) => visit(sub, entry.id + "/" + i, entry, moving));
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

// What lvsim compare found in the views of the snapshots shown, a change per view; its
// fields are the rows of the panel they lie in.
function foundChanges() {
  const byId = new Map();
  const flat = [flats[state.a], flats[state.b]];
  for (const d of inspected.differences) {
    if (d.snapshot !== positionOf(state.a) || !d.view) continue;
    // The view's id on each side: a view on one side only has none on the other. A field
    // found on one side only belongs to a view on both.
    const oneSide = d.field ? undefined : d.sides;
    const ids = [oneSide === "actual" ? null : d.view, oneSide === "expected" ? null : d.actualView || d.view];
    const entries = flat.map((f, side) => ids[side] === null ? undefined : f.byId.get(ids[side]));
    if (!entries[0] && !entries[1]) continue;
    const className = (entries[0] || entries[1]).view.class;
    // Keyed by both ids: a view added at an index path is not the view paired from there.
    const key = ids.join("|");
    if (!d.field) byId.set(key, { id: d.view, ids, kind: d.sides === "expected" ? "removed" : "added", className, fields: [] });
    else if (d.field === "class")
      byId.set(key, { id: d.view, ids, kind: "replaced", className: className + " \u2192 " + entries[1].view.class, fields: [] });
    else {
      if (!byId.has(key)) byId.set(key, { id: d.view, ids, kind: "changed", className, fields: [] });
      const fields = byId.get(key).fields;
      for (const row of [rowOf(d.field), ...(/^(windowFrame|presentation)\b/.test(d.field) ? ["on screen"] : [])])
        if (!fields.includes(row)) fields.push(row);
    }
  }
  return [...byId.values()];
}

// The row of the panel that a field lies in: its first part, or the property it names.
function rowOf(field) {
  const parts = field.split(".");
  return parts[0] === "properties" && parts.length > 1 ? "property " + parts[1] : parts[0];
}

// A change's view as snapshot `index` numbers it: compared snapshots may pair views at other
// index paths.
function idOn(change, index) { return change.ids ? change.ids[sideOf(index)] : change.id; }

function currentChanges() {
  if (state.b === null) return null;
  return comparison ? foundChanges() : viewChanges(flats[state.a], flats[state.b]);
}

// Which rows of a table to mark: in a comparison those whose keys compare found, else those
// whose values differ.
function marker(found) {
  if (comparison) return (key) => found.includes(key);
  return (key, values) => values.length > 1 && !same(values[0], values[1]);
}

// --- Drawing ------------------------------------------------------------------------------

function reportHeader(r) {
  const settings = Object.entries(r.settings || {}).map(([k, v]) => k + "=" + v).join(" ");
  return [r.profile, r.system && "system " + r.system, r.library && "library " + r.library,
          settings || "nothing stored"].filter(Boolean).join(" \u00b7 ");
}

function about() {
  const title = document.getElementById("title"), line = document.getElementById("about");
  if (!comparison) {
    title.textContent = "lvsim inspector: " + (report.scenario || "");
    line.textContent = reportHeader(report);
    return;
  }
  document.title = title.textContent = "lvsim compare";
  if (inspected)
    line.textContent = sides.map((r, i) => SIDE_NAMES[i] + ": " + (r.scenario || "") + " \u00b7 " + reportHeader(r))
      .join("; ");
  document.getElementById("compare").parentElement.hidden = true;
}

function snapshotLabel(i) {
  const s = snapshots[i];
  return (positionOf(i) + 1) + " " + s.name + " (" + s.time + " s)";
}

function snapshotTitle(i) { return (comparison ? SIDE_NAMES[sideOf(i)] + " " : "") + snapshotLabel(i); }

// A table's column: the snapshot's name, or in a comparison its side.
function columnName(i) { return comparison ? SIDE_NAMES[sideOf(i)] : snapshots[i].name; }

function strip() {
  const nav = document.getElementById("strip");
  const select = document.getElementById("compare");
  places.forEach(([i], p) => {
    const s = snapshots[i];
    const src = pictureSrc(i);
    const picture = src ? element("img", { src, alt: "" }) : element("span", { class: "blank" });
    nav.append(element("button", { type: "button", class: "shot", "data-index": p, title: s.caption || s.name,
                                   "aria-pressed": "false", onclick: () => pickPlace(p) },
                       picture, element("span", { class: "label" }, snapshotLabel(i))));
    select.append(element("option", { value: i }, snapshotTitle(i)));
  });
  select.addEventListener("change", () => {
    state.b = select.value === "" ? null : Number(select.value);
    drawAll();
  });
}

function pickPlace(p) {
  const place = places[p];
  state.a = place[0];
  if (comparison) state.b = place.length > 1 ? place[1] : null;
  else if (state.b === state.a) state.b = null;
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
  const src = pictureSrc(index);
  const picture = src ? element("img", { src, alt: snapshot.name, draggable: "false" }) : null;
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
    const entry = flats[index].byId.get(idOn(change, index));
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

// Rows of values, a column per snapshot shown; rows that differ (`marked`) are marked.
function valueTable(rows, columns, marked) {
  const table = element("table");
  if (columns.length > 1)
    table.append(element("tr", {}, element("th"), ...columns.map((c) => element("th", {}, c))));
  for (const [key, values] of rows) {
    const changed = marked(key, values);
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
    valueTable(viewRows(entries), indices.map(columnName),
               marker(((currentChanges() || []).find((c) => idOn(c, state.a) === state.picked) || { fields: [] }).fields)),
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
  return element("button", { type: "button", class: classes.join(" "), "data-id": entry.id,
                            "aria-pressed": String(entry.id === state.picked), onclick: () => pick(entry.id) },
                 v.class, element("span", { class: "id" }, entry.id),
                 typeof v.text === "string" ? element("span", { class: "text" }, JSON.stringify(v.text)) : null,
                 entry.shown ? null : element("span", { class: "text" }, "not shown"));
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
  const changed = new Set(changes.map((c) => idOn(c, state.a)));
  const tree = document.getElementById("tree");
  const results = document.getElementById("results");
  const found = document.getElementById("found");
  const query = state.query.trim();
  // A row chosen from the keyboard keeps the focus through the redraw.
  const focused = document.activeElement && document.activeElement.classList.contains("row") ?
    document.activeElement.dataset.id : null;
  const refocus = (list) => {
    const row = focused === null ? null : list.querySelector('.row[data-id="' + CSS.escape(focused) + '"]');
    if (row) row.focus();
  };
  if (query) {
    const hits = flat.views.filter((e) => matches(e, query));
    found.textContent = hits.length === 1 ? "1 view" : hits.length + " views";
    found.dataset.count = hits.length;
    results.replaceChildren(...hits.map((e) => element("li", {}, treeRow(e, changed))));
    tree.replaceChildren();
    refocus(results);
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
  refocus(tree);
  const picked = tree.querySelector(".row.picked");
  if (picked) picked.scrollIntoView({ block: "nearest" });
}

function drawState() {
  const indices = shownSnapshots();
  const part = (title, key) => {
    const values = indices.map((i) => snapshots[i][key] || {});
    const names = [...new Set(values.flatMap((v) => Object.keys(v)))];
    const found = comparison ? inspected.differences
      .filter((d) => d.snapshot === positionOf(state.a) && !d.view && d.field.startsWith(key + "."))
      .map((d) => d.field.slice(key.length + 1).split(".")[0]) : null;
    return element("div", {}, element("h2", {}, title),
                   valueTable(names.map((n) => [n, values.map((v) => v[n])]), indices.map(columnName), marker(found)));
  };
  document.getElementById("state").replaceChildren(
    element("div", { class: "tables" }, part("Globals", "globals"), part("Events", "events")));
}

function drawChanges() {
  const section = document.getElementById("changes");
  const changes = currentChanges();
  if (!changes || comparison) {
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
  document.querySelectorAll("#strip .shot").forEach((f) => {
    const place = places[Number(f.dataset.index)];
    f.classList.toggle("a", place.includes(state.a));
    f.classList.toggle("b", !place.includes(state.a) && place.includes(state.b));
    f.setAttribute("aria-pressed", String(place.includes(state.a)));
  });
  document.getElementById("compare").value = state.b === null ? "" : String(state.b);
  drawStages();
  drawPanel();
  drawTree();
  drawState();
  drawChanges();
}

// --- A comparison's differences and pictures -----------------------------------------------

// Every line lvsim compare printed; those of the report shown select their snapshot and view.
function drawDifferences() {
  const items = [];
  for (const file of comparison.files) {
    const found = inspected && file.name === inspected.name ? inspected.differences : [];
    file.lines.forEach((line, n) => {
      const d = found[n];
      const go = d && d.snapshot !== null ? () => selectDifference(d) : file.expected || file.actual ?
        () => document.querySelector('#pictures figure[data-name="' + CSS.escape(file.name) + '"]').scrollIntoView() : null;
      items.push(element("li", d ? { "data-view": d.view, "data-snapshot": d.snapshot } : {},
                         go ? element("button", { class: "link", onclick: go }, line) : line));
    });
  }
  document.getElementById("differences").replaceChildren(
    element("h2", { id: "summary" }, comparison.summary), element("ol", { id: "difference-list" }, ...items));
}

function selectDifference(d) {
  pickPlace(d.snapshot);
  if (d.view) pick(d.view);
  document.getElementById("stages").scrollIntoView({ block: "nearest" });
}

// Each picture that differs: the expected, the actual and the marked one, as they are (only
// pictures carry the paths of their sides).
function drawPictures() {
  const figures = comparison.files.filter((f) => !f.alike && (f.expected || f.actual)).map((f) => element("figure", { "data-name": f.name }, element("figcaption", {}, f.lines.join("; ")),
      ...[["expected", f.expected], ["actual", f.actual], ["marked", f.marked]].filter(([, path]) => path).map(
        ([side, path]) => element("a", { href: fileUrl(path), class: side },
                                  element("img", { src: fileUrl(path), alt: side + " " + f.name }), element("span", {}, side)))));
  if (figures.length)
    document.getElementById("pictures").replaceChildren(element("h2", {}, "Pictures"), ...figures);
}

about();
if (comparison) {
  drawDifferences();
  drawPictures();
}
if (snapshots.length) {
  strip();
  document.getElementById("search").addEventListener("input", (event) => {
    state.query = event.target.value;
    drawTree();
  });
  drawAll();
} else if (comparison) {
  document.querySelector("main").hidden = document.getElementById("controls").hidden = true;
} else {
  document.getElementById("stages").append(element("p", { class: "empty" }, "The report has no snapshots."));
}
