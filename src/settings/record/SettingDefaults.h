#pragma once

#include "settings/record/SettingRecord.h"

#include <optional>

// The factory settings of the five oldest camera models, used when a card has no settings record
// and by the editor's reset. Each set writes its own fields and leaves every other field alone.
class SettingDefaults
{
public:
    enum Set
    {
        QA41,
        QB62,
        QC23,
        QD34,
        QE86
    };

    // The set of a model type: 0 QA41, 1 QB62, 2 QC23, 3 and 4 QD34, 5 QE86; none otherwise.
    static std::optional<Set> setForModel(qint64 modelType);

    // Writes SET into RECORD. The QD34 set takes the United Kingdom's clock and units when
    // LOCALID is 3.
    static void apply(SettingRecord &record, Set set, qint64 localID);

    // The region whose QD34 defaults differ.
    static constexpr qint64 UnitedKingdomRegion = 3;
};
