#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The desktop entry by which the session starts a program at login (XDG autostart), written and read as
// freedesktop.org's Desktop Entry standard asks.

// The program an entry should start. The installed one (`pensoir` found in searchFolders, $PATH when
// empty) outlives the build or download folder this run may come from, so it comes first; a portable
// copy, which keeps its memos beside itself, and a program that is not installed name themselves.
QString programToStartAtLogin(const QString& running, bool portable, const QStringList& searchFolders = {});

// An entry that starts program, passing it programFolder as the program folder when one is given.
QByteArray autostartEntry(const QString& program, const QString& programFolder);

// The Exec value of a command line: each argument quoted when it holds a reserved character, percent
// signs doubled, then escaped as a string value.
QString execValue(const QStringList& arguments);
// The arguments of an Exec value, as a desktop splits it (field codes other than %% are left as they are).
QStringList execArguments(const QString& value);

struct AutostartSetting {
    bool enabled = false; // false when the entry is hidden or switched off by the desktop
    QString program;      // what it starts, past a leading "env NAME=value…"; empty when nothing
};
AutostartSetting readAutostartEntry(const QByteArray& entry);
