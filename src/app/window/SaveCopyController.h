#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

class QWidget;

// Saving a copy of a recording: the save panel, the copy on a worker followed by its progress window
// ("saveCopyProgress"), and the alert when it fails. Gigabytes from a slow card take minutes, so the
// main window stays usable while a copy runs.
class SaveCopyController : public QObject
{
    Q_OBJECT

public:
    SaveCopyController(QWidget *window, QObject *parent);

    // Asks where to save a copy of SOURCE (proposing its name in the user's videos folder) and
    // saves it there.
    void askAndSave(const QUrl &source);
    // Starts saving a copy of SOURCE as DESTINATION. False when either file cannot be opened; that,
    // and a copy failing later, is said in an alert over the window. A cancelled copy leaves nothing.
    bool save(const QUrl &source, const QString &destination);
    bool isSaving() const;

private:
    void showFailed(const QString &reason);

    QWidget *m_window;
};
