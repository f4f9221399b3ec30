#pragma once

#include <QString>

// The words of an incident report in one language, looked up once by the caller (the lookup
// belongs to the thread that owns the translation tables) and handed to the work that writes the
// report, wherever it runs.
struct IncidentTexts
{
    QString title;
    QString recording;
    QString recorded;
    QString unknown;
    QString window;
    QString peak;
    QString topSpeed;
    QString startPosition;
    QString endPosition;
    QString noPosition;
    QString noSensorData;
    QString frontCamera;
    QString noPicture;
    QString graph;
    QString route;
    QString north;

    static IncidentTexts forLanguage(const QString &language);
};
