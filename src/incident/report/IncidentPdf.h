#pragma once

#include "incident/IncidentFigures.h"
#include "incident/IncidentTexts.h"
#include "incident/IncidentWindow.h"

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QString>

#include <optional>

class VexoClipData;

// The one A4 page of an incident report, made with Qt's own PDF writer: what was recorded and
// when, the window, the figures, the front camera's picture at the moment, the graph and the route.
// Numbers are written with "." whatever the language, as in the report's JSON, so the page and the
// file say the same figures in the same form.
class IncidentPdf
{
public:
    struct Content
    {
        QString recordingName;
        std::optional<QDateTime> recordedAt;
        IncidentWindow window;
        IncidentFigures figures;
        const VexoClipData *track = nullptr;
        QImage still; // the front camera at stillAt; null when there is none
        double stillAt = 0.0;
        IncidentTexts texts;
        QString producer; // "Velmora 1.2.3"
    };

    // The PDF document; empty when it could not be made.
    static QByteArray render(const Content &content);

    // The texts of the figures as the page shows them.
    static QString secondsText(double seconds);          // "7.3 s"
    static QString gText(double g);                      // "1.234 g"
    static QString speedText(quint32 kilometresPerHour); // "52 km/h"
    static QString positionText(float lat, float lng);   // "37.512345, 127.012345"
    // SECONDS of play time as the camera's clock showed it, when the recording's time is known.
    static QString clockText(const std::optional<QDateTime> &recordedAt, double seconds);
};
