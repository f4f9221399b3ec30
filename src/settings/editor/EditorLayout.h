#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <limits>
#include <optional>

class QB62SettingEditor;
class QB62SettingManager;

// One of the seven variants of the record editor: which controls a camera model gets, how they are
// titled and ranged, and how each control's position is coded into a field of the settings record.
// Everything that differs between layouts is data here; the editor only walks it.
struct EditorLayout
{
    // What a row may depend on besides the model type.
    enum class Condition
    {
        Always,
        // The driver-assistance settings: firmware number 17 or later, or the QJ51 (model type 9).
        AssistanceFirmware,
        // The record's set_resolution is non-zero: the camera lets the user pick the resolution.
        ResolutionSelectable
    };

    // How one field is stored from one control, and shown back in it.
    struct FieldRule
    {
        enum class Kind
        {
            Position, // the control's position through the map (or as it is, when the map is empty)
            Tag,      // the pop-up's selected tag
            GmtMinutes,
            TzKey,
            Check // a check box: on 1, off 0
        };
        enum class Direction
        {
            Both,
            LoadOnly, // shown but never written back
            SaveOnly  // written from a control another row shows
        };

        int field = 0;
        QString control;
        Kind kind = Kind::Position;
        Direction direction = Direction::Both;
        // position → stored value, in position order; empty means the value is the position.
        QList<std::pair<int, int>> map;
        // Stored for a position the map does not name; none leaves the field as it is.
        std::optional<int> otherValue;
        // Loading: stored value → position, when it is not simply the inverse of the map. The stored
        // value is first divided by loadDivisor, truncating.
        QList<std::pair<int, int>> loadMap;
        int loadDivisor = 1;
        // Shown for a stored value no map names; none leaves the control as it is.
        std::optional<int> otherPosition;
        // Shown for a stored value above every value the rule names (or above maximum).
        std::optional<int> abovePosition;
        // Identity rules: the accepted stored range. Outside it the control stays as it is.
        int minimum = std::numeric_limits<int>::min();
        int maximum = std::numeric_limits<int>::max();
        // Stored values are capped at maximum (sensitivities "at most 2").
        bool capOnSave = false;
        // A stored value the control cannot show stays as it is unless the user moves the control
        // (otherwise OK would replace it with whatever the control shows as laid out).
        bool keepUnshownValue = false;
        // Only for these model types; empty means every type of the layout.
        QList<qint64> onlyForTypes;
        Condition when = Condition::Always;

        bool loads() const { return direction != Direction::SaveOnly; }
        bool saves() const { return direction != Direction::LoadOnly; }
    };

    // A change to one control (or view) the layout makes before values are shown. Rows are applied
    // in order, so a later row overrides an earlier one (hide for all, then show for some types).
    struct ControlFeature
    {
        QString control;
        std::optional<bool> shown;
        std::optional<bool> enabled;
        std::optional<QStringList> titles;
        std::optional<int> minimum;
        std::optional<int> maximum;
        std::optional<int> tickCount;
        // Slider labels, one per position from the minimum: the guide label over the knob and the
        // description under the track (empty: no description at that position).
        std::optional<QStringList> guideLabels;
        std::optional<QStringList> descriptions;
        // Radio cells that cannot be selected.
        QList<int> disabledCells;
        QList<qint64> onlyForTypes;
        Condition when = Condition::Always;
    };

    // Loading a stored switch enables or disables the controls that depend on it.
    struct EnablingRule
    {
        int field = 0;
        QStringList controls;
        QList<int> enablingValues;
        QList<int> disablingValues;
        // What any other stored value does; none changes nothing.
        std::optional<bool> otherwise;
        QList<qint64> onlyForTypes;
    };

    QString name;
    QList<qint64> modelTypes;
    // product_name written on save, by model type; defaultProductName for the layout's other types.
    QHash<qint64, QString> productNames;
    QString defaultProductName;
    QList<ControlFeature> features;
    QList<FieldRule> rules;
    QList<EnablingRule> enabling;
    // The layout's load and save operations on the editor; each walks this layout's tables.
    void (QB62SettingEditor::*applyOperation)() = nullptr;
    bool (QB62SettingEditor::*saveOperation)() = nullptr;

    QString productNameFor(qint64 modelType) const { return productNames.value(modelType, defaultProductName); }

    // The layout of MODELTYPE, or null for types the record editor has no layout for.
    static const EditorLayout *forModelType(qint64 modelType);
    // The layout called NAME ("QA41" … "QY7"), or null.
    static const EditorLayout *named(const QString &name);
    static const QList<EditorLayout> &all();
    // Model types whose parking mode has three states (motion, time-lapse, off).
    static bool hasThreeStateParking(qint64 modelType);
    // Whether CONDITION holds for the card MANAGER describes.
    static bool holds(Condition condition, const QB62SettingManager &manager);
    // Whether a row for TYPES under CONDITION applies to MANAGER's card.
    static bool appliesTo(const QList<qint64> &types, Condition condition, const QB62SettingManager &manager);
};
