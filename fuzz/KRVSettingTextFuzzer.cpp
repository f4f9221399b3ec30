// A card's SETTING/blackbox.cfg may hold anything. Whatever it holds, reading it must either refuse
// it or give lines that write back as the text read (less the spaces and tabs at its ends), and the
// editor's changes to those lines must keep every other line as it was.
#include "settings/ini/KRVSettingText.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    std::optional<KRVSettingText> text = KRVSettingText::fromBytes(bytes);
    if (!text) {
        return 0;
    }
    const QByteArray written = text->toBytes();
    QByteArrayView trimmed = bytes;
    while (!trimmed.isEmpty() && (trimmed.front() == ' ' || trimmed.front() == '\t')) {
        trimmed = trimmed.sliced(1);
    }
    while (!trimmed.isEmpty() && (trimmed.back() == ' ' || trimmed.back() == '\t')) {
        trimmed.chop(1);
    }
    if (written != trimmed) {
        __builtin_trap();
    }
    // Reading what was written gives the same lines.
    const std::optional<KRVSettingText> again = KRVSettingText::fromBytes(written);
    if (!again || again->lines() != text->lines()) {
        __builtin_trap();
    }

    const QStringList before = text->lines();
    const bool hadKey = text->indexOfKey(u"language=") >= 0;
    if (text->setValueForKey(u"language=", QStringLiteral("fr")) != hadKey || text->lines().size() != before.size()) {
        __builtin_trap();
    }
    text->removeTimeDateDelimiters();
    const qsizetype kept = text->lines().size();
    const qsizetype set = text->indexOfKey(u"set=");
    text->addTimeDateDelimiters({QStringLiteral("year=2024"), QStringLiteral("month=5")});
    const qsizetype at = set >= 0 ? set + 1 : qMin<qsizetype>(kept, 1);
    if (text->lines().size() != kept + 2 || text->lines().at(at) != u"year=2024" ||
        text->lines().at(at + 1) != u"month=5") {
        __builtin_trap();
    }
    return 0;
}
