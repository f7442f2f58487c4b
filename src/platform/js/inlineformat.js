// Inline formatting of the selection (bold, italic, underline, strike,
// subscript, superscript, font face, size and colour, remove formatting).
// The engine's own commands take more than linear time on a large selection
// and freeze the page, so above a few hundred text nodes the work is done
// here over the DOM, once over the selection, writing the markup the engine
// writes for a small one. Runs in the application's own script world.
(function () {
    'use strict';
    if (window.qvFormat)
        return;
    const F = {};
    window.qvFormat = F;

    // Selections with more text nodes than this are formatted here.
    F.engineLimit = 200;

    // tag: the element written; same: the elements that carry the style and
    // go when it is set or cleared; toggle 'all': on unless every text has
    // it, 'start': on unless the first text has it.
    const styles = {
        bold: { tag: 'b', same: ['b', 'strong'], toggle: 'all', css: 'font-weight',
                has: (cs) => parseInt(cs.fontWeight, 10) >= 600 },
        italic: { tag: 'i', same: ['i', 'em'], toggle: 'all', css: 'font-style',
                  has: (cs) => cs.fontStyle !== 'normal' },
        underline: { tag: 'u', same: ['u'], toggle: 'start', line: 'underline' },
        strikeThrough: { tag: 'strike', same: ['strike', 's'], toggle: 'start',
                         line: 'line-through' },
        subscript: { tag: 'sub', same: ['sub', 'sup'], toggle: 'all', css: 'vertical-align',
                     has: (cs) => cs.verticalAlign === 'sub' },
        superscript: { tag: 'sup', same: ['sup', 'sub'], toggle: 'all', css: 'vertical-align',
                       has: (cs) => cs.verticalAlign === 'super' },
    };
    const fonts = { fontName: 'face', fontSize: 'size', foreColor: 'color' };
    const fontCss = { face: 'font-family', size: 'font-size', color: 'color' };
    const removable = new Set(['acronym', 'b', 'bdo', 'big', 'cite', 'code', 'dfn', 'em', 'font',
        'i', 'ins', 'kbd', 'nobr', 'q', 's', 'samp', 'small', 'strike', 'strong', 'sub', 'sup',
        'tt', 'u', 'var']);

    function formatting(el) {
        return removable.has(el.tagName.toLowerCase()) || el.tagName === 'SPAN';
    }

    // The elements that carry a style: its own elements, and any whose
    // inline style sets its property.
    function carrier(s) {
        const same = tagged(s.same);
        return (el) => same(el) || !!s.css && !!el.style && !!el.style.getPropertyValue(s.css);
    }

    function engine(name, value) {
        document.execCommand('styleWithCSS', false, false);
        return document.execCommand(name, false, value === undefined ? null : value);
    }

    function selectedRange() {
        const sel = document.getSelection();
        if (!sel || !sel.rangeCount || sel.isCollapsed)
            return null;
        const range = sel.getRangeAt(0);
        return document.body && document.body.contains(range.commonAncestorContainer)
            ? range : null;
    }

    // Counts the text nodes of the range, stopping once past limit.
    function manyTexts(range, limit) {
        if (limit < 0)
            return true;
        const root = range.commonAncestorContainer;
        if (root.nodeType === Node.TEXT_NODE)
            return false;
        const walker = document.createTreeWalker(root, NodeFilter.SHOW_TEXT);
        let n = 0;
        for (let t = walker.nextNode(); t; t = walker.nextNode()) {
            if (range.comparePoint(t, 0) > 0)
                break;
            if (range.intersectsNode(t) && ++n > limit)
                return true;
        }
        return false;
    }

    function isText(n) {
        return n.nodeType === Node.TEXT_NODE;
    }

    function nextSkipping(n) {
        while (n && !n.nextSibling)
            n = n.parentNode;
        return n ? n.nextSibling : null;
    }

    function next(n) {
        return n.firstChild || nextSkipping(n);
    }

    // ---- the one pass over the selection ------------------------------------

    function Work(range) {
        this.display = new Map();
        this.range = range;
    }

    Work.prototype.isBlock = function (el) {
        if (el.nodeType !== Node.ELEMENT_NODE)
            return false;
        let d = this.display.get(el);
        if (d === undefined) {
            d = getComputedStyle(el).display;
            this.display.set(el, d);
        }
        return d !== 'none' && !d.startsWith('inline') && d !== 'contents';
    };

    // Splits the text nodes at the ends of the range and widens it over the
    // elements the command takes away whose edge it starts or ends at, so
    // that the range holds whole nodes.
    // The text next to n in its block, crossing only element edges (not an
    // image or a line break): the engine takes an end at the start of a text
    // as the end of the text before it, and a start at its end likewise.
    Work.prototype.adjacentText = function (n, back) {
        for (;;) {
            let sib = back ? n.previousSibling : n.nextSibling;
            while (!sib) {
                n = n.parentNode;
                if (!n || n === document.body || this.isBlock(n))
                    return null;
                sib = back ? n.previousSibling : n.nextSibling;
            }
            n = sib;
            while (n.nodeType === Node.ELEMENT_NODE && n.firstChild && !this.isBlock(n))
                n = back ? n.lastChild : n.firstChild;
            if (isText(n))
                return n.length ? n : null;
            if (n.nodeType !== Node.COMMENT_NODE)
                return null;
        }
    };

    Work.prototype.wholeNodes = function (matches) {
        const r = this.range;
        if (isText(r.endContainer) && r.endOffset === 0) {
            const t = this.adjacentText(r.endContainer, true);
            if (t && r.comparePoint(t, t.length) >= 0)
                r.setEnd(t, t.length);
        }
        if (isText(r.startContainer) && r.startOffset === r.startContainer.length) {
            const t = this.adjacentText(r.startContainer, false);
            if (t && r.comparePoint(t, 0) <= 0)
                r.setStart(t, 0);
        }
        const sc = r.startContainer, so = r.startOffset;
        const ec = r.endContainer, eo = r.endOffset;
        let endAfter = null, endBefore = null, startBefore = null, startAfter = null;
        if (isText(ec)) {
            if (eo === 0)
                endBefore = ec;
            else {
                if (eo < ec.length)
                    ec.splitText(eo);
                endAfter = ec;
            }
        }
        if (isText(sc)) {
            if (so === 0)
                startBefore = sc;
            else if (so >= sc.length)
                startAfter = sc;
            else {
                startBefore = sc.splitText(so);
                if (endAfter === sc)
                    endAfter = startBefore;
            }
        }
        if (startBefore)
            r.setStartBefore(startBefore);
        else if (startAfter)
            r.setStartAfter(startAfter);
        if (endAfter)
            r.setEndAfter(endAfter);
        else if (endBefore)
            r.setEndBefore(endBefore);
        // A start at the end of an inline element is a start after it (and
        // an end at its start an end before it): nothing of it is inside.
        const inline = (c) => c !== document.body && c.nodeType === Node.ELEMENT_NODE
            && !this.isBlock(c);
        while (r.startOffset === r.startContainer.childNodes.length && inline(r.startContainer))
            r.setStartAfter(r.startContainer);
        while (r.endOffset === 0 && inline(r.endContainer))
            r.setEndBefore(r.endContainer);
        // Out of the elements the command takes away whose content the
        // range starts or ends at the edge of, so they count as inside.
        this.widen(matches);
    };

    // Whether the end (or start) of the range is the end (start) of el.
    Work.prototype.atEdge = function (el, atStart) {
        const r = this.range;
        let c = atStart ? r.startContainer : r.endContainer;
        const offset = atStart ? r.startOffset : r.endOffset;
        if (offset !== (atStart ? 0 : c.childNodes.length))
            return false;
        for (; c !== el; c = c.parentNode) {
            const p = c.parentNode;
            if (!p || (atStart ? p.firstChild : p.lastChild) !== c)
                return false;
        }
        return true;
    };

    Work.prototype.widen = function (matches) {
        const r = this.range;
        for (const atStart of [true, false]) {
            let best = null;
            let c = atStart ? r.startContainer : r.endContainer;
            if (!this.atEdge(c, atStart))
                continue;
            const other = atStart ? r.endContainer : r.startContainer;
            for (; c !== document.body && c.nodeType === Node.ELEMENT_NODE && !this.isBlock(c);
                 c = c.parentNode) {
                if (c.contains(other) && !this.atEdge(c, !atStart))
                    break;
                if (matches(c) || !c.contains(other))
                    best = c;
                if ((atStart ? c.parentNode.firstChild : c.parentNode.lastChild) !== c)
                    break;
            }
            if (best && atStart)
                r.setStartBefore(best);
            else if (best)
                r.setEndAfter(best);
        }
    };

    // The nodes wholly inside the range, in document order.
    Work.prototype.collect = function () {
        const r = this.range;
        const sc = r.startContainer, ec = r.endContainer;
        const first = isText(sc) ? sc : sc.childNodes[r.startOffset] || nextSkipping(sc);
        const pastEnd = isText(ec) ? nextSkipping(ec)
                                   : ec.childNodes[r.endOffset] || nextSkipping(ec);
        const nodes = [];
        if (first) {
            const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_ALL);
            walker.currentNode = first;
            for (let n = first; n && n !== pastEnd; n = walker.nextNode()) {
                if (!(n.firstChild && pastEnd && n.contains(pastEnd)))
                    nodes.push(n);
            }
        }
        this.keep(nodes);
        // Every element's display is read now, in one layout of the page:
        // the reads after the first write would lay it out again.
        for (const n of nodes)
            this.isBlock(n);
    };

    Work.prototype.keep = function (nodes) {
        this.nodes = nodes;
        this.inside = new Set(nodes);
    };

    // Whether a blank text node takes part in the layout (the engine formats
    // only those): not between blocks or at the start of one.
    Work.prototype.shown = function (t) {
        if (/[^ \t\n\r\f]/.test(t.data))
            return true;
        if (!this.isBlock(t.parentNode))
            return true;
        let p = t.previousSibling;
        while (p && p.nodeType === Node.COMMENT_NODE)
            p = p.previousSibling;
        return !!p && !this.isBlock(p) && !(p.nodeName === 'BR');
    };

    // The top-level runs: siblings wholly inside the range with no block
    // in them. Blocks are entered, so each block's text gets its own run.
    Work.prototype.runs = function () {
        const hasBlock = new Set();
        for (let i = this.nodes.length - 1; i >= 0; i--) {
            const n = this.nodes[i];
            if (n.nodeType === Node.ELEMENT_NODE && (this.isBlock(n) || hasBlock.has(n)))
                hasBlock.add(n.parentNode);
        }
        const holdsBlocks = (n) => n.nodeType === Node.ELEMENT_NODE
            && (this.isBlock(n) || hasBlock.has(n));
        const runs = [];
        let run = null;
        for (const n of this.nodes) {
            if (this.inside.has(n.parentNode) && !holdsBlocks(n.parentNode))
                continue;  // inside a run already
            if (holdsBlocks(n)) {
                run = null;
                continue;
            }
            if (run && run[run.length - 1].nextSibling === n) {
                run.push(n);
            } else if (!isText(n) || this.shown(n)) {
                run = [n];
                runs.push(run);
            }
        }
        return runs.filter((r) => r.some((n) => !isText(n) || this.shown(n)));
    };

    // Splits the inline ancestors of the range's ends up to the highest one
    // that matches, so the part inside becomes a node of its own.
    Work.prototype.splitAncestors = function (matches) {
        const r = this.range;
        const edge = (container, offset, before) => {
            let top = null;
            for (let a = container; a && a !== document.body && !this.isBlock(a);
                 a = a.parentNode) {
                if (a.nodeType === Node.ELEMENT_NODE && matches(a))
                    top = a;
            }
            if (!top)
                return;
            let node = container.childNodes[offset] || null;
            let parent = container;
            for (;;) {
                const clone = parent.cloneNode(false);
                if (before) {
                    while (parent.firstChild && parent.firstChild !== node)
                        clone.appendChild(parent.firstChild);
                    if (clone.firstChild)
                        parent.parentNode.insertBefore(clone, parent);
                } else {
                    while (node) {
                        const n = node;
                        node = node.nextSibling;
                        clone.appendChild(n);
                    }
                    if (clone.firstChild)
                        parent.parentNode.insertBefore(clone, parent.nextSibling);
                }
                if (parent === top)
                    break;
                node = before ? parent : parent.nextSibling;
                parent = parent.parentNode;
            }
        };
        const ec = r.endContainer, eo = r.endOffset;
        const sc = r.startContainer, so = r.startOffset;
        const last = ec.childNodes[eo - 1] || null;
        const first = sc.childNodes[so] || nextSkipping(sc);
        edge(ec, eo, false);
        edge(sc, so, true);
        // The range now covers the split-off parts whole.
        if (first)
            this.range.setStartBefore(this.outermost(first, matches, true));
        if (last)
            this.range.setEndAfter(this.outermost(last, matches, false));
    };

    // The highest ancestor of n that matches and that n starts (or ends),
    // or n itself.
    Work.prototype.outermost = function (n, matches, atStart) {
        let top = n;
        for (let c = n; c.parentNode && c.parentNode !== document.body
             && !this.isBlock(c.parentNode); c = c.parentNode) {
            if ((atStart ? c.parentNode.firstChild : c.parentNode.lastChild) !== c)
                break;
            if (matches(c.parentNode))
                top = c.parentNode;
        }
        return top;
    };

    function unwrap(el) {
        el.replaceWith(...el.childNodes);
    }

    function wrap(run, make) {
        const el = make();
        run[0].parentNode.insertBefore(el, run[0]);
        el.append(...run);
        return el;
    }

    function sameElement(a, b) {
        if (!a || !b || a.nodeType !== Node.ELEMENT_NODE || a.tagName !== b.tagName
                || a.attributes.length !== b.attributes.length)
            return false;
        for (const attr of Array.from(a.attributes)) {
            if (b.getAttribute(attr.name) !== attr.value)
                return false;
        }
        return true;
    }

    // An element the engine would write next to one just like it joins it.
    function mergeNeighbours(el) {
        const prev = el.previousSibling;
        if (sameElement(prev, el)) {
            while (el.firstChild)
                prev.appendChild(el.firstChild);
            el.remove();
            el = prev;
        }
        const after = el.nextSibling;
        if (sameElement(after, el)) {
            while (after.firstChild)
                el.appendChild(after.firstChild);
            after.remove();
        }
        return el;
    }

    // Removes a style property from a span's style; a span left with no
    // attribute at all goes.
    function dropCss(el, property) {
        if (!el.style || !el.style.getPropertyValue(property))
            return;
        el.style.removeProperty(property);
        if (!el.style.length)
            el.removeAttribute('style');
        if (el.tagName === 'SPAN' && !el.attributes.length)
            unwrap(el);
    }

    function tagged(names) {
        const set = new Set(names.map((n) => n.toUpperCase()));
        return (el) => set.has(el.tagName);
    }

    function styleOf(n) {
        return getComputedStyle(isText(n) ? n.parentNode : n);
    }

    // The nodes of a run that carry its text and objects.
    function leaves(run) {
        const out = [];
        const leaf = (n) => isText(n) || n.nodeType === Node.ELEMENT_NODE && !n.firstChild;
        for (const top of run) {
            if (!top.firstChild) {
                if (leaf(top))
                    out.push(top);
                continue;
            }
            const stop = nextSkipping(top);
            for (let n = top.firstChild; n && n !== stop; n = next(n)) {
                if (leaf(n))
                    out.push(n);
            }
        }
        return out;
    }

    function decorated(t, line) {
        for (let el = isText(t) ? t.parentNode : t; el && el.nodeType === Node.ELEMENT_NODE;
             el = el.parentNode) {
            if (getComputedStyle(el).textDecorationLine.includes(line))
                return true;
        }
        return false;
    }

    function styledText(work, s) {
        let seen = false;
        for (const n of work.nodes) {
            if (!isText(n) || !/[^ \t\n\r\f]/.test(n.data))
                continue;
            if (s.line)
                return decorated(n, s.line);
            if (!s.has(getComputedStyle(n.parentNode)))
                return false;
            seen = true;
            if (s.toggle === 'start')
                break;
        }
        return seen;
    }

    // Selects what the command formatted, from its first node to its last.
    function reselect(work) {
        let first = 0, last = work.nodes.length - 1;
        while (first <= last && !work.nodes[first].isConnected)
            first++;
        while (last >= first && !work.nodes[last].isConnected)
            last--;
        if (first > last)
            return;
        const sel = document.getSelection();
        const a = work.nodes[first], b = work.nodes[last];
        // A selection that still holds all of it stays: setting one on a
        // large page costs as much as the formatting.
        if (sel.rangeCount) {
            const now = sel.getRangeAt(0);
            if (now.comparePoint(a, 0) === 0
                    && now.comparePoint(b, isText(b) ? b.length : b.childNodes.length) === 0)
                return;
        }
        const r = document.createRange();
        r.setStartBefore(a);
        r.setEndAfter(b);
        sel.removeAllRanges();
        sel.addRange(r);
    }

    // Takes the elements matched by same (and the style property css) off
    // the nodes wholly inside the range; the range is collected afresh.
    function strip(work, same, css) {
        for (const n of work.nodes) {
            if (n.nodeType !== Node.ELEMENT_NODE || !n.isConnected)
                continue;
            if (same(n))
                unwrap(n);
            else if (css)
                dropCss(n, css);
        }
        // What was inside stays inside, but for the elements taken away
        // (which, out of the page, are nobody's parent any more).
        work.nodes = work.nodes.filter((n) => n.isConnected);
    }

    function mergeEnds(made) {
        if (made.length) {
            mergeNeighbours(made[0]);
            if (made.length > 1)
                mergeNeighbours(made[made.length - 1]);
        }
    }

    function applyStyle(work, s) {
        const on = !styledText(work, s);
        const same = tagged(s.same);
        // Clearing splits the elements around the range; so does setting sub
        // or sup, whose opposite goes.
        if (!on || s.tag === 'sub' || s.tag === 'sup') {
            work.splitAncestors(carrier(s));
            work.collect();
        }
        strip(work, same, s.css);
        const runs = work.runs();
        const made = [];
        if (on) {
            // A run already styled as asked is left alone (all read first:
            // a read between writes would lay the page out again each time).
            const styled = runs.map((run) => leaves(run).every((n) => s.line
                ? decorated(n, s.line) : s.has(styleOf(n))));
            runs.forEach((run, i) => {
                if (!styled[i])
                    made.push(wrap(run, () => document.createElement(s.tag)));
            });
        } else if (s.css) {
            // Still styled by what stands around the range: a span says no.
            const value = s.css === 'vertical-align' ? 'baseline' : 'normal';
            const still = runs.filter((run) => {
                const leaf = run.find((n) => isText(n) && /[^ \t\n\r\f]/.test(n.data));
                return leaf && s.has(getComputedStyle(leaf.parentNode));
            });
            for (const run of still) {
                made.push(wrap(run, () => {
                    const span = document.createElement('span');
                    span.setAttribute('style', s.css + ': ' + value + ';');
                    return span;
                }));
            }
        }
        mergeEnds(made);
        reselect(work);
        return true;
    }

    // The computed value a font element with this attribute gives.
    function fontProbe(attr, value) {
        const probe = document.createElement('font');
        probe.setAttribute(attr, value);
        document.body.appendChild(probe);
        const v = getComputedStyle(probe).getPropertyValue(fontCss[attr]);
        probe.remove();
        return v;
    }

    function fontValue(attr, value) {
        value = String(value);
        if (attr === 'size')
            return /^[1-7]$/.test(value) ? value : null;
        if (attr === 'color') {
            const probe = document.createElement('span');
            probe.style.color = value;
            const m = /^rgb\((\d+), (\d+), (\d+)\)$/.exec(probe.style.color);
            if (!m)
                return null;
            return '#' + m.slice(1).map((v) => Number(v).toString(16).padStart(2, '0')).join('');
        }
        return value;
    }

    function applyFont(work, attr, value, matches) {
        work.splitAncestors(matches);
        work.collect();
        const font = (el) => el.tagName === 'FONT' && el.hasAttribute(attr)
            && el.attributes.length === 1;
        for (const n of work.nodes) {
            if (n.nodeType === Node.ELEMENT_NODE && n.tagName === 'FONT' && !font(n))
                n.removeAttribute(attr);
        }
        strip(work, font, fontCss[attr]);
        const runs = work.runs();
        const wanted = fontProbe(attr, value);
        const styled = runs.map((run) => leaves(run).every(
            (n) => styleOf(n).getPropertyValue(fontCss[attr]) === wanted));
        const made = [];
        runs.forEach((run, i) => {
            if (styled[i])
                return;
            // A run that is one font element (alone in its chain) takes the
            // attribute itself.
            let inner = null;
            if (run.length === 1) {
                for (let n = run[0]; n && n.nodeType === Node.ELEMENT_NODE; n = n.firstChild) {
                    if (n.tagName === 'FONT')
                        inner = n;
                    if (!n.firstChild || n.firstChild !== n.lastChild)
                        break;
                }
            }
            if (inner) {
                inner.setAttribute(attr, value);
                return;
            }
            made.push(wrap(run, () => {
                const el = document.createElement('font');
                el.setAttribute(attr, value);
                return el;
            }));
        });
        mergeEnds(made);
        reselect(work);
        return true;
    }

    function removeFormat(work) {
        work.splitAncestors(formatting);
        work.collect();
        for (const n of work.nodes) {
            if (n.nodeType === Node.ELEMENT_NODE && n.tagName === 'SPAN')
                n.removeAttribute('style');
        }
        strip(work, (el) => removable.has(el.tagName.toLowerCase())
            || el.tagName === 'SPAN' && !el.attributes.length);
        reselect(work);
        return true;
    }

    // Whether the command would switch its style off: the engine's own
    // answer for a small selection.
    F.state = function (name) {
        const range = selectedRange();
        const s = styles[name];
        if (!range || !s || !manyTexts(range, F.engineLimit))
            return document.queryCommandState(name);
        const work = new Work(range.cloneRange());
        work.collect();
        return styledText(work, s);
    };

    // Runs an inline formatting command on the selection.
    F.apply = function (name, value) {
        const range = selectedRange();
        const attr = fonts[name];
        const known = styles[name] || attr || name === 'removeFormat';
        if (!range || !known || !manyTexts(range, F.engineLimit))
            return engine(name, value);
        const written = attr ? fontValue(attr, value) : null;
        if (attr && written === null)
            return engine(name, value);
        return ours(name, attr, written, range);
    };

    function ours(name, attr, written, range) {
        const work = new Work(range.cloneRange());
        let matches = formatting;
        if (attr)
            matches = (el) => el.tagName === 'FONT' && el.hasAttribute(attr);
        else if (styles[name])
            matches = carrier(styles[name]);
        work.wholeNodes(matches);
        work.collect();
        // The selection is set between whole nodes while the page is still
        // laid out, so the writes below keep it in place.
        const sel = document.getSelection();
        sel.removeAllRanges();
        sel.addRange(work.range.cloneRange());
        if (name === 'removeFormat')
            return removeFormat(work);
        return attr ? applyFont(work, attr, written, matches) : applyStyle(work, styles[name]);
    }
})();
