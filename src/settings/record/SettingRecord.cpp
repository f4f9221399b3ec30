#include "SettingRecord.h"

#include <QtEndian>

#include <cstring>

using Type = SettingRecordLayout::FieldType;

qint32 SettingRecord::value(int field) const
{
    if (!SettingRecordLayout::isField(field) || SettingRecordLayout::isText(field)) {
        return 0;
    }
    return m_values[slot(field)];
}

void SettingRecord::setValue(int field, qint32 value)
{
    if (SettingRecordLayout::isField(field) && !SettingRecordLayout::isText(field)) {
        m_values[slot(field)] = value;
    }
}

QString SettingRecord::text(int field) const
{
    return SettingRecordLayout::isText(field) ? m_texts[slot(field)] : QString();
}

void SettingRecord::setText(int field, const QString &text)
{
    if (SettingRecordLayout::isText(field)) {
        QString &current = m_texts[slot(field)];
        // Setting the text it already holds (the editor stores every field on OK) is no change.
        if (text != current || text.isNull() != current.isNull()) {
            m_cardBytes[slot(field)].clear();
        }
        current = text;
    }
}

int SettingRecord::read(QByteArrayView data, int count)
{
    qsizetype position = 0;
    int read = 0;
    for (int index = 0; index < count && index < SettingRecordLayout::FieldCount; ++index) {
        const SettingRecordLayout::FieldInfo &info = SettingRecordLayout::field(index);
        if (position + info.width > data.size()) {
            break;
        }
        const char *at = data.data() + position;
        switch (info.type) {
        case Type::Int32:
            m_values[slot(index)] = qFromLittleEndian<qint32>(at);
            break;
        case Type::UInt16:
            m_values[slot(index)] = qFromLittleEndian<quint16>(at);
            break;
        case Type::UInt8:
            m_values[slot(index)] = static_cast<unsigned char>(*at);
            break;
        case Type::Text: {
            const QByteArrayView field(at, info.width);
            const qsizetype zero = field.indexOf('\0');
            const QByteArrayView used = zero < 0 ? field : field.first(zero);
            m_texts[slot(index)] = QString::fromUtf8(used);
            m_cardBytes[slot(index)] = used.toByteArray();
            break;
        }
        }
        position += info.width;
        ++read;
    }
    return read;
}

QByteArray SettingRecord::bytes(int count) const
{
    QByteArray buffer(SettingRecordLayout::recordSize(count), '\0');
    char *at = buffer.data();
    for (int index = 0; index < count && index < SettingRecordLayout::FieldCount; ++index) {
        const SettingRecordLayout::FieldInfo &info = SettingRecordLayout::field(index);
        const qint32 number = m_values[slot(index)];
        switch (info.type) {
        case Type::Int32:
            qToLittleEndian<qint32>(number, at);
            break;
        case Type::UInt16:
            qToLittleEndian<quint16>(static_cast<quint16>(number & 0xFFFF), at);
            break;
        case Type::UInt8:
            *at = static_cast<char>(number & 0xFF);
            break;
        case Type::Text: {
            const QByteArray &kept = m_cardBytes[slot(index)];
            const QByteArray text = kept.isEmpty() ? encodeText(m_texts[slot(index)], info.width) : kept;
            std::memcpy(at, text.constData(), static_cast<std::size_t>(qMin<qsizetype>(text.size(), info.width)));
            break;
        }
        }
        at += info.width;
    }
    return buffer;
}

QString SettingRecord::decodeText(QByteArrayView field)
{
    const qsizetype zero = field.indexOf('\0');
    return QString::fromUtf8(zero < 0 ? field : field.first(zero));
}

QByteArray SettingRecord::encodeText(const QString &text, int width)
{
    QByteArray utf8 = text.toUtf8();
    if (utf8.size() <= width) {
        return utf8;
    }
    // Step back over continuation bytes (10xxxxxx) so the cut falls before the character that
    // does not fit, never inside it.
    qsizetype cut = qMax(width, 0);
    while (cut > 0 && (static_cast<unsigned char>(utf8.at(cut)) & 0xC0) == 0x80) {
        --cut;
    }
    utf8.truncate(cut);
    return utf8;
}
