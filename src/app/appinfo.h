#pragma once

#include <QString>

#include <cstdint>

// The application's identity, read-only for the whole run: the title is the
// caption of every message box, the about dialog shows title and version.
struct AppInfoRecord
{
    QString title;
    std::int16_t major;
    std::int16_t minor;
    std::int16_t revision;
};

inline const AppInfoRecord AppInfo{QStringLiteral("Marlivet"), 1, 0, 0};

// The name screen readers say and the class of the windows on X11.
inline constexpr char ApplicationName[] = "Quillora";

// The reverse-DNS id shared by the desktop entry, the icons and the metadata;
// the build sets it.
inline constexpr char ApplicationId[] = QUILLORA_APP_ID;
