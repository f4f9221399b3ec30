#pragma once

#include <QList>
#include <QString>

// A camera card for trying the viewer without a camera: short real recordings (15 s, small
// pictures, with sound) of every kind the viewer reads, spread over the card's category folders so
// every filter shows something, each carrying a part of one drive in its camera's own sensor
// format; a settings record of a QB62 camera and its language list.
//
//   cont_rec/20261207_081500_F.mp4, _R.mp4   front and rear MP4 with "gsensori" + "GPRMC" subtitles
//   cont_rec/Rec_20261207_081900.avi          the INI-settings camera: "M" records with validity bytes
//   motion_rec/20261207_081400_MOT.avi        an older camera, parked: "M", "T" and "$GPRMC" records
//   evt_rec/20261207_081600_EVT.avi           both cameras and sound in one AVI, "gsensor" + "GNRMC"
//   manual_rec/20261207_081800_MAN.avi        the oldest cameras' "ETKVL3" block after the recording
//   sos_rec/20261207_081700_SOS.mp4           an emergency recording of the front camera alone
//   Saved_Videos/20261207_081600_EVT.avi      a copy the user saved
//   SETTING/setup.cfg, SETTING/lang/ver.dat
// The QF27 variant has the same recordings and the QF27 camera's text settings file,
// SETTING/blackbox.cfg, instead of the record and the language list.
// The QR28 variant carries the same recordings with the settings of a camera that keeps its
// own settings page on the card (a QR28): SETTING/setup.cfg, default.cfg, time.dat, ADAS_CAL.dat,
// lang/ver.dat and html/ (index.html, setting.js, setting.css).
class DemoCard
{
public:
    struct Recording
    {
        QString path; // relative to the card
        QString kind;
        int samples = 0;   // track samples the sensor data makes
        int positions = 0; // of which with a position fix
    };

    struct Result
    {
        bool ok = false;
        QString error;
        QList<Recording> recordings;
    };

    enum class Camera
    {
        QB62, // a settings record and its language list
        QF27, // the INI settings file
        QR28, // a settings record and the camera's own settings page
    };

    static constexpr int Seconds = 15;
    static constexpr int FirmwareMinor = 21;
    static inline const char *Version = "1.04.21";
    static inline const char *ModelName = "QB62";
    static inline const char *QF27Version = "2.03";
    static inline const char *QF27ModelName = "QF27";

    static inline const char *WebModelName = "QR28";
    // Size of the web-page camera's record, and where the page's fields sit in it.
    static constexpr int WebRecordSize = 596;

    // Writes the card into the folder ROOT, which must not exist or be empty. The card is built
    // beside it and moved into place when complete, so an interrupted run leaves no half card.
    static Result generate(const QString &root, Camera camera = Camera::QB62);
    // Writes the web-page camera's settings files into the card folder ROOT (which may hold
    // recordings already); false, with ERROR, when a file cannot be written.
    static bool writeWebSettings(const QString &root, QString *error = nullptr);
};
