#pragma once

#include "settings/record/SettingRecordLayout.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>

// The values of the 116 settings fields, and their coding in SETTING/setup.cfg. In memory every
// integer field is a signed 32-bit value and every text field a string (null when absent), whatever
// the field's width on the card.
//
// A text read from a card is written back with exactly the bytes it was read from until it is
// changed, so a text that is not valid UTF-8 survives the rewrite after every read.
class SettingRecord
{
public:
    using Field = SettingRecordLayout::Field;

    // Every integer 0 and every text absent.
    SettingRecord() = default;

    // The integer of a field; 0 for a text field or anything that is not a field.
    qint32 value(int field) const;
    // Ignored for text fields and anything that is not a field.
    void setValue(int field, qint32 value);
    // The text of a field; a null string when absent or when FIELD is not a text field.
    QString text(int field) const;
    // Ignored for integer fields and anything that is not a field.
    void setText(int field, const QString &text);

    // Decodes the fields 0 to COUNT-1 from DATA in record order and returns how many were read:
    // the walk stops before the first field that does not fit in DATA entirely. Fields not read
    // keep their values.
    int read(QByteArrayView data, int count);
    // The first COUNT fields (at most 116) as the card stores them.
    QByteArray bytes(int count) const;

    // A text field's bytes up to its first zero byte, as text.
    static QString decodeText(QByteArrayView field);
    // The UTF-8 bytes of TEXT, at most WIDTH of them, cut before a character that would not fit
    // whole. Not padded.
    static QByteArray encodeText(const QString &text, int width);

private:
    static std::size_t slot(int field) { return static_cast<std::size_t>(field); }

    std::array<qint32, SettingRecordLayout::FieldCount> m_values{};
    std::array<QString, SettingRecordLayout::FieldCount> m_texts;
    // The bytes a text was read from, kept while it is unchanged; empty otherwise.
    std::array<QByteArray, SettingRecordLayout::FieldCount> m_cardBytes;
};
