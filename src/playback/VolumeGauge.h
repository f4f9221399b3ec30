#pragma once

// The volume gauge's state: the volume from 0 to 1, the width of the level bar that shows it, and
// the volume kept while muted.
class VolumeGauge
{
public:
    void setViewWidth(double width);
    double viewWidth() const { return m_viewWidth; }

    float volume() const { return m_volume; }
    bool isMuted() const { return m_isMuted; }
    float backupVolume() const { return m_backupVolume; }
    // The width of the level bar: the volume's share of the view.
    double levelWidth() const { return m_levelWidth; }

    // The pointer at X (view coordinates) sets the level, limited to the view.
    void setVolumeGaugeWithXPoint(double x);
    void setVolumeGageWithVolume(float volume);
    // Limited to 0 to 1.
    void setVolume(float volume);
    // Muting keeps the volume and sets 0; unmuting gives back what muting kept (0 when nothing was
    // muted). Muting twice keeps the first volume.
    void setIsMuted(bool muted);
    // The volume unmuting gives back, limited to 0 to 1; while muted the level stays at 0.
    void setBackupVolume(float volume);

private:
    double m_viewWidth = 0.0;
    double m_levelWidth = 0.0;
    float m_volume = 0.0f;
    float m_backupVolume = 0.0f;
    bool m_isMuted = false;
};
