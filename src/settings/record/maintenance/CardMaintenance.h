#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QThread;
class VolumeSource;

// The two card maintenance actions of the settings screens, without widgets: formatting the card
// in place through the reformat helper, and asking the camera to reset its touch calibration with
// a marker file. It walks through the sheets the user sees (confirmation, progress, result) and
// says which one is open; a view shows it and reports the button that ended it.
//
// The format command runs on a thread of its own, with both of its output channels read and
// thrown away as they arrive, so the window stays responsive and the helper never blocks on a
// full pipe. Only one sheet, and so only one format, is open at a time.
class CardMaintenance : public QObject
{
    Q_OBJECT

public:
    // Return codes of the sheets' buttons: the first button, the second.
    static constexpr int FirstButton = 1000;
    static constexpr int SecondButton = 1001;
    // The marker file the camera looks for at start-up to reset its touch calibration.
    static constexpr QLatin1StringView TouchCalibrationMarker{"Set_touch_cal.txt"};
    // The reformat helper's program name, found beside the viewer or on PATH.
    static constexpr QLatin1StringView FormatHelperName{"velmora-format-card"};

    enum class SheetKind
    {
        None,
        FormatConfirmation, // "아니오" / "예"
        FormatMessage,      // one "OK": the card cannot be formatted
        FormatProgress,     // "OK" disabled while the helper runs, then the result
        TouchConfirmation,  // "아니오" / "예"
        TouchMessage        // one "OK": the reset is done, or failed
    };

    enum class FormatResult
    {
        Succeeded,
        Failed,     // the helper ended with a status other than 0
        CannotStart // the helper could not be found or started
    };

    // What the open sheet shows; texts are localized already.
    struct Sheet
    {
        SheetKind kind = SheetKind::None;
        QString messageText;
        QString informativeText;
        // In order; the first returns FirstButton, the second SecondButton.
        QStringList buttonTitles;
        bool buttonsEnabled = true;
        bool showsProgress = false;
    };

    explicit CardMaintenance(QObject *parent = nullptr);
    // Waits for a format that is still running: the card is not left half-written behind an exit.
    ~CardMaintenance() override;

    // The card root (the settings' settingDirPath): what is formatted and where the marker goes.
    void setCardRoot(const QString &root) { m_cardRoot = root; }
    QString cardRoot() const { return m_cardRoot; }
    // Where the volumes are looked up; the system's mount table unless set.
    void setVolumeSource(std::shared_ptr<const VolumeSource> volumes);
    // The program and the arguments before the card path that format a card; by default
    // "/usr/bin/env" with the reformat helper and "reformat".
    void setFormatCommand(const QString &program, const QStringList &arguments);
    // The reformat helper to run: $VELMORA_FORMAT_CARD when set, else the one beside the
    // running program, else its bare name (looked up on PATH by env).
    static QString formatHelper();
    // How long a format may run before it is given up; tests shorten it.
    void setFormatTimeout(int milliseconds) { m_formatTimeoutMs = milliseconds; }

    // The format button: the checks, then the confirmation or the message that it cannot be done.
    void memoryCardFormatButtonTouched();
    // The touch-reset button: the confirmation.
    void initializeTouchButtonTouched();
    // The open sheet ended with the button that returns RETURNCODE. The progress sheet cannot end
    // while the helper runs.
    void alertDidSelected(int returnCode);

    const Sheet &currentSheet() const { return m_sheet; }
    bool isFormatting() const { return m_formatThread != nullptr; }

signals:
    // A sheet opened, changed in place (the progress sheet's result) or closed (kind None).
    void sheetChanged();
    // Formatting ended, whichever way: the recording list shows what is on the card now.
    void refreshVideoFileList();
    void formatFinished(CardMaintenance::FormatResult result);

private:
    // Why the card cannot be formatted, as a lookup key; empty when it may be.
    QString formatRefusal() const;
    void showSheet(Sheet sheet);
    void showFormatAlertWithInformativeText(const QString &text);
    void showMemoryCardFormatAlert();
    void eraseVolumeTask();
    void finishFormat(FormatResult result);
    void resetTouchCalibration();

    QString m_cardRoot;
    std::shared_ptr<const VolumeSource> m_volumes;
    QString m_formatProgram;
    QStringList m_formatArguments;
    int m_formatTimeoutMs;
    Sheet m_sheet;
    std::unique_ptr<QThread> m_formatThread;
};
