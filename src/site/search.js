// The search page of a site made by `ecview-cli site`: finds declarations
// across every module of the site as the viewer's folder search does. A text
// holding "*", "?" or "|" is a wildcard pattern, matched anywhere without
// regard to case; any other text matches names that hold it (ASCII letters
// without regard to case) or whose characters it spells by pinyin initials
// (qwb finds 取文本, wb finds it from 文).
//
// Everything comes from the two scripts the page loads before this one:
// pinyin.js (EC_SITE_PINYIN, the initial of every Chinese character that has
// one) and search-index.js (EC_SITE_INDEX, one entry per module). Nothing is
// fetched, so the page works from file:// as from a web server. Module texts
// reach the page only as text nodes, never as markup.
(function () {
  "use strict";

  var KIND_LABELS = ["子程序", "类", "方法", "数据类型", "DLL命令", "常量", "全局变量"];
  var MAX_SHOWN = 1000;

  // ---- characters and initials --------------------------------------------

  var initialOf = new Map();
  (function () {
    var table = window.EC_SITE_PINYIN || {};
    Object.keys(table).forEach(function (letter) {
      for (var ch of table[letter]) initialOf.set(ch, letter);
    });
  })();

  function initial(ch) {
    return initialOf.get(ch) || "";
  }

  function lowerAscii(text) {
    return text.replace(/[A-Z]+/g, function (m) {
      return m.toLowerCase();
    });
  }

  function lowerChar(ch) {
    var code = ch.charCodeAt(0);
    return ch.length === 1 && code >= 65 && code <= 90 ? String.fromCharCode(code + 32) : ch;
  }

  function isAscii(ch) {
    return ch.length === 1 && ch.charCodeAt(0) < 0x80;
  }

  function nameInitials(name) {
    return Array.from(name, function (c) {
      return initial(c) || c;
    }).join("");
  }

  function isPatternSearch(text) {
    return /[*?|]/.test(text);
  }

  // "*" any run of characters, "?" at most one, "|" between alternatives,
  // everything else literal.
  function wildcardRegExp(text, flags) {
    var source = text.replace(/[\\^$+.{}\[\]()\/-]/g, "\\$&").replace(/\*/g, ".*").replace(/\?/g, ".?");
    return new RegExp(source, flags);
  }

  // ---- the plain match of one name ------------------------------------------

  function PlainMatcher(text) {
    this.lowered = lowerAscii(text);
    this.chars = Array.from(this.lowered);
    this.initials = this.chars.map(initial);
  }

  // `initials` is the name with each character that has a pinyin initial
  // replaced by it, as the index holds it; computed when absent.
  PlainMatcher.prototype.match = function (name, initials) {
    if (initials === undefined) initials = nameInitials(name);
    // Characters outside the BMP take two code units: only such names need
    // splitting into characters; the rest are compared unit by unit.
    var wide = /[\uD800-\uDFFF]/.test(name);
    var n = wide ? Array.from(name) : name;
    var ni = wide ? Array.from(initials) : initials;
    var count = this.chars.length;
    if (count > n.length) return false;
    if (lowerAscii(name).indexOf(this.lowered) >= 0) return true;
    for (var start = 0; start + count <= n.length; ++start) {
      if (!this.alignsAt(n, ni, start)) continue;
      var i = 1;
      while (i < count && this.charEquals(n, ni, i, start + i)) ++i;
      if (i === count) return true;
    }
    return false;
  };

  // Character i of the text against character j of the name: a Chinese
  // character of the name stands for its initial where the text has a
  // character without one.
  PlainMatcher.prototype.charEquals = function (n, ni, i, j) {
    if (j >= n.length) return false;
    var s = this.chars[i];
    var nameInitial = ni[j] !== n[j] ? ni[j] : "";
    if (!this.initials[i] && nameInitial) return isAscii(s) && s === nameInitial;
    return isAscii(s) ? lowerChar(n[j]) === s : n[j] === s;
  };

  // Beyond the name's start a comparison starts only where the name holds
  // the text's first character itself or a character with it as initial.
  PlainMatcher.prototype.alignsAt = function (n, ni, start) {
    if (start === 0) return this.charEquals(n, ni, 0, 0);
    var s = this.chars[0];
    return n[start] === s || (isAscii(s) && ni[start] !== n[start] && ni[start] === s);
  };

  function matchName(text, name, initials) {
    if (isPatternSearch(text)) return wildcardRegExp(text, "iu").test(name);
    return new PlainMatcher(text).match(name, initials);
  }

  // ---- the index --------------------------------------------------------------

  // Entries of a module: [kind, name, initials or 0, anchor, class or 0].
  function Index(modules) {
    this.modules = modules;
    var names = [], inits = [], kinds = [], owners = [], anchors = [], classes = [];
    modules.forEach(function (m, moduleNo) {
      m.d.forEach(function (e) {
        kinds.push(e[0]);
        names.push(e[1]);
        inits.push(e[2] || e[1]);
        anchors.push(e[3]);
        classes.push(e[4] || "");
        owners.push(moduleNo);
      });
    });
    this.names = names;
    this.inits = inits;
    this.kinds = kinds;
    this.owners = owners;
    this.anchors = anchors;
    this.classes = classes;
    // All names in one text each, one per line, so a search is a few runs of
    // indexOf over it rather than one test per name. A line break inside a
    // name becomes a carriage return, which "." does not match either.
    var starts = new Uint32Array(names.length + 1), at = 0;
    for (var k = 0; k < names.length; ++k) {
      starts[k] = at;
      at += names[k].length + 1;
    }
    starts[names.length] = at;
    this.starts = starts;
    var oneLine = function (t) {
      return t.replace(/\n/g, "\r");
    };
    this.raw = names.map(oneLine).join("\n") + "\n";
    this.lowered = lowerAscii(this.raw);
    this.keys = lowerAscii(inits.map(oneLine).join("\n") + "\n");
  }

  // The name whose line holds the position `at` of the joined texts.
  Index.prototype.nameAt = function (at) {
    var lo = 0, hi = this.names.length - 1;
    while (lo < hi) {
      var mid = (lo + hi + 1) >> 1;
      if (this.starts[mid] <= at) lo = mid;
      else hi = mid - 1;
    }
    return lo;
  };

  // Calls found(k) once for every name whose line holds `needle`.
  Index.prototype.eachHolding = function (text, needle, found) {
    if (needle === "") return;
    for (var at = text.indexOf(needle); at >= 0; ) {
      var k = this.nameAt(at);
      found(k);
      at = text.indexOf(needle, this.starts[k + 1]);
    }
  };

  // The numbers of the matching names in index order; `wanted(kind)` says
  // which kinds to look at.
  Index.prototype.search = function (text, wanted) {
    var self = this, hits = new Uint8Array(this.names.length);
    if (text === "" || this.names.length === 0) return [];
    if (isPatternSearch(text)) {
      // One run of the pattern over all lines, moving on to the next line
      // after each match ("." never crosses a line break).
      var re = wildcardRegExp(text, "giu"), end = this.starts[this.names.length], m;
      // A pattern that matches the empty text ("?", "*", "a|") matches every name.
      var everything = re.test("");
      if (everything) hits.fill(1);
      re.lastIndex = 0;
      while (!everything && (m = re.exec(this.raw)) !== null && m.index < end) {
        var k = this.nameAt(m.index);
        hits[k] = 1;
        re.lastIndex = this.starts[k + 1];
      }
    } else {
      var matcher = new PlainMatcher(text);
      // Holding the text matches at once. A match by initials holds, in the
      // names' initials, the text with its own Chinese characters replaced
      // by their initials: only those names are compared in full.
      this.eachHolding(this.lowered, matcher.lowered, function (k) {
        hits[k] = 1;
      });
      var key = matcher.chars
        .map(function (c, i) {
          return matcher.initials[i] || c;
        })
        .join("");
      this.eachHolding(this.keys, key, function (k) {
        if (!hits[k] && matcher.match(self.names[k], self.inits[k])) hits[k] = 1;
      });
    }
    var found = [];
    for (var k = 0; k < hits.length; ++k) if (hits[k] && wanted(self.kinds[k])) found.push(k);
    return found;
  };

  // ---- the page -------------------------------------------------------------

  function element(tag, className, text) {
    var e = document.createElement(tag);
    if (className) e.className = className;
    if (text !== undefined) e.textContent = text;
    return e;
  }

  function checkedKinds(form) {
    var all = form.querySelector("input[value=all]").checked;
    var boxes = form.querySelectorAll("input[data-kinds]");
    var on = new Set();
    boxes.forEach(function (box) {
      box.disabled = all;
      if (all || box.checked) box.getAttribute("data-kinds").split(",").forEach(function (k) {
        on.add(Number(k));
      });
    });
    return function (kind) {
      return on.has(kind);
    };
  }

  function showResults(index, hits, text, status, results) {
    results.textContent = "";
    if (text === "") {
      status.textContent = "共 " + index.modules.length + " 个模块，" + index.names.length + " 个名称。";
      return;
    }
    var shown = hits.slice(0, MAX_SHOWN);
    var modulesHit = new Set(hits.map(function (k) {
      return index.owners[k];
    })).size;
    status.textContent =
      "找到 " + hits.length + " 个名称，在 " + modulesHit + " 个模块中" +
      (shown.length < hits.length ? "；只列出前 " + MAX_SHOWN + " 个。" : "。");
    var list = null, owner = -1;
    shown.forEach(function (k) {
      if (index.owners[k] !== owner) {
        owner = index.owners[k];
        var m = index.modules[owner];
        var group = element("section", "hit-module");
        var heading = element("h2");
        var link = element("a", "", m.t);
        link.href = m.p;
        heading.appendChild(link);
        group.appendChild(heading);
        list = element("ul");
        group.appendChild(list);
        results.appendChild(group);
      }
      var item = element("li", "hit");
      item.appendChild(element("span", "kind", KIND_LABELS[index.kinds[k]] || ""));
      var hit = element("a", "name", index.classes[k] ? index.classes[k] + "." + index.names[k] : index.names[k]);
      hit.href = index.modules[owner].p + "#" + index.anchors[k];
      item.appendChild(hit);
      list.appendChild(item);
    });
  }

  function start() {
    var form = document.getElementById("search-form");
    if (!form) return;
    var input = document.getElementById("search-text");
    var status = document.getElementById("search-status");
    var results = document.getElementById("search-results");
    var index = new Index(window.EC_SITE_INDEX || []);
    // search.html#q=TEXT opens with that search, so a search can be linked.
    var asked = /^#q=(.*)$/.exec(location.hash);
    if (asked) input.value = decodeURIComponent(asked[1]);
    var update = function () {
      var started = performance.now();
      var hits = index.search(input.value, checkedKinds(form));
      showResults(index, hits, input.value, status, results);
      form.setAttribute("data-milliseconds", String(performance.now() - started));
    };
    input.addEventListener("input", update);
    form.addEventListener("change", update);
    form.addEventListener("submit", function (event) {
      event.preventDefault();
      update();
    });
    window.EcSiteSearch.index = index;
    update();
  }

  window.EcSiteSearch = {
    matchName: matchName,
    nameInitials: nameInitials,
    isPatternSearch: isPatternSearch,
    Index: Index,
  };
  if (document.readyState === "loading") document.addEventListener("DOMContentLoaded", start);
  else start();
})();
