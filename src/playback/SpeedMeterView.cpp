#include "SpeedMeterView.h"

#include "core/Preferences.h"

#include "playback/InstrumentImage.h"
#include "playback/SpeedMeterReading.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace {
// The meter is drawn for 150 x 150; the parts keep these places whatever size it is given.
constexpr int kDigitWidth = 26;
constexpr int kDigitHeight = 44;
constexpr int kDigitTop = 30;
constexpr int kHundredsLeft = 36;
constexpr int kSegmentWidth = 5;
constexpr int kSegmentStep = 6;
constexpr int kSegmentsLeft = 3;
constexpr int kSegmentsBottom = 118;
constexpr int kLowestSegmentHeight = 8;

QLabel *imageView(QWidget *parent, const QString &objectName, const QRect &frame)
{
    auto *view = new QLabel(parent);
    view->setObjectName(objectName);
    view->setScaledContents(true);
    view->setGeometry(frame);
    return view;
}

// Green for town speeds, amber above 100, red above 180 (display units).
QString segmentImage(int segment)
{
    if (segment > 18) {
        return u"speed_gauge_high"_s;
    }
    if (segment > 10) {
        return u"speed_gauge_mid"_s;
    }
    return u"speed_gauge_low"_s;
}
} // namespace

SpeedMeterView::SpeedMeterView(QWidget *parent) : QWidget(parent)
{
    m_bgImageView = imageView(this, u"bgImageView"_s, QRect(0, 0, 150, 150));
    InstrumentImage::show(m_bgImageView, u"speed_meter_bg"_s);
    m_number100 = imageView(this, u"number100"_s, QRect(kHundredsLeft, kDigitTop, kDigitWidth, kDigitHeight));
    m_number10 =
        imageView(this, u"number10"_s, QRect(kHundredsLeft + kDigitWidth, kDigitTop, kDigitWidth, kDigitHeight));
    m_number1 =
        imageView(this, u"number1"_s, QRect(kHundredsLeft + 2 * kDigitWidth, kDigitTop, kDigitWidth, kDigitHeight));
    for (int i = 1; i <= SpeedMeterReading::kSegmentCount; ++i) {
        // Each segment a little taller than the one before, so the bar rises with the speed.
        const int segmentHeight = kLowestSegmentHeight + i - 1;
        QLabel *segment = imageView(this, u"gauge%1"_s.arg(i, 2, 10, QLatin1Char('0')),
                                    QRect(kSegmentsLeft + (i - 1) * kSegmentStep, kSegmentsBottom - segmentHeight,
                                          kSegmentWidth, segmentHeight));
        InstrumentImage::show(segment, segmentImage(i));
        segment->hide();
        m_gaugeList.append(segment);
    }
    m_speedUnitImageView = imageView(this, u"speedUnitImageView"_s, QRect(50, 124, 50, 18));
    InstrumentImage::show(m_speedUnitImageView, u"speed_unit_mph"_s);
    m_speedUnitImageView->hide();
}

void SpeedMeterView::setSpeed(int speed)
{
    m_speed = speed;
    const bool mph = Preferences::speedUnit() != Preferences::KilometresPerHour;
    showReading(SpeedMeterReading::forSpeed(speed, mph));
}

void SpeedMeterView::setSpeedGauge(int value)
{
    const int lit = SpeedMeterReading::segmentsFor(value);
    for (qsizetype i = 0; i < m_gaugeList.size(); ++i) {
        m_gaugeList.at(i)->setVisible(i < lit);
    }
}

void SpeedMeterView::showReading(const SpeedMeterReading &reading)
{
    m_speedUnitImageView->setVisible(reading.showsMph);
    setSpeedGauge(reading.displayValue);
    const QList<QLabel *> places = {m_number1, m_number10, m_number100};
    for (qsizetype place = 0; place < places.size(); ++place) {
        const int digit = reading.digits.at(static_cast<size_t>(place));
        if (digit == SpeedMeterReading::kNoDigit) {
            InstrumentImage::clear(places.at(place));
        } else {
            InstrumentImage::show(places.at(place), QString::number(digit));
        }
    }
}
