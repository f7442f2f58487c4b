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

    let displayPending = false;
    document.addEventListener('selectionchange', () => {
        if (displayPending)
            return;
        displayPending = true;
        setTimeout(() => { displayPending = false; tell('displayChanged'); }, 50);
    });

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

    // Puts a document in place of the one served, which carries only its
    // doctype (so the mode matches). Parsing here keeps scripts from running
    // and spares the engine a slow stream of a big page.
    B.fill = function (html) {
        const parsed = new DOMParser().parseFromString(html, 'text/html');
        const nodes = Array.from(parsed.childNodes);
        for (const n of Array.from(document.childNodes))
            document.removeChild(n);
        for (const n of nodes)
            document.appendChild(document.adoptNode(n));
    };

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

    // The whole document as text, with what stands outside the root element.
    B.html = function () {
        const parts = [];
        for (const n of Array.from(document.childNodes)) {
            if (n.nodeType === Node.DOCUMENT_TYPE_NODE)
                parts.push(doctype(n));
            else if (n.nodeType === Node.COMMENT_NODE)
                parts.push('<!--' + n.data + '-->');
            else if (n.nodeType === Node.ELEMENT_NODE)
                parts.push(n.outerHTML);
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
        const box = document.createElement('div');
        box.appendChild(range.cloneContents());
        return box.innerHTML;
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
