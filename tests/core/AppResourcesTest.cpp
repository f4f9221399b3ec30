#include "core/AppResources.h"

#include "support/QtPrinters.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
TEST(AppResourcesTest, FactorySettingsOfTheIniCameraAreInKeyTableOrderWithCrLf)
{
    const QString path = AppResources::pathForResource(u"default_QF27"_s, u"cfg"_s);
    ASSERT_FALSE(path.isEmpty());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n')) << "every line ends in CR LF";

    QList<QByteArray> keys;
    const QList<QByteArray> lines = bytes.chopped(1).split('\n');
    for (const QByteArray &line : lines) {
        ASSERT_TRUE(line.endsWith('\r'));
        const QByteArray text = line.chopped(1);
        keys.append(text.contains('=') ? text.left(text.indexOf('=') + 1) : text);
    }
    const QList<QByteArray> keyTable = {
        "[capacity]",  "const=",        "event=",     "manual=",    "park=",          "[blackbox]",
        "front_led=",  "model=",        "version=",   "park_mode=", "power_off_vlt=", "language=",
        "local_time=", "summer_time=",  "osd_speed=", "mic_in=",    "voice_out=",     "voice_volume=",
        "acc_level=",  "motion_level=", "[time]",     "set="};
    EXPECT_EQ(keys, keyTable);
}

TEST(AppResourcesTest, UnknownOrEscapingNamesFindNothing)
{
    EXPECT_TRUE(AppResources::pathForResource(u"default_QF27"_s, u"txt"_s).isEmpty());
    EXPECT_TRUE(AppResources::pathForResource(u"../factory/default_QF27"_s, u"cfg"_s).isEmpty());
    EXPECT_TRUE(AppResources::imagePath(u"no such picture"_s).isEmpty());
    EXPECT_TRUE(AppResources::imagePath(u"../images/velmora"_s).isEmpty());
    EXPECT_TRUE(AppResources::translationTablePath(u"de"_s).isEmpty());
}

TEST(AppResourcesTest, FindsPicturesAndTablesByName)
{
    EXPECT_EQ(AppResources::imagePath(u"velmora"_s), u":/images/velmora.svg"_s);
    for (const QString &language : {u"en"_s, u"fr"_s, u"ja"_s, u"pt"_s}) {
        EXPECT_FALSE(AppResources::translationTablePath(language).isEmpty()) << language.toStdString();
    }
}

TEST(AppResourcesTest, TheMapPageTravelsWithItsLibrary)
{
    const QString page = AppResources::pathForResource(u"mapview"_s, u"html"_s);
    ASSERT_EQ(page, u":/map/mapview.html"_s);
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray html = file.readAll();
    for (const char *function : {"function initialize(", "function MapMoveToAuto(lng, lat, zoom)",
                                 "function removePolyLine(", "function addPolyLine(points, colour, width, opacity)"}) {
        EXPECT_TRUE(html.contains(function)) << function;
    }
    // What the page loads sits beside it in the resources.
    for (const QString &packed :
         {u":/map/leaflet/leaflet.js"_s, u":/map/leaflet/leaflet.css"_s, u":/map/leaflet/images/layers.png"_s}) {
        EXPECT_TRUE(QFile::exists(packed)) << packed.toStdString();
    }
}
} // namespace
