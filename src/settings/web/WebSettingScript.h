#pragma once

#include <QString>
#include <QStringList>

// The script texts the settings window sends to the camera's page, and the small script that
// gives the page its "Dashcam" object. The texts are the page's interface: their names, argument
// forms and quoting are what the cameras' pages expect.
//
// Arguments are written as script string literals: text from the card or the page that holds a
// quote, a backslash or a line break is escaped, so it reaches the page as the same text and never
// as script of its own. Ordinary values (hex digits, language codes, dates) read exactly as
// "set_cfg(\"00AB7F\")" and setParamLanguage(['en','fr','es',]).
class WebSettingScript
{
public:
    static QString modelName() { return QStringLiteral("model.name"); }
    static QString modelCfgSize() { return QStringLiteral("model.cfgSize"); }
    static QString setCfg(const QString &hex);
    // One "'code'," per code, in order; setParamLanguage([]) for none.
    static QString setParamLanguage(const QStringList &codes);
    static QString setLanguage(const QString &code);
    static QString setTimeDate(const QString &date);
    static QString setTimeHour(const QString &hour);
    static QString setTimeMin(const QString &minute);
    static QString generateSetting(bool showTabs);
    static QString getCfg() { return QStringLiteral("get_cfg()"); }
    static QString updateOk(int index, const QString &value);
    static QString updateCancel(int index);

    // TEXT as a script string literal in double (or single) quotes.
    static QString quoted(const QString &text, QChar quote = u'"');

    // What a bridge call sent through the page's prompt() starts with; any other prompt is the
    // page's own.
    static QString bridgeMarker() { return QStringLiteral("velmora-dashcam-bridge"); }
    // The script run at the creation of every document of the page, before the page's own: it
    // defines the global "Dashcam" with one function per name in SCRIPTNAMES. A call sends its
    // name and its arguments (as text) through a synchronous prompt() with bridgeMarker(), so
    // calls arrive in the order the page makes them and have been delivered when they return.
    static QString bridgeScript(const QStringList &scriptNames);
};
