#pragma once

#include "ProgramFolder.h"
#include "Registry.h"

#include <QStringList>

// Where the desktop keeps what the program reads and writes as registry values.
struct DesktopPlaces {
    QString autostartFolder;   // the user's XDG autostart folder
    QStringList searchFolders; // where the system-information tool is looked for; empty: $PATH
    QString programFolder;     // the program folder the session must pass on; empty: none

    // This session's: $XDG_CONFIG_HOME/autostart (~/.config/autostart), $PATH, and the program folder when
    // $PENSOIR_DIR named it.
    static DesktopPlaces ofThisSession(const ProgramFolder& folder);
};

// Not a general key store: each value the program uses is a real place of the desktop, so the program
// always agrees with the desktop's own settings.
// - The start-at-login value is the user's autostart entry pensoir.desktop: reading gives the program it
//   starts, and finds no value when the entry is absent, hidden or switched off; writing a path writes the
//   entry, writing a blank removes it.
// - The system-information tool's path is the first of hardinfo and kinfocenter found; the folder of the
//   other tool's value is never there.
// Any other value is missing and cannot be written.
class DesktopRegistry final : public Registry {
public:
    explicit DesktopRegistry(DesktopPlaces places);

    RegistryValue read(quint32 root, const QString& key, const QString& name) const override;
    RegistryWrite write(quint32 root, const QString& key, const QString& name, quint32 type,
                        const QByteArray& data) override;

    QString autostartFile() const;

private:
    RegistryValue readAutostart() const;
    RegistryValue findTool() const;
    RegistryWrite writeAutostart(const QString& program) const;
    RegistryWrite removeAutostart() const;

    DesktopPlaces places_;
};
