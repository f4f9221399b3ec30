// Run in every frame of the map's and the settings page's profiles before the page's own scripts:
// takes the peer-connection constructors out of the page's world (see WebRtcFence).
//
// A frame without a document of its own (about:blank, made by a script) never runs the profile's
// scripts, yet a page could take a constructor from it. So every window the page can reach is
// fenced before the page gets it: the frames a call of the DOM adds, before the call returns; those
// the parser adds, before the next script runs (the parser runs mutation observers first); a
// frame's window or document, before it is handed out. The fence is installed in each fenced window
// too, for the frames made through its own DOM.
(function () {
  'use strict';
  var names = ['RTCPeerConnection', 'webkitRTCPeerConnection', 'RTCIceTransport', 'RTCDataChannel',
               'RTCSessionDescription', 'RTCIceCandidate'];
  var define = Object.defineProperty;
  var describe = Object.getOwnPropertyDescriptor;
  function isFenced(win) {
    var d = describe(win, names[0]);
    return d !== undefined && d.value === undefined && !d.configurable;
  }
  function fenceFrames(win) {
    try {
      for (var i = 0; i < win.length; ++i) { fence(win[i]); }
    } catch (e) {}
  }
  function wrapMethod(proto, name, win) {
    var d = describe(proto, name);
    if (!d || typeof d.value !== 'function') { return; }
    var original = d.value;
    define(proto, name, { value: function () {
      try { return original.apply(this, arguments); } finally { fenceFrames(win); fenceFrames(window); }
    }, writable: false, enumerable: d.enumerable, configurable: false });
  }
  function wrapSetter(proto, name, win) {
    var d = describe(proto, name);
    if (!d || !d.set) { return; }
    var setter = d.set;
    define(proto, name, { get: d.get, set: function (value) {
      try { setter.call(this, value); } finally { fenceFrames(win); fenceFrames(window); }
    }, enumerable: d.enumerable, configurable: false });
  }
  function wrapGetter(proto, name) {
    var d = describe(proto, name);
    if (!d || !d.get) { return; }
    var getter = d.get;
    define(proto, name, { get: function () {
      var frameWindow = getter.call(this);
      try { if (frameWindow) { fence(frameWindow.defaultView || frameWindow); } } catch (e) {}
      return frameWindow;
    }, enumerable: d.enumerable, configurable: false });
  }
  function fence(win) {
    try {
      if (!win || isFenced(win)) { fenceFrames(win); return; }
      names.forEach(function (name) {
        try { delete win[name]; } catch (e) {}
        try { define(win, name, { value: undefined, writable: false, configurable: false }); } catch (e) {}
      });
      [['Node', ['appendChild', 'insertBefore', 'replaceChild']],
       ['Element', ['append', 'prepend', 'before', 'after', 'replaceWith', 'replaceChildren',
                    'insertAdjacentElement', 'insertAdjacentHTML', 'setAttribute', 'setAttributeNS']],
       ['Document', ['write', 'writeln', 'open', 'execCommand', 'append', 'prepend', 'replaceChildren']],
       ['DocumentFragment', ['append', 'prepend', 'replaceChildren']],
       ['CharacterData', ['before', 'after', 'replaceWith']],
       ['Range', ['insertNode', 'surroundContents']]].forEach(function (entry) {
        var type = win[entry[0]];
        if (type) { entry[1].forEach(function (name) { wrapMethod(type.prototype, name, win); }); }
      });
      [['Element', ['innerHTML', 'outerHTML']], ['HTMLIFrameElement', ['src', 'srcdoc']]].forEach(function (entry) {
        var type = win[entry[0]];
        if (type) { entry[1].forEach(function (name) { wrapSetter(type.prototype, name, win); }); }
      });
      ['HTMLIFrameElement', 'HTMLFrameElement', 'HTMLObjectElement', 'HTMLEmbedElement'].forEach(function (name) {
        var type = win[name];
        if (type) { wrapGetter(type.prototype, 'contentWindow'); wrapGetter(type.prototype, 'contentDocument'); }
      });
      if (win.HTMLEmbedElement) { wrapMethod(win.HTMLEmbedElement.prototype, 'getSVGDocument', win); }
      if (win.document) {
        new win.MutationObserver(function () { fenceFrames(win); fenceFrames(window); })
          .observe(win.document, { childList: true, subtree: true, attributes: true });
        win.document.addEventListener('load', function () { fenceFrames(win); }, true);
      }
      fenceFrames(win);
    } catch (e) {}
  }
  fence(window);
})();
