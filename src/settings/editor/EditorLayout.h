#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QB62SettingEditor;
class QB62SettingManager;

// One of the seven variants of the record editor: which controls a camera model gets, how they are
// titled and ranged, and how each control's position is coded into a field of the settings record.
// Everything that differs between layouts is data here; the editor only walks it.
struct EditorLayout
{
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

        int field = 0;
        QString control;
        Kind kind = Kind::Position;
        // position → stored value, in position order; empty means the value is the position.
        QList<std::pair<int, int>> map;
        // Stored for a position the map does not name; none leaves the field as it is.
        std::optional<int> otherValue;
        // Shown for a stored value the map does not name; none leaves the control as it is.
        std::optional<int> otherPosition;
        // Identity rules: the accepted stored range. Outside it the control stays as it is, unless
        // clampAbove, when values above the range show as its top.
        int minimum = std::numeric_limits<int>::min();
        int maximum = std::numeric_limits<int>::max();
        bool clampAbove = false;
        // Stored values are capped at maximum (sensitivities "at most 2").
        bool capOnSave = false;
        // Only for these model types; empty means every type of the layout.
        QList<qint64> onlyForTypes;
    };

    // A change to one control (or section view) the layout makes before values are shown.
    struct ControlFeature
    {
        QString control;
        std::optional<bool> shown;
        std::optional<bool> enabled;
        std::optional<QStringList> titles;
        std::optional<int> minimum;
        std::optional<int> maximum;
        std::optional<int> tickCount;
        QList<qint64> onlyForTypes;
    };

    QString name;
    QList<qint64> modelTypes;
    // product_name written on save, by model type; defaultProductName for the layout's other types.
    QHash<qint64, QString> productNames;
    QString defaultProductName;
    bool codesClock = true;
    QList<ControlFeature> features;
    QList<FieldRule> rules;
    // What a table cannot say: run after the features, after the rules are shown, after they are
    // stored (before the record is written). Any may be empty.
    std::function<void(QB62SettingEditor &)> afterFeatures;
    std::function<void(QB62SettingEditor &, const QB62SettingManager &)> afterApply;
    std::function<void(const QB62SettingEditor &, QB62SettingManager &)> beforeSave;

    QString productNameFor(qint64 modelType) const { return productNames.value(modelType, defaultProductName); }

    // The layout of MODELTYPE, or null for types the record editor has no layout for.
    static const EditorLayout *forModelType(qint64 modelType);
    static const QList<EditorLayout> &all();
    // Model types whose parking mode has three states (motion, time-lapse, off).
    static bool hasThreeStateParking(qint64 modelType);
};
