#include "MpvPlayer.h"

#include "PlayerTeardown.h"
#include "PlayerVolume.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QMetaObject>
#include <QPointer>

#include <mpv/client.h>
#include <mpv/render.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

Q_LOGGING_CATEGORY(lcMpv, "velmora.mpv")

namespace {
constexpr const char *kObservedDoubles[] = {"time-pos", "duration", "speed", "container-fps", "estimated-vf-fps"};
constexpr const char *kObservedFlags[] = {"pause", "eof-reached", "paused-for-cache"};
// The answer to the question whether a loaded file has a picture.
constexpr quint64 kVideoTrackReply = 1;
// Read from what mpv last reported instead of asking it (see m_heard): all observed but the play
// position, which moves all the time and must be exact after a seek or a frame step.
bool isHeard(const char *name)
{
    return qstrcmp(name, "time-pos") != 0 &&
           (std::any_of(std::begin(kObservedDoubles), std::end(kObservedDoubles),
                        [name](const char *observed) { return qstrcmp(name, observed) == 0; }) ||
            std::any_of(std::begin(kObservedFlags), std::end(kObservedFlags),
                        [name](const char *observed) { return qstrcmp(name, observed) == 0; }));
}
} // namespace

MpvPlayer::MpvPlayer(QObject *parent) : MoviePlayer(parent)
{
    m_handle = mpv_create();
    if (m_handle == nullptr) {
        qCWarning(lcMpv) << "libmpv could not be created";
        return;
    }
    const std::pair<const char *, const char *> options[] = {
        {"config", "no"},
        {"terminal", "no"},
        {"msg-level", "all=error"},
        {"vo", "libmpv"},
        {"hwdec", "no"},
        {"keep-open", "yes"},
        {"pause", "yes"},
        {"idle", "yes"},
        {"hr-seek", "yes"},
        {"input-default-bindings", "no"},
        {"load-scripts", "no"},
        {"ytdl", "no"},
        // The cameras' subtitle streams carry sensor records, not text for people: never show them.
        {"sid", "no"},
        {"sub-auto", "no"},
        // Without a sound device mpv must still reach the end of a file: fall back to no output.
        {"ao", "pipewire,pulse,alsa,null"},
        {"audio-client-name", "Velmora"},
    };
    for (const auto &[name, value] : options) {
        mpv_set_option_string(m_handle, name, value);
    }
    if (mpv_initialize(m_handle) < 0) {
        qCWarning(lcMpv) << "libmpv could not be initialised";
        mpv_terminate_destroy(m_handle);
        m_handle = nullptr;
        return;
    }
    m_heard["pause"] = 1.0; // as set above, until mpv reports
    for (const char *name : kObservedDoubles) {
        mpv_observe_property(m_handle, 0, name, MPV_FORMAT_DOUBLE);
    }
    for (const char *name : kObservedFlags) {
        mpv_observe_property(m_handle, 0, name, MPV_FORMAT_FLAG);
    }
    mpv_observe_property(m_handle, 0, "play-dir", MPV_FORMAT_STRING);

    mpv_render_param params[] = {{MPV_RENDER_PARAM_API_TYPE, const_cast<char *>(MPV_RENDER_API_TYPE_SW)},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    if (mpv_render_context_create(&m_render, m_handle, params) < 0) {
        qCWarning(lcMpv) << "libmpv software renderer unavailable";
        m_render = nullptr;
    } else {
        mpv_render_context_set_update_callback(
            m_render,
            [](void *context) {
                auto *player = static_cast<MpvPlayer *>(context);
                QMetaObject::invokeMethod(player, &MpvPlayer::renderUpdate, Qt::QueuedConnection);
            },
            this);
    }
    // Called from mpv's own thread: only queue the drain on the GUI thread.
    mpv_set_wakeup_callback(
        m_handle,
        [](void *context) {
            auto *player = static_cast<MpvPlayer *>(context);
            QMetaObject::invokeMethod(player, &MpvPlayer::drainEvents, Qt::QueuedConnection);
        },
        this);
}

MpvPlayer::~MpvPlayer()
{
    if (m_handle == nullptr) {
        return;
    }
    // Nothing may call back into this object any more; what is already queued dies with it.
    if (m_render != nullptr) {
        mpv_render_context_set_update_callback(m_render, nullptr, nullptr);
    }
    mpv_set_wakeup_callback(m_handle, nullptr, nullptr);
    // Taking a playing movie down waits for mpv's threads to end (a few hundred milliseconds for a
    // large picture, seconds behind reads from a slow card), which would freeze the window each
    // time another recording is chosen: it is done on the players' own teardown pool. Nothing
    // renders with these handles any more. Fixed order: the renderer, then the player itself.
    const auto release = [handle = m_handle, render = m_render] {
        if (render != nullptr) {
            mpv_render_context_free(render);
        }
        mpv_terminate_destroy(handle);
    };
    PlayerTeardown::run(release);
}

void MpvPlayer::queueCommand(std::initializer_list<const char *> arguments, quint64 reply)
{
    if (m_handle == nullptr) {
        return;
    }
    std::vector<const char *> list(arguments);
    list.push_back(nullptr);
    // mpv copies the arguments at once and runs the command in order with every other request.
    const int error = mpv_command_async(m_handle, reply, list.data());
    if (error < 0) {
        qCDebug(lcMpv) << *arguments.begin() << mpv_error_string(error);
    }
}

QByteArray MpvPlayer::containerOf(const QString &path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == u"mp4" || extension == u"mov") {
        return "mov";
    }
    return extension == u"avi" ? QByteArray("avi") : QByteArray();
}

void MpvPlayer::loadFile(const QString &path, int videoTrack)
{
    m_hasVideo.reset();
    m_failed = false;
    // A file just loaded is at its start until mpv reports a position.
    m_seeks.reset();
    // An absolute path is never taken for a protocol or an option by mpv.
    const QByteArray local = QFileInfo(path).absoluteFilePath().toUtf8();
    m_wasAtEnd = false;
    if (m_handle == nullptr) {
        return;
    }
    // The stream is chosen with the file, as its own option: named arguments, whose meaning does
    // not depend on how many positional ones the installed mpv's "loadfile" takes. A recording is
    // read as the container its name says, never as whatever its bytes look like (a playlist
    // would open files outside the card).
    QByteArrayList fileOptions;
    if (const QByteArray container = containerOf(path); !container.isEmpty()) {
        fileOptions << "demuxer=lavf"
                    << "demuxer-lavf-format=" + container;
    }
    if (videoTrack > 0) {
        fileOptions << "vid=" + QByteArray::number(videoTrack);
    }
    if (fileOptions.isEmpty()) {
        queueCommand({"loadfile", local.constData(), "replace"});
        return;
    }
    const QByteArray option = fileOptions.join(',');
    const char *keys[] = {"name", "url", "flags", "options"};
    const char *values[] = {"loadfile", local.constData(), "replace", option.constData()};
    mpv_node items[4];
    for (int i = 0; i < 4; ++i) {
        items[i].format = MPV_FORMAT_STRING;
        items[i].u.string = const_cast<char *>(values[i]);
    }
    mpv_node_list list{4, items, const_cast<char **>(keys)};
    mpv_node command;
    command.format = MPV_FORMAT_NODE_MAP;
    command.u.list = &list;
    // mpv copies the command at once; nothing here is freed by it.
    const int error = mpv_command_node_async(m_handle, 0, &command);
    if (error < 0) {
        qCDebug(lcMpv) << "loadfile" << mpv_error_string(error);
    }
}

void MpvPlayer::stop()
{
    m_seeks.reset();
    queueCommand({"stop"});
}

double MpvPlayer::doubleProperty(const char *name, double fallback) const
{
    // Never asked of mpv: what it reported, or what was set here.
    const auto heard = m_heard.find(name);
    return heard != m_heard.end() ? heard->second.value_or(fallback) : fallback;
}

bool MpvPlayer::flagProperty(const char *name) const
{
    return doubleProperty(name) != 0.0;
}

// Setting a property waits for mpv's playback thread to take the request, which can be hundreds
// of milliseconds while it opens or decodes a large picture: the window would stand still. The
// request is queued instead (mpv copies the value at once). A read of a property set here gives
// the value set, until mpv reports another for the ones it is asked to report.
void MpvPlayer::setFlagProperty(const char *name, bool value)
{
    int flag = value ? 1 : 0;
    if (m_handle != nullptr) {
        mpv_set_property_async(m_handle, 0, name, MPV_FORMAT_FLAG, &flag);
        m_heard[name] = double(flag);
    }
}

void MpvPlayer::setDoubleProperty(const char *name, double value)
{
    if (m_handle != nullptr) {
        mpv_set_property_async(m_handle, 0, name, MPV_FORMAT_DOUBLE, &value);
        m_heard[name] = value;
    }
}

bool MpvPlayer::isPaused() const
{
    return m_handle == nullptr || flagProperty("pause");
}

void MpvPlayer::setPaused(bool paused)
{
    setFlagProperty("pause", paused);
}

double MpvPlayer::speed() const
{
    return doubleProperty("speed", 1.0);
}

bool MpvPlayer::isPlayingBackward() const
{
    return m_handle != nullptr && m_heardBackward;
}

double MpvPlayer::rate() const
{
    if (isPaused()) {
        return 0.0;
    }
    return isPlayingBackward() ? -speed() : speed();
}

void MpvPlayer::setRate(double rate)
{
    if (m_handle == nullptr) {
        return;
    }
    if (rate == 0.0 || !std::isfinite(rate)) {
        setPaused(true);
        return;
    }
    const char *direction = rate < 0 ? "backward" : "forward";
    mpv_set_property_async(m_handle, 0, "play-dir", MPV_FORMAT_STRING, &direction);
    m_heardBackward = rate < 0;
    setDoubleProperty("speed", std::fabs(rate));
    setPaused(false);
}

double MpvPlayer::timePos() const
{
    // Never asked of mpv (that waits for its playback thread, which is busy decoding large
    // pictures): what it reported, or the frame a seek or step under way will show.
    return m_seeks.position();
}

double MpvPlayer::duration() const
{
    return doubleProperty("duration");
}

bool MpvPlayer::eofReached() const
{
    return flagProperty("eof-reached");
}

bool MpvPlayer::isWaitingForData() const
{
    return flagProperty("paused-for-cache");
}

bool MpvPlayer::hasVideo() const
{
    if (m_handle == nullptr) {
        return false;
    }
    return m_hasVideo ? *m_hasVideo : hasVideoNow();
}

bool MpvPlayer::hasVideoNow() const
{
    // "vid" is the selected video track, "no"/false when the file has none.
    char *video = mpv_get_property_string(m_handle, "current-tracks/video/id");
    const bool present = video != nullptr;
    mpv_free(video);
    return present;
}

double MpvPlayer::volume() const
{
    return PlayerVolume::amplitudeFromMpv(doubleProperty("volume", 100.0));
}

void MpvPlayer::setVolume(double volume)
{
    setDoubleProperty("volume", PlayerVolume::mpvFromAmplitude(volume));
}

void MpvPlayer::setMute(bool mute)
{
    setFlagProperty("mute", mute);
}

void MpvPlayer::leaveEnd()
{
    m_wasAtEnd = false;
    m_heard["eof-reached"] = 0.0; // a seek leaves the end, until mpv says otherwise
}

void MpvPlayer::sendSeek(const std::optional<SeekTracker::Seek> &seek)
{
    if (!seek) {
        return;
    }
    const QByteArray target = QByteArray::number(seek->target, 'f', 6);
    // Queued, not waited for; its reply and the restart after it tell the tracker it is done.
    queueCommand({"seek", target.constData(), "absolute+exact"}, seek->id);
}

void MpvPlayer::seekAbsoluteExact(double seconds)
{
    if (m_handle == nullptr) {
        return;
    }
    leaveEnd();
    sendSeek(m_seeks.seekTo(seconds, seconds));
}

double MpvPlayer::frameDuration() const
{
    double fps = doubleProperty("container-fps");
    if (!(fps > 0.0) || !std::isfinite(fps)) {
        fps = doubleProperty("estimated-vf-fps");
    }
    return fps > 0.0 && std::isfinite(fps) ? 1.0 / fps : 0.0;
}

void MpvPlayer::stepBy(int frames, const char *fallback)
{
    if (m_handle == nullptr) {
        return;
    }
    const double frame = frameDuration();
    if (frame <= 0.0) {
        queueCommand({fallback});
        return;
    }
    // An absolute seek to the counted frame: exact however many steps are still on their way.
    const double last = duration() > 0.0 ? duration() - frame : 0.0;
    const std::optional<SeekTracker::Seek> seek = m_seeks.step(frames, frame, last);
    if (m_seeks.isSeeking()) {
        leaveEnd();
    }
    sendSeek(seek);
}

void MpvPlayer::frameStep()
{
    stepBy(1, "frame-step");
}

void MpvPlayer::frameBackStep()
{
    stepBy(-1, "frame-back-step");
}

QImage MpvPlayer::screenshot() const
{
    if (m_handle == nullptr) {
        return {};
    }
    const char *arguments[] = {"screenshot-raw", "video", nullptr};
    mpv_node result{};
    if (mpv_command_ret(m_handle, arguments, &result) < 0) {
        return {};
    }
    QImage image;
    if (result.format == MPV_FORMAT_NODE_MAP) {
        qint64 width = 0;
        qint64 height = 0;
        qint64 stride = 0;
        QByteArray format;
        const mpv_byte_array *data = nullptr;
        const mpv_node_list *map = result.u.list;
        for (int i = 0; i < map->num; ++i) {
            const char *key = map->keys[i];
            const mpv_node &value = map->values[i];
            if (value.format == MPV_FORMAT_INT64 && qstrcmp(key, "w") == 0) {
                width = value.u.int64;
            } else if (value.format == MPV_FORMAT_INT64 && qstrcmp(key, "h") == 0) {
                height = value.u.int64;
            } else if (value.format == MPV_FORMAT_INT64 && qstrcmp(key, "stride") == 0) {
                stride = value.u.int64;
            } else if (value.format == MPV_FORMAT_STRING && qstrcmp(key, "format") == 0) {
                format = value.u.string;
            } else if (value.format == MPV_FORMAT_BYTE_ARRAY && qstrcmp(key, "data") == 0) {
                data = value.u.ba;
            }
        }
        // bgr0 bytes are 0x00RRGGBB words on a little-endian machine: Qt's RGB32.
        if (format == "bgr0" && data != nullptr && width > 0 && height > 0 && stride >= width * 4 &&
            qint64(data->size) >= stride * height) {
            image = QImage(static_cast<const uchar *>(data->data), int(width), int(height), int(stride),
                           QImage::Format_RGB32)
                        .copy();
        }
    }
    mpv_free_node_contents(&result);
    return image;
}

const QImage &MpvPlayer::frame(const QSize &size)
{
    if (m_render == nullptr || size.isEmpty()) {
        return m_frame;
    }
    if (m_frame.size() != size) {
        m_frame = QImage(size, QImage::Format_RGBX8888);
        m_frame.fill(Qt::black);
        m_frameDirty = true;
    }
    if (m_frameDirty) {
        m_frameDirty = false;
        int renderSize[2] = {size.width(), size.height()};
        size_t stride = size_t(m_frame.bytesPerLine());
        int block = 0; // never wait for the frame's due time: two players share the GUI thread
        mpv_render_param params[] = {{MPV_RENDER_PARAM_SW_SIZE, renderSize},
                                     {MPV_RENDER_PARAM_SW_FORMAT, const_cast<char *>("rgb0")},
                                     {MPV_RENDER_PARAM_SW_STRIDE, &stride},
                                     {MPV_RENDER_PARAM_SW_POINTER, m_frame.bits()},
                                     {MPV_RENDER_PARAM_BLOCK_FOR_TARGET_TIME, &block},
                                     {MPV_RENDER_PARAM_INVALID, nullptr}};
        mpv_render_context_render(m_render, params);
    }
    return m_frame;
}

void MpvPlayer::renderUpdate()
{
    if (m_render != nullptr && (mpv_render_context_update(m_render) & MPV_RENDER_UPDATE_FRAME) != 0) {
        m_frameDirty = true;
        Q_EMIT frameReady();
    }
}

void MpvPlayer::drainEvents()
{
    // A listener may destroy this player while it hears an event: the end of a movie starts the
    // next recording, which replaces the player. Then the loop must stop at once and never touch
    // the handle again, which mpv has freed by then.
    const QPointer<MpvPlayer> alive(this);
    while (alive && m_handle != nullptr) {
        const mpv_event *event = mpv_wait_event(m_handle, 0);
        if (event->event_id == MPV_EVENT_NONE) {
            break;
        }
        switch (event->event_id) {
        case MPV_EVENT_FILE_LOADED:
            m_frameDirty = true;
            // Whether the file has a picture is asked without waiting: mpv's playback thread is
            // busy setting up the decoders now. Listeners hear of the file once it has answered.
            if (mpv_get_property_async(m_handle, kVideoTrackReply, "current-tracks/video/id", MPV_FORMAT_STRING) < 0) {
                m_hasVideo = hasVideoNow();
                if (!m_failed) {
                    Q_EMIT fileLoaded();
                }
            }
            break;
        case MPV_EVENT_GET_PROPERTY_REPLY:
            if (event->reply_userdata == kVideoTrackReply) {
                const auto *property = static_cast<const mpv_event_property *>(event->data);
                m_hasVideo = event->error >= 0 && property != nullptr && property->format == MPV_FORMAT_STRING;
                // A file that failed while the answer was on its way stays failed.
                if (!m_failed) {
                    Q_EMIT fileLoaded();
                }
            }
            break;
        case MPV_EVENT_END_FILE: {
            const auto *end = static_cast<const mpv_event_end_file *>(event->data);
            if (end != nullptr && end->reason == MPV_END_FILE_REASON_ERROR) {
                m_failed = true;
                Q_EMIT loadFailed(QString::fromUtf8(mpv_error_string(end->error)));
            }
            break;
        }
        case MPV_EVENT_COMMAND_REPLY:
            if (event->reply_userdata != 0) {
                sendSeek(m_seeks.replied(event->reply_userdata, event->error < 0));
            }
            break;
        case MPV_EVENT_PLAYBACK_RESTART:
            // Only the newest seek's restart counts; a seek coalesced behind it goes now.
            if (m_seeks.isSeeking()) {
                const std::optional<SeekTracker::Seek> next = m_seeks.restarted();
                sendSeek(next);
                if (!m_seeks.isSeeking()) {
                    // Said at once: mpv reports the position again only if it differs from what
                    // it reported while seeking, which may already have been the target.
                    Q_EMIT timePosChanged(m_seeks.position());
                    if (alive) {
                        Q_EMIT playbackRestarted();
                    }
                }
            }
            break;
        case MPV_EVENT_PROPERTY_CHANGE: {
            const auto *property = static_cast<const mpv_event_property *>(event->data);
            handlePropertyChange(property->name, property->format, property->data);
            break;
        }
        default:
            break;
        }
    }
}

void MpvPlayer::handlePropertyChange(const char *name, int format, void *data)
{
    if (isHeard(name)) {
        if (format == MPV_FORMAT_DOUBLE) {
            m_heard[name] = *static_cast<double *>(data);
        } else if (format == MPV_FORMAT_FLAG) {
            m_heard[name] = *static_cast<int *>(data) != 0 ? 1.0 : 0.0;
        } else {
            m_heard[name] = std::nullopt;
        }
    } else if (qstrcmp(name, "play-dir") == 0 && format == MPV_FORMAT_STRING) {
        m_heardBackward = qstrcmp(*static_cast<const char **>(data), "backward") == 0;
    }
    if (qstrcmp(name, "time-pos") == 0 && format == MPV_FORMAT_DOUBLE) {
        // Reports from before the newest seek's restart are the old position or the seek's
        // target, not the frame shown.
        if (m_seeks.heard(*static_cast<double *>(data))) {
            Q_EMIT timePosChanged(*static_cast<double *>(data));
        }
    } else if (qstrcmp(name, "duration") == 0 && format == MPV_FORMAT_DOUBLE) {
        Q_EMIT durationChanged(*static_cast<double *>(data));
    } else if (qstrcmp(name, "eof-reached") == 0 && format == MPV_FORMAT_FLAG) {
        const bool atEnd = *static_cast<int *>(data) != 0;
        const bool reachedNow = atEnd && !m_wasAtEnd;
        m_wasAtEnd = atEnd; // before the signal: its listener may destroy this player
        if (reachedNow) {
            Q_EMIT endReached();
        }
    } else if (qstrcmp(name, "pause") == 0 || qstrcmp(name, "speed") == 0 || qstrcmp(name, "play-dir") == 0) {
        Q_EMIT rateChanged(rate());
    }
}
