#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The text of SETTING/blackbox.cfg as an ordered list of lines, kept so that a read followed by a
// write gives back the same bytes: only the lines of known keys are ever changed, and every other
// line (sections, comments, keys of newer firmware, a second line of a key) stays where it is.
//
// Cameras write CR LF line ends; a card edited on another computer may hold LF or CR ends, or a
// mix. Each line keeps its own end, so every line not changed comes back byte for byte.
class KRVSettingText
{
public:
    // Reads BYTES: spaces and tabs at both ends of the whole text are dropped (line breaks are
    // not), then the text is split at every CR LF, lone LF and lone CR. Every piece is a line,
    // empty ones included, so a final line break comes back on writing. Nothing when BYTES are not
    // UTF-8 (a byte order mark is kept as part of the first line).
    static std::optional<KRVSettingText> fromBytes(QByteArrayView bytes);

    KRVSettingText() = default;
    // LINES joined by SEPARATOR.
    explicit KRVSettingText(QStringList lines, QString separator = QStringLiteral("\r\n"));

    const QStringList &lines() const { return m_lines; }
    // Replaces the lines; they are joined by the separator.
    void setLines(const QStringList &lines);
    // The end of the file's first line ("\r\n" when it has none): what new lines are joined with
    // when the line they follow ends the file.
    const QString &separator() const { return m_separator; }

    // Every line followed by its own end, as UTF-8.
    QByteArray toBytes() const;

    // The index of the first line that begins with KEY (which ends in "="; a plain, case-sensitive
    // prefix test), or -1.
    qsizetype indexOfKey(QStringView key) const;
    // The text after KEY on its first line, or nothing when no line has the key.
    std::optional<QString> valueForKey(QStringView key) const;
    // Replaces the first line of KEY by KEY + VALUE, in place (its end stays). A key without a
    // line is not added: false, and nothing changes.
    bool setValueForKey(QStringView key, const QString &value);

    // Removes the clock lines: for each clock key in turn, its first line and every line equal to
    // that line.
    void removeTimeDateDelimiters();
    // Inserts LINES, in order, right after the first "set=" line, or after the first line when
    // there is none (at the start of an empty list). They end as the line they follow does.
    void addTimeDateDelimiters(const QStringList &lines);

    // Whether every line is a clock line or empty: such a text holds no setting of the camera.
    bool holdsOnlyClockLines() const;

    // The keys of the clock to set, in the order the camera expects them.
    static const QStringList &clockKeys();

private:
    void removeLine(qsizetype index);

    QStringList m_lines;
    // The end of each line: "\r\n", "\n", "\r", or "" for the last line.
    QStringList m_endings;
    QString m_separator = QStringLiteral("\r\n");
};
