#include "FfmpegProgress.h"

#include <QRegularExpression>

#include <optional>

namespace {
// A count of microseconds: a time before the output's start (ffmpeg reports those while it
// waits for the first packet) counts as 0; -1 for "N/A" or anything that is not a whole number.
qint64 microseconds(QByteArrayView text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok ? qMax<qint64>(value, 0) : -1;
}

// "HH:MM:SS" with an optional fraction of any length and an optional leading minus, in
// microseconds; nullopt when it is not of that form or too large to count.
std::optional<qint64> clockTime(QByteArrayView text)
{
    static const QRegularExpression form(QStringLiteral(R"(^(-?)(\d{1,9}):(\d{2}):(\d{2})(?:\.(\d{1,18}))?$)"));
    const QRegularExpressionMatch match = form.match(QString::fromLatin1(text));
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const qint64 hours = match.captured(2).toLongLong();
    const qint64 minutes = match.captured(3).toLongLong();
    const qint64 seconds = match.captured(4).toLongLong();
    if (minutes >= 60 || seconds >= 60) {
        return std::nullopt;
    }
    // Six digits of the fraction are microseconds; more are cut, fewer are filled with zeros.
    const QString fraction = match.captured(5).left(6).leftJustified(6, QLatin1Char('0'));
    const qint64 micro = fraction.toLongLong();
    const qint64 total = ((hours * 60 + minutes) * 60 + seconds) * 1000000 + micro;
    return match.captured(1).isEmpty() ? total : -total;
}
} // namespace

bool FfmpegProgress::feed(QByteArrayView bytes)
{
    m_moved = false;
    while (!bytes.isEmpty()) {
        const qsizetype newline = bytes.indexOf('\n');
        const QByteArrayView piece = newline < 0 ? bytes : bytes.first(newline);
        bytes = newline < 0 ? QByteArrayView() : bytes.sliced(newline + 1);
        if (!m_skippingLongLine) {
            if (m_partial.size() + piece.size() > MaxLineLength) {
                // Not a line of the report: drop it up to its end, whatever it holds.
                m_partial.clear();
                m_skippingLongLine = true;
            } else {
                m_partial.append(piece);
            }
        }
        if (newline < 0) {
            break;
        }
        if (!m_skippingLongLine) {
            takeLine(m_partial);
        }
        m_partial.clear();
        m_skippingLongLine = false;
    }
    return m_moved;
}

void FfmpegProgress::takeLine(QByteArrayView line)
{
    line = line.trimmed(); // "\r" of a report written through a terminal-style pipe, blanks
    const qsizetype equals = line.indexOf('=');
    if (equals <= 0) {
        return;
    }
    const QByteArrayView key = line.first(equals);
    const QByteArrayView value = line.sliced(equals + 1).trimmed();
    if (key == "out_time_us") {
        m_blockUs = microseconds(value);
    } else if (key == "out_time_ms") {
        m_blockMs = microseconds(value);
    } else if (key == "out_time") {
        const std::optional<qint64> time = clockTime(value);
        m_blockText = time ? qMax<qint64>(*time, 0) : -1;
    } else if (key == "progress") {
        const qint64 time = m_blockUs >= 0 ? m_blockUs : (m_blockMs >= 0 ? m_blockMs : m_blockText);
        if (time >= 0) {
            m_outTimeUs = time;
            m_moved = true;
        }
        if (value == "end") {
            m_ended = true;
        }
        m_blockUs = m_blockMs = m_blockText = -1;
    }
}

qint64 FfmpegProgress::durationUs(const QString &report)
{
    static const QRegularExpression duration(QStringLiteral(R"(Duration:\s*(N/A|\d{1,9}:\d{2}:\d{2}(?:\.\d{1,18})?))"));
    const QRegularExpressionMatch match = duration.match(report);
    if (!match.hasMatch()) {
        return -1;
    }
    const std::optional<qint64> time = clockTime(match.captured(1).toLatin1());
    return time && *time > 0 ? *time : -1;
}

double FfmpegProgress::share(qint64 outTimeUs, qint64 durationUs)
{
    if (outTimeUs <= 0 || durationUs <= 0) {
        return 0.0;
    }
    return qMin(1.0, double(outTimeUs) / double(durationUs));
}
