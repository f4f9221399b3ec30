#include "WebSettingScript.h"

using namespace Qt::StringLiterals;

namespace {
QString call(QLatin1StringView function, const QString &argument)
{
    return function + u'(' + WebSettingScript::quoted(argument) + u')';
}
} // namespace

QString WebSettingScript::quoted(const QString &text, QChar quote)
{
    QString literal;
    literal.reserve(text.size() + 2);
    literal += quote;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (c == quote || u == u'\\') {
            literal += u'\\';
            literal += c;
        } else if (u < 0x20 || u == 0x7f || u == 0x2028 || u == 0x2029) {
            // Line breaks would end the literal; the others are escaped to be seen.
            literal += u"\\u"_s + QString::number(u, 16).rightJustified(4, u'0');
        } else {
            literal += c;
        }
    }
    literal += quote;
    return literal;
}

QString WebSettingScript::setCfg(const QString &hex)
{
    return call("set_cfg"_L1, hex);
}

QString WebSettingScript::setParamLanguage(const QStringList &codes)
{
    QString list;
    for (const QString &code : codes) {
        list += quoted(code, u'\'') + u',';
    }
    return u"setParamLanguage(["_s + list + u"])"_s;
}

QString WebSettingScript::setLanguage(const QString &code)
{
    return call("set_language"_L1, code);
}

QString WebSettingScript::setTimeDate(const QString &date)
{
    return call("setTimeDate"_L1, date);
}

QString WebSettingScript::setTimeHour(const QString &hour)
{
    return call("setTimeHour"_L1, hour);
}

QString WebSettingScript::setTimeMin(const QString &minute)
{
    return call("setTimeMin"_L1, minute);
}

QString WebSettingScript::generateSetting(bool showTabs)
{
    return showTabs ? u"generateSetting(true)"_s : u"generateSetting(false)"_s;
}

QString WebSettingScript::updateOk(int index, const QString &value)
{
    return u"update_ok("_s + QString::number(index) + u", "_s + quoted(value) + u')';
}

QString WebSettingScript::updateCancel(int index)
{
    return u"update_cancel("_s + QString::number(index) + u')';
}

QString WebSettingScript::bridgeScript(const QStringList &scriptNames)
{
    QString names;
    for (const QString &name : scriptNames) {
        names += quoted(name) + u',';
    }
    // The page's own scripts run after this one and may replace window.prompt or JSON; the bridge
    // keeps the originals. Arguments become text as the bridge's methods take them; undefined,
    // null and objects that cannot say what they are become "".
    return uR"JS((function () {
  'use strict';
  if (Object.prototype.hasOwnProperty.call(window, 'Dashcam')) {
    return;
  }
  var ask = window.prompt;
  var stringify = JSON.stringify;
  var marker = %1;
  function text(value) {
    if (typeof value === 'string') {
      return value;
    }
    if (value === undefined || value === null) {
      return '';
    }
    try {
      return String(value);
    } catch (e) {
      return '';
    }
  }
  function send(name, args) {
    var message = [name];
    for (var i = 0; i < args.length; ++i) {
      message.push(text(args[i]));
    }
    ask.call(window, marker, stringify(message));
  }
  var dashcam = {};
  [%2].forEach(function (name) {
    Object.defineProperty(dashcam, name, {
      value: function () { send(name, arguments); },
      enumerable: true
    });
  });
  Object.freeze(dashcam);
  Object.defineProperty(window, 'Dashcam', { value: dashcam, enumerable: true });
})();
)JS"_s.arg(quoted(bridgeMarker()), names);
}
