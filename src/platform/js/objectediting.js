// Positioned elements and form controls as objects, as the old editing
// control handled them: a click selects one (frame and handles), a second
// click edits its text, dragging moves it by its inline left and top (one
// without a position moves to another place in the flow), the cursor keys
// move it finely, the handles resize it by its inline width and height. HTML dragged in from another view is inserted where it is dropped.
// Runs in the application's own script world; the frame is an adopted style
// sheet drawn by the root element's ::after, so nothing reaches the document.
(function () {
    'use strict';
    if (window.qvObjects)
        return;
    const O = { absoluteDrop: false, staging: false };
    window.qvObjects = O;
    if (window.qvObjectSettings)
        Object.assign(O, window.qvObjectSettings);

    let selected = null;     // the element selected as an object
    let textOf = null;       // the object whose text is being edited
    let gesture = null;      // a press on an object or a handle, until release
    let ownDrag = false;     // a drag that started in this document

    const HANDLE = 7;
    const MARGIN = 4;
    const THRESHOLD = 3;

    function editing() {
        return !!(window.qvBridge && window.qvBridge.editing);
    }

    function boundary() {
        if (window.qvEdit)
            window.qvEdit.boundary();
    }

    function isPositioned(el) {
        const p = getComputedStyle(el).position;
        return p === 'absolute' || p === 'relative' || p === 'fixed';
    }

    const controls = new Set(['INPUT', 'TEXTAREA', 'SELECT', 'BUTTON', 'FIELDSET']);

    // The innermost object under node: a form control or a positioned element.
    function objectAt(node) {
        let el = node && node.nodeType === Node.TEXT_NODE ? node.parentNode : node;
        for (; el && el.nodeType === Node.ELEMENT_NODE; el = el.parentElement) {
            if (el === document.body || el === document.documentElement)
                return null;
            if (controls.has(el.tagName) || isPositioned(el))
                return el;
        }
        return null;
    }

    // ---- the frame ----------------------------------------------------------

    // Adopted the first time there is something to draw.
    const frame = new CSSStyleSheet();
    function adoptFrame() {
        if (!document.adoptedStyleSheets.includes(frame))
            document.adoptedStyleSheets = document.adoptedStyleSheets.concat([frame]);
    }

    function frameBox(el) {
        const r = el.getBoundingClientRect();
        return { left: r.left - MARGIN, top: r.top - MARGIN,
                 width: r.width + 2 * MARGIN, height: r.height + 2 * MARGIN };
    }

    const spots = {
        nw: [0, 0], n: [0.5, 0], ne: [1, 0], w: [0, 0.5],
        e: [1, 0.5], sw: [0, 1], s: [0.5, 1], se: [1, 1],
    };
    const cursors = { nw: 'nwse', se: 'nwse', ne: 'nesw', sw: 'nesw', n: 'ns', s: 'ns',
                      w: 'ew', e: 'ew' };

    // The handles a frame of this size has room for: a side too short for
    // three handles keeps only its corners.
    function handlesOf(b) {
        const room = 3 * HANDLE + 2;
        return Object.entries(spots).filter(([name]) =>
            !((name === 'w' || name === 'e') && b.height < room)
            && !((name === 'n' || name === 's') && b.width < room));
    }

    // The pointer over a handle or a selected object shows what a drag does.
    let cursor = '';

    function drawFrame() {
        const el = selected || textOf;
        if (!el || !el.isConnected || !editing()) {
            frame.replaceSync('');
            if (selected && !selected.isConnected)
                selected = null;
            if (textOf && !textOf.isConnected)
                textOf = null;
            return;
        }
        adoptFrame();
        const b = frameBox(el);
        let rule = 'html::after { content: ""; position: absolute; pointer-events: none;'
            + ' z-index: 2147483647; box-sizing: border-box; margin: 0; padding: 0;'
            + ' left: ' + (b.left + window.scrollX) + 'px; top: ' + (b.top + window.scrollY)
            + 'px; width: ' + b.width + 'px; height: ' + b.height + 'px;';
        if (selected) {
            const handles = handlesOf(b);
            const squares = handles.map(() => 'linear-gradient(#0000c0, #0000c0)');
            const places = handles.map(([, [x, y]]) => (x * 100) + '% ' + (y * 100) + '%');
            rule += ' border: 1px solid #0000c0; background: ' + squares.join(', ') + ';'
                + ' background-size: ' + HANDLE + 'px ' + HANDLE + 'px;'
                + ' background-position: ' + places.join(', ') + ';'
                + ' background-repeat: no-repeat; background-origin: border-box; }';
        } else {
            rule += ' border: 1px dashed #0000c0; }';
        }
        // The selection that holds the object is not painted over it.
        const hidden = selected ? '\n::selection { background: transparent; }' : '';
        const pointer = selected && cursor
            ? '\nhtml, html * { cursor: ' + cursor + ' !important; }' : '';
        frame.replaceSync(rule + hidden + pointer);
    }

    let drawPending = false;
    function redraw() {
        if (drawPending)
            return;
        drawPending = true;
        requestAnimationFrame(() => { drawPending = false; drawFrame(); });
    }
    new MutationObserver(redraw).observe(document, { subtree: true, childList: true,
                                                     attributes: true, characterData: true });
    window.addEventListener('resize', redraw);

    // The handle of the selected object under a point, or null.
    function handleAt(x, y) {
        if (!selected || !selected.isConnected)
            return null;
        const b = frameBox(selected);
        for (const [name, [fx, fy]] of handlesOf(b)) {
            const cx = b.left + fx * (b.width - HANDLE) + HANDLE / 2;
            const cy = b.top + fy * (b.height - HANDLE) + HANDLE / 2;
            if (Math.abs(x - cx) <= HANDLE / 2 + 1 && Math.abs(y - cy) <= HANDLE / 2 + 1)
                return name;
        }
        return null;
    }

    // ---- selecting ----------------------------------------------------------

    // The document's selection holds the object, so copy, cut and delete act
    // on it as a whole.
    O.select = function (el) {
        selected = el;
        textOf = null;
        if (el) {
            const sel = document.getSelection();
            const range = document.createRange();
            range.selectNode(el);
            sel.removeAllRanges();
            sel.addRange(range);
        }
        drawFrame();
        return !!el;
    };

    O.selectAt = function (x, y) {
        return O.select(objectAt(document.elementFromPoint(x, y)));
    };

    O.selected = () => selected;

    function editText(el, x, y) {
        selected = null;
        textOf = el;
        const sel = document.getSelection();
        sel.removeAllRanges();
        if (el.tagName === 'INPUT' || el.tagName === 'TEXTAREA') {
            el.focus();
        } else {
            const range = document.caretRangeFromPoint(x, y);
            if (range && el.contains(range.startContainer))
                sel.addRange(range);
            else
                window.getSelection().collapse(el, 0);
        }
        drawFrame();
    }

    function leave() {
        selected = null;
        textOf = null;
        drawFrame();
    }

    // ---- moving and resizing ------------------------------------------------

    function px(value) {
        const n = parseFloat(value);
        return isNaN(n) ? 0 : n;
    }

    function snap(v) {
        const E = window.qvEdit;
        return E && E.snapToGrid ? Math.round(v / E.gridSize) * E.gridSize : Math.round(v);
    }

    O.moveTo = function (left, top) {
        if (!selected || !selected.isConnected)
            return false;
        boundary();
        selected.style.left = left + 'px';
        selected.style.top = top + 'px';
        boundary();
        drawFrame();
        return true;
    };

    O.resizeTo = function (width, height) {
        if (!selected || !selected.isConnected)
            return false;
        boundary();
        selected.style.width = Math.max(1, width) + 'px';
        selected.style.height = Math.max(1, height) + 'px';
        boundary();
        drawFrame();
        return true;
    };

    function follow(e) {
        const g = gesture;
        const dx = e.clientX - g.x, dy = e.clientY - g.y;
        if (!g.moved && Math.abs(dx) < THRESHOLD && Math.abs(dy) < THRESHOLD)
            return;
        g.moved = true;
        const s = g.el.style;
        if (g.handle) {
            const h = g.handle;
            if (h.includes('e'))
                s.width = Math.max(1, snap(g.width + dx)) + 'px';
            if (h.includes('s'))
                s.height = Math.max(1, snap(g.height + dy)) + 'px';
            if (h.includes('w')) {
                s.width = Math.max(1, snap(g.width - dx)) + 'px';
                if (g.positioned)
                    s.left = (g.left + g.width - px(s.width)) + 'px';
            }
            if (h.includes('n')) {
                s.height = Math.max(1, snap(g.height - dy)) + 'px';
                if (g.positioned)
                    s.top = (g.top + g.height - px(s.height)) + 'px';
            }
        } else if (g.positioned) {
            s.left = snap(g.left + dx) + 'px';
            s.top = snap(g.top + dy) + 'px';
        }
        drawFrame();
    }

    // ---- the mouse and the keys ---------------------------------------------

    function stop(e) {
        e.preventDefault();
        e.stopPropagation();
    }

    window.addEventListener('mousedown', (e) => {
        if (!editing() || e.button !== 0)
            return;
        if (O.staging) {
            // The whole staged content is what a drag from here carries.
            const range = document.createRange();
            range.selectNodeContents(document.body);
            const sel = document.getSelection();
            sel.removeAllRanges();
            sel.addRange(range);
            // Nothing here moves in place, and the engine must see the press
            // to start the drag.
            e.stopPropagation();
            return;
        }
        const handle = handleAt(e.clientX, e.clientY);
        const el = handle ? selected : objectAt(e.target);
        if (!handle && (!el || el === textOf)) {
            if (!el)
                leave();
            return;  // the engine places the caret
        }
        const cs = getComputedStyle(el);
        gesture = { el: el, handle: handle, x: e.clientX, y: e.clientY, moved: false,
                    again: el === selected, positioned: isPositioned(el),
                    left: px(cs.left), top: px(cs.top),
                    width: px(cs.width), height: px(cs.height) };
        boundary();
        O.select(el);
        stop(e);
    }, true);

    window.addEventListener('mousemove', (e) => {
        if (!gesture) {
            const handle = editing() && !O.staging ? handleAt(e.clientX, e.clientY) : null;
            const over = selected && !handle && objectAt(e.target) === selected
                && isPositioned(selected);
            const want = handle ? cursors[handle] + '-resize' : over ? 'move' : '';
            if (want !== cursor) {
                cursor = want;
                drawFrame();
            }
            return;
        }
        follow(e);
        stop(e);
    }, true);

    // The link a caret place lies in: the engine puts the nearest place of a
    // point beside or below a link at the link's end, inside it.
    function linkAround(range) {
        const n = range.startContainer;
        return (n.nodeType === Node.ELEMENT_NODE ? n : n.parentElement).closest('a');
    }

    // An object without a position is dragged to another place in the flow:
    // the caret place nearest the release point, outside every control.
    function moveInFlow(el, x, y) {
        const range = document.caretRangeFromPoint(x, y);
        if (!range || el.contains(range.startContainer)
                || !document.body.contains(range.startContainer))
            return;
        const around = objectAt(range.startContainer);
        if (around && controls.has(around.tagName)) {
            if (around.contains(el))
                return;
            range.setStartAfter(around);
            range.collapse(true);
        }
        const link = linkAround(range);
        if (link && !link.contains(document.elementFromPoint(x, y))) {
            range.setStartAfter(link);
            range.collapse(true);
        }
        boundary();
        range.insertNode(el);
        boundary();
        O.select(el);
    }

    window.addEventListener('mouseup', (e) => {
        if (!gesture)
            return;
        const g = gesture;
        gesture = null;
        if (g.moved && !g.handle && !g.positioned)
            moveInFlow(g.el, e.clientX, e.clientY);
        else if (g.moved)
            boundary();
        else if (g.again && !g.handle)
            editText(g.el, e.clientX, e.clientY);
        stop(e);
    }, true);

    const steps = { ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, -1], ArrowDown: [0, 1] };

    window.addEventListener('keydown', (e) => {
        if (!editing() || !selected || !selected.isConnected)
            return;
        // Not stopped: the bridge counts every key that reaches the page.
        if (e.key === 'Escape') {
            leave();
            e.preventDefault();
        } else if (steps[e.key] && !e.ctrlKey && !e.altKey) {
            if (isPositioned(selected)) {
                const cs = getComputedStyle(selected);
                const E = window.qvEdit;
                const step = E && E.snapToGrid ? E.gridSize : 1;
                const [dx, dy] = steps[e.key];
                O.moveTo(px(cs.left) + dx * step, px(cs.top) + dy * step);
            }
            e.preventDefault();
        } else if ((e.key.length === 1 || e.key === 'Enter') && !e.ctrlKey && !e.metaKey) {
            // Typing does not replace a selected object; a second click edits it.
            e.preventDefault();
        }
    }, true);

    // ---- dropping -----------------------------------------------------------

    // What a drag from outside carries may come wrapped as a whole document.
    function fragmentOf(html) {
        let s = html.replace(/^\s*<meta charset=[^>]*>/i, '');
        const open = s.search(/<body[^>]*>/i);
        const close = s.toLowerCase().lastIndexOf('</body>');
        if (open >= 0 && close > open)
            s = s.slice(s.indexOf('>', open) + 1, close);
        return s.replace(/<!--(Start|End)Fragment-->/g, '');
    }

    // Puts el's top left corner at the point, whatever it is positioned in.
    // A box placed relatively would still take room in the flow and push
    // the boxes after it, so it is placed absolutely too.
    function place(el, x, y) {
        const p = getComputedStyle(el).position;
        if (p !== 'absolute' && p !== 'fixed')
            el.style.position = 'absolute';
        const r = el.getBoundingClientRect();
        const cs = getComputedStyle(el);
        el.style.left = Math.round(px(cs.left) + x - r.left) + 'px';
        el.style.top = Math.round(px(cs.top) + y - r.top) + 'px';
    }

    // Inserts markup at a point of the view: at the drop point itself in
    // absolute drop mode, else at the place in the flow nearest to it.
    // dropped: a drop, where a positioned element lands with its corner at
    // the point in either mode, as the user pointed.
    O.insertAt = function (html, x, y, dropped) {
        if (!html)
            return false;
        boundary();
        // The nearest caret place may lie in another object than the one
        // under the point (an empty box beside it): then the element under
        // the point takes the markup at its end, or after it if it is a control.
        let range = document.caretRangeFromPoint(x, y);
        let hit = document.elementFromPoint(x, y);
        if (!hit || !document.body.contains(hit))
            hit = document.body;
        // Nor does a link the point is not over take what is dropped beside it.
        const link = range && linkAround(range);
        if (!range || !hit.contains(range.startContainer)
                || objectAt(range.startContainer) !== objectAt(hit)
                || (link && !link.contains(hit))) {
            range = document.createRange();
            if (controls.has(hit.tagName) && hit !== document.body)
                range.setStartAfter(hit);
            else
                range.selectNodeContents(hit);
            range.collapse(false);
        }
        const fragment = range.createContextualFragment(html);
        const nodes = Array.from(fragment.childNodes);
        const made = nodes.filter((n) => n.nodeType === Node.ELEMENT_NODE);
        range.insertNode(fragment);
        const placed = O.absoluteDrop ? made : dropped ? made.filter(isPositioned) : [];
        // What lands at the point takes no room in the flow: it stands
        // outside the paragraph it was dropped on; blocks in the flow split it.
        if (window.qvEdit && nodes.length)
            window.qvEdit.standOut(nodes, placed.length > 0 && placed.length === made.length);
        placed.forEach((el) => place(el, x, y));
        boundary();
        const first = made.length ? (objectAt(made[0]) === made[0] ? made[0] : null) : null;
        if (first)
            O.select(first);
        else
            leave();
        return true;
    };

    window.addEventListener('dragstart', (e) => {
        ownDrag = true;
        if (O.staging && editing())
            e.dataTransfer.setData('text/html', document.body.innerHTML);
    }, true);
    window.addEventListener('dragend', () => { ownDrag = false; }, true);

    function carriesHtml(e) {
        return editing() && !ownDrag && !O.staging && e.dataTransfer
            && Array.from(e.dataTransfer.types).includes('text/html');
    }

    window.addEventListener('dragover', (e) => {
        if (carriesHtml(e)) {
            e.preventDefault();
            e.dataTransfer.dropEffect = 'copy';
        }
    }, true);

    window.addEventListener('drop', (e) => {
        if (!carriesHtml(e))
            return;
        stop(e);
        O.insertAt(fragmentOf(e.dataTransfer.getData('text/html')), e.clientX, e.clientY, true);
    }, true);

    // A staging view's elements drag as elements; a selection dragged in
    // editable content does not reliably start a drag.
    const stagingSheet = new CSSStyleSheet();
    stagingSheet.replaceSync('body, body * { -webkit-user-drag: element; }');
    function adoptStaging() {
        const others = document.adoptedStyleSheets.filter((s) => s !== stagingSheet);
        document.adoptedStyleSheets = O.staging ? others.concat([stagingSheet]) : others;
    }

    O.set = function (settings) {
        Object.assign(O, settings);
        if (O.staging)
            leave();
        adoptStaging();
    };
    if (O.staging)
        adoptStaging();

    // Layering acts on the selected object, which the selection only surrounds.
    if (window.qvEdit) {
        const exec = window.qvEdit.exec;
        window.qvEdit.exec = function (id) {
            id = Number(id);
            if (!selected || !selected.isConnected || id < 5036 || id > 5041)
                return exec.call(this, id);
            const el = selected;
            const sel = document.getSelection();
            sel.removeAllRanges();
            sel.collapse(el, 0);
            const done = exec.call(this, id);
            O.select(el);
            return done;
        };
    }
})();
