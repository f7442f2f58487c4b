// The editing view's side in the page. It runs in the application's own
// script world, so the page's scripts never see it, and it leaves no trace in
// the document: no attribute, no element, and its styles are adopted sheets.
(function () {
    'use strict';
    if (window.qvBridge)
        return;
    const B = { keys: 0, editing: false };
    window.qvBridge = B;

    let host = null;
    new QWebChannel(qt.webChannelTransport, (channel) => {
        host = channel.objects.qvHost;
    });

    function tell(name, arg) {
        if (host && B.editing)
            arg === undefined ? host[name]() : host[name](arg);
    }

    // Every key the view delivered reaches here first, so the view can tell
    // whether a read already sees the keys the user typed before it.
    document.addEventListener('keydown', () => { B.keys++; }, true);
    document.addEventListener('keypress', (e) => tell('keyPress', e.charCode || e.keyCode), true);

    let lastMove = 0;
    document.addEventListener('mousemove', () => {
        const now = Date.now();
        if (now - lastMove >= 100) {
            lastMove = now;
            tell('mouseMove');
        }
    }, true);

    // Page timers never fire while page scripts are off: the view gathers
    // these itself.
    document.addEventListener('selectionchange', () => tell('displayChanged'));

    const observer = new MutationObserver(() => tell('changed'));

    // ---- styles that never reach the document ------------------------------

    const details = new CSSStyleSheet();
    details.replaceSync(
        'table, td, th, form, a[name] { outline: 1px dotted #808080; }\n'
        + '[style*="position: absolute"], [style*="position:absolute"] '
        + '{ outline: 1px dashed #0000c0; }');
    function adopt(sheet, on) {
        const others = document.adoptedStyleSheets.filter((s) => s !== sheet);
        document.adoptedStyleSheets = on ? others.concat([sheet]) : others;
    }
    B.setDetails = (on) => adopt(details, on);

    // ---- the document ------------------------------------------------------

    // The HTML parser reads a leading XML declaration as a comment; that
    // node is written back as the declaration it was.
    let xmlDeclaration = null;

    // Puts a document in place of the one served, which carries only its
    // doctype (so the mode matches). Parsing here keeps scripts from running
    // and spares the engine a slow stream of a big page.
    B.fill = function (html) {
        const nodes = Array.from(parse(html).childNodes);
        xmlDeclaration = declarationIn(html, nodes[0]);
        for (const n of Array.from(document.childNodes))
            document.removeChild(n);
        for (const n of nodes)
            document.appendChild(document.adoptNode(n));
    };

    function parse(html) {
        return new DOMParser().parseFromString(withoutClosingBlanks(html), 'text/html');
    }

    // Puts a new whole document in place of the one being edited, as one
    // step of the undo history (the steps before it stay), with atCaret put
    // in at the caret in that step; false when the page is not being edited.
    B.replace = function (html, atCaret) {
        if (!B.editing || !window.qvEdit)
            return false;
        window.qvEdit.replaceDocument(parse(html), atCaret);
        xmlDeclaration = declarationIn(html, document.firstChild);
        return true;
    };

    // The node the parser made of html's leading XML declaration, if any.
    function declarationIn(html, first) {
        return /^\s*<\?xml[\s?]/.test(html) && first
                && first.nodeType === Node.COMMENT_NODE ? first : null;
    }

    // Blanks after the closing body or html tag land inside the body, where
    // the next save writes them before </body>: every open and save would
    // add a line. They are no content, so they go.
    function withoutClosingBlanks(html) {
        const from = Math.max(0, html.length - 4096);
        const tail = html.slice(from);
        const m = /<\/(body|html)\s*>(\s*<\/html\s*>)?\s*$/i.exec(tail);
        if (!m)
            return html;
        const kept = tail.slice(m.index).replace(/>\s+/g, '>').replace(/\s+$/, '');
        return html.slice(0, from) + tail.slice(0, m.index) + kept;
    }

    // The values typed into form fields live outside the markup: they are
    // written into it, so every read and save keeps them. Fields the user
    // did not change are left as written.
    const textTypes = new Set(['', 'text', 'search', 'tel', 'url', 'email', 'password']);
    function writeFormValues(root) {
        for (const el of root.querySelectorAll('input, textarea, select')) {
            if (el instanceof HTMLTextAreaElement) {
                if (el.value !== el.defaultValue.replace(/\r\n?/g, '\n'))
                    el.defaultValue = el.value;
            } else if (el instanceof HTMLSelectElement) {
                writeSelected(el);
            } else if (el.type === 'checkbox' || el.type === 'radio') {
                if (el.checked !== el.defaultChecked)
                    el.defaultChecked = el.checked;
            } else if (textTypes.has((el.getAttribute('type') || '').toLowerCase())) {
                let written = el.defaultValue.replace(/[\r\n]/g, '');
                if (el.type === 'email')
                    written = written.trim();
                if (el.value !== written)
                    el.defaultValue = el.value;
            }
        }
    }

    function writeSelected(select) {
        const options = Array.from(select.options);
        let shown = options.filter((o) => o.defaultSelected);
        if (!select.multiple && select.size <= 1) {
            if (shown.length)
                shown = [shown[shown.length - 1]];
            else
                shown = options.filter((o) => !o.disabled).slice(0, 1);
        }
        const chosen = new Set(shown);
        if (options.every((o) => o.selected === chosen.has(o)))
            return;
        for (const o of options) {
            if (o.selected !== o.defaultSelected)
                o.defaultSelected = o.selected;
        }
    }

    // Starts editing a freshly loaded document; nothing of it is a change.
    B.begin = function (editing, showDetails, snap) {
        B.editing = editing;
        document.designMode = editing ? 'on' : 'off';
        B.setDetails(editing && showDetails);
        if (window.qvEdit) {
            window.qvEdit.snapToGrid = snap;
            window.qvEdit.reset();
        }
        observer.disconnect();
        if (editing)
            observer.observe(document, { subtree: true, childList: true, attributes: true,
                                         characterData: true });
        return B.keys;
    };

    function doctype(d) {
        let s = '<!DOCTYPE ' + d.name;
        if (d.publicId)
            s += ' PUBLIC "' + d.publicId + '"';
        if (d.systemId)
            s += (d.publicId ? '' : ' SYSTEM') + ' "' + d.systemId + '"';
        return s + '>';
    }

    // The parser drops a line break right after <pre>, <textarea> and
    // <listing>, and the engine writes none back: a block whose text starts
    // with one gets it written twice, so that it reads back as it was. Only
    // then is the element copied, so the page itself never changes.
    const dropsFirstBreak = 'pre, textarea, listing';

    function startsWithBreak(e) {
        const t = e.firstChild;
        return t && t.nodeType === Node.TEXT_NODE && t.data.startsWith('\n');
    }

    // The markup of root (outer) or of what it holds; a root that is a copy
    // already (mine) is changed in place.
    function markupOf(root, outer = true, mine = false) {
        const write = (e) => outer ? e.outerHTML : e.innerHTML;
        const blocks = Array.from(root.querySelectorAll(dropsFirstBreak));
        if (!blocks.some(startsWithBreak))
            return write(root);
        const copy = mine ? root : root.cloneNode(true);
        for (const e of copy.querySelectorAll(dropsFirstBreak)) {
            if (startsWithBreak(e))
                e.firstChild.data = '\n' + e.firstChild.data;
        }
        return write(copy);
    }

    B.bodyHtml = function () {
        return document.body ? markupOf(document.body, false) : '';
    };

    // The whole document as text, with what stands outside the root element.
    B.html = function () {
        if (B.editing)
            writeFormValues(document);
        const parts = [];
        for (const n of Array.from(document.childNodes)) {
            if (n.nodeType === Node.DOCUMENT_TYPE_NODE)
                parts.push(doctype(n));
            else if (n === xmlDeclaration)
                parts.push('<' + n.data + '>');
            else if (n.nodeType === Node.COMMENT_NODE)
                parts.push('<!--' + n.data + '-->');
            else if (n.nodeType === Node.ELEMENT_NODE)
                parts.push(markupOf(n));
        }
        return parts.join('\n');
    };

    function selectionRange() {
        const sel = document.getSelection();
        return sel && sel.rangeCount ? sel.getRangeAt(0) : null;
    }

    B.selectedText = function () {
        const sel = document.getSelection();
        return sel ? sel.toString() : '';
    };

    B.selectedHtml = function () {
        const range = selectionRange();
        if (!range)
            return '';
        if (B.editing)
            writeFormValues(document);
        const box = document.createElement('div');
        box.appendChild(range.cloneContents());
        return markupOf(box, false, true);
    };

    // Both at once, so the text a dialog shows and the markup it wraps
    // belong to the same selection.
    B.selection = function () {
        return [B.selectedText(), B.selectedHtml()];
    };

    // Inserts markup at the caret, replacing the selection, exactly as given.
    B.insertHtml = function (html) {
        if (window.qvEdit)
            return window.qvEdit.insertHtml(html);
        return false;
    };

    // Clipboard commands go through the engine, so the clipboard gets both
    // the markup and the text as a browser puts them there.
    B.command = function (name) {
        return document.execCommand(name, false, null);
    };
})();
