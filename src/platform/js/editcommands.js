// The composer's editing commands that the engine does not do itself (table
// editing on a grid that respects spans, layering of positioned elements,
// snapping while dragging them) and one undo history that covers every change
// of the document, whoever made it. Runs in the application's own script world.
(function () {
    'use strict';
    if (window.qvEdit)
        return;
    const E = {};
    window.qvEdit = E;

    // ---- selection helpers ------------------------------------------------

    function selectionNode(which) {
        const sel = document.getSelection();
        if (!sel || sel.rangeCount === 0)
            return null;
        const node = which === 'focus' ? sel.focusNode : sel.anchorNode;
        return node && node.nodeType === Node.TEXT_NODE ? node.parentNode : node;
    }

    function cellOf(node) {
        return node && node.closest ? node.closest('td,th') : null;
    }

    function placeCaret(node) {
        const sel = document.getSelection();
        if (!sel || !node)
            return;
        const range = document.createRange();
        range.selectNodeContents(node);
        range.collapse(true);
        sel.removeAllRanges();
        sel.addRange(range);
    }

    // ---- the table grid ---------------------------------------------------

    // rows: the table's own rows; at[r][c]: the cell covering that slot.
    function grid(table) {
        const rows = Array.from(table.rows);
        const at = rows.map(() => []);
        let width = 0;
        rows.forEach((tr, r) => {
            let c = 0;
            for (const cell of Array.from(tr.cells)) {
                while (at[r][c])
                    c++;
                const rs = Math.max(1, cell.rowSpan || 1);
                const cs = Math.max(1, cell.colSpan || 1);
                for (let i = 0; i < rs && r + i < rows.length; i++)
                    for (let j = 0; j < cs; j++)
                        at[r + i][c + j] = cell;
                c += cs;
                width = Math.max(width, c);
            }
        });
        return { rows: rows, at: at, width: width };
    }

    function origin(g, cell) {
        for (let r = 0; r < g.rows.length; r++) {
            const c = g.at[r].indexOf(cell);
            if (c >= 0)
                return { r: r, c: c };
        }
        return null;
    }

    function spanOf(g, cell) {
        const o = origin(g, cell);
        return { r: o.r, c: o.c,
                 r2: o.r + Math.min(cell.rowSpan || 1, g.rows.length - o.r) - 1,
                 c2: o.c + (cell.colSpan || 1) - 1 };
    }

    // A span of one is written as no span at all.
    function setSpan(cell, name, value) {
        if (value > 1)
            cell.setAttribute(name, String(value));
        else
            cell.removeAttribute(name);
    }

    function newCellLike(cell) {
        const made = document.createElement(cell ? cell.tagName.toLowerCase() : 'td');
        made.innerHTML = '&nbsp;';
        return made;
    }

    // Inserts cell into row tr so that it stands at grid column c.
    function insertAtColumn(g, r, tr, cell, c) {
        for (const existing of Array.from(tr.cells)) {
            if (origin(g, existing).c >= c) {
                tr.insertBefore(cell, existing);
                return;
            }
        }
        tr.appendChild(cell);
    }

    // The current table and the rectangle of grid slots the selection covers.
    function tableSelection() {
        const a = cellOf(selectionNode('anchor'));
        const f = cellOf(selectionNode('focus')) || a;
        if (!a || !f || a.closest('table') !== f.closest('table'))
            return null;
        const table = a.closest('table');
        const g = grid(table);
        const sa = spanOf(g, a), sf = spanOf(g, f);
        return { table: table, g: g, cell: a,
                 r: Math.min(sa.r, sf.r), r2: Math.max(sa.r2, sf.r2),
                 c: Math.min(sa.c, sf.c), c2: Math.max(sa.c2, sf.c2) };
    }

    function removeIfEmpty(table) {
        for (const tr of Array.from(table.rows))
            if (tr.cells.length === 0)
                tr.remove();
        if (table.rows.length === 0)
            table.remove();
    }

    function insertRow(t) {
        const g = t.g, r = t.r;
        const tr = g.rows[r].parentNode.insertRow(g.rows[r].sectionRowIndex);
        const done = new Set();
        for (let c = 0; c < g.width; c++) {
            const cell = g.at[r][c];
            if (cell && origin(g, cell).r < r) {
                if (!done.has(cell))
                    cell.rowSpan = (cell.rowSpan || 1) + 1;
                done.add(cell);
            } else {
                tr.appendChild(newCellLike(cell));
            }
        }
        return true;
    }

    function insertColumn(t) {
        const g = t.g, c = t.c;
        const done = new Set();
        g.rows.forEach((tr, r) => {
            const cell = g.at[r][c];
            if (cell && done.has(cell))
                return;
            if (cell) {
                done.add(cell);
                const o = origin(g, cell);
                if (o.c < c) {
                    cell.colSpan = (cell.colSpan || 1) + 1;
                    return;
                }
                if (o.r < r)
                    return;
                const made = newCellLike(cell);
                if ((cell.rowSpan || 1) > 1)
                    made.rowSpan = cell.rowSpan;
                tr.insertBefore(made, cell);
            } else if (!g.at[r].slice(0, c).some((x) => x && done.has(x) && x.rowSpan > 1)) {
                insertAtColumn(g, r, tr, newCellLike(null), c);
            }
        });
        return true;
    }

    function insertCell(t) {
        t.cell.parentNode.insertBefore(newCellLike(t.cell), t.cell);
        return true;
    }

    function deleteRows(t) {
        const g = t.g;
        const doomed = new Set(g.rows.slice(t.r, t.r2 + 1));
        const handled = new Set();
        for (let r = 0; r < g.rows.length; r++) {
            for (let c = 0; c < g.width; c++) {
                const cell = g.at[r][c];
                if (!cell || handled.has(cell))
                    continue;
                handled.add(cell);
                const s = spanOf(g, cell);
                const overlap = Math.max(0, Math.min(s.r2, t.r2) - Math.max(s.r, t.r) + 1);
                if (overlap === 0)
                    continue;
                const left = (s.r2 - s.r + 1) - overlap;
                if (left === 0)
                    continue; // goes with its row
                setSpan(cell, 'rowspan', left);
                if (s.r >= t.r) {
                    // Starts in a deleted row: moves down to the first row kept.
                    const target = g.rows[t.r2 + 1];
                    insertAtColumn(g, t.r2 + 1, target, cell, s.c);
                }
            }
        }
        const table = t.table;
        doomed.forEach((tr) => tr.remove());
        removeIfEmpty(table);
        return true;
    }

    function deleteColumns(t) {
        const g = t.g;
        const handled = new Set();
        for (let r = 0; r < g.rows.length; r++) {
            for (let c = t.c; c <= t.c2; c++) {
                const cell = g.at[r][c];
                if (!cell || handled.has(cell))
                    continue;
                handled.add(cell);
                const s = spanOf(g, cell);
                const overlap = Math.min(s.c2, t.c2) - Math.max(s.c, t.c) + 1;
                const left = (s.c2 - s.c + 1) - overlap;
                if (left === 0)
                    cell.remove();
                else
                    setSpan(cell, 'colspan', left);
            }
        }
        removeIfEmpty(t.table);
        return true;
    }

    function deleteCells(t) {
        const g = t.g;
        const doomed = new Set();
        for (let r = t.r; r <= t.r2; r++)
            for (let c = t.c; c <= t.c2; c++)
                if (g.at[r][c])
                    doomed.add(g.at[r][c]);
        doomed.forEach((cell) => cell.remove());
        removeIfEmpty(t.table);
        return true;
    }

    function mergeCells(t) {
        const g = t.g;
        const cells = new Set();
        for (let r = t.r; r <= t.r2; r++)
            for (let c = t.c; c <= t.c2; c++) {
                const cell = g.at[r][c];
                if (!cell)
                    return false;
                const s = spanOf(g, cell);
                // A cell reaching out of the rectangle cannot be merged into it.
                if (s.r < t.r || s.r2 > t.r2 || s.c < t.c || s.c2 > t.c2)
                    return false;
                cells.add(cell);
            }
        if (cells.size < 2)
            return false;
        const keep = g.at[t.r][t.c];
        cells.forEach((cell) => {
            if (cell === keep)
                return;
            if (cell.textContent.trim() !== '' || cell.querySelector('img,table,input')) {
                keep.appendChild(document.createTextNode(' '));
                while (cell.firstChild)
                    keep.appendChild(cell.firstChild);
            }
            cell.remove();
        });
        setSpan(keep, 'rowspan', t.r2 - t.r + 1);
        setSpan(keep, 'colspan', t.c2 - t.c + 1);
        return true;
    }

    function splitCell(t) {
        const g = t.g, cell = t.cell;
        const s = spanOf(g, cell);
        if (s.r2 > s.r || s.c2 > s.c) {
            // A merged cell falls apart into single cells.
            cell.removeAttribute('rowspan');
            cell.removeAttribute('colspan');
            for (let r = s.r; r <= s.r2; r++) {
                for (let c = s.c; c <= s.c2; c++) {
                    if (r === s.r && c === s.c)
                        continue;
                    const fresh = grid(t.table);
                    insertAtColumn(fresh, r, fresh.rows[r], newCellLike(cell), c);
                }
            }
            return true;
        }
        // A single cell becomes two side by side; the column widens around them.
        const done = new Set([cell]);
        for (let r = 0; r < g.rows.length; r++) {
            const other = g.at[r][s.c];
            if (other && !done.has(other)) {
                done.add(other);
                other.colSpan = (other.colSpan || 1) + 1;
            }
        }
        cell.parentNode.insertBefore(newCellLike(cell), cell.nextSibling);
        return true;
    }

    const tableCommands = {
        5021: insertRow, 5020: insertColumn, 5019: insertCell, 5007: deleteRows,
        5006: deleteColumns, 5005: deleteCells, 5029: mergeCells, 5047: splitCell,
    };

    // ---- layering of positioned elements ---------------------------------

    let lastClicked = null;

    function isPositioned(el) {
        if (!el || el.nodeType !== Node.ELEMENT_NODE || el === document.body
                || el === document.documentElement)
            return false;
        const p = getComputedStyle(el).position;
        return p === 'absolute' || p === 'relative' || p === 'fixed';
    }

    function positionedAt(node) {
        for (let el = node; el && el !== document.body; el = el.parentElement)
            if (isPositioned(el))
                return el;
        return null;
    }

    function zOf(el) {
        const z = parseInt(el.style.zIndex, 10);
        return isNaN(z) ? 0 : z;
    }

    function others(el) {
        return Array.from(document.body.querySelectorAll('*'))
            .filter((x) => x !== el && isPositioned(x));
    }

    function layer(id) {
        const el = positionedAt(selectionNode('anchor'))
            || (lastClicked && lastClicked.isConnected ? lastClicked : null);
        if (!el)
            return false;
        const z = zOf(el);
        const above = others(el).map(zOf).filter((v) => v >= 0);
        const below = others(el).map(zOf).filter((v) => v < 0);
        let next = z;
        if (id === 5041)      // front of its own layer
            next = z >= 0 ? Math.max(z, 1 + Math.max(0, ...above)) : Math.min(-1, 1 + Math.max(z, ...below));
        else if (id === 5040) // back of its own layer
            next = z >= 0 ? Math.max(0, Math.min(z, Math.min(...above, z + 1) - 1))
                          : Math.min(z, Math.min(...below, 0) - 1);
        else if (id === 5037)
            next = z + 1 === 0 ? 1 : z + 1;
        else if (id === 5036)
            next = z - 1 === 0 && z > 0 ? 0 : z - 1;
        else if (id === 5039)
            next = z < 0 ? 1 + Math.max(0, ...above) : z;
        else if (id === 5038)
            next = z >= 0 ? Math.min(-1, Math.min(0, ...below) - 1) : z;
        if (next === z && el.style.zIndex !== '')
            return true;
        el.style.zIndex = String(next);
        return true;
    }

    // ---- dragging positioned elements ------------------------------------

    E.snapToGrid = false;
    E.gridSize = 8;
    let drag = null;

    function nearEdge(el, x, y) {
        const b = el.getBoundingClientRect();
        const edge = 6;
        const inside = x >= b.left - edge && x <= b.right + edge
            && y >= b.top - edge && y <= b.bottom + edge;
        const deep = x > b.left + edge && x < b.right - edge
            && y > b.top + edge && y < b.bottom - edge;
        return inside && !deep;
    }

    document.addEventListener('mousedown', (e) => {
        const el = positionedAt(e.target);
        lastClicked = el || lastClicked;
        if (!el || e.button !== 0 || !nearEdge(el, e.clientX, e.clientY))
            return;
        const style = getComputedStyle(el);
        drag = { el: el, x: e.clientX, y: e.clientY,
                 left: parseFloat(style.left) || 0, top: parseFloat(style.top) || 0,
                 moved: false };
        e.preventDefault();
    }, true);

    document.addEventListener('mousemove', (e) => {
        if (!drag)
            return;
        let left = drag.left + e.clientX - drag.x;
        let top = drag.top + e.clientY - drag.y;
        if (E.snapToGrid) {
            left = Math.round(left / E.gridSize) * E.gridSize;
            top = Math.round(top / E.gridSize) * E.gridSize;
        }
        drag.el.style.left = left + 'px';
        drag.el.style.top = top + 'px';
        drag.moved = true;
        e.preventDefault();
    }, true);

    document.addEventListener('mouseup', () => {
        if (drag && drag.moved)
            E.boundary();
        drag = null;
    }, true);

    // ---- one undo history for every change --------------------------------

    const limit = { steps: 100, chars: 16 * 1024 * 1024 };
    let undo = [], redo = [];
    // A copy of the document as it stood after the last step. Each step keeps
    // only the stretch of siblings that differs from it, before and after, so
    // undoing a step costs what the step changed, not the whole page.
    let shadow = null;
    let caret = null;       // where the caret stands while no step is open
    let open = false;       // a step has begun and not been closed
    let quiet = false;      // our own undo and redo are not changes
    let idle = 0;

    // A node's place among its siblings, counted by the engine: a walk over
    // a hundred thousand siblings from here would cost more than the edit.
    function indexOf(node) {
        const spot = document.createRange();
        spot.selectNode(node);
        return spot.startOffset;
    }

    function caretPath() {
        const sel = document.getSelection();
        // A caret outside the body (its tree was replaced, or a page is being
        // put in place) is no place to type at, and has no path.
        if (!sel || sel.rangeCount === 0 || !document.body
                || !document.body.contains(sel.anchorNode))
            return null;
        const path = [];
        for (let n = sel.anchorNode; n && n !== document.documentElement; n = n.parentNode)
            path.unshift(indexOf(n));
        return { path: path, offset: sel.anchorOffset };
    }

    function restoreCaret(caret) {
        if (!caret)
            return;
        let n = document.documentElement;
        for (const i of caret.path) {
            if (!n.childNodes[i])
                return placeCaret(document.body);
            n = n.childNodes[i];
        }
        const sel = document.getSelection();
        const range = document.createRange();
        try {
            range.setStart(n, Math.min(caret.offset,
                n.nodeType === Node.TEXT_NODE ? n.length : n.childNodes.length));
        } catch (e) {
            return placeCaret(document.body);
        }
        range.collapse(true);
        sel.removeAllRanges();
        sel.addRange(range);
    }

    function nodeAt(root, path) {
        let n = root;
        for (const i of path)
            n = n.childNodes[i];
        return n;
    }

    // Takes count children of parent from start out of it.
    function take(parent, start, count) {
        const gone = Array.prototype.slice.call(parent.childNodes, start, start + count);
        if (parent.nodeType === Node.DOCUMENT_NODE || count < 2) {
            for (const n of gone)
                n.remove();
        } else {
            // In one removal, which the page reports once.
            const range = parent.ownerDocument.createRange();
            range.setStart(parent, start);
            range.setEnd(parent, start + count);
            range.extractContents();
        }
        return gone;
    }

    function place(parent, start, nodes) {
        const before = parent.childNodes[start] || null;
        if (parent.nodeType === Node.DOCUMENT_NODE) {
            for (const n of nodes)
                parent.insertBefore(n, before);
            return;
        }
        // In one insertion, which the page lays out and reports once.
        const fragment = parent.ownerDocument.createDocumentFragment();
        fragment.append(...nodes);
        parent.insertBefore(fragment, before);
    }

    // How many of two lists of siblings are the same from the start, and
    // then from the end; the first s0 and the last e0 are known to be.
    function sameEnds(a, b, s0 = 0, e0 = 0) {
        let s = Math.min(s0, a.length, b.length);
        while (s < a.length && s < b.length && a[s].isEqualNode(b[s])) {
            s++;
            E.compared++;
        }
        let e = Math.min(e0, a.length - s, b.length - s);
        while (e < a.length - s && e < b.length - s
               && a[a.length - 1 - e].isEqualNode(b[b.length - 1 - e])) {
            e++;
            E.compared++;
        }
        return [s, e];
    }

    function sameAttributes(x, y) {
        if (x.attributes.length !== y.attributes.length)
            return false;
        for (const attr of Array.from(x.attributes)) {
            if (y.getAttributeNS(attr.namespaceURI, attr.localName) !== attr.value)
                return false;
        }
        return true;
    }

    // The step that leads from the copy to the document: the one stretch of
    // siblings under their deepest common parent that holds every difference
    // (only so deep, so the comparing stays linear). The copy is brought up
    // to date. Nothing when the two are the same. The comparing starts where
    // the page's change records put every change, so it costs what the step
    // changed, not the page.
    function difference() {
        const from = changedPlace();
        let live = from ? from.node : document;
        let old = from ? nodeAt(shadow, from.path) : shadow;
        const path = from ? from.path : [];
        let lead = from ? from.lead : 0, trail = from ? from.trail : 0;
        const start = path.length;
        for (let depth = start; ; depth++) {
            const a = live.childNodes, b = old.childNodes;
            const [s, e] = sameEnds(a, b, lead, trail);
            lead = trail = 0;
            if (s === a.length && s === b.length) {
                // Nothing changed under where the records put every change.
                if (depth === start)
                    return null;
                // The difference lies in the element itself: it is the stretch.
                const at = path.pop();
                return stretch(path, live.parentNode.childNodes, old.parentNode, at, 1, 1);
            }
            const now = a.length - s - e, was = b.length - s - e;
            if (now === 1 && was === 1 && depth < 32 && sameKind(a[s], b[s])
                    && sameAttributes(a[s], b[s])) {
                path.push(s);
                live = a[s];
                old = b[s];
                continue;
            }
            return stretch(path, a, old, s, now, was);
        }
    }

    // The copy takes a copy of the new stretch and the step keeps the old
    // one: each side of a step is held once, by the copy or by the step.
    function stretch(path, liveNodes, old, s, now, was) {
        const fresh = Array.prototype.slice.call(liveNodes, s, s + now);
        const gone = take(old, s, was);
        place(old, s, fresh.map((n) => n.cloneNode(true)));
        return { path: path, start: s, count: now, nodes: gone, size: size(gone) + size(fresh) };
    }

    // What a side of a step weighs against the history's limit: its text,
    // counted without writing its markup out.
    function size(nodes) {
        let n = 0;
        for (const x of nodes)
            n += 16 + (x.textContent || '').length;
        return n;
    }

    // Puts the side of a step that it holds in place of the side in the
    // page: a copy into the document, the nodes themselves into the copy of
    // it, whose nodes the step holds from then on.
    function swap(step, caretThen) {
        quiet = true;
        const live = nodeAt(document, step.path), old = nodeAt(shadow, step.path);
        take(live, step.start, step.count);
        place(live, step.start, step.nodes.map((n) => n.cloneNode(true)));
        const other = take(old, step.start, step.count);
        place(old, step.start, step.nodes);
        step.count = step.nodes.length;
        step.nodes = other;
        observer.takeRecords();
        quiet = false;
        restoreCaret(caretThen);
        caret = caretThen;
    }

    function trim() {
        let total = undo.reduce((n, s) => n + s.size, 0);
        while (undo.length > limit.steps || (undo.length > 1 && total > limit.chars))
            total -= undo.shift().size;
    }

    // The change records of the step under way; unseen: a change was made
    // while no records were taken, so it may lie anywhere.
    let records = [];
    let unseen = false;
    E.compared = 0;     // siblings compared by the steps so far

    // The child of parent that holds node.
    function childOf(parent, node) {
        while (node.parentNode !== parent)
            node = node.parentNode;
        return node;
    }

    // Where the records put every change of the step: the deepest node
    // under which all lie, its path from the document, and how many of its
    // children lead and trail untouched. null when the records cannot tell.
    function changedPlace() {
        if (unseen)
            return null;
        const seen = [];
        let top = null;
        for (const r of records) {
            const parent = r.type === 'childList' ? r.target : r.target.parentNode;
            // A change inside nodes taken out since is told by their removal.
            if (!parent || !parent.isConnected)
                continue;
            while (top && !top.contains(parent))
                top = top.parentNode;
            if (!top)
                top = parent;
            seen.push(r);
        }
        if (!top)
            return null;
        const path = [];
        for (let n = top; n !== document; n = n.parentNode)
            path.unshift(indexOf(n));
        const n = top.childNodes.length;
        // Only so deep, as the comparing goes: below that the node on the
        // way is the one touched child.
        if (path.length > 32) {
            const at = path[32];
            path.length = 32;
            return { node: nodeAt(document, path), path: path, lead: at,
                     trail: nodeAt(document, path).childNodes.length - 1 - at };
        }
        let lead = n, trail = n;
        const touch = (i) => {
            lead = Math.min(lead, i);
            trail = Math.min(trail, n - 1 - i);
        };
        for (const r of seen) {
            if (r.type !== 'childList' || r.target !== top) {
                touch(indexOf(childOf(top, r.type === 'childList' ? r.target
                                                                  : r.target)));
                continue;
            }
            for (const x of r.addedNodes) {
                if (x.parentNode === top)
                    touch(indexOf(x));
            }
            if (!r.removedNodes.length)
                continue;
            const p = r.previousSibling, q = r.nextSibling;
            if ((p && p.parentNode !== top) || (q && q.parentNode !== top))
                return { node: top, path: path, lead: 0, trail: 0 };
            lead = Math.min(lead, p ? indexOf(p) + 1 : 0);
            trail = Math.min(trail, q ? n - indexOf(q) : 0);
        }
        return { node: top, path: path, lead: lead, trail: trail };
    }

    function changed(list) {
        if (quiet)
            return;
        if (list && list.length)
            records.push(...list);
        else
            unseen = true;
        if (!open) {
            open = true;
            redo = [];
            E.onChange && E.onChange();
        }
        clearTimeout(idle);
        // Typing runs into one step until it pauses.
        idle = setTimeout(close, 700);
    }

    function close() {
        clearTimeout(idle);
        if (!open)
            return;
        open = false;
        const step = difference();
        records = [];
        unseen = false;
        if (!step)
            return;
        step.caretBefore = caret;
        caret = caretPath();
        step.caretAfter = caret;
        undo.push(step);
        trim();
    }

    const observer = new MutationObserver(changed);

    // The user moves the caret between steps: Undo puts it back where the
    // step began, not where the step before it ended.
    document.addEventListener('selectionchange', () => {
        if (open || quiet || !shadow)
            return;
        const at = caretPath();
        if (at)
            caret = at;
    });

    // Ends the step under way, so the next change starts a new one. Commands
    // and insertions call it before and after their work.
    E.boundary = function () {
        const list = observer.takeRecords();
        if (list.length)
            changed(list);
        close();
    };

    // Runs fn as one step of its own.
    E.around = function (fn) {
        E.boundary();
        const result = fn();
        E.boundary();
        return result;
    };

    E.undo = function () {
        E.boundary();
        if (!undo.length)
            return false;
        const step = undo.pop();
        swap(step, step.caretBefore);
        redo.push(step);
        E.onChange && E.onChange();
        return true;
    };

    E.redo = function () {
        E.boundary();
        if (!redo.length)
            return false;
        const step = redo.pop();
        swap(step, step.caretAfter);
        undo.push(step);
        E.onChange && E.onChange();
        return true;
    };

    E.canUndo = () => undo.length > 0 || open;
    E.canRedo = () => redo.length > 0 && !open;

    // The engine's own history does not see changes made through the DOM, so
    // its undo and redo are replaced by ours.
    document.addEventListener('beforeinput', (e) => {
        if (e.inputType === 'historyUndo' || e.inputType === 'historyRedo') {
            e.preventDefault();
            e.inputType === 'historyUndo' ? E.undo() : E.redo();
        }
    }, true);
    document.addEventListener('keydown', (e) => {
        if (!(e.ctrlKey || e.metaKey) || e.altKey)
            return;
        const k = e.key.toLowerCase();
        if (k === 'z' && !e.shiftKey) {
            e.preventDefault();
            E.undo();
        } else if (k === 'y' || (k === 'z' && e.shiftKey)) {
            e.preventDefault();
            E.redo();
        } else if (!e.shiftKey && formatKeys[k]) {
            // The engine's own keys would format a large selection slowly.
            e.preventDefault();
            E.exec(formatKeys[k]);
        }
    }, true);
    const formatKeys = { b: 5000, i: 5023, u: 5048 };

    E.reset = function () {
        undo = [];
        redo = [];
        open = false;
        records = [];
        unseen = false;
        clearTimeout(idle);
        observer.disconnect();
        shadow = document.cloneNode(true);
        caret = caretPath();
        observer.observe(document, { subtree: true, childList: true, attributes: true,
                                     characterData: true });
    };

    // Makes the live document the same as a freshly parsed one, touching
    // only the stretch that differs, as one step: the caret and the view stay
    // where they are when the edit lies elsewhere (in the head, say).
    // Markup given with it goes in at the caret in the same step, so one
    // Undo takes back a command that changes the head and inserts.
    E.replaceDocument = function (fresh, atCaret) {
        E.boundary();
        patchChildren(document, fresh, 0);
        if (atCaret)
            insertAtCaret(atCaret);
        E.boundary();
        return true;
    };

    // Each level compares its children from either end; differing nodes are
    // entered only when they pair off one to one, and only so deep, so the
    // work stays linear in the document.
    function patchChildren(live, fresh, depth) {
        const a = Array.from(live.childNodes), b = Array.from(fresh.childNodes);
        const [s, e] = sameEnds(a, b);
        const gone = a.slice(s, a.length - e), come = b.slice(s, b.length - e);
        // As many nodes as before (the head and the body, say): each is
        // patched in its place.
        if (gone.length === come.length && depth < 32) {
            gone.forEach((n, i) => patchNode(live, n, come[i], depth));
            return;
        }
        const before = e ? a[a.length - e] : null;
        for (const n of gone)
            n.remove();
        for (const n of come)
            live.insertBefore(document.adoptNode(n), before);
    }

    function patchNode(parent, live, fresh, depth) {
        if (live.isEqualNode(fresh))
            return;
        if (sameKind(live, fresh)) {
            patchAttributes(live, fresh);
            patchChildren(live, fresh, depth + 1);
        } else if (live.nodeType === Node.TEXT_NODE && fresh.nodeType === Node.TEXT_NODE) {
            live.data = fresh.data;
        } else {
            parent.replaceChild(document.adoptNode(fresh), live);
        }
    }

    function sameKind(x, y) {
        return x.nodeType === Node.ELEMENT_NODE && y.nodeType === Node.ELEMENT_NODE
            && x.namespaceURI === y.namespaceURI && x.tagName === y.tagName
            && x.tagName !== 'TEMPLATE';
    }

    function patchAttributes(live, fresh) {
        for (const attr of Array.from(live.attributes)) {
            if (!fresh.hasAttributeNS(attr.namespaceURI, attr.localName))
                live.removeAttributeNode(attr);
        }
        for (const attr of Array.from(fresh.attributes)) {
            if (live.getAttributeNS(attr.namespaceURI, attr.localName) !== attr.value)
                live.setAttributeNS(attr.namespaceURI, attr.name, attr.value);
        }
    }

    // ---- the command table -------------------------------------------------

    const engine = {
        5000: ['bold'], 5023: ['italic'], 5048: ['underline'], 5004: ['delete'],
        5051: ['insertUnorderedList'], 5030: ['insertOrderedList'], 5018: ['indent'],
        5031: ['outdent'], 5025: ['justifyLeft'], 5024: ['justifyCenter'],
        5026: ['justifyRight'], 5034: ['removeFormat'], 5050: ['unlink'],
        5035: ['selectAll'],
    };

    const inline = new Set([5000, 5023, 5048, 5034]);

    // Formatting a large selection writes many nodes: the history needs to
    // know only that the document changed, not every record of it.
    function unobserved(fn) {
        observer.disconnect();
        let done;
        try {
            done = fn();
        } finally {
            observer.observe(document, { subtree: true, childList: true, attributes: true,
                                         characterData: true });
            // Whatever a failure left behind can be undone too.
            if (done !== false)
                changed();
        }
        return done;
    }

    // The engine can leave a new list inside the paragraph it came from,
    // which no parser reads back the same way: the list takes its place.
    function unwrapLists() {
        for (const list of Array.from(document.querySelectorAll('p > ul, p > ol'))) {
            const p = list.parentElement;
            if (p.childNodes.length === 1)
                p.replaceWith(list);
            else
                p.after(list);
        }
    }

    // Runs a command id; false when it does not apply where the caret stands.
    E.exec = function (id) {
        id = Number(id);
        if (id === 5049)
            return E.undo();
        if (id === 5033)
            return E.redo();
        E.boundary();
        let done = false;
        if (engine[id]) {
            document.execCommand('styleWithCSS', false, false);
            let name = engine[id][0];
            // Delete with nothing selected takes the character after the caret.
            if (id === 5004 && document.getSelection().isCollapsed)
                name = 'forwardDelete';
            // Inline formatting stays linear in the selection.
            if (window.qvFormat && inline.has(id))
                done = unobserved(() => window.qvFormat.apply(name));
            else
                done = document.execCommand(name, false, null);
            if (id === 5051 || id === 5030)
                unwrapLists();
        } else if (tableCommands[id]) {
            const t = tableSelection();
            done = t ? tableCommands[id](t) : false;
        } else if (id >= 5036 && id <= 5041) {
            done = layer(id);
        }
        E.boundary();
        return done;
    };

    // ---- markup that cannot stand where it is inserted ---------------------

    // Start tags before which the parser ends an open paragraph, and those
    // that end an open heading: markup holding one of them inside a
    // paragraph (or heading) would be saved as a page that reads back as
    // another one.
    const blocks = 'address, article, aside, blockquote, center, details, dialog, dir, div,'
        + ' dl, dd, dt, fieldset, figcaption, figure, footer, form, h1, h2, h3, h4, h5, h6,'
        + ' header, hgroup, hr, li, listing, main, menu, nav, ol, p, plaintext, pre, section,'
        + ' summary, table, ul, xmp';
    const headings = 'h1, h2, h3, h4, h5, h6';
    // Elements that hold only text and inline markup.
    const phrasing = new Set(['P', 'H1', 'H2', 'H3', 'H4', 'H5', 'H6', 'PRE', 'A', 'ABBR',
        'B', 'BDI', 'BDO', 'BIG', 'BLINK', 'CITE', 'CODE', 'DFN', 'EM', 'FONT', 'I', 'KBD',
        'LABEL', 'MARK', 'NOBR', 'Q', 'S', 'SAMP', 'SMALL', 'SPAN', 'STRIKE', 'STRONG', 'SUB',
        'SUP', 'TT', 'U', 'VAR']);
    const wrappers = new Set(['A', 'B', 'BIG', 'CODE', 'EM', 'FONT', 'I', 'S', 'SMALL', 'SPAN',
        'STRIKE', 'STRONG', 'SUB', 'SUP', 'TT', 'U']);

    function holds(nodes, selector) {
        return nodes.some((n) => n.nodeType === Node.ELEMENT_NODE
            && (n.matches(selector) || n.querySelector(selector)));
    }

    // A piece left by a split with nothing the user put there: no text and
    // only empty inline wrappers, or the one line break an empty block keeps.
    function isEmpty(el) {
        if (/[^ \t\r\n]/.test(el.textContent))
            return false;
        const inner = Array.from(el.querySelectorAll('*'));
        return inner.filter((n) => n.tagName === 'BR').length <= 1
            && inner.every((n) => n.tagName === 'BR' || (wrappers.has(n.tagName)
                && !n.id && !n.hasAttribute('name')));
    }

    // Inline wrappers a moved run leaves empty go with it.
    function dropEmptyWrappers(from, upTo) {
        while (from && from !== upTo && wrappers.has(from.tagName) && !from.firstChild
               && !from.id) {
            const up = from.parentElement;
            from.remove();
            from = up;
        }
    }

    // A split cuts the inline elements around the point in two; a piece of
    // one left with nothing in it goes, at the start or the end of a block.
    function dropEmptyEdge(parent, edge) {
        const chain = [];
        for (let n = parent[edge]; n && n.nodeType === Node.ELEMENT_NODE; n = n[edge])
            chain.push(n);
        for (const el of chain.reverse()) {
            if (!wrappers.has(el.tagName) || el.id || el.textContent || el.firstElementChild)
                break;
            el.remove();
        }
    }

    // Splits block around the run of sibling nodes, as the engine's paste of
    // a block does: what stood before the run stays, what followed goes into
    // a copy of the block after it, and a piece left empty goes.
    function splitAround(block, nodes) {
        const last = nodes[nodes.length - 1];
        // Elements the split cuts in two keep their id on the first piece.
        const ids = new Set();
        for (let a = last.parentElement; a && a !== block; a = a.parentElement) {
            if (a.id)
                ids.add(a.id);
        }
        const tail = document.createRange();
        tail.setStartAfter(last);
        tail.setEnd(block, block.childNodes.length);
        const rest = tail.extractContents();
        dropEmptyEdge(rest, 'firstChild');
        block.after(...nodes);
        dropEmptyEdge(block, 'lastChild');
        if (isEmpty(block)) {
            // Nothing stood before the run: the block itself takes the rest.
            block.replaceChildren(rest);
            last.after(block);
            if (isEmpty(block))
                block.remove();
            return;
        }
        const second = block.cloneNode(false);
        second.removeAttribute('id');
        second.appendChild(rest);
        for (const el of Array.from(second.querySelectorAll('[id]'))) {
            if (ids.has(el.id))
                el.removeAttribute('id');
        }
        if (!isEmpty(second))
            last.after(second);
    }

    // What an inserted run may not stand in, by what it holds: a link in a
    // link, a heading in a heading, a block in a paragraph.
    const cannotStandIn = [['a', 'a'], [headings, headings], [blocks, 'p']];

    // Puts a run of inserted sibling nodes where it can stand. lift: the run
    // is positioned and takes no room in the flow, so it leaves every
    // paragraph and inline element around it unsplit and stands after them.
    // Otherwise the part of the run from its first to its last node that may
    // not stand where it is splits the element around it; inline nodes
    // before and after that part join the two pieces.
    E.standOut = function (nodes, lift) {
        const parent = nodes.length ? nodes[0].parentElement : null;
        if (!parent || !document.body.contains(parent) || parent === document.body)
            return;
        if (lift) {
            let top = null;
            for (let a = parent; a && a !== document.body && phrasing.has(a.tagName);
                a = a.parentElement)
                top = a;
            if (top) {
                top.after(...nodes);
                dropEmptyWrappers(parent, top.parentElement);
            }
            return;
        }
        for (const [held, around] of cannotStandIn) {
            const breaking = (n) => holds([n], held);
            const first = nodes.findIndex(breaking);
            if (first < 0)
                continue;
            let last = nodes.length - 1;
            while (!breaking(nodes[last]))
                last--;
            const run = nodes.slice(first, last + 1);
            const inside = run[0].parentElement;
            const block = inside && inside !== document.body ? inside.closest(around) : null;
            if (block && document.body.contains(block))
                splitAround(block, run);
        }
    };

    function blockOf(node) {
        const el = node.nodeType === Node.ELEMENT_NODE ? node : node.parentElement;
        return el ? el.closest('p, ' + headings) : null;
    }

    // A selection cut out of the text of an inline element leaves that
    // element empty ("<b></b>"); it goes, unless the insertion lands in it.
    function dropEmptyCut(node, range) {
        if (node.nodeType !== Node.TEXT_NODE || node.data || !node.isConnected
            || node === range.startContainer)
            return;
        let el = node.parentElement;
        node.remove();
        while (el && wrappers.has(el.tagName) && !el.firstChild && !el.id
               && !el.hasAttribute('name') && !el.contains(range.startContainer)) {
            const up = el.parentElement;
            el.remove();
            el = up;
        }
    }

    // Inserts markup at the caret, replacing the selection, exactly as given:
    // through the DOM, because the engine's own insertion drops some of it.
    E.insertHtml = function (html) {
        return html ? E.around(() => insertAtCaret(html)) : false;
    };

    function insertAtCaret(html) {
        const sel = document.getSelection();
        let range;
        let emptied = null;
        if (sel && sel.rangeCount && document.body.contains(sel.getRangeAt(0).startContainer)) {
            range = sel.getRangeAt(0);
            // A selection that ran into a further paragraph leaves its
            // emptied rest behind; that goes too. The insertion goes where
            // the selection began, into the paragraph it began in.
            const start = blockOf(range.startContainer);
            const end = blockOf(range.endContainer);
            if (end && end !== start)
                emptied = end;
            const cut = [range.startContainer, range.endContainer];
            range.deleteContents();
            cut.forEach((node) => dropEmptyCut(node, range));
            if (start && start !== blockOf(range.startContainer)) {
                range.selectNodeContents(start);
                range.collapse(false);
            }
        } else {
            range = document.createRange();
            range.selectNodeContents(document.body);
            range.collapse(false);
        }
        const fragment = range.createContextualFragment(html);
        const nodes = Array.from(fragment.childNodes);
        range.insertNode(fragment);
        if (emptied && emptied.isConnected && isEmpty(emptied))
            emptied.remove();
        if (nodes.length) {
            E.standOut(nodes, false);
            range.setStartAfter(nodes[nodes.length - 1]);
            range.collapse(true);
            if (sel) {
                sel.removeAllRanges();
                sel.addRange(range);
            }
        }
        return true;
    }

    E.reset();
})();
