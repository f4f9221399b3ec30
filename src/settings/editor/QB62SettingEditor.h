#pragma once

#include "settings/editor/EditorControl.h"
#include "settings/record/SettingRecord.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

struct EditorLayout;
class QB62SettingManager;

// The record editor without its widgets: the state of every control of the settings screen, the
// actions the controls trigger, and the paths that write the card. The screen binds its widgets to
// this state by outlet name; the command-line tool drives the same actions, so what it writes is
// what the screen would write.
class QB62SettingEditor : public QObject
{
    Q_OBJECT

public:
    // A confirmation the user must answer before a change takes effect.
    struct Confirmation
    {
        QString messageKey; // "주차모드"
        QString informativeKey;
        QStringList buttonKeys; // "아니오" (returns NoReturnCode), "예" (YesReturnCode)
    };
    static constexpr int NoReturnCode = 1000;
    static constexpr int YesReturnCode = 1001;

    struct OkResult
    {
        bool recordWritten = false;
        // false when the clock file could not be written or removed (the memory card alert is
        // shown); the clock file is only touched after the record was written
        bool clockHandled = true;
        QList<int> changedFields; // fields that differ from the record the screen was built from
    };

    // Edits MANAGER (the shared settings object when none is given).
    explicit QB62SettingEditor(std::shared_ptr<QB62SettingManager> manager = {}, QObject *parent = nullptr);
    ~QB62SettingEditor() override;

    std::shared_ptr<QB62SettingManager> manager() const { return m_manager; }
    const EditorLayout *layout() const { return m_layout; }
    qint64 modelType() const;
    bool hasThreeStateParking() const;

    // --- Controls --------------------------------------------------------------------------------
    QStringList controlNames() const { return m_order; }
    QStringList sectionNames() const { return m_sectionOrder; }
    bool hasControl(const QString &name) const { return m_controls.contains(name); }
    const EditorControl &control(const QString &name) const;
    int value(const QString &name) const { return control(name).value; }
    // Shown when the control and its section view are shown.
    bool isShown(const QString &name) const;
    bool isSectionShown(const QString &section) const { return m_sections.value(section, true); }
    void setSectionShown(const QString &section, bool shown);
    void setValue(const QString &name, int value);
    void setEnabled(const QString &name, bool enabled);
    void setShown(const QString &name, bool shown);
    void setTitles(const QString &name, const QStringList &titles);
    void setRange(const QString &name, int minimum, int maximum, int tickCount);
    void setPopUpItems(const QString &name, const QStringList &titles, const QList<int> &tags);
    void setCellEnabled(const QString &name, int cell, bool enabled);
    void setSliderLabels(const QString &name, const QStringList &guideLabels, const QStringList &descriptions);
    // The titles shown, through the localization lookup.
    QStringList displayTitles(const QString &name) const;

    QDateTime date() const { return m_date; }
    void setDate(const QDateTime &date);

    // --- Building ----------------------------------------------------------------------------------
    // Everything the screen does when it is built, in order: features, values, clock, graph.
    void loadView();
    void applyModelFeatures();
    void applySettingData();
    // The layouts' load operations: each shows the settings object's values through its layout's
    // table, whatever layout the editor was built for.
    void applyQA41SettingData();
    void applyQB62SettingData();
    void applyQC23SettingData();
    void applyQD34SettingData();
    void applyQE86SettingData();
    void applyQH49SettingData();
    void applyQY7SettingData();
    void applySettingTime();
    void applySettingTimeState(int state);
    void insertLanguageItems();

    // --- Actions -----------------------------------------------------------------------------------
    // Selects VALUE in the control NAME and runs the control's own action, as a click would. A
    // change that needs confirming returns it; the change then waits for alertDidSelected.
    std::optional<Confirmation> touch(const QString &name, int value);
    void voiceMentRadioTouched();
    void alwaysFrontResolutionTouched();
    void alwaysLDWSRadioGroupTouched();
    void alwaysFCWSRadioGroupTouched();
    void alwaysRoadSafetyRadioGroupChanged();
    void commonSpeedUnitRadioGroupTouched();
    void timeCheckTouched();
    void currentTimeButtonTouched();
    void etcMemoryPartitionRadioTouched() { refreshMemoryPartitionGraph(); }
    std::optional<Confirmation> useParkingModeChanged();
    // Ends the pending confirmation with the button's return code.
    void alertDidSelected(int returnCode);
    bool hasPendingConfirmation() const { return m_pendingConfirmation.has_value(); }
    void resetButtonTouched();
    // Stores the controls into the settings object and writes the record, then the clock file.
    OkResult okButtonTouched();
    bool saveData();
    // The layouts' save operations: product name, the layout's table, then the record is written.
    bool saveQA41SettingData();
    bool saveQB62SettingData();
    bool saveQC23SettingData();
    bool saveQD34SettingData();
    bool saveQE86SettingData();
    bool saveQH49SettingData();
    bool saveQY7SettingData();
    bool saveSettingTime();

    // --- Derived state -----------------------------------------------------------------------------
    void refreshMemoryPartitionGraph();
    QList<double> memoryPartitionShares() const { return m_partitionShares; }
    // The four lane-departure speed captions for the selected speed unit.
    QStringList speedCaptions() const;
    void setSpeedCaptions(bool mph);
    static QStringList sliderNames();
    // Guide labels: only the slider under the pointer shows the label of its position.
    void sliderTouchedDown(const QString &slider);
    void sliderTouchedUp();
    QString currentMouseDownSlider() const { return m_currentMouseDownSlider; }
    // The guide-label position shown for SLIDER, or -1 when its labels are hidden.
    int shownGuideLabel(const QString &slider) const;

    // The clock file in use, or empty when the clock is not edited for this card.
    QString timeFilePath() const;

Q_SIGNALS:
    void controlChanged(const QString &name);
    void sectionChanged(const QString &section);
    void dateChanged();
    void partitionChanged();
    void guideLabelsChanged();
    // The shared settings object was replaced by a reset.
    void managerReplaced();

private:
    void addControl(EditorControl control);
    EditorControl &mutableControl(const QString &name);
    void runAction(const QString &name);
    void setParkingSlidersEnabled(bool impact, bool motion, bool timeAndBattery);
    void buildControls();
    void addView(const QString &view);
    void applyLayoutData(const EditorLayout *layout);
    bool saveLayoutData(const EditorLayout *layout);

    std::shared_ptr<QB62SettingManager> m_manager;
    const EditorLayout *m_layout = nullptr;
    QHash<QString, EditorControl> m_controls;
    QStringList m_order;
    QHash<QString, bool> m_sections;
    QStringList m_sectionOrder;
    QDateTime m_date;
    QList<double> m_partitionShares;
    QString m_currentMouseDownSlider;
    std::optional<int> m_pendingParkingRow;
    std::optional<Confirmation> m_pendingConfirmation;
    SettingRecord m_loadedRecord;
    // Controls whose stored value they could not show, with the position they kept at load.
    QHash<QString, int> m_unshownPositions;
};
