#pragma once

#include <QDateTime>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>

class KRVSettingManager;

// What the QF27 camera's settings screen shows and does, without widgets: the state of every
// control by its outlet name, the rules that read the file's lines into the controls, and the
// actions that write a control's choice back into the lines. The screen binds its widgets to this;
// velmora-cli drives it the same way.
//
// Every action changes the lines in memory only (by the line-change rule: a key without a line is
// never added); the card is written on OK alone.
class KRVSettingEditorModel : public QObject
{
    Q_OBJECT

public:
    struct ControlState
    {
        bool shown = true;
        bool enabled = true;
        // int: the selected row or column (-1: none), a slider's position or a combo index;
        // bool: a check box; QString: a text field's text; QDateTime: the date picker.
        QVariant value;
        // A radio group's cell captions, a slider's low and high captions, a combo box's items, a
        // button's caption.
        QStringList titles;
    };

    // The twelve time zones offered, by position: hours from UTC.
    static const QList<double> &timeZoneOffsets();
    // The position a "local_time=" value selects: by its integer part; 2 (UTC-8) for any part
    // that names no zone.
    static int timeZonePositionForValue(const QString &value);
    // The column a "power_off_vlt=" value selects: by the millivolts / 100, 0 → 0, 118 → 1,
    // 122 → 3, anything else 2 (12000).
    static int voltageColumnForValue(const QString &value);
    static const QStringList &voltageValues();

    // Positions a slider takes; OUTLET must be one of the three sliders.
    static QList<int> sliderPositions(const QString &outlet);
    // The taken position nearest VALUE (the higher one on a tie), for sliders that can be dragged
    // between them.
    static int snapSliderValue(const QString &outlet, int value);

    static const QStringList &sliderOutlets();
    // The radio groups by outlet, with their number of cells.
    static const QMap<QString, int> &radioGroupCellCounts();

    explicit KRVSettingEditorModel(std::shared_ptr<KRVSettingManager> manager, QObject *parent = nullptr);
    ~KRVSettingEditorModel() override;

    // Where "now" comes from for the clock controls; the system clock unless set.
    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }

    // What opening the screen does: captions, the clock controls reset, every control from the
    // lines, the slider guides hidden.
    void load();

    const QMap<QString, ControlState> &controls() const { return m_controls; }
    ControlState control(const QString &outlet) const { return m_controls.value(outlet); }
    const QStringList &linedSettings() const;

    void applyMainLanguageSeting();
    void applyModelFeatures();
    // Sets every control from the current lines; writes nothing. A key without a line leaves its
    // control as it is.
    void applySettingData();
    void refreshMemoryPartitionGraphWithRatio(const QMap<QString, QString> &ratio);
    bool memoryPartitionSetValue(const QString &key, const QString &value);

    // --- Actions: each takes the control's new selection, shows it and writes its line. ---------
    void memoryPartitionRadioGroupTouched(int column);
    void parkingModeRadioGroupTouched(int row);
    void parkingModeVoltageRadioGroupTouched(int column);
    void languageRadioGroupTouched(int row);
    void timeZoneComboBoxChanged(int index);
    void dstRadioGroupTouched(int row);
    void voiceRecordRadioGroupTouched(int row);
    void voiceGuidanceRadioGroupTouched(int row);
    void speedUnitRadioGroupTouched(int row);
    void securityLEDRadioGroupTouched(int row);
    // The action of the radio group OUTLET with INDEX selected; false for no such group.
    bool radioGroupTouched(const QString &outlet, int index);

    // A slider moved to VALUE (by the pointer or the keyboard): the control shows it; the line is
    // written only while the pointer is over that slider.
    void sliderMoved(const QString &outlet, int value);
    // The slider's action, with the slider as sender or with none (hideSlidersGuide).
    void voiceGuidanceSliderChanged(bool fromSlider);
    void impactSensitivitySliderChanged(bool fromSlider);
    void motionSensitivitySliderChanged(bool fromSlider);
    void sliderTouchedDown(const QString &outlet);
    void sliderTouchedUp(const QString &outlet);
    void hideSlidersGuide();
    QString currentMouseDownSlider() const { return m_currentMouseDownSlider; }

    void dateTimeCheckBoxTouched(bool on);
    void dateTimeCurrentTimeButtonTouched();
    void setDateTimePickerValue(const QDateTime &dateTime);

    // OK: with the clock box on, fresh clock lines after "set="; then the card is written.
    // Returns the modal result, 1; SAVED tells whether the write succeeded (a failure has shown
    // the memory card alert).
    int okButtonTouched(bool *saved = nullptr);
    // Cancel and Escape: nothing is written; the modal result 0.
    int cancelButtonTouched() { return 0; }
    // The factory settings into the lines and controls (QF27 cards only); nothing is written.
    void resetButtonTouched();

    // The keys whose lines a change looked for and did not find since the model was made (the
    // change was not made).
    const QStringList &missingKeys() const { return m_missingKeys; }

    // Applies "OUTLET=VALUE" through the control's action, as a user would: radio groups and the
    // combo box take an index, sliders a position, the check box 0 or 1, the date picker an ISO
    // date and time, buttons (dateTimeCurrentTimeButton, resetButton) anything. Returns an error
    // text, empty on success.
    QString applyPosition(const QString &outlet, const QString &value);

Q_SIGNALS:
    // Some control's state changed; the screen re-reads what it shows.
    void changed();

private:
    void setValue(const QString &outlet, const QVariant &value);
    void setEnabled(const QString &outlet, bool enabled);
    void setTitles(const QString &outlet, const QStringList &titles);
    void setParkingVoltageEnabled(bool enabled);
    void setVoiceVolumeEnabled(bool enabled);
    void sliderChanged(const QString &outlet, bool fromSlider);
    // Changes the line of KEY; remembers KEY among missingKeys when there is none.
    bool writeLine(QStringView key, const QString &value);

    std::shared_ptr<KRVSettingManager> m_manager;
    QMap<QString, ControlState> m_controls;
    QString m_currentMouseDownSlider;
    std::function<QDateTime()> m_now;
    QStringList m_missingKeys;
};
