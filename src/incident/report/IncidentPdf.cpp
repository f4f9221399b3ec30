#include "IncidentPdf.h"

#include "IncidentGraph.h"
#include "RouteDrawing.h"
#include "recording/RecordingTime.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {
// Page coordinates are points (1/72 inch): A4 is 595 × 842.
constexpr int PointsPerInch = 72;
constexpr double Margin = 36.0;
} // namespace

QString IncidentPdf::secondsText(double seconds)
{
    return QString::number(seconds, 'f', 1) + u" s"_s;
}

QString IncidentPdf::gText(double g)
{
    return QString::number(g, 'f', 3) + u" g"_s;
}

QString IncidentPdf::speedText(quint32 kilometresPerHour)
{
    return QString::number(kilometresPerHour) + u" km/h"_s;
}

QString IncidentPdf::positionText(float lat, float lng)
{
    return QString::number(double(lat), 'f', 6) + u", "_s + QString::number(double(lng), 'f', 6);
}

QString IncidentPdf::clockText(const std::optional<QDateTime> &recordedAt, double seconds)
{
    if (!recordedAt) {
        return {};
    }
    return recordedAt->addMSecs(qint64(std::floor(seconds * 1000.0 + 0.5))).toString(u"HH:mm:ss"_s);
}

QByteArray IncidentPdf::render(const Content &content)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(PointsPerInch);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        writer.setTitle(content.texts.title + u" — "_s + content.recordingName);
        writer.setCreator(content.producer);
        QPainter painter;
        if (!painter.begin(&writer)) {
            return {};
        }
        const IncidentTexts &texts = content.texts;
        const IncidentFigures &figures = content.figures;
        const double pageWidth = 595.0;
        const double width = pageWidth - 2 * Margin;

        QFont font(u"Noto Sans"_s);
        font.setPointSizeF(18.0);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(QRectF(Margin, Margin, width, 26.0), Qt::AlignLeft | Qt::AlignVCenter, texts.title);

        // The figures, label and value, on the left half.
        font.setPointSizeF(9.0);
        font.setBold(false);
        QFont bold = font;
        bold.setBold(true);
        const auto clockSuffix = [&](double seconds) {
            const QString clock = clockText(content.recordedAt, seconds);
            return clock.isEmpty() ? QString() : u" ("_s + clock + u')';
        };
        QList<std::pair<QString, QString>> rows;
        rows.append({texts.recording, content.recordingName});
        rows.append({texts.recorded, content.recordedAt ? RecordingTime::text(*content.recordedAt) : texts.unknown});
        rows.append({texts.window, secondsText(content.window.from()) + u" – "_s + secondsText(content.window.to()) +
                                       u" ("_s + secondsText(content.window.length()) + u')'});
        if (const auto &peak = figures.peak()) {
            rows.append({texts.peak, gText(peak->g) + u" @ "_s + secondsText(peak->at) + clockSuffix(peak->at)});
        }
        if (figures.hasPosition()) {
            rows.append({texts.topSpeed, speedText(*figures.topSpeed())});
            rows.append({texts.startPosition, positionText(figures.start()->lat, figures.start()->lng)});
            rows.append({texts.endPosition, positionText(figures.end()->lat, figures.end()->lng)});
        }
        const double labelWidth = 92.0;
        const double valueWidth = 190.0;
        double y = Margin + 40.0;
        for (const auto &[label, value] : rows) {
            // A long label (in French, say) wraps: the next row starts below the taller of the two.
            painter.setFont(bold);
            QRectF labelUsed;
            painter.drawText(QRectF(Margin, y, labelWidth, 40.0), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                             label, &labelUsed);
            painter.setFont(font);
            QRectF valueUsed;
            painter.drawText(QRectF(Margin + labelWidth + 6.0, y, valueWidth, 40.0),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere, value, &valueUsed);
            y += std::max({labelUsed.height(), valueUsed.height(), 12.0}) + 5.0;
        }
        painter.setFont(font);
        painter.setPen(Qt::darkGray);
        for (const QString &note : {figures.hasSensorData() ? QString() : texts.noSensorData,
                                    figures.hasPosition() ? QString() : texts.noPosition}) {
            if (note.isEmpty()) {
                continue;
            }
            QRectF used;
            painter.drawText(QRectF(Margin, y + 4.0, labelWidth + valueWidth, 40.0),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, note, &used);
            y += used.height() + 6.0;
        }
        painter.setPen(Qt::black);

        // The front camera at the moment, on the right half.
        const QRectF stillArea(Margin + labelWidth + valueWidth + 14.0, Margin + 40.0,
                               width - labelWidth - valueWidth - 14.0, 170.0);
        painter.setFont(bold);
        painter.drawText(QRectF(stillArea.left(), stillArea.top(), stillArea.width(), 12.0),
                         Qt::AlignLeft | Qt::AlignTop,
                         texts.frontCamera + u" — "_s + secondsText(content.stillAt) + clockSuffix(content.stillAt));
        painter.setFont(font);
        const QRectF pictureArea = stillArea.adjusted(0.0, 16.0, 0.0, 0.0);
        if (!content.still.isNull()) {
            QSizeF size = content.still.size();
            size.scale(pictureArea.size(), Qt::KeepAspectRatio);
            painter.drawImage(QRectF(pictureArea.topLeft(), size), content.still);
        } else {
            painter.setPen(QPen(QColor(160, 160, 160), 0.5));
            painter.drawRect(pictureArea);
            painter.setPen(Qt::darkGray);
            painter.drawText(pictureArea, Qt::AlignCenter, texts.noPicture);
            painter.setPen(Qt::black);
        }

        const double graphTop = std::max(y, stillArea.bottom()) + 16.0;
        const QRectF graphArea(Margin, graphTop, width, 200.0);
        if (content.track != nullptr) {
            IncidentGraph::paint(painter, graphArea, *content.track, content.window, figures, texts,
                                 content.still.isNull() ? std::nullopt : std::optional<double>(content.stillAt));
        }

        const double routeTop = graphArea.bottom() + 16.0;
        painter.setFont(bold);
        painter.drawText(QRectF(Margin, routeTop, width, 12.0), Qt::AlignLeft | Qt::AlignTop, texts.route);
        painter.setFont(font);
        const QRectF routeArea(Margin, routeTop + 16.0, width, 842.0 - Margin - 14.0 - routeTop - 16.0);
        RouteDrawing::paint(painter, routeArea, figures, texts);

        QFont footer = font;
        footer.setPointSizeF(7.0);
        painter.setFont(footer);
        painter.setPen(Qt::darkGray);
        painter.drawText(QRectF(Margin, 842.0 - Margin, width, 12.0), Qt::AlignRight | Qt::AlignVCenter,
                         content.producer);
        painter.end();
    }
    return bytes;
}
